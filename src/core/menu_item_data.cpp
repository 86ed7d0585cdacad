#include "core/menu_item_data.h"

namespace core {

TShellInfoFlags ShellInfoFlags(bool genericIcons, bool trueNames) {
    std::uint32_t flags = kShellNothing;
    if (!genericIcons) flags |= kShellIconIndex;
    if (!trueNames) flags |= kShellDisplayName;
    return static_cast<TShellInfoFlags>(flags);
}

std::wstring_view FileNamePart(std::wstring_view path) {
    const auto pos = path.find_last_of(L"\\:");
    return pos == std::wstring_view::npos ? path : path.substr(pos + 1);
}

void FillItemData(const TItemDataSource& source, TMenuItemData& data, bool isDir, bool isPersonal,
                  const std::wstring& path) {
    data.IsDir = isDir;
    data.AbsoluteFilename = path;
    data.Ii = -1;
    const TShellInfoFlags flags = ShellInfoFlags(source.GenericIcons, source.TrueNames);
    if (flags == kShellNothing) {
        data.DisplayName = FileNamePart(path);
    } else {
        TShellFileInfo info;
        if (source.Shell && source.Shell->GetFileInfo(path, flags, info)) {
            if (!source.GenericIcons) data.Ii = info.IconIndex;
            data.DisplayName = source.TrueNames ? std::wstring(FileNamePart(path)) : info.DisplayName;
        }
    }
    data.IsPersonal = isPersonal;
    if (source.ProcessMessages) source.ProcessMessages();
}

std::unique_ptr<TMenuItemData> NewItemData(const TItemDataSource& source, bool isDir,
                                           const std::wstring& path, bool isPersonal) {
    auto data = std::make_unique<TMenuItemData>();
    FillItemData(source, *data, isDir, isPersonal, path);
    return data;
}

}  // namespace core
