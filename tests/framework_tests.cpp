// The framework pieces every module carries: the bounded text formatter and
// the element-flag helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/element_flags.h"
#include "framework/text_format.h"

namespace {

// A frequency text as the radios format it, into a buffer of exactly
// max_length + 1 bytes between two guard regions.
struct GuardedBuffer {
    static constexpr size_t kGuard = 8;
    char bytes[kGuard + 7 + kGuard];
    GuardedBuffer() { std::memset(bytes, '#', sizeof bytes); }
    char* text() { return bytes + kGuard; }
    bool guards_intact(size_t room) const {
        for (size_t i = 0; i < sizeof bytes; ++i) {
            bool inside = i >= kGuard && i < kGuard + room;
            if (!inside && bytes[i] != '#') return false;
        }
        return true;
    }
};

TEST(BoundedFormatter, FrequencyDigitsAreCutAtTheMaximumLength) {
    struct Case {
        int32_t bcd;
        const char* shown;
    } cases[] = {
        {0x2345, "12345"},   // an ordinary frequency, five characters
        {0x0000, "10000"},
        {0xA345, "110345"},  // one nibble above 9: six characters, exactly the maximum
        {0xAB45, "110114"},  // two nibbles above 9: "1101145" keeps its first six
        {0xFFFF, "115151"},  // every nibble 15: "115151515" keeps its first six
    };
    for (const Case& c : cases) {
        GuardedBuffer buffer;
        int32_t v = c.bcd;
        size_t written = format_bounded(buffer.text(), 6, "1%d%d%d%d", (v >> 12) & 15, (v >> 8) & 15, (v >> 4) & 15, v & 15);
        EXPECT_STREQ(buffer.text(), c.shown) << std::hex << c.bcd;
        EXPECT_EQ(written, std::strlen(c.shown));
        EXPECT_TRUE(buffer.guards_intact(7)) << "wrote outside the 7-byte buffer for " << std::hex << c.bcd;
    }
}

TEST(BoundedFormatter, WritesIntoAStringElementWithinItsLength) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    ELEMENT_STRING element{};
    element.text = buffer;
    element.max_length = 3;
    format_text(&element, "%d NM", 1000);
    EXPECT_STREQ(buffer, "100");
    clear_text(&element);
    EXPECT_STREQ(buffer, "");
    element.text = nullptr;  // no buffer from the host yet: nothing is written
    EXPECT_EQ(format_text(&element, "%d", 5), 0u);
}

// A chain root -> a -> b, and a sibling of a that the helpers must never touch.
struct Chain : ::testing::Test {
    ELEMENT_HEADER b{};
    ELEMENT_HEADER a{};
    ELEMENT_HEADER sibling{};
    ELEMENT_HEADER root{};
    ELEMENT_HEADER* a_children[2] = {&b, nullptr};
    ELEMENT_HEADER* root_children[3] = {&a, &sibling, nullptr};
    void SetUp() override {
        a.children = a_children;
        root.children = root_children;
        root.image_flags = 0x1;
        a.image_flags = 0x2;
        b.image_flags = 0x4;
        sibling.image_flags = 0x8;
    }
};

TEST_F(Chain, ElementAtDepthFollowsFirstChildren) {
    EXPECT_EQ(element_at_depth(&root, 0), &root);
    EXPECT_EQ(element_at_depth(&root, 1), &a);
    EXPECT_EQ(element_at_depth(&root, 2), &b);
    EXPECT_EQ(element_at_depth(&root, 3), nullptr);   // b has no child list
    EXPECT_EQ(element_at_depth(&root, 100), nullptr);
    EXPECT_EQ(element_at_depth(nullptr, 0), nullptr);
}

TEST_F(Chain, SetAndClearChangeOneElementOnly) {
    set_element_flags(&root, 1, kImageHidden);
    EXPECT_EQ(a.image_flags, 0x2u | kImageHidden);
    EXPECT_EQ(root.image_flags, 0x1u);
    EXPECT_EQ(b.image_flags, 0x4u);
    EXPECT_EQ(sibling.image_flags, 0x8u);

    set_element_flags(&root, 1, kImageHidden);  // already set: unchanged
    EXPECT_EQ(a.image_flags, 0x2u | kImageHidden);
    clear_element_flags(&root, 1, kImageHidden);
    EXPECT_EQ(a.image_flags, 0x2u);
    clear_element_flags(&root, 1, kImageHidden);  // already clear: unchanged
    EXPECT_EQ(a.image_flags, 0x2u);
}

TEST_F(Chain, PastTheEndOfTheChainNothingChanges) {
    set_element_flags(&root, 3, kImageHidden);
    clear_element_flags(&root, 5, 0xFFFFFFFF);
    set_element_flags(nullptr, 0, kImageHidden);
    EXPECT_EQ(root.image_flags, 0x1u);
    EXPECT_EQ(a.image_flags, 0x2u);
    EXPECT_EQ(b.image_flags, 0x4u);
    EXPECT_EQ(sibling.image_flags, 0x8u);
}

}  // namespace
