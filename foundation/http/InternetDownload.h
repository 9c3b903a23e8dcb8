// Blocking HTTP and HTTPS fetches over WinINet: into memory or into a file. Redirects are
// followed up to ten times; non-ASCII text in a URL is sent as percent-encoded UTF-8.
#pragma once

#include <string>

// What `url` serves, as bytes (the body; for the method "HEAD" the raw response headers,
// whatever the status). Empty when the URL can't be opened or served nothing, and when
// the answer is no success (an error status, too many redirects) or its body ends before
// its announced length. A narrow URL is in the conversion code page.
// Each chunk is taken up to its first zero byte: this is for text, not for binary data.
std::string DownloadString(const std::string& url, const std::string& method = "GET",
                           const std::string& proxy = "");

// Writes what `url` serves to `path`, every byte. False, with no file left behind, when the
// file can't be created, the URL can't be opened, the answer is no success or its body is
// cut short.
bool DownloadFile(const std::wstring& path, const std::wstring& url, const std::string& method = "GET",
                  const std::string& proxy = "");
