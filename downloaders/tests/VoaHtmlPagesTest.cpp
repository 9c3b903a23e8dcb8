// Writes the two published lesson lists of a known catalogue into "voa-html" of the
// folder the tests start in, where a browser check on the host reads them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "downloaders/tests/VoaLessonFiles.h"
#include "downloaders/voa/VoaManagerDialog.h"
#include "testsupport/TestWindows.h"

namespace {

VoaLesson makeLesson(const std::wstring& title, const std::wstring& category, const std::wstring& day,
                     const std::wstring& name) {
    VoaLesson lesson;
    lesson.title = title;
    lesson.category = category;
    lesson.day = day;
    lesson.description = L"About " + title + L".";
    lesson.sourceUrl = L"http://127.0.0.1/mp3/" + name + L".mp3";
    lesson.officialSite = L"http://127.0.0.1/lessons/" + name + L".html";
    return lesson;
}

}  // namespace

TEST(VoaHtmlPages, BothListsOfAKnownCatalogueAreWrittenForTheBrowser) {
    wchar_t start[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, start);
    const std::wstring out = std::wstring(start) + L"\\voa-html\\";
    ::CreateDirectoryW(out.c_str(), nullptr);

    TempDirectory dir;
    ASSERT_TRUE(::SetCurrentDirectoryW(dir.path().c_str()));
    ASSERT_TRUE(writeVoaLesson(dir.file(L"moon.xml"),
                               makeLesson(L"Water on the Moon", L"Science in the News", L"12", L"moon")));
    ASSERT_TRUE(writeVoaLesson(dir.file(L"sleep.xml"),
                               makeLesson(L"Sleep and Memory", L"Science in the News", L"05", L"sleep")));
    ASSERT_TRUE(writeVoaLesson(dir.file(L"bees.xml"), makeLesson(L"Saving the Bees", L"American Mosaic", L"20", L"bees")));
    ASSERT_TRUE(writeTextFile(L"voa_temp.txt",
                              L"<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>VOA Lessons by Day</title>"
                              L"</head><body>\r\n<h1>VOA Lessons</h1>",
                              kEncodingUtf8Bom));

    VoaManagerDialog dialog;
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    ::SetCursorPos(0, 0);
    dialog.getTree().onDropFiles({dir.file(L"moon.xml"), dir.file(L"sleep.xml"), dir.file(L"bees.xml")});
    dialog.createCategoryHtml();
    const std::wstring byCategory = dialog.getTextArea().getTextCopy();
    dialog.createOrderedHtml();
    const std::wstring byDay = dialog.getTextArea().getTextCopy();
    dialog.close(Dialog::kCancelId);
    pumpMessages();
    ::SetCurrentDirectoryW(start);

    EXPECT_TRUE(writeTextFile(out + L"by-category.html", byCategory, kEncodingUtf8Bom));
    EXPECT_TRUE(writeTextFile(out + L"by-day.html", byDay, kEncodingUtf8Bom));
}
