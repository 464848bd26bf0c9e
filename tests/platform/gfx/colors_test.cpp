#include "platform/gfx/colors.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Colors, SystemColoursResolveToTheClassicScheme) {
    struct Case {
        TColor color;
        TColor rgb;
    };
    const Case cases[] = {
        {clBtnFace, RGBColor(212, 208, 200)},
        {clBtnShadow, RGBColor(128, 128, 128)},
        {clBtnHighlight, clWhite},
        {clWindow, clWhite},
        {clWindowText, clBlack},
        {clHighlight, RGBColor(10, 36, 106)},
        {clHighlightText, clWhite},
        {clInfoBk, RGBColor(255, 255, 225)},
        {cl3DDkShadow, RGBColor(64, 64, 64)},
        {clRed, clRed},
        {clNone, clNone},
        {SystemColor(200), clBlack},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_LT(clBtnFace, 0) << "system colours are negative, as stored in forms";
    EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Colors, ArgbFromWindowColours) {
    EXPECT_EQ(ColorToARGB(128, clRed), 0x80FF0000u);
    EXPECT_EQ(ColorToOpaqueARGB(clBtnFace), 0xFFD4D0C8u);
    EXPECT_EQ(ColorToOpaqueARGB(RGBColor(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(ARGBToColor(0x80102030u), RGBColor(0x10, 0x20, 0x30));
}

TEST(Colors, EveryNameFindsItsColourAndBack) {
    for (const NamedColor& n : NamedColors()) {
        TColor found = 0;
        ASSERT_TRUE(ColorFromName(n.name, found)) << n.name;
        EXPECT_EQ(found, n.value) << n.name;
        TColor again = 0;
        ASSERT_TRUE(ColorFromName(ColorName(n.value), again));
        EXPECT_EQ(again, n.value);
    }
    TColor c = 0;
    EXPECT_TRUE(ColorFromName("CLBTNFACE", c));
    EXPECT_EQ(c, clBtnFace);
    EXPECT_FALSE(ColorFromName("clVerdeLimao", c));
    EXPECT_TRUE(ColorName(RGBColor(1, 2, 3)).empty());
}

}  // namespace
}  // namespace kv
