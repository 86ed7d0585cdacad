// Popup menus shown as native menus owned by one hidden window, the popup list. Menus report the
// highlighted item and right clicks on items, and shell context menus see their own messages.
#pragma once

#include "core/menu_item.h"
#include "platform/unique_handle.h"
#include "platform/window.h"

#include <oleacc.h>

#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

struct IContextMenu2;
class TVeskPopupMenu;

using TVeskPopupMenuEvent = std::function<void(TVeskPopupMenu& sender, core::TMenuItem& menuItem)>;

// The native menus made from one item tree. Native menus are made level by level, when a level
// is about to show, and dropped when the menu pops up again; command identifiers are handed out
// per popup, so a tree of any size stays within the 16-bit identifiers of WM_COMMAND.
class TNativeMenus {
public:
    TNativeMenus() = default;
    TNativeMenus(const TNativeMenus&) = delete;
    TNativeMenus& operator=(const TNativeMenus&) = delete;
    ~TNativeMenus() { Reset(); }

    // Drops every native menu and starts again with an empty root menu.
    HMENU ResetRoot(core::TMenuItem& root);
    void Reset();
    HMENU Root() const { return root_; }
    // Fills the native menu of a level from its items (visible ones only). False when the
    // handle is not one of ours.
    bool SyncLevel(HMENU menu);

    core::TMenuItem* ItemByCommand(UINT id) const;
    core::TMenuItem* ItemBySubmenu(HMENU menu) const;  // the folder item that opens it
    core::TMenuItem* LevelOf(HMENU menu) const;         // the item whose children it shows
    core::TMenuItem* ItemFromData(ULONG_PTR itemData) const;
    UINT CommandOf(const core::TMenuItem& item) const;
    HMENU SubmenuOf(const core::TMenuItem& item) const;
    std::size_t NativeItemCount() const { return records_.size(); }

private:
    // The data of every native item. It starts with MSAAMENUINFO so that screen readers can read
    // the caption of an owner-drawn item.
    struct TRecord {
        MSAAMENUINFO Msaa{};
        std::wstring Text;
        core::TMenuItem* Item = nullptr;
        UINT Command = 0;
        HMENU Submenu = nullptr;
    };
    HMENU NewMenu(core::TMenuItem& level);

    HMENU root_ = nullptr;
    std::vector<HMENU> menus_;                          // every menu made, destroyed one by one
    std::unordered_map<HMENU, core::TMenuItem*> levels_; // menu -> item whose children it shows
    std::unordered_map<HMENU, bool> synced_;
    std::deque<TRecord> records_;                        // stable addresses: they are item data
    std::unordered_map<UINT, TRecord*> byCommand_;
    std::unordered_map<const core::TMenuItem*, TRecord*> byItem_;
    UINT nextCommand_ = 1;
};

class TVeskPopupMenu {
public:
    TVeskPopupMenu();
    TVeskPopupMenu(const TVeskPopupMenu&) = delete;
    TVeskPopupMenu& operator=(const TVeskPopupMenu&) = delete;
    virtual ~TVeskPopupMenu();

    core::TMenuItem Items;
    std::function<void()> OnPopup;
    TVeskPopupMenuEvent OnMenuSelect;
    TVeskPopupMenuEvent OnRightClick;
    // TrackButton: the right button also chooses items when true.
    bool TrackRightButton = false;
    POINT PopupPoint{};

    // Shows the menu at screen coordinates and returns when it closes.
    void Popup(int x, int y);
    virtual int TrackPopup(UINT flags, int x, int y);
    bool HandleRightClick(HMENU menu, UINT item);
    // The shell's context menu behind this menu, if it is one.
    virtual IContextMenu2* ContextMenu2() const { return nullptr; }

    HMENU Handle() const { return native_.Root(); }
    TNativeMenus& Native() { return native_; }
    const TNativeMenus& Native() const { return native_; }
    // Rebuilds the top level's native menu from the tree (done by Popup after OnPopup).
    void PrepareRoot();

private:
    TNativeMenus native_;
};

// The hidden window that owns every tracked menu of the program and routes menu messages to
// the registered menus, in the order they registered.
class TVeskPopupList : public platform::TWindow {
public:
    void Add(TVeskPopupMenu* menu);
    void Remove(TVeskPopupMenu* menu);
    HWND Window() const { return Handle(); }
    const std::vector<TVeskPopupMenu*>& Menus() const { return menus_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT BaseDispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT MenuChar(WPARAM wParam, LPARAM lParam);
    std::vector<TVeskPopupMenu*> menus_;
};

extern TVeskPopupList VeskPopupList;
