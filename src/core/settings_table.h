// The values of the settings key: their names, kinds and defaults, in the order the program
// writes them at an orderly exit. Sub-key groups (additional icons, sounds) have tables of their own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

enum class SettingKind { Boolean, Integer, Float, String, StringList, IconSubKeys, SoundSubKeys };

// Defaults that depend on the running program rather than on a constant.
enum class SettingDefault {
    Constant,       // the number in `Default`
    WindowEdge,     // the window's current position (Left, Top)
    BannerFile,     // the executable's folder followed by "vesk.bmp"
    EmptyList,      // no items
    SubKeys,        // each sub-key's own table
};

struct SettingSpec {
    std::wstring_view Name;
    SettingKind Kind;
    SettingDefault DefaultKind;
    double Default;
};

// Shutdown order; the two sub-key groups stand where their values are written.
inline constexpr SettingSpec kShutdownOrder[] = {
    {L"ShowMainForm", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"SplashScreen", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"Opaque", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"AlphaBlendValue", SettingKind::Integer, SettingDefault::Constant, 128},
    {L"RegularZOrder", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"Left", SettingKind::Integer, SettingDefault::WindowEdge, 0},
    {L"Top", SettingKind::Integer, SettingDefault::WindowEdge, 0},
    {L"SmallTopLevelImages", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"LargeImages", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"LargeFavoritesImages", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"LargeDocumentsImages", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"MouseButton", SettingKind::Integer, SettingDefault::Constant, 1},
    {L"ExtraIcons", SettingKind::IconSubKeys, SettingDefault::SubKeys, 0},
    {L"StaticMenus", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"HideCommon", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"HidePersonal", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"NoExtraIcons", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"SeparateApps", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"NoCaptionLengthLimit", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"CaptionLengthLimitValue", SettingKind::Integer, SettingDefault::Constant, 256},
    {L"DisableBreaks", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"LargeColumnSize", SettingKind::Integer, SettingDefault::Constant, 20},
    {L"SmallColumnSize", SettingKind::Integer, SettingDefault::Constant, 32},
    {L"MergedCols", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"DemotedItemsData", SettingKind::Float, SettingDefault::Constant, 0.5},
    {L"AdditionalIconsAreaData", SettingKind::Float, SettingDefault::Constant, 0.25},
    {L"DisableSounds", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"Sounds", SettingKind::SoundSubKeys, SettingDefault::SubKeys, 0},
    {L"NoBanner", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"UsePredefinedBanner", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"PredefinedBannerIndex", SettingKind::Integer, SettingDefault::Constant, 0},
    {L"CustomBanner", SettingKind::String, SettingDefault::BannerFile, 0},
    {L"DisableShellIcons", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"TrueNames", SettingKind::Boolean, SettingDefault::Constant, 0},
    {L"MenuUsage", SettingKind::StringList, SettingDefault::EmptyList, 0},
    {L"MergedMenuUsage", SettingKind::StringList, SettingDefault::EmptyList, 0},
    {L"DontBuildOnStartup", SettingKind::Boolean, SettingDefault::Constant, 0},
    // Never written at exit; listed so that the table names every value of the key.
    {L"Dsa", SettingKind::Boolean, SettingDefault::Constant, 0},
};
inline constexpr std::size_t kWrittenAtExit = std::size(kShutdownOrder) - 1;

// The nine additional icons: sub-keys of "ExtraIcons", indexed as FAdditionalIcons.
struct AdditionalIconSpec {
    std::wstring_view KeyName;
    int DefaultIndex;
    bool DefaultDisappeared;
};
inline constexpr std::array<AdditionalIconSpec, 9> kAdditionalIcons{{
    {L"CommonFile", 4, true},
    {L"CommonFolder", 9, true},
    {L"PersonalFile", 1, false},
    {L"PersonalFolder", 7, false},
    {L"Settings", 20, false},
    {L"Donate", 24, false},
    {L"About", 28, false},
    {L"Run", 32, false},
    {L"Exit", 36, false},
}};

// The five event sounds: sub-keys of "Sounds", indexed by TSoundEvent.
struct SoundSpec {
    std::wstring_view KeyName;
    bool DefaultDisabled;
    std::wstring_view DefaultFile;
    std::wstring_view Caption;
};
inline constexpr std::array<SoundSpec, 5> kSounds{{
    {L"Select", false, L"select.wav", L"Menu Selection"},
    {L"Click", false, L"click.wav", L"Menu Command"},
    {L"Preparing", true, L"start.wav", L"Building Menu Start"},
    {L"Loop", false, L"loop.wav", L"Building Menu (Loop)"},
    {L"Ready", true, L"end.wav", L"Building Menu End"},
}};

// "Software\<company>\<product>\<major>.<minor>.<release>": the build number is not part of it.
std::wstring SettingsKeyPath(std::wstring_view company, std::wstring_view product, unsigned major,
                             unsigned minor, unsigned release);

// The folder of a full file name, with its trailing backslash ("C:\Apps\" for "C:\Apps\v.exe").
std::wstring FolderOf(std::wstring_view fullName);

}  // namespace core
