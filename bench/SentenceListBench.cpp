// Reading the sentences of a 1,000-group sentence list, as opening a lesson does: the
// UTF-16 file is read and parsed, and its groups, word list and id3 fields are taken
// out (target under Wine: under 50 ms). Also times writing that list. No window.
//   cd build/run && wine ../bench/SentenceListBench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/xml/XMLParser.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/lyrics/TimeText.h"

namespace {

constexpr int kGroups = 1000;
constexpr int kRuns = 20;
constexpr double kReadTargetMs = 50.0;

// A sentence every 3.6 s with a translation, every third one with an explanation.
std::vector<SentenceListRow> makeRows() {
    std::vector<SentenceListRow> rows;
    for (int i = 0; i < kGroups; ++i) {
        const std::wstring n = std::to_wstring(i);
        const uint32_t start = static_cast<uint32_t>(i) * 3600u;
        rows.push_back({toTimeText(start), toTimeText(start + 3000), L"This is sentence number " + n +
                            L" of the lesson, read at an easy pace & with care. ",
                        L"これはレッスンの " + n + L" 番目の文で、ゆっくり読まれます。",
                        i % 3 == 0 ? L"語句の説明 <" + n + L">" : L""});
    }
    return rows;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    wchar_t tempRoot[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempRoot);
    const std::wstring path = std::wstring(tempRoot) + L"sentence-list-bench.xml";
    const std::vector<SentenceListRow> rows = makeRows();
    ID3TagModel id3;
    id3.setTitle(L"Lesson & talk");
    id3.setYear(2021);

    std::vector<double> writes;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = BenchClock::now();
        writeTextFile(path, buildSentenceListXml(L"lesson.mp3", Element(L"WordList"), id3, rows), kEncodingUtf16Le);
        writes.push_back(millisecondsSince(start));
    }
    std::printf("%-44s %8.2f ms median\n", "write a 1,000-group sentence list", median(writes));

    std::vector<double> reads;
    size_t count = 0;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = BenchClock::now();
        XMLParser parser;
        SentenceListContent content;
        if (parser.parseFile(path) && parser.getRootElement() != nullptr) {
            readSentenceList(*parser.getRootElement(), content);
        }
        reads.push_back(millisecondsSince(start));
        count = content.groups.size();
    }
    const double read = median(reads);
    const bool met = read < kReadTargetMs && count == static_cast<size_t>(kGroups);
    std::printf("%-44s %8.2f ms median, %.2f ms worst (%u groups); target < %.0f ms: %s\n",
                "read the sentences of a 1,000-group list", read, *std::max_element(reads.begin(), reads.end()),
                static_cast<unsigned>(count), kReadTargetMs, met ? "met" : "NOT MET");
    ::DeleteFileW(path.c_str());
    return met ? 0 : 2;
}
