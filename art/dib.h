// Turning a canvas into the device-independent bitmap a module carries.
//
// Layout: a 40-byte info header (positive height: rows stored bottom-up), for
// 8 bits per pixel a palette of 256 entries (blue, green, red, 0), then the
// rows, each padded with zeros to a multiple of 4 bytes. 24-bit rows are
// blue, green, red.
//
// The 8-bit conversion keeps the two colours the panel relies on exact:
// pure black RGB(0,0,0), which transparent images leave undrawn, and the
// near-black RGB(1,1,1) that artwork uses for black that must show. No other
// colour is ever turned into pure black, so anti-aliased edges on a
// transparent background never grow a see-through fringe and opaque faces
// never get holes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "art/canvas.h"

namespace art {

inline constexpr uint32_t kDibInfoHeaderSize = 40;
inline constexpr int32_t kDibPixelsPerMetre = 2835;  // 72 dots per inch
inline constexpr uint32_t kDibPaletteEntries = 256;

// Bytes in one stored row of a bitmap `width` pixels wide.
constexpr uint32_t dib_row_stride(int32_t width, uint32_t bits) {
    return ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4;
}

struct QuantiseOptions {
    // libimagequant speed, 1 (slowest, best) to 10.
    int speed = 1;
    // Error diffusion, 0 (none) to 1 (full): modest keeps flat faces calm.
    float dithering = 0.5f;
};

// 8 bits per pixel, 256-colour palette chosen for the picture.
std::vector<uint8_t> to_dib8(const Canvas& canvas, const QuantiseOptions& options = {});
// 24 bits per pixel, every colour exact.
std::vector<uint8_t> to_dib24(const Canvas& canvas);
// 8 or 24 as declared; throws std::invalid_argument for other depths.
std::vector<uint8_t> to_dib(const Canvas& canvas, uint32_t bits);

struct DibHeader {
    int32_t width = 0;
    int32_t height = 0;  // as stored: positive for bottom-up rows
    uint16_t bits = 0;
    uint32_t image_size = 0;
    uint32_t colours_used = 0;
};

// Reads and checks the header of an 8- or 24-bit uncompressed bitmap (either
// row order); throws std::runtime_error when it is not one or is cut short.
DibHeader read_dib_header(std::span<const uint8_t> dib);
// Draws a bitmap back onto a canvas of its size (for review pictures and checks).
Canvas canvas_from_dib(std::span<const uint8_t> dib);

}  // namespace art
