// "Save As PlayList...": the file table written as an .m3u play list in the system's
// ANSI code page.
#include "app/mainwindow/Corvanta.h"

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/system/FileDialogs.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/PathUtils.h"
#include "player/lyrics/PlayListReading.h"

namespace {

// The process-wide conversion code page set for a while and then given back as it was.
class ScopedConversionCodePage {
public:
    explicit ScopedConversionCodePage(UINT codePage) : mPrevious(getConversionCodePage()) {
        setConversionCodePage(codePage);
    }
    ~ScopedConversionCodePage() { setConversionCodePage(mPrevious); }
    ScopedConversionCodePage(const ScopedConversionCodePage&) = delete;
    ScopedConversionCodePage& operator=(const ScopedConversionCodePage&) = delete;

private:
    UINT mPrevious;
};

}  // namespace

void Corvanta::savePlayList() {
    if (mFileTable.getItemCount() == 0) return;
    const std::wstring& listed = mFileTable.getPlayListPath();
    const std::wstring proposed =
        removeExtension(listed.empty() ? mFileTable.getItemTextW(0, FileTable::kPathColumn) : listed);
    const std::wstring path = showSaveFileDialog(m_hWnd, L"Save as PlayList", L"PlayList (.m3u)|*.m3u;", proposed,
                                                 L"m3u");
    if (path.empty()) return;
    savePlayListTo(path);
}

bool Corvanta::savePlayListTo(const std::wstring& path) {
    // A play list is ANSI text for other programs, whatever the program converts with.
    ScopedConversionCodePage ansi(CP_ACP);
    const std::string text = writePlayListText(mFileTable, path);
    if (text.empty()) {
        showMessageA("Couldn't save PlayList.\r\nOne or more invalid characters is contained in the path.", m_hWnd);
        return false;
    }
    mFileTable.setPlayListPath(path);
    return writeTextFile(path, multiByteToWide(text.c_str(), CP_ACP), kEncodingAnsi);
}
