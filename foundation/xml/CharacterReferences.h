// Plain text from text scraped from web pages and timed-text tracks: HTML character
// references, backslash escapes and line breaks.
#pragma once

#include <string>

// The character of a named reference ("lt", "eacute", ...), case-sensitive; empty when
// the name is unknown.
std::wstring getNamedEntity(const std::wstring& name);

// Decodes "&name;" and "&#digits;" (a name of at most 9 letters, at most 8 digits; an
// unknown name gives "!"), also when doubly escaped as "&amp;name;"; turns "\n" into CR LF,
// "\t" into a tab, drops "\r" and keeps the character after any other backslash; a line
// break becomes one space when `foldLineBreaks` is set and disappears otherwise.
std::wstring decodeCharacterReferences(const std::wstring& text, bool foldLineBreaks);

// Appends the character of a numeric reference's body ("#65" or "#x41", the text between
// "&" and ";"): ASCII digits only, a code point from 1 to U+10FFFF outside the surrogates.
// False, appending nothing, for any other body.
bool appendNumericReference(std::wstring& out, const wchar_t* body, const wchar_t* end);
