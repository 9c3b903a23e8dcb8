// Readings of kanji text from the Japanese input method's language object, turned into
// ruby mark-up. Lives on the caller's stack for one command: open, convert, destroy.
// Called from the UI thread, which has initialised COM.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/widgets/FELanguage.h"

// Told where the katakana form of mode 2 replaced a word, in the caller's larger text.
class WordReplacementListener {
public:
    virtual bool onWordReplaced(int position, int oldLength, int newLength) = 0;

protected:
    ~WordReplacementListener() = default;
};

class InputMethodEditor {
public:
    enum RubyMode { kHtmlRuby = 0, kAozoraRuby = 1, kKatakanaReading = 2 };

    InputMethodEditor() = default;
    InputMethodEditor(const InputMethodEditor&) = delete;
    InputMethodEditor& operator=(const InputMethodEditor&) = delete;
    virtual ~InputMethodEditor();

    // Creates and opens the language object of a program id ("MSIME.Japan") or of a
    // class id in braces. True at once when that one is already open.
    bool open(const std::wstring& programId);
    virtual void close();
    virtual bool onWordReplaced(int position, int oldLength, int newLength);

    // Every word of the text that holds kanji, followed by its reading in the form of
    // the mode. `offset` is where the text lies in a larger one (for the listener).
    // Empty while nothing is open; a failed conversion keeps the text and says why.
    std::wstring makeRubyText(const std::wstring& text, int mode, int offset);

    bool isOpen() const { return m_open; }
    DWORD conversionModeCaps() const { return m_caps; }
    void setReplacementListener(WordReplacementListener* listener) { m_listener = listener; }

private:
    std::wstring convertChunk(const std::wstring& text, int mode, int offset);
    void appendWord(std::wstring& out, const std::wstring& base, const std::wstring& reading, int mode,
                    int offset);

    CLSID m_classId = {};
    IFELanguage* m_language = nullptr;
    bool m_open = false;
    DWORD m_caps = 0;
    std::wstring m_programId;
    WordReplacementListener* m_listener = nullptr;
};
