// The ID3 editor: a modal dialog over the main window in which the learner edits the
// title, sites, category and date of the lesson. It changes only the model; the fields
// reach the disk when the sentence list is saved.
#pragma once

#include "player/mp3/ID3TagModel.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/UpDownTextField.h"
#include "toolkit/window/Dialog.h"

class ID3EditorDialog : public Dialog {
public:
    // The model is not owned; it must outlive the dialog's run.
    explicit ID3EditorDialog(ID3TagModel* model);
    ~ID3EditorDialog() override;

    bool createContents() override;
    bool onOk() override;
    void onSize(WPARAM wParam, LPARAM lParam) override;

    TextEditor& getTitleField() { return mTitle; }
    TextEditor& getOfficialSiteField() { return mOfficialSite; }
    TextEditor& getSourceUrlField() { return mSourceUrl; }
    TextEditor& getCategoryField() { return mCategory; }
    UpDownTextField& getYearField() { return mYear; }
    UpDownTextField& getMonthField() { return mMonth; }
    UpDownTextField& getDayField() { return mDay; }

private:
    void createTextRow(TextEditor& field, const wchar_t* label, int& y);

    ID3TagModel* mModel;
    TextEditor mTitle;
    TextEditor mOfficialSite;
    TextEditor mSourceUrl;
    TextEditor mCategory;
    UpDownTextField mYear;
    UpDownTextField mMonth;
    UpDownTextField mDay;
};
