// A contact sheet: every bitmap of a module on one picture, for review.
//
// The bitmaps are shown as stored (after colour reduction), in declared
// order, in rows on a neutral mid-grey sheet, each labelled with its id,
// size, bit depth and what it shows. Pure black, which the host leaves
// see-through on images drawn with the transparency flag, is shown as a
// magenta hatch so it cannot be mistaken for drawn black. Bitmaps wider than
// the sheet are scaled down to fit.
#pragma once

#include <cstdint>
#include <vector>

#include "art/basics.h"
#include "art/canvas.h"
#include "art/module_artwork.h"
#include "art/module_pack.h"

namespace art {

inline constexpr int kSheetWidth = 1600;
inline constexpr Rgb kSheetBackground{128, 128, 128};

// Where one bitmap went on the sheet.
struct SheetCell {
    uint32_t id = 0;
    Rect image;               // the bitmap's place, whole pixels
    double scale = 1;         // 1, or less where the bitmap was shrunk to fit
};

struct ContactSheet {
    Canvas canvas;
    std::vector<SheetCell> cells;  // in declared order
};

// How the bitmap pixel at (x, y) of colour `colour` shows on the sheet:
// itself, or for pure black a pixel of the magenta hatch.
Rgb sheet_colour(Rgb colour, int x, int y);

// Lays out and draws the sheet. Throws ArtworkError when the pack does not
// hold the bitmaps the artwork declares (see check_module_pack).
ContactSheet draw_contact_sheet(const ModuleArtwork& artwork, const ModulePack& pack);
// The sheet's picture alone.
Canvas contact_sheet(const ModuleArtwork& artwork, const ModulePack& pack);

}  // namespace art
