#include "player/lyrics/LyricsTextEditor.h"

#include <algorithm>

#include "player/lyrics/TimeText.h"

LyricsTextEditor::LyricsTextEditor() {
    // The items count positions in the text as loaded: line ends must not be rewritten.
    setRawText(true);
}

LyricsTextEditor::~LyricsTextEditor() = default;

void LyricsTextEditor::clearAll() {
    mSentences.clear();
    clear();
}

void LyricsTextEditor::addSentenceData(uint32_t startTime, uint32_t position) {
    mSentences.push_back(SentenceData{startTime, position});
}

void LyricsTextEditor::setStartTime(int row, uint32_t ms) {
    if (hasItem(row)) mSentences[static_cast<size_t>(row)].startTime = ms;
}

void LyricsTextEditor::setPosition(int row, uint32_t position) {
    if (hasItem(row)) mSentences[static_cast<size_t>(row)].position = position;
}

void LyricsTextEditor::eraseSentenceData(int row) {
    if (hasItem(row)) mSentences.erase(mSentences.begin() + row);
}

uint32_t LyricsTextEditor::getStartTime(int row) const {
    return hasItem(row) ? mSentences[static_cast<size_t>(row)].startTime : kUnsetTime;
}

uint32_t LyricsTextEditor::getPosition(int row) const {
    const uint32_t length = getTextLength();
    if (row < 0 || row >= getSentenceCount()) return length;
    return std::min(mSentences[static_cast<size_t>(row)].position, length);
}

std::wstring LyricsTextEditor::getSentenceText(int row) const {
    if (!hasItem(row)) return std::wstring();
    const uint32_t start = getPosition(row);
    const uint32_t end = std::max(start, getPosition(row + 1));
    return getDocumentText().substr(start, end - start);
}

void LyricsTextEditor::selectSentence(int row) {
    if (!hasItem(row)) return;
    select(getPosition(row), std::max(getPosition(row), getPosition(row + 1)));
}

void LyricsTextEditor::moveLaterItems(int row, int64_t distance) {
    for (size_t i = static_cast<size_t>(row) + 1; i < mSentences.size(); ++i) {
        mSentences[i].position = static_cast<uint32_t>(std::max<int64_t>(0, mSentences[i].position + distance));
    }
}

void LyricsTextEditor::replaceSentence(int row, const std::wstring& text) {
    if (!hasItem(row)) return;
    const uint32_t start = getPosition(row);
    const uint32_t end = std::max(start, getPosition(row + 1));
    replaceRange(text, TextRange(static_cast<int>(start), static_cast<int>(end)), true);
    moveLaterItems(row, static_cast<int64_t>(text.size()) - static_cast<int64_t>(end - start));
}

void LyricsTextEditor::deleteSentence(int row) {
    if (!hasItem(row)) return;
    const uint32_t start = getPosition(row);
    const uint32_t end = std::max(start, getPosition(row + 1));
    replaceRange(std::wstring(), TextRange(static_cast<int>(start), static_cast<int>(end)), true);
    moveLaterItems(row, -static_cast<int64_t>(end - start));
    mSentences.erase(mSentences.begin() + row);
}

void LyricsTextEditor::insertSentence(int row, uint32_t startTime, const std::wstring& text) {
    // Row -1 (no row chosen) appends, as a row at or past the count does.
    if (row < 0 || row > getSentenceCount()) row = getSentenceCount();
    const uint32_t at = getPosition(row);
    replaceRange(text, TextRange(static_cast<int>(at), static_cast<int>(at)), true);
    mSentences.insert(mSentences.begin() + row, SentenceData{startTime, at});
    moveLaterItems(row, static_cast<int64_t>(text.size()));
}
