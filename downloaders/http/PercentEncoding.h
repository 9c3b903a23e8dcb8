// Text for the query of a URL: UTF-8, with every byte outside the unreserved characters
// of RFC 3986 written as "%XX", so that "&", "#", "+", blanks and non-ASCII text reach
// the server as the text itself.
#pragma once

#include <string>

std::string percentEncodeUtf8(const std::wstring& text);
