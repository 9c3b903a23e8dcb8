#include "player/lyrics/SentenceRows.h"

#include <algorithm>

#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceGroup.h"
#include "player/lyrics/TimeText.h"

namespace {

constexpr int64_t kStepMs = 10;

}  // namespace

SentenceRows::SentenceRows(LyricsTable& table, LyricsTextEditor& editor) : mTable(table), mEditor(editor) {}

void SentenceRows::setStartCell(int row, uint32_t ms) {
    mTable.setItemText(toTimeText(ms), row, LyricsTable::kStartColumn);
}

void SentenceRows::setEndCell(int row, uint32_t ms) {
    const bool shown = ms != kUnsetTime && parseTimeText(getStartText(row)) < ms;
    mTable.setItemText(shown ? toTimeText(ms) : std::wstring(), row, LyricsTable::kEndColumn);
}

void SentenceRows::setSentence(int row, const std::wstring& text) {
    mTable.setItemText(text, row, LyricsTable::kSentenceColumn);
}

void SentenceRows::setTranslation(int row, const std::wstring& text) {
    mTable.setItemText(text, row, LyricsTable::kTranslationColumn);
}

void SentenceRows::setExplanation(int row, const std::wstring& text) {
    mTable.setItemText(text, row, LyricsTable::kExplanationColumn);
}

std::wstring SentenceRows::getSentence(int row) const {
    if (row < 0) row = mTable.getItemCount() - 1;
    return mTable.getItemTextW(row, LyricsTable::kSentenceColumn);
}

std::wstring SentenceRows::getTranslation(int row) const {
    return mTable.getItemTextW(row, LyricsTable::kTranslationColumn);
}

std::wstring SentenceRows::getExplanation(int row) const {
    return mTable.getItemTextW(row, LyricsTable::kExplanationColumn);
}

std::wstring SentenceRows::getStartText(int row) const { return mTable.getItemTextW(row, LyricsTable::kStartColumn); }

std::wstring SentenceRows::getEndText(int row) const { return mTable.getItemTextW(row, LyricsTable::kEndColumn); }

int SentenceRows::getSelectedRow() const { return mTable.getSelectedIndex(); }

std::vector<int> SentenceRows::getSelectedRows() const { return mTable.getSelectedIndices(); }

void SentenceRows::addSentence(uint32_t start, uint32_t end, const std::wstring& sentence,
                               const std::wstring& translation, const std::wstring& explanation) {
    const int row = mTable.getItemCount();
    mTable.insertItem(L"", row);
    setStartCell(row, start);
    setEndCell(row, end);
    setSentence(row, sentence);
    setTranslation(row, translation);
    setExplanation(row, explanation);
}

void SentenceRows::appendSentenceGroup(uint32_t start, uint32_t end, const std::wstring& sentence,
                                       const std::wstring& translation, const std::wstring& explanation) {
    addSentence(start, end, sentence, translation, explanation);
    mEditor.insertSentence(mEditor.getSentenceCount(), start, sentence);
}

void SentenceRows::setSentenceGroups(const std::vector<SentenceGroup>& groups) {
    mTable.deleteAllItems();
    mEditor.clearAll();
    std::wstring all;
    for (const SentenceGroup& group : groups) {
        addSentence(group.start, group.end, group.sentence, group.translation, group.explanation);
        mEditor.addSentenceData(group.start, static_cast<uint32_t>(all.size()));
        all += group.sentence;
    }
    mEditor.insertText(all);
    mEditor.select(0, 0);
}

void SentenceRows::deleteRow(int row) {
    if (row < 0 || row >= mTable.getItemCount()) return;
    mEditor.deleteSentence(row);
    mTable.removeItem(row);
}

void SentenceRows::showRow(int row) {
    if (mHost) {
        mHost->showSentence(row);
        return;
    }
    mEditor.selectSentence(row);
}

void SentenceRows::setStartTime(uint32_t ms) {
    const int row = getSelectedRow();
    if (row < 0) return;
    setStartCell(row, ms);
    mEditor.setStartTime(row, ms);
    showRow(row);
}

void SentenceRows::setEndTime(uint32_t ms) {
    const int row = getSelectedRow();
    if (row < 0) return;
    setEndCell(row, ms);
    showRow(row);
}

void SentenceRows::shiftStartTimes(int steps) {
    for (int row : getSelectedRows()) {
        const int64_t moved = static_cast<int64_t>(mEditor.getStartTime(row)) + steps * kStepMs;
        const uint32_t start = static_cast<uint32_t>(std::clamp<int64_t>(moved, 0, kUnsetTime - 1));
        setStartCell(row, start);
        mEditor.setStartTime(row, start);
    }
}

void SentenceRows::selectAdjacentRow(bool forward) {
    const int count = mTable.getItemCount();
    int target = getSelectedRow() + (forward ? 1 : -1);
    if (getSelectedRow() < 0) target = forward ? 0 : count - 1;
    if (target < 0) target = count - 1;
    if (target >= count) target = 0;
    if (target < 0 || target >= count) return;
    if (mHost) {
        mHost->selectRow(target);
        mHost->showSentence(target);
        return;
    }
    mTable.select(target);
    mTable.ensureVisible(target);
    mEditor.selectSentence(target);
}

void SentenceRows::applyTranslationField(const std::wstring& text) {
    const int row = getSelectedRow();
    if (row >= 0) setTranslation(row, text);
}

void SentenceRows::applyExplanationField(const std::wstring& text) {
    const int row = getSelectedRow();
    if (row >= 0) setExplanation(row, text);
}
