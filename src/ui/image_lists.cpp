#include "app/main_form.h"
#include "app/startup_seams.h"

#include <commctrl.h>

// IL3 and IL4 receive the shell's own large and small icon lists; the lists belong to the shell
// and are never destroyed by the program.
void AttachSystemImageLists(TMainForm& form) {
    using ShellGetImageListsFn = BOOL(WINAPI*)(HIMAGELIST*, HIMAGELIST*);
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = form.FShell32Dll.get();
    auto fn = shell ? reinterpret_cast<ShellGetImageListsFn>(
                          reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(71))))
                    : nullptr;
    HIMAGELIST large = nullptr, small = nullptr;
    if (!fn || !fn(&large, &small)) return;
    auto attach = [](TImageList& list, HIMAGELIST handle) {
        list.Handle = handle;
        if (handle) ImageList_GetIconSize(handle, &list.Width, &list.Height);
    };
    attach(form.IL3, large);
    attach(form.IL4, small);
}
