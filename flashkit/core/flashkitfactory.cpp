#include "flashkit/core/flashkitfactory.h"

#include "flashkit/core/flashmokit.h"

FlashKitFactory* FlashKitFactory::instance()
{
    static FlashKitFactory factory;
    return &factory;
}

FlashKitFactory::~FlashKitFactory()
{
    for (IFlashKitInterface*& kit : kits) {
        IFlashKitInterface* held = kit;
        kit = nullptr;
        delete held;
    }
}

IFlashKitInterface* FlashKitFactory::createKit(int kitType)
{
    // Type 1 is a reserved slot with no kit behind it.
    if (kitType != 0)
        return nullptr;
    if (!kits[0])
        kits[0] = new FlashmoKit;
    return kits[0];
}

void FlashKitFactory::releaseKit(IFlashKitInterface* kit)
{
    for (IFlashKitInterface*& held : kits) {
        if (held == kit)
            held = nullptr;
    }
}
