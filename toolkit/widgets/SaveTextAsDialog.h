// The save chooser for texts: adds an "&Encoding:" row with the first seven encodings
// under the file-type row. The encoding index preselects an entry before showing and
// holds the choice afterwards (also after Cancel).
#pragma once

#include "foundation/encoding/EncodingId.h"
#include "toolkit/widgets/SaveAsDialog.h"

class SaveTextAsDialog : public SaveAsDialog {
public:
    bool onInitDialog() override;
    void onDestroy() override;

    int getEncodingIndex() const { return mEncodingIndex; }
    void setEncodingIndex(int index) { mEncodingIndex = index; }
    HWND getEncodingList() const { return mList; }

private:
    HWND mLabel = nullptr;
    HWND mList = nullptr;
    int mEncodingIndex = 0;
};
