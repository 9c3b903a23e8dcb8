#include "toolkit/widgets/ProgressBar.h"

#include <algorithm>

#include "toolkit/graphics/Graphics.h"

ProgressBar::ProgressBar() { registerClass(L"ProgressBar"); }

ProgressBar::~ProgressBar() = default;

void ProgressBar::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    LOGFONTW font = mLogFont;
    font.lfWeight = 600;
    ::SetTextAlign(g.getHDC(), TA_CENTER);
    g.setFont(::CreateFontIndirectW(&font));
    g.setBkMode(TRANSPARENT);
    g.setTextColor(mTextColor);
    g.setBrushColor(mBackColor);
    g.fillRect(0, 0, width, height);
    drawFrame(g, 0, 0, width, height, 8);

    // The done part: a filled frame of the same look, never wider than the bar.
    const int done = std::clamp(width * mValue / 100, 0, width);
    if (done > 0) {
        g.setBrushColor(0xFFBE64);
        g.setPen(PS_SOLID, 1, 0xAA9680);
        g.drawRoundRect(0, 0, done, height, 8, 8);
        drawFrame(g, 0, 0, done, height, 8);
    }
    // TA_CENTER: the caption is centred on the middle of the bar.
    g.drawText(getText(), width / 2, 4);
}
