#include "app/main_form.h"
#include "app/startup_seams.h"
#include "platform/registry.h"

bool SplashSettingAbsent(TMainForm& form) {
    platform::UniqueHKey key;
    std::int32_t value = 0;
    if (form.OpenSettingsKeyForReading(key) && platform::QueryDWordValue(key.get(), L"SplashScreen", value)) {
        form.FShowSplashScreen = value != 0;
        return false;
    }
    return true;
}

// The splash window itself comes with its picture; until then start-up only tracks whether
// one is wanted, so that the setting keeps its meaning.
void TSplashScope::Create() { created_ = true; }
void TSplashScope::Show(const std::wstring&, const std::wstring&) {}
void TSplashScope::Release() { created_ = false; }
