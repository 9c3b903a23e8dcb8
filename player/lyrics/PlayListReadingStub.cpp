// STUB until the play-list reader is merged: at merge, replace this file with a call of
// that reader (readPlayList (file table, path)). Reads an .m3u as lines between CR LF
// pairs, skipping empty and "#EXT" lines, paths relative to the play list's folder.
#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "player/lyrics/AudioFileTypes.h"
#include "player/lyrics/FileTable.h"
#include "player/lyrics/PlayListReading.h"

bool readPlayListInto(FileTable& table, const std::wstring& path) {
    if (!isPlayListPath(path)) return false;
    std::wstring text;
    readTextFile(path, text, kEncodingUndefined);
    std::wstring folder = getDirectory(path);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    for (const std::wstring& line : splitString(text, L"\r\n")) {
        if (line.empty() || line.compare(0, 4, L"#EXT") == 0) continue;
        if (!::PathIsRelativeW(line.c_str())) {
            table.addAudioFile(line);
            continue;
        }
        wchar_t combined[MAX_PATH] = {};
        if (::PathCombineW(combined, folder.c_str(), line.c_str())) table.addAudioFile(combined);
    }
    table.setPlayListPath(path);
    return true;
}
