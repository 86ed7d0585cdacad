// The version of Windows this process runs on, as the system reports it to the program.
#pragma once

namespace platform {

struct OsVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
    bool AtLeast(unsigned major, unsigned minor) const {
        return Major > major || (Major == major && Minor >= minor);
    }
};

OsVersion GetOsVersion();

}  // namespace platform
