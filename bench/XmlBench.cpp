// XML file to tree, side by side with two peers in the same run: a 25 MB sentence-list
// file in UTF-8 (and the same document in UTF-16) read by XMLParser::parseFile, by
// pugixml's wide-character build (load_file) and by expat (streaming, no tree). Also the
// private memory the tree holds after the parse (each parser in a fresh child process)
// and the time to tear the tree down. Medians of several rounds, with the ratios the
// parser is held to: speed at least 0.3 x pugixml, memory at most 1.5 x pugixml, tear-down
// under 20 ms.
#include <windows.h>
#include <shellapi.h>

#include <expat.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/xml/XMLParser.h"

namespace {

const size_t kTargetBytes = 25 * 1024 * 1024;
const int kRounds = 9;
const int kMemoryRounds = 3;

// A sentence list as the player writes it, about `bytes` bytes as UTF-8.
std::wstring sentenceList(size_t bytes, const wchar_t* encoding) {
    std::wstring text = std::wstring(L"<?xml version=\"1.0\" encoding=\"") + encoding +
                        L"\"?>\r\n<SentenceList audio=\"lesson.mp3\">\r\n"
                        L"\t<WordList></WordList>\r\n\t<id3 title=\"News &amp; Views\" year=\"2026\" />\r\n";
    // The Japanese line is 22 characters of 3 UTF-8 bytes each.
    for (unsigned group = 0; text.size() + 44 * (group + 1) < bytes; ++group) {
        text += L"\t<SentenceGroup endTime=\"" + std::to_wstring(group * 3000 + 2900) + L"\" startTime=\"" +
                std::to_wstring(group * 3000) + L"\">\r\n";
        text += L"\t\t<sentence>\r\n\t\t\t<![CDATA[The quick brown fox jumps over the lazy dog, sentence " +
                std::to_wstring(group) + L".]]>\r\n\t\t</sentence>\r\n";
        text += L"\t\t<translation>\r\n\t\t\t<![CDATA[\u3059\u3070\u3084\u3044\u8336\u8272\u306E\u72D0\u304C"
                L"\u306E\u308D\u307E\u306A\u72AC\u3092\u98DB\u3073\u8D8A\u3048\u308B\u3002\u3002\u3002]]>\r\n"
                L"\t\t</translation>\r\n";
        text += L"\t</SentenceGroup>\r\n";
    }
    return text + L"</SentenceList>";
}

size_t fileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.nFileSizeLow;
}

std::string readBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = ::GetFileSize(file, nullptr);
    bytes.resize(size);
    DWORD read = 0;
    ::ReadFile(file, &bytes[0], size, &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Counts what expat reports, so that the peer does the work a tree builder would see.
struct ExpatCounts {
    size_t elements = 0;
    size_t characters = 0;
};

void XMLCALL expatStart(void* data, const XML_Char*, const XML_Char**) {
    ++static_cast<ExpatCounts*>(data)->elements;
}
void XMLCALL expatEnd(void*, const XML_Char*) {}
void XMLCALL expatCharacters(void* data, const XML_Char*, int length) {
    static_cast<ExpatCounts*>(data)->characters += static_cast<size_t>(length);
}

size_t parseWithExpat(const std::wstring& path) {
    std::string bytes = readBytes(path);
    ExpatCounts counts;
    XML_Parser parser = ::XML_ParserCreate(nullptr);
    ::XML_SetUserData(parser, &counts);
    ::XML_SetElementHandler(parser, expatStart, expatEnd);
    ::XML_SetCharacterDataHandler(parser, expatCharacters);
    if (::XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_ERROR) counts.elements = 0;
    ::XML_ParserFree(parser);
    return counts.elements;
}

size_t countElements(const Element* element) {
    size_t count = 1;
    for (const Node* n = element->getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        count += countElements(static_cast<const Element*>(n));
    }
    return count;
}

size_t countNodes(const pugi::xml_node& node) {
    size_t count = 1;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) count += countNodes(child);
    return count;
}

// Child-process mode: parses the file with one parser and exits with the growth of the
// private memory in KB while the tree is alive.
int measureMemory(const std::wstring& which, const std::wstring& path) {
    size_t before = privateBytes();
    size_t after = before;
    if (which == L"ours") {
        XMLParser parser;
        if (!parser.parseFile(path)) return 0;
        after = privateBytes();
    } else {
        pugi::xml_document document;
        if (!document.load_file(path.c_str())) return 0;
        after = privateBytes();
    }
    return static_cast<int>((after - before) / 1024);
}

// Runs this program in memory mode; the answer is its exit code in KB.
double childMemoryMb(const std::wstring& which, const std::wstring& path) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --memory " + which + L" \"" + path + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return 0;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return static_cast<double>(code) / 1024.0;
}

struct Figures {
    double oursParse;
    double pugiParse;
    double expatParse;
    double oursTeardown;
    double pugiTeardown;
};

Figures measureSpeed(const std::wstring& path) {
    std::vector<double> oursParse, pugiParse, expatParse, oursTeardown, pugiTeardown;
    size_t oursCount = 0, pugiCount = 0, expatCount = 0;
    for (int round = 0; round < kRounds; ++round) {
        {
            auto* parser = new XMLParser;
            auto start = BenchClock::now();
            bool parsed = parser->parseFile(path);
            oursParse.push_back(millisecondsSince(start));
            oursCount = parsed ? countElements(parser->getRootElement()) : 0;
            start = BenchClock::now();
            delete parser;
            oursTeardown.push_back(millisecondsSince(start));
        }
        {
            auto* document = new pugi::xml_document;
            auto start = BenchClock::now();
            bool parsed = static_cast<bool>(document->load_file(path.c_str()));
            pugiParse.push_back(millisecondsSince(start));
            pugiCount = parsed ? countNodes(document->document_element()) : 0;
            start = BenchClock::now();
            delete document;
            pugiTeardown.push_back(millisecondsSince(start));
        }
        {
            auto start = BenchClock::now();
            expatCount = parseWithExpat(path);
            expatParse.push_back(millisecondsSince(start));
        }
    }
    std::printf("  nodes: ours %u, pugixml %u; expat elements %u\n", static_cast<unsigned>(oursCount),
                static_cast<unsigned>(pugiCount), static_cast<unsigned>(expatCount));
    return Figures{median(oursParse), median(pugiParse), median(expatParse), median(oursTeardown),
                   median(pugiTeardown)};
}

void reportFile(const char* label, const std::wstring& path, double speedGoal) {
    double mb = static_cast<double>(fileSize(path)) / 1048576.0;
    std::printf("%s: %.1f MB, medians of %d rounds\n", label, mb, kRounds);
    Figures f = measureSpeed(path);
    std::printf("  parse to tree   ours %7.1f ms %7.1f MB/s | pugixml %7.1f ms %7.1f MB/s | expat %7.1f ms %7.1f MB/s\n",
                f.oursParse, mb * 1000.0 / f.oursParse, f.pugiParse, mb * 1000.0 / f.pugiParse, f.expatParse,
                mb * 1000.0 / f.expatParse);
    std::printf("  speed ratio ours/pugixml %.2f (goal at least %.2f): %s\n", f.pugiParse / f.oursParse, speedGoal,
                f.pugiParse / f.oursParse >= speedGoal ? "met" : "NOT MET");
    std::printf("  tear-down       ours %7.1f ms | pugixml %7.1f ms (goal under 20 ms): %s\n", f.oursTeardown,
                f.pugiTeardown, f.oursTeardown < 20.0 ? "met" : "NOT MET");
    std::vector<double> ours, pugi;
    for (int round = 0; round < kMemoryRounds; ++round) {
        ours.push_back(childMemoryMb(L"ours", path));
        pugi.push_back(childMemoryMb(L"pugixml", path));
    }
    double oursMb = median(ours);
    double pugiMb = median(pugi);
    std::printf("  private memory of the tree: ours %.1f MB | pugixml %.1f MB; ratio %.2f (goal at most 1.50): %s\n",
                oursMb, pugiMb, oursMb / pugiMb, oursMb / pugiMb <= 1.5 ? "met" : "NOT MET");
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argc == 4 && std::wstring(argv[1]) == L"--memory") return measureMemory(argv[2], argv[3]);

    wchar_t tempPath[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, tempPath);
    std::wstring utf8Path = std::wstring(tempPath) + L"corvanta-xmlbench-utf8.xml";
    std::wstring utf16Path = std::wstring(tempPath) + L"corvanta-xmlbench-utf16.xml";
    writeTextFile(utf8Path, sentenceList(kTargetBytes, L"UTF-8"), kEncodingUtf8Bom);
    writeTextFile(utf16Path, sentenceList(kTargetBytes, L"UTF-16"), kEncodingUtf16Le);

    // Goals: 0.3 x pugixml's wide build in both encodings.
    reportFile("UTF-8 sentence list", utf8Path, 0.3);
    reportFile("UTF-16 sentence list", utf16Path, 0.3);

    ::DeleteFileW(utf8Path.c_str());
    ::DeleteFileW(utf16Path.c_str());
    return 0;
}
