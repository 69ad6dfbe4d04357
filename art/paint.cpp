#include "art/paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

double radians(double angle) { return angle * kPi / 180.0; }

double cairo_angle(double angle) { return radians(angle - 90.0); }

Point at_angle(double cx, double cy, double r, double angle) {
    return {cx + r * std::sin(radians(angle)), cy - r * std::cos(radians(angle))};
}

double angle_of(double dx, double dy) { return std::atan2(dx, -dy) * 180.0 / kPi; }

double facing_light(double angle) { return 0.5 + 0.5 * std::cos(radians(angle - kLightAngle)); }

Pattern linear_pattern(double x0, double y0, double x1, double y1) {
    return Pattern(cairo_pattern_create_linear(x0, y0, x1, y1));
}

Pattern radial_pattern(double cx0, double cy0, double r0, double cx1, double cy1, double r1) {
    return Pattern(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1));
}

Pattern light_gradient(double cx, double cy, double r) {
    const double d = r * std::numbers::sqrt2 / 2;
    return linear_pattern(cx - d, cy - d, cx + d, cy + d);
}

void stop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void circle_path(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_close_path(cr);
}

void rounded_rect_path(cairo_t* cr, const Rect& a, double radius) {
    radius = std::clamp(radius, 0.0, std::min(a.w, a.h) / 2);
    cairo_new_sub_path(cr);
    if (radius <= 0) {
        cairo_rectangle(cr, a.x, a.y, a.w, a.h);
        return;
    }
    cairo_arc(cr, a.x + a.w - radius, a.y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, a.x + a.w - radius, a.y + a.h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, a.x + radius, a.y + a.h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, a.x + radius, a.y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

Rect inset(const Rect& a, double by) { return {a.x + by, a.y + by, a.w - 2 * by, a.h - 2 * by}; }

void drop_shadow(cairo_t* cr, double cx, double cy, double r, double offset, double alpha) {
    Saved saved(cr);
    const double sx = cx + offset * 0.6, sy = cy + offset;
    Pattern shadow = radial_pattern(sx, sy, r * 0.8, sx, sy, r + offset * 1.6);
    stop(shadow.get(), 0, kShadowInk, alpha);
    stop(shadow.get(), 1, kShadowInk, 0);
    cairo_set_source(cr, shadow.get());
    circle_path(cr, sx, sy, r + offset * 1.6);
    cairo_fill(cr);
}

void soft_shadow(cairo_t* cr, const cairo_path_t* path, double dx, double dy, double blur, double alpha) {
    Saved saved(cr);
    // The shape laid down several times round the offset, each faint.
    constexpr int kRing = 8;
    const double layer = 1 - std::pow(1 - alpha, 1.0 / (kRing + 1));
    for (int i = 0; i <= kRing; ++i) {
        const double a = 2 * kPi * i / kRing, reach = i == kRing ? 0 : blur / 2;
        Saved one(cr);
        cairo_translate(cr, dx + reach * std::cos(a), dy + reach * std::sin(a));
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        set_source(cr, kShadowInk, layer);
        cairo_fill(cr);
    }
}

void box_shadow(cairo_t* cr, const Rect& area, double radius, double offset, double blur, double alpha) {
    Saved saved(cr);
    // Layers growing outwards, each faint: together a soft-edged shadow.
    const int layers = std::max(2, static_cast<int>(std::ceil(blur * 1.5)));
    const Rect shifted{area.x + offset * 0.6, area.y + offset, area.w, area.h};
    for (int i = 0; i < layers; ++i) {
        const double grow = blur * (static_cast<double>(i) / layers - 0.5);
        rounded_rect_path(cr, inset(shifted, -grow), radius + std::max(0.0, grow));
        set_source(cr, kShadowInk, alpha / layers * 1.6);
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------------------

Vec3 normalised(Vec3 v) {
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (n <= 0) return {0, 0, 1};
    return {v.x / n, v.y / n, v.z / n};
}

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 light_direction() {
    // From the upper left, about 40 degrees above the panel's plane.
    const double az = radians(kLightAngle), elevation = radians(40);
    return normalised({std::sin(az) * std::cos(elevation), -std::cos(az) * std::cos(elevation), std::sin(elevation)});
}

Vec3 tilted_normal(double angle, double tilt) {
    const double s = std::sin(radians(tilt));
    return {std::sin(radians(angle)) * s, -std::cos(radians(angle)) * s, std::cos(radians(tilt))};
}

namespace {

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// What a mirror-like part reflects, looking along `r`: the bright windscreen
// above the horizon, the dark cockpit below it, and the sun.
double environment(Vec3 r) {
    const double up = -r.y;
    const double sky = 0.70 + 0.25 * std::max(0.0, up);
    const double ground = 0.24 + 0.10 * (1 + std::min(0.0, up));
    const double horizon = smoothstep(-0.08, 0.06, up + 0.12 * r.x);
    const double sun = std::pow(std::max(0.0, dot(r, light_direction())), 40.0) * 0.9;
    return ground + (sky - ground) * horizon + sun;
}

}  // namespace

Shade shade_of(Rgb c, double alpha) { return {c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha}; }

Shade lit(const Material& m, Vec3 n) {
    n = normalised(n);
    const Vec3 light = light_direction();
    const Vec3 half = normalised({light.x, light.y, light.z + 1});
    const double diffuse = std::max(0.0, dot(n, light));
    const double highlight = m.gloss * std::pow(std::max(0.0, dot(n, half)), m.shininess);
    const double body = m.ambient + m.diffuse * diffuse;
    Shade s = shade_of(m.colour);
    s.r = s.r * body + highlight;
    s.g = s.g * body + highlight;
    s.b = s.b * body + highlight;
    if (m.mirror > 0) {
        const Vec3 r{2 * n.z * n.x, 2 * n.z * n.y, 2 * n.z * n.z - 1};
        const double e = environment(r);
        const Shade tint = shade_of(m.colour);
        s.r += (tint.r * e - s.r) * m.mirror + highlight * m.mirror;
        s.g += (tint.g * e - s.g) * m.mirror + highlight * m.mirror;
        s.b += (tint.b * e - s.b) * m.mirror + highlight * m.mirror;
    }
    return s;
}

Shade scaled(Shade s, double f) { return {s.r * f, s.g * f, s.b * f, s.a}; }

Shade over(Shade top, Shade bottom) {
    const double a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) return {};
    auto channel = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

void shade_pixels(cairo_t* cr, const Rect& box, const std::function<Shade(double, double)>& at, int samples) {
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return;
    const int tw = cairo_image_surface_get_width(target), th = cairo_image_surface_get_height(target);

    // The box's extent in device pixels, whatever the current transformation.
    cairo_matrix_t to_device, to_user;
    cairo_get_matrix(cr, &to_device);
    to_user = to_device;
    if (cairo_matrix_invert(&to_user) != CAIRO_STATUS_SUCCESS) return;
    double left = 1e18, top = 1e18, right = -1e18, bottom = -1e18;
    for (const Point corner : {Point{box.x, box.y}, Point{box.x + box.w, box.y}, Point{box.x, box.y + box.h},
                               Point{box.x + box.w, box.y + box.h}}) {
        double x = corner.x, y = corner.y;
        cairo_matrix_transform_point(&to_device, &x, &y);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(left))), y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(tw, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(th, static_cast<int>(std::ceil(bottom)));
    if (x1 <= x0 || y1 <= y0) return;

    cairo_surface_t* layer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, x1 - x0, y1 - y0);
    if (cairo_surface_status(layer) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(layer);
        return;
    }
    cairo_surface_flush(layer);
    unsigned char* data = cairo_image_surface_get_data(layer);
    const int stride = cairo_image_surface_get_stride(layer);
    const int n = std::max(1, samples);
    const double weight = 1.0 / (n * n);
    for (int py = y0; py < y1; ++py) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(py - y0) * static_cast<size_t>(stride));
        for (int px = x0; px < x1; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    double ux = px + (sx + 0.5) / n, uy = py + (sy + 0.5) / n;
                    cairo_matrix_transform_point(&to_user, &ux, &uy);
                    const Shade s = at(ux, uy);
                    const double alpha = std::clamp(s.a, 0.0, 1.0);
                    if (alpha <= 0) continue;
                    r += std::clamp(s.r, 0.0, 1.0) * alpha;
                    g += std::clamp(s.g, 0.0, 1.0) * alpha;
                    b += std::clamp(s.b, 0.0, 1.0) * alpha;
                    a += alpha;
                }
            }
            auto byte = [weight](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v * weight, 0.0, 1.0) * 255)); };
            const uint32_t A = byte(a);
            row[px - x0] = (A << 24) | (std::min(byte(r), A) << 16) | (std::min(byte(g), A) << 8) | std::min(byte(b), A);
        }
    }
    cairo_surface_mark_dirty(layer);

    Saved saved(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_surface(cr, layer, x0, y0);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
    cairo_surface_destroy(layer);
}

// ---------------------------------------------------------------------------

uint32_t hash32(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

double noise(uint32_t seed, int x, int y) {
    const uint32_t h = hash32(seed ^ hash32(static_cast<uint32_t>(x) * 0x9E3779B1U ^ hash32(static_cast<uint32_t>(y))));
    return (h >> 8) / static_cast<double>(1U << 24);
}

double smooth_noise(uint32_t seed, double x, int row) {
    const double f = std::floor(x);
    const int i = static_cast<int>(f);
    const double t = x - f, s = t * t * (3 - 2 * t);
    return noise(seed, i, row) * (1 - s) + noise(seed, i + 1, row) * s;
}

}  // namespace art
