// Blocking HTTP and HTTPS fetches over WinINet: into memory or into a file.
#pragma once

#include <string>

// What `url` serves, as bytes (the body; for the method "HEAD" the raw response headers).
// Empty when the URL can't be opened or served nothing. The status code is not examined.
// Each chunk is taken up to its first zero byte: this is for text, not for binary data.
std::string DownloadString(const std::string& url, const std::string& method = "GET",
                           const std::string& proxy = "");

// Writes what `url` serves to `path`, every byte; error pages count as fetched. False, with no
// file left behind, when the file can't be created or the URL can't be opened.
bool DownloadFile(const std::wstring& path, const std::wstring& url, const std::string& method = "GET",
                  const std::string& proxy = "");
