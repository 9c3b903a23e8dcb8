#include "toolkit/widgets/LabelComponent.h"

#include "toolkit/graphics/Graphics.h"

LabelComponent::LabelComponent() { registerClass(L"LabelComponent"); }

LabelComponent::~LabelComponent() = default;

void LabelComponent::paint(Graphics& g) {
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBrushColor(mBackColor);
    g.fillRect(0, 0, getWidth(), getHeight());
    g.setBkMode(TRANSPARENT);
    g.setTextColor(mTextColor);
    g.drawText(getText(), 2, 2);
}
