// The sentence groups of the open file, kept in two places in step: the rows of the
// sentence table and the sentence view's text with one item per row. Every operation
// here keeps the item count equal to the row count, positions ascending, and each item's
// start time equal to its row's Start cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SentenceGroup;
class LyricsTable;
class LyricsTextEditor;

class SentenceRows {
public:
    // The owning window shows the row it is told about (selection, translation and
    // explanation fields); without one the table and the view select it themselves.
    class Host {
    public:
        virtual ~Host() = default;
        virtual void selectRow(int row) = 0;
        virtual void showSentence(int row) = 0;
    };

    SentenceRows(LyricsTable& table, LyricsTextEditor& editor);
    void setHost(Host* host) { mHost = host; }

    // Cells.
    void setStartCell(int row, uint32_t ms);
    // The end time shows only when it is set and after the row's start; else the cell is empty.
    void setEndCell(int row, uint32_t ms);
    void setSentence(int row, const std::wstring& text);
    void setTranslation(int row, const std::wstring& text);
    void setExplanation(int row, const std::wstring& text);
    // Row -1 is the last row.
    std::wstring getSentence(int row) const;
    std::wstring getTranslation(int row) const;
    std::wstring getExplanation(int row) const;
    std::wstring getStartText(int row) const;
    std::wstring getEndText(int row) const;

    int getSelectedRow() const;
    std::vector<int> getSelectedRows() const;

    // Appends a row (the caller adds the matching item to the view).
    void addSentence(uint32_t start, uint32_t end, const std::wstring& sentence, const std::wstring& translation,
                     const std::wstring& explanation);
    // Appends a row and its sentence at the end of the view's text.
    void appendSentenceGroup(uint32_t start, uint32_t end, const std::wstring& sentence,
                             const std::wstring& translation, const std::wstring& explanation);
    // Replaces every row and the view's text with the groups; the text is loaded at once.
    void setSentenceGroups(const std::vector<SentenceGroup>& groups);
    void deleteRow(int row);
    // A new row before the row (-1 or at or past the count: at the end) whose sentence goes
    // into the view at the same place; it starts at 0 with no end. Answers its index.
    int insertSentenceRow(int row, const std::wstring& sentence);
    // The selected row's start, then the row is shown; nothing without a selection.
    void setStartTime(uint32_t ms);
    void setEndTime(uint32_t ms);
    // Moves the start of every selected row by steps of 10 ms, never below 0 and never
    // up to the unset value.
    void shiftStartTimes(int steps);
    // The next (or previous) row, wrapping at either end.
    void selectAdjacentRow(bool forward);
    void applyTranslationField(const std::wstring& text);
    void applyExplanationField(const std::wstring& text);
    // The rows' texts joined into the first row; the others go.
    void mergeSentences(const std::vector<int>& rows);
    void swapSentenceAndTranslation(const std::vector<int>& rows);
    // The rows rebuilt from a plain text cut at sentence ends: existing rows keep their
    // times, new ones start at 0, surplus rows go.
    void setLyricsText(const std::wstring& text);

    // Shows the row: selected in the table, its sentence selected in the view.
    void showRow(int row);

private:
    LyricsTable& mTable;
    LyricsTextEditor& mEditor;
    Host* mHost = nullptr;
};
