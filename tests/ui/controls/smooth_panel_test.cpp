// The smooth panel on a headless screen: its body and captions as pixels, its cached picture,
// anchors and dragging.
#include "ui/controls/smooth_panel.h"

#include <gtest/gtest.h>

#include "platform/window/test_driver.h"
#include "tests/ui/controls/pixels.h"

namespace kv {
namespace {

constexpr TColor kParent = 0x203040;

struct PanelOnForm {
    TestDriver d{400, 300};
    Form& form = d.screen().Create<Form>("form");
    TUiSmoothPanel& panel = form.Add<TUiSmoothPanel>("pnl");

    PanelOnForm() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 400, 300);
        form.SetColor(kParent);
        panel.SetBounds(20, 30, 200, 100);
        form.Show();
        d.screen().Paint();
    }
    TColor At(int x, int y) { return d.screen().PixelAt(panel.Left() + x, panel.Top() + y); }
    // The game's information boxes: the fill of its forms, rounded, bordered, without shadow.
    void GameLook() {
        TGDIPFill& f = panel.Fill();
        f.SetColor(0xFAF1E9);
        f.SetColorTo(0xEDD8C7);
        f.SetColorMirror(0xEDD8C7);
        f.SetColorMirrorTo(0xFFF2E7);
        f.SetRounding(10);
        f.SetShadowOffset(10);
        f.SetShadowColor(clNone);
        f.SetBorderColor(0xE3B28D);
        f.SetGradientMirrorType(gtVertical);
    }
};

bool Close(TColor a, TColor b, int tolerance) {
    return test::Near(ColorToOpaqueARGB(a), ColorToOpaqueARGB(b), tolerance);
}

TEST(SmoothPanel, GameLookPaintsABorderedRoundedBodyOverTheParent) {
    PanelOnForm p;
    p.GameLook();
    p.d.screen().Paint();
    // Body in (0, 0, W - 1, H - 1): the border on the outermost rows and columns.
    EXPECT_TRUE(Close(p.At(100, 0), 0xE3B28D, 40));
    EXPECT_TRUE(Close(p.At(100, 99), 0xE3B28D, 40));
    EXPECT_TRUE(Close(p.At(199, 50), 0xE3B28D, 40));
    EXPECT_EQ(p.At(0, 0), kParent);  // transparent around the rounded corner
    EXPECT_EQ(p.At(199, 99), kParent);
    EXPECT_TRUE(Close(p.At(100, 25), 0xF4E4D8, 16));
    EXPECT_TRUE(Close(p.At(100, 90), 0xFAEDE1, 16));
}

TEST(SmoothPanel, OpaquePanelPaintsItsColourAroundTheBody) {
    PanelOnForm p;
    p.GameLook();
    p.panel.SetColor(clLime);
    p.panel.SetTransparent(false);
    p.d.screen().Paint();
    EXPECT_EQ(p.At(0, 0), clLime);
}

TEST(SmoothPanel, PlainCaptionIsDrawnInItsBrushWithItsLineBelow) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clWhite);
    TUiSmoothPanelCaption& c = p.panel.Caption();
    c.SetText("Elenco");
    c.SetGradientType(gtSolid);
    c.SetColorStart(clRed);
    c.SetLineColor(clBlue);
    p.d.screen().Paint();
    int red = 0, line_row = -1;
    for (int y = 0; y < 60; ++y) {
        int blue = 0;
        for (int x = 0; x < 200; ++x) {
            const TColor px = p.At(x, y);
            red += GetRValue(px) > 200 && GetGValue(px) < 80 ? 1 : 0;
            blue += px == clBlue ? 1 : 0;
        }
        if (blue > 150 && line_row < 0) line_row = y;
    }
    EXPECT_GT(red, 30);
    ASSERT_GT(line_row, 10);  // under the text of a 12-point caption
    EXPECT_LT(line_row, 30);
    for (int y = line_row; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            const TColor px = p.At(x, y);
            EXPECT_FALSE(GetRValue(px) > 200 && GetGValue(px) < 80) << x << "," << y;
        }
    }
}

TEST(SmoothPanel, CaptionKindWithoutABrushLeavesOnlyTheLine) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clWhite);
    p.panel.Caption().SetText("Elenco");
    p.panel.Caption().SetGradientType(gtRadial);
    p.panel.Caption().SetColorStart(clRed);
    p.panel.Caption().SetLineColor(clBlue);
    p.d.screen().Paint();
    int red = 0, blue = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            red += GetRValue(p.At(x, y)) > 200 && GetGValue(p.At(x, y)) < 80 ? 1 : 0;
            blue += p.At(x, y) == clBlue ? 1 : 0;
        }
    }
    EXPECT_EQ(red, 0);
    EXPECT_GT(blue, 150);
}

TEST(SmoothPanel, CaptionBandFillsBehindTheCaption) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clWhite);
    p.panel.Caption().SetText("Elenco");
    p.panel.Caption().SetBackgroundColor(clYellow);
    p.panel.Caption().SetBackgroundColorTo(clYellow);
    p.d.screen().Paint();
    EXPECT_EQ(p.At(180, 5), clYellow);
    EXPECT_EQ(p.At(180, 80), clWhite);
}

TEST(SmoothPanel, CustomMarkupCaptionGoesWhereItIsPut) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clBlack);
    p.panel.Fill().SetBorderColor(clGray);
    p.panel.Fill().SetBorderWidth(2);
    TUiSmoothPanelCaption& c = p.panel.Caption();
    c.SetHTMLLocation(plCustom);
    c.SetHTMLTop(3);
    c.SetHTMLLeft(6);
    c.SetHTMLShadowOffset(0);
    Font white{"Arial", 10, fsBold, clWhite};
    c.SetHTMLFont(white);
    c.SetHTMLText("<B>Gols</B>: 12");
    p.d.screen().Paint();
    const Rect r = p.panel.MarkupRect();
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.width(), 200 - 2 * 2 - 6);
    int white_pixels = 0, outside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (p.At(x, y) != clWhite) continue;
            ++white_pixels;
            outside += r.contains({x, y}) ? 0 : 1;
        }
    }
    EXPECT_GT(white_pixels, 20);
    EXPECT_EQ(outside, 0);
}

TEST(SmoothPanel, CentredMarkupCaptionSitsInTheMiddle) {
    PanelOnForm p;
    p.panel.Caption().SetHTMLText("Meio");
    p.d.screen().Paint();
    const Rect r = p.panel.MarkupRect();
    EXPECT_NEAR(r.left + r.width() / 2, 100, 3);
    EXPECT_NEAR(r.top + r.height() / 2, 50, 3);
}

TEST(SmoothPanel, PictureIsRebuiltOnlyAfterARealChange) {
    PanelOnForm p;
    p.panel.Caption().SetHTMLText("<B>Elenco</B>");
    p.d.screen().Paint();
    const int builds = p.panel.ImageBuilds();

    // Other repaints draw the cached picture.
    p.form.Invalidate();
    p.d.screen().Paint();
    p.panel.SetLeft(40);
    p.d.screen().Paint();
    EXPECT_EQ(p.panel.ImageBuilds(), builds);

    // Unchanged values neither mark the picture stale nor ask for a paint.
    p.panel.Caption().SetHTMLText("<B>Elenco</B>");
    p.panel.Fill().SetColor(p.panel.Fill().Color());
    p.panel.SetTransparent(true);
    EXPECT_FALSE(p.panel.ImageStale());
    EXPECT_FALSE(p.d.screen().NeedsPaint());

    struct Change {
        const char* what;
        std::function<void(TUiSmoothPanel&)> apply;
    };
    const Change changes[] = {
        {"mark-up text", [](TUiSmoothPanel& pn) { pn.Caption().SetHTMLText("<B>Reservas</B>"); }},
        {"fill colour", [](TUiSmoothPanel& pn) { pn.Fill().SetColor(clRed); }},
        {"caption font",
         [](TUiSmoothPanel& pn) {
             pn.Caption().SetFont(Font{"Arial", 9});
         }},
        {"size", [](TUiSmoothPanel& pn) { pn.SetWidth(180); }},
        {"fill assigned",
         [](TUiSmoothPanel& pn) {
             TGDIPFill f;
             f.SetColor(clBlue);
             pn.SetFill(f);
         }},
    };
    int expected = builds;
    for (const Change& c : changes) {
        c.apply(p.panel);
        EXPECT_TRUE(p.panel.ImageStale()) << c.what;
        EXPECT_TRUE(p.d.screen().NeedsPaint()) << c.what;
        p.d.screen().Paint();
        EXPECT_EQ(p.panel.ImageBuilds(), ++expected) << c.what;
    }
}

TEST(SmoothPanel, ChangedTextShowsAfterTheRepaint) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clBlack);
    p.panel.Caption().SetHTMLFont(Font{"Arial", 10, fsBold, clWhite});
    p.panel.Caption().SetHTMLShadowOffset(0);
    const auto white = [&] {
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x) n += p.At(x, y) == clWhite ? 1 : 0;
        return n;
    };
    p.d.screen().Paint();
    EXPECT_EQ(white(), 0);
    p.panel.Caption().SetHTMLText("Campeão");
    p.d.screen().Paint();
    EXPECT_GT(white(), 20);
}

TEST(SmoothPanel, TinyPanelDrawsNothingButStillReportsItsPaint) {
    PanelOnForm p;
    p.panel.Fill().SetGradientType(gtSolid);
    p.panel.Fill().SetColor(clRed);
    int draws = 0;
    p.panel.on_draw = [&](Canvas&, const Rect&) { ++draws; };
    p.panel.SetBounds(20, 30, 1, 50);
    p.d.screen().Paint();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(p.At(0, 10), kParent);
}

TEST(SmoothPanel, AnchorShowsTheHandAndItsClickIsReported) {
    PanelOnForm p;
    TUiSmoothPanelCaption& c = p.panel.Caption();
    c.SetHTMLLocation(plCustom);
    c.SetHTMLFont(Font{"Arial", 12, 0, clBlack});
    c.SetHTMLText(R"(<A href="http://korvanel.example">Site do jogo</A>)");
    p.panel.SetCursor(crCross);
    p.d.screen().Paint();
    const Rect r = p.panel.MarkupRect();
    std::vector<std::string> clicked;
    p.panel.on_anchor_click = [&](const std::string& a) { clicked.push_back(a); };

    p.d.MoveTo(p.panel, {r.left + 10, r.top + 8});
    EXPECT_EQ(p.panel.cursor, crHandPoint);
    p.d.ClickAt(p.panel, {r.left + 10, r.top + 8});
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], "http://korvanel.example");

    p.d.MoveTo(p.panel, {150, 80});
    EXPECT_EQ(p.panel.cursor, crCross);
    p.d.ClickAt(p.panel, {150, 80});
    EXPECT_EQ(clicked.size(), 1u);
}

TEST(SmoothPanel, MovablePanelIsDraggedByItsCaptionBar) {
    struct Case {
        bool can_move;
        Point press;
        bool moves;
    };
    const Case cases[] = {
        {true, {50, 5}, true}, {true, {50, 19}, true},  {true, {50, 20}, false},
        {true, {0, 5}, false}, {false, {50, 5}, false},
    };
    for (const Case& c : cases) {
        PanelOnForm p;
        p.panel.SetCanMove(c.can_move);
        int ended = 0;
        p.panel.on_end_move_size = [&] { ++ended; };
        const Point start = p.panel.ClientToScreen(c.press);
        p.d.MouseMove(start);
        p.d.MouseDown(start);
        p.d.MouseMove({start.x + 15, start.y + 10});
        p.d.MouseMove({start.x + 30, start.y + 20});
        p.d.MouseUp({start.x + 30, start.y + 20});
        const Point want = c.moves ? Point{50, 50} : Point{20, 30};
        EXPECT_EQ((Point{p.panel.Left(), p.panel.Top()}), want) << c.press.x << "," << c.press.y;
        EXPECT_EQ(ended, c.moves ? 1 : 0);
    }
}

TEST(SmoothPanel, StylePresetsSetTheFillAndCaptionColours) {
    PanelOnForm p;
    TUiSmoothPanel& pn = p.panel;
    pn.ApplyStylePreset(4);  // the look of the game's panels
    EXPECT_EQ(pn.Fill().Color(), 0xFAF1E9);
    EXPECT_EQ(pn.Fill().ColorMirrorTo(), 0xFFF2E7);
    EXPECT_EQ(pn.Fill().BorderColor(), 0xE3B28D);
    EXPECT_EQ(pn.Caption().ColorStart(), 0xB0721C);
    EXPECT_EQ(pn.Caption().ColorEnd(), 0x9F661A);
    EXPECT_EQ(pn.Fill().Rounding(), 10);
    EXPECT_EQ(pn.Fill().ShadowColor(), clGray);

    pn.ApplyStylePreset(17);
    EXPECT_EQ(pn.Fill().Rounding(), 0);
    EXPECT_EQ(pn.Fill().ShadowOffset(), 0);
    EXPECT_EQ(pn.Fill().Glow(), gmRadial);
    EXPECT_EQ(pn.Caption().LineColor(), 0xD4D4D4);

    // 8 keeps the caption band; any unknown index clears it and stops after the common part.
    pn.Caption().SetBackgroundColor(clYellow);
    pn.ApplyStylePreset(8);
    EXPECT_EQ(pn.Caption().BackgroundColor(), clYellow);
    EXPECT_EQ(pn.Fill().Rounding(), 10);
    EXPECT_EQ(pn.Fill().Glow(), gmNone);
    pn.ApplyStylePreset(25);
    EXPECT_EQ(pn.Caption().BackgroundColor(), clNone);
    EXPECT_EQ(pn.Fill().BorderColor(), 0xD4D4D4);
}

TEST(SmoothPanel, ColorTonesTakeTheFirstAndThirdGroups) {
    PanelOnForm p;
    TColorToneSet tones;
    tones.background = {0x111111, 0x222222, 0x333333};
    tones.selected = {0x777777, 0x888888, 0x999999};
    p.panel.ApplyColorTones(tones);
    const TGDIPFill& f = p.panel.Fill();
    EXPECT_EQ(f.Color(), 0x111111);
    EXPECT_EQ(f.ColorMirrorTo(), 0x111111);
    EXPECT_EQ(f.BorderColor(), 0x222222);
    EXPECT_EQ(p.panel.Caption().LineColor(), 0x222222);
    EXPECT_EQ(p.panel.Caption().HTMLFont().color, 0x333333);
    EXPECT_EQ(p.panel.Caption().BackgroundColor(), 0x777777);
    EXPECT_EQ(p.panel.Caption().ColorStart(), 0x999999);
    EXPECT_EQ(p.panel.Caption().GetFont().name, DefaultUIFontName());
    EXPECT_EQ(f.Rounding(), 0);
    EXPECT_EQ(f.ShadowColor(), clNone);
}

TEST(SmoothPanel, TextPositionsOnWholePixels) {
    struct Case {
        TUiSmoothPanelLocation where;
        Point at;
    };
    // Text 40 x 10 in the box (2, 3, 100, 50).
    const Case cases[] = {
        {plTopLeft, {2, 3}},     {plTopCenter, {30, 3}},     {plTopRight, {60, 3}},
        {plCenterLeft, {2, 20}}, {plCenterCenter, {30, 20}}, {plBottomRight, {60, 40}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTextPosition(c.where, 40, 10, 2, 3, 100, 50), c.at) << c.where;
    }
}

}  // namespace
}  // namespace kv
