#include "player/mp3/UsltFrame.h"

#include "player/mp3/Id3Text.h"

namespace {
constexpr size_t kHeaderFields = 4;  // encoding, language
}  // namespace

std::wstring parseUsltPayload(const uint8_t* data, size_t size) {
    if (data == nullptr || size < kHeaderFields) return std::wstring();
    // Unknown encodings were always read as single bytes; they still are.
    const int encoding = data[0] <= Id3TextReader::kUtf8 ? static_cast<int>(data[0]) : static_cast<int>(Id3TextReader::kSingleByte);
    Id3TextReader reader(encoding);
    size_t pos = kHeaderFields;
    bool terminated = false;
    std::wstring descriptor = reader.read(data, size, pos, terminated);
    // Writers that leave out the descriptor put the lyrics straight after the language.
    if (!terminated) return descriptor;
    return reader.read(data, size, pos, terminated);
}
