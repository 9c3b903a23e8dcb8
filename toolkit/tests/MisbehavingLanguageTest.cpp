// InputMethodEditor against a language object of the test's own that answers what it is
// told to: out-of-range positions, short readings, failures, and a record of its inputs.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/widgets/InputMethodEditor.h"
#include "toolkit/widgets/RubyMarkup.h"

namespace {

constexpr int kCountOfWords = INT_MIN;  // the word count is the number of words

struct FakeWord {
    int outputPos;
    int inputPos;
    int outputLength;
    int inputLength;
};

class FakeLanguage : public IFELanguage {
public:
    HRESULT answer = S_OK;
    bool giveResult = true;
    std::wstring output;
    int statedOutputLength = -1;  // -1: the output's own length
    std::vector<FakeWord> words;
    int statedWordCount = kCountOfWords;
    bool wholeTextAsOneWord = false;
    std::vector<std::wstring> inputs;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, kIidFELanguage)) {
            *object = static_cast<IFELanguage*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Open() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetConversionModeCaps(DWORD* caps) override {
        *caps = kFELangModeReverse;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPhonetic(BSTR, LONG, LONG, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetConversion(BSTR, LONG, LONG, BSTR*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetJMorphResult(DWORD, DWORD, INT length, const WCHAR* input, DWORD*,
                                              MORRSLT** result) override {
        inputs.emplace_back(input, static_cast<size_t>(length));
        *result = nullptr;
        if (!giveResult) return answer;
        std::vector<FakeWord> answered = words;
        std::wstring answeredOutput = output;
        if (wholeTextAsOneWord) {
            answeredOutput = inputs.back();
            answered = {{0, 0, length, length}};
        }
        // One block, as the caller frees it: record, words, output.
        const size_t outputAt = sizeof(MORRSLT) + answered.size() * sizeof(MorphWord);
        const size_t size = outputAt + (answeredOutput.size() + 1) * sizeof(WCHAR);
        auto* block = static_cast<unsigned char*>(::CoTaskMemAlloc(size));
        std::memset(block, 0, size);
        auto* record = reinterpret_cast<MORRSLT*>(block);
        auto* entries = reinterpret_cast<MorphWord*>(block + sizeof(MORRSLT));
        for (size_t i = 0; i < answered.size(); ++i) {
            entries[i].outputPos = static_cast<WORD>(answered[i].outputPos);
            entries[i].inputPos = static_cast<WORD>(answered[i].inputPos);
            entries[i].outputLength = static_cast<WORD>(answered[i].outputLength);
            entries[i].inputLength = static_cast<WORD>(answered[i].inputLength);
        }
        record->words = answered.empty() ? nullptr : entries;
        record->wordCount = statedWordCount != kCountOfWords ? statedWordCount : static_cast<INT>(answered.size());
        record->output = reinterpret_cast<WCHAR*>(block + outputAt);
        std::memcpy(record->output, answeredOutput.c_str(), answeredOutput.size() * sizeof(WCHAR));
        record->outputLength =
            static_cast<WORD>(statedOutputLength >= 0 ? statedOutputLength : static_cast<int>(answeredOutput.size()));
        *result = record;
        return answer;
    }
};

class FakeFactory : public IClassFactory {
public:
    explicit FakeFactory(FakeLanguage& language) : mLanguage(language) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** object) override {
        return mLanguage.QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    FakeLanguage& mLanguage;
};

// {6A4C2F0E-3B1D-4E57-9C2A-8F11D0B7E5A3}
constexpr CLSID kFakeClassId = {0x6A4C2F0E, 0x3B1D, 0x4E57, {0x9C, 0x2A, 0x8F, 0x11, 0xD0, 0xB7, 0xE5, 0xA3}};
const wchar_t* const kFakeClassIdText = L"{6A4C2F0E-3B1D-4E57-9C2A-8F11D0B7E5A3}";

class MisbehavingLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        takeShownMessages();
        ASSERT_HRESULT_SUCCEEDED(::CoRegisterClassObject(kFakeClassId, &factory, CLSCTX_INPROC_SERVER,
                                                         REGCLS_MULTIPLEUSE, &cookie));
        ASSERT_TRUE(ime.open(kFakeClassIdText));
    }
    void TearDown() override {
        ime.close();
        ::CoRevokeClassObject(cookie);
    }

    FakeLanguage language;
    FakeFactory factory{language};
    DWORD cookie = 0;
    InputMethodEditor ime;
};

}  // namespace

TEST_F(MisbehavingLanguage, PositionsAndLengthsBeyondTheirStringsAreCutToThem) {
    language.output = L"かんじ";
    language.words = {
        {0, 0, 3, 50},     // input length past the end: the whole input
        {1, 9, 2, 1},      // input position past the end: nothing
        {70, 0, 5, 2},     // output position past the end: an empty reading
    };
    EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"｜漢字《かんじ》｜漢字《》");
    // A stated output length longer than the output ends at the output's end.
    language.statedOutputLength = 400;
    language.words = {{0, 0, 400, 2}};
    EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"｜漢字《かんじ》");
}

TEST_F(MisbehavingLanguage, NegativeOrMissingWordsGiveNoWords) {
    language.output = L"かんじ";
    language.statedWordCount = 0x7FFFFFFF;  // no word array at all, whatever the count says
    EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"");
    language.words = {{0, 0, 3, 2}};
    language.statedWordCount = -4;
    EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"");
}

TEST_F(MisbehavingLanguage, ReadingTooShortForItsKanaGivesOneGroup) {
    // Leading kana that would use up the whole reading.
    language.output = L"お";
    language.words = {{0, 0, 1, 2}};
    EXPECT_EQ(ime.makeRubyText(L"お茶", 1, 0), L"｜お茶《お》");
    // Trailing kana with an empty reading.
    language.output = L"";
    language.words = {{0, 0, 0, 2}};
    EXPECT_EQ(ime.makeRubyText(L"食べ", 1, 0), L"｜食べ《》");
    // Both ends trimmed while the reading lasts.
    language.output = L"おちゃです";
    language.words = {{0, 0, 5, 4}};
    EXPECT_EQ(ime.makeRubyText(L"お茶です", 1, 0), L"お｜茶《ちゃ》です");
}

TEST_F(MisbehavingLanguage, FailuresShowTheirMessageAndKeepTheText) {
    struct Case {
        HRESULT answer;
        const wchar_t* message;
    };
    const Case cases[] = {{kFELangNoResult, L"No result"},
                          {kFELangNoMoreCandidates, L"No more candidates."},
                          {kFELangInputTooLong, L"IME input too large"},
                          {kFELangNoCandidates, L"No candidates"},
                          {E_FAIL, L""}};
    language.giveResult = false;
    for (const Case& c : cases) {
        language.answer = c.answer;
        EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"漢字");
        const auto shown = takeShownMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_EQ(shown[0].caption, L"Ostrelle");
    }
    EXPECT_EQ(ime.makeRubyText(L"", 1, 0), L"");
    EXPECT_TRUE(takeShownMessages().empty());
    // A failure with a result block still fails.
    language.giveResult = true;
    language.answer = E_FAIL;
    EXPECT_EQ(ime.makeRubyText(L"漢字", 1, 0), L"漢字");
    EXPECT_EQ(takeShownMessages().size(), 1u);
}

TEST_F(MisbehavingLanguage, LongTextsGoInPiecesOfAtMostAHundred) {
    language.wholeTextAsOneWord = true;
    // No break and no hiragana: cut at 100, but not between the halves of a surrogate pair.
    const std::wstring text = std::wstring(99, L'漢') + L"\U0001F600" + std::wstring(150, L'字');
    EXPECT_EQ(ime.makeRubyText(text, 1, 0), text);
    ASSERT_EQ(language.inputs.size(), 3u);
    EXPECT_EQ(language.inputs[0], std::wstring(99, L'漢'));
    EXPECT_EQ(language.inputs[1].substr(0, 2), L"\U0001F600");
    EXPECT_EQ(language.inputs[1].size(), 100u);
    std::wstring joined;
    for (const auto& input : language.inputs) {
        EXPECT_LE(input.size(), 100u);
        joined += input;
    }
    EXPECT_EQ(joined, text);
}

TEST_F(MisbehavingLanguage, LongTextsAreCutAtBreaksThenBeforeKana) {
    language.wholeTextAsOneWord = true;
    // A break after the ideographic full stop at 60.
    std::wstring text = std::wstring(59, L'漢') + L"。" + std::wstring(40, L'字') + L"の" + std::wstring(80, L'字');
    ime.makeRubyText(text, 1, 0);
    ASSERT_GE(language.inputs.size(), 2u);
    EXPECT_EQ(language.inputs[0].size(), 60u);
    // No break: before the last hiragana.
    language.inputs.clear();
    text = std::wstring(70, L'漢') + L"の" + std::wstring(100, L'字');
    ime.makeRubyText(text, 1, 0);
    ASSERT_EQ(language.inputs.size(), 3u);
    EXPECT_EQ(language.inputs[0].size(), 70u);
    EXPECT_EQ(language.inputs[1].size(), 100u);
    // Exactly 100 characters are one piece.
    language.inputs.clear();
    ime.makeRubyText(std::wstring(100, L'字'), 1, 0);
    EXPECT_EQ(language.inputs.size(), 1u);
}

TEST_F(MisbehavingLanguage, PiecesReportReplacementsWhereTheyLandInTheWhole) {
    struct Recorder : WordReplacementListener {
        bool onWordReplaced(int position, int oldLength, int newLength) override {
            positions.push_back(position);
            EXPECT_EQ(oldLength, 1);
            EXPECT_EQ(newLength, 2);
            return true;
        }
        std::vector<int> positions;
    } recorder;
    ime.setReplacementListener(&recorder);
    language.output = L"かん";
    language.words = {{0, 0, 2, 1}};
    // Two pieces, each answered with one word: the second lands after the first's
    // output, counted from where the whole text lies.
    const std::wstring text = L"漢" + std::wstring(98, L'a') + L" " + L"漢";
    EXPECT_EQ(ime.makeRubyText(text, 2, 10), L"カンカン");
    EXPECT_EQ(recorder.positions, std::vector<int>({10, 12}));
}
