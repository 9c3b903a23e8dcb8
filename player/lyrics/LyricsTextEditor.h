// The sentence view: the running text of all sentences, one after another, with one
// SentenceData item per sentence-table row telling where its sentence begins in the text
// and when it starts. Its context menu swaps and pairs English and Japanese text and
// converts kana.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "texteditor/editor/TextEditor.h"

class PopupMenu;

class LyricsTextEditor : public TextEditor {
public:
    struct SentenceData {
        uint32_t startTime;
        uint32_t position;  // where the sentence begins in the editor's text
    };

    // Context-menu commands added to the editor's own.
    enum LyricsCommand {
        kSwapLines = 55,
        kSwapLinesBySentence = 56,
        kPairsToSentenceList = 57,
        kPairsToWordList = 58,
        kToKatakana = 3000,
        kToHiragana = 3001,
    };

    LyricsTextEditor();
    ~LyricsTextEditor() override;

    // Erases every item, then empties the editor.
    virtual void clearAll();
    void showContextMenu() override;
    // The editor's items, a separator and the conversions (greyed without a selection).
    void buildLyricsMenu(PopupMenu& menu);
    // Carries out a chosen id: a conversion, or the editor's own command.
    void runLyricsCommand(int id);

    void addSentenceData(uint32_t startTime, uint32_t position);
    // Nothing for a row that has no item.
    void setStartTime(int row, uint32_t ms);
    void setPosition(int row, uint32_t position);
    void eraseSentenceData(int row);
    // Unset for a row that has no item.
    uint32_t getStartTime(int row) const;
    // The text length for a row at or past the item count.
    uint32_t getPosition(int row) const;
    int getSentenceCount() const { return static_cast<int>(mSentences.size()); }
    const std::vector<SentenceData>& getSentenceData() const { return mSentences; }
    // The sentence's slice of the text: from its position to the next item's.
    std::wstring getSentenceText(int row) const;
    void selectSentence(int row);

    // Replaces the sentence's slice with the text (with undo) and moves the later items.
    void replaceSentence(int row, const std::wstring& text);
    // Removes the slice and the item; the later items move back.
    void deleteSentence(int row);
    // Puts a sentence and its item before the row; -1 or a row at or past the count appends.
    void insertSentence(int row, uint32_t startTime, const std::wstring& text);

private:
    bool hasItem(int row) const { return row >= 0 && row < getSentenceCount(); }
    void moveLaterItems(int row, int64_t distance);

    std::vector<SentenceData> mSentences;
};
