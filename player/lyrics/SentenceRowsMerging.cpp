// Row operations that rewrite sentences: merging, swapping sentence and translation, and
// rebuilding every row from a plain text.
#include <algorithm>

#include "foundation/text/SentenceBoundaries.h"
#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceRows.h"
#include "player/lyrics/TimeText.h"

void SentenceRows::mergeSentences(const std::vector<int>& selected) {
    std::vector<int> rows = selected;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const int count = mTable.getItemCount();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [count](int row) { return row < 0 || row >= count; }),
               rows.end());
    if (rows.empty()) return;
    std::wstring sentence;
    std::wstring translation;
    std::wstring explanation;
    for (size_t i = rows.size(); i-- > 0;) {
        const int row = rows[i];
        sentence = getSentence(row) + sentence;
        translation = getTranslation(row) + translation;
        explanation = getExplanation(row) + explanation;
        if (i != 0) deleteRow(row);
    }
    const int first = rows.front();
    mEditor.replaceSentence(first, sentence);
    setSentence(first, sentence);
    setTranslation(first, translation);
    setExplanation(first, explanation);
}

void SentenceRows::swapSentenceAndTranslation(const std::vector<int>& rows) {
    for (size_t i = rows.size(); i-- > 0;) {
        const int row = rows[i];
        if (row < 0 || row >= mTable.getItemCount()) continue;
        const std::wstring sentence = getSentence(row);
        const std::wstring translation = getTranslation(row);
        setSentence(row, translation);
        setTranslation(row, sentence);
        mEditor.replaceSentence(row, translation);
    }
}

void SentenceRows::setLyricsText(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::wstring all;
    int k = 0;
    int p = 0;
    // To the very end: a last sentence of one character is kept too.
    while (p < length) {
        const int e = NextPunctuation(text, p);
        if (e <= p) break;
        const int q = skipWhitespace(text.c_str(), length, e, false);
        const std::wstring piece = text.substr(static_cast<size_t>(p), static_cast<size_t>(q - p));
        if (k < mEditor.getSentenceCount()) {
            setSentence(k, piece);
            mEditor.setPosition(k, static_cast<uint32_t>(all.size()));
        } else {
            addSentence(0, kUnsetTime, piece, L"", L"");
            mEditor.addSentenceData(0, static_cast<uint32_t>(all.size()));
        }
        all += piece;
        ++k;
        p = q;
    }
    mEditor.insertText(all);
    while (mTable.getItemCount() > k) mTable.removeItem(mTable.getItemCount() - 1);
    while (mEditor.getSentenceCount() > k) mEditor.eraseSentenceData(mEditor.getSentenceCount() - 1);
}
