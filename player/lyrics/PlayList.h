// The .m3u play list as text: the lines that name files, resolved against the play
// list's folder, and the text written for a list of files. No window is involved.
#pragma once

#include <string>
#include <vector>

// The lines of a text whose lines end in CR LF, LF or CR (in any mix); the last piece is
// included, so an empty text gives no lines and a final line end gives a last empty line.
std::vector<std::wstring> splitPlayListLines(const std::wstring& text);

// The files a play list's text names, in order: empty lines and lines beginning with
// "#EXT" are skipped, any other line is a path, absolute or relative to `folder` (the
// play list's folder with its trailing backslash). A relative path that can't be
// combined with the folder is left out.
std::vector<std::wstring> playListEntries(const std::wstring& text, const std::wstring& folder);

// The .m3u text for the files, narrow in the system's ANSI code page with CR LF line
// ends: "#EXTM3U", then for each file an "#EXTINF:0," line with its name, its path
// relative to the play list (or its full path) and an empty line. A path the code page
// can't hold unchanged is left out. Empty when the play list's own path can't be held,
// or when no file was written.
std::string writePlayListText(const std::vector<std::wstring>& paths, const std::wstring& playListPath);
