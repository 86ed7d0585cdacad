#include "app/main_form.h"

#include "app/error_report.h"
#include "app/startup_seams.h"
#include "app/version_info.h"
#include "core/settings_table.h"
#include "core/text_format.h"
#include "platform/application.h"
#include "platform/os_version.h"
#include "resource_ids.h"

#include <cmath>

using platform::Application;

TMainForm* MainForm = nullptr;

TMainFormRegistration::TMainFormRegistration(TMainForm* form) { MainForm = form; }
TMainFormRegistration::~TMainFormRegistration() { MainForm = nullptr; }

namespace {

constexpr wchar_t kMainFormClass[] = L"TMainForm";
constexpr int kClientWidth = 500;
constexpr int kClientHeight = 164;

std::wstring ModuleFileName() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);  // a long path: try again with room for it
    }
}

// A stored fraction outside 0..1 (or not a number at all) cannot have come from the settings
// dialog; it falls back to the default like any other bad value.
double FractionOrDefault(double value, double defaultValue) {
    return std::isfinite(value) && value >= 0 && value <= 1 ? value : defaultValue;
}

}  // namespace

TMainForm::TMainForm(const TStartupOptions& options) : TMainFormRegistration(this), options_(options) {
    StartUp();
}

void TMainForm::CreateWindowFromDesign() {
    platform::WindowParams p;
    p.ClassName = kMainFormClass;
    p.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    // The design keeps the window above others and blends it with alpha 128.
    p.ExStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
    RECT r{0, 0, platform::ScaleToDpi(kClientWidth), platform::ScaleToDpi(kClientHeight)};
    AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
    p.Width = r.right - r.left;
    p.Height = r.bottom - r.top;
    p.Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    p.Background = GetSysColorBrush(COLOR_BTNFACE);
    Create(p);
    Application.MainWindow = Handle();
    Application.AddDialogWindow(Handle());  // Tab between the controls, Enter presses OK
    SetAlphaBlendValue(128);
    SetAlphaBlend(true);
    // Until the shell's lists are attached the lists keep their designed sizes.
    IL3.Width = IL3.Height = 32;
    IL4.Width = IL4.Height = 16;
    CreateAboutControls();
}

bool TMainForm::StartUp() {
    // 1. No critical-error boxes from the system (an empty removable drive, for example).
    SetErrorMode(SEM_FAILCRITICALERRORS);
    // 2.
    CreateWindowFromDesign();
    CreateMenuFromDesign();
    // 3.
    platform::OsVersion os = platform::GetOsVersion();
    if (!os.AtLeast(6, 0)) {
        ShowResourceErrorMessage(IDS_OS_NOT_SUPPORTED);
        return false;
    }
    // 4. The mutex lives as long as the process: its handle is deliberately never closed.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, L"VeskaraAppMutex");
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        ShowResourceErrorMessage(IDS_ALREADY_RUNNING);
        return false;
    }
    // 5.
    HRESULT hr = CoInitialize(nullptr);
    if (static_cast<unsigned long>(hr) >= 2) {
        ShowResourceErrorMessage(IDS_COM_ERROR);
        return false;
    }
    // 6.
    FFullExeName = ModuleFileName();
    if (FFullExeName.empty()) {
        ShowResourceErrorMessage(IDS_NO_EXE_NAME);
        CoUninitialize();
        return false;
    }
    // 7.
    TVersionInfo version;
    if (!ReadVersionInfo(FFullExeName, version)) {
        ShowResourceErrorMessage(IDS_NO_VERSION_INFO);
        CoUninitialize();
        return false;
    }
    FApplicationTitle = version.ProductName;
    FCompanyName = version.CompanyName;
    FVersionMajor = version.Major;
    FVersionMinor = version.Minor;
    FVersionRelease = version.Release;
    FVersionBuild = version.Build;
    // 8, 9.
    Application.Title = FApplicationTitle;
    FRegistryKey = core::SettingsKeyPath(FCompanyName, FApplicationTitle, FVersionMajor, FVersionMinor, FVersionRelease);
    // 10, 11, 12.
    Application.ShowMainForm = ReadBool(L"ShowMainForm");
    Application.OnIdle = [this] { ApplicationIdle(); };
    FShowSplashScreen = ReadBool(L"SplashScreen");
    // 13. From here to the end of start-up the splash screen is released on every path.
    TSplashScope splash;
    if (SplashSettingAbsent(*this) || FShowSplashScreen) splash.Create();
    // 14, 15.
    FVersionText = core::FormatText(LoadResString(IDS_VERSION_FMT), {},
                                    {FVersionMajor, FVersionMinor, FVersionRelease, FVersionBuild});
    FCopyright = LoadResString(IDS_COPYRIGHT);
    splash.Show(FVersionText, FCopyright);
    // 16 to 20: the window's look and place.
    if (ReadBool(L"Opaque")) SetAlphaBlend(false);
    SetAlphaBlendValue(static_cast<BYTE>(ReadInteger(L"AlphaBlendValue", 128) & 0xFF));
    SetWindowTextW(Handle(), core::FormatText(LoadResString(IDS_ABOUT_FMT), {FApplicationTitle}).c_str());
    if (ReadBool(L"RegularZOrder")) SetStaysOnTop(false);
    {
        RECT bounds = WindowBounds();
        bool bothStored = IntegerStored(L"Left") && IntegerStored(L"Top");
        int left = ReadInteger(L"Left", bounds.left);
        int top = ReadInteger(L"Top", bounds.top);
        if (bothStored)
            SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // 21.
    FillAboutTexts(*this);
    // 22, 23, 24.
    TrayIcon.SetHint(FApplicationTitle);
    AttachSystemImageLists(*this);
    FRootImages = ReadBool(L"SmallTopLevelImages") ? &IL4 : &IL3;
    FProgramsImages = ReadBool(L"LargeImages") ? &IL3 : &IL4;
    FFavoritesImages = ReadBool(L"LargeFavoritesImages") ? &IL3 : &IL4;
    FDocumentImages = ReadBool(L"LargeDocumentsImages") ? &IL3 : &IL4;
    TrayIcon.FMouseButton = static_cast<unsigned char>(ReadInteger(L"MouseButton", 1) & 0xFF);
    // 25.
    CreateAdditionalIcons(0, 1, true);
    CreateAdditionalIcons(2, 8, false);
    // 26.
    FStaticMenus = ReadBool(L"StaticMenus");
    FHideCommon = ReadBool(L"HideCommon");
    FHidePersonal = ReadBool(L"HidePersonal");
    FNoExtraIcons = ReadBool(L"NoExtraIcons");
    FSeparateApps = ReadBool(L"SeparateApps");
    FNoCaptionLengthLimit = ReadBool(L"NoCaptionLengthLimit");
    FCaptionLengthLimitValue = ReadInteger(L"CaptionLengthLimitValue", 256);
    FDisableBreaks = ReadBool(L"DisableBreaks");
    FBreaksValue = ReadInteger(L"LargeColumnSize", 20);
    FSmallBreaksValue = ReadInteger(L"SmallColumnSize", 32);
    FMergedCols = ReadBool(L"MergedCols");
    FDemotedItemsData = FractionOrDefault(ReadFloat(L"DemotedItemsData", 0.5), 0.5);
    FAdditionalIconsAreaData = FractionOrDefault(ReadFloat(L"AdditionalIconsAreaData", 0.25), 0.25);
    FDisableSounds = ReadBool(L"DisableSounds");
    // 27.
    CreateSoundObjects();
    // 28, 29.
    FNoBanner = ReadBool(L"NoBanner");
    FPredefinedBanner = ReadBool(L"UsePredefinedBanner");
    FPredefinedBannerIndex = ReadInteger(L"PredefinedBannerIndex", 0);
    FCustomBannerString = ReadString(L"CustomBanner", core::FolderOf(FFullExeName) + L"vesk.bmp");
    LoadAppropBanner(*this);
    // 30, 31.
    FGenericIcons = ReadBool(L"DisableShellIcons");
    FTrueNames = ReadBool(L"TrueNames");
    {
        std::vector<std::wstring> usage;
        ReadStrings(usage, L"MenuUsage");
        FOldStyleStack.Load(usage);
        ReadStrings(usage, L"MergedMenuUsage");
        FStack.Load(usage);
    }
    // 32. Without the shell's Run dialog the Run command cannot be chosen.
    FShell32Dll.reset(LoadLibraryW(options_.ShellLibrary.c_str()));
    if (FShell32Dll)
        FSHRunDialog = reinterpret_cast<TSHRunDialog>(
            reinterpret_cast<void*>(GetProcAddress(FShell32Dll.get(), MAKEINTRESOURCEA(61))));
    if (!FSHRunDialog) RunMenuItem->Enabled = false;
    // 33.
    FEvent.reset(CreateEventW(nullptr, TRUE, TRUE, nullptr));
    if (!FEvent) {
        ShowResourceErrorMessage(IDS_NO_EVENT);
        splash.Release();
        CoUninitialize();
        return false;
    }
    // 34. Below Windows 7 the user accepts running in test mode, once or for good.
    if (!os.AtLeast(6, 1) && !ReadBool(L"Dsa")) {
        bool doNotShowAgain = false;
        if (ShowTestModeWarning(*this, doNotShowAgain) != IDYES) {
            splash.Release();
            CoUninitialize();
            return false;
        }
        if (doNotShowAgain) WriteBool(L"Dsa", true);
    }
    // 35, 36, 37.
    TrayIcon.SetVisible(true);
    FDontBuildMenuOnProgramStartup = ReadBool(L"DontBuildOnStartup");
    if (FDontBuildMenuOnProgramStartup) {
        FUpdateNeeded = true;
    } else {
        BuildMenuWithSounds();
    }
    // 38.
    FInitialized = true;
    splash.Release();
    return true;
}

void TMainForm::CreateAdditionalIcons(int first, int last, bool defaultDisappeared) {
    for (int i = first; i <= last; ++i)
        FAdditionalIcons[i] = std::make_unique<TAdditionalIcon>(
            std::wstring(core::kAdditionalIcons[i].KeyName), core::kAdditionalIcons[i].DefaultIndex, defaultDisappeared);
}

void TMainForm::CreateSoundObjects() {
    for (int i = 0; i < kSoundEventCount; ++i)
        FSoundEvents[i] = std::make_unique<TSoundObject>(std::wstring(core::kSounds[i].KeyName),
                                                         core::kSounds[i].DefaultDisabled,
                                                         std::wstring(core::kSounds[i].DefaultFile));
}

void TMainForm::SaveAndRelease() {
    if (!FInitialized) return;
    FInitialized = false;  // once only: a log-off and the destructor both come here
    StopWatchers(*this);
    FEvent.reset();
    WriteSettings();
    ClearMenu(*this);
    CoUninitialize();
}

TMainForm::~TMainForm() {
    SaveAndRelease();
    FShell32Dll.reset();
    for (auto& sound : FSoundEvents) sound.reset();
    for (auto& icon : FAdditionalIcons) icon.reset();
    Application.OnIdle = nullptr;
    Application.RemoveDialogWindow(Handle());
    Application.MainWindow = nullptr;
    DestroyHandle();
}

void TMainForm::WriteSettings() {
    RECT bounds = WindowBounds();
    WriteBool(L"ShowMainForm", Application.ShowMainForm);
    WriteBool(L"SplashScreen", FShowSplashScreen);
    WriteBool(L"Opaque", !AlphaBlend());
    WriteInteger(L"AlphaBlendValue", AlphaBlendValue());
    WriteBool(L"RegularZOrder", !StaysOnTop());
    WriteInteger(L"Left", bounds.left);
    WriteInteger(L"Top", bounds.top);
    WriteBool(L"SmallTopLevelImages", FRootImages != &IL3);
    WriteBool(L"LargeImages", FProgramsImages == &IL3);
    WriteBool(L"LargeFavoritesImages", FFavoritesImages == &IL3);
    WriteBool(L"LargeDocumentsImages", FDocumentImages == &IL3);
    WriteInteger(L"MouseButton", TrayIcon.FMouseButton);
    for (const auto& icon : FAdditionalIcons)
        if (icon) icon->StoreData();
    WriteBool(L"StaticMenus", FStaticMenus);
    WriteBool(L"HideCommon", FHideCommon);
    WriteBool(L"HidePersonal", FHidePersonal);
    WriteBool(L"NoExtraIcons", FNoExtraIcons);
    WriteBool(L"SeparateApps", FSeparateApps);
    WriteBool(L"NoCaptionLengthLimit", FNoCaptionLengthLimit);
    WriteInteger(L"CaptionLengthLimitValue", FCaptionLengthLimitValue);
    WriteBool(L"DisableBreaks", FDisableBreaks);
    WriteInteger(L"LargeColumnSize", FBreaksValue);
    WriteInteger(L"SmallColumnSize", FSmallBreaksValue);
    WriteBool(L"MergedCols", FMergedCols);
    WriteFloat(L"DemotedItemsData", FDemotedItemsData);
    WriteFloat(L"AdditionalIconsAreaData", FAdditionalIconsAreaData);
    WriteBool(L"DisableSounds", FDisableSounds);
    for (const auto& sound : FSoundEvents)
        if (sound) sound->StoreData();
    WriteBool(L"NoBanner", FNoBanner);
    WriteBool(L"UsePredefinedBanner", FPredefinedBanner);
    WriteInteger(L"PredefinedBannerIndex", FPredefinedBannerIndex);
    WriteString(L"CustomBanner", FCustomBannerString);
    WriteBool(L"DisableShellIcons", FGenericIcons);
    WriteBool(L"TrueNames", FTrueNames);
    StoreStrings(FOldStyleStack.Entries(), L"MenuUsage");
    StoreStrings(FStack.Entries(), L"MergedMenuUsage");
    WriteBool(L"DontBuildOnStartup", FDontBuildMenuOnProgramStartup);
}

void TMainForm::SetAlphaBlend(bool on) {
    alphaBlend_ = on;
    LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if (on) {
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
        SetLayeredWindowAttributes(Handle(), 0, alphaBlendValue_, LWA_ALPHA);
    } else {
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
}

void TMainForm::SetAlphaBlendValue(BYTE value) {
    alphaBlendValue_ = value;
    if (alphaBlend_) SetLayeredWindowAttributes(Handle(), 0, value, LWA_ALPHA);
}

bool TMainForm::StaysOnTop() const { return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void TMainForm::SetStaysOnTop(bool onTop) {
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT TMainForm::WindowBounds() const {
    RECT r{};
    if (IsIconic(Handle())) {
        // A minimized window sits far off screen; its place is where it will be restored.
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(Handle(), &wp);
        return wp.rcNormalPosition;
    }
    GetWindowRect(Handle(), &r);
    return r;
}

void TMainForm::ApplicationIdle() { UpdateCommandStates(*this); }

void TMainForm::ExitMenuItemClick(core::TMenuItem&) {
    PlayCommandSound();
    Application.Terminate();
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; AboutWindowMessage(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // The session ends: the process may be ended as soon as this returns, so the orderly
        // exit's writes happen now.
        if (wParam) {
            SaveAndRelease();
            Application.Terminate();
        }
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
