// Writing the timed lines of the .lrc export in a player format.
#include <cstdio>
#include <string>
#include <vector>

#include "foundation/encoding/TextEncoding.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "player/lyrics/LrcTimeTag.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/lyrics/LyricsWrapping.h"

namespace {

// The narrowest line and the smallest character a format may ask for.
constexpr int kMinimumWidth = 100;
constexpr int kMinimumFontSize = 10;

}  // namespace

void LyricsInfoManager::setEntries(const std::vector<std::wstring>& newTexts, const std::vector<uint32_t>& newTimes) {
    texts = newTexts;
    times = newTimes;
}

bool LyricsInfoManager::writeLrc(const std::wstring& path) const {
    if (playerFormatIndex < 0 || static_cast<size_t>(playerFormatIndex) >= playerFormats.size()) return false;
    const CorvantaHeader& format = playerFormats[static_cast<size_t>(playerFormatIndex)];
    if (format.name.empty() || texts.empty()) return false;
    const EncodingId encoding = getEncodingByName(format.encoding);
    // "Binary" is a way of reading, not of writing text: it would give a file without lines.
    if (encoding == kEncodingBinary) return false;
    const int width = format.width < kMinimumWidth ? kMinimumWidth : format.width;
    const int fontSize = format.fontSize < kMinimumFontSize ? kMinimumFontSize : format.fontSize;

    const std::wstring lrcPath = removeExtension(path) + L".lrc";
    std::FILE* file = ::_wfopen(lrcPath.c_str(), L"wb");
    if (file == nullptr) return false;
    bool written = writeByteOrderMark(file, encoding);
    for (int i = 0; written && i < getCount(); ++i) {
        std::vector<std::wstring> lines;
        wrapText(lines, texts[static_cast<size_t>(i)], fontSize, width);
        const uint32_t start = getTime(i);
        const uint32_t next = getTime(i + 1);
        // A next time before this one gives all lines this time, not a wrapped-around step.
        const uint32_t step = next > start ? (next - start) / static_cast<uint32_t>(lines.size()) : 0;
        std::wstring chunk;
        for (size_t j = 0; j < lines.size(); ++j) {
            chunk += formatLrcTimeTag(start + static_cast<uint32_t>(j) * step, format.extendedTag);
            chunk += lines[j];
            chunk += L"\r\n";
        }
        written = writeEncodedText(file, chunk, encoding);
    }
    if (std::fclose(file) != 0) written = false;
    if (!written) ::_wremove(lrcPath.c_str());
    return written;
}
