#include "foundation/encoding/TextFile.h"

#include <windows.h>

#include <atomic>
#include <new>

#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextDecoding.h"
#include "foundation/encoding/TextEncoding.h"
#include "foundation/system/WindowsVersion.h"

namespace {

const DWORD kChunk = 1 << 20;

HANDLE openForReading(const std::wstring& path) {
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!isWindowsNT()) {
        file = ::CreateFileA(toString(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
        file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return file;
}

// Reads up to `size` bytes; false when a read fails. A file that shrank gives fewer bytes.
bool readAll(HANDLE file, std::string& bytes, size_t size) {
    bytes.resize(size);
    size_t done = 0;
    while (done < size) {
        DWORD wanted = static_cast<DWORD>(size - done < kChunk ? size - done : kChunk);
        DWORD read = 0;
        if (!::ReadFile(file, &bytes[done], wanted, &read, nullptr)) return false;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

// The rest of a file that began with a UTF-16LE byte-order mark, read straight into the
// text (its units are the text's characters, so there is nothing to convert): the units
// up to the first U+0000; an odd last byte is no unit.
bool readUtf16LeBody(HANDLE file, size_t size, std::wstring& text) {
    std::wstring units(size / 2, L'\0');
    size_t done = 0;
    const size_t wanted = units.size() * 2;
    char* buffer = reinterpret_cast<char*>(&units[0]);
    while (done < wanted) {
        DWORD chunk = static_cast<DWORD>(wanted - done < kChunk ? wanted - done : kChunk);
        DWORD read = 0;
        if (!::ReadFile(file, buffer + done, chunk, &read, nullptr)) return false;
        if (read == 0) break;
        done += read;
    }
    units.resize(done / 2);
    size_t nul = units.find(L'\0');
    if (nul != std::wstring::npos) units.resize(nul);
    text.swap(units);
    return true;
}

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wanted = static_cast<DWORD>(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, wanted, &written, nullptr) || written != wanted) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace

// An existing file keeps its attributes and creation time, as when it is overwritten in place.
bool replaceFileWith(const std::wstring& path, const std::wstring& temp) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    return ::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Where the longer name passes the classic path limit it takes the long-path form. The
// counter is shared by the threads that fetch and write files at the same time.
std::wstring siblingTempPath(const std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    std::wstring temp = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++counter) + L".tmp";
    if (temp.size() < MAX_PATH || temp.compare(0, 4, L"\\\\?\\") == 0) return temp;
    DWORD needed = ::GetFullPathNameW(temp.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return temp;
    std::wstring full(needed, L'\0');
    DWORD length = ::GetFullPathNameW(temp.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed) return temp;
    full.resize(length);
    if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

EncodingId readTextFile(const std::wstring& path, std::wstring& text, EncodingId wanted, bool roomToGrow) {
    HANDLE file = openForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        ::SetLastError(ERROR_SUCCESS);
        return -1;
    }
    LARGE_INTEGER size = {};
    // The whole file is held in memory twice over (bytes and text): 2 GB can't be.
    if (!::GetFileSizeEx(file, &size) || size.QuadPart >= 0x80000000LL) {
        ::CloseHandle(file);
        return -1;
    }
    if (size.QuadPart == 0) {
        ::CloseHandle(file);
        text.clear();
        return wanted == kEncodingUndefined ? kEncodingUtf16Le : wanted;
    }
    // The byte-order mark decides over the wanted encoding, as in decodeText.
    unsigned char mark[2] = {};
    DWORD markBytes = 0;
    if (size.QuadPart >= 2 && ::ReadFile(file, mark, 2, &markBytes, nullptr) && markBytes == 2 && mark[0] == 0xFF &&
        mark[1] == 0xFE) {
        std::wstring decoded;
        bool read = false;
        try {
            read = readUtf16LeBody(file, static_cast<size_t>(size.QuadPart) - 2, decoded);
        } catch (const std::bad_alloc&) {
            read = false;
        }
        ::CloseHandle(file);
        if (!read) return -1;
        text.swap(decoded);
        return kEncodingUtf16Le;
    }
    LARGE_INTEGER start = {};
    if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        ::CloseHandle(file);
        return -1;
    }
    std::string bytes;
    bool read = false;
    try {
        read = readAll(file, bytes, static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        read = false;
    }
    ::CloseHandle(file);
    if (!read) return -1;
    std::wstring decoded;
    if (roomToGrow) {
        try {
            // No narrow encoding gives more units than it has bytes.
            decoded.reserve(bytes.size() + bytes.size() / 32 + 1024);
        } catch (const std::exception&) {
            // Decoded without the spare room then.
        }
    }
    EncodingId id = decodeText(bytes.data(), bytes.size(), decoded, wanted);
    text.swap(decoded);
    return id;
}

bool writeTextFile(const std::wstring& path, const std::wstring& text, EncodingId id) {
    std::string content;
    try {
        std::string body;
        if (!encodeText(text, id, body)) return false;
        content = byteOrderMark(id);
        content += body;
    } catch (const std::bad_alloc&) {
        return false;
    }

    return writeWholeFile(path, content);
}

bool writeWholeFile(const std::wstring& path, const std::string& content) {
    // A read-only file is not ours to replace (opening it for writing would fail too).
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }

    std::wstring temp = siblingTempPath(path);
    HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(file, content);
    if (!::CloseHandle(file)) written = false;
    if (!written || !replaceFileWith(path, temp)) {
        ::DeleteFileW(temp.c_str());
        return false;
    }
    ::SetLastError(ERROR_SUCCESS);
    return true;
}
