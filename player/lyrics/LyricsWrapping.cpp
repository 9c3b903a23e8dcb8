#include "player/lyrics/LyricsWrapping.h"

#include "foundation/system/StringUtils.h"

void wrapText(std::vector<std::wstring>& lines, const std::wstring& text, int fontSize, int width) {
    const size_t firstLine = lines.size();
    std::wstring line;
    int lineWidth = 0;
    // The last space seen since the line began: its index in the text and the line's
    // length before it.
    bool haveSpace = false;
    size_t spaceIndex = 0;
    size_t lengthBeforeSpace = 0;
    auto endLine = [&] {
        lines.push_back(line);
        line.clear();
        lineWidth = 0;
        haveSpace = false;
    };
    size_t i = 0;
    while (i < text.size()) {
        const wchar_t c = text[i];
        if (c < 32) {
            ++i;
            continue;
        }
        if (c == L' ') {
            haveSpace = true;
            spaceIndex = i;
            lengthBeforeSpace = line.size();
        }
        const int charWidth = c > 128 ? fontSize : fontSize / 2;
        if (lineWidth + charWidth <= width) {
            line += c;
            lineWidth += charWidth;
            ++i;
            continue;
        }
        if (line.empty()) {
            if (lines.size() == firstLine) {
                lines.push_back(replaceAll(text, L"\r\n", L""));
                return;
            }
            // Too wide for any line: it stands alone rather than ending the text here.
            line += c;
            ++i;
            endLine();
            continue;
        }
        if (haveSpace && lengthBeforeSpace >= 2) {
            line.resize(lengthBeforeSpace);
            i = spaceIndex + 1;
        }
        endLine();
    }
    lines.push_back(line);
}
