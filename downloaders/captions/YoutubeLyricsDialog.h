// The caption downloader: the learner pastes the address of a video page, presses
// "Download...", picks one of the video's caption tracks from a menu, and the track's
// text comes into the dialog's editor one sentence a line, to be copied from there.
// The requests run in the button's handler and block the dialog until they return.
#pragma once

#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/TextField.h"
#include "toolkit/window/Dialog.h"

class YoutubeLyricsDialog : public Dialog {
public:
    YoutubeLyricsDialog();
    ~YoutubeLyricsDialog() override;

    bool createContents() override;
    bool onCommand(HWND control, int id, int code) override;

    TextField& getUrlField() { return mUrlField; }
    Button& getDownloadButton() { return mDownloadButton; }
    TextEditor& getOutputEditor() { return mOutputEditor; }

private:
    // Appends the sentences of the chosen track to the editor; reports nothing when the
    // address, the service or the choice gives nothing.
    void download();

    TextField mUrlField;
    Button mDownloadButton;
    TextEditor mOutputEditor;
};
