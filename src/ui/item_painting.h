// Measuring and drawing of every item of the popup menu. The main form's handlers gather what
// they read into TItemPaintSettings and hand it to the painter, so the painter can also be driven
// without a main form.
#pragma once

#include "core/item_drawing.h"
#include "core/menu_tree.h"
#include "ui/menu_handler_args.h"

#include <windows.h>

#include <array>
#include <functional>

class TMainForm;
struct TImageList;

// One additional icon as the painter sees it; the icons stay owned by their objects.
struct TAdditionalIconView {
    HICON Large = nullptr;
    HICON Small = nullptr;
    bool Disappeared = false;
    core::TSize LargeSize{};  // of the pictures, when known; asked from them otherwise
    core::TSize SmallSize{};
};

struct TItemPaintSettings {
    const core::TFormMenuItems* FormItems = nullptr;
    const core::TMenuItem* Favorites = nullptr;   // nullptr when not in the menu
    const core::TMenuItem* Documents = nullptr;
    // The large list, told by identity: the per-branch fields point at it or at the small one.
    const TImageList* LargeList = nullptr;
    const TImageList* RootImages = nullptr;
    const TImageList* ProgramsImages = nullptr;
    const TImageList* FavoritesImages = nullptr;
    const TImageList* DocumentImages = nullptr;
    std::array<TAdditionalIconView, 9> AdditionalIcons{};
    bool NoExtraIcons = false;
    bool NoCaptionLengthLimit = false;
    int CaptionLengthLimitValue = 256;
    bool DisableBreaks = false;
    int BreaksValue = 20;
    int SmallBreaksValue = 32;
    bool NoBanner = false;
    int BannerWidth = 0;
    std::function<void(HDC)> PaintBanner;  // paints the strip for an item that shows it
    double DemotedItemsData = 0.5;
    double AdditionalIconsAreaData = 0.25;
    bool Personalized = false;   // not static and the usage stack in force is not empty
    bool Themed = false;         // visual styles are in effect for the program
    bool FlatMenu = false;
};

// What the main form's fields say now, with the theme and flat-menu state of the system.
TItemPaintSettings ItemPaintSettings(TMainForm& form);
bool VisualStylesActive();
bool FlatMenus();

// The menu colour moved toward the button highlight colour by ratio (0 to 1).
COLORREF BlendMenuColor(double ratio);

const TImageList& ItemImageList(const TItemPaintSettings& settings, const core::TMenuItem& item);

void MeasureMenuItem(const TItemPaintSettings& settings, core::TMenuItem& item, core::TMeasureItemArgs& args);
void DrawMenuItem(const TItemPaintSettings& settings, core::TMenuItem& item, core::TDrawItemArgs& args);

// The shared OnMeasureItem and OnDrawItem handlers of every item of the main menu.
void ExitMenuItemMeasureItem(TMainForm& form, core::TMenuItem& item, core::TMeasureItemArgs& args);
void ExitMenuItemDrawItem(TMainForm& form, core::TMenuItem& item, core::TDrawItemArgs& args);
