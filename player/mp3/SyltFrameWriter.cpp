#include "player/mp3/SyltFrameWriter.h"

#include <new>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/MessageBoxes.h"

namespace {

const wchar_t kFileBusy[] = L"このファイルは使用中です";
const wchar_t kAudioTooLarge[] = L"メモリーの確保に失敗しました。MP3 データのサイズが大きすぎるかもしれません。";
const wchar_t kLyricsTooLarge[] = L"メモリーの確保に失敗しました。歌詞データサイズが異常かもしれません。";

enum class ReadResult { kRead, kEmpty, kBusy, kTooLarge };

// The whole file, read while nobody else may write it.
ReadResult readExclusively(const std::wstring& path, std::string& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReadResult::kBusy;
    LARGE_INTEGER size = {};
    ReadResult result = ReadResult::kRead;
    if (!::GetFileSizeEx(file, &size)) {
        result = ReadResult::kBusy;
    } else if (size.QuadPart == 0) {
        result = ReadResult::kEmpty;
    } else if (size.QuadPart >= 0x40000000LL) {
        // The file and its rewritten copy must both fit in the 32-bit address space.
        result = ReadResult::kTooLarge;
    } else {
        try {
            bytes.resize(static_cast<size_t>(size.QuadPart));
        } catch (const std::bad_alloc&) {
            result = ReadResult::kTooLarge;
        }
    }
    size_t done = 0;
    while (result == ReadResult::kRead && done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file, &bytes[done], static_cast<DWORD>(bytes.size() - done), &got, nullptr) || got == 0) {
            result = ReadResult::kBusy;
        }
        done += got;
    }
    ::CloseHandle(file);
    return result;
}

bool fail(const wchar_t* message, HWND owner) {
    showMessageW(message, owner);
    return false;
}

}  // namespace

bool writeSyltFrame(const std::wstring& mp3Path, const std::vector<LyricsLine>& sentences, int tempoPercent,
                    const MP3_ID3Manager& fallbackTag, HWND owner) {
    std::string original;
    switch (readExclusively(mp3Path, original)) {
    case ReadResult::kRead: break;
    case ReadResult::kEmpty: return false;
    case ReadResult::kBusy: return fail(kFileBusy, owner);
    case ReadResult::kTooLarge: return fail(kAudioTooLarge, owner);
    }

    std::string payload;
    try {
        std::vector<LyricsLine> lines = sentences;
        for (LyricsLine& line : lines) line.time = scaleTimeForTempo(line.time, tempoPercent);
        payload = buildSyltPayload(lines);
    } catch (const std::bad_alloc&) {
        return fail(kLyricsTooLarge, owner);
    }

    MP3_ID3Manager tag;
    size_t audioStart = 0;
    if (tag.parse(reinterpret_cast<const uint8_t*>(original.data()), original.size())) {
        audioStart = static_cast<size_t>(tag.getAudioOffset());
    } else {
        tag.copyTag(fallbackTag);
    }
    tag.setOnlyFrame(tag.getMajorVersion() == 2 ? "SLT" : "SYLT", reinterpret_cast<const uint8_t*>(payload.data()),
                     static_cast<uint32_t>(payload.size()));

    std::string rewritten;
    try {
        rewritten = tag.writeTag();
        if (rewritten.empty()) return fail(kLyricsTooLarge, owner);
        rewritten.append(original, audioStart, std::string::npos);
    } catch (const std::bad_alloc&) {
        return fail(kAudioTooLarge, owner);
    }
    if (!writeWholeFile(mp3Path, rewritten)) return fail(kFileBusy, owner);
    return true;
}
