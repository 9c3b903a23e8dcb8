// Where the main window gets the sentences of an audio file and writes them back: the
// sentence list beside the audio file, else its SYLT frame, else its USLT text.
#include "player/mainwindow/Corvanta.h"

bool Corvanta::loadLyrics(const std::wstring& audioPath) { return mLyrics.loadLyrics(audioPath); }

bool Corvanta::readXmlLyrics(const std::wstring& xmlPath) { return mLyrics.readXmlLyrics(xmlPath); }

bool Corvanta::writeXmlLyrics() { return mLyrics.writeXmlLyrics(); }
