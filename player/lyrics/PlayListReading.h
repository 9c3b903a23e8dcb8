// The file table read from and written as an .m3u play list.
#pragma once

#include <string>

class FileTable;

// False, with nothing changed, when the path is not a play list or can't be read;
// otherwise adds the listed audio files, remembers the play list and answers true, also
// when it gave no rows.
bool readPlayList(FileTable& table, const std::wstring& path);

// The .m3u text of the table's rows for a play list at `playListPath`, narrow in the
// ANSI code page; empty when there is nothing that can be written.
std::string writePlayListText(FileTable& table, const std::wstring& playListPath);
