// The sentence table's right-click menu and the sentence editor it opens.
#include "player/lyrics/LyricsEditDialog.h"
#include "player/lyrics/SentenceTablePopup.h"
#include "app/mainwindow/Corvanta.h"

void Corvanta::showSentencePopup() {
    SentenceTablePopup::Actions actions;
    actions.editSentence = [this](int row, bool editMode) { editSentence(row, editMode); };
    actions.playSelectedSentence = [this] { playSelectedSentence(); };
    actions.timesChanged = [this] { setModified(true); };
    SentenceTablePopup popup(mRows, actions);
    popup.show(m_hWnd);
}

void Corvanta::editSentence(int row, bool editMode) {
    if (editMode && (row < 0 || row >= mLyricsTable.getItemCount())) return;
    LyricsEditDialog dialog;
    dialog.setEditMode(editMode);
    Element& properties = dialog.getElement();
    if (editMode) {
        properties.setAttribute(L"Sentence", mRows.getSentence(row));
        properties.setAttribute(L"Translation", mRows.getTranslation(row));
        properties.setAttribute(L"Explanation", mRows.getExplanation(row));
    }
    if (!showModalDialog(m_hWnd, dialog)) return;
    const std::wstring sentence = properties.getAttribute(L"Sentence");
    int edited = row;
    if (editMode) {
        mSentenceView.replaceSentence(row, sentence);
    } else {
        edited = mRows.insertSentenceRow(row, sentence);
    }
    mRows.setSentence(edited, sentence);
    mRows.setTranslation(edited, properties.getAttribute(L"Translation"));
    mRows.setExplanation(edited, properties.getAttribute(L"Explanation"));
    setModified(true);
}
