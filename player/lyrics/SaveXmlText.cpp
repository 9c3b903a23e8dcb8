#include "player/lyrics/SaveXmlText.h"

#include <algorithm>
#include <vector>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathUtils.h"

namespace {

bool showCommonSaveDialog(OPENFILENAMEW& record) { return ::GetSaveFileNameW(&record) != FALSE; }

XmlSaveChooser chooser = showCommonSaveDialog;

// The filter's pieces are separated by NULs and end with two.
const wchar_t kFilter[] = L"XML files {*.xml}\0*.xml\0All files {*.*}\0*.*\0";

}  // namespace

void setXmlSaveChooser(XmlSaveChooser value) { chooser = value ? value : showCommonSaveDialog; }

bool saveXmlTextAs(HWND owner, const std::wstring& text, const std::wstring& defaultName) {
    std::vector<wchar_t> file(MAX_PATH + 1, L'\0');
    const std::wstring initial = removeExtension(defaultName);
    std::copy_n(initial.begin(), std::min<size_t>(initial.size(), MAX_PATH), file.begin());
    OPENFILENAMEW record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.lpstrFilter = kFilter;
    record.lpstrFile = file.data();
    record.nMaxFile = MAX_PATH;
    record.lpstrDefExt = L"xml";
    // A file that must exist could never be saved under a new name: only the overwrite
    // question and the unchanged current folder are asked for.
    record.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!chooser(record)) return false;
    return writeTextFile(file.data(), text, kEncodingUtf16Le);
}
