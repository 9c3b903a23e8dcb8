// Searches a 10 MB English-and-Japanese text for a literal word, for the editor's link
// pattern, for a case-insensitive alternation and for two back-reference patterns, with
// the system's engine, with the PCRE2 16-bit interpreter (no JIT) and with std::wregex on
// the same text, and prints the throughput of each and the ratios.
// Targets: at least 5 times std::wregex and at least PCRE2's interpreter on each pattern
// (median of paired rounds), and 100 MB/s for the literal word.
#include "foundation/regex/Regexp.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <random>
#include <regex>
#include <string>
#include <vector>

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

Outcome runOwn(const CRegexp& re, const std::wstring& text) {
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

// The same search loop over PCRE2's interpreter: an empty match moves one unit on.
class PcreSearch {
public:
    PcreSearch(const wchar_t* pattern, bool ignoreCase) {
        int error = 0;
        PCRE2_SIZE offset = 0;
        mCode = ::pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED,
                                ignoreCase ? PCRE2_CASELESS : 0u, &error, &offset, nullptr);
        if (mCode != nullptr) mData = ::pcre2_match_data_create_from_pattern(mCode, nullptr);
    }
    PcreSearch(const PcreSearch&) = delete;
    PcreSearch& operator=(const PcreSearch&) = delete;
    ~PcreSearch() {
        if (mData != nullptr) ::pcre2_match_data_free(mData);
        if (mCode != nullptr) ::pcre2_code_free(mCode);
    }
    bool valid() const { return mCode != nullptr; }

    Outcome run(const std::wstring& text) const {
        auto start = std::chrono::steady_clock::now();
        long matches = 0;
        PCRE2_SIZE pos = 0;
        PCRE2_SPTR subject = reinterpret_cast<PCRE2_SPTR>(text.c_str());
        while (pos <= text.size() && ::pcre2_match(mCode, subject, text.size(), pos, 0, mData, nullptr) >= 0) {
            ++matches;
            const PCRE2_SIZE* vector = ::pcre2_get_ovector_pointer(mData);
            pos = vector[1] > vector[0] ? vector[1] : vector[1] + 1;
        }
        return Outcome{matches, secondsSince(start)};
    }

private:
    pcre2_code* mCode = nullptr;
    pcre2_match_data* mData = nullptr;
};

Outcome runStd(const wchar_t* pattern, bool ignoreCase, const std::wstring& text) {
    auto flags = std::regex_constants::ECMAScript | std::regex_constants::optimize;
    if (ignoreCase) flags |= std::regex_constants::icase;
    std::wregex re(pattern, flags);
    auto start = std::chrono::steady_clock::now();
    long matches = 0;
    for (std::wsregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) ++matches;
    return Outcome{matches, secondsSince(start)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const size_t units = 5 * 1024 * 1024;  // 10 MB of UTF-16
    // Arguments: the number of rounds, and a word that picks the patterns whose names hold it.
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const std::string only = argc > 2 ? argv[2] : "";
    std::wstring text = makeText(units);
    double megabytes = static_cast<double>(text.size() * sizeof(wchar_t)) / (1024.0 * 1024.0);
    std::printf("text: %.1f MB of UTF-16 (%zu units), median of %d paired rounds\n", megabytes, text.size(), rounds);

    struct Case {
        const char* name;
        const wchar_t* pattern;
        int flags;
        const wchar_t* peerPattern;  // the same pattern in the peers' syntax
        double minimumMBs;
    };
    const Case cases[] = {
        {"literal word", L"listening", NO_FLAG, L"listening", 100.0},
        {"link pattern", L"http(s)?://([\\w-]+\\.)+[\\w-]+(/[\\w-./?%&=]*)?", IGNORECASE,
         L"http(s)?://([\\w\\-]+\\.)+[\\w\\-]+(/[\\w\\-./?%&=]*)?", 0.0},
        {"case-blind alternation", L"apple|river|mountain", IGNORECASE, L"apple|river|mountain", 0.0},
        {"doubled word", L"\\b(\\w+)\\s+\\1\\b", NO_FLAG, L"\\b(\\w+)\\s+\\1\\b", 0.0},
        {"case-blind double letter", L"(\\w)\\1", IGNORECASE, L"(\\w)\\1", 0.0},
    };
    bool allMet = true;
    for (const Case& c : cases) {
        if (std::string(c.name).find(only) == std::string::npos) continue;
        bool ignoreCase = (c.flags & IGNORECASE) != 0;
        CRegexp re(c.pattern, c.flags);
        PcreSearch pcre(c.peerPattern, ignoreCase);
        if (!pcre.valid()) {
            std::printf("%-24s PCRE2 cannot compile the pattern\n", c.name);
            allMet = false;
            continue;
        }
        // Paired rounds, the order alternating, so that both see the same machine load.
        std::vector<double> own;
        std::vector<double> peer;
        std::vector<double> pairRatios;  // PCRE2's time over the engine's, per round
        long ownMatches = 0;
        long peerMatches = 0;
        for (int round = 0; round < rounds; ++round) {
            Outcome a{0, 0.0};
            Outcome b{0, 0.0};
            if (round % 2 == 0) {
                a = runOwn(re, text);
                b = pcre.run(text);
            } else {
                b = pcre.run(text);
                a = runOwn(re, text);
            }
            own.push_back(a.seconds);
            peer.push_back(b.seconds);
            pairRatios.push_back(b.seconds / a.seconds);
            ownMatches = a.matches;
            peerMatches = b.matches;
        }
        Outcome standard = runStd(c.peerPattern, ignoreCase, text);
        double ownRate = megabytes / median(own);
        double peerRate = megabytes / median(peer);
        double stdRate = megabytes / standard.seconds;
        // The median of the per-round ratios: a load spike on the shared machine then
        // touches one pair rather than one side.
        double peerRatio = median(pairRatios);
        double stdRatio = ownRate / stdRate;
        bool sameMatches = ownMatches == peerMatches && ownMatches == standard.matches;
        bool met = stdRatio >= 5.0 && peerRatio >= 1.0 && ownRate >= c.minimumMBs && sameMatches;
        allMet = allMet && met;
        std::printf("%-24s engine %7.1f MB/s  PCRE2 %7.1f MB/s  x%.2f   std::wregex %6.1f MB/s  x%.1f   "
                    "(%ld/%ld/%ld matches) %s\n",
                    c.name, ownRate, peerRate, peerRatio, stdRate, stdRatio, ownMatches, peerMatches,
                    standard.matches, met ? "ok" : "BELOW TARGET");
    }
    return allMet ? 0 : 1;
}
