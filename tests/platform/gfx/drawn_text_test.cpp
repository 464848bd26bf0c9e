#include "platform/gfx/drawn_text.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/colour_contrast.h"

namespace kv {
namespace {

constexpr TColor kBlack = 0x000000, kWhite = 0xFFFFFF, kYellow = 0x00FFFF, kGrey = 0x808080,
                 kLighterGrey = 0x909090;

// The contrast measured of "Palmeiras 2 x 1" drawn in `colour` on `background`, after copies of
// it in `shadow` at each of `offsets`.
double Measured(TColor colour, TColor background, TColor shadow,
                const std::vector<std::pair<int, int>>& offsets, int size = 10,
                FontStyles style = 0) {
    Canvas canvas(160, 40);
    canvas.brush = Brush{background};
    canvas.FillRect({0, 0, 160, 40});
    canvas.bk_mode = BkMode::Transparent;
    canvas.font.size = size;
    canvas.font.style = style;
    TextRecorder recorder;
    canvas.font.color = shadow;
    for (const auto& [dx, dy] : offsets) canvas.TextOut(8 + dx, 10 + dy, "Palmeiras 2 x 1");
    canvas.font.color = colour;
    canvas.TextOut(8, 10, "Palmeiras 2 x 1");
    EXPECT_EQ(recorder.Texts().size(), offsets.size() + 1);
    return recorder.Texts().empty() ? 0 : DrawnTextContrast(recorder.Texts().back());
}

const std::vector<std::pair<int, int>> kNone, kDropShadow = {{1, 1}},
                                              kRing = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                       {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

TEST(DrawnTextContrast, MeasuresTheLettersColourAgainstWhatLayAroundThem) {
    struct Case {
        const char* what;
        TColor colour, background, shadow;
        const std::vector<std::pair<int, int>>& offsets;
        bool reads;
    };
    const Case cases[] = {
        {"black on white", kBlack, kWhite, kBlack, kNone, true},
        {"grey on grey", kGrey, kLighterGrey, kBlack, kNone, false},
        {"white on yellow", kWhite, kYellow, kBlack, kNone, false},
        {"white on yellow, drop shadow on one side", kWhite, kYellow, kBlack, kDropShadow, false},
        {"white on yellow, shadow ringed round", kWhite, kYellow, kBlack, kRing, true},
        {"white on yellow, ring as pale as the yellow", kWhite, kYellow, 0x80FFFF, kRing, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Measured(c.colour, c.background, c.shadow, c.offsets) >= kReadableContrast,
                  c.reads);
    }
}

TEST(DrawnTextContrast, BlendedEdgesOfTheLettersDoNotCount) {
    // Small, large and slanted letters have many half-covered pixels; none of them is taken as
    // the text's colour or as what lies under it, so black on white measures the full 21.
    for (const auto& [size, style] : {std::pair{7, FontStyles{0}}, {18, FontStyles{0}},
                                      {9, FontStyles{fsItalic}}, {9, FontStyles{fsBold}}}) {
        SCOPED_TRACE(size);
        EXPECT_NEAR(Measured(kBlack, kWhite, kBlack, kNone, size, style), 21.0, 0.01);
    }
}

TEST(DrawnTextContrast, RecordsWhereTheLettersFallAndNothingWhileOff) {
    Canvas canvas(100, 30);
    canvas.bk_mode = BkMode::Transparent;
    canvas.TextOut(60, 5, "antes");
    TextRecorder recorder;
    canvas.SetOrigin(20, 4);
    canvas.font.color = 0x0000FF;
    canvas.TextOut(0, 0, "gol");
    ASSERT_EQ(recorder.Texts().size(), 1u);
    const DrawnText& t = recorder.Texts()[0];
    EXPECT_EQ(t.text, "gol");
    EXPECT_EQ(t.colour, 0x0000FFu);
    EXPECT_GE(t.left, 17);
    EXPECT_LE(t.left, 22);
    EXPECT_GE(t.top, 4);
    EXPECT_LE(t.top + t.height, 30);
    for (std::uint32_t under : t.under) EXPECT_EQ(under, 0xFFFFFFu);
}

TEST(TextRings, RingOnlyTheTextsThatWouldNotRead) {
    struct Case {
        const char* what;
        TColor colour, background;
        bool ringed;
    };
    const Case cases[] = {
        {"white on yellow: a black ring", kWhite, kYellow, true},
        {"black on dark blue: a white ring", kBlack, 0x400000, true},
        {"white on navy reads as it is", kWhite, 0x800000, false},
        {"black on white reads as it is", kBlack, kWhite, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(160, 40);
        canvas.brush = Brush{c.background};
        canvas.FillRect({0, 0, 160, 40});
        canvas.bk_mode = BkMode::Transparent;
        canvas.font.size = 10;
        canvas.font.color = c.colour;
        TextRecorder recorder;
        {
            const TextRings rings(true);
            canvas.TextOut(8, 10, "Palmeiras 2 x 1");
        }
        ASSERT_EQ(recorder.Texts().size(), 1u);
        const DrawnText& t = recorder.Texts()[0];
        EXPECT_GE(DrawnTextContrast(t), kReadableContrast);
        EXPECT_EQ(t.colour, static_cast<std::uint32_t>(c.colour));
        bool changed = false;
        for (std::uint32_t under : t.under) changed = changed || under != static_cast<std::uint32_t>(c.background);
        EXPECT_EQ(changed, c.ringed);
        // Rings off: the same text is drawn as it stands.
        canvas.FillRect({0, 0, 160, 40});
        const TextRings off(false);
        canvas.TextOut(8, 10, "Palmeiras 2 x 1");
        ASSERT_EQ(recorder.Texts().size(), 2u);
        for (std::uint32_t under : recorder.Texts()[1].under)
            EXPECT_EQ(under, static_cast<std::uint32_t>(c.background));
    }
}

}  // namespace
}  // namespace kv
