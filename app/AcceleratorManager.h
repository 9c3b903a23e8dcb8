// The process's keyboard accelerators: a list of ACCEL records and the table built from it.
#pragma once

#include <windows.h>

#include <vector>

class AcceleratorManager {
public:
    static AcceleratorManager& getInstance();
    ~AcceleratorManager();

    // Appends a record; FVIRTKEY is always added to the flags.
    void addAccelerator(WORD command, WORD key, BYTE flags);
    // Replaces the key and flags of the first record of the command, else appends one.
    void setAccelerator(WORD command, WORD key, BYTE flags);
    // Builds the table anew from the records; true when a table exists.
    bool createTable();
    HACCEL getHandle() const { return mHandle; }
    const std::vector<ACCEL>& getAccelerators() const { return mAccelerators; }
    void clear();

    AcceleratorManager() = default;
    AcceleratorManager(const AcceleratorManager&) = delete;
    AcceleratorManager& operator=(const AcceleratorManager&) = delete;

private:
    HACCEL mHandle = nullptr;
    std::vector<ACCEL> mAccelerators;
};

// Enters the player's 18 accelerators in their order and builds the table.
void registerPlayerAccelerators(AcceleratorManager& accelerators);
