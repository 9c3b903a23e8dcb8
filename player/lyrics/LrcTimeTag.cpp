#include "player/lyrics/LrcTimeTag.h"

#include "foundation/system/StringUtils.h"

std::wstring formatLrcTimeTag(uint32_t milliseconds, const std::wstring& separator) {
    const unsigned seconds = milliseconds / 1000;
    const unsigned minutes = seconds / 60;
    if (separator.empty()) return formatString(L"[%02u:%02u]", minutes, seconds % 60);
    return formatString(L"[%02u:%02u%s%02u]", minutes, seconds % 60, separator.c_str(), (milliseconds % 1000) / 10);
}
