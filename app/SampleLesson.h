// The short lesson that comes with the program, offered in the recent files until the
// learner has opened anything.
#pragma once

#include <string>

// Where the set-up puts the lesson, relative to the run folder.
extern const wchar_t* const kSampleLessonPath;

// The lesson's full path from the current folder (the run folder); empty when unknown.
std::wstring getSampleLessonPath();
