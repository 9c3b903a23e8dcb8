#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <windows.h>
#include <commctrl.h>

#include "app/mainwindow/EditorFace.h"
#include "app/tests/MainWindowTestSupport.h"
#include "player/lyrics/TimeText.h"
#include "player/settings/Settings.h"
#include "player/tests/AudioTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "toolkit/graphics/FontManager.h"

namespace {

RECT boundsIn(HWND window, HWND parent) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring frameTitle(HWND frame) {
    std::wstring title(static_cast<size_t>(::GetWindowTextLengthW(frame)) + 1, L'\0');
    title.resize(static_cast<size_t>(::GetWindowTextW(frame, &title[0], static_cast<int>(title.size()))));
    return title;
}

const std::vector<std::pair<std::string, uint32_t>> kFourLines = {
    {"One. ", 0}, {"Two. ", 800}, {"Three. ", 1600}, {"Four.", 2400}};

}  // namespace

TEST_F(MainWindowTest, LaysTheControlsOutAtSeveralSizes) {
    struct Size {
        int width;
        int height;
        bool explanation;
    };
    for (const Size& size : {Size{640, 480, false}, Size{1000, 700, false}, Size{801, 555, true}}) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        if (main->isExplanationShown() != size.explanation) {
            ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kExplanationCommand, 0);
        }
        frame->setClientSize(size.width, size.height);
        const RECT client = main->getClientRect();
        ASSERT_EQ(client.right, size.width);
        ASSERT_EQ(client.bottom, size.height);
        const int W = size.width, H = size.height, h = H - 136;
        const HWND parent = main->m_hWnd;
        const int e = W - main->getChannelPane().getWidth();
        const RECT pane = boundsIn(main->getChannelPane().m_hWnd, parent);
        EXPECT_EQ(pane.right, W);
        EXPECT_EQ(pane.bottom, h);
        const RECT view = boundsIn(main->getSentenceView().m_hWnd, parent);
        EXPECT_EQ(view.right, e);
        EXPECT_EQ(view.bottom, size.explanation ? h / 2 : h);
        const RECT explanation = boundsIn(main->getExplanationPane().m_hWnd, parent);
        EXPECT_EQ(explanation.top, h / 2 + 1);
        EXPECT_EQ(explanation.bottom - explanation.top, h / 2 + h % 2 - 1);
        EXPECT_EQ(boundsIn(main->getToolBand().m_hWnd, parent).right, W - 160);
        const RECT tempo = boundsIn(main->getTempoField().m_hWnd, parent);
        const RECT pitch = boundsIn(main->getPitchField().m_hWnd, parent);
        // At W - 156, or further left when the two fields' texts need more room.
        EXPECT_EQ(tempo.left, std::min<long>(W - 156, W - (pitch.right - tempo.left)));
        EXPECT_LE(pitch.right, W);
        EXPECT_EQ(tempo.top, H - 135);
        EXPECT_EQ(boundsIn(main->getPitchField().m_hWnd, parent).left, tempo.right + 4);
        const RECT translation = boundsIn(main->getTranslationField().m_hWnd, parent);
        EXPECT_EQ(translation.top, H - 113);
        EXPECT_EQ(translation.right, W);
        const RECT play = boundsIn(main->getPlayButton().m_hWnd, parent);
        EXPECT_EQ(play.left, 68);
        EXPECT_EQ(play.top, H - 24);
        const RECT stop = boundsIn(main->getStopButton().m_hWnd, parent);
        EXPECT_EQ(stop.left, (play.right - play.left) + 72);
        const int x = stop.right + 4;
        const int a = W - x - (tempo.right - tempo.left) + 6;
        const RECT slider = boundsIn(main->getTimeSlider().m_hWnd, parent);
        EXPECT_EQ(slider.left, x);
        EXPECT_EQ(slider.right, x + a - 50 - 4);
        EXPECT_EQ(boundsIn(main->getVolumeSlider().m_hWnd, parent).left, x + a - 50);
        const RECT label = boundsIn(main->getPositionLabel().m_hWnd, parent);
        EXPECT_EQ(label.left, std::min<long>(x + a + 4, W - (label.right - label.left)));
        EXPECT_EQ(label.top, H - 20);
    }
}

TEST_F(MainWindowTest, OpensAnMp3WithItsSyltLines) {
    const std::wstring path = writeMp3WithSylt(dir.file(L"sylt.mp3"), kFourLines);
    ASSERT_TRUE(main->openFile(path));
    EXPECT_EQ(main->getAudioPath(), path);
    EXPECT_EQ(main->getLyricsPath(), dir.file(L"sylt.xml"));
    ASSERT_EQ(main->getLyricsTable().getItemCount(), 4);
    EXPECT_EQ(main->getRows().getStartText(2), L"00:01:60");
    EXPECT_EQ(main->getSentenceView().getTextCopy(), L"One. Two. Three. Four.");
    EXPECT_TRUE(main->getPlayButton().isEnabled());
    EXPECT_FALSE(main->getStopButton().isEnabled());
    EXPECT_EQ(main->getTimeSlider().getMaximum(), 300);
    EXPECT_EQ(main->getPositionLabel().getText(), L"00:00/00:03");
    EXPECT_EQ(frameTitle(frame->m_hWnd).find(path), 0u);
    EXPECT_EQ(main->getRows().getSelectedRow(), 0);
}

TEST_F(MainWindowTest, OpensAnMp3WithTheSentenceListBesideItBeforeItsSylt) {
    const std::wstring path = writeMp3WithSylt(dir.file(L"listed.mp3"), kFourLines);
    writeSentenceList(dir.file(L"listed.xml"), L"listed.mp3",
                      {{L"00:00:50", L"00:01:20", L"Listed one. ", L"\u4e00"}, {L"00:01:50", L"", L"Listed two.", L"\u4e8c"}});
    ASSERT_TRUE(main->openFile(path));
    ASSERT_EQ(main->getLyricsTable().getItemCount(), 2);
    EXPECT_EQ(main->getSentenceView().getTextCopy(), L"Listed one. Listed two.");
    EXPECT_EQ(main->getLyricsPath(), dir.file(L"listed.xml"));
    EXPECT_EQ(main->getTranslationField().getTextCopy(), L"\u4e00");

    // Opening the list itself finds the audio file it names.
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"plain.mp3"))));
    ASSERT_TRUE(main->openFile(dir.file(L"listed.xml")));
    EXPECT_EQ(main->getAudioPath(), path);
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 2);
}

TEST_F(MainWindowTest, OpensAnMp3WithUsltTextOrWithNothing) {
    const std::wstring uslt = writeMp3WithUslt(dir.file(L"uslt.mp3"), "First sentence. Second one.");
    ASSERT_TRUE(main->openFile(uslt));
    ASSERT_EQ(main->getLyricsTable().getItemCount(), 2);
    EXPECT_EQ(main->getRows().getStartText(1), L"00:00:00");

    const std::wstring plain = writePlainMp3(dir.file(L"plain.mp3"));
    ASSERT_TRUE(main->openFile(plain));
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 0);
    EXPECT_EQ(main->getSentenceView().getTextLength(), 0u);
    EXPECT_EQ(main->getLyricsPath(), dir.file(L"plain.xml"));
}

TEST_F(MainWindowTest, AFileThatDoesNotPlayLeavesNothingThatCouldBeSaved) {
    ASSERT_TRUE(main->openFile(writeMp3WithSylt(dir.file(L"good.mp3"), kFourLines)));
    // A tag with lyrics in front of bytes no decoder takes.
    const std::wstring broken = dir.file(L"broken.mp3");
    id3test::writeBytes(broken, id3test::tagBytes(3, 0, id3test::frame(3, "USLT", std::string("\0eng\0Other.", 11))) +
                                    std::string(4000, 'x'));
    EXPECT_FALSE(main->openFile(broken));
    EXPECT_TRUE(main->getAudioPath().empty());
    EXPECT_TRUE(main->getLyricsPath().empty());
    EXPECT_FALSE(main->getPlayButton().isEnabled());
    takeShownMessages();
    setMessageBoxAnswer(IDYES);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kSaveCommand, 0);
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_EQ(main->writes, 0);
}

TEST_F(MainWindowTest, AFileThatCannotBeReadKeepsThePreviousFile) {
    const std::wstring good = writeMp3WithSylt(dir.file(L"good.mp3"), kFourLines);
    ASSERT_TRUE(main->openFile(good));
    EXPECT_FALSE(main->openFile(dir.file(L"missing.mp3")));
    EXPECT_FALSE(main->openFile(dir.file(L"notes.txt")));
    EXPECT_EQ(main->getAudioPath(), good);
    EXPECT_EQ(main->getLyricsPath(), dir.file(L"good.xml"));
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 4);
}

class MainWindowPlayback : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(main->openFile(writeMp3WithSylt(dir.file(L"lesson.mp3"), kFourLines)));
    }
};

TEST_F(MainWindowPlayback, PlayFollowsTheSentencesInRealTime) {
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kPlayCommand, 0);
    ASSERT_EQ(main->getPlayButton().getText(), L"Pause");
    EXPECT_TRUE(main->getStopButton().isEnabled());
    struct Change {
        int sentence;
        unsigned position;
    };
    std::vector<Change> changes;
    int last = -2;
    pumpFor(3600, [&] {
        const int shown = shownSentence(*main);
        if (shown != last) changes.push_back({shown, main->getPlayer().getPosition()});
        last = shown;
    });
    ASSERT_EQ(changes.size(), 4u);
    const unsigned starts[] = {0, 800, 1600, 2400};
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(changes[i].sentence, static_cast<int>(i));
        // Shown once the position passed its start, within a few ticks.
        if (i > 0) {
            EXPECT_GE(changes[i].position, starts[i]);
            EXPECT_LT(changes[i].position, starts[i] + 400);
        }
    }
    // At the end timer 2 finds the player stopped and rewinds.
    EXPECT_EQ(main->getPlayButton().getText(), L"Play");
    EXPECT_FALSE(main->getStopButton().isEnabled());
    EXPECT_EQ(main->getPlayer().getPosition(), 0u);
}

TEST_F(MainWindowPlayback, PlayingOneSentenceStopsAtItsEnd) {
    main->selectRow(1);
    const DWORD began = ::GetTickCount();
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kPlaySentenceCommand, 0);
    EXPECT_EQ(main->getPlayingStart(), 800u);
    EXPECT_EQ(main->getPlayingEnd(), 1600u);
    EXPECT_FALSE(main->getPlayButton().isEnabled());
    ASSERT_TRUE(pumpUntil([&] { return main->isStopped(); }, 3000));
    const DWORD took = ::GetTickCount() - began;
    EXPECT_GT(took, 500u);
    EXPECT_LT(took, 1300u);
    const unsigned at = main->getPlayer().getPosition();
    EXPECT_GE(at, 1600u);
    EXPECT_LT(at, 2000u);
    EXPECT_TRUE(main->getPlayButton().isEnabled());
    EXPECT_EQ(main->getPlayButton().getText(), L"Play");
}

TEST_F(MainWindowPlayback, ARowClickSeeksThePlayingFile) {
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kPlayCommand, 0);
    pumpFor(150);
    // The learner pins the sentence table open first.
    ChannelPane& pane = main->getChannelPane();
    pane.select(0, true);
    pane.setExpanded(true);
    pane.relayoutParent();
    pumpMessages();
    LyricsTable& table = main->getLyricsTable();
    ASSERT_GT(table.getWidth(), 100);
    const int x = table.getColumn(LyricsTable::kSentenceColumn).getX() + 10;
    const int y = table.getHeaderHeight() + 2 * table.getRowHeight() + table.getRowHeight() / 2;
    // The window procedure takes the point from the cursor, as for a real click.
    POINT screen{x, y};
    ::ClientToScreen(table.m_hWnd, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(table.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(table.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    ASSERT_EQ(main->getRows().getSelectedRow(), 2);
    const unsigned at = main->getPlayer().getPosition();
    EXPECT_GE(at, 1500u);
    EXPECT_LT(at, 1800u);
    EXPECT_EQ(shownSentence(*main), 2);
}

TEST_F(MainWindowPlayback, ARowClickWhileStoppedMovesTheSliderButARowWithoutStartDoesNot) {
    main->selectRow(3);
    EXPECT_EQ(main->getTimeSlider().getValue(), 240);
    EXPECT_EQ(main->getPositionLabel().getText(), L"00:02/00:03");
    main->getRows().shiftStartTimes(-240);  // row 3 now starts at 0
    main->selectRow(1);
    main->selectRow(3);
    EXPECT_EQ(shownSentence(*main), 3);
    EXPECT_EQ(main->getTimeSlider().getValue(), 80);
}

TEST_F(MainWindowPlayback, TheTitleMarksModifiedSentences) {
    EXPECT_NE(frameTitle(frame->m_hWnd).find(L"lesson.mp3 - "), std::wstring::npos);
    EXPECT_NE(frameTitle(frame->m_hWnd).substr(0, 2), L"* ");
    main->getSentenceView().setCaretPosition(0);
    main->getSentenceView().replaceSelection(L"Uno. ");
    EXPECT_EQ(frameTitle(frame->m_hWnd).substr(0, 2), L"* ");
    setMessageBoxAnswer(IDYES);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kSaveCommand, 0);
    EXPECT_NE(readFileBytes(dir.file(L"lesson.xml")).find(id3test::utf16le(L"Three. ")), std::string::npos);
    EXPECT_NE(frameTitle(frame->m_hWnd).substr(0, 2), L"* ");
}

TEST_F(MainWindowPlayback, UndoRightAfterOpeningLeavesTheLessonsText) {
    LyricsTextEditor& view = main->getSentenceView();
    ::SendMessageW(view.m_hWnd, WM_UNDO, 0, 0);
    EXPECT_EQ(view.getTextCopy(), L"One. Two. Three. Four.");
    ::SendMessageW(view.m_hWnd, EM_REDO, 0, 0);
    EXPECT_FALSE(main->isModified());
    EXPECT_FALSE(view.isModified());
}

TEST_F(MainWindowPlayback, ALongPathMakesAWholeTitle) {
    const std::wstring longPath = L"C:\\" + std::wstring(1500, L'y') + L".mp3";
    main->setAudioPath(longPath);
    main->updateTitle();
    const std::wstring title = frameTitle(frame->m_hWnd);
    EXPECT_EQ(title.find(longPath), 0u);
    EXPECT_EQ(title.size(), longPath.size() + 3 + getProgramBaseName().size());
}

TEST_F(MainWindowPlayback, OpeningAnotherFileAsksOnlyWhenTheSentencesAreModified) {
    const std::wstring other = writeMp3WithUslt(dir.file(L"other.mp3"), "Other text.");
    takeShownMessages();
    ASSERT_TRUE(main->openFile(other));
    EXPECT_TRUE(takeShownMessages().empty());

    main->getSentenceView().setModified(true);
    setMessageBoxAnswer(IDCANCEL);
    EXPECT_FALSE(main->openFile(dir.file(L"lesson.mp3")));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].style & 0xF, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(main->getAudioPath(), other);
    EXPECT_TRUE(main->isModified());

    setMessageBoxAnswer(IDNO);
    EXPECT_TRUE(main->openFile(dir.file(L"lesson.mp3")));
    EXPECT_EQ(main->writes, 0);
    EXPECT_FALSE(main->isModified());
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 4);
}

TEST_F(MainWindowPlayback, ClosingAsksAboutModifiedSentences) {
    main->getSentenceView().setModified(true);
    setMessageBoxAnswer(IDCANCEL);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_NE(main->m_hWnd, nullptr);
    EXPECT_EQ(takeShownMessages().size(), 1u);

    main->writeResult = false;  // a failed write keeps the window open too
    setMessageBoxAnswer(IDYES);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_NE(main->m_hWnd, nullptr);
    EXPECT_EQ(main->writes, 1);

    main->writeResult = true;
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(main->writes, 2);
    EXPECT_EQ(main->m_hWnd, nullptr);
}

TEST_F(MainWindowPlayback, YesWritesTheSentenceListBeforeClosing) {
    main->reallyWrite = true;
    main->getRows().setTranslation(1, L"Zwei");
    main->getSentenceView().setModified(true);
    setMessageBoxAnswer(IDYES);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(main->m_hWnd, nullptr);
    const std::string written = readFileBytes(dir.file(L"lesson.xml"));
    EXPECT_NE(written.find(id3test::utf16le(L"Zwei")), std::string::npos);
}

TEST_F(MainWindowPlayback, ClosingUnmodifiedAsksNothing) {
    takeShownMessages();
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(main->m_hWnd, nullptr);
    EXPECT_TRUE(takeShownMessages().empty());
}

// Run once more by ctest under a Western code page (app_mainwindow_western_code_page).
TEST_F(MainWindowTest, ToolTipsAreTheirOwnTextUnderAnyCodePage) {
    const HWND tips = main->getToolBar().getToolTipHWND();
    ASSERT_NE(tips, nullptr);
    wchar_t text[256] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = main->getToolBar().m_hWnd;
    info.uId = Corvanta::kOpenCommand;
    info.lpszText = text;
    ::SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(text), L"音声ファイルを開く (Ctrl+O)") << "code page " << ::GetACP();
}

TEST_F(MainWindowTest, TheOpenButtonsDropDownArrowStandsOutFromTheBand) {
    const HWND bar = main->getToolBar().m_hWnd;
    const COLORREF band = main->getToolBand().getBackColor();
    // The tool bar paints no background of its own: the band's colour stands behind it.
    HDC dc = ::GetDC(bar);
    const RECT client = main->getToolBar().getClientRect();
    HBRUSH bandBrush = ::CreateSolidBrush(band);
    ::FillRect(dc, &client, bandBrush);
    ::DeleteObject(bandBrush);
    ::RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The arrow is the part of the open button beyond the common button width.
    RECT box{};
    ASSERT_TRUE(::SendMessageW(bar, TB_GETRECT, Corvanta::kOpenCommand, reinterpret_cast<LPARAM>(&box)));
    box.left += LOWORD(::SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0));
    ASSERT_GT(box.right - box.left, 4);
    int contrasting = 0;
    for (int y = box.top; y < std::min(box.bottom, client.bottom); ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            const int distance = std::abs(GetRValue(c) - GetRValue(band)) + std::abs(GetGValue(c) - GetGValue(band)) +
                                 std::abs(GetBValue(c) - GetBValue(band));
            if (distance > 300) ++contrasting;
        }
    }
    ::ReleaseDC(bar, dc);
    EXPECT_GE(contrasting, 5) << "the arrow's pixels";
}

TEST(EditorFace, AnInstalledFaceReachesTheEditorsAtTheirOwnHeight) {
    const FontManager& fonts = FontManager::getInstance();
    ASSERT_FALSE(fonts.getFontCharSetMap().empty());
    const std::wstring installed = fonts.getFontCharSetMap().begin()->second.getFonts().front().lfFaceName;
    TextEditor sentences;
    TextEditor explanation;
    LOGFONTW tall = sentences.getLogFont();
    tall.lfHeight = 26;
    sentences.setLogFont(tall);
    EXPECT_TRUE(useInstalledFace(fonts, installed, {&sentences, &explanation}));
    EXPECT_EQ(std::wstring(sentences.getLogFont().lfFaceName), installed);
    EXPECT_EQ(std::wstring(explanation.getLogFont().lfFaceName), installed);
    EXPECT_EQ(sentences.getLogFont().lfHeight, 26);

    const std::wstring before = explanation.getLogFont().lfFaceName;
    EXPECT_FALSE(useInstalledFace(fonts, L"No Such Face Installed", {&explanation}));
    EXPECT_EQ(std::wstring(explanation.getLogFont().lfFaceName), before);
}

// Run by ctest in a process of its own (app_editor_face), given a font file of the editors'
// face, which this machine lacks: it is added before the process first lists its fonts.
class EditorFaceAtStart : public MainWindowTest {
protected:
    void SetUp() override {
        const wchar_t* file = _wgetenv(L"CORVANTA_EDITOR_FACE_FILE");
        if (!file) GTEST_SKIP() << "needs the face's font file: run as ctest's app_editor_face";
        ASSERT_GT(::AddFontResourceExW(file, FR_PRIVATE, nullptr), 0) << file;
        MainWindowTest::SetUp();
    }
};

TEST_F(EditorFaceAtStart, TheSentenceViewAndTheExplanationPaneTakeTheFace) {
    EXPECT_EQ(std::wstring(main->getSentenceView().getLogFont().lfFaceName), kEditorFace);
    EXPECT_EQ(std::wstring(main->getExplanationPane().getLogFont().lfFaceName), kEditorFace);
}

TEST_F(MainWindowTest, SettingsAreReadAtCreationAndWrittenAtClose) {
    const std::wstring ini = dir.file(L"settings.ini");
    main->getTempoField().setValue(120);
    main->getVolumeSlider().setValue(40);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kExplanationCommand, 0);
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"recent.mp3"))));
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(main->m_hWnd, nullptr);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Player", L"Tempo", 0, ini.c_str()), 120u);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Player", L"Volume", 0, ini.c_str()), 40u);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Player", L"ExplanationPaneVisibility", 0, ini.c_str()), 1u);

    MainWindowFrame again(ini);
    EXPECT_EQ(again.main.getTempoField().getValue(), 120);
    EXPECT_EQ(again.main.getVolumeSlider().getValue(), 40);
    EXPECT_TRUE(again.main.isExplanationShown());
    EXPECT_TRUE(::SendMessageW(again.main.getToolBar().m_hWnd, TB_ISBUTTONCHECKED, Corvanta::kExplanationCommand, 0));
    ASSERT_GE(again.main.getRecentFiles().size(), 1u);
    EXPECT_EQ(again.main.getRecentFiles().get(0), dir.file(L"recent.mp3"));
}

// The lesson tools/make-sample-lesson.sh leaves in the run folder (ctest makes it first).
TEST_F(MainWindowTest, TheSampleLessonOpensWithItsSentencesTimedInsideTheAudio) {
    ASSERT_TRUE(main->openFile(L"Lessons\\Sample\\Sample.mp3")) << "made by ctest (app_sample_lesson)";
    ASSERT_EQ(main->getLyricsTable().getItemCount(), 6);
    uint32_t previousEnd = 0;
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        const uint32_t start = main->getRowStartTime(row);
        const uint32_t end = main->getRowEndTime(row);
        EXPECT_GE(start, previousEnd);
        EXPECT_GT(end, start + 1000);
        EXPECT_FALSE(main->getRows().getTranslation(row).empty());
        previousEnd = end;
    }
    EXPECT_GT(main->getPlayer().getLength(), static_cast<long long>(previousEnd));
    EXPECT_LT(main->getPlayer().getLength(), static_cast<long long>(previousEnd) + 2000);
    EXPECT_NE(main->getRows().getExplanation(0), L"");
}
