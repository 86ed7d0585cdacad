// The record behind every file or folder item, and how it is filled from the shell.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace core {

struct TMenuItemData {
    bool IsDir = false;
    std::wstring AbsoluteFilename;
    std::wstring DisplayName;
    int Ii = -1;               // system image list index; -1: no shell icon
    bool IsPersonal = false;
    bool Raised = false;       // computed when the menu is prepared, never before
};

// What to ask the shell for. The Win32 side maps these bits to SHGFI_SYSICONINDEX and
// SHGFI_DISPLAYNAME; no other flag is ever passed.
enum TShellInfoFlags : std::uint32_t {
    kShellNothing = 0,
    kShellIconIndex = 1,
    kShellDisplayName = 2,
};

struct TShellFileInfo {
    int IconIndex = -1;
    std::wstring DisplayName;
};

// SHGetFileInfoW over the real file (no attributes given). False when the shell has nothing.
class IShellInfo {
public:
    virtual ~IShellInfo() = default;
    virtual bool GetFileInfo(const std::wstring& path, TShellInfoFlags flags, TShellFileInfo& info) = 0;
};

// Icons unless generic icons are wanted; display names unless true names are.
TShellInfoFlags ShellInfoFlags(bool genericIcons, bool trueNames);

// The text after the last backslash or colon, extension included.
std::wstring_view FileNamePart(std::wstring_view path);

// Everything that filling a record depends on besides the path.
struct TItemDataSource {
    IShellInfo* Shell = nullptr;
    bool GenericIcons = false;   // FGenericIcons ("DisableShellIcons")
    bool TrueNames = false;      // FTrueNames ("TrueNames")
    // Processes the messages waiting in the main thread's queue; called once per record so a
    // long build keeps the user interface alive.
    std::function<void()> ProcessMessages;
};

// Fills or refills a record. Raised is left alone; a failed shell query leaves Ii at -1 and the
// display name as it was.
void FillItemData(const TItemDataSource& source, TMenuItemData& data, bool isDir, bool isPersonal,
                  const std::wstring& path);
std::unique_ptr<TMenuItemData> NewItemData(const TItemDataSource& source, bool isDir,
                                           const std::wstring& path, bool isPersonal);

}  // namespace core
