// The program's own text editing window. It keeps its text in a TextDocument with an
// undo history, lays the text out in wrapped rows, draws it itself, and answers the
// standard edit-control messages, so that other code drives it like an EDIT control.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "texteditor/bookmarks/BookmarkManager.h"
#include "texteditor/document/TextDocument.h"
#include "texteditor/document/TextRange.h"
#include "texteditor/document/WrapLayout.h"
#include "texteditor/editor/CellColors.h"
#include "texteditor/editor/FindInfo.h"
#include "texteditor/editor/SyntaxStyle.h"
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
    static constexpr int kBookmarkMarginWidth = 12;

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

    // Keyboard: Ctrl+/ puts "//" before the selected lines or takes it away.
    void toggleLineComment();

    // Text drag and drop: the editor is a drop target for text and a drag source for its
    // selection. Coordinates are screen coordinates.
    void onDragEnter() override;
    void onDragLeave() override;
    void onDragOver(DWORD keyState, int x, int y, DWORD* effect) override;
    HRESULT onDrop(int x, int y, IDataObject* data, DWORD* effect) override;
    // Drags the selection out (the left press at `offset` lay inside it); a drop back
    // into this editor moves the text, or copies it with Ctrl.
    void dragSelection(uint32_t offset);
    // The dropped text as CF_UNICODETEXT, or as CF_TEXT; false when not offered.
    static bool getDroppedText(IDataObject* data, std::wstring& text);
    static bool getDroppedTextA(IDataObject* data, std::string& text);
    // Runs the modal drag loop (DoDragDrop by default); tests drive drops through it.
    using DragRunner = DWORD (*)(TextEditor& source, IDataObject* data, IDropSource* dropSource);
    static void setDragRunner(DragRunner runner);

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
    // The width of a blank on a row: the plain blank, or on a justified row that is not
    // its line's last the share of the room its blanks fill.
    float getJustifiedSpaceWidth(uint32_t line, uint32_t row);
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

    // Caret, pointer, selection and scrolling.
    // Row geometry shared by the caret, the hit test and painting: column 0 of a row
    // starts at getTextOriginX(); tab stops are measured from there, so they travel
    // with the text when it is scrolled sideways.
    int getHScroll() const { return wrapAtWindow && multiLine ? 0 : scrollBar.horizontalPosition; }
    int getTextOriginX() const { return getTextLeft() - getHScroll(); }
    // The width of a TAB that begins fromOrigin pixels right of the row's origin.
    int getTabAdvance(float fromOrigin);
    // The width of a character at fromOrigin on a row whose blanks are blankWidth wide.
    float getAdvance(wchar_t c, float fromOrigin, float blankWidth);
    // The offsets [start, end) of a screen row counted over the whole document.
    TextRange getRowRange(uint32_t row) const;
    RECT getTextRect() const;
    RECT getAutoScrollRect() const;
    RECT getClearMarkRect() const;
    bool isInLineNumberMargin(int x, int y) const;
    bool isInBookmarkMargin(int x, int y) const;
    bool isOnClearMark(int x, int y) const;
    // The caret keys (VK_PRIOR ... VK_DOWN), with Shift and Ctrl as they are held now.
    void moveCaret(int virtualKey);
    // From the start of the lower line to the end of the higher one, with or without
    // the line break that ends it.
    void selectLines(uint32_t lineA, uint32_t lineB, bool withBreak);
    void selectLine(uint32_t line) { selectLines(line, line, true); }
    void collapseToAnchor();
    void collapseToCaret();
    virtual LRESULT onLButtonDown(int x, int y);
    virtual LRESULT onLButtonUp(int x, int y);
    virtual LRESULT onMouseMove(int x, int y);
    virtual LRESULT onLButtonDblClk(int x, int y);
    void setSmoothScrolling(bool value) { smoothScrolling = value; }
    int getPixelOffset() const { return pixelOffset; }
    int getMouseMode() const { return mouseMode; }
    int getTimerId() const { return timerId; }

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

    // Bookmarks: a line below 0 stands for the caret's line. The bookmark margin shows
    // while the file has bookmarks.
    void toggleBookmark(int line, bool repaint);
    BookmarkManager& getBookmarks() { return bookmarks; }
    bool isBookmarkMarginShown() const { return bookmarks.hasBookmarks(); }
    void setBookmarksEnabled(bool value) { bookmarksEnabled = value; }

    // Searching with a regular expression from the FindInfo's selection. find selects the
    // next match (the one after the selection when the selection is itself a match);
    // replace replaces the selection when it is a match and selects the next one;
    // replaceAll replaces every match as one undo step.
    bool find(const FindInfo& info);
    bool replace(const FindInfo& info, const std::wstring& replacement);
    bool replaceAll(const FindInfo& info, const std::wstring& replacement);

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

    // Painting and character colours.
    // Draws the area of the editor into a memory DC, as WM_PAINT does before its copy.
    void renderTo(HDC memory, const RECT& area);
    // The colours of every character of a line (break included): syntax styles, then the
    // find highlight, then the selection.
    virtual void getLineColors(int line, const std::wstring& lineText, int count, CellColors* cells);
    void setFindHighlight(const FindInfo& info);
    void clearFindHighlight();
    const FindInfo& getFindHighlight() const { return findHighlight; }
    // Colours the tokens a key names (see SyntaxStyle.h); repaints.
    void setSyntaxStyle(const std::wstring& key, const SyntaxStyle& value);
    // Invalidates the rows from the row of the lower offset to the row after the higher
    // one; false (nothing done) when the offsets are equal.
    bool repaintRange(int offsetA, int offsetB);
    // Invalidates the rows of the lines [firstLine, lastLine), with the row above them;
    // with toBottom everything below them as well.
    void repaintLines(uint32_t firstLine, uint32_t lastLine, bool toBottom);
    // The rows of the laid-out text, the closing record's included.
    uint32_t getRowTotal() const;
    // Pixel width of text[from, to) drawn from screen x (tabs run to their stops).
    int measureText(const std::wstring& text, int from, int to, int x);
    void setLineNumbersVisible(bool value);
    bool isLineNumbersVisible() const { return showLineNumbers; }
    void setTabMarksVisible(bool value);
    void setEndOfLineVisible(bool value);
    void setFullWidthSpacesVisible(bool value);
    void setBorderVisible(bool value);
    void setClearMarkVisible(bool value);
    // Drawn in the undefined colour while the document is empty.
    void setHintText(const std::wstring& text);
    // Off: the background image is stretched over the window; on: it keeps its aspect
    // ratio and is centred.
    void setBackgroundFit(bool value);
    void setBackgroundOpacity(int percent);

    // The save-file question, replaceable so that tests answer it without a dialog:
    // returns the chosen path (empty for Cancel) and may change the encoding.
    using SaveFileChooser = std::wstring (*)(TextEditor& editor, const std::wstring& initialPath, int& encoding);
    static void setSaveFileChooser(SaveFileChooser chooser);

    // Straight quotes for the typographic ones; every other character stays.
    static std::wstring straightenQuotes(const std::wstring& text);

protected:
    // Painting steps, into the off-screen bitmap of onPaint.
    void paintContent(HDC memory, RECT paintRect);
    // Paints the rows of the line under screen row `row`, from that row up to lastRow at
    // most; the number of rows painted after the first.
    int paintLineRows(HDC memory, int row, int lastRow);
    // The row under a client y, with the sub-row offset of a smooth scroll.
    int rowAtPixel(int y) const;
    // Draws count characters from `from` in one set of colours; the width drawn.
    float drawTextRun(HDC memory, float x, int y, const std::wstring& lineText, int from, int count,
                      const CellColors& colors, float spaceWidth);
    // Fills a cell; a fill in the editor's background colour is left out while a
    // background image shows through.
    void fillCell(HDC memory, int x, int y, int width, int height, COLORREF color);
    void drawLineEndMark(HDC memory, float x, int y, const std::wstring& lineText);
    void drawLineNumber(HDC memory, uint32_t line, int top);
    void drawBookmarkMark(HDC memory, uint32_t line, int top);
    void drawBackgroundImage(HDC memory);
    void drawBorderAndClearMark(HDC memory);
    // The text rectangle: inside the padding, right of the gutter's left edge.
    RECT getTextRectangle() const;

    SyntaxStyleTable styles;
    FindInfo findHighlight;
    std::wstring hintText;
    std::vector<INT> runAdvances;  // reused by drawTextRun
    bool showTabMarks = false;
    bool fitBackgroundImage = false;

    // What the pointer is doing: drag-selecting, a right press on the selection, text
    // dragged from outside over the editor, a sentence selection (the third click), the
    // editor's own selection being dragged, a line selection from the margin.
    enum MouseMode {
        kIdle = 0, kDragSelecting = 2, kRightPressMarked = 4, kDraggingOutside = 0x10,
        kSentenceSelecting = 0x20, kDraggingSelection = 0x40, kLineSelecting = 0x80
    };

    LRESULT editMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void notifyParent(int code);
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

    // Keyboard and input-method helpers.
    bool onControlKey(WPARAM key);
    bool transformSelection(WPARAM key);
    void deleteBackward(bool byWord);
    void deleteForward(bool byWord);
    void insertLineBreak();
    void typeTab(bool unindent);
    void typeClosingBrace();
    void placeCompositionWindow(int x, int y);
    uint32_t wordBreak(uint32_t offset, int code);

    // EditReplayer: undo and redo replace without recording.
    void replayReplace(const std::wstring& text, TextRange range) override;
    // CharMeasure for the wrap layout.
    uint32_t charWidth(wchar_t c) override { return getCharWidth(c); }
    const uint32_t* asciiWidths() override { return charWidthCache.empty() ? nullptr : charWidthCache.data(); }

    std::unique_ptr<ITextDocument> document;
    std::unique_ptr<HistoryManager> history;
    BookmarkManager bookmarks;
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
    // Printable ASCII characters whose ink (the glyph's black box) ends within their
    // advance: a justified blank after one of them can be drawn in the same call as the word.
    std::bitset<0x80> inkWithinAdvance;
    uint32_t widestRow = 0;  // the horizontal scroll range: the widest row of the document
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
    enum TimerId { kAutoScrollTimer = 1, kTripleClickTimer = 2 };
    int autoScrollAmount = 0;      // pixels the pointer travelled beyond the text while selecting
    uint32_t lineSelectionRow = 0;  // the row pressed in the line-number margin
    int pixelOffset = 0;           // sub-row offset while a smooth scroll animates
    bool smoothScrolling = false;
    // The document row under a client y, cut to the rows there are.
    int rowAt(int y) const;
    void startTimer(int id, UINT period);
    void setCursorShape(HCURSOR cursor);
    void extendLineSelection(int y);
    bool smoothScroll(int dy, const RECT& rect, bool canShift);
    void shiftRows(int pixels, const RECT& rect, bool canShift);
};
