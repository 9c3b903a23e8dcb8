// The publishing commands of the lesson manager's tree menu.
#include <windows.h>

#include "downloaders/voa/LessonListings.h"
#include "downloaders/voa/VoaManagerDialog.h"
#include "foundation/encoding/TextFile.h"

namespace {

// Where "CreateHTML" gathers the lesson files to upload, below the current folder.
const wchar_t kOutputFolder[] = L"voa_upload\\";
// The fixed head of the page of lessons by day.
const wchar_t kPageHeadFile[] = L"voa_temp.txt";

}  // namespace

void VoaManagerDialog::createCategoryHtml() {
    const Element* root = mTree.getParser().getRootElement();
    if (!root) return;
    ::CreateDirectoryW(kOutputFolder, nullptr);
    mTextArea.setText(createCategoryListing(*root, kOutputFolder));
}

void VoaManagerDialog::createOrderedHtml() {
    const Element* root = mTree.getParser().getRootElement();
    if (!root) return;
    ::CreateDirectoryW(kOutputFolder, nullptr);
    std::wstring head;
    if (readTextFile(kPageHeadFile, head, kEncodingUndefined) == -1) head.clear();
    mTextArea.setText(createOrderedListing(*root, head));
}
