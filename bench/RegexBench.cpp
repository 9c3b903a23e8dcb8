// Searches a 10 MB English-and-Japanese text for a literal word, for the editor's link
// pattern and for a case-insensitive alternation, with the system's engine and with
// std::wregex on the same text, and prints the throughput of both.
// Targets: at least 5 times std::wregex on each, and 100 MB/s for the literal word.
#include "foundation/regex/Regexp.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <regex>
#include <string>

namespace {

std::wstring makeText(size_t units) {
    const wchar_t* const english[] = {L"the", L"news", L"today", L"learners", L"listen", L"to", L"river", L"a",
                                      L"mountain", L"report", L"from", L"Tokyo", L"and", L"students", L"said",
                                      L"that", L"weather", L"will", L"be", L"fine", L"Apple", L"market", L"of"};
    const wchar_t* const japanese[] = {L"\x4eca\x65e5\x306e\x30cb\x30e5\x30fc\x30b9\x3067\x3059\x3002",
                                       L"\x5929\x6c17\x306f\x6674\x308c\x3067\x3057\x3087\x3046\x3002",
                                       L"\x5b66\x751f\x305f\x3061\x306f\x8a00\x3044\x307e\x3057\x305f\x3002"};
    std::mt19937 random(42);
    std::wstring text;
    text.reserve(units + 200);
    while (text.size() < units) {
        int kind = static_cast<int>(random() % 100);
        if (kind < 55) {
            text += english[random() % (sizeof(english) / sizeof(english[0]))];
            text += L' ';
        } else if (kind < 85) {
            text += japanese[random() % 3];
        } else if (kind < 97) {
            text += L". ";
        } else if (kind < 99) {
            text += L"\r\n";
        } else if (random() % 20 == 0) {
            text += L"see http://www.example.com/lesson/page?id=42&part=1 now ";
        } else {
            text += L"listening ";
        }
    }
    return text;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Outcome {
    long matches;
    double seconds;
};

Outcome runOwn(const wchar_t* pattern, int flags, const std::wstring& text) {
    CRegexp re(pattern, flags);
    CContext context;
    auto start = std::chrono::steady_clock::now();
    long matches = 0;
    int pos = 0;
    int length = static_cast<int>(text.size());
    for (;;) {
        MatchResultT result = re.match(text.c_str(), length, pos, &context);
        if (!result.isMatched()) break;
        ++matches;
        pos = result.getEnd() > result.getStart() ? result.getEnd() : result.getEnd() + 1;
    }
    return Outcome{matches, secondsSince(start)};
}

Outcome runStd(const wchar_t* pattern, bool ignoreCase, const std::wstring& text) {
    auto flags = std::regex_constants::ECMAScript | std::regex_constants::optimize;
    if (ignoreCase) flags |= std::regex_constants::icase;
    std::wregex re(pattern, flags);
    auto start = std::chrono::steady_clock::now();
    long matches = 0;
    for (std::wsregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) ++matches;
    return Outcome{matches, secondsSince(start)};
}

} // namespace

int main() {
    const size_t units = 5 * 1024 * 1024;  // 10 MB of UTF-16
    std::wstring text = makeText(units);
    double megabytes = static_cast<double>(text.size() * sizeof(wchar_t)) / (1024.0 * 1024.0);
    std::printf("text: %.1f MB of UTF-16 (%zu units)\n", megabytes, text.size());

    struct Case {
        const char* name;
        const wchar_t* pattern;
        int flags;
        const wchar_t* stdPattern;
        double minimumMBs;
    };
    const Case cases[] = {
        {"literal word", L"listening", NO_FLAG, L"listening", 100.0},
        {"link pattern", L"http(s)?://([\\w-]+\\.)+[\\w-]+(/[\\w-./?%&=]*)?", IGNORECASE,
         L"http(s)?://([\\w\\-]+\\.)+[\\w\\-]+(/[\\w\\-./?%&=]*)?", 0.0},
        {"case-blind alternation", L"apple|river|mountain", IGNORECASE, L"apple|river|mountain", 0.0},
    };
    bool allMet = true;
    for (const Case& c : cases) {
        Outcome own = runOwn(c.pattern, c.flags, text);
        Outcome standard = runStd(c.stdPattern, (c.flags & IGNORECASE) != 0, text);
        double ownRate = megabytes / own.seconds;
        double stdRate = megabytes / standard.seconds;
        double ratio = standard.seconds / own.seconds;
        bool met = ratio >= 5.0 && ownRate >= c.minimumMBs && own.matches == standard.matches;
        allMet = allMet && met;
        std::printf("%-24s engine %8.1f MB/s (%ld matches)   std::wregex %7.1f MB/s (%ld matches)   x%.1f %s\n", c.name,
                    ownRate, own.matches, stdRate, standard.matches, ratio, met ? "ok" : "BELOW TARGET");
    }
    return allMet ? 0 : 1;
}
