#include "app/AcceleratorManager.h"

AcceleratorManager& AcceleratorManager::getInstance() {
    static AcceleratorManager instance;
    return instance;
}

AcceleratorManager::~AcceleratorManager() {
    if (mHandle) ::DestroyAcceleratorTable(mHandle);
}

void AcceleratorManager::addAccelerator(WORD command, WORD key, BYTE flags) {
    ACCEL record{};
    record.fVirt = static_cast<BYTE>(flags | FVIRTKEY);
    record.key = key;
    record.cmd = command;
    mAccelerators.push_back(record);
}

void AcceleratorManager::setAccelerator(WORD command, WORD key, BYTE flags) {
    for (ACCEL& record : mAccelerators) {
        if (record.cmd == command) {
            record.key = key;
            record.fVirt = static_cast<BYTE>(flags | FVIRTKEY);
            return;
        }
    }
    addAccelerator(command, key, flags);
}

bool AcceleratorManager::createTable() {
    if (mHandle) {
        ::DestroyAcceleratorTable(mHandle);
        mHandle = nullptr;
    }
    if (!mAccelerators.empty()) {
        mHandle = ::CreateAcceleratorTableW(mAccelerators.data(), static_cast<int>(mAccelerators.size()));
    }
    return mHandle != nullptr;
}

void AcceleratorManager::clear() {
    if (mHandle) ::DestroyAcceleratorTable(mHandle);
    mHandle = nullptr;
    mAccelerators.clear();
}

void registerPlayerAccelerators(AcceleratorManager& accelerators) {
    const BYTE ctrl = FCONTROL;
    const BYTE ctrlShift = FCONTROL | FSHIFT;
    accelerators.addAccelerator(100, 'O', ctrl);       // open a file
    accelerators.addAccelerator(101, 'P', ctrl);       // play / pause
    accelerators.addAccelerator(102, 'P', ctrlShift);  // play the selected sentence
    accelerators.addAccelerator(119, VK_UP, ctrl);     // previous sentence
    accelerators.addAccelerator(120, VK_DOWN, ctrl);   // next sentence
    accelerators.addAccelerator(121, VK_RIGHT, ctrl);  // 5 seconds ahead
    accelerators.addAccelerator(104, 'T', ctrl);       // set the start time
    accelerators.addAccelerator(105, 'T', ctrlShift);  // next sentence, set its start time
    accelerators.addAccelerator(106, 'E', ctrl);       // set the end time
    accelerators.addAccelerator(107, 'E', ctrlShift);  // next sentence, set its end time
    accelerators.addAccelerator(108, 'R', ctrl);       // reset the times
    accelerators.addAccelerator(109, 'R', ctrlShift);  // next sentence, reset its times
    accelerators.addAccelerator(115, 'L', ctrl);       // reload the sentences
    accelerators.addAccelerator(114, 'J', ctrl);       // store translation and explanation
    accelerators.addAccelerator(118, VK_SPACE, ctrl);  // click at the mouse position
    accelerators.addAccelerator(116, 'F', ctrl);       // find and replace
    accelerators.setAccelerator(112, 'S', ctrl);       // save the sentences
    accelerators.addAccelerator(117, 'W', ctrl);       // word list
    accelerators.createTable();
}
