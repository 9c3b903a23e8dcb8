#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TextArea.h"
#include "toolkit/widgets/TextField.h"
#include "toolkit/widgets/UpDownTextField.h"
#include "toolkit/window/Dialog.h"
#include "toolkit/window/DialogTemplate.h"

namespace {

// Work for a modal loop: a thread timer runs it from inside the loop.
std::map<UINT_PTR, std::function<void()>>& scheduled() {
    static std::map<UINT_PTR, std::function<void()>> work;
    return work;
}

void CALLBACK runScheduled(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    auto found = scheduled().find(id);
    if (found == scheduled().end()) return;
    std::function<void()> work = found->second;
    scheduled().erase(found);
    work();
}

void runSoon(const std::function<void()>& work, UINT delayMs = 20) {
    scheduled()[::SetTimer(nullptr, 0, delayMs, runScheduled)] = work;
}

// A key press delivered through the dialog's own loop (IsDialogMessage sees it).
void postKey(HWND window, UINT key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

class ProbeDialog : public Dialog {
public:
    bool createContents() override {
        ++contentsCreated;
        setTitle(L"Probe");
        setSize(width, height);
        if (withField) field.create(m_hWnd, 10, 10, 200, 22);
        createButtons(buttons);
        if (withField) field.setFocus();
        return !withField;
    }
    INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_COMMAND) {
            hookCommands.push_back(LOWORD(wParam));
            hookCodes.push_back(HIWORD(wParam));
        }
        return Dialog::dialogProcHook(hwnd, msg, wParam, lParam);
    }
    bool onOk() override {
        ++okCalls;
        return allowOk;
    }
    bool onApply() override {
        ++applyCalls;
        return applyResult;
    }
    bool onDropFiles(const std::vector<std::wstring>& paths) override {
        drops.push_back(paths);
        return true;
    }

    int width = 420;
    int height = 300;
    int buttons = kOkId | kCancelId;
    bool withField = false;
    bool allowOk = true;
    bool applyResult = true;
    int contentsCreated = 0;
    int okCalls = 0;
    int applyCalls = 0;
    std::vector<int> hookCommands;
    std::vector<int> hookCodes;
    std::vector<std::vector<std::wstring>> drops;
    TextField field;
};

bool hookSaw(const ProbeDialog& dialog, int id) {
    for (int command : dialog.hookCommands)
        if (command == id) return true;
    return false;
}

// A WM_DROPFILES handle holding the paths, as the shell hands it over.
HDROP makeDrop(const std::vector<std::wstring>& paths) {
    size_t chars = 1;
    for (const auto& p : paths) chars += p.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& p : paths) {
        std::memcpy(text, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
        text += p.size() + 1;
    }
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

}  // namespace

TEST(DialogTemplate, IsOneEmptyDialogWithTheStylesOfBothKinds) {
    const std::vector<WORD> modal = buildDialogTemplate(false);
    const auto* header = reinterpret_cast<const DLGTEMPLATE*>(modal.data());
    EXPECT_EQ(header->style, 0x82CF0000u);
    EXPECT_EQ(header->dwExtendedStyle, static_cast<DWORD>(WS_EX_DLGMODALFRAME));
    EXPECT_EQ(header->cdit, 0);
    EXPECT_EQ(header->cx, 640);
    EXPECT_EQ(header->cy, 480);
    EXPECT_EQ(reinterpret_cast<const DLGTEMPLATE*>(buildDialogTemplate(true).data())->style, 0x92CF0000u);
    // Menu, class and title: three empty words after the header.
    ASSERT_EQ(modal.size(), sizeof(DLGTEMPLATE) / 2 + 3);
    EXPECT_EQ(modal[modal.size() - 1] | modal[modal.size() - 2] | modal[modal.size() - 3], 0);
}

TEST(ModalDialog, ClosedWithTheOkButtonIsAcceptedAndLeavesNoWindow) {
    ProbeDialog dialog;
    HWND seen = nullptr;
    runSoon([&] {
        seen = dialog.m_hWnd;
        postKey(dialog.getOkButton().m_hWnd, VK_RETURN);
    });
    EXPECT_TRUE(showModalDialog(nullptr, dialog));
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(dialog.contentsCreated, 1);
    EXPECT_EQ(dialog.okCalls, 1);
    EXPECT_FALSE(dialog.isModeless());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(seen));
    EXPECT_EQ(dialog.getOkButton().m_hWnd, nullptr);
}

TEST(ModalDialog, CancelButtonAndCloseBoxAreNotAccepted) {
    ProbeDialog dialog;
    runSoon([&] { postKey(dialog.getCancelButton().m_hWnd, VK_RETURN); });
    EXPECT_FALSE(showModalDialog(nullptr, dialog));
    runSoon([&] { ::PostMessageW(dialog.m_hWnd, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(showModalDialog(nullptr, dialog));
    // Shown again, the dialog builds its contents again.
    EXPECT_EQ(dialog.contentsCreated, 2);
}

TEST(ModalDialog, OkRefusedByTheSubclassKeepsTheDialogOpen) {
    ProbeDialog dialog;
    dialog.allowOk = false;
    bool openAfterOk = false;
    runSoon([&] {
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kOkId, 0);
        openAfterOk = dialog.m_hWnd != nullptr && ::IsWindowVisible(dialog.m_hWnd);
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kCancelId, 0);
    });
    EXPECT_FALSE(showModalDialog(nullptr, dialog));
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(dialog.okCalls, 1);
}

TEST(ModalDialog, EnterAndEscapeReachTheHookAsOkAndCancelAndCloseNothing) {
    ProbeDialog dialog;
    dialog.withField = true;
    bool openAfterKeys = false;
    runSoon([&] {
        postKey(dialog.field.m_hWnd, VK_RETURN);
        postKey(dialog.field.m_hWnd, VK_ESCAPE);
        runSoon([&] {
            openAfterKeys = dialog.m_hWnd != nullptr;
            // Enter on the focused OK button presses it.
            dialog.getOkButton().setFocus();
            postKey(dialog.getOkButton().m_hWnd, VK_RETURN);
        }, 60);
    });
    EXPECT_TRUE(showModalDialog(nullptr, dialog));
    EXPECT_TRUE(openAfterKeys);
    EXPECT_TRUE(hookSaw(dialog, IDOK));
    EXPECT_TRUE(hookSaw(dialog, IDCANCEL));
    EXPECT_EQ(dialog.okCalls, 1);
}

TEST(ModalDialog, AFailureToShowIsNotAcceptance) {
    ProbeDialog dialog;
    // A parent handle that names no window: the dialog manager can't create the dialog.
    EXPECT_FALSE(showModalDialog(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0F0)), dialog));
    EXPECT_EQ(dialog.contentsCreated, 0);
}

class ModelessDialog : public ::testing::Test {
protected:
    void TearDown() override { dialog.close(0); }
    ProbeDialog dialog;
};

TEST_F(ModelessDialog, RunsBesideTheMessageLoopAndOpensOnlyOnce) {
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    HWND window = dialog.m_hWnd;
    EXPECT_TRUE(dialog.isModeless());
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(showModelessDialog(nullptr, dialog));
    EXPECT_EQ(dialog.m_hWnd, window);
    EXPECT_EQ(dialog.contentsCreated, 1);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(77, 5), 0);
    pumpMessages();
    ASSERT_TRUE(hookSaw(dialog, 77));
    EXPECT_EQ(dialog.hookCodes.back(), 5);

    ::SendMessageW(dialog.getCancelButton().m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(window));
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    EXPECT_EQ(dialog.contentsCreated, 2);
}

TEST_F(ModelessDialog, ApplyThatSucceedsDisablesTheApplyButtonAndKeepsTheDialogOpen) {
    dialog.buttons = Dialog::kOkId | Dialog::kCancelId | Dialog::kApplyId;
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    Button& apply = dialog.getApplyButton();
    EXPECT_FALSE(apply.isEnabled());
    apply.setEnabled(true);
    dialog.applyResult = false;
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kApplyId, 0);
    EXPECT_TRUE(apply.isEnabled());
    dialog.applyResult = true;
    ::SendMessageW(apply.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(dialog.applyCalls, 2);
    EXPECT_FALSE(apply.isEnabled());
    EXPECT_NE(dialog.m_hWnd, nullptr);
}

TEST_F(ModelessDialog, ButtonRowEndsAtTheRightWhateverTheWidthAndTheButtons) {
    struct Case {
        int buttons;
        std::vector<Button*> leftToRight;
    };
    const std::vector<Case> cases = {
        {Dialog::kOkId | Dialog::kCancelId, {&dialog.getOkButton(), &dialog.getCancelButton()}},
        {Dialog::kOkId | Dialog::kCancelId | Dialog::kApplyId,
         {&dialog.getOkButton(), &dialog.getCancelButton(), &dialog.getApplyButton()}},
        {Dialog::kOkId, {&dialog.getOkButton()}},
        {Dialog::kCancelId, {&dialog.getCancelButton()}},
    };
    for (const Case& c : cases) {
        dialog.close(0);
        dialog.buttons = c.buttons;
        ASSERT_TRUE(showModelessDialog(nullptr, dialog));
        for (int width : {0, 360, 520, 300}) {
            if (width) dialog.setSize(width, 260);  // width 0: as created, before any resize
            const int right = dialog.getWidth() - 112;
            for (size_t i = 0; i < c.leftToRight.size(); ++i) {
                Button* button = c.leftToRight[c.leftToRight.size() - 1 - i];
                EXPECT_EQ(button->getX(), right - 100 * static_cast<int>(i))
                    << "buttons " << c.buttons << " width " << width << " from the right " << i;
                EXPECT_EQ(button->getWidth(), 92);
                EXPECT_EQ(button->getHeight(), 21);
            }
            if (width) {
                EXPECT_EQ(c.leftToRight.front()->getY(), dialog.getHeight() - 64);
            }
        }
    }
}

TEST_F(ModelessDialog, DroppedFilesArriveInOneCallAtTheirFullLength) {
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\song.mp3";
    ::SendMessageW(dialog.m_hWnd, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(makeDrop({L"C:\\a.mp3", longPath, L"C:\\日本語.xml"})), 0);
    ASSERT_EQ(dialog.drops.size(), 1u);
    ASSERT_EQ(dialog.drops[0].size(), 3u);
    EXPECT_EQ(dialog.drops[0][0], L"C:\\a.mp3");
    EXPECT_EQ(dialog.drops[0][1], longPath);
    EXPECT_EQ(dialog.drops[0][2], L"C:\\日本語.xml");
}

TEST_F(ModelessDialog, PlacementHelpersMoveTheWindow) {
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    dialog.centreOnDesktop(400, 200);
    RECT r{};
    ::GetWindowRect(dialog.m_hWnd, &r);
    EXPECT_EQ(r.left, (desktop.right - 400) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - 200) / 2);
    EXPECT_EQ(r.right - r.left, 400);

    ::SetCursorPos(100, 50);
    dialog.moveNearCursor();
    ::GetWindowRect(dialog.m_hWnd, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    ::SetCursorPos(500, 400);
    dialog.moveNearCursor();
    ::GetWindowRect(dialog.m_hWnd, &r);
    EXPECT_EQ(r.left, 340);
    EXPECT_EQ(r.top, 240);
}

TEST_F(ModelessDialog, LabelsAreStaticWindowsInTheDefaultGuiFont) {
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    HWND label = createLabel(dialog.m_hWnd, L"名前:", 10, 20, 80, 22);
    ASSERT_NE(label, nullptr);
    wchar_t text[32] = {};
    ::GetWindowTextW(label, text, 32);
    EXPECT_STREQ(text, L"名前:");
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(::SendMessageW(label, WM_GETFONT, 0, 0)),
              ::GetStockObject(DEFAULT_GUI_FONT));
    RECT r{};
    ::GetWindowRect(label, &r);
    ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 22);
    EXPECT_EQ(r.bottom - r.top, 20);
}

TEST(DialogLifetime, AnOpenModelessDialogGoesWithItsObject) {
    HWND window = nullptr;
    {
        ProbeDialog dialog;
        ASSERT_TRUE(showModelessDialog(nullptr, dialog));
        window = dialog.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(window));
    pumpMessages();
}

// Holds a dialog with every kind of field open for a few seconds, for a screenshot.
TEST(DialogLook, DISABLED_EveryFieldKindForAScreenshot) {
    class FieldsDialog : public Dialog {
    public:
        bool createContents() override {
            setTitle(L"Fields");
            setSize(460, 330);
            centre();
            createLabel(m_hWnd, L"Name:", 12, 14, 90, 20);
            name.create(m_hWnd, 110, 12, 320, 22);
            name.setText(std::wstring(L"日本語のタイトル"));
            createLabel(m_hWnd, L"Notes:", 12, 46, 90, 20);
            notes.create(m_hWnd, 110, 44, 320, 90);
            notes.setText(std::wstring(L"First line\r\nSecond line"));
            tempo.create(m_hWnd, 110, 146, 120, 22);
            tempo.setText(L"Tempo");
            tempo.setRange(-50, 100);
            tempo.setValue(25);
            tempo.adjustSize();
            pitch.create(m_hWnd, 110, 178, 120, 22);
            pitch.setStep(0.5f);
            pitch.setRange(0, 12);
            pitch.setValue(2.5);
            idle.create(m_hWnd, 250, 178, 120, 22);
            idle.setValue(7);
            idle.setEnabled(false);
            createButtons(kOkId | kCancelId | kApplyId);
            return true;
        }
        TextField name;
        TextArea notes;
        UpDownTextField tempo;
        UpDownTextField pitch;
        UpDownTextField idle;
    };
    FieldsDialog dialog;
    runSoon([&] { ::PostMessageW(dialog.m_hWnd, WM_CLOSE, 0, 0); }, 4000);
    showModalDialog(nullptr, dialog);
}
