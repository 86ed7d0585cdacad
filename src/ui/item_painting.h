// Measuring and drawing of every item of the popup menu.
#pragma once

#include "core/menu_item.h"
#include "ui/menu_handler_args.h"

class TMainForm;

void ExitMenuItemMeasureItem(TMainForm& form, core::TMenuItem& item, core::TMeasureItemArgs& args);
void ExitMenuItemDrawItem(TMainForm& form, core::TMenuItem& item, core::TDrawItemArgs& args);
