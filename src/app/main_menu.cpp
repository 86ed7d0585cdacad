// The popup menu as the form design has it: its six fixed items and the handlers that built
// items receive; the fixed commands; the tray icon's pictures and events.
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/startup_seams.h"
#include "core/text_format.h"
#include "platform/application.h"
#include "resource_ids.h"
#include "ui/item_painting.h"

using platform::Application;

void TMainForm::CreateMenuFromDesign() {
    ItemHandlers.Owner = this;
    ItemHandlers.ExecuteItem = [this](core::TMenuItem& item) { ExecuteItem(item); };
    ItemHandlers.FolderClick = [this](core::TMenuItem& item) { FolderClick(item); };
    ItemHandlers.N1Click = [](core::TMenuItem&) {};
    ItemHandlers.DrawItem = [this](core::TMenuItem& item, core::TDrawItemArgs& args) { ExitMenuItemDrawItem(*this, item, args); };
    ItemHandlers.MeasureItem = [this](core::TMenuItem& item, core::TMeasureItemArgs& args) {
        ExitMenuItemMeasureItem(*this, item, args);
    };

    core::TFormItemHandlers commands;
    commands.SettingsMenuItemClick = [this](core::TMenuItem&) {
        PlayCommandSound();
        ShowSettingsDialog();
    };
    commands.DonateMenuItemClick = [this](core::TMenuItem&) {
        PlayCommandSound();
        ShellOpen(LoadResString(IDS_DONATE_URL));
    };
    commands.AboutMenuItemClick = [this](core::TMenuItem&) {
        PlayCommandSound();
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
    };
    commands.RunMenuItemClick = [this](core::TMenuItem&) {
        PlayCommandSound();
        std::wstring prompt = core::FormatText(LoadResString(IDS_RUN_PROMPT), {FApplicationTitle});
        std::wstring title = LoadResString(IDS_RUN_TITLE);
        HICON icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        if (FSHRunDialog) FSHRunDialog(nullptr, icon, nullptr, title.c_str(), prompt.c_str(), 0);
    };
    commands.ExitMenuItemClick = [this](core::TMenuItem& item) { ExitMenuItemClick(item); };

    FormItems = core::AddFormItems(PopupMenu.Items, ItemHandlers, commands);
    SettingsMenuItem = FormItems.SettingsMenuItem;
    DonateMenuItem = FormItems.DonateMenuItem;
    AboutMenuItem = FormItems.AboutMenuItem;
    RunMenuItem = FormItems.RunMenuItem;
    ExitMenuItem = FormItems.ExitMenuItem;
    N1 = FormItems.N1;
    N1->Visible = false;  // shown only while top-level items are demoted

    PopupMenu.TrackRightButton = false;  // the menu tracks the left button
    PopupMenu.OnPopup = [this] { PopupMenuPopup(); };
    PopupMenu.OnMenuSelect = [this](TVeskPopupMenu& sender, core::TMenuItem& item) { PopupMenuMenuSelect(sender, item); };

    // The tray pictures: IL1 the icon at rest, IL2 the frames shown while the menu is built.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto load = [instance](TImageList& list, int id) {
        list.Owned.reset(ImageList_LoadImageW(instance, MAKEINTRESOURCEW(id), VESKARA_TRAY_SIZE, 0,
                                              RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
        list.Handle = list.Owned.get();
        list.Width = list.Height = VESKARA_TRAY_SIZE;
    };
    load(IL1, IDB_TRAY_IDLE);
    load(IL2, IDB_TRAY_FRAMES);
    TrayIcon.AnimateInterval = 100;
    TrayIcon.PopupMenu = &PopupMenu;
    TrayIcon.ForegroundWindow = VeskPopupList.Window();
    TrayIcon.OnDblClick = [this] { TrayIconDblClick(); };
}

void TMainForm::TrayIconDblClick() {
    if (FSettingsForm || IsWindowVisible(Handle())) {
        MessageBeep(MB_OK);
        return;
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TMainForm::PopupMenuMenuSelect(TVeskPopupMenu&, core::TMenuItem& menuItem) {
    if (!FLastPlayed.Select(menuItem)) return;
    if (!FDisableSounds && !FDisableRepopupSound) FSoundEvents[int(TSoundEvent::seSelect)]->AsyncPlayback();
}

void TMainForm::PopupMenuPopup() {
    if (FUpdateNeeded.exchange(false)) {
        // A watched folder changed (or nothing was built at start-up): build afresh.
        StopWatchers(*this);
        ClearMenu(*this);
        BuildMenuWithSounds();
    }
    PlayCommandSound();
}
