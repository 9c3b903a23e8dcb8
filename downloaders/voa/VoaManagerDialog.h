// The learner's catalogue of VOA lessons: sentence-list files with an id3 block, filed
// by category in a tree kept in "voa.xml" in the current folder. Dropped lesson files go
// under the category their id3 block names. "Get!" reads a lesson page and shows an id3
// block for it; the tree's menu removes items, opens a lesson's folder and publishes the
// catalogue as HTML. The catalogue is written when it is new and when OK closes the dialog.
#pragma once

#include <string>

#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/ChannelPane.h"
#include "toolkit/widgets/XmlTreePane.h"
#include "toolkit/window/Dialog.h"
#include "toolkit/window/Listeners.h"
#include "downloaders/voa/TreePaneHost.h"

class VoaManagerDialog : public Dialog, public ActionListener {
public:
    // Context menu command ids.
    enum : int { kRemove = 1, kOpenFolder = 2, kCreateHtml = 3, kCreateOrderedHtml = 4 };

    // The catalogue tree over the document of "voa.xml".
    class A : public XmlTreePane {
    public:
        ~A() override;

        // Files the lesson under the category its id3 block names, made when missing;
        // other files go under the item. Nothing is added for a title already shown.
        HTREEITEM addChild(HTREEITEM item, const std::wstring& path) override;

        bool openDocument(const std::wstring& path);
        // A root named `name` unless there is one.
        void newDocument(const std::wstring& name);
        bool saveDocumentAs(const std::wstring& path);
        // Stores edited labels and the items' selected and expanded states, then writes
        // the file; a failed write leaves the previous file as it was.
        bool saveDocument();
        void rebuildTree();
        HTREEITEM findItemByName(const std::wstring& label);
        std::wstring getItemAttribute(HTREEITEM item, const std::wstring& name) const;
        std::wstring getItemLabel(const Element& element) const;

    private:
        void populateItem(HTREEITEM item, Element* element);
        void storeItemState(HTREEITEM item);
    };

    VoaManagerDialog();
    ~VoaManagerDialog() override;

    bool createContents() override;
    bool onOk() override;
    bool onNotify(WPARAM wParam, LPARAM lParam) override;
    void onSize(WPARAM wParam, LPARAM lParam) override;
    void actionPerformed(ActionEvent event) override;

    // Fetches the lesson page and shows its id3 block; an empty answer changes nothing.
    void getId3Text(const std::wstring& pageAddress);
    // The publishing commands; both replace the text area's content.
    void createCategoryHtml();
    void createOrderedHtml();
    // The context menu's command for the item (null: none under the cursor).
    void runMenuCommand(int command, HTREEITEM item);

    TextEditor& getTextArea() { return mTextArea; }
    TextEditor& getAddressField() { return mAddressField; }
    Button& getGetButton() { return mGetButton; }
    ChannelPane& getSidePane() { return mSidePane; }
    A& getTree() { return mTree; }

private:
    void showContextMenu();
    void openFolder(HTREEITEM item);

    TextEditor mTextArea;
    TextEditor mAddressField;
    Button mGetButton;
    ChannelPane mSidePane;
    A mTree;
    TreePaneHost mTreeHost{mTree};
};
