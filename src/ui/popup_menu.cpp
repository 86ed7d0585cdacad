#include "ui/popup_menu.h"

#include "ui/menu_handler_args.h"

#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>

using core::TMenuItem;

TVeskPopupList VeskPopupList;

// ---------------------------------------------------------------------------------------------
// Native menus

void TNativeMenus::Reset() {
    // Submenus are detached first: DestroyMenu would otherwise destroy attached ones twice.
    for (HMENU menu : menus_)
        while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
    for (HMENU menu : menus_) DestroyMenu(menu);
    menus_.clear();
    levels_.clear();
    synced_.clear();
    records_.clear();
    byCommand_.clear();
    byItem_.clear();
    root_ = nullptr;
    nextCommand_ = 1;
}

HMENU TNativeMenus::NewMenu(TMenuItem& level) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    menus_.push_back(menu);
    levels_[menu] = &level;
    return menu;
}

HMENU TNativeMenus::ResetRoot(TMenuItem& root) {
    Reset();
    root_ = NewMenu(root);
    return root_;
}

bool TNativeMenus::SyncLevel(HMENU menu) {
    auto level = levels_.find(menu);
    if (level == levels_.end()) return false;
    if (synced_[menu]) return true;
    synced_[menu] = true;
    TMenuItem& parent = *level->second;
    UINT position = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = parent[i];
        if (!item.Visible) continue;
        if (nextCommand_ > 0xFFFF) break;  // more items than one popup can name
        TRecord& r = records_.emplace_back();
        r.Item = &item;
        r.Command = nextCommand_++;
        r.Text = item.Caption;
        r.Msaa.dwMSAASignature = MSAA_MENU_SIG;
        r.Msaa.cchWText = static_cast<DWORD>(r.Text.size());
        r.Msaa.pszWText = r.Text.data();
        if (item.Count() > 0) r.Submenu = NewMenu(item);

        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE | (r.Submenu ? MIIM_SUBMENU : 0);
        mii.fType = MFT_OWNERDRAW;
        if (item.Break == core::TMenuBreak::Break) mii.fType |= MFT_MENUBREAK;
        if (item.Break == core::TMenuBreak::BarBreak) mii.fType |= MFT_MENUBARBREAK;
        mii.fState = (item.Enabled ? MFS_ENABLED : MFS_DISABLED) | (item.Default ? MFS_DEFAULT : 0);
        mii.wID = r.Command;
        mii.dwItemData = reinterpret_cast<ULONG_PTR>(&r);
        mii.hSubMenu = r.Submenu;
        InsertMenuItemW(menu, position++, TRUE, &mii);
        byCommand_[r.Command] = &r;
        byItem_[&item] = &r;
    }
    return true;
}

TMenuItem* TNativeMenus::ItemByCommand(UINT id) const {
    auto it = byCommand_.find(id);
    return it == byCommand_.end() ? nullptr : it->second->Item;
}

TMenuItem* TNativeMenus::ItemBySubmenu(HMENU menu) const {
    if (!menu || menu == root_) return nullptr;
    auto it = levels_.find(menu);
    return it == levels_.end() ? nullptr : it->second;
}

TMenuItem* TNativeMenus::LevelOf(HMENU menu) const {
    auto it = levels_.find(menu);
    return it == levels_.end() ? nullptr : it->second;
}

TMenuItem* TNativeMenus::ItemFromData(ULONG_PTR itemData) const {
    // Only data we handed out is followed: another menu's data is a foreign pointer.
    auto* r = reinterpret_cast<const TRecord*>(itemData);
    if (!r) return nullptr;
    auto it = byCommand_.find(r->Command);
    return it != byCommand_.end() && it->second == r ? r->Item : nullptr;
}

UINT TNativeMenus::CommandOf(const TMenuItem& item) const {
    auto it = byItem_.find(&item);
    return it == byItem_.end() ? 0 : it->second->Command;
}

HMENU TNativeMenus::SubmenuOf(const TMenuItem& item) const {
    auto it = byItem_.find(&item);
    return it == byItem_.end() ? nullptr : it->second->Submenu;
}

// ---------------------------------------------------------------------------------------------
// Popup menu

TVeskPopupMenu::TVeskPopupMenu() { VeskPopupList.Add(this); }

TVeskPopupMenu::~TVeskPopupMenu() {
    native_.Reset();
    VeskPopupList.Remove(this);
}

void TVeskPopupMenu::PrepareRoot() {
    native_.ResetRoot(Items);
    native_.SyncLevel(native_.Root());
}

void TVeskPopupMenu::Popup(int x, int y) {
    PopupPoint = {x, y};
    if (OnPopup) OnPopup();
    PrepareRoot();
    // Left-aligned, no animation; TPM_RECURSE lets a context menu open over this one.
    UINT flags = TPM_LEFTALIGN | (TrackRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON) | TPM_RECURSE;
    TrackPopup(flags, x, y);
}

int TVeskPopupMenu::TrackPopup(UINT flags, int x, int y) {
    return TrackPopupMenuEx(Handle(), flags, x, y, VeskPopupList.Window(), nullptr);
}

bool TVeskPopupMenu::HandleRightClick(HMENU menu, UINT item) {
    if (!menu) return false;
    HMENU parent = menu == Handle() ? Handle() : (native_.ItemBySubmenu(menu) ? menu : nullptr);
    if (!parent) return false;
    UINT id = GetMenuItemID(parent, static_cast<int>(item));
    if (id == static_cast<UINT>(-1)) return false;  // it opens a submenu: folders raise nothing
    TMenuItem* found = native_.ItemByCommand(id);
    if (!found) return false;
    if (OnRightClick) OnRightClick(*this, *found);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Popup list

void TVeskPopupList::Add(TVeskPopupMenu* menu) {
    if (menus_.empty() && !Handle()) {
        platform::WindowParams p;
        p.ClassName = L"TVeskPopupList";
        p.Style = WS_POPUP;
        p.X = p.Y = p.Width = p.Height = 0;
        Create(p);
    }
    menus_.push_back(menu);
}

void TVeskPopupList::Remove(TVeskPopupMenu* menu) {
    menus_.erase(std::remove(menus_.begin(), menus_.end(), menu), menus_.end());
    if (menus_.empty()) DestroyHandle();
}

namespace {

HFONT MenuFont() {
    static platform::UniqueHFont font = [] {
        NONCLIENTMETRICSW ncm{};
        ncm.cbSize = sizeof ncm;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
        return platform::UniqueHFont(CreateFontIndirectW(&ncm.lfMenuFont));
    }();
    return font.get();
}

// The mnemonic of a caption: the letter after a single "&", else its first character.
wchar_t MnemonicOf(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return caption.empty() ? 0 : caption[0];
}

wchar_t Upper(wchar_t c) { return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c))))); }

}  // namespace

LRESULT TVeskPopupList::BaseDispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) {
            for (TVeskPopupMenu* menu : menus_) {
                if (TMenuItem* item = menu->Native().ItemByCommand(LOWORD(wParam))) {
                    if (item->OnClick) item->OnClick(*item);
                    return 0;
                }
            }
        }
        break;
    case WM_INITMENUPOPUP: {
        auto submenu = reinterpret_cast<HMENU>(wParam);
        for (TVeskPopupMenu* menu : menus_) {
            // The level is brought up to date just before it shows.
            if (!menu->Native().SyncLevel(submenu)) continue;
            if (TMenuItem* item = menu->Native().ItemBySubmenu(submenu); item && item->OnClick) item->OnClick(*item);
            return 0;
        }
        break;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (mis->CtlType != ODT_MENU) break;
        for (TVeskPopupMenu* menu : menus_) {
            TMenuItem* item = menu->Native().ItemFromData(mis->itemData);
            if (!item) continue;
            HDC dc = GetDC(Handle());
            int saved = SaveDC(dc);
            SelectObject(dc, MenuFont());
            core::TMeasureItemArgs args{dc, static_cast<int>(mis->itemWidth), static_cast<int>(mis->itemHeight)};
            if (item->OnMeasureItem) item->OnMeasureItem(*item, args);
            RestoreDC(dc, saved);
            ReleaseDC(Handle(), dc);
            mis->itemWidth = static_cast<UINT>(std::max(0, args.Width));
            mis->itemHeight = static_cast<UINT>(std::max(0, args.Height));
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (dis->CtlType != ODT_MENU) break;
        for (TVeskPopupMenu* menu : menus_) {
            TMenuItem* item = menu->Native().ItemFromData(dis->itemData);
            if (!item) continue;
            int saved = SaveDC(dis->hDC);
            SelectObject(dis->hDC, MenuFont());
            core::TDrawItemArgs args{dis->hDC, dis->rcItem, (dis->itemState & ODS_SELECTED) != 0, dis->itemState};
            if (item->OnDrawItem) item->OnDrawItem(*item, args);
            RestoreDC(dis->hDC, saved);
            return TRUE;
        }
        break;
    }
    case WM_MENUCHAR:
        return MenuChar(wParam, lParam);
    }
    return DefaultProc(msg, wParam, lParam);
}

// Owner-drawn items have no text for the system to match typed letters against: the letter after
// "&" in a caption, or else its first letter, chooses the item as in a classic menu. One match
// runs it (or opens its submenu); several select the next one after the highlighted item.
LRESULT TVeskPopupList::MenuChar(WPARAM wParam, LPARAM lParam) {
    auto menu = reinterpret_cast<HMENU>(lParam);
    wchar_t typed = Upper(static_cast<wchar_t>(LOWORD(wParam)));
    for (TVeskPopupMenu* popup : menus_) {
        TMenuItem* level = popup->Native().LevelOf(menu);
        if (!level) continue;
        std::vector<int> matches;
        int highlighted = -1;
        int count = GetMenuItemCount(menu);
        for (int pos = 0; pos < count; ++pos) {
            MENUITEMINFOW mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_DATA | MIIM_STATE;
            if (!GetMenuItemInfoW(menu, pos, TRUE, &mii)) continue;
            if (mii.fState & MFS_HILITE) highlighted = pos;
            TMenuItem* item = popup->Native().ItemFromData(mii.dwItemData);
            if (!item || !item->Enabled) continue;
            wchar_t letter = MnemonicOf(item->Caption);
            if (letter && Upper(letter) == typed) matches.push_back(pos);
        }
        if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
        if (matches.size() == 1) return MAKELRESULT(matches[0], MNC_EXECUTE);
        auto next = std::upper_bound(matches.begin(), matches.end(), highlighted);
        return MAKELRESULT(next == matches.end() ? matches[0] : *next, MNC_SELECT);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

LRESULT TVeskPopupList::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_INITMENUPOPUP:
        // A shell context menu draws and fills its own items first.
        for (TVeskPopupMenu* menu : menus_) {
            if (IContextMenu2* cm = menu->ContextMenu2(); cm && cm->HandleMenuMsg(msg, wParam, lParam) == S_OK)
                return msg == WM_INITMENUPOPUP ? 0 : TRUE;
        }
        break;
    case WM_MENUSELECT: {
        UINT flags = HIWORD(wParam);
        UINT index = LOWORD(wParam);
        auto menu = reinterpret_cast<HMENU>(lParam);
        bool bySubmenu = (flags & MF_POPUP) != 0;
        HMENU submenu = bySubmenu && menu ? GetSubMenu(menu, static_cast<int>(index)) : nullptr;
        for (TVeskPopupMenu* popup : menus_) {
            TMenuItem* item = bySubmenu ? (submenu ? popup->Native().ItemBySubmenu(submenu) : nullptr)
                                        : popup->Native().ItemByCommand(index);
            if (!item) continue;
            if (popup->OnMenuSelect) popup->OnMenuSelect(*popup, *item);
            break;
        }
        break;
    }
    case WM_MENURBUTTONUP:
        for (TVeskPopupMenu* menu : menus_)
            if (menu->HandleRightClick(reinterpret_cast<HMENU>(lParam), static_cast<UINT>(wParam))) return 0;
        break;
    }
    return BaseDispatch(msg, wParam, lParam);
}
