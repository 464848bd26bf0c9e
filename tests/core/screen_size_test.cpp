#include "core/screen_size.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ScreenSize, ClassesAndKindsOfResolutions) {
    const struct {
        ScreenSize size;
        int size_class;
        bool wide, standard;
    } cases[] = {
        {{640, 480}, 0, false, true},   {{800, 600}, 1, false, false},
        {{1024, 768}, 2, false, true},  {{1152, 864}, 3, false, true},
        {{1280, 720}, 4, false, false}, {{1280, 960}, 5, false, true},
        {{1280, 1024}, 6, false, true}, {{1920, 1080}, 6, false, false},
        {{1280, 800}, 7, true, false},  {{1366, 768}, 7, true, false},
        {{1360, 768}, 7, true, false},  {{1280, 768}, 7, true, false},
        {{1440, 900}, 7, true, false},  {{1600, 900}, 7, true, false},
        {{1680, 1050}, 7, true, false}, {{1920, 1200}, 7, true, false},
        {{768, 576}, 7, false, true},   {{1120, 840}, 7, false, true},
        {{1400, 1050}, 7, false, true}, {{1600, 1200}, 7, false, true},
        {{2048, 1536}, 7, false, true}, {{2560, 1440}, 7, false, false},
        {{768, 1024}, 7, false, false}, {{0, 0}, 7, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width << "x" << c.size.height);
        EXPECT_EQ(ScreenSizeClass(c.size), c.size_class);
        EXPECT_EQ(IsWideScreen(c.size), c.wide);
        EXPECT_EQ(IsStandardScreen(c.size), c.standard);
        EXPECT_FALSE(IsLargeWideScreen(c.size));
    }
}

TEST(ScreenSize, WindowsScaleFromTheirDesignWidth) {
    const struct {
        ScreenSize size;
        WindowScale scale;
    } cases[] = {
        {{800, 600}, {}},
        {{1024, 768}, {true, 1024, 800}},
        {{1280, 1024}, {true, 1280, 800}},
        {{640, 480}, {true, 640, 800}},
        {{1920, 1080}, {}},
        {{1280, 800}, {true, 133, 100}},
        {{1920, 1200}, {true, 133, 100}},
        {{1440, 900}, {true, 133, 100}},
        // Wide screens too short for a window grown by 133/100 grow it to their height.
        {{1366, 768}, {true, 768, 600}},
        {{1360, 768}, {true, 768, 600}},
        {{1280, 768}, {true, 768, 600}},
        {{3840, 2160}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width << "x" << c.size.height);
        EXPECT_EQ(WindowScaleFor(c.size), c.scale);
        // A scaled 800x600 window always fits its screen.
        if (c.scale.scaled) {
            EXPECT_LE(800 * c.scale.numerator / c.scale.denominator, c.size.width);
            EXPECT_LE(600 * c.scale.numerator / c.scale.denominator, c.size.height);
        }
    }
}

TEST(ScreenSize, TheScreenTestsReadTheSizeTheProgramSet) {
    const ScreenSize before = CurrentScreenSize();
    SetScreenSize({1280, 1024});
    EXPECT_EQ(ScreenSizeClass(), 6);
    EXPECT_TRUE(IsStandardScreen());
    EXPECT_FALSE(IsWideScreen());
    EXPECT_EQ(WindowScaleForScreen(), (WindowScale{true, 1280, 800}));
    SetScreenSize(before);
}

}  // namespace
}  // namespace kv
