#include "art/resource_pack.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace art {
namespace {

constexpr size_t kHeaderSize = sizeof kResourceMagic + 8;
constexpr size_t kEntrySize = 20;

void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

uint32_t get_u32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} | (uint32_t{bytes[at + 1]} << 8) | (uint32_t{bytes[at + 2]} << 16) |
           (uint32_t{bytes[at + 3]} << 24);
}

size_t align4(size_t n) { return (n + 3) & ~size_t{3}; }

}  // namespace

std::vector<uint8_t> version_record(const VersionInfo& info) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"FileVersion", &info.file_version},
        {"ProductVersion", &info.product_version},
        {"FileVersionText", &info.file_version_text},
        {"FileDescription", &info.description},
        {"ProductName", &info.product_name},
        {"CompanyName", &info.company_name},
        {"LegalCopyright", &info.copyright},
    };
    std::string text;
    for (const auto& [key, value] : lines) {
        if (value->find_first_of("\r\n") != std::string::npos) {
            throw std::invalid_argument(std::string("version value ") + key + " spans lines");
        }
        text += key;
        text += '=';
        text += *value;
        text += '\n';
    }
    return {text.begin(), text.end()};
}

std::vector<uint8_t> bitmap_list_record(std::span<const BitmapResource> bitmaps) {
    std::vector<uint8_t> out;
    out.reserve(bitmaps.size() * sizeof(BitmapRecord));
    for (const BitmapResource& b : bitmaps) {
        put_u32(out, b.id);
        put_u32(out, static_cast<uint32_t>(b.width));
        put_u32(out, static_cast<uint32_t>(b.height));
        put_u32(out, b.bits);
    }
    return out;
}

void ResourcePack::add(uint32_t type, uint32_t id, std::vector<uint8_t> data, uint32_t language) {
    for (const Entry& e : entries_) {
        if (e.type == type && e.id == id && e.language == language) {
            throw std::invalid_argument("resource type " + std::to_string(type) + " id " + std::to_string(id) +
                                        " is added twice");
        }
    }
    entries_.push_back({type, id, language, std::move(data)});
}

std::vector<uint8_t> ResourcePack::bytes() const {
    std::vector<const Entry*> sorted;
    for (const Entry& e : entries_) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Entry* a, const Entry* b) {
        return std::tie(a->type, a->id, a->language) < std::tie(b->type, b->id, b->language);
    });

    std::vector<uint8_t> out(kResourceMagic, kResourceMagic + sizeof kResourceMagic);
    put_u32(out, kResourceFormat);
    put_u32(out, static_cast<uint32_t>(sorted.size()));
    size_t offset = align4(kHeaderSize + kEntrySize * sorted.size());
    for (const Entry* e : sorted) {
        if (offset + e->data.size() > std::numeric_limits<uint32_t>::max()) {
            throw std::length_error("resource pack larger than 4 GiB");
        }
        put_u32(out, e->type);
        put_u32(out, e->id);
        put_u32(out, e->language);
        put_u32(out, static_cast<uint32_t>(offset));
        put_u32(out, static_cast<uint32_t>(e->data.size()));
        offset = align4(offset + e->data.size());
    }
    for (const Entry* e : sorted) {
        out.resize(align4(out.size()), 0);
        out.insert(out.end(), e->data.begin(), e->data.end());
    }
    return out;
}

std::vector<PackEntry> read_pack(std::span<const uint8_t> pack) {
    if (pack.size() < kHeaderSize || std::memcmp(pack.data(), kResourceMagic, sizeof kResourceMagic) != 0) {
        throw std::runtime_error("not a resource pack");
    }
    if (get_u32(pack, 8) != kResourceFormat) throw std::runtime_error("unknown resource pack format");
    const size_t count = get_u32(pack, 12);
    if ((pack.size() - kHeaderSize) / kEntrySize < count) throw std::runtime_error("resource directory cut short");
    std::vector<PackEntry> entries;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = kHeaderSize + i * kEntrySize;
        PackEntry e;
        e.type = get_u32(pack, at);
        e.id = get_u32(pack, at + 4);
        e.language = get_u32(pack, at + 8);
        const size_t offset = get_u32(pack, at + 12), size = get_u32(pack, at + 16);
        if (offset > pack.size() || pack.size() - offset < size) {
            throw std::runtime_error("resource " + std::to_string(e.id) + " runs past the end of the pack");
        }
        e.data = pack.subspan(offset, size);
        entries.push_back(e);
    }
    return entries;
}

}  // namespace art
