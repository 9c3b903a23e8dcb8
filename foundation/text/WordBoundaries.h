#pragma once
// Word-wise caret movement and double-click selection over English mixed with Japanese:
// runs of ASCII letters, of digits, of one repeated ASCII symbol, of hiragana, of
// katakana and of kanji are words; any other wide character is a word by itself.
#include <windows.h>

// The end of the word at position (after the blanks before it); the length at the end of
// the text. Reads stop at length; limit caps the answer.
int findWordEnd(const wchar_t* text, int length, int position, int limit);
int findWordEnd(const wchar_t* text, int position, int limit);
// The start of the word that ends at or before position (blanks to its left skipped).
int findWordStart(const wchar_t* text, int length, int position, int limit);
int findWordStart(const wchar_t* text, int position, int limit);

// The edit-control word-break callback (EDITWORDBREAKPROCW): WB_LEFT, WB_MOVEWORDLEFT and
// WB_LEFTBREAK answer findWordStart; WB_RIGHT, WB_MOVEWORDRIGHT and WB_RIGHTBREAK
// findWordEnd; WB_ISDELIMITER 1 for a space; any other code 0.
int CALLBACK wordBreakProc(LPWSTR text, int position, int length, int code);
