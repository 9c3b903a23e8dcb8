// Addresses of the video site's watch pages, and the video id such an address names.
#pragma once

#include <string>

// True when the text holds the video site's host name followed at once by "/watch?v=",
// anywhere in it: a scheme, a sub-domain and further query parameters are all allowed.
bool isVideoPageUrl(const std::wstring& url);

// The text after the first "/watch?v=" up to the next "&" or "/", or to the end; empty
// when the text has no "/watch?v=".
std::wstring videoIdOf(const std::wstring& url);
