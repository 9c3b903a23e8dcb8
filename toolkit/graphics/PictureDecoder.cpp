#include "toolkit/graphics/PictureDecoder.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdlib>

#include "foundation/system/Exception.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GifHeader.h"

namespace {

constexpr int kMaxSide = 32768;

// Reads the whole file into a movable global memory block; throws on failure.
HGLOBAL readIntoGlobalMemory(const std::wstring& path, DWORD& size) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw Exception(path, "Bitmap::LoadGIFFile", __LINE__, 0);
    size = ::GetFileSize(file, nullptr);
    HGLOBAL memory = size == INVALID_FILE_SIZE ? nullptr : ::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!memory) {
        ::CloseHandle(file);
        throw Exception(path + L": Couldn't allocate the memory for this file.", "Bitmap::LoadGIFFile", __LINE__, 0);
    }
    DWORD read = 0;
    void* bytes = ::GlobalLock(memory);
    const BOOL ok = bytes && ::ReadFile(file, bytes, size, &read, nullptr) && read == size;
    if (bytes) ::GlobalUnlock(memory);
    ::CloseHandle(file);
    if (!ok) {
        ::GlobalFree(memory);
        throw Exception(path, "Bitmap::LoadGIFFile", __LINE__, 0);
    }
    return memory;
}

// Renders a bitmap-type picture into the bitmap at its size in pixels.
bool renderPicture(IPicture* picture, Bitmap& bitmap, const GIF* transparent) {
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return false;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return false;
    if (!bitmap.create(1, 1)) return false;
    const int pixelWidth = std::abs(::MulDiv(width, ::GetDeviceCaps(bitmap.getDC(), LOGPIXELSX), 2540));
    const int pixelHeight = std::abs(::MulDiv(height, ::GetDeviceCaps(bitmap.getDC(), LOGPIXELSY), 2540));
    if (pixelWidth > kMaxSide || pixelHeight > kMaxSide) return false;
    if (!bitmap.create(pixelWidth, pixelHeight)) return false;
    if (transparent) {
        HBRUSH brush = ::CreateSolidBrush(transparent->getTransparentColor());
        RECT all{0, 0, pixelWidth, pixelHeight};
        ::FillRect(bitmap.getDC(), &all, brush);
        ::DeleteObject(brush);
    }
    if (FAILED(picture->Render(bitmap.getDC(), 0, 0, pixelWidth, pixelHeight, 0, height, width, -height, nullptr))) {
        return false;
    }
    ::GdiFlush();
    bitmap.setColorKey(transparent ? transparent->getTransparentColor() : bitmap.getPixel(0, 0));
    return true;
}

}  // namespace

bool loadPictureFile(Bitmap& bitmap, const std::wstring& path) {
    GIF gif;
    const bool isGif = Bitmap::hasExtension(path, L".gif");
    if (isGif && !gif.read(path)) throw Exception(path, "Bitmap::LoadGIFFile", __LINE__, 0);
    if (!isGif && !Bitmap::hasExtension(path, L".jpg") && !Bitmap::hasExtension(path, L".jpeg")) {
        throw Exception(path, "Bitmap::LoadGIFFile", __LINE__, 0);
    }
    DWORD size = 0;
    HGLOBAL memory = readIntoGlobalMemory(path, size);
    bool rendered = false;
    IStream* stream = nullptr;
    if (SUCCEEDED(::CreateStreamOnHGlobal(memory, FALSE, &stream))) {
        IPicture* picture = nullptr;
        if (SUCCEEDED(::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                       reinterpret_cast<void**>(&picture)))) {
            rendered = renderPicture(picture, bitmap, isGif && gif.hasTransparency() ? &gif : nullptr);
            picture->Release();
        }
        stream->Release();
    }
    ::GlobalFree(memory);
    if (!rendered) bitmap.dispose();
    return rendered;
}
