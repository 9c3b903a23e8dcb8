// A top-level frame that records the edit notifications its child editors send, and an
// editor inside it, for tests that drive the editor through its messages.
#pragma once

#include <string>
#include <vector>

#include "texteditor/editor/TextEditor.h"

class NotificationFrame : public BaseWindow {
public:
    NotificationFrame() {
        registerClass(L"EditorTestFrame", nullptr, 0);
        create();
    }
    bool onCommand(HWND control, int, int code) override {
        codes.push_back(code);
        senders.push_back(control);
        lengths.push_back(::GetWindowTextLengthW(control));
        return true;
    }
    int count(int code) const {
        int n = 0;
        for (int c : codes) n += c == code ? 1 : 0;
        return n;
    }
    void forget() {
        codes.clear();
        senders.clear();
        lengths.clear();
    }

    std::vector<int> codes;
    std::vector<HWND> senders;
    std::vector<int> lengths;  // the sender's text length when each notification came
};

// An editor of 300 x 200 pixels in a hidden frame.
struct EditorFixture {
    EditorFixture(int width = 300, int height = 200) { editor.create(frame.m_hWnd, 0, 0, width, height); }

    LRESULT send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(editor.m_hWnd, msg, wParam, lParam);
    }
    std::wstring text() const { return editor.getDocumentText(); }

    NotificationFrame frame;
    TextEditor editor;
};
