#include "app/main_form.h"
#include "app/startup_seams.h"

// Sounds that bracket a menu build and mark commands.

void TMainForm::BeginBuilding() {
    if (!FDisableSounds) {
        FSoundEvents[int(TSoundEvent::sePreparing)]->SyncPlayback();
        FSoundEvents[int(TSoundEvent::seLoop)]->LoopPlayback();
    }
    // No menu can be opened while it is built; the icon turns meanwhile.
    EnableWindow(OKButton, FALSE);
    TrayIcon.PopupMenu = nullptr;
    TrayIcon.SetIcons(IL2.Handle);
    TrayIcon.SetAnimate(true);
}

void TMainForm::EndBuilding() {
    TrayIcon.SetAnimate(false);
    TrayIcon.SetIcons(IL1.Handle);
    TrayIcon.SetIconIndex(0);
    TrayIcon.PopupMenu = &PopupMenu;
    EnableWindow(OKButton, TRUE);
    if (!FDisableSounds) {
        FSoundEvents[int(TSoundEvent::seLoop)]->Stop();
        FSoundEvents[int(TSoundEvent::seReady)]->SyncPlayback();
    }
}

void TMainForm::BuildMenuWithSounds() {
    BeginBuilding();
    // The end of a build restores the icon, the button and the sounds even when it fails.
    struct EndScope {
        TMainForm* form;
        ~EndScope() { form->EndBuilding(); }
    } end{this};
    BuildMenu(*this);
}

void TMainForm::PlayCommandSound() {
    if (!FDisableSounds && !FDisableRepopupSound) FSoundEvents[int(TSoundEvent::seClick)]->AsyncPlayback();
}
