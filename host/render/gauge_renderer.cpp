#include "host/render/gauge_renderer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "host/render/text.h"

namespace panel::render {
namespace {

struct ContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Surface new_image(int width, int height) {
    return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1)));
}

// Paints a picture made at its own size into a box, with good filtering.
void paint_scaled(cairo_t* cr, cairo_surface_t* picture, double x, double y, double width, double height) {
    int w = cairo_image_surface_get_width(picture), h = cairo_image_surface_get_height(picture);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, width / w, height / h);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Dark grey panel paint, behind the gauges of a window without a picture.
constexpr double kPanelPaint[3] = {0.16, 0.17, 0.18};

}  // namespace

void Renderer::draw_gauge(cairo_t* cr, const GaugeState& gauge, const DrawOptions& options) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, gauge.width(), gauge.height());
    cairo_clip(cr);
    for (const ElementState& e : gauge.elements()) draw_element(cr, gauge, e, options);
    cairo_restore(cr);
}

void Renderer::draw_element(cairo_t* cr, const GaugeState& gauge, const ElementState& e, const DrawOptions& options) {
    const ELEMENT_HEADER* record = e.record;
    if (record->image_flags & kImageHidden) return;
    if (e.failure == FailureAction::Hide) return;
    if (e.failure == FailureAction::Darken && record->kind != kElementString) return;

    if (record->kind == kElementString) {
        // Texts are lit at night too.
        draw_text(cr, *reinterpret_cast<const ELEMENT_STRING*>(record), e.text, options.selection);
        return;
    }
    const Placement& p = e.placement;
    if (p.bitmap < 0) return;
    Lighting lighting{options.night, (record->image_flags & kImageKeepsLight) != 0};
    SurfaceKind kind = (record->image_flags & kImageTransparent) ? SurfaceKind::Transparent : SurfaceKind::Opaque;
    const ModuleResources& resources = gauge.resources();
    cairo_surface_t* picture = surfaces_.get(resources, static_cast<uint32_t>(p.bitmap), kind, lighting);
    if (picture == nullptr) return;
    double x = record->position.x, y = record->position.y;

    cairo_save(cr);
    switch (record->kind) {
        case kElementNeedle:
            // The pivot inside the bitmap sits on the pivot on the face.
            cairo_translate(cr, x, y);
            cairo_rotate(cr, p.shown_angle * M_PI / 180.0);
            cairo_set_source_surface(cr, picture, -record->offset.x, -record->offset.y);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
            cairo_paint(cr);
            break;
        case kElementSlider:
            cairo_set_source_surface(cr, picture, x + p.dx, y + p.dy);
            cairo_paint(cr);
            break;
        case kElementMovingImage: {
            cairo_surface_t* window =
                surfaces_.get(resources, static_cast<uint32_t>(p.bitmap + 1), SurfaceKind::Transparent, lighting);
            if (window == nullptr) break;
            // The strip, seen only through the window's rectangle, then the window over it.
            cairo_rectangle(cr, x, y, cairo_image_surface_get_width(window), cairo_image_surface_get_height(window));
            cairo_clip(cr);
            cairo_set_source_surface(cr, picture, x - p.dx, y - p.dy);
            cairo_paint(cr);
            cairo_set_source_surface(cr, window, x, y);
            cairo_paint(cr);
            break;
        }
        case kElementSprite: {
            auto* sprite = reinterpret_cast<const ELEMENT_SPRITE*>(record);
            uint32_t companion = static_cast<uint32_t>(p.bitmap + 1);
            cairo_surface_t* mask = surfaces_.get(resources, companion, SurfaceKind::Mask, lighting);
            cairo_surface_t* overlay = surfaces_.get(resources, companion, SurfaceKind::Overlay, lighting);
            if (mask == nullptr || overlay == nullptr) break;
            // The picture turned and scaled about its centre, shown where the
            // companion is near-black; the companion's other colours lie over it.
            cairo_push_group(cr);
            cairo_translate(cr, p.cx, p.cy);
            cairo_rotate(cr, p.turn);
            cairo_scale(cr, sprite->texture_scale_x, sprite->texture_scale_y);
            cairo_set_source_surface(cr, picture, -cairo_image_surface_get_width(picture) / 2.0,
                                     -cairo_image_surface_get_height(picture) / 2.0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
            cairo_paint(cr);
            cairo_pop_group_to_source(cr);
            cairo_mask_surface(cr, mask, x, y);
            cairo_set_source_surface(cr, overlay, x, y);
            cairo_paint(cr);
            break;
        }
        default:  // static images and icons
            cairo_set_source_surface(cr, picture, x, y);
            cairo_paint(cr);
            break;
    }
    cairo_restore(cr);
}

Surface Renderer::gauge_image(const GaugeState& gauge, double scale, const DrawOptions& options) {
    Surface native = new_image(gauge.width(), gauge.height());
    {
        Context cr(cairo_create(native.get()));
        draw_gauge(cr.get(), gauge, options);
    }
    if (scale == 1.0) return native;
    int w = std::max(1, static_cast<int>(std::lround(gauge.width() * scale)));
    int h = std::max(1, static_cast<int>(std::lround(gauge.height() * scale)));
    Surface scaled = new_image(w, h);
    Context cr(cairo_create(scaled.get()));
    paint_scaled(cr.get(), native.get(), 0, 0, w, h);
    return scaled;
}

void Renderer::draw_window_into(cairo_t* cr, PanelHost& host, const WindowConfig& window, const DrawOptions& options) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, window.width, window.height);
    cairo_clip(cr);
    if (window.background.empty()) {
        // A window without a picture is plain panel paint.
        double light = options.night ? kNightGreen : 1.0;
        cairo_set_source_rgb(cr, kPanelPaint[0] * light, kPanelPaint[1] * light, kPanelPaint[2] * light);
        cairo_paint(cr);
    } else {
        paint_scaled(cr, background(window.background, options.night), 0, 0, window.width, window.height);
    }
    for (const GaugePlacement& placement : window.gauges) {
        GaugeState* gauge = host.gauge(placement.gauge);
        if (gauge == nullptr || gauge->width() <= 0) continue;
        Surface face = gauge_image(*gauge, 1.0, options);
        double height = placement.height ? *placement.height
                                         : placement.width * static_cast<double>(gauge->height()) / gauge->width();
        paint_scaled(cr, face.get(), placement.x, placement.y, placement.width, height);
    }
    cairo_restore(cr);
}

cairo_surface_t* Renderer::background(const std::string& path, bool night) {
    auto key = std::make_pair(path, night);
    auto it = backgrounds_.find(key);
    if (it != backgrounds_.end()) return it->second.get();
    Surface png(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(path + ": cannot read the window's background picture");
    // As a picture the host owns: pure black is transparent, and at night the panel is dark.
    int w = cairo_image_surface_get_width(png.get()), h = cairo_image_surface_get_height(png.get());
    Surface picture = new_image(w, h);
    {
        Context cr(cairo_create(picture.get()));
        cairo_set_source_surface(cr.get(), png.get(), 0, 0);
        cairo_paint(cr.get());
    }
    cairo_surface_flush(picture.get());
    unsigned char* data = cairo_image_surface_get_data(picture.get());
    int stride = cairo_image_surface_get_stride(picture.get());
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            uint32_t p = row[x];
            if ((p >> 24) == 0xFF && (p & 0xFFFFFF) == 0) {
                row[x] = 0;
            } else if (night) {
                auto r = static_cast<uint32_t>(((p >> 16) & 0xFF) * kNightRed);
                auto g = static_cast<uint32_t>(((p >> 8) & 0xFF) * kNightGreen);
                auto b = static_cast<uint32_t>((p & 0xFF) * kNightBlue);
                row[x] = (p & 0xFF000000u) | (r << 16) | (g << 8) | b;
            }
        }
    }
    cairo_surface_mark_dirty(picture.get());
    return backgrounds_.emplace(key, std::move(picture)).first->second.get();
}

Surface Renderer::window_image(PanelHost& host, const WindowConfig& window, double scale, const DrawOptions& options) {
    int w = std::max(1, static_cast<int>(std::lround(window.width * scale)));
    int h = std::max(1, static_cast<int>(std::lround(window.height * scale)));
    Surface image = new_image(w, h);
    Context cr(cairo_create(image.get()));
    cairo_scale(cr.get(), scale, scale);
    draw_window_into(cr.get(), host, window, options);
    return image;
}

Surface Renderer::panel_image(PanelHost& host, const PanelConfig& config, double scale, const DrawOptions& options) {
    int32_t right = 1, bottom = 1;
    for (const WindowConfig& w : config.windows) {
        right = std::max(right, w.x + w.width);
        bottom = std::max(bottom, w.y + w.height);
    }
    Surface image = new_image(static_cast<int>(std::lround(right * scale)), static_cast<int>(std::lround(bottom * scale)));
    Context cr(cairo_create(image.get()));
    cairo_scale(cr.get(), scale, scale);
    for (const WindowConfig& w : config.windows) {
        if (!host.window_open(w.ident)) continue;
        cairo_save(cr.get());
        cairo_translate(cr.get(), w.x, w.y);
        draw_window_into(cr.get(), host, w, options);
        cairo_restore(cr.get());
    }
    return image;
}

void write_png(cairo_surface_t* image, const std::string& path) {
    std::error_code ec;
    auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    if (cairo_surface_write_to_png(image, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(path + ": cannot write the picture");
}

}  // namespace panel::render
