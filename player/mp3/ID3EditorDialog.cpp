#include "player/mp3/ID3EditorDialog.h"

namespace {

constexpr int kLeft = 8;
constexpr int kTop = 8;
constexpr int kLabelWidth = 120;
constexpr int kRowHeight = 18;
// The one-line editor draws its own border, inside which descenders need a little more
// than a label's height.
constexpr int kTextFieldHeight = 22;
constexpr int kRowGap = 2;
constexpr int kFieldWidth = 120;
// Room kept right of the widened fields.
constexpr int kRightMargin = 12;
constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 360;

}  // namespace

ID3EditorDialog::ID3EditorDialog(ID3TagModel* model) : mModel(model) {}

ID3EditorDialog::~ID3EditorDialog() = default;

void ID3EditorDialog::createTextRow(TextEditor& field, const wchar_t* label, int& y) {
    createLabel(m_hWnd, label, kLeft, y, kLabelWidth, kRowHeight);
    y += kRowHeight;
    field.create(m_hWnd, kLeft, y, kFieldWidth, kTextFieldHeight);
    field.setSingleLine();
    // Reached with Tab; the field draws its own border.
    field.setStyle(field.getStyleBits() | WS_TABSTOP);
    y += kTextFieldHeight + kRowGap;
}

bool ID3EditorDialog::createContents() {
    setTitle(L"ID3 Editor");
    int y = kTop;
    createTextRow(mTitle, L"Title:", y);
    createTextRow(mOfficialSite, L"Official Site:", y);
    createTextRow(mSourceUrl, L"Source File Url:", y);
    createTextRow(mCategory, L"Category:", y);

    createLabel(m_hWnd, L"Year/Month/Day:", kLeft, y, kLabelWidth, kRowHeight);
    y += kRowHeight;
    // The three date fields stand side by side, each fitted to its range's digits.
    int x = kLeft;
    struct DateField {
        UpDownTextField* field;
        int width;
        int minimum;
        int maximum;
    };
    for (const DateField& date : {DateField{&mYear, 42, 0, 9999}, DateField{&mMonth, 32, 1, 12},
                                  DateField{&mDay, 32, 1, 31}}) {
        date.field->create(m_hWnd, x, y, date.width, kRowHeight);
        date.field->setRange(date.minimum, date.maximum);
        date.field->adjustSize();
        x += date.field->getWidth();
    }

    if (mModel != nullptr) {
        mYear.setValue(mModel->getYear());
        mMonth.setValue(mModel->getMonth());
        mDay.setValue(mModel->getDay());
        mTitle.setText(mModel->getTitle());
        mCategory.setText(mModel->getCategory());
        mSourceUrl.setText(mModel->getSourceUrl());
        mOfficialSite.setText(mModel->getOfficialSite());
    }
    centreOnDesktop(kDialogWidth, kDialogHeight);
    createButtons(kOkId | kCancelId);
    return true;
}

bool ID3EditorDialog::onOk() {
    if (mModel == nullptr) return true;
    mModel->setTitle(mTitle.getTextCopy());
    mModel->setCategory(mCategory.getTextCopy());
    mModel->setOfficialSite(mOfficialSite.getTextCopy());
    mModel->setSourceUrl(mSourceUrl.getTextCopy());
    mModel->setYear(mYear.getValue());
    mModel->setMonth(mMonth.getValue());
    mModel->setDay(mDay.getValue());
    return true;
}

void ID3EditorDialog::onSize(WPARAM, LPARAM lParam) {
    if (!mOfficialSite.m_hWnd) return;
    const int width = static_cast<int>(LOWORD(lParam)) - mOfficialSite.getX() - kRightMargin;
    if (width <= 0) return;
    const int height = mOfficialSite.getHeight();
    mTitle.setSize(width, height);
    mOfficialSite.setSize(width, height);
    mSourceUrl.setSize(width, height);
}
