// One configurable event sound: its wave file, whether it is off, and its registry sub-key.
#pragma once

#include <string>

enum class TSoundEvent { seSelect, seClick, sePreparing, seLoop, seReady };
inline constexpr int kSoundEventCount = 5;

class TSoundObject {
public:
    TSoundObject(const std::wstring& keyAddon, bool defaultDisabled, const std::wstring& defaultName);

    void SyncPlayback() const;
    void LoopPlayback() const;
    void AsyncPlayback() const;
    void Stop() const;
    void StoreData() const;

    std::wstring FKey;
    bool FDisabled = false;
    std::wstring FAbsoluteFilename;

private:
    void Play(unsigned flags) const;
};
