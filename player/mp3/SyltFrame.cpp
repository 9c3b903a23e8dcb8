#include "player/mp3/SyltFrame.h"

#include <cmath>

#include "player/mp3/Id3Bytes.h"
#include "player/mp3/Id3Text.h"

namespace {

constexpr size_t kHeaderFields = 6;  // encoding, language, time-stamp format, content type

void appendUtf16Le(std::string& out, const std::wstring& text) {
    for (wchar_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>((c >> 8) & 0xFF);
    }
}

}  // namespace

bool parseSyltPayload(const uint8_t* data, size_t size, std::vector<LyricsLine>& lines) {
    if (data == nullptr || size < kHeaderFields) return false;
    // Unknown encodings were always read as UTF-16; they still are.
    const int encoding = data[0] <= Id3TextReader::kUtf8 ? static_cast<int>(data[0]) : static_cast<int>(Id3TextReader::kUtf16);
    Id3TextReader reader(encoding);
    size_t pos = kHeaderFields;
    bool terminated = false;
    reader.read(data, size, pos, terminated);  // the content descriptor
    while (pos < size) {
        LyricsLine line;
        line.text = reader.read(data, size, pos, terminated);
        if (!terminated || size - pos < 4) break;
        line.time = decodeBigEndian(data + pos, 4);
        pos += 4;
        lines.push_back(std::move(line));
    }
    return true;
}

std::string buildSyltPayload(const std::vector<LyricsLine>& lines) {
    std::string out;
    out += '\x01';
    out += "eng";
    out += '\x02';  // milliseconds
    out += '\x01';  // lyrics
    out += "\xFF\xFE";
    out.append(2, '\0');  // empty descriptor
    for (const LyricsLine& line : lines) {
        // Each UTF-16 string carries its own mark, so that readers need not guess.
        out += "\xFF\xFE";
        appendUtf16Le(out, line.text);
        out.append(2, '\0');
        appendBigEndian(out, line.time, 4);
    }
    return out;
}

uint32_t scaleTimeForTempo(uint32_t startMs, int tempoPercent) {
    if (tempoPercent <= 0) return startMs;
    const double scaled = std::floor(static_cast<double>(startMs) * (100.0 / tempoPercent));
    return scaled >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(scaled);
}
