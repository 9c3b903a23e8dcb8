// The one kakasi of the process (the library keeps its state in globals): set up once
// with the dictionaries beside this DLL, then used under a lock.
#pragma once

#include <mutex>
#include <string>

class KakasiConverter {
public:
    static KakasiConverter& instance();

    // Finds and checks the dictionaries and configures the library, once. False when
    // a dictionary is missing or damaged: the library would end the process on it.
    bool ready();

    // The library's furigana output of one run of JIS X 0208 characters.
    bool convert(const std::wstring& run, std::wstring& output);

private:
    KakasiConverter() = default;
    bool setUp();

    std::mutex m_lock;
    bool m_tried = false;
    bool m_ready = false;
};
