#include <gtest/gtest.h>

#include <vector>

#include "player/lyrics/SentenceGroup.h"
#include "player/tests/LyricsTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

// For looking at the sentence table beside the sentence view by eye: run with
// --gtest_also_run_disabled_tests and take a screenshot while it waits (LYRICS_SHOW_MS).
TEST(LyricsViewsLook, DISABLED_SentenceTableBesideTheSentenceView) {
    SentenceFixture f;
    ::SetWindowPos(f.frame.m_hWnd, nullptr, 0, 0, 1180, 560, SWP_NOZORDER);
    f.frame.setVisible(true);
    f.table.setBounds(8, 8, 760, 500);
    f.table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ::SetWindowPos(f.editor.m_hWnd, nullptr, 776, 8, 380, 500, SWP_NOZORDER);
    f.editor.setPadding(4, 0, 0, 4, true);
    const wchar_t* const pairs[][2] = {
        {L"Good evening, and welcome to the news. ", L"\u3053\u3093\u3070\u3093\u306F\u3001\u30CB\u30E5\u30FC\u30B9\u3092\u304A\u4F1D\u3048\u3057\u307E\u3059\u3002"},
        {L"Heavy rain hit the west of the country today. ", L"\u4ECA\u65E5\u3001\u897F\u65E5\u672C\u3067\u5927\u96E8\u304C\u964D\u308A\u307E\u3057\u305F\u3002"},
        {L"Trains were stopped for several hours. ", L"\u96FB\u8ECA\u306F\u6570\u6642\u9593\u6B62\u307E\u308A\u307E\u3057\u305F\u3002"},
        {L"Officials say the roads will open tomorrow.\r\n", L"\u5F53\u5C40\u306F\u660E\u65E5\u9053\u8DEF\u304C\u958B\u901A\u3059\u308B\u3068\u8A00\u3063\u3066\u3044\u307E\u3059\u3002"},
        {L"In sports, the national team won again. ", L"\u30B9\u30DD\u30FC\u30C4\u3067\u306F\u3001\u4EE3\u8868\u30C1\u30FC\u30E0\u304C\u307E\u305F\u52DD\u3061\u307E\u3057\u305F\u3002"},
        {L"The coach praised the young players.\r\n", L"\u76E3\u7763\u306F\u82E5\u3044\u9078\u624B\u305F\u3061\u3092\u8912\u3081\u307E\u3057\u305F\u3002"},
        {L"That is all for tonight. ", L"\u4ECA\u591C\u306F\u4EE5\u4E0A\u3067\u3059\u3002"},
        {L"Thank you for listening.", L"\u3054\u8074\u53D6\u3042\u308A\u304C\u3068\u3046\u3054\u3056\u3044\u307E\u3057\u305F\u3002"},
    };
    std::vector<SentenceGroup> groups;
    uint32_t start = 1200;
    for (const auto& pair : pairs) {
        groups.push_back({start, start + 3300, pair[0], pair[1], L""});
        start += 3520;
    }
    groups[3].explanation = L"open: \u958B\u901A\u3059\u308B";
    f.rows.setSentenceGroups(groups);
    f.table.select(2);
    f.editor.selectSentence(2);
    f.table.setFocus();
    holdForLooking("LYRICS_SHOW_MS", 2000);
    EXPECT_TRUE(rowsInStep(f));
}

}  // namespace
