// The menu item tree: the program's own model of a popup menu and its submenus. The native menus
// are made from it on the Win32 side; every rule over the menu (building, merging, personalizing,
// columns) reads and changes only this tree.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/menu_item_data.h"

namespace core {

class TMenuItem;

// Column break mark of an item (the native MFT_MENUBREAK / MFT_MENUBARBREAK).
enum class TMenuBreak { None, Break, BarBreak };

// Arguments of the draw and measure handlers: device context, rectangle, sizes. Only the Win32
// side knows and defines them; the tree merely carries the handlers.
struct TDrawItemArgs;
struct TMeasureItemArgs;

using TMenuItemEvent = std::function<void(TMenuItem& sender)>;
using TDrawItemEvent = std::function<void(TMenuItem& sender, TDrawItemArgs& args)>;
using TMeasureItemEvent = std::function<void(TMenuItem& sender, TMeasureItemArgs& args)>;

// A never-reused identity. Addresses of freed items come back for new ones after a rebuild, so
// whoever remembers an item across rebuilds (the last highlighted one) keeps this instead.
using TMenuItemId = std::uint64_t;

class TMenuItem {
public:
    explicit TMenuItem(void* owner = nullptr);
    ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::wstring Caption;
    // The integer tag of the six form items (a command's additional icon index, 0 for N1).
    // Built items keep 0 here and carry their record in Data instead.
    int Tag = 0;
    // The record of a file or folder item, owned by the item and freed with it.
    std::unique_ptr<TMenuItemData> Data;
    bool Visible = true;
    bool Enabled = true;
    bool Default = false;
    TMenuBreak Break = TMenuBreak::None;
    int ImageIndex = -1;
    // The component that created the item (the main form); not an owner in the freeing sense,
    // the parent frees its children.
    void* Owner = nullptr;

    TMenuItemEvent OnClick;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    TMenuItemId Id() const { return fId; }
    TMenuItem* Parent() const { return fParent; }
    // Position among the parent's children; -1 for a root.
    int MenuIndex() const { return fMenuIndex; }

    int Count() const { return static_cast<int>(fItems.size()); }
    TMenuItem& operator[](int index) const { return *fItems[static_cast<std::size_t>(index)]; }
    TMenuItem& Items(int index) const { return (*this)[index]; }

    // Takes ownership; index runs from 0 to Count(). An item that has a parent cannot be inserted.
    TMenuItem& Insert(int index, std::unique_ptr<TMenuItem> item);
    TMenuItem& Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }
    // Detaches a child and hands it back to the caller.
    std::unique_ptr<TMenuItem> Extract(int index);
    // Frees a child with its subtree and its record.
    void Delete(int index) { Extract(index); }
    void Clear();
    // The child's index, or -1 when item is not a child of this one.
    int IndexOf(const TMenuItem* item) const;

private:
    void Renumber(std::size_t from);

    TMenuItemId fId;
    TMenuItem* fParent = nullptr;
    int fMenuIndex = -1;
    std::vector<std::unique_ptr<TMenuItem>> fItems;
};

// Item kinds, the same tests everywhere: a record means a file or folder item; without one, a
// zero tag and a caption mean the "(Empty)" placeholder, a zero tag and no caption an expansion
// item. Command items are told by identity (IsCommandItem), never by these tests.
inline bool CarriesData(const TMenuItem& item) { return item.Data != nullptr; }
inline bool CarriesFolder(const TMenuItem& item) { return item.Data && item.Data->IsDir; }
inline bool CarriesFile(const TMenuItem& item) { return item.Data && !item.Data->IsDir; }
inline bool IsEmptyPlaceholder(const TMenuItem& item) {
    return !item.Data && item.Tag == 0 && !item.Caption.empty();
}
inline bool IsExpansionItem(const TMenuItem& item) {
    return !item.Data && item.Tag == 0 && item.Caption.empty();
}

}  // namespace core
