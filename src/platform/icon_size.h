// The size of an icon's picture.
#pragma once

#include <windows.h>

namespace platform {

// Zero for no icon.
SIZE IconSize(HICON icon);

}  // namespace platform
