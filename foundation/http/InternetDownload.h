// Blocking HTTP and HTTPS fetches over WinINet: into memory or into a file. Redirects are
// followed up to ten times; non-ASCII text in a URL is sent as percent-encoded UTF-8.
#pragma once

#include <string>

// What `url` serves, as bytes (the body; for the method "HEAD" the raw response headers,
// whatever the status). Empty when the URL can't be opened or served nothing, and when
// the answer is no success (an error status, a status that can't be read, too many
// redirects) or its body ends before its announced length. A narrow URL is in the
// conversion code page.
// Each chunk is taken up to its first zero byte: this is for text, not for binary data.
std::string DownloadString(const std::string& url, const std::string& method = "GET",
                           const std::string& proxy = "");

// Writes what `url` serves to `path`, every byte. The bytes go into a file beside `path`
// that takes its place only once all of them are written. False, with a file already at
// `path` left as it was and nothing new behind, when that file can't be created or
// written whole, the URL can't be opened, the answer is no success (also when its status
// can't be read) or its body is cut short.
bool DownloadFile(const std::wstring& path, const std::wstring& url, const std::string& method = "GET",
                  const std::string& proxy = "");
