// Random patterns compiled and matched against random text. The first line of the input
// is the pattern, the rest the text; the first byte picks the flags.
#include "foundation/regex/RegexContext.h"
#include "foundation/regex/Regexp.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

void compileAndMatch(const uint8_t* data, size_t size) {
    if (size == 0) return;
    const int flags = data[0] & (SINGLELINE | MULTILINE | GLOBAL | IGNORECASE | RIGHTTOLEFT | EXTENDED);
    std::wstring input = decodeFuzzInput(data + 1, size - 1);
    size_t lineEnd = input.find(L'\n');
    std::wstring pattern = input.substr(0, lineEnd);
    std::wstring text = lineEnd == std::wstring::npos ? std::wstring() : input.substr(lineEnd + 1);
    CRegexp regex(pattern, flags);
    // The engine ends any search after its step budget; a smaller budget here keeps each
    // input well under the harness's one-second limit while still reaching that path.
    CContext context;
    context.setStepLimit(2000000);
    MatchResultT result = regex.match(text.c_str(), static_cast<int>(text.size()), -1, &context);
    regex.replace(text, L"[$1|$&|${name}|$$]", -1, 8, nullptr, &context);
    (void)result;
}

const std::vector<std::string> kRegexTokens = {
    "(", ")", "(?:", "(?=", "(?!", "(?<=", "(?<!", "(?<name>", "\\k<name>", "(?(1)", "(?R)", "(?1)", "*", "+", "?",
    "*?", "+?", "??", "*+", "++", "{2,5}", "{3}", "{,}", "[", "]", "[^a-z]", "\\b", "\\B", "\\d", "\\w", "\\s", "\\1",
    "\\2", "^", "$", ".", "|", "\\", "\\x41", "\\u3042", "(a*)*", "(?:)*", "(\\b)+"};

FuzzTargetRegistration regex({"regex", compileAndMatch, kRegexTokens, {"fuzz/seeds/regex"}});

}  // namespace
