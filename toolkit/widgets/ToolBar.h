// The common tool-bar control (ToolbarWindow32) with images from one strip picture, a
// pale copy of it for disabled buttons, and one tooltip per button.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "toolkit/window/BaseWindow.h"

class ToolBar : public BaseWindow {
public:
    // Image size and the image list's initial count for a strip picture.
    struct StripGeometry {
        int imageWidth;
        int imageHeight;
        int count;
    };
    static StripGeometry stripGeometry(int bitmapWidth, int bitmapHeight);

    ToolBar() = default;
    ~ToolBar() override;

    bool createWithDefaultBounds(HWND parent) override { return create(parent); }
    void setBounds(int x, int y, int width, int height) override;
    // One tool of the tooltip per button, over that button's rectangle.
    void setToolTip(const std::wstring& text, int commandId) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool create(HWND parent);
    // Loads the strip picture (from the bitmap cache, else the file, else the file in the
    // program's folder); the mask colour marks transparent pixels. False when no picture
    // could be had.
    bool setImage(const std::wstring& fileName, COLORREF mask);
    void setImageLists(HBITMAP normal, HBITMAP disabled, COLORREF mask);
    void addButton(int image, int commandId, const wchar_t* text, BYTE state, BYTE style);
    void insertButton(const TBBUTTON& button, int position);
    int getButtonState(int commandId) const;
    BYTE getButtonStyle(int commandId) const;
    void setButtonStyle(int commandId, BYTE style, bool replace);

    // Colour of the drop-down arrows beside drop-down buttons; CLR_INVALID (the default)
    // leaves them as the control draws them, dark.
    void setDropDownArrowColor(COLORREF color);
    COLORREF getDropDownArrowColor() const { return mArrowColor; }

    HIMAGELIST getImageList() const { return mImageList; }
    HIMAGELIST getDisabledImageList() const { return mDisabledImageList; }

private:
    void updateToolRects();
    // The arrow part of the drop-down button at that index; empty when there is none.
    RECT getDropDownRect(int index) const;
    void drawDropDownArrows();

    HIMAGELIST mImageList = nullptr;
    HIMAGELIST mDisabledImageList = nullptr;
    std::vector<int> mTipIds;
    COLORREF mArrowColor = CLR_INVALID;
};
