#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/picture.h"
#include "tests/ui/markup/picture_bytes.h"
#include "ui/markup/gdip_picture.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/picture_container.h"
#include "ui/markup/ui_gdip_picture.h"
#include "ui/markup/ui_hint_info.h"

namespace kv {
namespace {

// Two frames at (0, 0) and (7, 9), each a graphic control extension then a descriptor.
Bytes TwoFrameGif() {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 10, 0, 0, 0, 0};
    for (std::uint8_t left : {0, 7}) {
        const std::uint8_t top = left ? 9 : 0;
        b.insert(b.end(), {0x21, 0xF9, 0x04, 0, 0, 0, 0,    0x00, 0x2C, left, 0,   top,
                           0,    3,    0,    3, 0, 0, 0x02, 0x02, 0x4C, 0x01, 0x00});
    }
    b.push_back(0x3B);
    return b;
}

TEST(PictureContainer, FindsNamesWithoutCaseAndReportsItsVersion) {
    TPictureContainer markup;
    markup.Add().Name = "i_gol";
    markup.Add().Name = "I_GOL";
    EXPECT_EQ(markup.FindPictureByName("I_GOL"), &markup[0].picture);
    EXPECT_EQ(markup.FindPictureByName("i_ca"), nullptr);
    EXPECT_EQ(markup.Version(), "2.0.0.0");
    markup.SetVersion("9.9.9.9");
    EXPECT_EQ(markup.Version(), "2.0.0.0");

    TGDIPPictureContainer gdip;
    gdip.Add().Name = "i_cv";
    EXPECT_EQ(gdip.FindPictureByName("I_CV"), &gdip[0].picture);
    EXPECT_EQ(gdip.Version(), "1.0.0.0");

    // Items copy their pictures: changing the source later changes nothing.
    TGDIPPictureItem copy;
    gdip[0].picture.LoadFromBytes(test::PngHeader(5, 6));
    gdip[0].Tag = 3;
    copy.Assign(gdip[0]);
    gdip[0].picture.LoadFromBytes(test::PngHeader(1, 1));
    EXPECT_EQ(copy.Name, "i_cv");
    EXPECT_EQ(copy.Tag, 3);
    EXPECT_EQ(copy.picture.Width(), 5);
}

TEST(MarkupPicture, CacheLooksAddressesUpExactly) {
    TMarkupPictureCache cache;
    TMarkupPicture* p = cache.AddPicture();
    p->Asynchronous = false;
    p->LoadFromAddress("file://a.png");
    EXPECT_EQ(cache.FindPictureByAddress("file://a.png"), p);
    EXPECT_EQ(cache.FindPictureByAddress("FILE://a.png"), nullptr);
    EXPECT_EQ(cache.GetPicture(0), p);
    EXPECT_EQ(cache.GetPicture(1), nullptr);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(MarkupPicture, LoadsFromFilesResourcesAndNothingFromTheNetwork) {
    TMarkupPicture missing;
    missing.LoadFromFile("/nao/existe.png");
    EXPECT_TRUE(missing.Empty());

    const std::string path = test::WriteOutputFile("foto.png", test::PngHeader(30, 20));
    TMarkupPicture file;
    int changes = 0;
    file.OnChange = [&] { ++changes; };
    file.LoadFromAddress("File://" + path);
    EXPECT_FALSE(file.Empty());
    EXPECT_EQ(file.Width(), 30);
    EXPECT_EQ(file.Height(), 20);
    EXPECT_EQ(file.Identity(), "File://" + path);
    EXPECT_EQ(changes, 1);

    MarkupResourceLoader() = [](std::string_view name) -> std::optional<Bytes> {
        if (name == "LOGO") return test::PngHeader(8, 4);
        return std::nullopt;
    };
    TMarkupPicture resource;
    resource.LoadFromAddress("res://LOGO");
    EXPECT_EQ(resource.Width(), 8);
    MarkupResourceLoader() = nullptr;

    TMarkupPicture web;
    web.LoadFromAddress("http://x.org/a.png");
    EXPECT_TRUE(web.Empty());
    EXPECT_TRUE(web.Busy());
    EXPECT_EQ(web.Identity(), "");
    TMarkupPicture sync;
    sync.Asynchronous = false;
    sync.LoadFromAddress("http://x.org/a.png");
    EXPECT_FALSE(sync.Busy());
    EXPECT_EQ(sync.Identity(), "http://x.org/a.png");
}

TEST(MarkupPicture, AnimationFramesAndAssignment) {
    TMarkupPicture gif;
    gif.LoadFromBytes(TwoFrameGif());
    EXPECT_EQ(gif.GetFrameCount(), 2);
    int frame_changes = 0;
    gif.OnFrameChange = [&] { ++frame_changes; };
    gif.SetFrame(2);
    EXPECT_EQ(gif.FrameLeft(), 7);
    EXPECT_EQ(gif.FrameTop(), 9);
    EXPECT_EQ(frame_changes, 1);

    TMarkupPicture copy;
    gif.Stretch = true;
    copy.Assign(&gif);
    EXPECT_TRUE(copy.Stretch);
    EXPECT_EQ(copy.Frame(), 2);
    EXPECT_EQ(copy.FrameLeft(), 7);
    EXPECT_EQ(copy.Data(), gif.Data());

    TMarkupPicture png;
    png.ReadData(test::PngHeader(4, 4));
    EXPECT_EQ(png.GetFrameCount(), -1);
    png.Assign(nullptr);
    EXPECT_TRUE(png.Empty());
    EXPECT_TRUE(png.Data().empty());
}

TEST(GdipPicture, SizesComeFromHeadersOrTheBytes) {
    const std::string png = test::WriteOutputFile("quadro.png", test::PngHeader(300, 200));
    const std::string ico = test::WriteOutputFile("icone.ico", test::PngHeader(300, 200));
    TUiGDIPPicture ui;
    ui.LoadFromFile(png);
    EXPECT_FALSE(ui.Empty());
    EXPECT_EQ(ui.Width(), 300);
    EXPECT_EQ(ui.Height(), 200);
    ui.LoadFromFile(ico);  // the header is read by extension; this one has no reader
    EXPECT_EQ(ui.Width(), 0);
    EXPECT_TRUE(ui.UpdateImageSize());
    EXPECT_EQ(ui.Width(), 300);
    ui.LoadFromFile("/nao/existe.png");
    EXPECT_TRUE(ui.Empty());

    TGDIPPicture glow;
    glow.ReadData(test::PngHeader(12, 34));
    EXPECT_FALSE(glow.Empty());
    EXPECT_EQ(glow.Width(), 0);  // streamed in: the size waits for UpdateImageSize
    EXPECT_TRUE(glow.UpdateImageSize());
    EXPECT_EQ(glow.Height(), 34);

    TUiGDIPPicture streamed;
    streamed.ReadData({});
    EXPECT_TRUE(streamed.Empty());
    streamed.ReadData(test::PngHeader(7, 8));
    EXPECT_EQ(streamed.Width(), 7);
    EXPECT_EQ(streamed.SaveToBytes(), test::PngHeader(7, 8));
}

template <class Picture>
std::vector<std::string> EventsOfLoadingThenClearing() {
    std::vector<std::string> events;
    Picture p;
    p.OnChange = [&] { events.push_back("change"); };
    p.OnClear = [&] { events.push_back("clear"); };
    p.LoadFromBytes(test::PngHeader(2, 2));
    p.Assign(nullptr);
    if (!p.Empty()) events.push_back("not empty");
    return events;
}

TEST(GdipPicture, AssigningNothingNotifiesChangeThenClear) {
    const std::vector<std::string> expected{"change", "change", "clear"};
    EXPECT_EQ(EventsOfLoadingThenClearing<TUiGDIPPicture>(), expected);
    EXPECT_EQ(EventsOfLoadingThenClearing<TGDIPPicture>(), expected);

    // Any picture kept as bytes can be assigned to either kind.
    TGDIPPicture source;
    source.LoadFromBytes(test::PngHeader(9, 3));
    TUiGDIPPicture ui;
    ui.Assign(&source);
    EXPECT_FALSE(ui.Empty());
    EXPECT_EQ(ui.Width(), 9);
    TUiGDIPPicture empty_ui;
    ui.Assign(&empty_ui);
    EXPECT_TRUE(ui.Empty());

    TUiHintInfo hint, copy;
    hint.Title = "Dica";
    hint.Notes = {"linha 1", "linha 2"};
    hint.ShowHelp = true;
    hint.Picture.LoadFromBytes(test::PngHeader(3, 3));
    copy.Assign(hint);
    EXPECT_EQ(copy.Title, "Dica");
    EXPECT_EQ(copy.Notes.size(), 2u);
    EXPECT_TRUE(copy.ShowHelp);
    EXPECT_EQ(copy.Picture.Width(), 3);
}

// A 4 x 2 bitmap, red but for its bottom-left pixel, which is blue.
Bytes RedBitmapWithBlueCorner() {
    Bytes b = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0,  0,
               4,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0,  0, 16, 0,
               0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0,  0};
    for (int row = 0; row < 2; ++row) {  // bottom row first
        for (int x = 0; x < 4; ++x) {
            const bool blue = row == 0 && x == 0;
            b.insert(b.end(), {std::uint8_t(blue ? 255 : 0), 0, std::uint8_t(blue ? 0 : 255)});
        }
    }
    return b;
}

TEST(GdipPicture, BitmapsDrawAtTheirSizeWithTheirCornerColourLeftOut) {
    constexpr ARGB kRed = 0xFFFF0000;
    struct Case {
        std::string how;
        bool stretched;
    };
    const Case cases[] = {
        {"graphics, transparent", false},
        {"graphics, opaque", true},
        {"canvas", false},
        {"canvas, glow picture", true},
    };
    for (const auto& c : cases) {
        Picture target(8, 4);
        TUiGDIPPicture ui;
        ui.LoadFromBytes(RedBitmapWithBlueCorner());
        TGDIPPicture glow;
        glow.LoadFromBytes(RedBitmapWithBlueCorner());
        const Rect r{0, 0, 8, 4};
        if (c.how.starts_with("graphics")) {
            ui.Transparent = c.how == "graphics, transparent";
            Graphics g(target);
            ui.DrawOnGraphics(g, r);
        } else {
            Canvas canvas(target);
            canvas.brush.style = bsClear;
            if (c.how == "canvas") {
                ui.Draw(canvas, r);
            } else {
                glow.Draw(canvas, r);
            }
        }
        EXPECT_EQ(target.PixelARGB(1, 0), kRed) << c.how;
        EXPECT_EQ(target.PixelARGB(7, 0), c.stretched ? kRed : 0) << c.how;
        if (!c.stretched) {
            EXPECT_EQ(target.PixelARGB(0, 1), 0u) << c.how;  // the corner's colour is keyed out
            EXPECT_EQ(target.PixelARGB(1, 1), kRed) << c.how;
        }
    }
}

TEST(GdipPicture, TexturesTileThePicture) {
    Picture tile(2, 2);
    tile.SetPixelARGB(0, 0, 0xFF00FF00);
    TUiGDIPPicture ui;
    ui.LoadFromBytes(tile.SaveToPngMemory());
    Picture target(6, 6);
    Graphics g(target);
    ui.FillRectWithTexture(g, RectF{0, 0, 6, 6});
    EXPECT_EQ(target.PixelARGB(4, 4), 0xFF00FF00u);
    EXPECT_EQ(target.PixelARGB(5, 4), 0u);
}

}  // namespace
}  // namespace kv
