// Search keys of a PDIC dictionary: the keyword as the dictionary spells its headwords
// (UTF-16 units for BOCU-1, code page 932 bytes otherwise), and the comparison of a
// headword's first units with it.
#pragma once

#include <string>

// The spelling later dictionaries (version 6 on) index by: A-Z lowered, "-" as a blank,
// voiced and small katakana as their plain full-size letters.
std::wstring foldPDicKeyword(const std::wstring& keyword);

// strncmp over the key's length on unsigned units: a headword that ends first sorts
// before the key. Negative, 0 or positive.
int comparePDicKey(const std::wstring& headword, const std::wstring& key);
int comparePDicKey(const std::string& headword, const std::string& key);
