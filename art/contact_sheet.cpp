#include "art/contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "art/dib.h"
#include "art/paint.h"

namespace art {
namespace {

constexpr double kMargin = 24;
constexpr double kGap = 22;           // between cells, both ways
constexpr double kTitleSize = 22;
constexpr double kLegendSize = 13;
constexpr double kHeaderHeight = 84;  // title and legend line
constexpr double kIdSize = 13;
constexpr double kWhatSize = 12;
constexpr double kLabelHeight = 40;   // the two label lines under each bitmap
constexpr Rgb kInk{16, 16, 18};
constexpr Rgb kFrame{84, 84, 86};
constexpr Rgb kHatchLight{236, 0, 200};
constexpr Rgb kHatchDark{112, 0, 96};
constexpr const char* kFont = "DejaVu Sans";

void select(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double text_width(cairo_t* cr, const std::string& text, double size, bool bold) {
    Saved saved(cr);
    select(cr, size, bold);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void text(cairo_t* cr, const std::string& s, double x, double baseline, double size, bool bold) {
    Saved saved(cr);
    select(cr, size, bold);
    set_source(cr, kInk);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, s.c_str());
}

struct Placed {
    SheetCell cell;
    double cell_w = 0;
    std::string heading;      // id, size, depth
    std::string what;
};

// Flows the cells into rows; returns the sheet's height.
double lay_out(cairo_t* measure, const ModuleArtwork& artwork, double shrink, std::vector<Placed>& placed) {
    placed.clear();
    const double usable = kSheetWidth - 2 * kMargin;
    double x = kMargin, y = kHeaderHeight, row_h = 0;
    for (const BitmapResource& b : artwork.bitmaps) {
        Placed p;
        p.cell.id = b.id;
        const double fit = std::min(1.0, usable / b.width) * shrink;
        const double w = std::max(1.0, std::floor(b.width * fit)), h = std::max(1.0, std::floor(b.height * fit));
        p.cell.scale = w / b.width;
        p.heading = std::to_string(b.id) + "   " + std::to_string(b.width) + " x " + std::to_string(b.height) + "   " +
                    std::to_string(b.bits) + "-bit";
        if (p.cell.scale < 1) p.heading += "   (shown at " + std::to_string(std::lround(p.cell.scale * 100)) + "%)";
        p.what = b.what ? b.what : "";
        p.cell_w = std::min(usable, std::max({w, text_width(measure, p.heading, kIdSize, true),
                                              text_width(measure, p.what, kWhatSize, false)}));
        if (x > kMargin && x + p.cell_w > kSheetWidth - kMargin) {
            x = kMargin;
            y += row_h + kGap;
            row_h = 0;
        }
        p.cell.image = {std::round(x), std::round(y), w, h};
        row_h = std::max(row_h, h + kLabelHeight);
        x += p.cell_w + kGap;
        placed.push_back(std::move(p));
    }
    return std::ceil(y + row_h + kMargin);
}

// The hatch that stands for see-through pure black, for the legend's swatch.
void hatch_swatch(Canvas& sheet, int x0, int y0, int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) sheet.set_pixel(x0 + x, y0 + y, sheet_colour(kTransparentBlack, x, y));
    }
}

}  // namespace

Rgb sheet_colour(Rgb colour, int x, int y) {
    if (!(colour == kTransparentBlack)) return colour;
    return ((x + y) / 3) % 2 == 0 ? kHatchLight : kHatchDark;
}

ContactSheet draw_contact_sheet(const ModuleArtwork& artwork, const ModulePack& pack) {
    check_module_pack(artwork, pack);
    const std::string module = artwork.module ? artwork.module : "module";

    // Shrink everything until the sheet fits a canvas.
    Canvas measure(1, 1);
    std::vector<Placed> placed;
    double shrink = 1, height = lay_out(measure.cr(), artwork, shrink, placed);
    while (height > Canvas::kMaxSide) {
        shrink *= 0.8;
        if (shrink < 0.01) throw ArtworkError(module + ": too many bitmaps for one contact sheet");
        height = lay_out(measure.cr(), artwork, shrink, placed);
    }

    ContactSheet sheet{Canvas(kSheetWidth, static_cast<int>(height)), {}};
    cairo_t* cr = sheet.canvas.cr();
    set_source(cr, kSheetBackground);
    cairo_paint(cr);

    const size_t count = artwork.bitmaps.size();
    text(cr, module + "  \xE2\x80\x94  " + std::to_string(count) + (count == 1 ? " bitmap" : " bitmaps"), kMargin, 36,
         kTitleSize, true);
    hatch_swatch(sheet.canvas, static_cast<int>(kMargin), 52, 16);
    text(cr,
         "pure black RGB(0,0,0): see-through where the host draws an image with its transparency flag "
         "(drawn black is RGB(1,1,1) or lighter)",
         kMargin + 24, 65, kLegendSize, false);

    for (size_t i = 0; i < placed.size(); ++i) {
        const Placed& p = placed[i];
        const Rect& at = p.cell.image;
        const Canvas stored = canvas_from_dib(pack.bitmaps[i].dib);
        Canvas shown(stored.width(), stored.height());
        for (int y = 0; y < stored.height(); ++y) {
            for (int x = 0; x < stored.width(); ++x) shown.set_pixel(x, y, sheet_colour(stored.pixel(x, y), x, y));
        }
        cairo_surface_flush(shown.surface());

        Saved saved(cr);
        set_source(cr, kFrame);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, at.x - 0.5, at.y - 0.5, at.w + 1, at.h + 1);
        cairo_stroke(cr);
        {
            Saved image(cr);
            cairo_translate(cr, at.x, at.y);
            cairo_scale(cr, at.w / stored.width(), at.h / stored.height());
            cairo_set_source_surface(cr, shown.surface(), 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), p.cell.scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
            cairo_rectangle(cr, 0, 0, stored.width(), stored.height());
            cairo_fill(cr);
        }
        cairo_rectangle(cr, at.x, at.y + at.h, p.cell_w, kLabelHeight);
        cairo_clip(cr);
        text(cr, p.heading, at.x, at.y + at.h + 17, kIdSize, true);
        text(cr, p.what, at.x, at.y + at.h + 33, kWhatSize, false);
        sheet.cells.push_back(p.cell);
    }
    return sheet;
}

Canvas contact_sheet(const ModuleArtwork& artwork, const ModulePack& pack) {
    return std::move(draw_contact_sheet(artwork, pack).canvas);
}

}  // namespace art
