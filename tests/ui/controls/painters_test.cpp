// The progress and dialog-button painters.
#include <gtest/gtest.h>

#include "tests/ui/controls/pixels.h"
#include "ui/controls/gdiplus/gdip_dialog_button.h"
#include "ui/controls/gdiplus/gdip_progress.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {
namespace {

using test::Painted;

TEST(ProgressValue, FormatsOnlyFixedPointNumbersAndPercentSigns) {
    struct Case {
        const char* format;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"%.0f%%", 42.6, "43%"},
        {"%.0f%%", 42.4, "42%"},
        {"%.1f", 3.25, "3,2"},
        {"%f", 7, "7,00"},
        {"Faltam %.0f dias", 12, "Faltam 12 dias"},
        {"100%%", 50, "100%"},
        {"", 50, ""},
        // Anything else shows the number alone, and never reaches a printf-style call.
        {"%s", 42.5, "42,5"},
        {"%d%%", 42, "42"},
        {"%n", 42, "42"},
        {"%5.2f", 1.5, "1,5"},
        {"%.0f %s", 10, "10"},
        {"50%", 50, "50"},
        {"%.100f", 1, "1"},
        {"%.f", 2, "2"},
        {"%x", 255, "255"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatProgressValue(c.format, c.value), c.text) << c.format;
}

TEST(ProgressPainter, ValueTextClampsAndFollowsTheValueType) {
    TGDIPProgress p;
    EXPECT_EQ(p.ValueText(0, 100, 42.6), "43%");
    EXPECT_EQ(p.ValueText(0, 100, 130), "100%");  // above max shows max
    EXPECT_EQ(p.ValueText(0, 100, -5), "0%");
    p.SetValueType(vtPercentage);
    EXPECT_EQ(p.ValueText(50, 250, 100), "25%");
    EXPECT_EQ(p.ValueText(10, 10, 10), "10%");  // an empty range shows the maximum
    p.OnDrawValue = [](const std::string& format, std::string& text) {
        EXPECT_EQ(format, "%.0f%%");
        text = "<" + text + ">";
    };
    EXPECT_EQ(p.ValueText(0, 100, 50), "<50%>");
}

TEST(ProgressPainter, FilledPartGrowsWithTheValue) {
    TGDIPProgress p;
    const Rect r{0, 0, 101, 21};  // inner rectangle (0, 0, 100, 20) without a border
    EXPECT_EQ(p.GetInnerRect(r), (Rect{0, 0, 100, 20}));
    EXPECT_EQ(p.GetProgressRect(r, 0, 100, 0, pbdHorizontal).width, 0);
    EXPECT_EQ(p.GetProgressRect(r, 0, 100, 25, pbdHorizontal), (RectF{0, 0, 25, 20}));
    EXPECT_EQ(p.GetProgressRect(r, 0, 100, 250, pbdHorizontal), (RectF{0, 0, 100, 20}));
    EXPECT_EQ(p.GetProgressRect(r, 0, 0, 50, pbdHorizontal).width, 0);
    // Vertical bars grow upward from the bottom.
    EXPECT_EQ(p.GetProgressRect(r, 0, 100, 50, pbdVertical), (RectF{0, 10, 100, 10}));
    // A bordered background narrows the inner rectangle by half the border's width.
    p.BackGroundFill().SetBorderColor(clBlack);
    p.BackGroundFill().SetBorderWidth(3);
    EXPECT_EQ(p.GetInnerRect(r), (Rect{2, 2, 98, 18}));
}

TEST(ProgressPainter, PaintsTheFilledPartOverTheBackground) {
    TGDIPProgress p;
    p.SetShadows(false);
    p.SetOverlays(false);
    p.BackGroundFill().SetGradientType(gtSolid);
    p.BackGroundFill().SetColor(clWhite);
    p.ProgressFill().SetGradientType(gtSolid);
    p.ProgressFill().SetColor(clRed);
    Picture pic = Painted(101, 21, [&](Graphics& g) {
        p.Draw(g, {0, 0, 101, 21}, 0, 100, 50, pbdHorizontal);
    });
    EXPECT_EQ(pic.PixelARGB(20, 10), 0xFFFF0000u);
    EXPECT_EQ(pic.PixelARGB(80, 10), 0xFFFFFFFFu);
    // At the minimum nothing is filled.
    pic = Painted(101, 21, [&](Graphics& g) {
        p.Draw(g, {0, 0, 101, 21}, 0, 100, 0, pbdHorizontal);
    });
    EXPECT_EQ(pic.PixelARGB(20, 10), 0xFFFFFFFFu);
    // Overlays lighten the top of the bar, shadows darken its ends.
    p.SetOverlays(true);
    p.SetShadows(true);
    pic = Painted(101, 21, [&](Graphics& g) {
        p.Draw(g, {0, 0, 101, 21}, 0, 100, 50, pbdHorizontal);
    });
    EXPECT_GT(ARGBGreen(pic.PixelARGB(25, 1)), 60);
    EXPECT_LT(ARGBRed(pic.PixelARGB(1, 10)), 255);
}

TEST(ProgressPainter, ValueTextUsesTheProgressFontOnlyOverTheFilledPart) {
    TGDIPProgress p;
    p.SetShadows(false);
    p.SetOverlays(false);
    p.SetTransparent(true);
    p.SetValueVisible(true);
    p.SetValuePosition(vpProgressCenter);
    Font outside{"Arial", 12, fsBold, clBlue};
    Font over{"Arial", 12, fsBold, clLime};
    p.SetFont(outside);
    p.SetProgressFont(over);
    p.ProgressFill().SetColor(clNone);  // only the text shows
    const auto colours = [&](double value) {
        Picture pic = Painted(201, 31, [&](Graphics& g) {
            p.Draw(g, {0, 0, 201, 31}, 0, 100, value, pbdHorizontal);
        });
        const Rect all{0, 0, 201, 31};
        return std::make_pair(test::Count(pic, all, [](ARGB c) { return c == 0xFF0000FFu; }),
                              test::Count(pic, all, [](ARGB c) { return c == 0xFF00FF00u; }));
    };
    const auto narrow = colours(5);  // filled part narrower than the text: at the left, in Font
    EXPECT_GT(narrow.first, 0);
    EXPECT_EQ(narrow.second, 0);
    const auto wide = colours(80);
    EXPECT_EQ(wide.first, 0);
    EXPECT_GT(wide.second, 0);
}

TEST(DialogButtonPainter, BodyGlossBorderAndCaption) {
    TGDIPDialogButton b;
    b.SetFont(Font{"Arial", 10, fsBold, clBlack});
    DialogButtonLook look;
    look.color = clBlue;
    look.border_color = clRed;
    look.border_width = 2;
    Picture pic = Painted(80, 30, [&](Graphics& g) {
        b.DrawButton(g, "", {0, 0, 80, 30}, look, nullptr);
    });
    EXPECT_EQ(pic.PixelARGB(40, 24), 0xFF0000FFu);  // the face, below the gloss
    EXPECT_GT(ARGBRed(pic.PixelARGB(40, 4)), 40);   // the gloss whitens the top half
    EXPECT_EQ(pic.PixelARGB(40, 28), 0xFFFF0000u);  // the ring inside the edge
    EXPECT_EQ(ARGBAlpha(pic.PixelARGB(0, 0)), 0);   // rounded corner
    // A caption is drawn in the font's colour around the middle; pressed moves it right and down.
    const auto ink = [&](bool pressed) {
        look.pressed = pressed;
        Picture p = Painted(80, 30, [&](Graphics& g) {
            b.DrawButton(g, "&Sim", {0, 0, 80, 30}, look, nullptr);
        });
        int left = 80;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 80; ++x) {
                const ARGB c = p.PixelARGB(x, y);
                if (ARGBAlpha(c) > 200 && ARGBRed(c) < 40 && ARGBGreen(c) < 40 && ARGBBlue(c) < 40)
                    left = std::min(left, x);
            }
        }
        return left;
    };
    const int normal = ink(false), pressed = ink(true);
    EXPECT_GT(normal, 20);
    EXPECT_LT(normal, 40);
    EXPECT_EQ(pressed, normal + 1);
}

TEST(DialogButtonPainter, PictureIsCentredAndPressedMovesItTwoPixels) {
    Picture red(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) red.SetPixelARGB(x, y, 0xFFFF0000);
    TUiGDIPPicture picture;
    picture.LoadFromBytes(red.SaveToPngMemory());
    TGDIPDialogButton b;
    b.SetLayout(blNone);
    DialogButtonLook look;
    look.color = clWhite;
    const auto red_box = [&](bool pressed, std::string_view caption) {
        look.pressed = pressed;
        Picture p = Painted(80, 30, [&](Graphics& g) {
            b.DrawButton(g, caption, {0, 0, 80, 30}, look, &picture);
        });
        Rect box{80, 30, -1, -1};
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 80; ++x) {
                if (p.PixelARGB(x, y) != 0xFFFF0000u) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
        return box;
    };
    EXPECT_EQ(red_box(false, ""), (Rect{35, 10, 45, 20}));
    EXPECT_EQ(red_box(true, ""), (Rect{37, 12, 47, 22}));
    // With blNone a caption does not move the picture.
    EXPECT_EQ(red_box(false, "OK"), (Rect{35, 10, 45, 20}));
    // Beside the caption, the picture goes to its left.
    b.SetLayout(blPictureLeft);
    EXPECT_LT(red_box(false, "Confirmar").left, 35);
}

}  // namespace
}  // namespace kv
