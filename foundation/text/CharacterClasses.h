#pragma once
// Character classes that cut English mixed with Japanese into words and sentences.
// Each tests one UTF-16 unit.
#include <cwctype>

inline bool isHiragana(int c) { return c >= 0x3040 && c <= 0x309F; }
inline bool isKatakana(int c) { return c >= 0x30A0 && c <= 0x30FF; }
inline bool isKanji(int c) { return (c >= 0x4E00 && c <= 0x9F9F) || c == 0x3005; }
inline bool isQuoteChar(int c) { return c == '"' || c == '\''; }
inline bool isLineBreakChar(int c) { return c == '\r' || c == '\n'; }
// The closing CJK brackets (the odd code points U+3009-U+301F), the full-width and the
// ASCII closing parenthesis.
inline bool isClosingBracket(int c) { return (c >= 0x3009 && c <= 0x301F && (c & 1) != 0) || c == 0xFF09 || c == ')'; }
inline bool isListMark(int c) { return c == 0x25E6 || c == 0x30FB || c == 0xFF03 || c == 0xFF0A || c == '\t'; }
inline bool isJapaneseStop(int c) { return c == 0x3002 || c == 0xFF1F || c == 0xFF0E; }
inline bool isBlankChar(int c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
inline bool isAsciiWordChar(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

inline bool isUpperCase(int c) { return c >= 0 && ::iswupper(static_cast<wint_t>(c)) != 0; }
inline bool isLowerCase(int c) { return c >= 0 && ::iswlower(static_cast<wint_t>(c)) != 0; }
inline bool isLetter(int c) { return c >= 0 && ::iswalpha(static_cast<wint_t>(c)) != 0; }
inline bool isDigitChar(int c) { return c >= 0 && ::iswdigit(static_cast<wint_t>(c)) != 0; }
