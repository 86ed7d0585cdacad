#include "platform/os_version.h"

#include <windows.h>

namespace platform {

OsVersion GetOsVersion() {
    // RtlGetVersion reports the real version whatever the manifest says (GetVersionEx would
    // report 6.2 to a program without the newest supportedOS entries).
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        auto fn = reinterpret_cast<RtlGetVersionFn>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        if (fn && fn(&info) == 0) return {info.dwMajorVersion, info.dwMinorVersion};
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&info)) return {info.dwMajorVersion, info.dwMinorVersion};
#pragma GCC diagnostic pop
    return {};
}

}  // namespace platform
