// The drawing toolkit: canvases, colour reduction, bitmaps, resource packs,
// the module pack builder, the contact sheet and the drawing primitives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "art/canvas.h"
#include "art/contact_sheet.h"
#include "art/dib.h"
#include "art/draw.h"
#include "art/module_artwork.h"
#include "art/module_pack.h"
#include "art/resource_pack.h"

namespace {

using art::Canvas;
using art::Rgb;

constexpr Rgb kBlack = art::kTransparentBlack;
constexpr Rgb kNearBlack = art::kNearBlack;

uint32_t u32(std::span<const uint8_t> b, size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
uint16_t u16(std::span<const uint8_t> b, size_t at) {
    uint16_t v;
    std::memcpy(&v, b.data() + at, 2);
    return v;
}

void fill_rect(Canvas& c, double x, double y, double w, double h, Rgb colour) {
    art::set_source(c.cr(), colour);
    cairo_rectangle(c.cr(), x, y, w, h);
    cairo_fill(c.cr());
}

// A picture that stresses the black rules: anti-aliased discs fading into a
// black background, a run of the darkest colours next to each other, and a
// full colour sweep so the palette must merge far more than 256 colours.
Canvas hard_picture() {
    Canvas c(160, 120);
    for (int i = 0; i < 160; ++i) {
        for (int j = 0; j < 30; ++j) {
            c.set_pixel(i, 90 + j,
                        {static_cast<uint8_t>(i * 255 / 159), static_cast<uint8_t>(j * 8), static_cast<uint8_t>(255 - i)});
        }
    }
    const Rgb darks[] = {kNearBlack, {2, 2, 2}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {3, 2, 1}, {4, 4, 4}, {1, 1, 0}};
    for (int i = 0; i < 8; ++i) {
        for (int x = 0; x < 20; ++x) {
            for (int y = 0; y < 6; ++y) c.set_pixel(i * 20 + x, 2 + y + (x % 2) * 3, darks[i]);
        }
    }
    const Rgb discs[] = {{60, 60, 62}, {200, 40, 30}, {12, 10, 8}, {240, 240, 236}, {30, 140, 60}};
    for (int i = 0; i < 5; ++i) {
        art::set_source(c.cr(), discs[i]);
        cairo_arc(c.cr(), 16 + i * 32, 45, 13.3, 0, 2 * std::numbers::pi);
        cairo_fill(c.cr());
    }
    return c;
}

// ---------------------------------------------------------------------------

TEST(Canvas, StartsOpaquePureBlackAndReadsBackWhatIsSet) {
    Canvas c(7, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) ASSERT_EQ(c.pixel(x, y), kBlack) << x << "," << y;
    }
    c.set_pixel(6, 4, {10, 20, 30});
    EXPECT_EQ(c.pixel(6, 4), (Rgb{10, 20, 30}));
    // Drawing half-transparent paint reads as the colour composited over black.
    art::set_source(c.cr(), {200, 100, 50}, 0.5);
    cairo_rectangle(c.cr(), 0, 0, 1, 1);
    cairo_fill(c.cr());
    const Rgb half = c.pixel(0, 0);
    EXPECT_NEAR(half.r, 100, 1);
    EXPECT_NEAR(half.g, 50, 1);
    EXPECT_NEAR(half.b, 25, 1);

    Canvas moved = std::move(c);
    EXPECT_EQ(moved.pixel(6, 4), (Rgb{10, 20, 30}));
    EXPECT_EQ(c.width(), 0);
    EXPECT_THROW(c.pixel(0, 0), std::out_of_range);
}

TEST(Canvas, RefusesBadSizesAndPixelsOutside) {
    const std::pair<int, int> bad[] = {{0, 5}, {5, 0}, {-1, 5}, {Canvas::kMaxSide + 1, 1}};
    for (auto [w, h] : bad) EXPECT_THROW(Canvas(w, h), std::invalid_argument) << w << "x" << h;
    Canvas c(4, 3);
    const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}};
    for (auto [x, y] : outside) EXPECT_THROW(c.pixel(x, y), std::out_of_range) << x << "," << y;
}

// ---------------------------------------------------------------------------

TEST(Dib, HeaderStrideAndPaddingForOddWidths) {
    struct Case {
        int width, height;
        uint32_t bits, stride;
    };
    const Case cases[] = {{1, 1, 8, 4}, {5, 3, 8, 8}, {65, 60, 8, 68}, {1, 2, 24, 4}, {3, 2, 24, 12}, {7, 3, 24, 24}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.width) + "x" + std::to_string(k.height) + "x" + std::to_string(k.bits));
        Canvas c(k.width, k.height);
        cairo_set_source_rgb(c.cr(), 0.8, 0.6, 0.4);
        cairo_paint(c.cr());
        EXPECT_EQ(art::dib_row_stride(k.width, k.bits), k.stride);
        const auto dib = art::to_dib(c, k.bits);
        const size_t palette = k.bits == 8 ? 1024 : 0;
        ASSERT_EQ(dib.size(), 40 + palette + k.stride * k.height);
        EXPECT_EQ(u32(dib, 0), 40u);
        EXPECT_EQ(static_cast<int32_t>(u32(dib, 4)), k.width);
        EXPECT_EQ(static_cast<int32_t>(u32(dib, 8)), k.height);  // positive: bottom-up
        EXPECT_EQ(u16(dib, 12), 1);
        EXPECT_EQ(u16(dib, 14), k.bits);
        EXPECT_EQ(u32(dib, 16), 0u);
        EXPECT_EQ(u32(dib, 20), k.stride * k.height);
        EXPECT_EQ(u32(dib, 24), 2835u);
        EXPECT_EQ(u32(dib, 28), 2835u);
        EXPECT_EQ(u32(dib, 32), k.bits == 8 ? 256u : 0u);
        EXPECT_EQ(u32(dib, 36), 0u);
        const size_t used = k.width * (k.bits / 8);
        for (int row = 0; row < k.height; ++row) {
            for (size_t pad = used; pad < k.stride; ++pad) {
                EXPECT_EQ(dib[40 + palette + row * k.stride + pad], 0) << "row " << row << " byte " << pad;
            }
        }
    }
    Canvas c(2, 2);
    EXPECT_THROW(art::to_dib(c, 16), std::invalid_argument);
}

TEST(Dib, TwentyFourBitsAreExactBgrRowsBottomUp) {
    Canvas c(3, 2);
    c.set_pixel(0, 0, {1, 2, 3});
    c.set_pixel(1, 0, {4, 5, 6});
    c.set_pixel(2, 0, {7, 8, 9});
    c.set_pixel(0, 1, {10, 11, 12});
    c.set_pixel(1, 1, {13, 14, 15});
    c.set_pixel(2, 1, {16, 17, 18});
    const auto dib = art::to_dib24(c);
    const std::vector<uint8_t> rows(dib.begin() + 40, dib.end());
    const std::vector<uint8_t> expected = {
        12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,  // bottom row first
        3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0,
    };
    EXPECT_EQ(rows, expected);
}

TEST(Dib, EightBitKeepsAFewColoursExactAndInPlace) {
    // Distinct colours in distinct corners catch swapped channels, a wrong
    // palette layout and flipped rows alike.
    Canvas c(33, 21);
    fill_rect(c, 0, 0, 11, 7, {220, 30, 40});
    fill_rect(c, 22, 0, 11, 7, {30, 200, 60});
    fill_rect(c, 0, 14, 11, 7, {20, 40, 230});
    fill_rect(c, 22, 14, 11, 7, {250, 220, 46});
    fill_rect(c, 11, 7, 11, 7, {12, 10, 8});
    const auto dib = art::to_dib8(c);
    const Canvas back = art::canvas_from_dib(dib);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) ASSERT_EQ(back.pixel(x, y), c.pixel(x, y)) << x << "," << y;
    }
    // Palette entries are blue, green, red, 0.
    std::set<std::vector<uint8_t>> entries;
    for (size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(dib[40 + i * 4 + 3], 0);
        entries.insert({dib[40 + i * 4], dib[41 + i * 4], dib[42 + i * 4]});
    }
    EXPECT_TRUE(entries.count({40, 30, 220}));
}

TEST(Dib, BlackStaysExactAndNothingElseTurnsBlack) {
    const Canvas source = hard_picture();
    for (float dithering : {0.0f, 0.5f, 1.0f}) {
        SCOPED_TRACE("dithering " + std::to_string(dithering));
        art::QuantiseOptions options;
        options.dithering = dithering;
        const Canvas back = art::canvas_from_dib(art::to_dib8(source, options));
        int turned_black = 0, lost_black = 0, lost_near_black = 0;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const Rgb in = source.pixel(x, y), out = back.pixel(x, y);
                lost_black += in == kBlack && out != kBlack;
                turned_black += in != kBlack && out == kBlack;
                lost_near_black += in == kNearBlack && out != kNearBlack;
            }
        }
        EXPECT_EQ(lost_black, 0);
        EXPECT_EQ(turned_black, 0);
        EXPECT_EQ(lost_near_black, 0);
    }
}

TEST(Dib, EightBitResultIsFaithfulOverall) {
    const Canvas source = hard_picture();
    const Canvas back = art::canvas_from_dib(art::to_dib8(source));
    double error = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const Rgb a = source.pixel(x, y), b = back.pixel(x, y);
            error += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
        }
    }
    EXPECT_LT(error / (source.width() * source.height() * 3), 3.0);
}

TEST(Dib, SamePictureGivesSameBytes) {
    const auto first = art::to_dib8(hard_picture());
    const auto second = art::to_dib8(hard_picture());
    EXPECT_EQ(first, second);
    EXPECT_EQ(art::to_dib24(hard_picture()), art::to_dib24(hard_picture()));
}

TEST(Dib, ReaderRefusesDamagedBitmaps) {
    Canvas c(5, 4);
    const auto good = art::to_dib8(c);
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
    };
    const Case cases[] = {
        {"cut short", [](auto& d) { d.pop_back(); }},
        {"wrong header size", [](auto& d) { d[0] = 12; }},
        {"16 bits", [](auto& d) { d[14] = 16; }},
        {"compressed", [](auto& d) { d[16] = 1; }},
        {"zero width", [](auto& d) { std::memset(d.data() + 4, 0, 4); }},
    };
    EXPECT_NO_THROW(art::canvas_from_dib(good));
    for (const Case& k : cases) {
        auto bad = good;
        k.damage(bad);
        EXPECT_THROW(art::canvas_from_dib(bad), std::runtime_error) << k.what;
    }
}

// ---------------------------------------------------------------------------

TEST(ResourcePack, LayoutSortedAlignedAndReadableBack) {
    art::ResourcePack pack;
    pack.add(kResourceVersion, 1, {'a', '\n'});
    pack.add(kResourceBitmap, 260, {1, 2, 3, 4, 5});
    pack.add(kResourceBitmap, 257, {9, 9, 9});
    pack.add(kResourceBitmapList, 1, {7});
    const auto bytes = pack.bytes();
    ASSERT_GE(bytes.size(), 16u);
    EXPECT_EQ(std::memcmp(bytes.data(), kResourceMagic, 8), 0);
    EXPECT_EQ(u32(bytes, 8), kResourceFormat);
    ASSERT_EQ(u32(bytes, 12), 4u);

    struct Expected {
        uint32_t type, id;
        std::vector<uint8_t> data;
    };
    const Expected expected[] = {{kResourceBitmap, 257, {9, 9, 9}},
                                 {kResourceBitmap, 260, {1, 2, 3, 4, 5}},
                                 {kResourceVersion, 1, {'a', '\n'}},
                                 {kResourceBitmapList, 1, {7}}};
    for (size_t i = 0; i < 4; ++i) {
        const size_t e = 16 + i * 20;
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(u32(bytes, e), expected[i].type);
        EXPECT_EQ(u32(bytes, e + 4), expected[i].id);
        EXPECT_EQ(u32(bytes, e + 8), kResourceLanguage);
        const uint32_t offset = u32(bytes, e + 12), size = u32(bytes, e + 16);
        EXPECT_EQ(offset % 4, 0u);
        EXPECT_GE(offset, 16u + 4 * 20);
        ASSERT_EQ(size, expected[i].data.size());
        ASSERT_LE(offset + size, bytes.size());
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + offset, bytes.begin() + offset + size), expected[i].data);
    }
    const auto entries = art::read_pack(bytes);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[1].id, 260u);
    EXPECT_EQ(std::vector<uint8_t>(entries[1].data.begin(), entries[1].data.end()), expected[1].data);

    EXPECT_THROW(pack.add(kResourceBitmap, 257, {}), std::invalid_argument);
    EXPECT_NO_THROW(pack.add(kResourceBitmap, 257, {}, 1031));
}

TEST(ResourcePack, ReaderRefusesDamagedPacks) {
    art::ResourcePack pack;
    pack.add(kResourceBitmap, 257, {1, 2, 3, 4});
    const auto good = pack.bytes();
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
    };
    const Case cases[] = {
        {"bad magic", [](auto& d) { d[0] = 'X'; }},
        {"unknown format", [](auto& d) { d[8] = 2; }},
        {"directory past the end", [](auto& d) { d[12] = 9; }},
        {"data past the end", [](auto& d) { d.pop_back(); }},
        {"too short", [](auto& d) { d.erase(d.begin() + 10, d.end()); }},
    };
    for (const Case& k : cases) {
        auto bad = good;
        k.damage(bad);
        EXPECT_THROW(art::read_pack(bad), std::runtime_error) << k.what;
    }
}

TEST(ResourcePack, VersionAndBitmapListRecords) {
    art::VersionInfo info;
    info.description = "Flight Simulator 2002 Gauge";
    const auto version = art::version_record(info);
    EXPECT_EQ(std::string(version.begin(), version.end()),
              "FileVersion=1.0.0.0\nProductVersion=1.0.0.0\nFileVersionText=1.0.0\n"
              "FileDescription=Flight Simulator 2002 Gauge\nProductName=Single-engine piston panel\n"
              "CompanyName=Panel project\nLegalCopyright=Copyright (C) Panel project\n");
    info.description = "two\nlines";
    EXPECT_THROW(art::version_record(info), std::invalid_argument);

    const BitmapResource declared[] = {{257, 600, 240, 8, "face"}, {0x01020304, 65, 60, 24, nullptr}};
    const auto list = art::bitmap_list_record(declared);
    ASSERT_EQ(list.size(), 2 * sizeof(BitmapRecord));
    BitmapRecord records[2];
    std::memcpy(records, list.data(), list.size());
    EXPECT_EQ(records[0].id, 257u);
    EXPECT_EQ(records[0].width, 600);
    EXPECT_EQ(records[0].height, 240);
    EXPECT_EQ(records[0].bits, 8u);
    EXPECT_EQ(list[16], 0x04);  // little-endian
    EXPECT_EQ(records[1].bits, 24u);
}

// ---------------------------------------------------------------------------

void draw_grey(Canvas& c) {
    cairo_set_source_rgb(c.cr(), 0.5, 0.5, 0.5);
    cairo_paint(c.cr());
}
void draw_disc(Canvas& c) {
    art::set_source(c.cr(), {90, 90, 95});
    cairo_arc(c.cr(), c.width() / 2.0, c.height() / 2.0, c.height() / 3.0, 0, 2 * std::numbers::pi);
    cairo_fill(c.cr());
}
void draw_fails(Canvas&) { throw std::runtime_error("no ink"); }

TEST(ModulePack, BuildsEveryDeclaredBitmapAtItsSizeAndDepth) {
    const BitmapResource bitmaps[] = {{300, 31, 17, 8, "disc"}, {301, 9, 5, 24, "grey"}};
    const art::Drawing drawings[] = {{301, draw_grey}, {300, draw_disc}};
    const art::ModuleArtwork artwork{"Test", "Test gauge", bitmaps, drawings};
    const art::ModulePack pack = art::build_module_pack(artwork);
    EXPECT_EQ(pack.bytes, art::build_module_pack(artwork).bytes);

    ASSERT_EQ(pack.bitmaps.size(), 2u);
    const auto entries = art::read_pack(pack.bytes);
    ASSERT_EQ(entries.size(), 4u);  // two bitmaps, the version, the list
    for (const BitmapResource& b : bitmaps) {
        SCOPED_TRACE(b.id);
        const art::PackEntry* found = nullptr;
        for (const auto& e : entries) {
            if (e.type == kResourceBitmap && e.id == b.id) found = &e;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->language, kResourceLanguage);
        const art::DibHeader h = art::read_dib_header(found->data);
        EXPECT_EQ(h.width, b.width);
        EXPECT_EQ(h.height, b.height);
        EXPECT_EQ(h.bits, b.bits);
    }
    const Canvas disc = art::canvas_from_dib(pack.bitmaps[0].dib);
    EXPECT_EQ(disc.pixel(0, 0), kBlack);
    EXPECT_EQ(disc.pixel(15, 8), (Rgb{90, 90, 95}));
    for (const auto& e : entries) {
        if (e.type == kResourceBitmapList) {
            EXPECT_EQ(e.id, 1u);
            const auto list = art::bitmap_list_record(bitmaps);
            EXPECT_EQ(std::vector<uint8_t>(e.data.begin(), e.data.end()), list);
        }
        if (e.type == kResourceVersion) {
            EXPECT_EQ(e.id, 1u);
            EXPECT_NE(std::string(e.data.begin(), e.data.end()).find("\nFileDescription=Test gauge\n"),
                      std::string::npos);
        }
    }
}

TEST(ModulePack, RefusesArtworkThatDoesNotPairUpAndNamesTheBitmap) {
    struct Case {
        const char* what;
        std::vector<BitmapResource> bitmaps;
        std::vector<art::Drawing> drawings;
        const char* named;
    };
    const std::vector<Case> cases = {
        {"bitmap without drawing", {{300, 4, 4, 8, "a"}, {301, 4, 4, 8, "b"}}, {{300, draw_grey}}, "301"},
        {"drawing without bitmap", {{300, 4, 4, 8, "a"}}, {{300, draw_grey}, {302, draw_grey}}, "302"},
        {"bitmap declared twice", {{300, 4, 4, 8, "a"}, {300, 4, 4, 8, "a"}}, {{300, draw_grey}}, "300"},
        {"drawing given twice", {{300, 4, 4, 8, "a"}}, {{300, draw_grey}, {300, draw_disc}}, "300"},
        {"depth not stored", {{303, 4, 4, 16, "a"}}, {{303, draw_grey}}, "303"},
        {"empty size", {{304, 0, 4, 8, "a"}}, {{304, draw_grey}}, "304"},
        {"no routine", {{305, 4, 4, 8, "a"}}, {{305, nullptr}}, "305"},
        {"drawing throws", {{306, 4, 4, 8, "a"}}, {{306, draw_fails}}, "306"},
    };
    for (const Case& k : cases) {
        const art::ModuleArtwork artwork{"Test", "Test gauge", k.bitmaps, k.drawings};
        try {
            art::build_module_pack(artwork);
            ADD_FAILURE() << k.what << ": accepted";
        } catch (const art::ArtworkError& e) {
            EXPECT_NE(std::string(e.what()).find(k.named), std::string::npos) << k.what << ": " << e.what();
        }
    }
}

void draw_elsewhere(Canvas& c) { c = Canvas(5, 4); }  // swaps in a canvas of its own

TEST(ModulePack, StoredBitmapsMustMatchTheirDeclaration) {
    auto expect_refused = [](const char* what, const std::function<void()>& act, const char* named) {
        try {
            act();
            ADD_FAILURE() << what << ": accepted";
        } catch (const art::ArtworkError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("Test"), std::string::npos) << what << ": " << message;
            EXPECT_NE(message.find(named), std::string::npos) << what << ": " << message;
        }
    };
    // A drawing that leaves a canvas of another size is caught while building.
    const BitmapResource swapped[] = {{310, 9, 7, 8, "swapped"}};
    const art::Drawing swapping[] = {{310, draw_elsewhere}};
    expect_refused("drawn at another size",
                   [&] { art::build_module_pack({"Test", "Test gauge", swapped, swapping}); }, "310");

    // A pack put together otherwise is checked bitmap by bitmap.
    const BitmapResource bitmaps[] = {{300, 31, 17, 8, "disc"}, {301, 9, 5, 24, "grey"}};
    const art::Drawing drawings[] = {{300, draw_disc}, {301, draw_grey}};
    const art::ModuleArtwork artwork{"Test", "Test gauge", bitmaps, drawings};
    const art::ModulePack good = art::build_module_pack(artwork);
    EXPECT_NO_THROW(art::check_module_pack(artwork, good));
    struct Case {
        const char* what;
        std::function<void(art::ModulePack&)> damage;
        const char* named;
    };
    const Case cases[] = {
        {"another width", [](auto& p) { p.bitmaps[0].dib = art::to_dib8(Canvas(30, 17)); }, "300"},
        {"another height", [](auto& p) { p.bitmaps[1].dib = art::to_dib24(Canvas(9, 6)); }, "301"},
        {"another depth", [](auto& p) { p.bitmaps[1].dib = art::to_dib8(Canvas(9, 5)); }, "301"},
        {"not a bitmap", [](auto& p) { p.bitmaps[0].dib.resize(20); }, "300"},
        {"out of order", [](auto& p) { std::swap(p.bitmaps[0], p.bitmaps[1]); }, "300"},
        {"one missing", [](auto& p) { p.bitmaps.pop_back(); }, "2 are declared"},
    };
    for (const Case& k : cases) {
        art::ModulePack bad = good;
        k.damage(bad);
        expect_refused(k.what, [&] { art::check_module_pack(artwork, bad); }, k.named);
    }
    // A declared depth that cannot be stored, even with a bitmap to match.
    const BitmapResource sixteen[] = {{300, 31, 17, 16, "disc"}, {301, 9, 5, 24, "grey"}};
    expect_refused("16 bits declared", [&] { art::check_module_pack({"Test", "Test gauge", sixteen, drawings}, good); },
                   "300");
}

TEST(ModulePack, WritesFilesWhole) {
    const auto dir = std::filesystem::temp_directory_path() / ("art_tests_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "Test.res";
    auto read = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    };
    art::write_file_atomically(path, std::vector<uint8_t>{1, 2, 3});
    art::write_file_atomically(path, std::vector<uint8_t>{4, 5});
    EXPECT_EQ(read(), (std::vector<uint8_t>{4, 5}));
    EXPECT_THROW(art::write_file_atomically(dir / "missing" / "Test.res", std::vector<uint8_t>{1}),
                 std::runtime_error);
    std::vector<std::string> left;
    for (const auto& f : std::filesystem::directory_iterator(dir)) left.push_back(f.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"Test.res"});
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------------------

TEST(Draw, PrimitivesLeaveTheCairoStateAsTheyFoundIt) {
    const std::pair<const char*, std::function<void(Canvas&)>> primitives[] = {
        {"panel_face", [](Canvas& c) { art::panel_face(c, {2, 2, 60, 40}); }},
        {"screw", [](Canvas& c) { art::screw(c, 10, 10, 6, 30); }},
        {"recessed_window", [](Canvas& c) { art::recessed_window(c, {5, 5, 40, 20}); }},
        {"knob_plain", [](Canvas& c) { art::knob_plain(c, 30, 30, 12); }},
        {"knob_ribbed", [](Canvas& c) { art::knob_ribbed(c, 30, 30, 12, 20); }},
        {"knob_dual_concentric", [](Canvas& c) { art::knob_dual_concentric(c, 30, 30, 20, 11); }},
        {"pointer_mark", [](Canvas& c) { art::pointer_mark(c, 30, 30, 12, 45); }},
        {"engraved_label", [](Canvas& c) { art::engraved_label(c, "COM", 30, 30, 11, art::Align::kCentre); }},
        {"engraved_arrow", [](Canvas& c) { art::engraved_arrow(c, 30, 30, 7, art::Direction::kLeft); }},
        {"engraved_tick", [](Canvas& c) { art::engraved_tick(c, 30, 30, 20, 26, -45, 1.5); }},
        {"engraved_wedge", [](Canvas& c) { art::engraved_wedge(c, 30, 30, 24, 20, 100, 1, 4); }},
        {"surface_finish", [](Canvas& c) { art::surface_finish(c, {0, 0, 64, 64}, 4, 0.5, 20); }},
        {"square_case", [](Canvas& c) { art::square_case(c, {2, 2, 60, 60}); }},
        {"round_bezel", [](Canvas& c) { art::round_bezel(c, 32, 32, 28); }},
        {"glass_reflection", [](Canvas& c) { art::glass_reflection(c, 32, 32, 28); }},
        {"dial_face", [](Canvas& c) { art::dial_face(c, 32, 32, 28); }},
        {"scale_ticks", [](Canvas& c) { art::scale_ticks(c, {32, 32, 28, -120, 120}, 5, 4); }},
        {"scale_arc", [](Canvas& c) { art::scale_arc(c, {32, 32, 28, -60, 60}, 0.1, art::kArcGreen); }},
        {"scale_numerals",
         [](Canvas& c) {
             const std::string_view labels[] = {"0", "5", "10"};
             art::scale_numerals(c, {32, 32, 28, -90, 90}, labels);
         }},
        {"needle", [](Canvas& c) { art::needle(c, 10, 32, 50, art::kSwordHand); }},
        {"needle_hub", [](Canvas& c) { art::needle_hub(c, 32, 32, 6, art::kBlackHubWithPin); }},
        {"knob_with_flats", [](Canvas& c) { art::knob_with_flats(c, 32, 32, 20, 30); }},
        {"bug_knob", [](Canvas& c) { art::bug_knob(c, 32, 32, 14); }},
        {"toggle_switch", [](Canvas& c) { art::toggle_switch(c, 32, 40, 10, true); }},
        {"toggle_lever", [](Canvas& c) { art::toggle_lever(c, 32, 40, 10, false); }},
        {"rocker", [](Canvas& c) { art::rocker(c, {20, 4, 24, 56}, true, "ON"); }},
        {"push_button", [](Canvas& c) { art::push_button(c, {8, 8, 48, 48}, true, "HDG", 8); }},
        {"lamp", [](Canvas& c) { art::lamp(c, 32, 24, 10, art::LampColour::kAmber, true, "FUEL"); }},
        {"annunciator",
         [](Canvas& c) { art::annunciator(c, {2, 12, 60, 40}, "LOW\nVOLTS", 8, art::LampColour::kRed, false); }},
        {"lcd_window", [](Canvas& c) { art::lcd_window(c, {4, 16, 56, 30}, "88.8", art::kAmberLcd); }},
        {"drum_digits", [](Canvas& c) { art::drum_digits(c, {4, 16, 56, 30}, "7700", 0.4); }},
        {"placard", [](Canvas& c) { art::placard(c, {4, 20, 56, 24}, "NO\nSMOKING", 7, art::kWhitePlacard); }},
        {"label_block", [](Canvas& c) { art::label_block(c, {0, 0, 64, 64}, "TWO\nLINES", 9); }},
    };
    for (const auto& [name, draw] : primitives) {
        SCOPED_TRACE(name);
        Canvas c(64, 64);
        cairo_set_source_rgb(c.cr(), 0.25, 0.5, 0.75);
        cairo_set_line_width(c.cr(), 3.5);
        draw(c);
        EXPECT_EQ(cairo_status(c.cr()), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_get_line_width(c.cr()), 3.5);
        cairo_matrix_t m;
        cairo_get_matrix(c.cr(), &m);
        EXPECT_EQ(m.xx, 1.0);
        EXPECT_EQ(m.x0, 0.0);
        EXPECT_EQ(m.y0, 0.0);
        double r, g, b, a;
        ASSERT_EQ(cairo_pattern_get_rgba(cairo_get_source(c.cr()), &r, &g, &b, &a), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(g, 0.5);
        // Something was drawn.
        bool inked = false;
        for (int y = 0; y < 64 && !inked; ++y) {
            for (int x = 0; x < 64 && !inked; ++x) inked = c.pixel(x, y) != kBlack;
        }
        EXPECT_TRUE(inked);
    }
}

TEST(Draw, FacesAndWindowsNeverShowPureBlack) {
    Canvas c(120, 60);
    art::panel_face(c, {0, 0, 120, 60}, art::kRackFrame);
    art::panel_face(c, {2, 2, 116, 56});
    art::recessed_window(c, {10, 8, 70, 30});
    art::screw(c, 100, 12, 6, 20);
    art::knob_ribbed(c, 100, 40, 12, 18);
    art::engraved_label(c, "NAV", 12, 52, 10);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 120; ++x) ASSERT_NE(c.pixel(x, y), kBlack) << x << "," << y;
    }
    // The window is opaque dark glass below its glare and shadows.
    EXPECT_EQ(c.pixel(45, 32), art::kDisplayWindow.glass);
}

TEST(Draw, KnobOnBlackKeepsBlackOutsideAndIsSolidInside) {
    const double cx = 32.5, cy = 30, r = 24;
    Canvas c(65, 60);
    art::knob_ribbed(c, cx, cy, r, 28);
    art::pointer_mark(c, cx, cy, r * 0.76, -45);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 65; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > r + 1) {
                ASSERT_EQ(c.pixel(x, y), kBlack) << x << "," << y;
            } else if (d < r - 1) {
                ASSERT_NE(c.pixel(x, y), kBlack) << x << "," << y;
            }
        }
    }
    // The pointer is painted up and to the left of the centre.
    const Rgb pointer = c.pixel(static_cast<int>(cx - 9), static_cast<int>(cy - 9));
    EXPECT_GT(pointer.r, 200);
}

TEST(Draw, LabelsAlignOnTheirAnchor) {
    struct Case {
        art::Align align;
        double min_left, max_right;  // where the ink may lie, relative to x = 50
    };
    const Case cases[] = {{art::Align::kLeft, 49, 90}, {art::Align::kRight, 10, 51}, {art::Align::kCentre, 25, 75}};
    for (const Case& k : cases) {
        Canvas c(100, 20);
        art::engraved_label(c, "VOL", 50, 15, 12, k.align);
        int left = 100, right = -1;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (c.pixel(x, y).r > 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        SCOPED_TRACE(static_cast<int>(k.align));
        ASSERT_GE(right, 0) << "no ink";
        EXPECT_GE(left, k.min_left);
        EXPECT_LE(right, k.max_right);
        if (k.align == art::Align::kCentre) {
            EXPECT_NEAR((left + right) / 2.0, 50, 2);
        }
    }
}

// ---------------------------------------------------------------------------

// Every pixel different from its neighbours, a see-through corner and both
// drawn blacks: a shifted, flipped, recoloured or resampled copy shows.
void draw_pattern(Canvas& c) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            c.set_pixel(x, y, {static_cast<uint8_t>(20 + x * 11 % 230), static_cast<uint8_t>(30 + y * 13 % 220),
                               static_cast<uint8_t>((x * 7 + y * 3) % 200 + 40)});
        }
    }
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) c.set_pixel(x, y, kBlack);
    }
    c.set_pixel(4, 0, kNearBlack);
}
// Red on the left half, blue on the right.
void draw_halves(Canvas& c) {
    fill_rect(c, 0, 0, c.width() / 2.0, c.height(), {200, 30, 30});
    fill_rect(c, c.width() / 2.0, 0, c.width() / 2.0, c.height(), {30, 30, 200});
}

TEST(Sheet, ShowsEveryBitmapInDeclaredOrderAndMarksSeeThroughBlack) {
    const BitmapResource bitmaps[] = {
        {400, 37, 23, 8, "pattern"}, {401, 2400, 30, 24, "wider than the sheet"}, {402, 19, 41, 24, "tall"},
        {403, 6, 5, 8, nullptr},
    };
    const art::Drawing drawings[] = {{403, draw_pattern}, {402, draw_pattern}, {401, draw_halves}, {400, draw_pattern}};
    const art::ModuleArtwork artwork{"Test", "Test gauge", bitmaps, drawings};
    const art::ModulePack pack = art::build_module_pack(artwork);
    const art::ContactSheet sheet = art::draw_contact_sheet(artwork, pack);
    const Canvas& picture = sheet.canvas;
    EXPECT_EQ(picture.width(), art::kSheetWidth);

    ASSERT_EQ(sheet.cells.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        const art::SheetCell& cell = sheet.cells[i];
        const BitmapResource& b = bitmaps[i];
        SCOPED_TRACE(b.id);
        EXPECT_EQ(cell.id, b.id);
        const int x0 = static_cast<int>(cell.image.x), y0 = static_cast<int>(cell.image.y);
        ASSERT_GE(x0, 0);
        ASSERT_LE(cell.image.x + cell.image.w, picture.width());
        ASSERT_LE(cell.image.y + cell.image.h, picture.height());
        for (size_t j = 0; j < i; ++j) {
            const art::Rect& o = sheet.cells[j].image;
            const bool apart = cell.image.x >= o.x + o.w || o.x >= cell.image.x + cell.image.w ||
                               cell.image.y >= o.y + o.h || o.y >= cell.image.y + cell.image.h;
            EXPECT_TRUE(apart) << "overlaps bitmap " << sheet.cells[j].id;
        }
        const Canvas stored = art::canvas_from_dib(pack.bitmaps[i].dib);
        if (b.width <= art::kSheetWidth) {
            EXPECT_EQ(cell.scale, 1.0);
            EXPECT_EQ(cell.image.w, b.width);
            EXPECT_EQ(cell.image.h, b.height);
            for (int y = 0; y < b.height; ++y) {
                for (int x = 0; x < b.width; ++x) {
                    ASSERT_EQ(picture.pixel(x0 + x, y0 + y), art::sheet_colour(stored.pixel(x, y), x, y))
                        << x << "," << y;
                }
            }
        } else {
            EXPECT_LT(cell.scale, 1.0);
            EXPECT_NEAR(cell.image.h, b.height * cell.scale, 1.0);
            const int mid = y0 + static_cast<int>(cell.image.h / 2);
            EXPECT_EQ(picture.pixel(x0 + static_cast<int>(cell.image.w / 4), mid), (Rgb{200, 30, 30}));
            EXPECT_EQ(picture.pixel(x0 + static_cast<int>(cell.image.w * 3 / 4), mid), (Rgb{30, 30, 200}));
        }
    }

    // See-through black shows as a two-tone hatch; every other colour, the
    // drawn near-black included, as itself.
    EXPECT_NE(art::sheet_colour(kBlack, 0, 0), kBlack);
    EXPECT_NE(art::sheet_colour(kBlack, 0, 0), art::sheet_colour(kBlack, 3, 0));
    EXPECT_EQ(art::sheet_colour(kNearBlack, 0, 0), kNearBlack);

    EXPECT_EQ(art::to_dib24(picture), art::to_dib24(art::contact_sheet(artwork, pack)));
    art::ModulePack short_pack = pack;
    short_pack.bitmaps.pop_back();
    EXPECT_THROW(art::contact_sheet(artwork, short_pack), art::ArtworkError);
}

// ---------------------------------------------------------------------------

bool inked(const Canvas& c, int x, int y) { return c.pixel(x, y) != kBlack; }

TEST(Draw, LabelBlocksCentreInTheirAreaAndShrinkToFit) {
    struct Case {
        const char* text;
        int lines;
    };
    const Case cases[] = {{"NAV", 1}, {"MANEUVERING SPEED 112 KNOTS", 1}, {"LOW\nVOLTS", 2}};
    const art::Rect area{20, 10, 60, 40};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        Canvas c(100, 60);
        art::label_block(c, area, k.text, 9);
        int left = 100, right = -1, top = 60, bottom = -1;
        std::set<int> rows;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (c.pixel(x, y).r < 128) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                rows.insert(y);
            }
        }
        ASSERT_GE(right, 0) << "no ink";
        EXPECT_GE(left, area.x);
        EXPECT_LT(right, area.x + area.w);
        EXPECT_NEAR((left + right + 1) / 2.0, area.x + area.w / 2, 2);
        EXPECT_NEAR((top + bottom + 1) / 2.0, area.y + area.h / 2, 2.5);
        // Lines are separated by rows without ink.
        int runs = 0;
        for (int y = top; y <= bottom; ++y) runs += rows.count(y) && !rows.count(y - 1);
        EXPECT_EQ(runs, k.lines);
    }
}

TEST(Draw, NeedlesPointRightFromTheirPivot) {
    const std::pair<const char*, art::NeedleStyle> styles[] = {
        {"tapered", art::kWhiteNeedle}, {"lollipop", art::kLollipopNeedle}, {"thin", art::kThinPointer},
        {"sword", art::kSwordHand},     {"marker", art::kOrangeMarker},
    };
    const int px = 30, py = 20, length = 80;
    for (const auto& [name, style] : styles) {
        SCOPED_TRACE(name);
        Canvas c(120, 40);
        art::needle(c, px, py, length, style);
        EXPECT_TRUE(inked(c, px + length * 9 / 10, py)) << "no blade near the tip";
        EXPECT_TRUE(inked(c, px + 2, py)) << "no blade at the pivot";
        // Nothing past the tip, nor behind the tail; the shadow stays see-through.
        const int behind = px - static_cast<int>(length * style.tail) - 6;
        int above = 0, below = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                if (!inked(c, x, y)) continue;
                EXPECT_LE(x, px + length + 1) << x << "," << y;
                EXPECT_GE(x, behind) << x << "," << y;
                (y < py ? above : below) += 1;
            }
        }
        // Symmetric about its axis.
        EXPECT_NEAR(above, below, 2);
    }
}

TEST(Draw, ScalesFollowTheirArcClockwiseFromTwelve) {
    const double cx = 50, cy = 50, r = 40;
    auto at = [&](double radius, double angle) {
        const double a = angle * std::numbers::pi / 180;
        return std::pair<int, int>{static_cast<int>(cx + radius * std::sin(a)), static_cast<int>(cy - radius * std::cos(a))};
    };
    auto ink_at = [&](const Canvas& c, double radius, double angle) {
        const auto [x, y] = at(radius, angle);
        return inked(c, x, y);
    };

    // From 12 round to 6 o'clock: majors at 12, 3 and 6 reach 0.2 r inwards,
    // the minors between them 0.1 r; the left half stays empty.
    Canvas ticks(100, 100);
    art::scale_ticks(ticks, {cx, cy, r, 0, 180}, 3, 1, {{250, 250, 250}, 0.2, 0.05, 0, 0, 0.1, 0.03});
    for (double angle : {0.0, 90.0, 180.0}) EXPECT_TRUE(ink_at(ticks, r * 0.85, angle)) << angle;
    for (double angle : {45.0, 135.0}) {
        EXPECT_TRUE(ink_at(ticks, r * 0.95, angle)) << angle;
        EXPECT_FALSE(ink_at(ticks, r * 0.85, angle)) << angle;
    }
    for (double angle : {-45.0, -90.0, -135.0}) EXPECT_FALSE(ink_at(ticks, r * 0.95, angle)) << angle;

    // A range band given either way round covers the same arc.
    for (const auto& [from, to] : {std::pair{0.0, 90.0}, std::pair{90.0, 0.0}}) {
        Canvas band(100, 100);
        art::scale_arc(band, {cx, cy, r, from, to}, 0.1, art::kArcGreen);
        const auto [x, y] = at(r * 0.95, 45);
        EXPECT_EQ(band.pixel(x, y), art::kArcGreen);
        EXPECT_FALSE(ink_at(band, r * 0.95, -45));
        EXPECT_FALSE(ink_at(band, r * 0.80, 45));
    }

    // Numerals centre on their places; upright ones stand up, turned ones
    // lie along the arc (an "I" at 9 or 3 o'clock then lies on its side).
    for (bool upright : {true, false}) {
        SCOPED_TRACE(upright ? "upright" : "turned");
        Canvas c(100, 100);
        const std::string_view labels[] = {"I", "I", "I"};
        art::scale_numerals(c, {cx, cy, r, -90, 90}, labels, {art::kDialPrint, 0.3, 0.6, upright});
        for (double angle : {-90.0, 0.0, 90.0}) {
            const auto [ex, ey] = at(r * 0.6, angle);
            int left = 100, right = -1, top = 100, bottom = -1;
            double sx = 0, sy = 0, n = 0;
            for (int y = ey - 10; y <= ey + 10; ++y) {
                for (int x = ex - 10; x <= ex + 10; ++x) {
                    if (c.pixel(x, y).r < 128) continue;
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    sx += x, sy += y, n += 1;
                }
            }
            ASSERT_GT(n, 0) << angle;
            EXPECT_NEAR(sx / n + 0.5, ex, 1.5) << angle;
            EXPECT_NEAR(sy / n + 0.5, ey, 1.5) << angle;
            const bool stands = bottom - top > right - left;
            EXPECT_EQ(stands, upright || angle == 0.0) << angle;
        }
    }
}

TEST(Draw, SwitchesAndLampsShowTheirState) {
    // The bat handle stands above the nut when up, below it when down.
    for (bool up : {true, false}) {
        Canvas c(60, 100);
        art::toggle_switch(c, 30, 50, 10, up);
        bool above = false, below = false;
        for (int y = 25; y <= 35; ++y) above = above || inked(c, 30, y);
        for (int y = 65; y <= 75; ++y) below = below || inked(c, 30, y);
        EXPECT_EQ(above, up);
        EXPECT_EQ(below, !up);
    }

    // A lit lamp glows in its own colour; unlit, it is the same hue, dark.
    struct Case {
        art::LampColour colour;
        int strongest;  // channel: 0 red, 1 green, 2 blue; -1 all alike
    };
    const Case cases[] = {{art::LampColour::kGreen, 1}, {art::LampColour::kAmber, 0}, {art::LampColour::kRed, 0},
                          {art::LampColour::kBlue, 2},  {art::LampColour::kWhite, -1}};
    for (const Case& k : cases) {
        SCOPED_TRACE(static_cast<int>(k.colour));
        Canvas lit(40, 40), dark(40, 40);
        art::lamp(lit, 20, 20, 12, k.colour, true);
        art::lamp(dark, 20, 20, 12, k.colour, false);
        const Rgb on = lit.pixel(24, 21), off = dark.pixel(24, 21);
        EXPECT_GT(on.r + on.g + on.b, 2 * (off.r + off.g + off.b));
        for (const Rgb& p : {on, off}) {
            const int channel[3] = {p.r, p.g, p.b};
            if (k.strongest < 0) {
                EXPECT_LE(std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}), 30);
            } else {
                for (int i = 0; i < 3; ++i) {
                    if (i != k.strongest) EXPECT_GT(channel[k.strongest], channel[i]) << i;
                }
            }
        }
    }
}

TEST(Draw, PartsOnAFaceNeverShowPureBlack) {
    const std::pair<const char*, std::function<void(Canvas&)>> parts[] = {
        {"instrument",
         [](Canvas& c) {
             art::square_case(c, {0, 0, 80, 80});
             art::dial_face(c, 40, 40, 34);
             art::scale_ticks(c, {40, 40, 32, -135, 135}, 6, 4);
             art::needle(c, 40, 40, 28);
             art::needle_hub(c, 40, 40, 4);
             art::round_bezel(c, 40, 40, 36);
             art::glass_reflection(c, 40, 40, 34);
         }},
        {"knobs",
         [](Canvas& c) {
             art::knob_with_flats(c, 22, 22, 18, 45);
             art::bug_knob(c, 58, 22, 14);
             art::knob_dual_concentric(c, 40, 58, 20, 12, art::kSilverCapKnob);
         }},
        {"switches",
         [](Canvas& c) {
             art::toggle_switch(c, 16, 40, 9, false);
             art::rocker(c, {34, 6, 18, 40}, false);
             art::push_button(c, {54, 50, 24, 24}, true, "AP", 6);
         }},
        {"lamps",
         [](Canvas& c) {
             art::lamp(c, 16, 16, 10, art::LampColour::kBlue, false, "MKR", art::kDomeLamp);
             art::annunciator(c, {34, 4, 44, 30}, "LOW\nVAC", 7, art::LampColour::kRed, false);
         }},
        {"windows",
         [](Canvas& c) {
             art::lcd_window(c, {4, 4, 72, 24}, "888");
             art::drum_digits(c, {4, 32, 72, 22}, "1200", 0.5);
             art::placard(c, {4, 58, 72, 18}, "FLAPS", 7);
         }},
    };
    for (const auto& [name, draw] : parts) {
        SCOPED_TRACE(name);
        Canvas c(80, 80);
        art::panel_face(c, {0, 0, 80, 80}, art::kRackFrame);
        draw(c);
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 80; ++x) ASSERT_NE(c.pixel(x, y), kBlack) << x << "," << y;
        }
    }
}

}  // namespace
