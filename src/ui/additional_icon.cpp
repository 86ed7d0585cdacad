#include "ui/additional_icon.h"

#include "app/main_form.h"
#include "platform/icon_size.h"
#include "platform/registry.h"

#include <shlobj.h>

using namespace platform;

void TAdditionalIconData::SetData(const std::wstring& filename, int index) {
    FIconFilename = filename;
    FIconIndex = index;
    HICON large = nullptr;
    HICON small = nullptr;
    // Size 0 gives no small picture on every system; ask for the default sizes explicitly.
    UINT sizes = MAKELONG(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON));
    if (SHDefExtractIconW(filename.c_str(), index, 0, &large, &small, sizes) != S_OK) {
        if (large) DestroyIcon(large);
        if (small) DestroyIcon(small);
        large = small = nullptr;
    }
    FLargeIcon.reset(large);
    FLargeSize = platform::IconSize(large);
    SetSmallIcon(small);
}

void TAdditionalIconData::SetSmallIcon(HICON handle) {
    if (handle) DestroyIcon(handle);
}

TAdditionalIcon::TAdditionalIcon(const std::wstring& keyAddon, int defaultIndex, bool defaultDisappeared) {
    FKey = MainForm->FRegistryKey + L"\\ExtraIcons\\" + keyAddon;
    std::wstring file = MainForm->FFullExeName;
    int index = defaultIndex;
    FDisappeared = defaultDisappeared;
    UniqueHKey key;
    if (OpenKeyForReading(FKey, key)) {
        file = ReadStringValue(key.get(), L"Filename", MainForm->FFullExeName);
        index = ReadIntegerValue(key.get(), L"Index", defaultIndex);
        FDisappeared = ReadBoolValue(key.get(), L"Disappeared", defaultDisappeared);
        CloseKey(key);
    }
    SetData(file, index);
}

void TAdditionalIcon::SetSmallIcon(HICON handle) {
    FSmallIcon.reset(handle);
    FSmallSize = platform::IconSize(handle);
}

void TAdditionalIcon::StoreData() const {
    UniqueHKey key;
    if (!OpenKeyForWriting(FKey, key)) return;
    WriteStringValue(key.get(), L"Filename", FIconFilename);
    WriteIntegerValue(key.get(), L"Index", FIconIndex);
    WriteBoolValue(key.get(), L"Disappeared", FDisappeared);
}
