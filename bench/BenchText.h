// The 11 MB text the editor benchmarks work on: 200,000 lines of English words, about
// 50 characters each, CR LF line ends, the same every run.
#pragma once

#include <fstream>
#include <string>

inline std::string makeBenchText(const std::wstring& path) {
    const char* const words[] = {"the", "news", "today", "learners", "listen", "to", "river", "a", "mountain",
                                 "report", "from", "Tokyo", "and", "students", "said", "that", "weather"};
    std::string text;
    text.reserve(10'600'000);
    unsigned seed = 7;
    for (int line = 0; line < 200000; ++line) {
        size_t start = text.size();
        while (text.size() - start < 50) {
            seed = seed * 1103515245u + 12345u;
            text += words[(seed >> 16) % 17];
            text += ' ';
        }
        text += "\r\n";
    }
    std::ofstream(path.c_str(), std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    return text;
}
