#pragma once

#include "flashkit/core/iflashkitinterface.h"

// Hands out the one template kit. Kit type 0 is the Flashmo kit (made once, returned again);
// type 1 is reserved and yields null.
class FlashKitFactory
{
public:
    static FlashKitFactory* instance();
    virtual ~FlashKitFactory();

    IFlashKitInterface* createKit(int kitType);
    // The owner of a kit (the main window) calls this before deleting it, so the factory never
    // deletes it a second time.
    void releaseKit(IFlashKitInterface* kit);

private:
    FlashKitFactory() = default;
    IFlashKitInterface* kits[2] = {nullptr, nullptr};
};
