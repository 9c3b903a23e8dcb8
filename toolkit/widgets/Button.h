// The push button: a rounded, shaded face (or a face image strip) with centred text.
#pragma once

#include <string>

#include "toolkit/graphics/Image.h"
#include "toolkit/widgets/StateButton.h"

class Graphics;

class Button : public StateButton {
public:
    Button();

    using StateButton::create;
    bool createWithDefaultBounds(HWND parent) override;
    void paint(Graphics& g) override;
    virtual bool create(HWND parent, int id);
    virtual bool create(HWND parent, const std::wstring& text, int x, int y, int width, int height);
    virtual bool create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height);
    virtual void paintImage(Graphics& g);
    virtual void paintBackground(Graphics& g);
    virtual void paintText(Graphics& g);

    void setCornerDiameter(int diameter) { mCornerDiameter = diameter; }
    int getCornerDiameter() const { return mCornerDiameter; }
    // The face image: cells 64 x 16, rows normal (y 0), hover (16), pressed (32) and
    // focused or pressed with the cursor outside (48). Loaded by the owner.
    Image& getFaceImage() { return mFaceImage; }

protected:
    // The row of the face image for the current look.
    int faceImageRow() const;

    Image mFaceImage;
    int mCornerDiameter = 12;
};
