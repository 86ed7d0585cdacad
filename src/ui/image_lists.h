// The image lists of the menu: the shell's system lists in two sizes, and which one an item uses.
#pragma once

#include "core/item_geometry.h"
#include "core/menu_item.h"

class TMainForm;
struct TImageList;

// The list of a branch of the menu: FRootImages, FProgramsImages, FFavoritesImages or
// FDocumentImages.
TImageList& BranchImageList(TMainForm& form, core::TImageBranch branch);

// The list whose icons and sizes apply to an item of the main form's menu.
TImageList& ItemImageList(TMainForm& form, const core::TMenuItem& item);
