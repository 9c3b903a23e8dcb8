// Encoding detection and every decoder on damaged text.
#include "foundation/encoding/TextDecoding.h"
#include "fuzz/FuzzTarget.h"

namespace {

void decodeEveryWay(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    std::wstring text;
    decodeText(bytes, size, text, kEncodingUndefined);
    for (EncodingId id = kEncodingAnsi; id <= kEncodingIso2022Jp; ++id) decodeText(bytes, size, text, id);
}

FuzzTargetRegistration registration({"decodeText", decodeEveryWay, {}, {"foundation/tests/fixtures"}});

}  // namespace
