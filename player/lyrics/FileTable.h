// The file table: audio files and play-list entries the learner switches between, one
// row per file with its name and full path. Files and play lists can be dropped on it.
#pragma once

#include <string>
#include <vector>

#include "toolkit/dnd/DropTarget.h"
#include "toolkit/widgets/TableComponent.h"

class FileTable : public TableComponent, public DropTarget {
public:
    enum Column { kNameColumn = 0, kPathColumn = 1 };

    FileTable();
    ~FileTable() override;

    // The table's own creation, then the window takes OLE drops.
    bool onCreate() override;
    void destroy() override;
    // Each play list among the paths fills the table; each other path is added as a file.
    bool onDropFiles(const std::vector<std::wstring>& paths) override;
    bool onDropFiles(HDROP drop) override { return TableComponent::onDropFiles(drop); }
    // Removes every row and forgets the play list.
    void deleteAllItems() override;

    // Some row's Path cell is exactly the path.
    bool containsPath(const std::wstring& path) const;
    // Appends a row for a supported audio file that is not listed yet; false otherwise.
    bool addAudioFile(const std::wstring& path);

    const std::wstring& getPlayListPath() const { return mPlayListPath; }
    void setPlayListPath(const std::wstring& path) { mPlayListPath = path; }

private:
    std::wstring mPlayListPath;
};
