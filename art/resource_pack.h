// Building a module's resource pack (layout in framework/resources.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/resources.h"

namespace art {

// The version record's fixed lines; the module supplies its description.
struct VersionInfo {
    std::string file_version = "1.0.0.0";
    std::string product_version = "1.0.0.0";
    std::string file_version_text = "1.0.0";
    std::string description;
    std::string product_name = "Single-engine piston panel";
    std::string company_name = "Panel project";
    std::string copyright = "Copyright (C) Panel project";
};

// "key=value" lines, each ended by a newline, in a fixed order.
std::vector<uint8_t> version_record(const VersionInfo& info);
// One BitmapRecord per declared bitmap, little-endian, in declared order.
std::vector<uint8_t> bitmap_list_record(std::span<const BitmapResource> bitmaps);

class ResourcePack {
public:
    // Adds an entry; throws std::invalid_argument when the same type, id and
    // language is already there.
    void add(uint32_t type, uint32_t id, std::vector<uint8_t> data, uint32_t language = kResourceLanguage);

    // The pack: entries sorted by type, id and language, each entry's data
    // starting on a 4-byte boundary (the gaps are zero).
    std::vector<uint8_t> bytes() const;

private:
    struct Entry {
        uint32_t type;
        uint32_t id;
        uint32_t language;
        std::vector<uint8_t> data;
    };
    std::vector<Entry> entries_;
};

// One entry of a pack as read back.
struct PackEntry {
    uint32_t type = 0;
    uint32_t id = 0;
    uint32_t language = 0;
    std::span<const uint8_t> data;
};

// Reads a pack's directory; throws std::runtime_error when the bytes are not
// a pack or an entry runs past the end.
std::vector<PackEntry> read_pack(std::span<const uint8_t> pack);

}  // namespace art
