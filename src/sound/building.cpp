#include "app/main_form.h"

// Sounds that bracket a menu build and mark commands.

void TMainForm::BeginBuilding() {
    if (!FDisableSounds) {
        FSoundEvents[int(TSoundEvent::sePreparing)]->SyncPlayback();
        FSoundEvents[int(TSoundEvent::seLoop)]->LoopPlayback();
    }
}

void TMainForm::EndBuilding() {
    if (!FDisableSounds) {
        FSoundEvents[int(TSoundEvent::seLoop)]->Stop();
        FSoundEvents[int(TSoundEvent::seReady)]->SyncPlayback();
    }
}

void TMainForm::PlayCommandSound() {
    if (!FDisableSounds && !FDisableRepopupSound) FSoundEvents[int(TSoundEvent::seClick)]->AsyncPlayback();
}
