#include <gtest/gtest.h>

#include "texteditor/editor/ReplacementEscapes.h"
#include "texteditor/tests/EditorTestSupport.h"

namespace {

FindInfo request(const std::wstring& pattern, const TextEditor& editor, uint32_t flags = 0) {
    FindInfo info;
    info.pattern = pattern;
    info.flags = flags | FindInfo::kRegularExpression;
    const TextRange selection = editor.getSelection();
    const bool backward = (flags & FindInfo::kBackward) != 0;
    info.first = backward ? selection.end : selection.start;
    info.second = backward ? selection.start : selection.end;
    return info;
}

// Runs a search from the editor's current selection and answers the new selection.
TextRange findFrom(TextEditor& editor, const std::wstring& pattern, uint32_t flags = 0) {
    editor.find(request(pattern, editor, flags));
    return editor.getSelection();
}

}  // namespace

TEST(TextEditorFind, ForwardFindsTheNextOccurrenceEachTimeAndNeverWraps) {
    EditorFixture f;
    f.editor.setText(L"cat dog cat dog cat");
    f.editor.select(1, 1);
    EXPECT_EQ(findFrom(f.editor, L"cat"), TextRange(8, 11));
    EXPECT_EQ(findFrom(f.editor, L"cat"), TextRange(16, 19)) << "the selection is a match: search on from its end";
    EXPECT_EQ(findFrom(f.editor, L"cat"), TextRange(16, 19)) << "no wrap to the start";
    EXPECT_EQ(f.editor.getSelectionState().anchor, 16u);
    EXPECT_EQ(f.editor.getSelectionState().caret, 19u);
    EXPECT_FALSE(f.editor.find(request(L"bird", f.editor)));
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 19)) << "a search that fails leaves the selection";
}

TEST(TextEditorFind, BackwardSearchesLeftFromTheSelection) {
    EditorFixture f;
    f.editor.setText(L"cat dog cat dog cat");
    f.editor.select(14, 14);
    EXPECT_EQ(findFrom(f.editor, L"cat", FindInfo::kBackward), TextRange(8, 11));
    EXPECT_EQ(findFrom(f.editor, L"cat", FindInfo::kBackward), TextRange(0, 3));
    EXPECT_EQ(findFrom(f.editor, L"cat", FindInfo::kBackward), TextRange(0, 3));
}

TEST(TextEditorFind, CaseIsIgnoredOnlyWhenAsked) {
    EditorFixture f;
    f.editor.setText(L"The CAT sat");
    f.editor.select(0, 0);
    EXPECT_FALSE(f.editor.find(request(L"cat", f.editor)));
    EXPECT_EQ(findFrom(f.editor, L"cat", FindInfo::kIgnoreCase), TextRange(4, 7));
    f.editor.select(0, 0);
    EXPECT_EQ(findFrom(f.editor, L"^the\\s+(\\w+)", FindInfo::kIgnoreCase), TextRange(0, 7)) << "a regular expression";
}

TEST(TextEditorFind, APatternThatMatchesNothingMovesOnInsteadOfStaying) {
    EditorFixture f;
    f.editor.setText(L"ab\r\ncd");
    f.editor.select(0, 0);
    // "x*" matches the empty string everywhere: each Find must still get further.
    EXPECT_EQ(findFrom(f.editor, L"x*"), TextRange(1, 1));
    EXPECT_EQ(findFrom(f.editor, L"x*"), TextRange(2, 2));
    f.editor.select(6, 6);
    EXPECT_EQ(findFrom(f.editor, L"^", FindInfo::kBackward), TextRange(4, 4));
}

TEST(TextEditorFind, MalformedPatternsTypedByTheUserDoNoHarm) {
    EditorFixture f;
    f.editor.setText(L"a (b) [c] {d} \\e");
    for (const wchar_t* pattern : {L"(", L")", L"[", L"[z-a]", L"a{3,1}", L"\\", L"(?<", L"*", L"+?+", L"(?(1)a|b|c)",
                                   L"\\k<nope>", L"$0$"}) {
        f.editor.select(0, 0);
        f.editor.find(request(pattern, f.editor));
        f.editor.replace(request(pattern, f.editor), L"$1\\");
        f.editor.replaceAll(request(pattern, f.editor, FindInfo::kBackward), L"${x}");
        f.editor.undo();
    }
    SUCCEED();
}

TEST(TextEditorReplace, ReplacesTheSelectedMatchThenSelectsTheNext) {
    EditorFixture f;
    f.editor.setText(L"one 1, two 2, three 3");
    f.editor.select(0, 0);
    EXPECT_FALSE(f.editor.replace(request(L"(\\w+) (\\d)", f.editor), L"$2=$1"))
        << "the selection is no match: only the next one is selected";
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 5));
    EXPECT_TRUE(f.editor.replace(request(L"(\\w+) (\\d)", f.editor), L"$2=$1"));
    EXPECT_EQ(f.text(), L"1=one, two 2, three 3");
    EXPECT_EQ(f.editor.getSelection(), TextRange(7, 12));
    EXPECT_TRUE(f.editor.undo());
    EXPECT_EQ(f.text(), L"one 1, two 2, three 3");
}

TEST(TextEditorReplace, BackwardReplaceDoesNotFindItsOwnReplacement) {
    EditorFixture f;
    f.editor.setText(L"a-a");
    f.editor.select(3, 3);
    f.editor.replace(request(L"a", f.editor, FindInfo::kBackward), L"aa");  // selects the last "a"
    EXPECT_TRUE(f.editor.replace(request(L"a", f.editor, FindInfo::kBackward), L"aa"));
    EXPECT_EQ(f.text(), L"a-aa");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 1));
}

TEST(TextEditorReplace, EmptyMatchesAreReplacedOnceEach) {
    EditorFixture f;
    f.editor.setText(L"ab");
    f.editor.select(0, 0);
    EXPECT_TRUE(f.editor.replace(request(L"x*", f.editor), L""));  // the caret is an empty match
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 1)) << "moves on past the empty match";
    f.editor.select(0, 2);
    EXPECT_TRUE(f.editor.replace(request(L"\\w*", f.editor), L"<$0>"));
    EXPECT_EQ(f.text(), L"<ab>") << "the match is expanded once, not once per match inside it";
}

TEST(TextEditorReplace, ReplaceAllIsOneUndoStepEvenWhenNothingMatches) {
    EditorFixture f;
    f.editor.setText(L"red green red\r\nred");
    f.editor.select(5, 5);
    EXPECT_TRUE(f.editor.replaceAll(request(L"RED", f.editor, FindInfo::kIgnoreCase), L"blue"));
    EXPECT_EQ(f.text(), L"blue green blue\r\nblue");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));
    EXPECT_TRUE(f.editor.undo());
    EXPECT_EQ(f.text(), L"red green red\r\nred");

    const int before = f.editor.getHistory().getPosition();
    f.editor.select(7, 7);
    EXPECT_TRUE(f.editor.replaceAll(request(L"purple", f.editor), L"x"));
    EXPECT_EQ(f.editor.getHistory().getPosition(), before + 1);
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));

    EXPECT_TRUE(f.editor.replaceAll(request(L"x*", f.editor), L"-"));
    EXPECT_EQ(f.text().substr(0, 4), L"-r-e") << "an empty-matching pattern ends";
    EXPECT_FALSE(f.editor.replaceAll(request(L"", f.editor), L"-"));
}

TEST(ReplacementEscapes, BackslashSequencesBecomeCharacters) {
    const struct {
        const wchar_t* typed;
        const wchar_t* meant;
    } cases[] = {
        {L"a\\tb", L"a\tb"},   {L"\\r\\n", L"\r\n"},  {L"\\\\n", L"\\n"}, {L"\\$", L"$"},
        {L"end\\", L"end\\"},  {L"\\", L"\\"},         {L"", L""},         {L"\\q", L"q"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeEscapes(c.typed), c.meant) << c.typed;
}

TEST(TextEditorReplace, TabEscapeAndDoubledBackslashReachTheText) {
    EditorFixture f;
    f.editor.setText(L"a,b");
    f.editor.replaceAll(request(L",", f.editor), L"\\t");
    EXPECT_EQ(f.text(), L"a\tb");
    f.editor.replaceAll(request(L"\\t", f.editor), L"\\\\n");
    EXPECT_EQ(f.text(), L"a\\nb");
}
