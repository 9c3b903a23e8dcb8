// Text for the query of a URL: UTF-8, with every byte outside the unreserved characters
// of RFC 3986 (ASCII letters, digits, "-", ".", "_", "~") written as "%XX" with upper-case
// hexadecimal digits, so that "&", "#", "+", blanks and non-ASCII text reach the server as
// the text itself. A surrogate without its partner is encoded as U+FFFD.
#pragma once

#include <string>

std::string percentEncodeUtf8(const std::wstring& text);
// The same, as wide text for URLs that are built as wide strings.
std::wstring percentEncode(const std::wstring& text);
// A whole URL as it goes on the wire: its non-ASCII characters as "%XX" of their UTF-8
// bytes, everything else (the URL's own "%", "/", "?", "&" ...) as it stands.
std::string percentEncodeNonAscii(const std::wstring& url);
