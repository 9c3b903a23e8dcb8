// How BASS failures reach the user: the text of an error code, and the error box.
#pragma once

#include <string>

// The description of a BASS error code; empty for codes without one.
std::string getBassErrorText(int code);

// The "Error" box: "<text>\n\n(error code: <code>)" with the code of BASS_ErrorGetCode,
// or "<text> (InitializeError)" while that entry point is not resolved.
void showBassError(const std::string& text);
