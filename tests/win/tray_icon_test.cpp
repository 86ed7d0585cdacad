// The tray icon's mouse handling, by the notification messages the shell sends it.
#include "ui/menu_handler_args.h"
#include "ui/popup_menu.h"
#include "ui/tray_icon.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

namespace {

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto item = std::make_unique<core::TMenuItem>();
        item->Caption = L"Only";
        item->OnMeasureItem = [](core::TMenuItem&, core::TMeasureItemArgs& a) { a.Width = a.Height = 20; };
        menu.Items.Add(std::move(item));
        // Each popup records where it opened and leaves at once.
        menu.OnPopup = [this] {
            popups.push_back(menu.PopupPoint);
            PostMessageW(VeskPopupList.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
        };
        tray.PopupMenu = &menu;
        tray.OnDblClick = [this] { ++doubleClicks; };
        tray.SetHint(L"Veskara tests");
        tray.SetVisible(true);
        ASSERT_TRUE(tray.Handle());
    }
    void Send(UINT mouseMessage) { SendMessageW(tray.Handle(), WM_TRAYNOTIFY, 1, mouseMessage); }

    TVeskPopupMenu menu;
    TVeskTrayIcon tray;
    std::vector<POINT> popups;
    int doubleClicks = 0;
};

}  // namespace

TEST_F(TrayIconTest, OnlyTheConfiguredButtonOpensTheMenu) {
    struct Case { unsigned char button; UINT message; bool opens; int dbl; };
    const Case cases[] = {
        {mbRight, WM_RBUTTONUP, true, 0},
        {mbRight, WM_LBUTTONUP, false, 0},
        {mbRight, WM_MBUTTONUP, false, 0},
        {mbLeft, WM_LBUTTONUP, true, 0},
        {mbLeft, WM_RBUTTONUP, false, 0},
        {mbMiddle, WM_MBUTTONUP, true, 0},
        {mbRight, WM_RBUTTONDBLCLK, false, 0},
        {mbMiddle, WM_MBUTTONDBLCLK, false, 0},
        {mbRight, WM_LBUTTONDBLCLK, false, 1},
        {mbRight, WM_RBUTTONDOWN, false, 0},
        {3, WM_RBUTTONUP, false, 0},  // a stored value that names no button
        {3, WM_LBUTTONUP, false, 0},
    };
    for (const auto& c : cases) {
        popups.clear();
        doubleClicks = 0;
        tray.FMouseButton = c.button;
        Send(c.message);
        EXPECT_EQ(popups.size(), c.opens ? 1u : 0u) << int(c.button) << " " << c.message;
        EXPECT_EQ(doubleClicks, c.dbl) << int(c.button) << " " << c.message;
    }
}

TEST_F(TrayIconTest, TheMenuOpensAtTheCursorAndNotWhileDetached) {
    ASSERT_TRUE(SetCursorPos(321, 234));
    Send(WM_RBUTTONUP);
    ASSERT_EQ(popups.size(), 1u);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(popups[0].x, cursor.x);
    EXPECT_EQ(popups[0].y, cursor.y);

    tray.PopupMenu = nullptr;  // as while the menu is being built
    Send(WM_RBUTTONUP);
    EXPECT_EQ(popups.size(), 1u);
}

TEST_F(TrayIconTest, AnimationStepsThroughTheFramesAndWraps) {
    platform::UniqueHImageList frames(ImageList_Create(16, 16, ILC_COLOR24, 3, 0));
    for (int i = 0; i < 3; ++i) {
        platform::UniqueHIcon icon(LoadIconW(nullptr, IDI_APPLICATION));
        ImageList_AddIcon(frames.get(), icon.get());
        icon.release();  // shared system icon: never destroyed
    }
    tray.SetIcons(frames.get());
    tray.SetIconIndex(0);
    tray.AnimateInterval = 20;
    tray.SetAnimate(true);
    std::vector<int> seen;
    DWORD until = GetTickCount() + 2000;
    while (seen.size() < 5 && GetTickCount() < until) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (seen.empty() || seen.back() != tray.IconIndex()) seen.push_back(tray.IconIndex());
        Sleep(1);
    }
    tray.SetAnimate(false);
    tray.SetIcons(nullptr);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1}));
}
