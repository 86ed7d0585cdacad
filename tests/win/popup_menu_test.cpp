// The popup menu, its native menus and the popup list window, with real menus tracked by the
// system. Keys posted before a popup are processed by the menu's own loop, in order.
#include "ui/menu_handler_args.h"
#include "ui/popup_menu.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <map>
#include <set>

using core::TMenuItem;

namespace {

void PostKeys(std::initializer_list<UINT> keys) {
    for (UINT vk : keys) {
        PostMessageW(VeskPopupList.Window(), WM_KEYDOWN, vk, 0);
        PostMessageW(VeskPopupList.Window(), WM_KEYUP, vk, 0xC0000000);
    }
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A menu of files and a folder, recording what its items are asked to do.
class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* caption : {L"Alpha", L"&Beta", L"Bravo", L"Ne&xt", L"Zulu"}) AddFile(caption);
        folder = &Add(L"Folder");
        for (const wchar_t* caption : {L"Inner one", L"Inner two"}) {
            auto item = std::make_unique<TMenuItem>();
            item->Caption = caption;
            Wire(*item);
            folder->Add(std::move(item));
        }
        folder->OnClick = [this](TMenuItem& item) { opened[item.Caption]++; };
        hidden = &AddFile(L"Hidden");
        hidden->Visible = false;
        AddFile(L"Disabled").Enabled = false;
        AddFile(L"Default").Default = true;
        AddFile(L"Next column").Break = core::TMenuBreak::Break;
        menu.OnMenuSelect = [this](TVeskPopupMenu&, TMenuItem& item) { selected.push_back(item.Caption); };
        menu.OnRightClick = [this](TVeskPopupMenu&, TMenuItem& item) { rightClicked.push_back(item.Caption); };
    }
    TMenuItem& Add(const wchar_t* caption) {
        auto item = std::make_unique<TMenuItem>();
        item->Caption = caption;
        Wire(*item);
        return menu.Items.Add(std::move(item));
    }
    TMenuItem& AddFile(const wchar_t* caption) {
        TMenuItem& item = Add(caption);
        item.OnClick = [this](TMenuItem& i) { clicked.push_back(i.Caption); };
        return item;
    }
    void Wire(TMenuItem& item) {
        item.OnMeasureItem = [](TMenuItem&, core::TMeasureItemArgs& a) {
            a.Width = 120;
            a.Height = 20;
        };
        item.OnDrawItem = [this](TMenuItem& i, core::TDrawItemArgs&) { drawn[i.Caption]++; };
    }
    int PositionOf(const TMenuItem& item) const {
        UINT id = menu.Native().CommandOf(item);
        HMENU sub = menu.Native().SubmenuOf(item);
        for (int pos = 0; pos < GetMenuItemCount(menu.Handle()); ++pos)
            if (sub ? GetSubMenu(menu.Handle(), pos) == sub : GetMenuItemID(menu.Handle(), pos) == id) return pos;
        return -1;
    }

    TVeskPopupMenu menu;
    TMenuItem* folder = nullptr;
    TMenuItem* hidden = nullptr;
    std::vector<std::wstring> clicked, selected, rightClicked;
    std::map<std::wstring, int> opened, drawn;
};

}  // namespace

TEST_F(PopupMenuTest, NativeTopLevelMirrorsTheVisibleItems) {
    menu.PrepareRoot();
    HMENU root = menu.Handle();
    ASSERT_TRUE(root);
    ASSERT_EQ(GetMenuItemCount(root), menu.Items.Count() - 1) << "the hidden item is left out";
    std::set<UINT> ids;
    for (int pos = 0; pos < GetMenuItemCount(root); ++pos) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(root, pos, TRUE, &mii));
        EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);
        EXPECT_TRUE(ids.insert(mii.wID).second) << "command identifiers are unique";
        // Screen readers find the caption behind the item data.
        auto* msaa = reinterpret_cast<MSAAMENUINFO*>(mii.dwItemData);
        ASSERT_TRUE(msaa);
        EXPECT_EQ(msaa->dwMSAASignature, DWORD(MSAA_MENU_SIG));
        TMenuItem* item = menu.Native().ItemFromData(mii.dwItemData);
        ASSERT_TRUE(item);
        EXPECT_EQ(std::wstring(msaa->pszWText, msaa->cchWText), item->Caption);
        EXPECT_EQ((mii.fState & MFS_DISABLED) != 0, !item->Enabled) << pos;
        EXPECT_EQ((mii.fState & MFS_DEFAULT) != 0, item->Default) << pos;
        EXPECT_EQ((mii.fType & MFT_MENUBREAK) != 0, item->Break == core::TMenuBreak::Break) << pos;
        EXPECT_EQ(mii.hSubMenu != nullptr, item == folder) << pos;
    }
}

TEST_F(PopupMenuTest, ASubmenuIsFilledWhenItIsAboutToOpen) {
    menu.PrepareRoot();
    HMENU sub = menu.Native().SubmenuOf(*folder);
    ASSERT_TRUE(sub);
    EXPECT_EQ(GetMenuItemCount(sub), 0) << "levels that are not open cost nothing";
    SendMessageW(VeskPopupList.Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 0);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(opened[L"Folder"], 1);
}

TEST_F(PopupMenuTest, KeysChooseAnItemAndOpenAFolderEachTime) {
    menu.OnPopup = [] { PostKeys({VK_DOWN, VK_DOWN, VK_RETURN}); };
    menu.Popup(100, 100);
    PumpMessages();
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"&Beta"});

    // Folder is the sixth item: opened, closed, opened again, then the menu is left.
    menu.OnPopup = [] { PostKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_RIGHT,
                                  VK_ESCAPE, VK_ESCAPE}); };
    menu.Popup(100, 100);
    PumpMessages();
    EXPECT_EQ(opened[L"Folder"], 2);
    EXPECT_GT(drawn[L"Inner one"], 0) << "the submenu's items were drawn";
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(PopupMenuTest, TypedLettersChooseByMnemonicOrFirstLetter) {
    menu.PrepareRoot();
    auto menuChar = [&](wchar_t c) {
        return SendMessageW(VeskPopupList.Window(), WM_MENUCHAR, MAKEWPARAM(c, MF_POPUP),
                            reinterpret_cast<LPARAM>(menu.Handle()));
    };
    struct Case { wchar_t typed; int position; int action; };
    const Case cases[] = {
        {L'z', 4, MNC_EXECUTE},   // "Zulu": first letter, the only one
        {L'X', 3, MNC_EXECUTE},   // "Ne&xt": the marked letter, any case
        {L'n', 8, MNC_EXECUTE},   // "Next column": "Ne&xt" answers to x, not n
        {L'b', 1, MNC_SELECT},    // "&Beta" and "Bravo": the first of several is selected
        {L'q', 0, MNC_IGNORE},
        {L'd', 7, MNC_EXECUTE},   // "Disabled" cannot be chosen: only "Default" answers
    };
    for (const auto& c : cases) {
        LRESULT r = menuChar(c.typed);
        EXPECT_EQ(HIWORD(r), c.action) << char(c.typed);
        if (c.action != MNC_IGNORE) EXPECT_EQ(LOWORD(r), c.position) << char(c.typed);
    }
    // And for real, in a tracked menu.
    menu.OnPopup = [] { PostMessageW(VeskPopupList.Window(), WM_CHAR, L'z', 0); };
    menu.Popup(100, 100);
    PumpMessages();
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"Zulu"});
}

TEST_F(PopupMenuTest, RightButtonReleaseRaisesOnlyForCommandItemsOfOurMenus) {
    menu.PrepareRoot();
    auto release = [&](int pos, HMENU m) {
        SendMessageW(VeskPopupList.Window(), WM_MENURBUTTONUP, pos, reinterpret_cast<LPARAM>(m));
    };
    release(PositionOf(menu.Items[4]), menu.Handle());
    release(PositionOf(*folder), menu.Handle());
    platform::UniqueHMenu foreign(CreatePopupMenu());
    AppendMenuW(foreign.get(), MF_STRING, menu.Native().CommandOf(menu.Items[0]), L"Shell item");
    release(0, foreign.get());
    EXPECT_EQ(rightClicked, std::vector<std::wstring>{L"Zulu"});
}

TEST_F(PopupMenuTest, HighlightingReportsItemsByCommandOrSubmenu) {
    menu.PrepareRoot();
    auto select = [&](UINT index, UINT flags, HMENU m) {
        SendMessageW(VeskPopupList.Window(), WM_MENUSELECT, MAKEWPARAM(index, flags), reinterpret_cast<LPARAM>(m));
    };
    select(menu.Native().CommandOf(menu.Items[0]), MF_OWNERDRAW, menu.Handle());
    select(PositionOf(*folder), MF_POPUP | MF_OWNERDRAW, menu.Handle());
    select(0xFFFF, 0xFFFF, nullptr);  // the menu closes
    EXPECT_EQ(selected, (std::vector<std::wstring>{L"Alpha", L"Folder"}));
}

namespace {
// A shell context menu that draws its own items, or refuses to.
class FakeContextMenu : public IContextMenu2 {
public:
    explicit FakeContextMenu(HRESULT answer) : answer_(answer) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT msg, WPARAM, LPARAM) override {
        seen.push_back(msg);
        return answer_;
    }
    std::vector<UINT> seen;

private:
    HRESULT answer_;
};
class ContextPopup : public TVeskPopupMenu {
public:
    explicit ContextPopup(IContextMenu2* cm) : cm_(cm) {}
    IContextMenu2* ContextMenu2() const override { return cm_; }

private:
    IContextMenu2* cm_;
};
}  // namespace

TEST_F(PopupMenuTest, ShellContextMenusSeeOwnerDrawMessagesFirst) {
    menu.PrepareRoot();
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemData = reinterpret_cast<ULONG_PTR>(
        [&] { MENUITEMINFOW mii{sizeof mii}; mii.fMask = MIIM_DATA; GetMenuItemInfoW(menu.Handle(), 0, TRUE, &mii); return reinterpret_cast<void*>(mii.dwItemData); }());
    {
        FakeContextMenu refusing(E_FAIL), drawing(S_OK);
        ContextPopup first(&refusing), second(&drawing);
        EXPECT_EQ(SendMessageW(VeskPopupList.Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), TRUE);
        EXPECT_EQ(refusing.seen, std::vector<UINT>{WM_MEASUREITEM}) << "asked in the order of registration";
        EXPECT_EQ(drawing.seen, std::vector<UINT>{WM_MEASUREITEM});
        EXPECT_EQ(mis.itemWidth, 0u) << "the shell's answer ends it: our handler was not asked";
    }
    {
        FakeContextMenu refusing(E_FAIL);
        ContextPopup only(&refusing);
        EXPECT_EQ(SendMessageW(VeskPopupList.Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)), TRUE);
        EXPECT_EQ(mis.itemWidth, 120u) << "refused: the item's own handler measures it";
    }
}
