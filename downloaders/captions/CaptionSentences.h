// A caption text cut into sentences, for a list of one sentence per line.
#pragma once

#include <string>
#include <vector>

// The sentences of the text in order, each running up to where the next begins, without
// the one space that separated them; blanks between sentences beyond that one stay at
// the start of the next. A text without sentence punctuation is one sentence; trailing
// blanks give none.
std::vector<std::wstring> splitCaptionSentences(const std::wstring& text);
