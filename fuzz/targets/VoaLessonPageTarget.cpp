// VOA lesson pages as the lesson manager reads them: the title, the live date split into
// year, month and day, and the MP3 address, made into an id3 block.
#include <stdexcept>
#include <string>
#include <vector>

#include "downloaders/voa/LessonPage.h"
#include "foundation/encoding/StringConversion.h"
#include "fuzz/FuzzTarget.h"

namespace {

void readVoaLessonPage(const uint8_t* data, size_t size) {
    const std::wstring page = utf8ToWString(std::string(reinterpret_cast<const char*>(data), size));
    const LessonPageTags tags = readLessonPage(page);
    for (const std::wstring* tag : {&tags.title, &tags.date, &tags.file}) {
        if (page.find(*tag) == std::wstring::npos) throw std::runtime_error("a tag that is not on the page");
    }
    const LessonDate date = splitLessonDate(tags.date);
    if (date.year.size() + date.month.size() + date.day.size() > tags.date.size()) {
        throw std::runtime_error("date parts longer than the date");
    }
    const std::wstring block = buildId3Text(L"http://127.0.0.1/lesson.html", tags);
    if (block.compare(0, 7, L"\t<id3>\r") != 0) throw std::runtime_error("id3 block without its start");
}

const std::vector<std::string> kLessonPageTokens = {
    "<title>", " | ", "</title>", "\"live_date\">", "<span id=\"live_date\">", "2011/03/30", "/", "//",
    "file=", "&", "&amp;", ".mp3", "<", "\xE6\x97\xA5"};

FuzzTargetRegistration voaLessonPage({"voa-lesson-page", readVoaLessonPage, kLessonPageTokens, {}});

}  // namespace
