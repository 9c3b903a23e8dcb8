#include "toolkit/widgets/RegionButton.h"

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"

bool RegionButton::setImage(const std::wstring& fileName) {
    if (!mPicture.load(fileName)) return false;
    auto normal = mStateRects.find(kNormal);
    if (normal != mStateRects.end() && m_hWnd) {
        const Rect& rect = normal->second;
        if (HRGN region = createRegionFromImage(mPicture, rect)) {
            // The window owns the region from here on.
            if (!::SetWindowRgn(m_hWnd, region, TRUE)) ::DeleteObject(region);
        }
        setSize(rect.width, rect.height);
    }
    return true;
}

int RegionButton::currentState() const {
    if (looksPressed()) return kPressed;
    if (mMousePressed || mHovered) return kHot;
    return kNormal;
}

void RegionButton::paint(Graphics& g) {
    if (!mPicture.isLoaded()) {
        Button::paint(g);
        return;
    }
    auto found = mStateRects.find(currentState());
    if (found == mStateRects.end()) return;
    const Rect& source = found->second;
    g.drawImage(mPicture, Rect(0, 0, getWidth(), getHeight()), source, Graphics::kOpaque);
    if (hasFocus()) {
        RECT focus{0, 0, source.width, source.height};
        ::DrawFocusRect(g.getHDC(), &focus);
    }
    if (!isEnabled()) greyOutRect(g.getHDC(), Rect(0, 0, source.width, source.height), 0);
}
