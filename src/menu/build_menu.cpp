// Building the menu from the Start Menu folders, Favorites and Recent into the main form's popup
// menu, and freeing the built items.
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/startup_seams.h"
#include "menu/shell_sources.h"
#include "resource_ids.h"

#include <memory>

namespace {

// One builder per built menu, from BuildMenu to the ClearMenu that frees its items. The watchers
// get references to its path fields, and they are always stopped before ClearMenu.
struct TFormBuilder {
    explicit TFormBuilder(TMainForm& form)
        : Form(&form), Host(form.FEvent.get()), Builder(form.PopupMenu.Items, Lister, Shell, form.FCollation, Host) {
        Host.OnPersonalize = [&form] { PersonalizeMenu(form); };
    }

    TMainForm* Form;
    TFindFileLister Lister;
    TShellFileInfo Shell;
    TShellBuildHost Host;
    core::TMenuBuilder Builder;
};

std::unique_ptr<TFormBuilder> gBuilder;

}  // namespace

void BuildMenu(TMainForm& form) {
    gBuilder = std::make_unique<TFormBuilder>(form);
    core::TMenuBuilder& builder = gBuilder->Builder;
    builder.Settings.View = form.StartMenuView();
    builder.Settings.GenericIcons = form.FGenericIcons;
    builder.Settings.TrueNames = form.FTrueNames;
    builder.Settings.EmptyCaption = LoadResString(IDS_EMPTY);
    builder.Handlers = form.ItemHandlers;
    // A folder that cannot be located this time keeps the path it had.
    builder.FCommonStartMenu = form.FCommonStartMenu;
    builder.FStartMenu = form.FStartMenu;
    builder.FFavirites = form.FFavirites;
    builder.FRecent = form.FRecent;

    builder.BuildMenu(form.FOldStyleStack, form.FStack);

    form.FFavorites = builder.FFavorites;
    form.FDocuments = builder.FDocuments;
    form.FCommonStartMenu = builder.FCommonStartMenu;
    form.FStartMenu = builder.FStartMenu;
    form.FFavirites = builder.FFavirites;
    form.FRecent = builder.FRecent;
}

// Watchers come with change watching.
void StopWatchers(TMainForm&) {}

void ClearMenu(TMainForm& form) {
    // Native menus made from the old items must not outlive them.
    form.PopupMenu.Native().Reset();
    core::ClearMenu(form.PopupMenu.Items);
    form.FFavorites = nullptr;
    form.FDocuments = nullptr;
    if (gBuilder && gBuilder->Form == &form) gBuilder.reset();
}
