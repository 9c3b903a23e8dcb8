#include "app/SampleLesson.h"

#include <windows.h>

#include <vector>

const wchar_t* const kSampleLessonPath = L"Lessons\\Sample\\Sample.mp3";

std::wstring getSampleLessonPath() {
    const DWORD size = ::GetFullPathNameW(kSampleLessonPath, 0, nullptr, nullptr);
    if (size == 0) return std::wstring();
    std::vector<wchar_t> buffer(size);
    const DWORD length = ::GetFullPathNameW(kSampleLessonPath, size, buffer.data(), nullptr);
    return length == 0 || length >= size ? std::wstring() : std::wstring(buffer.data(), length);
}
