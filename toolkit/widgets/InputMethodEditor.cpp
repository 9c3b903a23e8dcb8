#include "toolkit/widgets/InputMethodEditor.h"

#include <algorithm>

#include "foundation/system/MessageBoxes.h"
#include "toolkit/widgets/ConversionChunks.h"
#include "toolkit/widgets/JapaneseCharacters.h"
#include "toolkit/widgets/RubyMarkup.h"

namespace {

// In-process, local and remote servers.
constexpr DWORD kServerContexts = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

std::wstring failureMessage(HRESULT hr) {
    switch (hr) {
    case kFELangNoResult: return L"No result";
    case kFELangNoMoreCandidates: return L"No more candidates.";
    case kFELangInputTooLong: return L"IME input too large";
    case kFELangNoCandidates: return L"No candidates";
    default: return L"";
    }
}

// The part of `text` that a position and length from the input method name, cut to the
// text: the object's numbers are not trusted to lie inside it.
std::wstring clampedPart(const std::wstring& text, size_t pos, size_t length) {
    if (pos >= text.size()) return std::wstring();
    return text.substr(pos, std::min(length, text.size() - pos));
}

// The result's output up to its stated length, or up to its end when it is shorter.
std::wstring outputOf(const MORRSLT& result) {
    if (!result.output) return std::wstring();
    size_t length = 0;
    while (length < result.outputLength && result.output[length] != 0) ++length;
    return std::wstring(result.output, length);
}

}  // namespace

InputMethodEditor::~InputMethodEditor() {
    InputMethodEditor::close();
}

bool InputMethodEditor::open(const std::wstring& programId) {
    if (m_language && m_open && programId == m_programId) return true;
    close();
    CLSID classId = {};
    if (FAILED(::CLSIDFromString(programId.c_str(), &classId))) return false;
    void* language = nullptr;
    if (FAILED(::CoCreateInstance(classId, nullptr, kServerContexts, kIidFELanguage, &language)) || !language) {
        return false;
    }
    m_classId = classId;
    m_language = static_cast<IFELanguage*>(language);
    if (FAILED(m_language->Open())) {
        close();
        return false;
    }
    m_open = true;
    if (FAILED(m_language->GetConversionModeCaps(&m_caps))) {
        close();
        return false;
    }
    m_programId = programId;
    return true;
}

void InputMethodEditor::close() {
    if (m_language) {
        if (m_open) m_language->Close();
        m_language->Release();
        m_language = nullptr;
    }
    m_open = false;
    m_programId.clear();
}

bool InputMethodEditor::onWordReplaced(int position, int oldLength, int newLength) {
    return m_listener ? m_listener->onWordReplaced(position, oldLength, newLength) : true;
}

std::wstring InputMethodEditor::makeRubyText(const std::wstring& text, int mode, int offset) {
    if (!m_language) return std::wstring();
    if (text.size() <= kConversionChunkLength) return convertChunk(text, mode, offset);
    std::wstring out;
    for (const std::wstring& chunk : splitConversionChunks(text)) {
        out += convertChunk(chunk, mode, offset + static_cast<int>(out.size()));
    }
    return out;
}

std::wstring InputMethodEditor::convertChunk(const std::wstring& text, int mode, int offset) {
    MORRSLT* result = nullptr;
    const HRESULT hr = m_language->GetJMorphResult(kFELangRequestReverse, kFELangModeReverse,
                                                   static_cast<INT>(text.size()), text.c_str(), nullptr, &result);
    if (FAILED(hr) || !result) {
        ::CoTaskMemFree(result);  // a failing object may still have answered a block
        if (!text.empty()) showMessageW(failureMessage(hr));
        return text;
    }
    const std::wstring reading = outputOf(*result);
    std::wstring out;
    const int wordCount = result->words ? std::max(result->wordCount, 0) : 0;
    for (int i = 0; i < wordCount; ++i) {
        const MorphWord& word = result->words[i];
        const std::wstring base = clampedPart(text, word.inputPos, word.inputLength);
        const std::wstring wordReading = clampedPart(reading, word.outputPos, word.outputLength);
        appendWord(out, base, wordReading, mode, offset);
    }
    ::CoTaskMemFree(result);
    return out;
}

void InputMethodEditor::appendWord(std::wstring& out, const std::wstring& base, const std::wstring& reading,
                                   int mode, int offset) {
    if (base == reading || !japanese::needsRuby(base)) {
        out += base;
        return;
    }
    switch (mode) {
    case kHtmlRuby: out += ruby::htmlRuby(base, reading); break;
    case kAozoraRuby: out += ruby::aozoraRuby(base, reading); break;
    case kKatakanaReading: {
        const std::wstring replacement =
            japanese::isAllHiragana(reading) ? japanese::hiraganaToKatakana(reading) : reading;
        out += replacement;
        onWordReplaced(static_cast<int>(out.size()) + offset - static_cast<int>(replacement.size()),
                       static_cast<int>(base.size()), static_cast<int>(replacement.size()));
        break;
    }
    default: out += base; break;
    }
}
