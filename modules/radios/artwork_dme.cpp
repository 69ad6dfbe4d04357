// The DME's artwork: its face, the power switch off and on, and the R1/R2
// receiver selector at either receiver.
//
// Everything is laid out in face pixels, origin at the face's top-left
// corner, matching the records in dme.cpp:
//   ground speed text box  (10, 25) 126x35
//   distance text box      (160, 25) 144x35
//   power switch icon      (285, 78) 50x30: x 290..309 switches it off, 315..334 on
//   selector icon          (389, 42) 27x40, inside its click area (366, 30) 50x60
// The face is drawn at the same physical width as the COM/NAV radio's 600 px
// face, so its parts are the radio's sizes times kScale.
//
// Both switches are toggles on a small black escutcheon plate. The icons
// cover their plate whole, so the lever's shadow falls on the plate in the
// icon itself; round the plate they are pure black and the face shows. The
// face carries the plates and their nuts without levers (the icons are
// always drawn over them).
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "art/canvas.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "modules/radios/artwork_family.h"
#include "modules/radios/artwork_parts.h"
#include "modules/radios/bitmaps.h"

namespace {

using art::Align;
using art::Canvas;
using art::Rect;

constexpr int kFaceWidth = 495;
constexpr int kFaceHeight = 110;
constexpr double kScale = kFaceWidth / 600.0;

// Faceplate inside its frame, as on the COM/NAV radio.
constexpr double kFrameWidth = 2.0;
constexpr double kScrewInset = 13.0 * kScale;
constexpr double kScrewRadius = 5.5 * kScale;
constexpr double kScrewTurns[4] = {25.0, -14.0, 52.0, 3.0};

constexpr art::LabelStyle kLegend = art::kEngravedSmall;
constexpr double kLegendSize = 7.5;

// The readouts: one dark glass behind both text boxes, with a divider
// between ground speed and distance.
constexpr Rect kSpeedText{10, 25, 126, 35};
constexpr Rect kDistanceText{160, 25, 144, 35};
constexpr double kGlassMarginX = 4.0;
constexpr double kGlassMarginY = 4.0;
constexpr double kGlassBezel = 2.5;
constexpr double kDividerX = (kSpeedText.x + kSpeedText.w + kDistanceText.x) / 2;

// The toggles: a knurled chrome nut, a chrome lever with a bat at its end.
constexpr art::KnobStyle kNut{art::kChrome, art::kChrome, 0.70, 40, 30, 0.4, 0.14, 0.6};
constexpr double kLeverLength = 2.3;  // in nut radii, as seen from the front
constexpr double kLeverTilt = 40;     // degrees from pointing at the pilot
constexpr art::FaceStyle kPlate{{40, 40, 42}, {27, 27, 29}, 1.5, 1.2, 0.22, 0.55, 0.0, 1.0};

// The power switch: thrown left it is OFF, right it is on.
constexpr double kPowerBoxX = 285;
constexpr double kPowerBoxY = 78;
constexpr Rect kPowerPlate{5, 3, 44, 23};  // within the icon
constexpr double kPowerNutX = 27;
constexpr double kPowerNutY = 14.5;
constexpr double kPowerNutRadius = 6.5;

// The receiver selector: up R1, down R2.
constexpr double kSelectorBoxX = 389;
constexpr double kSelectorBoxY = 42;
constexpr Rect kSelectorPlate{1, 1, 25, 38};
constexpr double kSelectorNutX = 13.5;
constexpr double kSelectorNutY = 20;
constexpr double kSelectorNutRadius = 6.5;

constexpr double kBottomLine = kFaceHeight - 22 * kScale;

// ---------------------------------------------------------------------------
// A toggle lever thrown any of four ways: the toolkit's lever, seen from the
// front, along the direction (ux, uy).

struct Throw {
    double ux;
    double uy;
};
constexpr Throw kLeft{-1, 0}, kRight{1, 0}, kUp{0, -1}, kDown{0, 1};

void lever(Canvas& canvas, double cx, double cy, double r, Throw t) {
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    const double length = r * kLeverLength;
    const double base = r * 0.19, top = r * 0.27;     // half widths of the shaft
    const double bat_w = r * 0.46, bat_h = r * 0.40;  // the bat: across and along the lever
    const double px = -t.uy, py = t.ux;               // across the lever
    const double tip_x = cx + t.ux * length, tip_y = cy + t.uy * length;
    const double beta = art::radians(kLeverTilt);
    // The side of the lever the pilot sees faces away from its tip.
    const art::Vec3 face{-t.ux * std::cos(beta), -t.uy * std::cos(beta), std::sin(beta)};

    // Its shadow on the plate, further off as the lever stands further out.
    {
        const double sx = r * 0.30, sy = r * 0.45;
        cairo_new_path(cr);
        cairo_move_to(cr, cx + px * base + sx * 0.3, cy + py * base + sy * 0.3);
        cairo_line_to(cr, tip_x + px * top + sx, tip_y + py * top + sy);
        cairo_line_to(cr, tip_x - px * top + sx, tip_y - py * top + sy);
        cairo_line_to(cr, cx - px * base + sx * 0.3, cy - py * base + sy * 0.3);
        cairo_close_path(cr);
        cairo_save(cr);
        cairo_translate(cr, tip_x + sx, tip_y + sy);
        cairo_scale(cr, std::abs(px) * bat_w + std::abs(t.ux) * bat_h, std::abs(py) * bat_w + std::abs(t.uy) * bat_h);
        art::circle_path(cr, 0, 0, 1);
        cairo_restore(cr);
        cairo_path_t* shape = cairo_copy_path(cr);
        cairo_new_path(cr);
        art::soft_shadow(cr, shape, 0, 0, r * 0.35, 0.45);
        cairo_path_destroy(shape);
    }

    const double reach = length + bat_h + 1, side = bat_w + 1;
    const double x0 = std::min(cx - side, std::min(cx + t.ux * reach, cx - t.ux * base));
    const double x1 = std::max(cx + side, std::max(cx + t.ux * reach, cx - t.ux * base));
    const double y0 = std::min(cy - side, std::min(cy + t.uy * reach, cy - t.uy * base));
    const double y1 = std::max(cy + side, std::max(cy + t.uy * reach, cy - t.uy * base));
    art::shade_pixels(cr, {x0, y0, x1 - x0, y1 - y0}, [&](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        const double along = dx * t.ux + dy * t.uy, across = dx * px + dy * py;
        // The bat: a rounded paddle at the tip, domed towards the pilot.
        const double bx = across / bat_w, by = (along - length) / bat_h;
        const double q = bx * bx + by * by;
        if (q <= 1) {
            const double z = std::sqrt(1 - q);
            return art::lit(art::kChrome,
                            art::normalised({px * bx * 0.8 + t.ux * by * 0.8 + face.x * 0.6,
                                             py * bx * 0.8 + t.uy * by * 0.8 + face.y * 0.6, z + face.z * 0.4}));
        }
        if (along < 0 || along > length) return art::Shade{};
        const double half = base + (top - base) * along / length;
        if (std::abs(across) > half) return art::Shade{};
        // A round shaft: across its width the surface turns from side to side.
        const double u = across / half, w = std::sqrt(std::max(0.0, 1 - u * u));
        return art::lit(art::kChrome, art::normalised({px * u + face.x * w, py * u + face.y * w, face.z * w}));
    });
}

// The knurled nut the lever comes out of, with the dark hole in its bushing.
void nut(Canvas& canvas, double cx, double cy, double r) {
    art::knob_ribbed(canvas, cx, cy, r, 18, kNut);
    cairo_t* cr = canvas.cr();
    art::Saved saved(cr);
    art::circle_path(cr, cx, cy, r * 0.52);
    art::set_source(cr, {70, 70, 74});
    cairo_fill(cr);
    art::circle_path(cr, cx, cy, r * 0.34);
    art::set_source(cr, {12, 12, 13});
    cairo_fill(cr);
}

// A plate with its nut and, unless `lever_too` is false, the lever thrown `t`.
void toggle_on_plate(Canvas& canvas, double box_x, double box_y, const Rect& plate, double nut_x, double nut_y,
                     double r, Throw t, bool lever_too) {
    art::panel_face(canvas, {box_x + plate.x, box_y + plate.y, plate.w, plate.h}, kPlate);
    nut(canvas, box_x + nut_x, box_y + nut_y, r);
    if (lever_too) lever(canvas, box_x + nut_x, box_y + nut_y, r, t);
}

// The plate's own shadow on the face.
void plate_shadow(Canvas& canvas, double box_x, double box_y, const Rect& plate) {
    art::box_shadow(canvas.cr(), {box_x + plate.x, box_y + plate.y, plate.w, plate.h}, kPlate.corner_radius, 1.5, 2.5,
                    0.55);
}

// ---------------------------------------------------------------------------
// Parts of the face

void draw_display(Canvas& canvas) {
    const Rect glass{kSpeedText.x - kGlassMarginX, kSpeedText.y - kGlassMarginY,
                     kDistanceText.x + kDistanceText.w + kGlassMarginX - (kSpeedText.x - kGlassMarginX),
                     kSpeedText.h + 2 * kGlassMarginY};
    radios::draw_display_glass(canvas, glass, kGlassBezel);
    radios::draw_display_divider(canvas, glass, kDividerX, 6);
    const double label_y = glass.y - kGlassBezel - 4;
    art::engraved_label(canvas, "GROUND SPEED", kSpeedText.x + 10, label_y, kLegendSize, Align::kLeft, kLegend);
    art::engraved_label(canvas, "DISTANCE", kDistanceText.x + 10, label_y, kLegendSize, Align::kLeft, kLegend);
}

void draw_power_place(Canvas& canvas) {
    plate_shadow(canvas, kPowerBoxX, kPowerBoxY, kPowerPlate);
    toggle_on_plate(canvas, kPowerBoxX, kPowerBoxY, kPowerPlate, kPowerNutX, kPowerNutY, kPowerNutRadius, kLeft, false);
    const double y = kPowerBoxY + kPowerNutY + kLegendSize * 0.36;
    art::engraved_label(canvas, "OFF", kPowerBoxX + kPowerPlate.x - 4, y, kLegendSize, Align::kRight, kLegend);
    art::engraved_label(canvas, "ON", kPowerBoxX + kPowerPlate.x + kPowerPlate.w + 4, y, kLegendSize, Align::kLeft,
                        kLegend);
}

void draw_selector_place(Canvas& canvas) {
    plate_shadow(canvas, kSelectorBoxX, kSelectorBoxY, kSelectorPlate);
    toggle_on_plate(canvas, kSelectorBoxX, kSelectorBoxY, kSelectorPlate, kSelectorNutX, kSelectorNutY,
                    kSelectorNutRadius, kUp, false);
    const double x = kSelectorBoxX + kSelectorNutX;
    art::engraved_label(canvas, "R1", x, kSelectorBoxY + kSelectorPlate.y - 4, kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "R2", x, kSelectorBoxY + kSelectorPlate.y + kSelectorPlate.h + 4 + kLegendSize * 0.74,
                        kLegendSize, Align::kCentre, kLegend);
    art::engraved_label(canvas, "NAV", kSelectorBoxX + kSelectorPlate.x - 5,
                        kSelectorBoxY + kSelectorNutY + kLegendSize * 0.36, kLegendSize, Align::kRight, kLegend);
}

// ---------------------------------------------------------------------------
// The bitmaps

void draw_face(Canvas& canvas) {
    const double w = canvas.width();
    radios::draw_faceplate(canvas, kFrameWidth, kScrewInset, kScrewRadius, kScrewTurns);

    draw_display(canvas);
    draw_power_place(canvas);
    draw_selector_place(canvas);

    radios::draw_maker_mark(canvas, 24, kBottomLine, kScale, "ND 45");
    art::engraved_label(canvas, "DME", w - kScrewInset - 14 * kScale, kBottomLine, 11 * kScale, Align::kRight);
}

void draw_power(Canvas& canvas, Throw t) {
    toggle_on_plate(canvas, 0, 0, kPowerPlate, kPowerNutX, kPowerNutY, kPowerNutRadius, t, true);
}

void draw_selector(Canvas& canvas, Throw t) {
    toggle_on_plate(canvas, 0, 0, kSelectorPlate, kSelectorNutX, kSelectorNutY, kSelectorNutRadius, t, true);
}

void draw_power_off(Canvas& canvas) { draw_power(canvas, kLeft); }
void draw_power_on(Canvas& canvas) { draw_power(canvas, kRight); }
void draw_selector_r1(Canvas& canvas) { draw_selector(canvas, kUp); }
void draw_selector_r2(Canvas& canvas) { draw_selector(canvas, kDown); }

// The declared size of bitmap `id`, to hold the layout above to it.
constexpr bool declared_as(uint32_t id, int width, int height) {
    for (const BitmapResource& b : radios::kBitmaps) {
        if (b.id == id) return b.width == width && b.height == height;
    }
    return false;
}

static_assert(declared_as(radios::kBmpDmeFace, kFaceWidth, kFaceHeight));
static_assert(declared_as(radios::kBmpDmePowerOff, 50, 30) && declared_as(radios::kBmpDmePowerOn, 50, 30));
static_assert(declared_as(radios::kBmpDmeSelectorR1, 27, 40) && declared_as(radios::kBmpDmeSelectorR2, 27, 40));
// Each plate lies inside its icon.
static_assert(kPowerPlate.x >= 0 && kPowerPlate.x + kPowerPlate.w <= 50 && kPowerPlate.y + kPowerPlate.h <= 30);
static_assert(kSelectorPlate.x >= 0 && kSelectorPlate.x + kSelectorPlate.w <= 27 &&
              kSelectorPlate.y + kSelectorPlate.h <= 40);

constexpr art::Drawing kDrawings[] = {
    {radios::kBmpDmeFace, draw_face},
    {radios::kBmpDmeSelectorR1, draw_selector_r1},
    {radios::kBmpDmeSelectorR2, draw_selector_r2},
    {radios::kBmpDmePowerOff, draw_power_off},
    {radios::kBmpDmePowerOn, draw_power_on},
};

}  // namespace

std::vector<art::Drawing> radios::dme_drawings() { return {std::begin(kDrawings), std::end(kDrawings)}; }
