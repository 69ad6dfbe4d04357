// The drawing toolkit: canvases, colour reduction, bitmaps, resource packs
// and the module pack builder.
#include <gtest/gtest.h>
#include <unistd.h>

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

}  // namespace
