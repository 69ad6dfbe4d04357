#include "host/render/surfaces.h"

namespace panel::render {
namespace {

Surface make_surface(const Bitmap& bitmap, SurfaceKind kind, bool darken) {
    bool mask = kind == SurfaceKind::Mask;
    cairo_surface_t* s = cairo_image_surface_create(mask ? CAIRO_FORMAT_A8 : CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int32_t y = 0; y < bitmap.height; ++y) {
        for (int32_t x = 0; x < bitmap.width; ++x) {
            uint32_t rgb = bitmap.rgb_at(x, y);
            if (mask) {
                data[y * stride + x] = rgb == 0x010101 ? 0xFF : 0x00;
                continue;
            }
            bool clear = (kind == SurfaceKind::Transparent && rgb == 0) ||
                         (kind == SurfaceKind::Overlay && (rgb == 0 || rgb == 0x010101));
            uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
            if (darken) {
                r = static_cast<uint32_t>(r * kNightRed);
                g = static_cast<uint32_t>(g * kNightGreen);
                b = static_cast<uint32_t>(b * kNightBlue);
            }
            uint32_t pixel = clear ? 0 : (0xFFu << 24) | (r << 16) | (g << 8) | b;
            *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) = pixel;
        }
    }
    cairo_surface_mark_dirty(s);
    return Surface(s);
}

}  // namespace

cairo_surface_t* SurfaceCache::get(const ModuleResources& resources, uint32_t id, SurfaceKind kind, Lighting lighting) {
    bool darken = lighting.night && !lighting.keeps_light && kind != SurfaceKind::Mask;
    auto key = std::make_tuple(&resources, id, kind, darken);
    auto it = surfaces_.find(key);
    if (it != surfaces_.end()) return it->second.get();
    const Bitmap* bitmap = resources.bitmap(id);
    if (bitmap == nullptr) return nullptr;
    return surfaces_.emplace(key, make_surface(*bitmap, kind, darken)).first->second.get();
}

}  // namespace panel::render
