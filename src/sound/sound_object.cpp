#include "sound/sound_object.h"

#include "app/main_form.h"
#include "core/settings_table.h"
#include "platform/registry.h"

#include <mmsystem.h>

using namespace platform;

TSoundObject::TSoundObject(const std::wstring& keyAddon, bool defaultDisabled, const std::wstring& defaultName) {
    FKey = MainForm->FRegistryKey + L"\\Sounds\\" + keyAddon;
    std::wstring defaultPath = core::FolderOf(MainForm->FFullExeName) + L"Sounds\\" + defaultName;
    UniqueHKey key;
    if (OpenKeyForReading(FKey, key)) {
        FDisabled = ReadBoolValue(key.get(), L"Disabled", defaultDisabled);
        FAbsoluteFilename = ReadStringValue(key.get(), L"Sound", defaultPath);
        CloseKey(key);
    } else {
        FDisabled = defaultDisabled;
        FAbsoluteFilename = defaultPath;
    }
}

void TSoundObject::Play(unsigned flags) const {
    if (FDisabled) return;
    PlaySoundW(FAbsoluteFilename.c_str(), nullptr, flags);
}

void TSoundObject::SyncPlayback() const { Play(SND_FILENAME); }
void TSoundObject::LoopPlayback() const { Play(SND_FILENAME | SND_LOOP | SND_ASYNC); }
void TSoundObject::AsyncPlayback() const { Play(SND_FILENAME | SND_ASYNC); }

void TSoundObject::Stop() const {
    if (!FDisabled) PlaySoundW(nullptr, nullptr, SND_PURGE);
}

void TSoundObject::StoreData() const {
    UniqueHKey key;
    if (!OpenKeyForWriting(FKey, key)) return;
    WriteBoolValue(key.get(), L"Disabled", FDisabled);
    WriteStringValue(key.get(), L"Sound", FAbsoluteFilename);
}
