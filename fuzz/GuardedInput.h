// Holds an input so that its last byte ends a committed page followed by a no-access
// page: any read past the input faults at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class GuardedInput {
public:
    GuardedInput() = default;
    ~GuardedInput();
    GuardedInput(const GuardedInput&) = delete;
    GuardedInput& operator=(const GuardedInput&) = delete;

    // Copies the input into place and returns where it starts.
    const uint8_t* place(const std::string& input);

private:
    void release();

    uint8_t* mBase = nullptr;
    size_t mReserved = 0;
};
