// BMP decoding from memory and PNG reading through libpng on damaged pictures.
#include <windows.h>

#include <cstdio>
#include <string>

#include "foundation/system/Exception.h"
#include "fuzz/FuzzTarget.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/BmpDecoder.h"
#include "toolkit/graphics/PngCodec.h"

namespace {

void decodeBmpInput(const uint8_t* data, size_t size) {
    Bitmap bitmap;
    decodeBmp(bitmap, data, size);
}

// libpng reads through a C FILE, so the input goes through a scratch file.
const std::wstring& scratchPath() {
    static const std::wstring path = [] {
        wchar_t folder[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, folder);
        return std::wstring(folder) + L"fuzz-input-" + std::to_wstring(::GetCurrentProcessId()) + L".png";
    }();
    return path;
}

void readPngInput(const uint8_t* data, size_t size) {
    FILE* file = _wfopen(scratchPath().c_str(), L"wb");
    if (!file) return;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Bitmap bitmap;
    try {
        readPngFile(bitmap, scratchPath());
    } catch (const Exception&) {
        // The picture can't be read: the reader's ordinary answer.
    }
}

const std::vector<std::string> kBmpTokens = {
    std::string("BM", 2), std::string("\x28\0\0\0", 4), std::string("\x01\0\x18\0", 4),
    std::string("\xff\xff\xff\x7f", 4), std::string("\0\0\0\x80", 4), std::string("\x03\0\0\0", 4)};
const std::vector<std::string> kPngTokens = {
    std::string("\x89PNG\r\n\x1a\n", 8), std::string("IHDR", 4), std::string("IDAT", 4), std::string("IEND", 4),
    std::string("PLTE", 4), std::string("tRNS", 4), std::string("\x7f\xff\xff\xff", 4),
    std::string("\0\0\0\0", 4)};

FuzzTargetRegistration bmp({"bmp", decodeBmpInput, kBmpTokens, {"toolkit/tests/fixtures/images"}});
FuzzTargetRegistration png({"png", readPngInput, kPngTokens, {"toolkit/tests/fixtures/images"}});

}  // namespace
