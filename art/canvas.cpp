#include "art/canvas.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace art {

void set_source(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha);
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        throw std::invalid_argument("canvas size " + std::to_string(width) + "x" + std::to_string(height) +
                                    " is not 1.." + std::to_string(kMaxSide) + " on each side");
    }
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        release();
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " drawing surface");
    }
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    set_source(cr_, kTransparentBlack);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

Canvas::~Canvas() { release(); }

Canvas::Canvas(Canvas&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      surface_(std::exchange(other.surface_, nullptr)),
      cr_(std::exchange(other.cr_, nullptr)) {}

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        release();
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        surface_ = std::exchange(other.surface_, nullptr);
        cr_ = std::exchange(other.cr_, nullptr);
    }
    return *this;
}

void Canvas::release() noexcept {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    cr_ = nullptr;
    surface_ = nullptr;
}

void Canvas::check(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is outside the " +
                                std::to_string(width_) + "x" + std::to_string(height_) + " canvas");
    }
}

Rgb Canvas::pixel(int x, int y) const {
    check(x, y);
    cairo_surface_flush(surface_);
    const unsigned char* row = cairo_image_surface_get_data(surface_) +
                               static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(surface_));
    uint32_t argb = 0;
    std::memcpy(&argb, row + static_cast<size_t>(x) * 4, 4);
    // Premultiplied colour is exactly the colour composited over black.
    return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb)};
}

void Canvas::set_pixel(int x, int y, Rgb colour) {
    check(x, y);
    cairo_surface_flush(surface_);
    unsigned char* row = cairo_image_surface_get_data(surface_) +
                         static_cast<size_t>(y) * static_cast<size_t>(cairo_image_surface_get_stride(surface_));
    const uint32_t argb =
        0xFF000000u | (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | uint32_t{colour.b};
    std::memcpy(row + static_cast<size_t>(x) * 4, &argb, 4);
    cairo_surface_mark_dirty_rectangle(surface_, x, y, 1, 1);
}

void Canvas::write_png(const std::string& path) const {
    if (!surface_) throw std::runtime_error("cannot write an empty canvas to " + path);
    cairo_surface_flush(surface_);
    cairo_status_t status = cairo_surface_write_to_png(surface_, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
    }
}

}  // namespace art
