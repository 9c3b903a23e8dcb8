// A small Japanese WordNet database with the tables and columns the look-up queries.
#pragma once

#include <string>

// Words: "bank" (a bank: 銀行; a river bank: 土手, 岸, shared with "shore"), "ice", "ice_cream",
// "iceberg", "o'clock" and "test" with 31 translations.
bool makeWordNetDatabase(const std::wstring& path);
// Generated English words, each with two senses and two Japanese words per sense.
bool makeLargeWordNetDatabase(const std::wstring& path, int englishWords);
