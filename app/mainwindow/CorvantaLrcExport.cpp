// "Save As .lrc File...": the sentences as timed lines for portable players, in the
// first player format of Resources/Lyrics.txt.
#include "app/mainwindow/Corvanta.h"

#include <vector>

#include "foundation/system/FileDialogs.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/XMLParser.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/lyrics/TimeText.h"

namespace {

const wchar_t kPlayerFormatsPath[] = L"Resources/Lyrics.txt";

bool endsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

void Corvanta::saveAsLrc() {
    const std::wstring path = showSaveFileDialog(m_hWnd, L"Save As .lrc File", L".lrc File (.lrc)|*.lrc;",
                                                 removeExtension(getFileName(mAudioPath)) + L".lrc", L"lrc");
    if (path.empty()) return;
    exportLrcTo(path);
}

bool Corvanta::exportLrcTo(const std::wstring& path) {
    // The save dialog adds its extension to a name that already ends in it.
    const std::wstring target = endsWith(path, L".lrc.lrc") ? replaceAll(path, L".lrc.lrc", L".lrc") : path;
    XMLParser parser;
    if (!parser.parseFile(kPlayerFormatsPath) || parser.getRootElement() == nullptr) return false;
    LyricsInfoManager list;
    list.loadPlayerFormats(*parser.getRootElement());

    std::vector<std::wstring> texts;
    std::vector<uint32_t> times;
    const int rows = mLyricsTable.getItemCount();
    for (int row = 0; row < rows; ++row) {
        const uint32_t start = getRowStartTime(row);
        const uint32_t end = getRowEndTime(row);
        texts.push_back(mRows.getSentence(row));
        times.push_back(start);
        // A set end closes the sentence with an empty line, so the player clears it.
        if (end != kUnsetTime && end > start) {
            texts.emplace_back();
            times.push_back(end);
        }
    }
    times.push_back(audioLength());
    list.setEntries(texts, times);
    return list.writeLrc(target);
}
