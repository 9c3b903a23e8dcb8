// Times a prefix search in a PDIC dictionary of 100,000 entries (BOCU-1 and Shift_JIS,
// each search followed by reading its hits, as the word list does) and a WordNet look-up
// in a database of 50,000 English words with two senses each, with a fresh manager per
// look-up as the word list builds one. Prints the median and the slowest of each.
// Targets: a prefix search under 1 ms, a WordNet look-up under 10 ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "words/dictionary/DictionaryManager.h"
#include "words/tests/PdicTestData.h"
#include "words/tests/WordNetTestData.h"

namespace {

// A scratch folder of this process, emptied and removed when the benchmark ends.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t folder[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, folder);
        mPath = std::wstring(folder) + L"dictionary-bench-" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(mPath.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::wstring& name : mFiles) ::DeleteFileW(name.c_str());
        ::RemoveDirectoryW(mPath.c_str());
    }
    std::wstring file(const std::wstring& name) {
        mFiles.push_back(mPath + L"\\" + name);
        return mFiles.back();
    }

private:
    std::wstring mPath;
    std::vector<std::wstring> mFiles;
};

struct Timing {
    double median;
    double slowest;
};

template <typename Action>
Timing timeRounds(int rounds, Action action) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const BenchClock::time_point start = BenchClock::now();
        action(i);
        times.push_back(millisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

int readHits(DictionaryManager& manager, int count) {
    std::wstring key, value, explanation, pronunciation;
    int level = 0;
    int read = 0;
    for (int i = 0; i < count; ++i) read += manager.getHit(i, key, value, explanation, pronunciation, level) == 0;
    return read;
}

bool benchPdic(ScratchFolder& temp, const std::vector<PdicEntry>& entries, bool bocu1) {
    PdicWriterOptions options;
    options.bocu1 = bocu1;
    const std::wstring path = temp.file(bocu1 ? L"bocu1.dic" : L"sjis.dic");
    if (!writePdicFile(path, entries, options)) return false;
    DictionaryManager manager;
    if (!manager.open(path)) return false;
    // Prefixes of words spread over the dictionary: two letters give dozens of hits.
    std::vector<std::wstring> keys;
    for (size_t i = 0; i < entries.size(); i += entries.size() / 200) keys.push_back(entries[i].headword.substr(0, 2));
    int hits = 0;
    const Timing t = timeRounds(static_cast<int>(keys.size()), [&](int i) {
        int more = 0;
        hits += readHits(manager, manager.search(keys[static_cast<size_t>(i)], false, 30, more));
    });
    std::printf("PDIC %-9s prefix search of %zu entries: median %.3f ms, slowest %.3f ms (%d hits read)%s\n",
                bocu1 ? "BOCU-1" : "Shift_JIS", entries.size(), t.median, t.slowest, hits,
                t.median < 1.0 ? "" : "  ** above target");
    return true;
}

bool benchWordNet(ScratchFolder& temp) {
    const std::wstring path = temp.file(L"wnjpn.db");
    if (!makeLargeWordNetDatabase(path, 50000)) return false;
    int hits = 0;
    const Timing exact = timeRounds(200, [&](int i) {
        DictionaryManager manager;
        manager.open(path);
        int more = 0;
        hits += readHits(manager, manager.search(L"w" + std::to_wstring(i * 211 % 50000), true, 30, more));
    });
    const Timing prefix = timeRounds(50, [&](int i) {
        DictionaryManager manager;
        manager.open(path);
        int more = 0;
        hits += readHits(manager, manager.search(L"w" + std::to_wstring(100 + i * 97 % 800), false, 30, more));
    });
    DictionaryManager open;
    open.open(path);
    const Timing warm = timeRounds(200, [&](int i) {
        int more = 0;
        hits += readHits(open, open.search(L"w" + std::to_wstring(i * 211 % 50000), true, 30, more));
    });
    std::printf("WordNet exact search on an open manager: median %.3f ms, slowest %.3f ms\n", warm.median,
                warm.slowest);
    // A prefix nothing begins with walks every lemma.
    const Timing none = timeRounds(20, [&](int i) {
        DictionaryManager manager;
        manager.open(path);
        int more = 0;
        hits += readHits(manager, manager.search(L"zz" + std::to_wstring(i), false, 30, more));
    });
    std::printf("WordNet exact look-up (open, search, read): median %.3f ms, slowest %.3f ms%s\n", exact.median,
                exact.slowest, exact.median < 10.0 ? "" : "  ** above target");
    std::printf("WordNet prefix look-up (open, search, read): median %.3f ms, slowest %.3f ms%s (%d hits read)\n",
                prefix.median, prefix.slowest, prefix.median < 10.0 ? "" : "  ** above target", hits);
    std::printf("WordNet prefix look-up with no hit: median %.3f ms, slowest %.3f ms\n", none.median, none.slowest);
    return true;
}

}  // namespace

int main() {
    ScratchFolder temp;
    const std::vector<PdicEntry> entries = englishDictionary(100000 - 8);
    if (!benchPdic(temp, entries, true) || !benchPdic(temp, entries, false)) {
        std::printf("could not write or open the dictionary\n");
        return 1;
    }
    if (!benchWordNet(temp)) {
        std::printf("could not build the WordNet database\n");
        return 1;
    }
    return 0;
}
