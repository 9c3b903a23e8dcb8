// The main window's own kinds of control: the play button and the two sliders.
#include "app/mainwindow/Corvanta.h"

#include <cwchar>

#include "toolkit/graphics/Graphics.h"

namespace {

constexpr int kCell = 24;
constexpr COLORREF kPlayedTint = 0xC80000;
constexpr int kPlayedOpacity = 128;

}  // namespace

void Corvanta::PlayButton::useColumn(int column) {
    const int x = column * kCell;
    setStateRect(kNormal, Rect(x, 0, kCell, kCell));
    setStateRect(kHot, Rect(x, kCell, kCell, kCell));
    setStateRect(kPressed, Rect(x, 2 * kCell, kCell, kCell));
}

void Corvanta::PlayButton::setText(const wchar_t* text) {
    useColumn(text && std::wcscmp(text, L"Pause") == 0 ? 1 : 0);
    RegionButton::setText(text);
}

void Corvanta::TimeSlider::paint(Graphics& g) {
    Slider::paint(g);
    g.fillRectAlpha(1, mTrack.y - 1, AlphaFill{mThumb.x, mTrack.height + 1, kPlayedTint, kPlayedOpacity});
}
