// The settings dialog: a modal, tabbed window over the main form's settings.
#pragma once

#include "platform/unique_handle.h"
#include "platform/window.h"

class TSettingsForm : public platform::TWindow {
public:
    enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit TSettingsForm(HWND owner);
    // Shows the dialog and returns when it closes, with the button that closed it.
    int ShowModal();
    HWND PageControl() const { return pageControl_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void Close(int result);

    HWND owner_;
    HWND pageControl_ = nullptr;
    HWND okButton_ = nullptr, cancelButton_ = nullptr, applyButton_ = nullptr;
    platform::UniqueHFont font_;
    int modalResult_ = mrNone;
};
