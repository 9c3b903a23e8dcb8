// The download pass of AbstractDownloader, on the worker thread.
#include "downloaders/table/AbstractDownloader.h"
#include "downloaders/table/SentenceGroupElements.h"
#include "foundation/xml/Element.h"

unsigned int AbstractDownloader::run() {
    const unsigned pass = mPassNumber;  // set before the thread started
    bool completed = false;
    // Nothing may unwind out of the thread: a fault in a row fails that row and ends the pass.
    try {
        downloadRows();
        completed = !isStopped();
    } catch (...) {
        completed = false;
    }
    mUi.post(kPassEndedMessage, completed ? 1 : 0, static_cast<LPARAM>(pass));
    return 0;
}

void AbstractDownloader::downloadRows() {
    Element* root = mSentenceList.getRootElement();
    if (!root) return;
    // Each pass builds its list anew.
    root->deleteChildren();
    int rowCount = 0;
    onUiThread([&] { rowCount = mTable.getItemCount(); });
    for (int row = 0; row < rowCount; ++row) {
        if (isStopped()) return;
        if (isRowDone(row)) continue;
        Element* group = nullptr;
        try {
            group = createSentenceGroup(row);
        } catch (...) {
            setCellText(row, kStatusColumn, L"Failed");
            throw;
        }
        if (group) {
            fillRow(row, *group);
            keepGroup(group);
        } else {
            setCellText(row, kStatusColumn, L"Failed");
        }
        onUiThread([&] {
            mTable.repaint();
            mTable.ensureVisible(row);
        });
        ::Sleep(1);
    }
}

void AbstractDownloader::fillRow(int row, Element& group) {
    const std::wstring voice = group.getAttribute(L"voice");
    bool found = false;
    const std::wstring sentence = childText(group, L"sentence", found);
    const bool hasSentence = found;
    const std::wstring translation = childText(group, L"translation", found);
    const bool hasTranslation = found;
    const std::wstring explanation = childText(group, L"explanation", found);
    const bool hasExplanation = found;
    onUiThread([&] {
        mTable.setItemText(voice, row, kVoiceColumn);
        if (hasSentence) mTable.setItemText(sentence, row, kSentenceColumn);
        if (hasTranslation) mTable.setItemText(translation, row, kTranslationColumn);
        if (hasExplanation) mTable.setItemText(explanation, row, kExplanationColumn);
        mTable.setItemText(L"OK", row, kStatusColumn);
    });
}
