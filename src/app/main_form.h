// The main form: the single long-lived object. It carries every setting, owns the popup menu,
// the tray icon, the image lists, the additional icons, the sounds and the usage stacks, and
// doubles as the About window.
#pragma once

#include "app/settings_store.h"
#include "core/menu_tree.h"
#include "core/selection_sound.h"
#include "core/usage_stack.h"
#include "platform/name_collation.h"
#include "platform/unique_handle.h"
#include "platform/window.h"
#include "sound/sound_object.h"
#include "ui/additional_icon.h"
#include "ui/popup_menu.h"
#include "ui/tray_icon.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMainForm;
// Valid from the start of the main form's construction to the end of its destruction.
extern TMainForm* MainForm;

// Sets MainForm before any other part of the main form is constructed.
struct TMainFormRegistration {
    explicit TMainFormRegistration(TMainForm* form);
    ~TMainFormRegistration();
};

// An image list reference: the large or the small system list.
struct TImageList {
    HIMAGELIST Handle = nullptr;  // the shell's lists are shared and never destroyed here
    platform::UniqueHImageList Owned;  // the program's own pictures
    int Width = 0;
    int Height = 0;
};

// What a start may take from outside the program (the tests use it to stand in for parts of
// the system).
struct TStartupOptions {
    std::wstring ShellLibrary = L"shell32.dll";  // where the Run dialog comes from (export 61)
};

// A child window that leaves its painting to a handler.
class TPaintBox : public platform::TWindow {
public:
    std::function<void(HDC, const RECT&)> OnPaint;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

using TSHRunDialog = void(WINAPI*)(HWND owner, HICON icon, LPCWSTR directory, LPCWSTR title,
                                   LPCWSTR prompt, UINT flags);

class TMainForm : private TMainFormRegistration, public platform::TWindow, public TSettingsStore {
public:
    explicit TMainForm(const TStartupOptions& options = {});
    ~TMainForm() override;

    // --- run-time fields ---
    std::wstring FFullExeName;
    std::wstring FApplicationTitle;
    unsigned FVersionMajor = 0, FVersionMinor = 0, FVersionRelease = 0, FVersionBuild = 0;
    std::wstring FCompanyName;
    std::wstring FVersionText;
    std::wstring FCopyright;

    TImageList IL1, IL2, IL3, IL4;
    TImageList* FRootImages = &IL3;
    TImageList* FProgramsImages = &IL4;
    TImageList* FFavoritesImages = &IL4;
    TImageList* FDocumentImages = &IL4;

    std::array<std::unique_ptr<TAdditionalIcon>, 9> FAdditionalIcons;
    std::array<std::unique_ptr<TSoundObject>, kSoundEventCount> FSoundEvents;
    bool FDisableRepopupSound = false;
    bool FFixingBanner = false;

    // Names compare in the user's locale, ignoring case, everywhere in the menu.
    platform::TUserLocaleCollation FCollation;
    core::TMenuItemStack FOldStyleStack{FCollation};  // "MenuUsage"
    core::TMenuItemStack FStack{FCollation};          // "MergedMenuUsage"

    // The popup menu: the built items, then the six items of the form design.
    TVeskPopupMenu PopupMenu;
    core::TFormMenuItems FormItems;
    core::TMenuItem* SettingsMenuItem = nullptr;
    core::TMenuItem* DonateMenuItem = nullptr;
    core::TMenuItem* AboutMenuItem = nullptr;
    core::TMenuItem* RunMenuItem = nullptr;
    core::TMenuItem* ExitMenuItem = nullptr;
    core::TMenuItem* N1 = nullptr;
    // The Favorites and Documents submenus of the built menu; nullptr when not built.
    core::TMenuItem* FFavorites = nullptr;
    core::TMenuItem* FDocuments = nullptr;
    // The handlers every built item receives (click by kind, shared draw and measure).
    core::TItemHandlers ItemHandlers;
    // The item the selection sound was last considered for (by an identity never reused).
    core::TSelectionTracker FLastPlayed;
    TVeskTrayIcon TrayIcon;
    // The settings dialog while it is open.
    class TSettingsForm* FSettingsForm = nullptr;

    platform::UniqueHModule FShell32Dll;
    TSHRunDialog FSHRunDialog = nullptr;

    // Set by watcher threads, read by the main thread.
    std::atomic<bool> FUpdateNeeded{false};
    std::wstring FCommonStartMenu, FStartMenu, FFavirites, FRecent;
    platform::UniqueKernelHandle FEvent;
    bool FForceExpanded = false;
    bool FInitialized = false;

    // --- settings fields ---
    bool FShowSplashScreen = false;
    bool FStaticMenus = false;
    bool FHideCommon = false;
    bool FHidePersonal = false;
    bool FNoExtraIcons = false;
    bool FSeparateApps = false;
    bool FNoCaptionLengthLimit = false;
    int FCaptionLengthLimitValue = 256;
    bool FDisableBreaks = false;
    int FBreaksValue = 20;
    int FSmallBreaksValue = 32;
    bool FMergedCols = false;
    double FDemotedItemsData = 0.5;
    double FAdditionalIconsAreaData = 0.25;
    bool FDisableSounds = false;
    bool FNoBanner = false;
    bool FPredefinedBanner = false;
    int FPredefinedBannerIndex = 0;
    std::wstring FCustomBannerString;
    bool FGenericIcons = false;
    bool FTrueNames = false;
    bool FDontBuildMenuOnProgramStartup = false;

    // --- the About window's controls (children of the main window) ---
    TPaintBox PaintBox;
    RECT BevelRect{};
    HWND L1 = nullptr, L2 = nullptr, L3 = nullptr, LL1 = nullptr, LL2 = nullptr;
    HWND SettingsButton = nullptr, OKButton = nullptr;
    platform::UniqueHFont FFont, FBoldFont;

    // --- main window state read back at exit ---
    bool AlphaBlend() const { return alphaBlend_; }
    BYTE AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlend(bool on);
    void SetAlphaBlendValue(BYTE value);
    bool StaysOnTop() const;
    void SetStaysOnTop(bool onTop);
    RECT WindowBounds() const;

    // --- operations ---
    void ApplicationIdle();
    void ExitMenuItemClick(core::TMenuItem& sender);
    void ExecuteItem(core::TMenuItem& sender);
    void FolderClick(core::TMenuItem& sender);
    void PopupMenuMenuSelect(TVeskPopupMenu& sender, core::TMenuItem& menuItem);
    void PopupMenuPopup();
    void TrayIconDblClick();
    void ShowSettingsDialog();
    void PaintBoxPaint(HDC dc, const RECT& box);
    // The view of the Start Menu folders in force.
    core::TStartMenuView StartMenuView() const { return {FHideCommon, FHidePersonal, FSeparateApps}; }
    core::TMenuItemStack& AppropStack() { return core::AppropStack(StartMenuView(), FOldStyleStack, FStack); }
    void BeginBuilding();
    // BuildMenu between BeginBuilding and EndBuilding.
    void BuildMenuWithSounds();
    void EndBuilding();
    void PlayCommandSound();
    // The orderly end: stops the watchers and writes every setting (once).
    void SaveAndRelease();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool StartUp();
    void ReadSettings();
    void WriteSettings();
    void CreateAdditionalIcons(int first, int last, bool defaultDisappeared);
    void CreateSoundObjects();
    void CreateWindowFromDesign();
    void CreateMenuFromDesign();
    void CreateAboutControls();
    bool AboutWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    TStartupOptions options_;

    bool alphaBlend_ = true;
    BYTE alphaBlendValue_ = 128;
    bool comInitialized_ = false;
};
