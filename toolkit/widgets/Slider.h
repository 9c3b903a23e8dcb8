// The toolkit's horizontal track bar: a thumb dragged along a track, arrow-key and wheel
// steps, the value drawn inside the thumb, and WM_HSCROLL to the parent on every change.
// It also answers the common trackbar messages, so code written for the system control
// can drive it.
#pragma once

#include <string>

#include "toolkit/window/Component.h"

class Image;

class Slider : public Component {
public:
    Slider();
    ~Slider() override;

    std::wstring getTextCopy() const override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;
    bool onKeyDown(WPARAM key, LPARAM lParam) override;
    bool onLButtonUp() override;
    bool onLButtonDown(int x, int y) override;
    bool onMouseMove(int x, int y) override;
    bool onMouseWheel(int x, int y, int keys, int notches) override;

    virtual void drawThumb(Graphics& g);
    virtual void drawValue(Graphics& g);
    // Sends WM_HSCROLL with the current value; the argument is not used.
    virtual void notifyParent(int value);

    int getValue() const { return mValue; }
    // Clamps to the range; moves the thumb once the slider has a size and a range.
    void setValue(int value);
    void setRange(int minimum, int maximum);
    void setThumbSize(int width, int height);
    void moveBy(int delta);

    int getMinimum() const { return mMinimum; }
    int getMaximum() const { return mMaximum; }
    int getLineSize() const { return mLineSize; }
    void setLineSize(int size) { mLineSize = size; }
    void setPageSize(int size) { mPageSize = size; }
    int getThumbLength() const { return mThumb.width; }
    void setThumbLength(int length) { mThumb.width = length; }
    const Rect& getThumbRect() const { return mThumb; }
    // The Ctrl+arrow step: the range divided by the page size (a page size below 1 becomes 5).
    int getPageStep();
    bool isDragging() const { return mDragging; }
    float getUnitsPerPixel() const { return mUnitsPerPixel; }
    int getTrackLength() const { return mTrackLength; }

protected:
    Rect mThumb{0, 0, 20, 20};
    Rect mTrack;
    int mGrabX = 0;
    int mGrabY = 0;
    bool mDragging = false;
    int mMinimum = 0;
    int mMaximum = 0;
    int mTrackLength = 0;
    float mUnitsPerPixel = 0.0f;
    int mValue = 0;
    int mPageSize = 5;
    int mLineSize = 1;
    Image* mThumbImage = nullptr;
    int mThumbRadius = 12;
    COLORREF mThumbColor = 0xF5F5F5;
    COLORREF mFilledColor = 0xD8A366;
};
