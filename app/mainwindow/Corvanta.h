// The main window: a child component that fills the application frame and in which the
// learner works. It owns every control of the player, the audio player and the paths of
// the open audio file and its sentence list; it opens files, plays them, and follows the
// playing sentence with two 100 ms timers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/xml/Element.h"
#include "app/RecentFileManager.h"
#include "player/audio/BassPlayer.h"
#include "player/lyrics/FileTable.h"
#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsLoader.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/MyTextEditor.h"
#include "player/lyrics/SentenceRows.h"
#include "app/mainwindow/ThemeList.h"
#include "player/mp3/ID3TagModel.h"
#include "player/mp3/MP3_ID3Manager.h"
#include "texteditor/editor/TextEditor.h"
#include "texteditor/find/FindAndReplacePane.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/ChannelPane.h"
#include "toolkit/widgets/LabelComponent.h"
#include "toolkit/widgets/RegionButton.h"
#include "toolkit/widgets/Slider.h"
#include "toolkit/widgets/ToolBar.h"
#include "toolkit/widgets/ToolWindow.h"
#include "toolkit/widgets/UpDownTextField.h"
#include "toolkit/window/Component.h"
#include "words/WordListDialog.h"

class PopupMenu;

class Corvanta : public Component, public SentenceRows::Host {
public:
    // Command ids of the controls and the timers of playback.
    enum CommandId {
        kOpenCommand = 100,
        kPlayCommand = 101,
        kPlaySentenceCommand = 102,
        kStopCommand = 103,
        kSetStartCommand = 104,
        kNextSetStartCommand = 105,
        kSetEndCommand = 106,
        kNextSetEndCommand = 107,
        kResetTimesCommand = 108,
        kNextResetTimesCommand = 109,
        kMenuCommand = 111,
        kSaveCommand = 112,
        kApplyFieldsCommand = 114,
        kReloadCommand = 115,
        kFindCommand = 116,
        kWordListCommand = 117,
        kClickCommand = 118,
        kPreviousRowCommand = 119,
        kNextRowCommand = 120,
        kJumpAheadCommand = 121,
        kExplanationCommand = 122,
    };
    // The downloader dialogs that open by their own command ids.
    enum DownloaderCommandId {
        kYoutubeLyricsCommand = 2,
        kVoaManagerCommand = 10,
        kNewsEnglishCommand = 15,
        kNewsSnsEnglishCommand = 16,
        kNewsDeEigoJutsuCommand = 17,
        kGogakuruCommand = 18,
        kKokokozaCommand = 66,
        kPhotoCommand = 300,
    };
    enum TimerId { kPlaybackTimer = 2, kSentenceTimer = 3 };
    static constexpr UINT kTimerMs = 100;

    // The play button: its picture column follows its text ("Pause" or play).
    class PlayButton : public RegionButton {
    public:
        void setText(const wchar_t* text) override;
        void setText(const std::wstring& text) override { setText(text.c_str()); }
        // The rectangles of one column of the 24 x 24 cells of the audio tool picture.
        void useColumn(int column);
    };
    // A slider that tints its played part and shows no value text.
    class TimeSlider : public Slider {
    public:
        void paint(Graphics& g) override;
        void drawValue(Graphics&) override {}
    };
    class VolumeSlider : public TimeSlider {};

    Corvanta();
    ~Corvanta() override;

    bool onCommand(HWND control, int id, int code) override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    bool onClose() override;
    bool onCreate() override;
    LRESULT onNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;
    bool onDropFiles(const std::vector<std::wstring>& paths) override;
    bool onDropFiles(HDROP drop) override { return Component::onDropFiles(drop); }
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void onScroll(HWND control);

    // The last command that reached the window.
    int getLastCommand() const { return mLastCommand; }

    // The "Menu..." popup: built anew each time, shown upward from the cursor, and the
    // chosen item carried out at once.
    void showMainMenu();
    void fillMainMenu(PopupMenu& menu);
    void runMainMenuItem(int id);
    // The frame (the root owner) on top of every other window, or no longer.
    void toggleAlwaysOnTop();
    bool isAlwaysOnTop() const;
    // Starts the study program named in the settings with the sentence-list path.
    void sendSentenceListToWexcombe();
    void showId3Editor();
    void chooseTheme();
    void reloadLyrics();
    // Moves the time slider (and a playing player with it) by the time given.
    void seekBy(int ms);

    // Windows of the word-study subsystem: Ctrl+F opens the find pane on the sentence view
    // (an open pane stays as it is); the word list opens modeless, or comes to the mouse
    // cursor when it shows.
    void showFindAndReplacePane();
    void showWordListDialog();
    // The downloader dialogs, each shown modal over the main window.
    void openYoutubeLyricsDialog();
    void openNewsDeEigoJutsuDialog();
    void openNewsEnglishDialog();
    void openNewsSnsEnglishDialog();
    void openVoaManagerDialog();
    void openGogakuruDownloader();
    void openKokokozaDownloader();
    void openPhotoDownloader();

    // Asked before the window closes: with modified sentences the learner saves them,
    // drops them, or keeps the program open (false).
    virtual bool canClose();

    // Opening and playing. Opening asks about unsaved changes first.
    bool openFile(const std::wstring& path);
    void togglePlay();
    void playSelectedSentence();
    void stopPlayback();
    bool isStopped();
    void followPosition();
    int findSentenceIndex(uint32_t position) const;

    // The row shown: its sentence selected in the view, its translation and explanation
    // in their fields.
    void showSentence(int index) override;
    void selectRow(int row) override;
    void updateTitle();
    void updateButtons();
    void applyPlayerSettings();
    // The sentence table's right-click menu; the sentence editor on a row (edit) or for a
    // new row before it (insert; -1 adds at the end).
    void showSentencePopup();
    void editSentence(int row, bool editMode);
    uint32_t getRowStartTime(int row) const;
    uint32_t getRowEndTime(int row) const;
    void clickAtCursor();

    // The sentence files of the open audio file.
    virtual bool loadLyrics(const std::wstring& audioPath);
    virtual bool readXmlLyrics(const std::wstring& xmlPath);
    virtual bool writeXmlLyrics();
    bool readId3(const std::wstring& audioPath);
    // The save command: asks, then writes the sentence list.
    bool saveLyrics();
    // With modified sentences: Yes writes them, No drops them; false for Cancel or a
    // failed write, so that the caller keeps everything as it is.
    bool askToSaveChanges();
    // The lesson's unsaved state, shown by "* " in the title. Every change to the lesson
    // sets it, an edit in the sentence view too; undo in the view never ends it, a save
    // or opening another file does (clearing the view's flag with it).
    bool isModified() const { return mLyrics.isModified(); }
    void setModified(bool modified);
    // Whether the explanation pane is meant to show, also while the frame is hidden.
    bool isExplanationShown() const;

    // The exports of the "Menu..." popup. Each asks for its file, then writes it through
    // the matching ...To function. The MP3 export leaves the player on the encoder's
    // channel: the caller opens the audio path again.
    bool saveAsMp3WithLyrics();
    bool exportMp3To(const std::wstring& destination);
    void saveAsLrc();
    bool exportLrcTo(const std::wstring& path);
    void savePlayList();
    bool savePlayListTo(const std::wstring& path);

    // Settings kept between runs, in the settings file given (the program's by default).
    virtual void loadSettings();
    virtual void saveSettings();
    void setIniPath(const std::wstring& path) { mIniPath = path; }
    const std::wstring& getIniPath() const { return mIniPath; }
    RecentFileManager& getRecentFiles() { return mRecentFiles; }
    ThemeList& getThemes() { return mThemes; }
    Element& getWordList() { return mWordListDialog.getWordListElement(); }
    WordListDialog& getWordListDialog() { return mWordListDialog; }
    // An opened file goes to the front of the recent files.
    virtual void rememberRecentFile(const std::wstring& path);
    // The drop-down of the open button: a recent file chosen there is opened.
    virtual void openRecentFileMenu();
    // The word table of a visible word list follows the element just read.
    void showLoadedWords();

    const std::wstring& getAudioPath() const { return mAudioPath; }
    const std::wstring& getLyricsPath() const { return mLyricsPath; }
    void setLyricsPath(const std::wstring& path) { mLyricsPath = path; }
    void setAudioPath(const std::wstring& path) { mAudioPath = path; }

    ChannelPane& getChannelPane() { return mChannelPane; }
    FileTable& getFileTable() { return mFileTable; }
    LyricsTable& getLyricsTable() { return mLyricsTable; }
    LyricsTextEditor& getSentenceView() { return mSentenceView; }
    MyTextEditor& getTranslationField() { return mTranslationField; }
    TextEditor& getExplanationPane() { return mExplanationPane; }
    FindAndReplacePane& getFindPane() { return mFindPane; }
    ToolWindow& getToolBand() { return mToolBand; }
    ToolBar& getToolBar() { return mToolBar; }
    Button& getMenuButton() { return mMenuButton; }
    PlayButton& getPlayButton() { return mPlayButton; }
    RegionButton& getStopButton() { return mStopButton; }
    UpDownTextField& getPitchField() { return mPitchField; }
    UpDownTextField& getTempoField() { return mTempoField; }
    UpDownTextField& getFontSizeField() { return mFontSizeField; }
    VolumeSlider& getVolumeSlider() { return mVolumeSlider; }
    TimeSlider& getTimeSlider() { return mTimeSlider; }
    LabelComponent& getPositionLabel() { return mPositionLabel; }
    BassPlayer& getPlayer() { return mPlayer; }
    SentenceRows& getRows() { return mRows; }
    MP3_ID3Manager& getId3Manager() { return mId3Manager; }
    ID3TagModel& getId3TagModel() { return mId3TagModel; }
    uint32_t getPlayingStart() const { return mPlayingStart; }
    uint32_t getPlayingEnd() const { return mPlayingEnd; }

private:
    void createControls();
    void createToolBar();
    void setUpColors();
    void setUpButtonImages();
    void layOut(int width, int height);
    // The current time of the set-time commands: the player's position while a file plays
    // or pauses, else the time slider's.
    uint32_t currentTime();
    uint32_t audioLength() const;
    void onLyricsTableNotify(UINT code, WPARAM wParam);
    void onFileTableNotify(UINT code, WPARAM wParam);
    void seekToRow(int row);
    void chooseAndOpenFile();
    // The commands that need an open audio file.
    void runFileCommand(int id);
    // The commands that change the selected row's times or texts, marking the sentences
    // modified so that they are saved or asked about.
    void setSelectedTimes(int id, uint32_t time);
    // True for the downloader command ids, which it then carries out.
    bool openDownloader(int id);
    void setEditorFontHeight(int height);
    void showFieldText(TextEditor& field, const std::wstring& text);
    // Opening after the question about unsaved changes was answered.
    bool openAskedFile(const std::wstring& path);
    // Opening with everything that can throw; openAskedFile catches.
    bool openFileSteps(const std::wstring& path);
    void endWithoutFile();

    ChannelPane mChannelPane;
    FileTable mFileTable;
    LyricsTable mLyricsTable;
    LyricsTextEditor mSentenceView;
    MyTextEditor mTranslationField;
    TextEditor mExplanationPane;
    ToolWindow mToolBand;
    ToolBar mToolBar;
    Button mMenuButton;
    PlayButton mPlayButton;
    RegionButton mStopButton;
    UpDownTextField mPitchField;
    UpDownTextField mTempoField;
    UpDownTextField mFontSizeField;
    VolumeSlider mVolumeSlider;
    TimeSlider mTimeSlider;
    LabelComponent mPositionLabel;
    RecentFileManager mRecentFiles;
    MP3_ID3Manager mId3Manager;
    std::wstring mAudioPath;
    std::wstring mLyricsPath;
    BassPlayer mPlayer;
    uint32_t mPlayingStart = 0;
    uint32_t mPlayingEnd = 0;
    ThemeList mThemes;
    ID3TagModel mId3TagModel;
    // Holds the word-list element that the sentence-list file reads into and writes from.
    WordListDialog mWordListDialog;
    SentenceRows mRows{mLyricsTable, mSentenceView};
    LyricsLoader mLyrics{{mRows, mSentenceView, mWordListDialog.getWordListElement(), mId3TagModel, mId3Manager,
                          mAudioPath, mLyricsPath}};
    std::wstring mIniPath;
    FindAndReplacePane mFindPane;
    int mLastCommand = 0;
};
