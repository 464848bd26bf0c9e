#include "screens/club/lineup_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/picture_paths.h"
#include "match/lineup_strength.h"
#include "platform/window/check_box.h"
#include "platform/window/edit.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/club/club_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/routes/window_routes.h"
#include "tests/screens/sample_game_day.h"
#include "tests/screens/test_flags.h"
#include "ui/grid/column_classes.h"
#include "ui/controls/smooth_message_dialog.h"
#include "ui/controls/smooth_message_dialog_form.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

void NewGame(int humans) {
    testing::StartSampleGameOnAHumanDay(humans, 33);
    // The sample's kits lie beside its teams.
    SetGameFolder(std::string(KORVANEL_SAMPLE_TEAMS) + "/..");
    Game().game_state.user_club = Game().game_state.human_clubs[0];
}

class LineupWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = GameFolder(); }
    void TearDown() override {
        SetGameFolder(folder_);
        MainWindowNextScreen() = nullptr;
        MainWindowOpener("TForm87") = nullptr;
        driver_.reset();
        Game().Reset();
    }
    TForm87& OpenWindow(int width, int height) {
        driver_ = std::make_unique<TestDriver>(width, height);
        TForm87& form = driver_->screen().Create<TForm87>(false, -1);
        form.Show();
        driver_->Pump();
        return form;
    }
    TReportGrid& Grid() { return driver_->Get<TReportGrid>("gridview1"); }
    Control& Shirt(int n) { return driver_->Get("camisa" + std::to_string(n)); }
    void ChooseFormation(int formation) {
        auto& combo = driver_->Get<TUiComboBox>("combtat");
        combo.SetItemIndex(formation - 1);
        combo.on_change();
        driver_->Pump();
    }
    // Presses at a client point of `from`, moves in steps to the centre of `to`, releases.
    void Drag(Control& from, Point at, Point to_screen) {
        const Point start = from.ClientToScreen(at);
        driver_->MouseMove(start);
        driver_->MouseDown(start);
        for (int step = 1; step <= 4; ++step)
            driver_->MouseMove({start.x + (to_screen.x - start.x) * step / 4,
                                start.y + (to_screen.y - start.y) * step / 4});
        driver_->MouseUp(to_screen);
        driver_->Pump();
    }
    Point Centre(Control& c) { return c.ClientToScreen({c.Width() / 2, c.Height() / 2}); }
    std::string Caption(int shirt) {
        std::string s;
        for (const std::string& line :
             driver_->Get<TMarkupLabel>("labescal" + std::to_string(shirt)).HTMLLines())
            s += line;
        return s;
    }

    std::unique_ptr<TestDriver> driver_;
    std::string folder_;
};

TEST_F(LineupWindowTest, DragsFromTheListAndBetweenShirtsAndOntoThePitch) {
    NewGame(1);
    TForm87& form = OpenWindow(800, 600);
    HumanLineup& lineup = form.lineup();
    TReportGrid& grid = Grid();
    ASSERT_EQ(grid.GetRowCount(), static_cast<int>(lineup.rows().size()));
    EXPECT_EQ(lineup.StarterCount(), 0);

    // A row of a player who may play, under the mouse, dragged onto shirt 7.
    int row = -1, y = 0;
    for (y = grid.RowSize() + 4; y < grid.Height() - 10; y += grid.RowSize()) {
        row = grid.RowAtY(y);
        if (row >= 0 && grid.GetCellTextByVariant("gcstatus", row) == "0") break;
    }
    ASSERT_GE(row, 0);
    const int player = std::stoi(grid.GetCellTextByVariant("id", row));
    Drag(grid, {60, y}, Centre(Shirt(7)));
    EXPECT_EQ(lineup.shirt(7).player, player);
    EXPECT_EQ(grid.GetCellTextByVariant("gcstatus", row), "1");
    EXPECT_NE(Caption(7).find(Game().players[player].energy > 0 ? "%)" : ""), std::string::npos);

    // A formation fills every shirt; shirt 2 dragged onto shirt 12 changes their players.
    ChooseFormation(4);
    EXPECT_EQ(lineup.StarterCount(), 11);
    const int forward = lineup.shirt(2).player, substitute = lineup.shirt(12).player;
    Drag(Shirt(2), {27, 27}, Centre(Shirt(12)));
    EXPECT_EQ(lineup.shirt(2).player, substitute);
    EXPECT_EQ(lineup.shirt(12).player, forward);
    EXPECT_FALSE(driver_->Get("Image3").Visible());

    // A starter shirt dragged onto the pitch takes the position under the drop.
    Control& pitch = driver_->Get("Image1");
    const PitchPosition& twelve = PitchPositionInfo(12);
    Drag(Shirt(3), {27, 27}, pitch.ClientToScreen({twelve.x + 20, twelve.y + 20}));
    EXPECT_EQ(lineup.shirt(3).position, 12);
    EXPECT_EQ(Shirt(3).Left(), twelve.x);
    EXPECT_FALSE(driver_->Get("Image3").Visible());
    driver_->SavePng("lineup_window_800x600.png");
}

TEST_F(LineupWindowTest, SavesAndLoadsATacticAndAsksForElevenStarters) {
    NewGame(1);
    TForm87& form = OpenWindow(1280, 800);
    HumanLineup& lineup = form.lineup();
    // Too few starters: the message, and the turn goes on.
    driver_->AnswerModal(mrOk);
    driver_->Click("bt_irprojogo");
    ASSERT_FALSE(driver_->Messages().empty());
    EXPECT_NE(driver_->Messages().back().find("Selecione 11 jogadores"), std::string::npos);
    EXPECT_FALSE(form.played());

    ChooseFormation(9);
    driver_->SavePng("lineup_window_1280x800.png");
    const std::string saved = lineup.FormationText();
    driver_->Then([this] {
        driver_->Click("Edit1");
        driver_->Type("Três zagueiros");
        driver_->Click("UiGlowButton3");
        EXPECT_EQ(driver_->Get<TReportGrid>("grid1").GetRowCount(), 1);
        driver_->Click("UiGlowButton4");
    });
    driver_->Click("UiGlowButton1");
    ASSERT_EQ(Game().saved_tactics.size(), 1u);
    EXPECT_EQ(Game().saved_tactics[0].name.str(), "Três zagueiros");
    EXPECT_EQ(Game().saved_tactics[0].formation.str(), "3-5-2");

    ChooseFormation(1);
    EXPECT_NE(lineup.FormationText(), saved);
    driver_->Then([this] {
        auto& grid = driver_->Get<TReportGrid>("grid1");
        grid.SelectCell(1, 0);
        driver_->SavePng("saved_tactics_window.png");
        driver_->Click("UiGlowButton1");
    });
    driver_->Click("UiGlowButton1");
    EXPECT_EQ(lineup.FormationText(), saved);
    EXPECT_EQ(lineup.StarterCount(), 11);
}

TEST_F(LineupWindowTest, StandardLineupWithoutTheInjuredStarterAndTheTacticsBoxes) {
    NewGame(1);
    GameData& data = Game();
    const int club = data.game_state.user_club;
    data.game_state.keep_lineup = 1;
    int injured = 0;
    {
        HumanLineup stored(data, club, false);
        stored.AutoSelect(4);  // stored as the standard line-up
        injured = stored.shirt(5).player;
    }
    data.players[injured].injured_until = TodayDate(data) + 10;
    TForm87& form = OpenWindow(800, 600);
    EXPECT_TRUE(form.lineup().shirt(5).empty());
    EXPECT_EQ(form.lineup().StarterCount(), 10);
    EXPECT_TRUE(driver_->Get<CheckBox>("ckescalacao").Checked());
    TReportGrid& grid = Grid();
    const int row = form.lineup().RowOf(injured);
    EXPECT_EQ(grid.GetCellTextByVariant("status", row), "87");
    // The condition column draws the main window's availability marks: the injury's red cross.
    const int condition = data.players[injured].star ? 7 : 3;
    EXPECT_EQ(grid.GetCellTextByVariant("condicao", row), std::to_string(condition));
    auto* marks = dynamic_cast<TGrImageColumn*>(grid.Columns().ColumnByName("condicao"));
    ASSERT_NE(marks, nullptr);
    ASSERT_NE(marks->Images, nullptr);
    EXPECT_GE(marks->Width(), marks->Images->width);
    const int with_marks = testing::PaintedPixels(grid, 0xFFD62020u);
    ImageList* list = std::exchange(marks->Images, nullptr);
    EXPECT_GT(with_marks, testing::PaintedPixels(grid, 0xFFD62020u) + 10);
    marks->Images = list;
    grid.SelectCell(1, row);
    std::string hint;
    for (const std::string& line : driver_->Get<TMarkupLabel>("Label2").HTMLLines()) hint += line;
    EXPECT_NE(hint.find("Jogador contundido"), std::string::npos);

    // The tactics boxes write the club's settings at once.
    for (const auto& [name, item] : {std::pair{"comboej", 2}, {"combomarc", 1}, {"combo1", 3}}) {
        auto& box = driver_->Get<TUiComboBox>(name);
        box.SetItemIndex(item);
        box.on_change();
    }
    const t_team& team = data.teams[club];
    EXPECT_EQ(team.playing_style, 2);
    EXPECT_EQ(team.marking, 1);
    EXPECT_EQ(team.captain, form.lineup().rows()[3].player);

    // The club's kits: its second one chosen dresses the starters in it.
    ASSERT_TRUE(driver_->Get("rd2").Visible());
    driver_->Click("rd2");
    EXPECT_EQ(team.kit, 2);
    EXPECT_TRUE(driver_->Get<TMarkupRadioButton>("rd2").Checked());
    EXPECT_FALSE(driver_->Get<TMarkupRadioButton>("rd1").Checked());
    driver_->SavePng("lineup_window_kits.png");
}

// "Escalar Time" in the main window opens the line-up window; its "Jogar >>" hands the turn to
// the next coach and, after the last, to the match day.
TEST_F(LineupWindowTest, PlayHandsOverToTheNextCoachAndThenToTheMatchDay) {
    for (const int humans : {1, 2}) {
        SCOPED_TRACE(humans);
        NewGame(humans);
        driver_ = std::make_unique<TestDriver>(1024, 768);
        std::vector<NextScreen> next;
        ConnectGameWindows();
        MainWindowNextScreen() = [&next](NextScreen n) { next.push_back(n); };
        ASSERT_NE(ShowMainWindow(), nullptr);
        driver_->Pump();
        std::vector<int> clubs;
        for (int turn = 0; turn < humans; ++turn) {
            clubs.push_back(Game().game_state.user_club);
            EXPECT_TRUE(next.empty());
            driver_->Then([this] {
                ChooseFormation(4);
                driver_->Click("bt_irprojogo");
            });
            driver_->Click("btjogar");
            driver_->Pump();
        }
        ASSERT_EQ(next.size(), 1u);
        EXPECT_EQ(next[0], NextScreen::kMatchDay);
        EXPECT_EQ(clubs.size(), static_cast<std::size_t>(humans));
        for (const int club : clubs) {
            const int record = OwnMatchStrength(club);
            ASSERT_GE(record, 0) << club;
            EXPECT_GT(Game().match_strengths[record].attack_total, 0);
        }
        if (humans == 2) {
            EXPECT_NE(clubs[0], clubs[1]);
        }
        MainWindowNextScreen() = nullptr;
        driver_.reset();
        Game().Reset();
    }
}

// The club windows' message dialog as painted: the pixels of its text area.
struct DialogText {
    int width = 0, height = 0;
    std::vector<ARGB> pixels;
    ARGB At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
DialogText PaintClubDialog(const std::string& markup) {
    TestDriver d{800, 600};
    Form& owner = d.screen().Create<Form>("owner");
    owner.SetBounds(0, 0, 800, 600);
    owner.Show();
    TUiSmoothMessageDialog& dialog = AddClubMessageDialog(owner);
    dialog.HTMLText().SetText(markup);
    DialogText text;
    d.Then([&] {
        const TUiSmoothMessageDialogForm& form = *dialog.DialogForm();
        const RectF r = dialog.GetTextRect(form.ClientArea());
        text.width = static_cast<int>(r.width);
        text.height = static_cast<int>(r.height);
        for (int y = 0; y < text.height; ++y)
            for (int x = 0; x < text.width; ++x) {
                ARGB p = 0;
                form.Buffer()->BitmapGetPixel(static_cast<int>(r.x) + x, static_cast<int>(r.y) + y,
                                              p);
                text.pixels.push_back(p);
            }
        d.Press(VK_RETURN);
    });
    dialog.ShowDialog();
    return text;
}

// The shadow of the dialog's text hugs its letters: no second, faded copy of the message a few
// pixels away from the first.
TEST(ClubMessageDialog, ShadowedTextIsDrawnOnce) {
    const std::string words = "Selecione 11 jogadores, arrastando-os da lista.";
    const std::string lead = "<FONT size=\"10\"><FONT color=\"#FFFFFF\">";
    const DialogText plain = PaintClubDialog(lead + words + "</FONT></FONT>");
    const DialogText shadowed = PaintClubDialog(lead + "<SHAD>" + words + "</SHAD></FONT></FONT>");
    ASSERT_EQ(plain.width, shadowed.width);
    ASSERT_EQ(plain.height, shadowed.height);
    auto letter = [&](int x, int y) {
        if (x < 0 || y < 0) return false;
        const ARGB p = plain.At(x, y);
        return ((p >> 16) & 0xFF) > 96 && ((p >> 8) & 0xFF) > 96 && (p & 0xFF) > 96;
    };
    int shadow = 0, apart = 0;
    for (int y = 0; y < plain.height; ++y)
        for (int x = 0; x < plain.width; ++x) {
            if (plain.At(x, y) == shadowed.At(x, y)) continue;
            ++shadow;
            bool near = false;
            for (int dy = 0; dy <= 2 && !near; ++dy)
                for (int dx = 0; dx <= 2 && !near; ++dx) near = letter(x - dx, y - dy);
            if (!near) ++apart;
        }
    EXPECT_GT(shadow, 0) << "the text keeps a shadow";
    EXPECT_EQ(apart, 0) << "shadow pixels away from every letter";
}

}  // namespace
}  // namespace kv
