// A form's background picture is tiled over its client area from the top-left corner, beneath
// its controls, also when only a part of the form is repainted.
#include <gtest/gtest.h>

#include "platform/gfx/picture.h"
#include "platform/window/panel.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

constexpr int kTileW = 3, kTileH = 2;

// Every pixel of the tile a colour of its own, so a tile drawn out of step shows.
void PaintTile(Picture& tile, int shade) {
    for (int y = 0; y < kTileH; ++y)
        for (int x = 0; x < kTileW; ++x)
            tile.SetPixelARGB(x, y, ComposeARGB(255, 40 * x + shade, 100 * y + shade, 9));
    tile.MarkDirty();
}

TColor TileColour(const Picture& tile, int x, int y) {
    return ARGBToColor(tile.PixelARGB(x % kTileW, y % kTileH));
}

struct BackgroundForm {
    TestDriver d{200, 150};
    Picture tile{kTileW, kTileH};
    Form& form = d.screen().Create<Form>("fundo");
    static constexpr Point kAt{20, 10};
    BackgroundForm() {
        PaintTile(tile, 0);
        form.SetBorderStyle(bsNone);
        form.SetColor(clBlue);
        form.SetBounds(kAt.x, kAt.y, 60, 40);
        form.background_picture = &tile;
        form.Show();
        d.Pump();
    }
    TColor At(int x, int y) { return d.screen().PixelAt(kAt.x + x, kAt.y + y); }
};

TEST(FormBackground, TilesFromTheClientCornerBeneathTransparentControlsOnly) {
    BackgroundForm f;
    auto& clear = f.form.Add<Panel>("vidro");
    clear.transparent = true;
    clear.SetBounds(30, 0, 10, 10);
    auto& solid = f.form.Add<Panel>("tampa");
    solid.SetColor(clRed);
    solid.SetBounds(45, 20, 10, 10);
    f.d.Pump();
    for (const Point p : {Point{0, 0}, Point{1, 0}, Point{2, 1}, Point{3, 0}, Point{17, 5},
                          Point{59, 39}, Point{31, 3}, Point{44, 21}})
        EXPECT_EQ(f.At(p.x, p.y), TileColour(f.tile, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(f.At(50, 25), clRed);
}

TEST(FormBackground, APartialRepaintKeepsTheTilesInStep) {
    BackgroundForm f;
    PaintTile(f.tile, 7);
    const Picture before = [&] {
        Picture old(kTileW, kTileH);
        PaintTile(old, 0);
        return old;
    }();
    f.form.InvalidateRect({5, 3, 12, 9});
    f.d.Pump();
    EXPECT_EQ(f.At(5, 3), TileColour(f.tile, 5, 3));
    EXPECT_EQ(f.At(11, 8), TileColour(f.tile, 11, 8));
    EXPECT_EQ(f.At(7, 4), TileColour(f.tile, 7, 4));
    EXPECT_EQ(f.At(4, 3), TileColour(before, 4, 3)) << "outside the repainted part";
}

TEST(FormBackground, AnEmptyPictureLeavesTheFormsColour) {
    BackgroundForm f;
    f.tile.Clear();
    f.form.Invalidate();
    f.d.Pump();
    EXPECT_EQ(f.At(10, 10), clBlue);
}

}  // namespace
}  // namespace kv
