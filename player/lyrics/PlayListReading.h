// Reading an .m3u play list into the file table.
#pragma once

#include <string>

class FileTable;

// False (nothing changed) when the path is not a play list; otherwise adds the listed
// audio files, remembers the play list and answers true, also when it gave no rows.
bool readPlayListInto(FileTable& table, const std::wstring& path);
