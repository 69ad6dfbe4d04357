// Module files as the host finds them: exports, bitmaps, linkage, the
// standard routines, and the faults the host must refuse.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <vector>

#include "host/elf_file.h"
#include "host/module.h"
#include "host/panel_host.h"
#include "host/resources.h"
#include "modules/radios/bitmaps.h"
#include "tests/test_support.h"

using namespace panel;
using test_support::module_file;
using test_support::run_panelhost;

namespace {

TEST(ModuleFile, ExportsExactlyLinkageAndImportTable) {
    for (const char* name : {"Radios", "TestGauge"}) {
        EXPECT_EQ(elf_exported_symbols(module_file(name)), (std::vector<std::string>{"ImportTable", "Linkage"})) << name;
    }
}

TEST(ModuleFile, CarriesItsBitmapsAtTheDeclaredSizes) {
    // Read from the file alone, without loading the library.
    ModuleResources resources = read_module_resources(module_file("Radios"));
    EXPECT_EQ(resources.bitmaps.size(), std::size(radios::kBitmaps));
    for (const BitmapResource& declared : radios::kBitmaps) {
        const Bitmap* b = resources.bitmap(declared.id);
        ASSERT_NE(b, nullptr) << declared.id;
        EXPECT_EQ(b->width, declared.width) << declared.id;
        EXPECT_EQ(b->height, declared.height) << declared.id;
        EXPECT_EQ(b->bits, 8u) << declared.id;
        EXPECT_EQ(b->palette.size(), 256u) << declared.id;
    }
    // The sizes the radios' records rely on.
    EXPECT_EQ(resources.bitmap(257)->width, 600);
    EXPECT_EQ(resources.bitmap(263)->height, 240);
    EXPECT_EQ(resources.version.at("FileVersion"), "1.0.0.0");
    EXPECT_EQ(resources.version.at("FileDescription"), "Flight Simulator 2002 Gauge");
}

TEST(ModuleFile, LinkageOfTheRadioStack) {
    auto module = Module::open(module_file("Radios"));
    const GAUGESLINKAGE& linkage = *module->linkage();
    EXPECT_EQ(linkage.module_id, 0x13u);
    EXPECT_EQ(linkage.module_version, 0x800u);
    const char* order[] = {"RadioComNav1", "RadioComNav2", "RadioTrans", "RadioAdf",
                           "RadioAP",      "RadioDME",     "AudioPanel", "RadioAP2"};
    ASSERT_EQ(module->gauges().size(), std::size(order));
    for (size_t i = 0; i < std::size(order); ++i) EXPECT_STREQ(module->gauges()[i]->name, order[i]);
    for (GAUGEHDR* g : module->gauges()) EXPECT_EQ(g->version, 800u);
}

// A services table that records what the standard routines hand the host.
struct Recorded {
    const char* service = nullptr;
    ELEMENT_HEADER* root = nullptr;
    uint32_t value = 0;
};
Recorded last_call;

int32_t GAUGE_CALL record_query(ELEMENT_HEADER* root) { last_call = {"query", root, 0}; return 11; }
int32_t GAUGE_CALL record_install(ELEMENT_HEADER* root, uint32_t v) { last_call = {"install", root, v}; return 12; }
int32_t GAUGE_CALL record_initialize(ELEMENT_HEADER* root) { last_call = {"initialize", root, 0}; return 13; }
int32_t GAUGE_CALL record_update(ELEMENT_HEADER* root) { last_call = {"update", root, 0}; return 14; }
int32_t GAUGE_CALL record_generate(ELEMENT_HEADER* root, uint32_t v) { last_call = {"generate", root, v}; return 15; }
int32_t GAUGE_CALL record_plot(ELEMENT_HEADER* root) { last_call = {"plot", root, 0}; return 16; }
int32_t GAUGE_CALL record_kill(ELEMENT_HEADER* root) { last_call = {"kill", root, 0}; return 17; }

TEST(StandardRoutines, HandTheHostTheFirstGaugesRootWhateverGaugeTheyServe) {
    PANELS services{};
    services.element_list_query = record_query;
    services.element_list_install = record_install;
    services.element_list_initialize = record_initialize;
    services.element_list_update = record_update;
    services.element_list_generate = record_generate;
    services.element_list_plot = record_plot;
    services.element_list_kill = record_kill;
    auto module = Module::open(module_file("Radios"));
    module->start(&services);
    ELEMENT_HEADER* first_root = module->gauges()[0]->elements[0];
    GAUGEHDR* second = module->gauges()[1];
    ASSERT_NE(second->elements[0], first_root);

    struct Case {
        const char* service;
        int32_t result;
        int32_t (*call)(GAUGEHDR*);
        uint32_t value;
    } cases[] = {
        {"query", 11, [](GAUGEHDR* g) { return g->query(); }, 0},
        {"install", 12, [](GAUGEHDR* g) { return g->install(77); }, 77},
        {"initialize", 13, [](GAUGEHDR* g) { return g->initialize(); }, 0},
        {"update", 14, [](GAUGEHDR* g) { return g->update(); }, 0},
        {"generate", 15, [](GAUGEHDR* g) { return g->generate(5); }, 5},
        {"plot", 16, [](GAUGEHDR* g) { return g->draw(); }, 0},
        {"kill", 17, [](GAUGEHDR* g) { return g->kill(); }, 0},
    };
    for (const Case& c : cases) {
        last_call = {};
        EXPECT_EQ(c.call(second), c.result) << c.service;
        EXPECT_STREQ(last_call.service, c.service);
        EXPECT_EQ(last_call.root, first_root) << c.service;
        EXPECT_EQ(last_call.value, c.value) << c.service;
    }
}

TEST(Loading, LoadingAgainGivesAFreshModule) {
    PanelHost host(PANEL_GAUGE_DIR);
    host.load("Radios");
    host.press(*host.gauge("Radios!RadioComNav1"), 95, 195);  // VOL/OFF knob, right half
    host.update();
    EXPECT_EQ(host.gauge("Radios!RadioComNav1")->elements()[2].text, "12280");
    host.load("Radios");
    host.update();
    EXPECT_EQ(host.gauge("Radios!RadioComNav1")->elements()[1].value, 0.0);
    EXPECT_EQ(host.gauge("Radios!RadioComNav1")->elements()[2].text, "");
}

// Each broken module is refused with a message naming the file, the record
// and the fault, and the host goes on working.
TEST(Loading, BrokenModulesAreRefusedCleanly) {
    struct Case {
        const char* module;
        const char* message;
    } cases[] = {
        {"BrokenNoImport", "BrokenNoImport.so: the module does not export ImportTable"},
        {"BrokenNoMouseEnd", "BrokenNoMouseEnd!Test mouse record"},
        {"BrokenManyChildren", "BrokenManyChildren!Test element 1 (static image): child list has more than 10 entries"},
        {"BrokenOneEntryTable", "BrokenOneEntryTable!Test element 2 (needle): calibration table has 1 entry"},
        {"BrokenMissingBitmap", "BrokenMissingBitmap!Test element 3 (icon): first icon bitmap 300 is not in the module file"},
    };
    PanelHost host(PANEL_GAUGE_DIR);
    for (const Case& c : cases) {
        try {
            host.load(c.module);
            ADD_FAILURE() << c.module << " was loaded";
        } catch (const LoadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(host.module(c.module), nullptr);
    }
    host.load("TestGauge");
    host.update();
    EXPECT_EQ(host.gauge("TestGauge!Test")->elements()[3].text, "1");
}

TEST(Loading, MissingAndForeignFilesNameTheCause) {
    PanelHost host(PANEL_GAUGE_DIR);
    EXPECT_THROW(
        {
            try {
                host.load("NoSuchModule");
            } catch (const LoadError& e) {
                EXPECT_NE(std::string(e.what()).find("NoSuchModule.so: no such module file"), std::string::npos);
                throw;
            }
        },
        LoadError);
    auto result = run_panelhost(std::string("check ") + PANEL_SOURCE_DIR + "/CMakeLists.txt");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.output.find("CMakeLists.txt: not a 64-bit ELF module file"), std::string::npos) << result.output;
}

TEST(CheckCommand, ListsEveryGaugeOfASoundModule) {
    auto result = run_panelhost("check " + module_file("Radios"));
    EXPECT_EQ(result.exit_code, 0) << result.output;
    EXPECT_EQ(result.output,
              "Radios!RadioComNav1 v800 200mm 600x240 elements=4 rects=13\n"
              "Radios!RadioComNav2 v800 200mm 600x240 elements=4 rects=13\n"
              "Radios!RadioTrans v800 200mm 352x90 elements=7 rects=7\n"
              "Radios!RadioAdf v800 200mm 500x111 elements=3 rects=8\n"
              "Radios!RadioAP v800 200mm 500x130 elements=11 rects=18\n"
              "Radios!RadioDME v800 200mm 495x110 elements=5 rects=5\n"
              "Radios!AudioPanel v800 190mm 450x96 elements=9 rects=11\n"
              "Radios!RadioAP2 v800 200mm 613x357 elements=7 rects=16\n");
}

TEST(CheckCommand, ReportsEachFaultAndFails) {
    auto result = run_panelhost("check " + module_file("BrokenManyChildren") + " " + module_file("TestGauge"));
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.output.find("child list has more than 10 entries"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("TestGauge!Test v700 50mm 64x32 elements=4 rects=3"), std::string::npos)
        << result.output;
}

}  // namespace
