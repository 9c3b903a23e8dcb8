// STUB until the input-method reading component is merged: open() of the real input
// method answers false (the field then shows its plain menu). At merge, replace this
// file with one whose Impl wraps InputMethodEditor (open, makeRubyText with mode 1 and
// offset 0, close) and whose withoutRubyMarks calls stripRubyMarks.
#include "player/lyrics/RubyReadings.h"

namespace {

RubyReadings::SourceFactory sourceFactory = nullptr;

constexpr wchar_t kRubyBar = 0xFF5C;
constexpr wchar_t kReadingOpen = 0x300A;
constexpr wchar_t kReadingClose = 0x300B;

}  // namespace

struct RubyReadings::Impl {};

RubyReadings::RubyReadings() = default;
RubyReadings::~RubyReadings() = default;

void RubyReadings::setSourceFactory(SourceFactory factory) { sourceFactory = factory; }

bool RubyReadings::open(const std::wstring& programId) {
    if (sourceFactory) {
        mSource = sourceFactory();
        return mSource && mSource->open(programId);
    }
    return false;
}

std::wstring RubyReadings::makeRubyText(const std::wstring& text) {
    return mSource ? mSource->makeRubyText(text) : text;
}

std::wstring RubyReadings::withoutRubyMarks(const std::wstring& text) {
    std::wstring out;
    bool inReading = false;
    for (wchar_t c : text) {
        if (inReading) {
            inReading = c != kReadingClose;
        } else if (c == kReadingOpen) {
            inReading = true;
        } else if (c != kRubyBar) {
            out += c;
        }
    }
    return out;
}
