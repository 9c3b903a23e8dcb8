// How other code steps through an editor's text sentence by sentence.
#pragma once

#include <cstdint>
#include <string>

class ITTSTextEditor {
public:
    virtual ~ITTSTextEditor() = default;
    virtual void setCaretPosition(uint32_t offset) = 0;
    virtual uint32_t getCaretPosition() const = 0;
    virtual const std::wstring& getDocumentText() const = 0;
    virtual std::wstring getSelectedText() const = 0;
    virtual bool selectSentenceAtCursor() { return false; }
    virtual bool selectSentenceFrom(uint32_t offset) { return false; }
    // The sentence after the selection, or with reverse the one before it.
    virtual bool selectNextSentence(bool reverse) { return false; }
    virtual bool selectPreviousSentence() { return false; }
    virtual void scrollToCaret() {}
    // The text a Backspace is about to delete when nothing was selected.
    virtual void onBackspaceDelete(const std::wstring& text) {}
};
