// Texts made safe to stand as values in the query of a URL.
#pragma once

#include <string>

// The UTF-8 bytes of the text, each byte other than an unreserved character (ASCII
// letters, digits, "-", ".", "_", "~") written as "%" and two upper-case hexadecimal
// digits. A surrogate without its partner is encoded as U+FFFD.
std::wstring percentEncode(const std::wstring& text);
