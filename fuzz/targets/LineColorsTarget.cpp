// A line of a text file coloured as the editor paints it: tokens scanned for every style
// kind, then the find highlight. The first byte picks the find flags, the first line of
// the input is the find text, the rest the line.
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "texteditor/editor/LineColors.h"

namespace {

void colourLine(const uint8_t* data, size_t size) {
    if (size == 0) return;
    const std::wstring input = decodeFuzzInput(data + 1, size - 1);
    const size_t lineEnd = input.find(L'\n');
    FindInfo find;
    find.pattern = input.substr(0, lineEnd);
    find.flags = data[0] & (FindInfo::kIgnoreCase | FindInfo::kRegularExpression);
    const std::wstring line = lineEnd == std::wstring::npos ? std::wstring() : input.substr(lineEnd + 1);
    SyntaxStyleTable styles;
    for (const wchar_t* key : {L"_NUMBER", L"//", L"\"", L"http://", L"int", L"return"}) styles[key] = SyntaxStyle{1};
    std::vector<CellColors> cells;
    applySyntaxStyles(line, styles, CellColors{}, cells);
    applyFindHighlight(line, find, 2, 3, cells);
}

FuzzTargetRegistration registration({"lineColors",
                                     colourLine,
                                     {"http://", "https://", "//", "\"", "\\", "\\\"", "_", "0", "x*", "(?=a)", "^",
                                      "$", "\\b", "\r\n", "www.a.b/c?d=e"},
                                     {}});

}  // namespace
