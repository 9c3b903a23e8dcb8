// A numeric field with its own up/down arrows: a digit field (a TextField) at the right,
// an optional label at the left. The value steps by arrow key, wheel, click on an arrow
// or vertical drag, is clamped to a range, and every change is posted to the parent as
// WM_COMMAND (EN_CHANGE) and WM_VSCROLL carrying the value.
#pragma once

#include <string>

#include "toolkit/widgets/TextField.h"
#include "toolkit/window/Component.h"

class UpDownTextField : public Component {
public:
    // The digit field: passes its keys on to the UpDownTextField first.
    class InnerTextField : public TextField {
    public:
        bool onKeyDown(WPARAM key, LPARAM flags) override;
    };

    UpDownTextField();
    ~UpDownTextField() override;

    using Component::create;

    void setEnabled(bool enabled) override;
    void setBackColor(COLORREF color) override;
    bool createWithDefaultBounds(HWND parent) override;
    bool create(HWND parent, int x, int y, int width, int height) override;
    std::wstring getTextCopy() const override;
    // The label at the left; an empty label becomes a blank.
    void setText(const wchar_t* text) override;
    void setText(const std::wstring& text) override { setText(text.c_str()); }
    void setBounds(int x, int y, int width, int height) override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;
    bool onSetFocus(HWND previous) override;
    bool onKeyDown(WPARAM key, LPARAM lParam) override;
    bool onKeyUp(WPARAM key, LPARAM lParam) override;
    bool onLButtonUp() override;
    bool onLButtonDown(int x, int y) override;
    bool onLButtonDblClk(int x, int y) override;
    bool onMouseMove(int x, int y) override;
    bool onMouseWheel(int x, int y, int keys, int notches) override;
    virtual void drawArrows(Graphics& g);

    int getValue() const;
    // The value with its fraction, for the stepping arithmetic.
    double getDoubleValue() const;
    // Clamps to the range and shows the value ("%d", or "%.1f" for a fractional step).
    void setValue(double value);
    // Clamps what was typed into the digit field and shows it: on Enter and when the focus
    // leaves the digit field (the arrows, wheel and drag step from the typed number).
    void commitTypedValue();
    void refreshValue();
    void setRange(int minimum, int maximum);
    void setStep(float step) { mStep = step; }
    float getStep() const { return mStep; }
    bool isFractional() const { return mStep < 1.0f; }
    int getMinimum() const { return mMinimum; }
    int getMaximum() const { return mMaximum; }
    // Width of the digit field: the widest value of the range, sign and fraction included,
    // shown whole in the digit field's font.
    int getPreferredWidth() const;
    // Widens the field to its label plus the digit field and arrows, height kept.
    void adjustSize();
    void setButtonColor(COLORREF color) { mArrowColor = color; }
    InnerTextField& getInnerField() { return mInner; }

private:
    int textWidth(const std::wstring& text) const;
    LOGFONTW getDigitFont() const;
    // The widest value of the range, made of the digit field font's widest digit.
    std::wstring getWidestValueText() const;
    // The digit field's number, or the value when it is empty.
    double getTypedValue() const;
    bool isInRange(double value) const;
    std::wstring formatValue(double value) const;
    void postValueNotice();
    void placeInnerField(int width, int height, int rightMargin);

    InnerTextField mInner;
    int mPressX = 0;
    int mPressY = 0;
    bool mDragging = false;
    UINT mUpState = 0;
    UINT mDownState = 0;
    int mMinimum = 0;
    int mMaximum = 100;
    float mStep = 1.0f;
    COLORREF mArrowColor;
    std::wstring mHeldText;
};
