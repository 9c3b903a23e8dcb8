// The error code of the last call on each thread, as BASS_ErrorGetCode reports it.
#pragma once

int lastError();
void setError(int code);

// Sets the code and returns the failure value of the caller's result type.
template <typename T>
T fail(int code, T failure) {
    setError(code);
    return failure;
}
