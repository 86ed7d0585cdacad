#include "core/menu_tree.h"

namespace core {

namespace {

TMenuItem& AddFormItem(TMenuItem& root, const TItemHandlers& shared, const wchar_t* caption, int tag,
                       const TMenuItemEvent& onClick) {
    auto item = std::make_unique<TMenuItem>(shared.Owner);
    item->Caption = caption;
    item->Tag = tag;
    item->OnClick = onClick;
    item->OnDrawItem = shared.DrawItem;
    item->OnMeasureItem = shared.MeasureItem;
    return root.Add(std::move(item));
}

}  // namespace

TFormMenuItems AddFormItems(TMenuItem& root, const TItemHandlers& shared, const TFormItemHandlers& commands) {
    TFormMenuItems form;
    form.SettingsMenuItem = &AddFormItem(root, shared, L"Settings...", 4, commands.SettingsMenuItemClick);
    form.DonateMenuItem = &AddFormItem(root, shared, L"Donate", 5, commands.DonateMenuItemClick);
    form.AboutMenuItem = &AddFormItem(root, shared, L"About...", 6, commands.AboutMenuItemClick);
    form.RunMenuItem = &AddFormItem(root, shared, L"Run...", 7, commands.RunMenuItemClick);
    form.ExitMenuItem = &AddFormItem(root, shared, L"Exit", 8, commands.ExitMenuItemClick);
    form.N1 = &AddFormItem(root, shared, L"", 0, shared.N1Click);
    return form;
}

bool IsCommandItem(const TFormMenuItems& form, const TMenuItem& item) {
    const TMenuItem* p = &item;
    return p == form.SettingsMenuItem || p == form.DonateMenuItem || p == form.AboutMenuItem ||
           p == form.RunMenuItem || p == form.ExitMenuItem;
}

TMenuItem& InsertDataItem(TMenuItem& parent, int reserve, std::unique_ptr<TMenuItemData> data,
                          const TItemHandlers& handlers) {
    auto item = std::make_unique<TMenuItem>(handlers.Owner);
    item->OnClick = data->IsDir ? handlers.FolderClick : handlers.ExecuteItem;
    item->Caption = data->DisplayName;
    item->ImageIndex = data->Ii;
    item->Data = std::move(data);
    TMenuItem& ref = parent.Insert(parent.Count() - reserve, std::move(item));
    ref.OnDrawItem = handlers.DrawItem;
    ref.OnMeasureItem = handlers.MeasureItem;
    return ref;
}

void AddEmptyItem(TMenuItem& folder, const std::wstring& emptyCaption, const TItemHandlers& handlers) {
    if (folder.Count() > 0) return;
    auto item = std::make_unique<TMenuItem>(handlers.Owner);
    item->Caption = emptyCaption;
    item->Enabled = false;
    TMenuItem& ref = folder.Insert(0, std::move(item));
    ref.OnDrawItem = handlers.DrawItem;
    ref.OnMeasureItem = handlers.MeasureItem;
}

TMenuItem& AppendExpansionItem(TMenuItem& folder, const TItemHandlers& handlers) {
    auto item = std::make_unique<TMenuItem>(handlers.Owner);
    item->OnClick = handlers.N1Click;
    item->OnDrawItem = handlers.DrawItem;
    item->OnMeasureItem = handlers.MeasureItem;
    return folder.Add(std::move(item));
}

void ClearMenu(TMenuItem& root) {
    // From the end, so the indexes still to visit stay valid; each item frees its subtree and record.
    for (int i = root.Count() - kTopLevelReserve - 1; i >= 0; --i) root.Delete(i);
}

void ShowAllItems(TMenuItem& parent, int reserve) {
    for (int i = 0; i < parent.Count() - reserve; ++i) {
        TMenuItem& item = parent[i];
        ShowAllItems(item, 0);
        item.Visible = !IsExpansionItem(item);
    }
}

}  // namespace core
