// Where the running program lives.
#pragma once

#include <string>

// The folder of the executable, with its trailing "\"; paths of any length.
std::wstring getModuleDirectory();
