#include "toolkit/graphics/PngCodec.h"

#include <windows.h>

#include <png.h>

#include <cstdio>
#include <cstdlib>

#include "foundation/system/Exception.h"
#include "toolkit/graphics/Bitmap.h"

// libpng reports errors by longjmp back to the setjmp of the function that drives it.
// Those functions therefore hold only plain C data between setjmp and the last libpng
// call, so that no destructor is ever skipped.

namespace {

constexpr png_uint_32 kMaxSide = 32768;
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;

[[noreturn]] void onPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onPngWarning(png_structp, png_const_charp) {}

// Sets the transformations that turn every PNG layout into 8-bit B, G, R, A.
void requestBgra(png_structp png, png_infop info) {
    const int colorType = png_get_color_type(png, info);
    if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // no effect where alpha is already there
    png_set_interlace_handling(png);
}

// Decodes into the bitmap; false when libpng gives up or the picture is unusable.
bool decodeInto(png_structp png, png_infop info, FILE* file, Bitmap& bitmap, bool& withAlpha) {
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        std::free(rows);
        return false;
    }
    png_init_io(png, file);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int colorType = png_get_color_type(png, info);
    withAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (static_cast<unsigned long long>(width) * height > kMaxPixels) return false;
    requestBgra(png, info);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;
    if (!bitmap.create(static_cast<int>(width), static_cast<int>(height))) return false;
    rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (!rows) return false;
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = bitmap.getBits() + static_cast<size_t>(y) * bitmap.getBytesPerLine();
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    std::free(rows);
    return true;
}

// The colour of the first fully transparent pixel (rows from the top, pixels from the
// left), or false when every pixel shows.
bool findTransparentColor(const Bitmap& bitmap, COLORREF& color) {
    for (int y = 0; y < bitmap.getHeight(); ++y) {
        const unsigned char* p = bitmap.getBits() + static_cast<size_t>(y) * bitmap.getBytesPerLine();
        for (int x = 0; x < bitmap.getWidth(); ++x, p += 4) {
            if (p[3] == 0) {
                color = RGB(p[2], p[1], p[0]);
                return true;
            }
        }
    }
    return false;
}

bool encodeFrom(png_structp png, png_infop info, FILE* file, Bitmap& bitmap) {
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        std::free(rows);
        return false;
    }
    const int height = bitmap.getHeight();
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.getWidth()), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_bgr(png);
    rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (!rows) return false;
    for (int y = 0; y < height; ++y) rows[y] = bitmap.getBits() + static_cast<size_t>(y) * bitmap.getBytesPerLine();
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    std::free(rows);
    return true;
}

}  // namespace

bool readPngFile(Bitmap& bitmap, const std::wstring& path) {
    FILE* file = ::_wfopen(path.c_str(), L"rb");
    if (!file) throw Exception(L"Couldn't open " + path, "Bitmap::LoadPNGFile", __LINE__, 0);
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (!png) {
        std::fclose(file);
        throw Exception(L"Failed: png_create_read_struct. " + path, "Bitmap::LoadPNGFile", __LINE__, 0);
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        std::fclose(file);
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw Exception(path, "Bitmap::LoadPNGFile", __LINE__, 0);
    }
    bool withAlpha = false;
    const bool decoded = decodeInto(png, info, file, bitmap, withAlpha);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    if (!decoded) {
        bitmap.dispose();
        return false;
    }
    COLORREF key = 0;
    if (withAlpha && findTransparentColor(bitmap, key)) {
        bitmap.setAlpha(true);
        bitmap.setColorKey(key);
    } else {
        bitmap.setAlpha(false);
        bitmap.setColorKey(bitmap.getPixel(0, 0));
    }
    return true;
}

bool writePngFile(Bitmap& bitmap, const std::wstring& path) {
    if (!bitmap.getBits()) return false;
    FILE* file = ::_wfopen(path.c_str(), L"wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (!png) {
        std::fclose(file);
        ::DeleteFileW(path.c_str());
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        std::fclose(file);
        png_destroy_write_struct(&png, nullptr);
        ::DeleteFileW(path.c_str());
        return false;
    }
    ::GdiFlush();
    if (!bitmap.hasAlpha()) {
        // GDI leaves the alpha bytes of what it draws at 0: the picture is opaque.
        for (int y = 0; y < bitmap.getHeight(); ++y) {
            unsigned char* p = bitmap.getBits() + static_cast<size_t>(y) * bitmap.getBytesPerLine();
            for (int x = 0; x < bitmap.getWidth(); ++x, p += 4) p[3] = 255;
        }
    }
    bool ok = encodeFrom(png, info, file, bitmap);
    png_destroy_write_struct(&png, &info);
    ok = std::fclose(file) == 0 && ok;
    if (!ok) ::DeleteFileW(path.c_str());
    return ok;
}
