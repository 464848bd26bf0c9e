// The windows reach one another: from the title window through a new game to the main window,
// and the main window's game menu to the save, options and about windows.
#include "screens/routes/window_routes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/screen_size.h"
#include "platform/window/radio_button.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

class WindowRoutesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_routes_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        const fs::path sample = KORVANEL_SAMPLE_GAME;
        fs::create_directory_symlink(sample / "img", dir_ / "img");
        fs::create_directory_symlink(sample / "teams", dir_ / "teams");
        SetGameFolder(dir_.string());
        SetScreenSize({1024, 768});
        Game().Reset();
        TitleMenu() = {};
        ConnectGameWindows();
    }
    void TearDown() override {
        driver_.reset();
        DiscardNewGameSetup();
        NewGameHandOver() = nullptr;
        TitleMenu() = {};
        SetGameFolder("");
        SetScreenSize({800, 600});
        Game().Reset();
        fs::remove_all(dir_);
    }
    template <class T>
    T* Shown() {
        for (Form* f : driver_->screen().Forms())
            if (auto* form = dynamic_cast<T*>(f); form && form->Visible() && !form->Freed())
                return form;
        return nullptr;
    }

    fs::path dir_;
    std::unique_ptr<TestDriver> driver_;
};

TEST_F(WindowRoutesTest, ANewGameFromTheTitleWindowOpensTheMainWindowOnTheChosenClub) {
    driver_ = std::make_unique<TestDriver>(1024, 768);
    TForm1& title = driver_->screen().Create<TForm1>();
    title.Show();
    driver_->Pump();
    SeedRandom(5);
    driver_->Click("botoes1");  // "Novo jogo"
    driver_->Pump();
    driver_->Click("SchemeButton2");  // the setup's defaults: Brasil, one coach
    driver_->Pump();

    TForm11* choice = Shown<TForm11>();
    ASSERT_NE(choice, nullptr);
    driver_->Click("Edit1");
    driver_->Type("Ana Souza");
    RadioButton* button = choice->ClubButton(1, 0);
    ASSERT_NE(button, nullptr);
    const int club = button->tag;
    driver_->Click(*button);
    driver_->Click("Button1");  // "Iniciar jogo": the builder runs on its timer
    driver_->Pump();

    EXPECT_EQ(Game().game_state.user_club, club);
    TForm13* main = Shown<TForm13>();
    ASSERT_NE(main, nullptr) << "the built game continues in the main window";
    EXPECT_EQ(main, MainWindow());
    EXPECT_TRUE(static_cast<bool>(MainWindowOpener("SaveGame")));
    EXPECT_TRUE(static_cast<bool>(MainWindowOpener("TForm32")));
    EXPECT_TRUE(static_cast<bool>(MainWindowOpener("TForm45")));
}

}  // namespace
}  // namespace kv
