#include "ui/image_lists.h"

#include "app/main_form.h"
#include "app/startup_seams.h"

#include <commctrl.h>

// IL3 and IL4 receive the shell's own large and small icon lists; the lists belong to the shell
// and are never destroyed by the program.
void AttachSystemImageLists(TMainForm& form) {
    // Without the shell's lists the designed sizes stay: nothing is drawn, the layout holds.
    form.IL3.Width = form.IL3.Height = 32;
    form.IL4.Width = form.IL4.Height = 16;
    using ShellGetImageListsFn = BOOL(WINAPI*)(HIMAGELIST*, HIMAGELIST*);
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = form.FShell32Dll.get();
    // Shell_GetImageLists is exported by ordinal only on older systems.
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

TImageList& BranchImageList(TMainForm& form, core::TImageBranch branch) {
    switch (branch) {
    case core::TImageBranch::Programs: return *form.FProgramsImages;
    case core::TImageBranch::Favorites: return *form.FFavoritesImages;
    case core::TImageBranch::Documents: return *form.FDocumentImages;
    case core::TImageBranch::Root: break;
    }
    return *form.FRootImages;
}

TImageList& ItemImageList(TMainForm& form, const core::TMenuItem& item) {
    return BranchImageList(form, core::ItemImageBranch(item, form.FFavorites, form.FDocuments));
}
