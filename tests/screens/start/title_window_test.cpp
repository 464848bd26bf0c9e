#include "screens/start/title_window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/sound_effects.h"
#include "platform/sound/sound_effects.h"
#include "platform/sound/sound_output.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/shell.h"
#include "platform/window/test_driver.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/title_menu.h"
#include "tests/fixtures/tiny_wav.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

void WritePng(const fs::path& path, int w, int h, ARGB colour) {
    fs::create_directories(path.parent_path());
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.SetPixelARGB(x, y, colour);
    ASSERT_TRUE(p.SaveToPng(path.string()));
}

bool SamePixels(const Picture& a, const Picture& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); y += 7)
        for (int x = 0; x < a.width(); x += 7)
            if (a.PixelARGB(x, y) != b.PixelARGB(x, y)) return false;
    return true;
}

class TitleWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_title_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        SetGameFolder(dir_.string());
        auto output = std::make_unique<RecordingSoundOutput>();
        effects_ = std::make_unique<SoundEffects>(std::move(output));
        SetSoundEffects(effects_.get());
        Game().Reset();
        TitleMenu() = {};
        g_spawn_for_tests = [this](const std::vector<std::string>& argv) {
            spawned_.push_back(argv.back());
            return true;
        };
    }
    void TearDown() override {
        g_spawn_for_tests = nullptr;
        TitleMenu() = {};
        SetSoundEffects(nullptr);
        SetGameFolder("");
        Game().Reset();
        fs::remove_all(dir_);
    }
    void Write(const fs::path& relative, const std::string& bytes) {
        fs::create_directories((dir_ / relative).parent_path());
        std::ofstream(dir_ / relative, std::ios::binary) << bytes;
    }
    // Opens the title window as the program does, on a screen of its own.
    TForm1& Open(int dpi = 96) {
        driver_.reset();  // one screen at a time
        driver_ = std::make_unique<TestDriver>(1024, 768, dpi);
        TForm1& form = driver_->screen().Create<TForm1>();
        form.Show();
        driver_->Pump();
        return form;
    }
    Image& Title() { return driver_->Get<Image>("img20111"); }
    int FormsNamed(std::string_view name) {
        int n = 0;
        for (Form* f : driver_->screen().Forms()) n += f->Name() == name && f->Visible();
        return n;
    }

    fs::path dir_;
    std::unique_ptr<SoundEffects> effects_;
    std::unique_ptr<TestDriver> driver_;
    std::vector<std::string> spawned_;
};

TEST_F(TitleWindowTest, EmptyFolderStartsWithDefaultFlagsNoSoundsAndCentredWindow) {
    Game().auction_player = 7;
    Game().regional_cup_entrants = {3, 4, 5, 6};
    TForm1& form = Open();

    EXPECT_EQ(form.Left(), (1024 - 514) / 2);
    EXPECT_EQ(form.Top(), (768 - 304) / 2);
    EXPECT_EQ(form.ClientWidth(), 514);
    EXPECT_EQ(form.ClientHeight(), 304);
    EXPECT_TRUE(background_bitmap().empty());
    for (const SoundEffectFile& e : kSoundEffectFiles)
        EXPECT_FALSE(effects_->Has(std::string(e.alias)));
    EXPECT_EQ(Game().auction_player, -1);
    EXPECT_EQ(Game().regional_cup_entrants, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));

    const Picture default_flag = ProgramPicture("bandeira");
    ASSERT_EQ(flag_pictures().size(), 203u);
    for (int n = 0; n < kFlagCountries; ++n)
        EXPECT_TRUE(SamePixels(flag_pictures()[n], default_flag)) << n;
    EXPECT_TRUE(flag_pictures()[202].empty());
    ASSERT_EQ(form.ImageList1().Count(), 202);
    EXPECT_EQ(form.ImageList1().Get(201).width(), 18);
    EXPECT_EQ(form.ImageList1().Get(201).PixelARGB(9, 9), form.ImageList1().Get(0).PixelARGB(9, 9));
}

TEST_F(TitleWindowTest, FlagsSoundsAndBackgroundComeFromTheGameFolder) {
    WritePng(dir_ / "img/f01.jpg", 40, 30, 0xFF336699);  // the decoder goes by content
    WritePng(dir_ / "img/flags/0.png", 10, 6, 0xFFFF0000);
    WritePng(dir_ / "img/flags/201.png", 10, 6, 0xFF00FF00);
    WritePng(dir_ / "img/flags/202.png", 10, 6, 0xFF0000FF);  // no country 202: never read
    Write("img/flags/7.png", "\x89PNG\r\n\x1a\n damaged");
    Write("img/flags/08.png", "");  // leading zeros name no country
    Write("sons/gol1.wav", TinyWav());
    Write("sons/INTERVALO.WAV", TinyWav());
    Write("sons/expulsao.wav", "not a sound");
    TForm1& form = Open();

    EXPECT_EQ(background_bitmap().width(), 40);
    const Picture default_flag = ProgramPicture("bandeira");
    struct Case {
        int country;
        ARGB colour;  // of its own file; 0 shows the default flag
    };
    const Case cases[] = {{0, 0xFFFF0000}, {201, 0xFF00FF00}, {7, 0}, {8, 0}, {1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        if (c.colour == 0) {
            EXPECT_TRUE(SamePixels(flag_pictures()[c.country], default_flag));
        } else {
            EXPECT_EQ(flag_pictures()[c.country].width(), 10);
            EXPECT_EQ(form.ImageList1().Get(c.country).PixelARGB(9, 9), c.colour);
        }
    }
    EXPECT_TRUE(flag_pictures()[202].empty());
    EXPECT_EQ(form.ImageList1().Count(), 202);

    for (const SoundEffectFile& e : kSoundEffectFiles)
        EXPECT_EQ(effects_->Has(std::string(e.alias)), e.alias == "gol" || e.alias == "intervalo")
            << e.alias;
}

TEST_F(TitleWindowTest, ClickZonesIncludeTheirEdgesAndNothingBeyond) {
    enum Effect { None, Exit, Site };
    struct Case {
        Point at;  // title picture pixels
        Effect effect;
    };
    const Case cases[] = {
        {{44, 260}, Exit}, {{90, 285}, Exit}, {{67, 272}, Exit},  {{43, 260}, None},
        {{91, 270}, None}, {{60, 259}, None}, {{60, 286}, None},  {{32, 70}, Site},
        {{210, 90}, Site}, {{120, 80}, Site}, {{31, 80}, None},   {{211, 80}, None},
        {{120, 69}, None}, {{120, 91}, None}, {{250, 150}, None},
    };
    Open();
    // The credit lines keep clear of the exit plate: nothing lies over its corner.
    EXPECT_EQ(driver_->screen().ControlAt(Title().ClientToScreen({44, 260}))->Name(), "img20111");
    for (const Case& c : cases) {
        spawned_.clear();
        Open();
        driver_->ClickAt(Title(), c.at);
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        EXPECT_EQ(driver_->screen().Terminated(), c.effect == Exit);
        EXPECT_EQ(driver_->Exists("img20111"), c.effect != Exit);
        EXPECT_EQ(spawned_, c.effect == Site ? std::vector<std::string>{kWebSiteAddress}
                                             : std::vector<std::string>{});
        driver_.reset();
    }
}

TEST_F(TitleWindowTest, NothingIsDrawnOverTheExitPlate) {
    Open();
    driver_->screen().Paint();
    const Picture title = ProgramPicture("tinicio");
    int covered = 0;
    for (int y = kExitZone.top; y <= kExitZone.bottom; ++y) {
        for (int x = kExitZone.left; x <= kExitZone.right; ++x) {
            const Point at = Title().ClientToScreen({x, y});
            covered += driver_->screen().PixelAt(at.x, at.y) != ARGBToColor(title.PixelARGB(x, y));
        }
    }
    EXPECT_EQ(covered, 0) << "pixels of the \"Sair\" plate that something else paints over";
}

TEST_F(TitleWindowTest, ExitZoneEndsTheEventLoop) {
    driver_ = std::make_unique<TestDriver>();
    TForm1& form = driver_->screen().Create<TForm1>();
    // The window is centred once shown: queue the click where its exit plate will be.
    for (InputEvent::Kind kind :
         {InputEvent::MouseMove, InputEvent::MouseDown, InputEvent::MouseUp}) {
        InputEvent e{kind};
        e.x = (1024 - 514) / 2 + 50;
        e.y = (768 - 304) / 2 + 270;
        driver_->backend().Push(e);
    }
    driver_->screen().Run(form);  // returns only when the program ends
    EXPECT_TRUE(driver_->screen().Terminated());
    EXPECT_FALSE(driver_->Exists("img20111"));
}

TEST_F(TitleWindowTest, HoverPicturesAndCursorsFollowTheMouse) {
    TForm1& form = Open();
    const Picture normal[] = {ProgramPicture("bt1"), ProgramPicture("bt2"), ProgramPicture("bt3")};
    const Picture hover[] = {ProgramPicture("bt5"), ProgramPicture("bt6"), ProgramPicture("bt7")};
    struct Step {
        const char* over;  // a menu button, or the title picture at `at`
        Point at;
        int hovered;  // 0: none
        int cursor;
    };
    const Step steps[] = {
        {"botoes1", {90, 25}, 1, crHandPoint},   {"botoes1", {10, 10}, 1, crHandPoint},
        {"botoes2", {90, 25}, 2, crHandPoint},   {"img20111", {250, 150}, 0, crArrow},
        {"img20111", {100, 80}, 0, crHandPoint}, {"botoes3", {90, 25}, 3, crHandPoint},
        {"img20111", {60, 270}, 0, crHandPoint}, {"img20111", {43, 270}, 0, crArrow},
        {"img20111", {60, 261}, 0, crHandPoint}, {"img20111", {60, 240}, 0, crArrow},
        {"botoes2", {5, 5}, 2, crHandPoint},     {"img20111", {300, 20}, 0, crArrow},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.over << " " << s.at.x << "," << s.at.y);
        driver_->MoveTo(driver_->Get(s.over), s.at);
        EXPECT_EQ(driver_->screen().ShownCursor(), s.cursor);
        EXPECT_EQ(form.AnyHovered(), s.hovered != 0);
        for (int n = 1; n <= kMenuButtons; ++n) {
            EXPECT_EQ(form.Hovered(n), n == s.hovered) << n;
            const Picture& want = n == s.hovered ? hover[n - 1] : normal[n - 1];
            EXPECT_TRUE(SamePixels(form.MenuButton(n)->GetPicture(), want)) << n;
        }
    }

    // While the game is busy the hourglass stays over the buttons.
    driver_->screen().SetScreenCursor(crHourGlass);
    driver_->MoveTo(driver_->Get("botoes1"), {90, 25});
    EXPECT_EQ(driver_->screen().ShownCursor(), crHourGlass);
    EXPECT_TRUE(form.Hovered(1));
}

TEST_F(TitleWindowTest, MenuButtonsOpenTheWindowsHandedIn) {
    Open();
    const size_t forms = driver_->screen().Forms().size();
    for (const char* b : {"botoes1", "botoes2", "botoes3"}) driver_->Click(b);
    EXPECT_EQ(driver_->screen().Forms().size(), forms) << "no window handed in: nothing opens";
    EXPECT_TRUE(driver_->Get("Form1").Visible());

    std::vector<std::string> opened;
    TitleMenu().load_game = [&]() -> Form& {
        opened.push_back("load");
        return driver_->screen().Create<Form>("Form21");
    };
    TitleMenu().editor = [&]() -> Form& {
        opened.push_back("editor");
        return driver_->screen().Create<Form>("Form2");
    };
    TitleMenu().new_game = [&]() -> Form& {
        opened.push_back("new");
        // The title window shows that it is working while the setup window is built.
        EXPECT_TRUE(driver_->Get("Label2").Visible());
        EXPECT_EQ(driver_->screen().ScreenCursor(), crHourGlass);
        return driver_->screen().Create<Form>("Form9");
    };
    const auto close_top = [&] { driver_->Then([&] { driver_->screen().TopForm()->Close(); }); };
    close_top();
    driver_->Click("botoes2");
    close_top();
    driver_->Click("botoes3");
    driver_->Click("botoes1");
    EXPECT_EQ(opened, (std::vector<std::string>{"load", "editor", "new"}));
    EXPECT_EQ(FormsNamed("Form9"), 1);
    EXPECT_EQ(FormsNamed("Form1"), 0) << "the title window hides behind the new-game setup";
    EXPECT_EQ(driver_->screen().ScreenCursor(), crDefault);
    EXPECT_FALSE(Form1()->Find("Label2")->Visible());
}

TEST_F(TitleWindowTest, FailingNewGameWindowRestoresCursorAndLabel) {
    TForm1& form = Open();
    TitleMenu().new_game = []() -> Form& { throw std::runtime_error("sem memória"); };
    EXPECT_THROW(form.PictureButtonClick(*form.MenuButton(1)), std::runtime_error);
    EXPECT_EQ(driver_->screen().ScreenCursor(), crDefault);
    EXPECT_EQ(form.MenuButton(2)->cursor, crDefault);
    EXPECT_FALSE(form.Find("Label2")->Visible());
    EXPECT_TRUE(form.Visible());
}

TEST_F(TitleWindowTest, LargeFontsWarningShowsOnceAndOnlyOffNinetySixDpi) {
    struct Case {
        int dpi;
        int warnings;
    };
    for (const Case c : {Case{96, 0}, Case{120, 1}, Case{72, 1}}) {
        SCOPED_TRACE(c.dpi);
        TForm1& form = Open(c.dpi);
        EXPECT_EQ(FormsNamed("Form17"), c.warnings);
        // Activated again, by another window going away or by being shown again.
        Form& other = driver_->screen().Create<Form>("other");
        other.Show();
        form.Show();
        driver_->Pump();
        form.FormActivate();
        EXPECT_EQ(FormsNamed("Form17"), c.warnings);
        if (c.warnings) {
            EXPECT_TRUE(form.LargeFontsWarned());
            driver_->screen().FindForm("Form17")->Show();
            driver_->Click("Button1");
            EXPECT_EQ(FormsNamed("Form17"), 0);
            form.FormActivate();
            EXPECT_EQ(FormsNamed("Form17"), 0);
        }
        driver_.reset();
    }
}

TEST_F(TitleWindowTest, Snapshot) {
    Open();
    driver_->MoveTo(driver_->Get("botoes2"), {90, 25});
    EXPECT_FALSE(driver_->SavePng("title_window.png").empty());
    // The title picture, not the black form, fills the window.
    const Point corner = driver_->Get("Form1").ClientToScreen({300, 10});
    EXPECT_NE(driver_->screen().PixelAt(corner.x, corner.y), clBlack);
}

}  // namespace
}  // namespace kv
