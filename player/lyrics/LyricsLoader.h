// Finding, reading and writing the sentences of the open audio file: its sentence-list
// file beside it, else the SYLT and then the USLT frame of its ID3 tag. The main window
// owns everything this works on and forwards its own operations here in one line each:
//
//   bool Corvanta::readXmlLyrics(const std::wstring& xmlPath) { return mLyrics.readXmlLyrics(xmlPath); }
//   bool Corvanta::loadLyrics(const std::wstring& audioPath)  { return mLyrics.loadLyrics(audioPath); }
//   bool Corvanta::writeXmlLyrics()                           { return mLyrics.writeXmlLyrics(); }
//   bool Corvanta::saveLyrics()    { bool ok = mLyrics.saveLyrics(m_hWnd); updateTitle(); return ok; }
//   void Corvanta::reloadLyrics()  { mLyrics.reloadLyrics(m_hWnd); }
//   bool Corvanta::readId3(const std::wstring& audioPath)     { return ::readId3(audioPath, mId3Manager); }
//
// (readId3 is player/mp3/LyricsFrameFile.h's.) The chooser for a missing audio file:
//   mLyrics.setAudioChooser([this] { return chooseAudioFile(m_hWnd); });
//
// Failures the user must see go through the shared message box; nothing here opens a
// window of its own except through the two prompts that take an owner.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "player/lyrics/SentenceRows.h"

class Element;
class ID3TagModel;
class LyricsTextEditor;
class MP3_ID3Manager;

class LyricsLoader {
public:
    // The main window's pieces, all owned by it and outliving the loader.
    struct Targets {
        SentenceRows& rows;          // the table and the view, kept in step
        LyricsTextEditor& editor;    // the view: the group count, its text, its modified flag
        Element& wordList;           // the "WordList" element the word list dialog holds
        ID3TagModel& id3;            // the lesson's id3 fields
        MP3_ID3Manager& tag;         // the ID3v2 tag of the open audio file
        std::wstring& audioPath;     // the open audio file
        std::wstring& sentenceListPath;  // where the sentences are saved
    };

    // Asked for the audio file when a sentence-list file names one that does not exist,
    // while the list's folder is current; answers the chosen path, or "" on cancel.
    using AudioChooser = std::function<std::wstring()>;

    explicit LyricsLoader(const Targets& targets) : mTargets(targets) {}

    // Without a chooser a missing audio file reads as cancelled. The main window passes
    // chooseAudioFile with its own window as owner.
    void setAudioChooser(AudioChooser chooser) { mChooseAudio = std::move(chooser); }
    // Told to select row 0 after a reload; without one the view selects its first sentence.
    void setHost(SentenceRows::Host* host) { mHost = host; }

    // Replaces the sentences, word list and id3 fields by those of the file, and makes
    // it the sentence-list path. When the audio path does not name an existing file it
    // is taken from the file's "audio" attribute (resolved against the file's folder; the
    // chooser when that file is missing) and its tag is read into `tag`.
    // False, with the model unchanged: the file does not parse (shown as
    // "<path>\nCouldn't parse this file."), holds no sentence group (silently), or its
    // audio file can't be found or its tag read (the audio path keeps what was found).
    bool readXmlLyrics(const std::wstring& xmlPath);
    // Writes the rows, word list and id3 fields to the sentence-list path as UTF-16 XML.
    // The previous file is replaced only by a complete new one. A failure shows
    // "<path>\r\nファイルの作成に失敗しました。" and answers false.
    bool writeXmlLyrics();
    // Fills the sentences for an audio file: its ".xml" sentence-list file beside it,
    // else its SYLT lines, else its USLT text cut into sentences, else none; the word
    // list is the sentence-list file's, else empty. Always true. A sentence-list file
    // there that could not be read still becomes the sentence-list path, but a save
    // writes over it only when the learner picks it in the save dialog: it may hold
    // work the program could not read.
    // The caller then reloads the word-list pane's words when its dialog is visible.
    bool loadLyrics(const std::wstring& audioPath);

    // Asks (owner `owner`) whether to overwrite the sentence-list file and writes it on
    // Yes, ending the unsaved state and clearing the view's modified flag. An unread
    // file is not offered: the save dialog asks where to write instead. True without an
    // open audio file, on No or a cancelled dialog; else the write's result. The caller
    // refreshes its title.
    bool saveLyrics(HWND owner);
    // Whether the sentence-list path may be written: true unless it names a file that
    // could not be read and the learner cancels the save dialog, which proposes that file
    // (owner `owner`). A path chosen there becomes the sentence-list path.
    bool confirmSentenceListPath(HWND owner);
    // Asks (owner `owner`) whether to rebuild the sentences from the view's edited text;
    // on Yes the rows are rebuilt (times kept) and row 0 is selected. True when rebuilt.
    bool reloadLyrics(HWND owner);

    // The lesson's unsaved state: set by the owner for every change to the sentences,
    // times, texts, words or id3 fields, ended by a save or when another file is opened.
    // Kept apart from the view's modified flag, which follows the view's undo history.
    bool isModified() const { return mModified; }
    void setModified(bool modified) { mModified = modified; }

private:
    // Finds the audio file a sentence-list file names and reads its tag.
    bool locateAudio(const std::wstring& xmlPath, const std::wstring& audio);

    Targets mTargets;
    AudioChooser mChooseAudio;
    SentenceRows::Host* mHost = nullptr;
    bool mModified = false;
    // The sentence-list path names a file beside the audio file that could not be read.
    bool mListUnread = false;
};

// The open dialog for the audio file of a sentence list, in the current folder.
std::wstring chooseAudioFile(HWND owner);
