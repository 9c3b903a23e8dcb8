// Adding the scheme to an address typed without one.
#pragma once

#include <string>

// The address with `scheme` ("http://" or "https://") in front, unless it names a
// scheme of its own already ("https://h" stays as it is for the scheme "http://").
std::wstring withScheme(const std::wstring& url, const std::wstring& scheme);
