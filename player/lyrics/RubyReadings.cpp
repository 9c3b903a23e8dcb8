// The translation field's ruby readings through the Japanese input method's reading
// object; tests put a stand-in source in its place.
#include "player/lyrics/RubyReadings.h"

#include "toolkit/widgets/InputMethodEditor.h"
#include "toolkit/widgets/RubyMarkup.h"

namespace {

RubyReadings::SourceFactory sourceFactory = nullptr;

}  // namespace

struct RubyReadings::Impl {
    InputMethodEditor editor;
};

RubyReadings::RubyReadings() = default;

RubyReadings::~RubyReadings() {
    if (mImpl) mImpl->editor.close();
}

void RubyReadings::setSourceFactory(SourceFactory factory) { sourceFactory = factory; }

bool RubyReadings::open(const std::wstring& programId) {
    if (sourceFactory) {
        mSource = sourceFactory();
        return mSource && mSource->open(programId);
    }
    mImpl = std::make_unique<Impl>();
    return mImpl->editor.open(programId);
}

std::wstring RubyReadings::makeRubyText(const std::wstring& text) {
    if (mSource) return mSource->makeRubyText(text);
    if (!mImpl || !mImpl->editor.isOpen()) return text;
    // Bar-and-brackets ruby, the text standing on its own (offset 0).
    return mImpl->editor.makeRubyText(text, InputMethodEditor::kAozoraRuby, 0);
}

std::wstring RubyReadings::withoutRubyMarks(const std::wstring& text) {
    std::wstring out = text;
    stripRubyMarks(out);
    return out;
}
