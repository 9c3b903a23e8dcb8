// Cutting a piece of text out of a page between two markers.
#pragma once

#include <string>

enum class InnerTextResult { Found, NoStart, NoEnd };

// The text between the first `startTag` at or after `from` and the next `endTag` after
// it, into `inner` (empty unless found). Never shows anything: page readers use this.
InnerTextResult findInnerText(const std::wstring& text, const std::wstring& startTag, const std::wstring& endTag,
                              size_t from, std::wstring& inner);

// What a failed findInnerText shows the user: the first 1000 characters of the page when
// the start marker is missing, the end marker when that is; empty when it was found.
std::wstring innerTextFailure(InnerTextResult result, const std::wstring& text, const std::wstring& endTag);
