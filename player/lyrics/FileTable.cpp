#include "player/lyrics/FileTable.h"

#include "foundation/system/PathUtils.h"
#include "player/lyrics/AudioFileTypes.h"
#include "player/lyrics/PlayListReading.h"

FileTable::FileTable() { addFormat(CF_HDROP); }

FileTable::~FileTable() { FileTable::destroy(); }

bool FileTable::onCreate() {
    if (!TableComponent::onCreate()) return false;
    registerDropTarget(m_hWnd);
    return true;
}

void FileTable::destroy() {
    // OLE must let go of the window before it disappears.
    revoke();
    TableComponent::destroy();
}

bool FileTable::onDropFiles(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) {
        if (!readPlayList(*this, path)) addAudioFile(path);
    }
    return true;
}

void FileTable::deleteAllItems() {
    TableComponent::deleteAllItems();
    mPlayListPath.clear();
}

bool FileTable::containsPath(const std::wstring& path) const { return findRow(path, kPathColumn, false) != -1; }

bool FileTable::addAudioFile(const std::wstring& path) {
    if (containsPath(path) || !isSupportedAudioFile(path)) return false;
    const int row = getItemCount();
    if (insertItem(getFileName(path), row) != row) return false;
    setItemText(path, row, kPathColumn);
    return true;
}
