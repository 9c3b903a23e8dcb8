// Times loading a 1920 x 1080 PNG with alpha and drawing it opaque and half blended onto a
// surface of the same size. Targets: load under 60 ms, each draw under 10 ms.
// Run by hand: cd build/run && wine ../bench/GraphicsBench.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "toolkit/graphics/Graphics.h"

namespace {

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

template <typename Work>
double bestOf(int runs, Work work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double start = nowMs();
        work();
        const double elapsed = nowMs() - start;
        if (elapsed < best) best = elapsed;
    }
    return best;
}

// A photo-like picture: gradients with noise, and an alpha channel with transparent holes.
bool writePicture(const std::wstring& path) {
    Bitmap picture;
    if (!picture.create(1920, 1080)) return false;
    unsigned seed = 12345;
    for (int y = 0; y < 1080; ++y) {
        unsigned char* p = picture.getBits() + static_cast<size_t>(y) * picture.getBytesPerLine();
        for (int x = 0; x < 1920; ++x, p += 4) {
            seed = seed * 1103515245 + 12345;
            p[0] = static_cast<unsigned char>(x / 8 + (seed >> 28));
            p[1] = static_cast<unsigned char>(y / 5 + (seed >> 27));
            p[2] = static_cast<unsigned char>((x + y) / 12);
            p[3] = static_cast<unsigned char>((x / 64 + y / 64) % 5 == 0 ? 0 : 255 - (x % 128));
        }
    }
    picture.setAlpha(true);
    return picture.saveAs(path);
}

}  // namespace

int main() {
    wchar_t folder[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"corvanta-bench-1080p.png";
    if (!writePicture(path)) {
        std::printf("could not write the picture\n");
        return 1;
    }
    Image image;
    const double load = bestOf(5, [&] { image.load(path); });
    if (!image.isLoaded() || image.getWidth() != 1920) {
        std::printf("could not load the picture\n");
        return 1;
    }
    Graphics surface(1920, 1080);
    const Rect all(0, 0, 1920, 1080);
    const double opaque = bestOf(10, [&] { surface.drawImage(image, all, all, 0xFF000000); });
    const double blended = bestOf(10, [&] { surface.drawImage(image, all, all, 0x80000000); });
    ::DeleteFileW(path.c_str());
    std::printf("load 1920x1080 PNG with alpha: %.1f ms (target < 60)\n", load);
    std::printf("opaque draw:                   %.1f ms (target < 10)\n", opaque);
    std::printf("50%% blended draw:              %.1f ms (target < 10)\n", blended);
    return 0;
}
