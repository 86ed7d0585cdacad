// Start-up and shutdown steps that belong to other subsystems of the program. Each is called by
// the main form at its place in the sequence.
#pragma once

#include <string>

class TMainForm;

// The splash screen shown during start-up; released on every path out of start-up.
class TSplashScope {
public:
    TSplashScope() = default;
    TSplashScope(const TSplashScope&) = delete;
    TSplashScope& operator=(const TSplashScope&) = delete;
    ~TSplashScope() { Release(); }
    void Create();
    void Show(const std::wstring& versionText, const std::wstring& copyright);
    void Release();
    bool Exists() const { return created_; }

private:
    bool created_ = false;
};

// True when no SplashScreen value is stored (a first start); otherwise sets FShowSplashScreen.
bool SplashSettingAbsent(TMainForm& form);
// The test-mode warning: IDYES to go on; doNotShowAgain tells whether the user ticked its box.
int ShowTestModeWarning(TMainForm& form, bool& doNotShowAgain);

void FillAboutTexts(TMainForm& form);
void UpdateCommandStates(TMainForm& form);
void AttachSystemImageLists(TMainForm& form);
void LoadAppropBanner(TMainForm& form);
// The settings dialog, when open, follows the usage stack's state.
void ButtonFromStack(TMainForm& form);
void BuildMenu(TMainForm& form);
// The last step of a build: which items show.
void PersonalizeMenu(TMainForm& form);
void StopWatchers(TMainForm& form);
void ClearMenu(TMainForm& form);
