// The program's own text editing window. It keeps its text in a TextDocument with an
// undo history, lays the text out in wrapped rows, draws it itself, and answers the
// standard edit-control messages, so that other code drives it like an EDIT control.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "texteditor/document/TextDocument.h"
#include "texteditor/document/TextRange.h"
#include "texteditor/document/WrapLayout.h"
#include "texteditor/editor/ITTSTextEditor.h"
#include "texteditor/editor/TextEditorListener.h"
#include "texteditor/editor/TextScrollBar.h"
#include "texteditor/history/HistoryManager.h"
#include "toolkit/dnd/DropTarget.h"
#include "toolkit/window/BaseWindow.h"

class PopupMenu;
class Image;
class Element;

// Anchor and caret of the selection, with where the caret was last put on screen.
struct SelectionState {
    uint32_t anchor = 0;
    uint32_t anchorLine = 0;
    uint32_t anchorColumn = 0;
    uint32_t caret = 0;
    uint32_t caretLine = 0;
    uint32_t caretColumn = 0;
    int caretX = 0;
    int caretY = 0;
    int preferredX = 0;  // the x that vertical moves aim at

    void rememberCaretX() { preferredX = caretX; }
};

// Padding of the four sides, in pixels or in percent of the window size.
struct Padding {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class TextEditor : public BaseWindow,
                   public DropTarget,
                   public ITTSTextEditor,
                   private EditReplayer,
                   private CharMeasure {
public:
    using HistoryManager = ::HistoryManager;
    using EditEvent = ::EditEvent;

    // Command ids of the context menu and of the editor's further commands.
    enum Command {
        kUndo = 100,
        kRedo = 101,
        kCopy = 1000,
        kPaste = 1001,
        kCut = 1002,
        kSelectAll = 1003,
        kDelete = 1005,
        kClearModified = 1006,
        kSave = 1007,
        kSaveSelection = 1008,
        kStraightenQuotes = 1009,
        kFontLarger = 1010,
        kFontSmaller = 1011,
    };
    static constexpr int kColorCount = 8;

    TextEditor();
    ~TextEditor() override;

    // Window life.
    void destroy() override;
    bool createWithDefaultBounds(HWND parent) override;
    bool create(HWND parent, int x, int y, int width, int height) override;
    bool onCreate() override;
    LRESULT onSize(WPARAM sizeType, LPARAM size) override;
    bool onTimer(WPARAM id, LPARAM lParam) override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    using BaseWindow::onCommand;
    // Files dropped through OLE or WM_DROPFILES: one image becomes the background, one
    // other file is opened. Read-only and single-line editors take no files.
    bool onDropFiles(const std::vector<std::wstring>& paths) override;
    bool onDropFiles(HDROP drop) override { return BaseWindow::onDropFiles(drop); }
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The standard items of the context menu, in menu order (id 0: a separator).
    struct MenuItem {
        std::wstring text;
        int id;
        bool enabled;
    };
    std::vector<MenuItem> getContextMenuItems() const;

    // The editor's own operations that subclasses refine.
    // Adds the standard items; a subclass may add or replace items.
    virtual void createContextMenu(PopupMenu& menu);
    // Builds the menu, lets the listener add to it, tracks it at the cursor and carries
    // out the chosen command unless the listener does.
    virtual void showContextMenu();
    virtual void setStyle(int style);
    void scrollToCaret() override;
    bool selectSentenceFrom(uint32_t offset) override;
    // Selects the sentence after the selection (with reverse: the one before its start);
    // false, with the selection kept, when there is none in that direction.
    bool selectNextSentence(bool reverse = false) override;
    bool selectPreviousSentence() override;
    bool selectSentenceAtCursor() override;
    virtual LRESULT onMouseWheel(int delta);
    virtual void deleteAll();
    virtual void setCaretFromPoint(int x, int y);
    void setCaretPosition(uint32_t offset) override;
    uint32_t getCaretPosition() const override { return selection.caret; }
    const std::wstring& getDocumentText() const override { return document->getText(); }
    std::wstring getSelectedText() const override;
    virtual void updateCaret();
    virtual bool onKeyDown(WPARAM key, LPARAM flags);
    virtual bool onChar(WPARAM character, LPARAM flags);
    virtual LRESULT onKillFocus();
    virtual LRESULT onSetFocus();
    virtual LRESULT onPaint();
    virtual LRESULT onImeComposition(WPARAM wParam, LPARAM lParam);
    virtual LRESULT onImeStartComposition(WPARAM wParam, LPARAM lParam);
    // IMR_RECONVERTSTRING: hands the selection (or the caret's line) to the input method.
    LRESULT onImeRequest(WPARAM request, LPARAM lParam);
    virtual LRESULT onRButtonDown(int x, int y);
    virtual LRESULT onRButtonUp(int x, int y);
    LRESULT onVScroll(int code);
    LRESULT onHScroll(int code);

    // Set-up.
    bool clear();
    void setLogFont(LOGFONTW font);
    // Takes ownership of the font (it is deleted when replaced or at destruction).
    void setFont(HFONT font);
    // A copy of the font the editor can own.
    static HFONT copyFont(HFONT font);
    void setReadOnly(bool readOnly);
    void setSingleLine();
    void setListener(TextEditorListener* value) { listener = value; }
    TextEditorListener* getListener() const { return listener; }
    int getStyleBits() const { return style; }
    bool isReadOnly() const { return readOnly; }
    bool isMultiLine() const { return multiLine; }
    bool isModified() const { return modified != 0; }
    bool isBorderVisible() const { return showBorder; }
    bool isClearMarkVisible() const { return showClearMark; }
    bool isEndOfLineVisible() const { return showEndOfLine; }
    void setModified(bool value);
    // Text given to insertText keeps its line ends as they are.
    void setRawText(bool value) { rawText = value; }
    bool isRawText() const { return rawText; }
    // Marks every line break while painting, not only the breaks unlike the document's own.
    void setShowEndOfLine(bool value);
    // Stretches wrapped rows with blanks to the text area's width; lays the text out again.
    void setJustified(bool value);
    bool isJustified() const { return justify; }

    // Reading.
    uint32_t getTextLength() const { return document->getLength(); }
    std::wstring getTextCopy() const override { return document->getText(); }
    TextRange getSelection() const;
    const SelectionState& getSelectionState() const { return selection; }
    // WM_GETTEXT: at most size - 1 characters and a terminator; the count copied.
    uint32_t copyText(wchar_t* buffer, uint32_t size) const;
    std::wstring getLineText(uint32_t line) const { return document->getLineText(line, true); }
    std::wstring getNewLineString() const { return document->getNewLineString(); }
    ITextDocument& getDocument() { return *document; }
    const ITextDocument& getDocument() const { return *document; }
    HistoryManager& getHistory() { return *history; }
    uint32_t getWrappedRow(uint32_t line, uint32_t column) const { return document->getWrappedRow(line, column); }
    TextScrollBar& getScrollBar() { return scrollBar; }

    // Selecting.
    int setSelection(uint32_t anchor, uint32_t caret);
    void select(uint32_t start, uint32_t end);
    void selectRange(TextRange range) { select(static_cast<uint32_t>(range.start), static_cast<uint32_t>(range.end)); }
    void ensureCaretVisible();

    // Editing: every change of the text goes through replaceRange.
    bool replaceRange(const std::wstring& text, TextRange range, bool record);
    bool replaceSelection(const std::wstring& text, bool record = true);
    bool replaceSelection(const wchar_t* text, bool record = true);
    void insertTextAt(uint32_t offset, const std::wstring& text);
    // Replaces the whole text with one undo step and leaves the caret after it; line
    // ends become CR LF first unless the raw-text option is set.
    void insertText(const std::wstring& text);
    void appendText(const std::wstring& text);
    void setText(const wchar_t* text) override;
    void setText(const std::wstring& text) override;
    bool undo();
    bool redo();

    // Clipboard: copy answers 0 done, 1 empty selection, -1/-2/-4 clipboard failures.
    int copy();
    int cut();
    void paste();
    void deleteSelection();

    // Edit-control answers.
    LRESULT getSelectionRange(DWORD* start, DWORD* end) const;
    LRESULT charFromPos(int x, int y);
    LRESULT posFromChar(uint32_t offset);
    LRESULT setCharFormat(const CHARFORMATW& format);
    static std::wstring getString(const std::wstring& id);
    // The character under a client point; MAKELONG(caret x, row top) of the hit.
    uint32_t pointToPosition(int x, int y, uint32_t* line, uint32_t* column, uint32_t* offset);

    // Layout and measuring.
    bool wrapLines(uint32_t firstLine, uint32_t lastLine);
    float getBlankWidth(uint32_t line, uint32_t row);
    uint32_t getCharWidth(wchar_t c);
    void updateLayout();
    void updateLineNumberWidth();
    int getLineHeight() const { return fontHeight + lineGap; }
    int getFirstVisibleRow() const { return scrollBar.verticalPosition; }
    int getVisibleRows() const;
    int getTextLeft() const;
    int getTextAreaWidth() const;
    bool scroll(int dx, int dy, bool smooth);
    void updateScrollBars();

    // Files and settings.
    bool openFile(const std::wstring& path);
    bool save();
    bool saveWithDialog();
    bool saveAs(const std::wstring& path);
    bool saveTextAs(const std::wstring& text);
    std::wstring chooseSaveFile(const std::wstring& initialPath);
    static bool isAbleToEncode(const std::wstring& text, int encoding);
    std::wstring getFileName() const { return document->getFileName(); }
    bool isUntitled() const { return document->getFileName() == L"Untitled.txt"; }
    static COLORREF parseColor(const std::wstring& text);

    // Theme and padding.
    // Reads "padding", "backgroundImage", the palette colours and "backgroundOpacity"
    // from a theme element; nothing for a null element.
    void applyTheme(const Element* theme);
    // An image path (".bmp", ".png", ".gif", ".jpg", ".jpeg") becomes the background;
    // an empty path removes it; false keeps the current image.
    bool setBackgroundImage(const std::wstring& path);
    bool hasBackgroundImage() const;
    // ExtTextOutW options for runs on the editor's background: no fill while a background
    // image is loaded, so that it shows between the characters; opaque otherwise.
    UINT getTextOutOptions() const;
    void updatePadding();
    void setPadding(int top, int right, int bottom, int left, bool asPixels);
    void setPaddingTop(int value, bool asPixels);
    void setPaddingRight(int value, bool asPixels);
    void setPaddingBottom(int value, bool asPixels);
    void setPaddingLeft(int value, bool asPixels);
    const Padding& getPadding() const { return padding; }
    const Padding& getPaddingPercent() const { return paddingPercent; }
    COLORREF getColor(int index) const;
    void setColor(int index, COLORREF color);
    static std::wstring getColorName(int index);
    int getBackgroundOpacity() const { return backgroundOpacity; }

    // The save-file question, replaceable so that tests answer it without a dialog:
    // returns the chosen path (empty for Cancel) and may change the encoding.
    using SaveFileChooser = std::wstring (*)(TextEditor& editor, const std::wstring& initialPath, int& encoding);
    static void setSaveFileChooser(SaveFileChooser chooser);

    // Straight quotes for the typographic ones; every other character stays.
    static std::wstring straightenQuotes(const std::wstring& text);

protected:
    enum MouseMode { kIdle = 0, kDragSelecting = 2, kRightPressMarked = 4 };

    LRESULT editMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void notifyParent(int code);
    void paintRows(HDC memory, const RECT& client);
    // The caret's client position for a line and column.
    POINT pixelOf(uint32_t line, uint32_t column);
    void releaseFont();
    void createCaret();
    void stopTimer();
    void repaintAll() { repaint(nullptr, false); }
    void updateDropAcceptance();
    bool acceptsDroppedFiles() const { return !readOnly && multiLine; }
    void showLossWarning(bool wide);
    void changeFontSize(bool larger);

    // EditReplayer: undo and redo replace without recording.
    void replayReplace(const std::wstring& text, TextRange range) override;
    // CharMeasure for the wrap layout.
    uint32_t charWidth(wchar_t c) override { return getCharWidth(c); }

    std::unique_ptr<ITextDocument> document;
    std::unique_ptr<HistoryManager> history;
    TextEditorListener* listener = nullptr;
    SelectionState selection;
    TextScrollBar scrollBar;
    HCURSOR arrowCursor = nullptr;
    HCURSOR handCursor = nullptr;
    EDITWORDBREAKPROCW wordBreakProc = nullptr;
    uint32_t textLimit = 0xFFFFFFFFu;

    // Drawing state: the editor's own DC with its font, from the first WM_SETFONT.
    HDC dc = nullptr;
    HFONT font = nullptr;
    std::vector<uint32_t> charWidthCache;  // empty until first needed
    int tabWidth = 0;
    int averageCharWidth = 8;
    int fontHeight = 8;
    int fontDescent = 0;
    int tabSize = 4;
    int lineGap = 4;
    int lineNumberWidth = 0;
    COLORREF palette[kColorCount];

    int style = 0;
    bool showLineNumbers = false;
    bool showEndOfLine = true;
    bool showFullWidthSpaces = false;
    bool showBorder = false;
    bool showClearMark = false;  // the cross that empties the text
    bool wrapAtWindow = true;
    bool justify = true;
    bool readOnly = false;
    bool hideSelection = false;
    bool multiLine = true;
    bool bookmarksEnabled = true;
    bool rawText = false;
    unsigned char modified = 2;  // 2: undecided, so that the next setModified notifies

    Padding paddingPercent;
    Padding padding{2, 2, 0, 0};
    std::unique_ptr<Image> backgroundImage;
    int backgroundOpacity = 100;
    int mouseMode = 0;
    int timerId = 0;
};
