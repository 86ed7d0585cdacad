// Which highlighted item earns the selection sound: only one other than the item last
// considered, remembered by identity so that an item of a rebuilt menu is never mistaken for it.
#pragma once

#include "core/menu_item.h"

namespace core {

class TSelectionTracker {
public:
    // True when the item differs from the last one considered; it becomes the last one.
    bool Select(const TMenuItem& item) {
        if (item.Id() == fLastPlayed) return false;
        fLastPlayed = item.Id();
        return true;
    }
    TMenuItemId LastPlayed() const { return fLastPlayed; }

private:
    TMenuItemId fLastPlayed = 0;  // never cleared
};

}  // namespace core
