// Program entry: the main form performs start-up; the message loop runs only after a complete one.
#include "app/main_form.h"
#include "platform/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::Application.MainFormOnTaskbar = true;
    auto form = std::make_unique<TMainForm>();
    if (form->FInitialized) platform::Application.Run();
    form.reset();
    return 0;
}
