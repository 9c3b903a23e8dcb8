// The toolkit's own-drawn tab control: a strip of tabs, each owning one child component
// that is shown while its tab is selected. It answers the tab-control messages (TCM_*)
// itself, so code written against the system control drives it as well.
#pragma once

#include <string>
#include <vector>

#include "toolkit/graphics/Image.h"
#include "toolkit/window/Component.h"

class TabbedPane;

// Lets an owner refuse to have a tab removed or moved.
class TabListener {
public:
    virtual ~TabListener() = default;
    virtual bool canRemoveTab(TabbedPane& pane, int index) { return true; }
    virtual bool canMoveTab(TabbedPane& pane, int from, int to) { return true; }
};

struct TabItem {
    TabItem(const std::wstring& title_, Component* component_)
        : component(component_), window(component_ ? component_->m_hWnd : nullptr), title(title_) {}

    Component* component;  // not owned; may be gone while the tab stays
    HWND window;            // the component's window when the tab was made: the pane reaches
                            // the window through this, never through the component
    HGDIOBJ icon = nullptr;  // deleted with the tab when set
    std::wstring title;
    std::wstring subtitle;
    bool flag = true;
    int length = 80;
};

class TabbedPane : public Component {
public:
    // Where the strip stands.
    enum Placement { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };
    static constexpr int kSelectionChange = -551;  // TCN_SELCHANGE
    // Commands of the menu a right press on a closable tab opens.
    enum TabMenuCommand { kCloseTab = 1, kCloseOtherTabs, kCloseLeftTabs, kCloseRightTabs };
    static constexpr int kCloseBoxSize = 12;

    TabbedPane();
    ~TabbedPane() override;

    using Component::create;
    virtual bool create(HWND parent, int placement);
    virtual void showTab(int index);
    virtual void hideAllTabs();
    virtual void addTab(const std::wstring& title, Component* component);
    virtual void closeTab(int index);
    virtual bool removeTab(int index);
    virtual void moveTab(int from, int to);
    virtual void insertTab(const std::wstring& title, Component* component, int index);
    virtual void insertTabAt(const std::wstring& title, Component* component, int index);
    virtual void select(int index, bool notify);
    virtual void paintTab(Graphics& g, int index);
    virtual void paintCloseBox(Graphics& g, int index, int cell);
    virtual bool onDrawItem(WPARAM wParam, LPARAM lParam);
    using Component::onKeyDown;
    virtual void onKeyDown(int key);

    void destroy() override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;
    bool onLButtonUp() override;
    bool onLButtonDown(int x, int y) override;
    bool onRButtonDown(int x, int y) override;
    bool onMouseMove(int x, int y) override;

    void setTabPlacement(int placement);
    int getTabPlacement() const { return mPlacement; }
    void fireSelectionChange();
    void setTabListener(TabListener* listener) { mTabListener = listener; }
    // Closable tabs show a close box at their far end and offer a close menu on a right press.
    void setClosable(bool closable);
    bool isClosable() const { return mClosable; }
    // The close box of a tab; false when the pane's tabs are not closable.
    bool getCloseBoxRect(int index, RECT& rect) const;
    // The tab whose close box holds the point, or -1.
    int hitTestCloseBox(int x, int y) const;
    // Carries out a command of the tab menu for the tab it was opened on.
    void runTabMenuCommand(int command, int index);

    int getTabCount() const { return static_cast<int>(mTabs.size()); }
    int getSelectedIndex() const { return mSelected; }
    // The title of a tab; empty for an index that has none.
    std::wstring getTabTitle(int index) const;
    void setTabTitle(int index, const std::wstring& title);
    void getTabRect(int index, RECT& rect) const;
    int hitTest(int x, int y) const;
    int getTabAtCursor() const;
    int indexOfComponent(const Component* component) const;
    Component* getComponent(int index) const;
    int getStripThickness() const { return mThickness; }

protected:
    bool isTab(int index) const { return index >= 0 && index < getTabCount(); }
    // Answers the messages of the system tab control; false for any other message.
    bool handleTabMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void drawTitle(Graphics& g, int index, const RECT& tab);
    // Shows the tab menu at the cursor and answers the chosen command, 0 for none.
    virtual int showTabMenu();
    // Closes the tabs before and/or after the kept one, last first.
    void closeTabsAround(int keep, bool before, bool after);

    int mSelected = -1;
    int mPressed = -1;
    int mPressedCloseBox = -1;  // the tab whose close box the last left press hit
    COLORREF mSelectedFill = 0;
    COLORREF mBorderColor = 0xFAAA96;
    COLORREF mOutlineColor = 0xC8C8C8;
    HBITMAP mCloseBox = nullptr;
    std::vector<TabItem> mTabs;
    int mPlacement = kTop;
    int mDefaultLength = 80;
    int mThickness = 24;
    bool mClosable = false;
    bool mKeepPressed = false;
    Image mFace;
    TabListener* mTabListener = nullptr;
};
