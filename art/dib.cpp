#include "art/dib.h"

#include <dlfcn.h>
#include <libimagequant.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

namespace art {
namespace {

void put_u16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

uint32_t get_u32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} | (uint32_t{bytes[at + 1]} << 8) | (uint32_t{bytes[at + 2]} << 16) |
           (uint32_t{bytes[at + 3]} << 24);
}

uint16_t get_u16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The info header, ready for the palette and the rows that follow it.
std::vector<uint8_t> info_header(const Canvas& canvas, uint16_t bits, uint32_t colours_used) {
    const uint32_t stride = dib_row_stride(canvas.width(), bits);
    const uint32_t image_size = stride * static_cast<uint32_t>(canvas.height());
    std::vector<uint8_t> out;
    out.reserve(kDibInfoHeaderSize + colours_used * 4 + image_size);
    put_u32(out, kDibInfoHeaderSize);
    put_u32(out, static_cast<uint32_t>(canvas.width()));
    put_u32(out, static_cast<uint32_t>(canvas.height()));  // positive: bottom-up
    put_u16(out, 1);                                       // planes
    put_u16(out, bits);
    put_u32(out, 0);  // uncompressed
    put_u32(out, image_size);
    put_u32(out, static_cast<uint32_t>(kDibPixelsPerMetre));
    put_u32(out, static_cast<uint32_t>(kDibPixelsPerMetre));
    put_u32(out, colours_used);
    put_u32(out, 0);  // all colours important
    return out;
}

int distance2(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// Index of the entry nearest to `colour` among those `allowed` accepts; ties
// go to the lowest index so the result never depends on anything but input.
template <typename Allowed>
size_t nearest(const std::vector<Rgb>& palette, Rgb colour, Allowed allowed) {
    size_t best = palette.size();
    int best_distance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        if (!allowed(i)) continue;
        const int d = distance2(palette[i], colour);
        if (d < best_distance) {
            best = i;
            best_distance = d;
        }
    }
    return best;
}

// libimagequant sums its k-means statistics per OpenMP thread, so the palette
// it picks depends on how many cores the machine has. Packs must come out
// the same everywhere: run it on one thread and put the setting back after.
class OneOpenMpThread {
public:
    OneOpenMpThread() {
        void* set = dlsym(RTLD_DEFAULT, "omp_set_num_threads");
        void* get = dlsym(RTLD_DEFAULT, "omp_get_max_threads");
        if (set && get) {
            std::memcpy(&set_, &set, sizeof set_);
            std::memcpy(&get_, &get, sizeof get_);
            saved_ = get_();
            set_(1);
        }
    }
    ~OneOpenMpThread() {
        if (set_) set_(saved_);
    }
    OneOpenMpThread(const OneOpenMpThread&) = delete;
    OneOpenMpThread& operator=(const OneOpenMpThread&) = delete;

private:
    void (*set_)(int) = nullptr;
    int (*get_)() = nullptr;
    int saved_ = 1;
};

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};
template <typename T>
using LiqPtr = std::unique_ptr<T, LiqDeleter>;

void check_liq(liq_error error, const char* what) {
    if (error != LIQ_OK) throw std::runtime_error(std::string("colour quantisation failed: ") + what);
}

struct Quantised {
    std::vector<Rgb> palette;      // at most 256 entries
    std::vector<uint8_t> indices;  // one per pixel, rows top-down
};

// Lets libimagequant choose and apply a palette that has pure black and the
// near-black among its entries.
Quantised quantise(const Canvas& canvas, const std::vector<Rgb>& source, const QuantiseOptions& options) {
    const int width = canvas.width(), height = canvas.height();
    std::vector<uint8_t> rgba(source.size() * 4);
    for (size_t i = 0; i < source.size(); ++i) {
        rgba[i * 4 + 0] = source[i].r;
        rgba[i * 4 + 1] = source[i].g;
        rgba[i * 4 + 2] = source[i].b;
        rgba[i * 4 + 3] = 255;  // the canvas is opaque once composited over black
    }

    OneOpenMpThread one_thread;
    LiqPtr<liq_attr> attr(liq_attr_create());
    if (!attr) throw std::runtime_error("colour quantisation failed: no memory");
    check_liq(liq_set_max_colors(attr.get(), static_cast<int>(kDibPaletteEntries)), "palette size");
    check_liq(liq_set_speed(attr.get(), options.speed), "speed");
    LiqPtr<liq_image> image(liq_image_create_rgba(attr.get(), rgba.data(), width, height, 0));
    if (!image) throw std::runtime_error("colour quantisation failed: the picture was refused");
    for (Rgb fixed : {kTransparentBlack, kNearBlack}) {
        check_liq(liq_image_add_fixed_color(image.get(), liq_color{fixed.r, fixed.g, fixed.b, 255}), "fixed colour");
    }
    liq_result* raw_result = nullptr;
    check_liq(liq_image_quantize(image.get(), attr.get(), &raw_result), "palette");
    LiqPtr<liq_result> result(raw_result);
    check_liq(liq_set_dithering_level(result.get(), options.dithering), "dithering level");

    Quantised q;
    q.indices.resize(source.size());
    check_liq(liq_write_remapped_image(result.get(), image.get(), q.indices.data(), q.indices.size()), "remapping");
    // The palette is final only once the picture has been remapped.
    const liq_palette* palette = liq_get_palette(result.get());
    for (unsigned i = 0; i < palette->count && i < kDibPaletteEntries; ++i) {
        q.palette.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
    }
    return q;
}

// Puts pure black at index 0 and the near-black at index 1, exact, and
// renumbers the pixels to match.
void pin_reserved_colours(Quantised& q) {
    std::vector<Rgb>& palette = q.palette;
    while (palette.size() < 2) palette.push_back(kNearBlack);
    const size_t black = nearest(palette, kTransparentBlack, [](size_t) { return true; });
    const size_t near_black = nearest(palette, kNearBlack, [&](size_t i) { return i != black; });

    std::vector<size_t> order{black, near_black};
    for (size_t i = 0; i < palette.size(); ++i) {
        if (i != black && i != near_black) order.push_back(i);
    }
    std::vector<Rgb> reordered(order.size());
    std::array<uint8_t, kDibPaletteEntries> new_index{};
    for (size_t n = 0; n < order.size(); ++n) {
        reordered[n] = palette[order[n]];
        new_index[order[n]] = static_cast<uint8_t>(n);
    }
    reordered[0] = kTransparentBlack;
    reordered[1] = kNearBlack;
    palette = std::move(reordered);
    for (uint8_t& index : q.indices) index = new_index[index];
}

// Enforces the two rules per pixel: black and near-black sources keep their
// exact entries, and nothing else shows as pure black.
void enforce_black_rules(Quantised& q, const std::vector<Rgb>& source) {
    const std::vector<Rgb>& palette = q.palette;
    for (size_t i = 0; i < source.size(); ++i) {
        const Rgb colour = source[i];
        if (colour == kTransparentBlack) {
            q.indices[i] = 0;
        } else if (colour == kNearBlack) {
            q.indices[i] = 1;
        } else if (q.indices[i] >= palette.size() || palette[q.indices[i]] == kTransparentBlack) {
            q.indices[i] = static_cast<uint8_t>(
                nearest(palette, colour, [&](size_t n) { return !(palette[n] == kTransparentBlack); }));
        }
    }
}

std::vector<Rgb> canvas_colours(const Canvas& canvas) {
    std::vector<Rgb> colours;
    colours.reserve(static_cast<size_t>(canvas.width()) * static_cast<size_t>(canvas.height()));
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) colours.push_back(canvas.pixel(x, y));
    }
    return colours;
}

}  // namespace

std::vector<uint8_t> to_dib8(const Canvas& canvas, const QuantiseOptions& options) {
    const std::vector<Rgb> source = canvas_colours(canvas);
    Quantised q = quantise(canvas, source, options);
    pin_reserved_colours(q);
    enforce_black_rules(q, source);

    std::vector<uint8_t> out = info_header(canvas, 8, kDibPaletteEntries);
    for (size_t i = 0; i < kDibPaletteEntries; ++i) {
        const Rgb c = i < q.palette.size() ? q.palette[i] : kTransparentBlack;
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const size_t width = static_cast<size_t>(canvas.width());
    const size_t padding = dib_row_stride(canvas.width(), 8) - width;
    for (int y = canvas.height() - 1; y >= 0; --y) {
        const auto row = q.indices.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(y) * width);
        out.insert(out.end(), row, row + static_cast<std::ptrdiff_t>(width));
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<uint8_t> to_dib24(const Canvas& canvas) {
    std::vector<uint8_t> out = info_header(canvas, 24, 0);
    const size_t padding = dib_row_stride(canvas.width(), 24) - static_cast<size_t>(canvas.width()) * 3;
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb c = canvas.pixel(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<uint8_t> to_dib(const Canvas& canvas, uint32_t bits) {
    if (bits == 8) return to_dib8(canvas);
    if (bits == 24) return to_dib24(canvas);
    throw std::invalid_argument(std::to_string(bits) + " bits per pixel cannot be stored (8 or 24)");
}

DibHeader read_dib_header(std::span<const uint8_t> dib) {
    auto fail = [](const std::string& why) { throw std::runtime_error("not a usable bitmap: " + why); };
    if (dib.size() < kDibInfoHeaderSize || get_u32(dib, 0) != kDibInfoHeaderSize) fail("no 40-byte info header");
    DibHeader h;
    h.width = static_cast<int32_t>(get_u32(dib, 4));
    h.height = static_cast<int32_t>(get_u32(dib, 8));
    h.bits = get_u16(dib, 14);
    h.image_size = get_u32(dib, 20);
    h.colours_used = get_u32(dib, 32);
    if (get_u32(dib, 16) != 0) fail("compressed");
    if (h.bits != 8 && h.bits != 24) fail(std::to_string(h.bits) + " bits per pixel");
    const int64_t rows = h.height < 0 ? -int64_t{h.height} : int64_t{h.height};
    if (h.width < 1 || h.width > Canvas::kMaxSide || rows < 1 || rows > Canvas::kMaxSide) fail("bad size");
    if (h.bits == 8 && h.colours_used > kDibPaletteEntries) fail("more than 256 palette entries");
    const size_t palette = h.bits == 8 ? (h.colours_used ? h.colours_used : kDibPaletteEntries) * 4 : 0;
    const size_t needed = kDibInfoHeaderSize + palette + size_t{dib_row_stride(h.width, h.bits)} * size_t(rows);
    if (dib.size() < needed) fail("pixel data cut short");
    return h;
}

Canvas canvas_from_dib(std::span<const uint8_t> dib) {
    const DibHeader h = read_dib_header(dib);
    const bool bottom_up = h.height > 0;
    const int rows = bottom_up ? h.height : -h.height;
    const size_t palette_size = h.bits == 8 ? (h.colours_used ? h.colours_used : kDibPaletteEntries) : 0;
    const size_t pixels = kDibInfoHeaderSize + palette_size * 4;
    const size_t stride = dib_row_stride(h.width, h.bits);
    Canvas canvas(h.width, rows);
    for (int y = 0; y < rows; ++y) {
        const size_t row = pixels + stride * static_cast<size_t>(bottom_up ? rows - 1 - y : y);
        for (int x = 0; x < h.width; ++x) {
            Rgb c;
            if (h.bits == 8) {
                const size_t index = dib[row + static_cast<size_t>(x)];
                if (index >= palette_size) throw std::runtime_error("not a usable bitmap: index past the palette");
                const size_t entry = kDibInfoHeaderSize + index * 4;
                c = {dib[entry + 2], dib[entry + 1], dib[entry]};
            } else {
                const size_t at = row + static_cast<size_t>(x) * 3;
                c = {dib[at + 2], dib[at + 1], dib[at]};
            }
            canvas.set_pixel(x, y, c);
        }
    }
    return canvas;
}

}  // namespace art
