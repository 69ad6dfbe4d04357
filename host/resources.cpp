#include "host/resources.h"

#include <cstring>
#include <sstream>

#include "host/dylib.h"
#include "host/elf_file.h"

namespace panel {
namespace {

class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, std::string where) : bytes_(bytes), where_(std::move(where)) {}

    uint32_t u32(size_t at) const {
        need(at, 4);
        uint32_t v;
        std::memcpy(&v, bytes_.data() + at, 4);
        return v;
    }
    int32_t i32(size_t at) const { return static_cast<int32_t>(u32(at)); }
    uint16_t u16(size_t at) const {
        need(at, 2);
        uint16_t v;
        std::memcpy(&v, bytes_.data() + at, 2);
        return v;
    }
    const uint8_t* at(size_t offset, size_t size) const {
        need(offset, size);
        return bytes_.data() + offset;
    }
    void need(size_t at, size_t size) const {
        if (at > bytes_.size() || bytes_.size() - at < size) fail("runs past the end of the resource pack");
    }
    [[noreturn]] void fail(const std::string& what) const { throw LoadError(where_ + ": " + what); }

private:
    const std::vector<uint8_t>& bytes_;
    std::string where_;
};

Bitmap parse_dib(const Reader& r, size_t base, size_t size, uint32_t id, const std::string& where) {
    auto fail = [&](const std::string& what) {
        throw LoadError(where + ": bitmap " + std::to_string(id) + ": " + what);
    };
    r.need(base, size);
    if (size < 40 || r.u32(base) != 40) fail("not a device-independent bitmap with a 40-byte header");
    Bitmap b;
    b.id = id;
    b.width = r.i32(base + 4);
    int32_t height = r.i32(base + 8);
    b.bits = r.u16(base + 14);
    if (r.u32(base + 16) != 0) fail("compressed bitmaps are not supported");
    if (b.width <= 0 || height == 0 || b.width > 8192 || height > 8192 || height < -8192) fail("bad size");
    bool bottom_up = height > 0;
    b.height = bottom_up ? height : -height;
    if (b.bits != 8 && b.bits != 24) fail(std::to_string(b.bits) + " bits per pixel (8 or 24 expected)");
    size_t offset = base + 40;
    if (b.bits == 8) {
        uint32_t used = r.u32(base + 32);
        if (used == 0) used = 256;
        if (used > 256) fail("palette of more than 256 colours");
        b.palette.assign(256, 0);
        for (uint32_t i = 0; i < used; ++i) {
            const uint8_t* q = r.at(offset + i * 4, 4);
            b.palette[i] = (uint32_t{q[2]} << 16) | (uint32_t{q[1]} << 8) | q[0];
        }
        offset += size_t{used} * 4;
    }
    size_t bytes_per_pixel = b.bits / 8;
    size_t row = size_t(b.width) * bytes_per_pixel;
    size_t stride = (row + 3) & ~size_t{3};
    if (offset + stride * size_t(b.height) > base + size) fail("pixel data is shorter than its size says");
    b.pixels.resize(row * size_t(b.height));
    for (int32_t y = 0; y < b.height; ++y) {
        int32_t source_row = bottom_up ? b.height - 1 - y : y;
        const uint8_t* src = r.at(offset + stride * size_t(source_row), row);
        uint8_t* dst = b.pixels.data() + row * size_t(y);
        if (b.bits == 8) {
            std::memcpy(dst, src, row);
        } else {
            for (int32_t x = 0; x < b.width; ++x) {  // stored B G R
                dst[x * 3 + 0] = src[x * 3 + 2];
                dst[x * 3 + 1] = src[x * 3 + 1];
                dst[x * 3 + 2] = src[x * 3 + 0];
            }
        }
    }
    return b;
}

}  // namespace

uint32_t Bitmap::rgb_at(int32_t x, int32_t y) const {
    size_t i = size_t(y) * size_t(width) + size_t(x);
    if (bits == 8) return palette[pixels[i]];
    const uint8_t* p = pixels.data() + i * 3;
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

const Bitmap* ModuleResources::bitmap(uint32_t id) const {
    auto it = bitmaps.find(id);
    return it == bitmaps.end() ? nullptr : &it->second;
}

ModuleResources parse_resource_pack(const std::vector<uint8_t>& pack, const std::string& where) {
    Reader r(pack, where);
    ModuleResources resources;
    if (pack.size() < 16 || std::memcmp(pack.data(), kResourceMagic, sizeof kResourceMagic) != 0) {
        r.fail("the resource section is not a bitmap pack");
    }
    if (r.u32(8) != kResourceFormat) r.fail("resource pack format " + std::to_string(r.u32(8)) + " is not known");
    uint32_t count = r.u32(12);
    r.need(16, size_t{count} * 20);
    for (uint32_t i = 0; i < count; ++i) {
        size_t e = 16 + size_t{i} * 20;
        uint32_t type = r.u32(e), id = r.u32(e + 4), offset = r.u32(e + 12), size = r.u32(e + 16);
        r.need(offset, size);
        if (type == kResourceBitmap) {
            if (resources.bitmaps.count(id)) r.fail("bitmap " + std::to_string(id) + " is stored twice");
            resources.bitmaps.emplace(id, parse_dib(r, offset, size, id, where));
        } else if (type == kResourceBitmapList) {
            for (size_t at = offset; at + sizeof(BitmapRecord) <= size_t{offset} + size; at += sizeof(BitmapRecord)) {
                resources.declared.push_back({r.u32(at), r.i32(at + 4), r.i32(at + 8), r.u32(at + 12)});
            }
        } else if (type == kResourceVersion) {
            std::istringstream lines(std::string(reinterpret_cast<const char*>(r.at(offset, size)), size));
            for (std::string line; std::getline(lines, line);) {
                auto eq = line.find('=');
                if (eq != std::string::npos) resources.version[line.substr(0, eq)] = line.substr(eq + 1);
            }
        }
    }
    return resources;
}

ModuleResources read_module_resources(const std::string& path) {
    auto pack = read_elf_section(path, kResourceSection);
    if (!pack) return {};
    return parse_resource_pack(*pack, path);
}

}  // namespace panel
