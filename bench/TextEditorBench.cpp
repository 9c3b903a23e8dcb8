// Loads a 10 MB, 200,000-line text file into an editor window, types 1,000 characters
// at its end and 1,000 in its middle, then undoes all of them, and prints the times and
// the memory the editor took. Run it on an X display (a private Xvfb will do).
// Targets under Wine: load under 500 ms; a typed character under 1 ms of editing work
// at any position; memory under 4 times the text size.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/BenchSupport.h"
#include "texteditor/editor/TextEditor.h"

namespace {

using Clock = BenchClock;

// 200,000 lines of English words, about 50 characters each, CR LF line ends.
std::string makeFile(const std::wstring& path) {
    const char* const words[] = {"the", "news", "today", "learners", "listen", "to", "river", "a", "mountain",
                                 "report", "from", "Tokyo", "and", "students", "said", "that", "weather"};
    std::string text;
    text.reserve(10'600'000);
    unsigned seed = 7;
    for (int line = 0; line < 200000; ++line) {
        size_t start = text.size();
        while (text.size() - start < 50) {
            seed = seed * 1103515245u + 12345u;
            text += words[(seed >> 16) % 17];
            text += ' ';
        }
        text += "\r\n";
    }
    std::ofstream(path.c_str(), std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    return text;
}

struct TypingResult {
    double total = 0;
    double worst = 0;
};

TypingResult type(TextEditor& editor, uint32_t offset, int count) {
    TypingResult result;
    editor.setCaretPosition(offset);
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        ::SendMessageW(editor.m_hWnd, WM_CHAR, static_cast<WPARAM>(L'a' + i % 26), 0);
        const double spent = millisecondsSince(start);
        result.total += spent;
        result.worst = std::max(result.worst, spent);
    }
    return result;
}

}  // namespace

int main() {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"TextEditorBench.txt";
    const std::string bytes = makeFile(path);

    BaseWindow frame;
    frame.registerClass(L"TextEditorBenchFrame", nullptr, 0);
    frame.create();
    TextEditor editor;
    editor.create(frame.m_hWnd, 0, 0, 800, 600);

    const size_t before = privateBytes();
    auto start = Clock::now();
    const bool opened = editor.openFile(path);
    const double loadMs = millisecondsSince(start);
    const size_t after = privateBytes();
    if (!opened) {
        std::printf("could not open %ls\n", path.c_str());
        return 1;
    }
    const double textMB = static_cast<double>(bytes.size()) / 1e6;
    const double memoryMB = static_cast<double>(after - before) / 1e6;
    std::printf("text: %.1f MB in the file, %u characters, %u lines\n", textMB, editor.getTextLength(),
                editor.getDocument().getLastLineIndex());
    std::printf("load: %.1f ms (target < 500)\n", loadMs);
    std::printf("memory taken by the load: %.1f MB = %.2f x the file, %.2f x the wide text (target < 4)\n",
                memoryMB, memoryMB / textMB, memoryMB / (editor.getTextLength() * 2.0 / 1e6));

    const TypingResult atEnd = type(editor, editor.getTextLength(), 1000);
    std::printf("typing at the end: %.3f ms a character on average, %.3f ms at worst (target < 1)\n",
                atEnd.total / 1000, atEnd.worst);
    const TypingResult inMiddle = type(editor, editor.getTextLength() / 2, 1000);
    std::printf("typing in the middle: %.3f ms a character on average, %.3f ms at worst (target < 1)\n",
                inMiddle.total / 1000, inMiddle.worst);

    {
        // The document alone, without the editor around it.
        TextDocument document;
        document.setText(editor.getDocumentText());
        std::wstring copy = editor.getDocumentText();
        const uint32_t middle = document.getLength() / 2;
        auto t = Clock::now();
        for (int i = 0; i < 1000; ++i) document.replace(TextRange(middle + i, middle + i), L"x");
        std::printf("  of which the document: %.3f ms a character\n", millisecondsSince(t) / 1000);
        t = Clock::now();
        for (int i = 0; i < 1000; ++i) copy.insert(copy.begin() + middle + i, L'x');
        std::printf("  of which moving the text: %.3f ms a character\n", millisecondsSince(t) / 1000);
    }
    start = Clock::now();
    for (int i = 0; i < 2000; ++i) editor.undo();
    const double undoMs = millisecondsSince(start);
    std::printf("undoing the 2,000 characters: %.1f ms, %.3f ms each\n", undoMs, undoMs / 2000);
    std::printf("text back as loaded: %s\n", editor.getTextLength() == bytes.size() ? "yes" : "NO");
    editor.destroy();
    ::DeleteFileW(path.c_str());
    return 0;
}
