#include "player/lyrics/PlayListReading.h"

#include <vector>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathUtils.h"
#include "player/lyrics/AudioFileTypes.h"
#include "player/lyrics/FileTable.h"
#include "player/lyrics/PlayList.h"

bool readPlayList(FileTable& table, const std::wstring& path) {
    if (!isPlayListPath(path)) return false;
    std::wstring text;
    if (readTextFile(path, text, kEncodingUndefined) == kEncodingUndefined) return false;
    std::wstring folder = getDirectory(path);
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    for (const std::wstring& entry : playListEntries(text, folder)) table.addAudioFile(entry);
    table.setPlayListPath(path);
    return true;
}

std::string writePlayListText(FileTable& table, const std::wstring& playListPath) {
    std::vector<std::wstring> paths;
    const int rows = table.getItemCount();
    for (int row = 0; row < rows; ++row) paths.push_back(table.getItemTextW(row, FileTable::kPathColumn));
    return writePlayListText(paths, playListPath);
}
