// The shape of the popup menu's tree: the six form items that always close the top level, the
// one way every built item is created, the "(Empty)" placeholder, and tearing the built part down.
#pragma once

#include <memory>
#include <string>

#include "core/menu_item.h"

namespace core {

// The six form items stay at the end of the top level; walks over it leave them alone and new
// top-level items go in front of them. Inside a folder nothing is reserved.
inline constexpr int kTopLevelReserve = 6;

// The main form's handlers that built items receive.
struct TItemHandlers {
    void* Owner = nullptr;              // the main form
    TMenuItemEvent ExecuteItem;         // file items
    TMenuItemEvent FolderClick;         // folder items
    TMenuItemEvent N1Click;             // expansion items
    TDrawItemEvent DrawItem;            // ExitMenuItemDrawItem, shared by every item
    TMeasureItemEvent MeasureItem;      // ExitMenuItemMeasureItem, shared by every item
};

struct TFormItemHandlers {
    TMenuItemEvent SettingsMenuItemClick;
    TMenuItemEvent DonateMenuItemClick;
    TMenuItemEvent AboutMenuItemClick;
    TMenuItemEvent RunMenuItemClick;
    TMenuItemEvent ExitMenuItemClick;
};

struct TFormMenuItems {
    TMenuItem* SettingsMenuItem = nullptr;
    TMenuItem* DonateMenuItem = nullptr;
    TMenuItem* AboutMenuItem = nullptr;
    TMenuItem* RunMenuItem = nullptr;
    TMenuItem* ExitMenuItem = nullptr;
    TMenuItem* N1 = nullptr;
};

// Appends the six form items to the root, as the form design has them: "Settings..." (tag 4),
// "Donate" (5), "About..." (6), "Run..." (7), "Exit" (8) and the top-level expansion item N1.
TFormMenuItems AddFormItems(TMenuItem& root, const TItemHandlers& shared, const TFormItemHandlers& commands);

// True for the five command items; N1 is not one.
bool IsCommandItem(const TFormMenuItems& form, const TMenuItem& item);

// The creation convention of every built item: OnClick by kind, caption and image from the record,
// the record attached, inserted at parent.Count() - reserve, the shared draw and measure handlers.
TMenuItem& InsertDataItem(TMenuItem& parent, int reserve, std::unique_ptr<TMenuItemData> data,
                          const TItemHandlers& handlers);

// A folder without children gets its disabled placeholder (emptyCaption: string 65214, "(Empty)").
void AddEmptyItem(TMenuItem& folder, const std::wstring& emptyCaption, const TItemHandlers& handlers);

// An expansion item appended at the end of a folder.
TMenuItem& AppendExpansionItem(TMenuItem& folder, const TItemHandlers& handlers);

// The full view: every item of the level and below it shown except expansion items, which only
// lead to hidden items. reserve: items at the end left alone (the six form items of the top level).
void ShowAllItems(TMenuItem& parent, int reserve);

// Frees every built item with its record and leaves the six form items untouched.
void ClearMenu(TMenuItem& root);

}  // namespace core
