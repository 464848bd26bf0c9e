#include "screens/club/team_view_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/text_tables.h"
#include "platform/window/edit.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/club/purchase_windows.h"
#include "screens/main/main_window.h"
#include "screens/main/main_window_texts.h"
#include "season/loans.h"
#include "season/player_economy.h"
#include "tests/screens/sample_game_day.h"
#include "ui/controls/smooth_message_dialog.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

std::string Html(TestDriver& d, const char* name) {
    std::string s;
    for (const std::string& line : d.Get<TMarkupLabel>(name).HTMLLines()) s += line;
    return s;
}

class TeamViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::StartSampleGameOnAHumanDay(1, 33);
        GameData& data = Game();
        user_ = data.game_state.user_club = data.game_state.human_clubs[0];
        // A computer club whose players are willing to join the user club.
        for (int c = 0; c < ClubCount(data); ++c)
            if (c != user_ && !data.teams[c].human && data.teams[c].squad_size >= 16 &&
                data.teams[c].division >= data.teams[user_].division) {
                seller_ = c;
                break;
            }
        ASSERT_GE(seller_, 0);
        data.teams[seller_].reputation = 0;
        data.teams[user_].cash = MoneyFromUnits(50'000'000);
    }
    void TearDown() override {
        driver_.reset();
        Game().Reset();
    }
    TForm14& Open(int team) {
        driver_ = std::make_unique<TestDriver>(1024, 768);
        TForm14& form = driver_->screen().Create<TForm14>(team);
        form.Show();
        driver_->Pump();
        return form;
    }
    // Selects the squad row of the player.
    void Select(int player) {
        auto& grid = driver_->Get<TReportGrid>("joglist");
        for (int row = 0; row < grid.GetRowCount(); ++row)
            if (grid.GetCellTextByVariant("id", row) == std::to_string(player)) {
                grid.SelectCell(1, row);
                driver_->Pump();
                return;
            }
        FAIL() << "no row for player " << player;
    }
    int LastPlayerOf(int club) {
        const GameData& data = Game();
        for (int i = static_cast<int>(data.players.size()) - 1; i > 0; --i)
            if (data.players[i].team == club && data.players[i].loan_status == 0) return i;
        return -1;
    }

    std::unique_ptr<TestDriver> driver_;
    int user_ = -1, seller_ = -1;
    std::int32_t driver_offer_ = 0;
};

// The first picture of the window already shows both confidences at their values.
TEST_F(TeamViewTest, ConfidenceBarsShowTheirValuesAsTheWindowOpens) {
    GameData& data = Game();
    data.teams[seller_].board_confidence = 70;
    data.teams[seller_].supporter_confidence = 35;
    Open(seller_);
    const std::pair<const char*, double> bars[] = {{"gp1", 70}, {"gp2", 35}};
    for (const auto& [name, value] : bars) {
        auto& bar = driver_->Get<TUiSmoothProgressBar>(name);
        EXPECT_DOUBLE_EQ(bar.Position(), value) << name;
    }
    driver_->SavePng("team_view_confidences.png");
}

TEST_F(TeamViewTest, BuysAListedPlayerIntoTheSquadAndTheMoneyGoes) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 1;
    data.players[player].asking_price = MoneyFromUnits(300'000);
    const Money cash = data.teams[user_].cash;
    const int squad = data.teams[user_].squad_size;
    TForm14& form = Open(seller_);
    Select(player);
    EXPECT_TRUE(driver_->Get("bt1").Enabled());
    EXPECT_NE(Html(*driver_, "cardtext").find("Disponível para venda"), std::string::npos);
    driver_->SavePng("team_view_window.png");
    form.Bt1Click();
    driver_->Pump();
    EXPECT_EQ(data.players[player].team, user_);
    EXPECT_EQ(cash - data.teams[user_].cash, MoneyFromUnits(300'000));
    EXPECT_EQ(data.teams[user_].squad_size, squad + 1);
    EXPECT_NE(Html(*driver_, "Label27").find("Jogador comprado com sucesso."), std::string::npos);
    EXPECT_EQ(data.finances[user_].wage_bill, [&] {
        std::int64_t sum = 0;
        for (std::size_t i = 1; i < data.players.size(); ++i)
            if (data.players[i].team == user_) sum += data.players[i].wage / kMoneyScale;
        return sum;
    }());
}

TEST_F(TeamViewTest, OfferForAListedPlayerAtHisValueBuysHimThroughTheProposalWindow) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 1;
    TForm14& form = Open(seller_);
    Select(player);
    ASSERT_TRUE(driver_->Get("bt2").Enabled());
    const std::int32_t value = MoneyToWholeUnits(data.players[player].value);
    driver_->Then([this, value] {
        // The proposal opens with the value in whole thousands; an offer of the value rounded
        // up is enough for a listed player.
        EXPECT_EQ(driver_->Get<Edit>("Edit1").Text(), std::to_string(value / 1000));
        driver_->Get<Edit>("Edit1").SetText(std::to_string((value + 999) / 1000));
        driver_->Pump();
        driver_->SavePng("purchase_proposal_window.png");
        driver_->Click("bt1");
    });
    form.Bt2Click();
    EXPECT_EQ(data.players[player].team, user_);
}

TEST_F(TeamViewTest, RefusedOfferShowsTheOutcomeAndChangesNothing) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 0;
    const Money cash = data.teams[user_].cash;
    TForm14& form = Open(seller_);
    Select(player);
    driver_->Then([this] {
        driver_->Get<Edit>("Edit1").SetText("1");
        driver_->Pump();
        driver_->Then([this] {
            EXPECT_NE(Html(*driver_, "Label1").find("Sua proposta não foi aceita"),
                      std::string::npos);
            driver_->SavePng("purchase_outcome_window.png");
            driver_->Click("bt2");
        });
        driver_->Click("bt1");
    });
    form.Bt2Click();
    EXPECT_EQ(data.players[player].team, seller_);
    EXPECT_EQ(data.teams[user_].cash, cash);
}

// A club far above the user's: the seller takes the offer, the player says no. The game says
// so in the proposal's own message and on the team view, and nothing changes hands.
TEST_F(TeamViewTest, APlayerWhoRefusesTheMoveIsToldInTheMessageAndStays) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 1;
    data.teams[seller_].reputation = 5;
    data.teams[user_].reputation = 0;
    const Money cash = data.teams[user_].cash;
    const std::string name = data.players[player].name.str();
    TForm14& form = Open(seller_);
    Select(player);
    const std::int32_t value = MoneyToWholeUnits(data.players[player].value);
    bool told = false;
    driver_->Then([&] {
        driver_->Get<Edit>("Edit1").SetText(std::to_string((value + 999) / 1000));
        driver_->Pump();
        driver_->Then([&] {
            auto* dialog = static_cast<TUiSmoothMessageDialog*>(
                driver_->screen().FindForm("Form60")->FindComponent("info1"));
            ASSERT_NE(dialog, nullptr);
            ASSERT_NE(dialog->DialogForm(), nullptr);
            told = dialog->HTMLText().Text().find(
                       name + " se recusou a transferir para o seu time.") != std::string::npos;
            driver_->SavePng("purchase_refused_by_player.png");
            dialog->CloseDialog(mrOk);
        });
        driver_->Click("bt1");
    });
    form.Bt2Click();
    EXPECT_TRUE(told);
    EXPECT_EQ(data.players[player].team, seller_);
    EXPECT_EQ(data.teams[user_].cash, cash);
    EXPECT_NE(Html(*driver_, "Label27").find(name + " se recusou a transferir para o seu time."),
              std::string::npos);
}

TEST_F(TeamViewTest, AnotherHumanCoachAnswersTheOfferInHisOwnWindow) {
    Game().Reset();
    testing::StartSampleGameOnAHumanDay(2, 33);
    GameData& data = Game();
    user_ = data.game_state.user_club = data.game_state.human_clubs[0];
    const int other = data.game_state.human_clubs[1];
    data.teams[user_].cash = MoneyFromUnits(50'000'000);
    data.teams[other].reputation = 0;  // his players join anyone
    const int player = LastPlayerOf(other);
    const Money cash = data.teams[user_].cash;
    TForm14& form = Open(other);
    Select(player);
    // The proposal at the value goes to the other coach, who says no and then yes.
    auto propose = [&](const char* answer) {
        driver_->Then([this, answer, &data, player] {
            driver_->Then([this, answer, &data, player] {
                EXPECT_EQ(driver_->screen().ActiveForm()->Name(), "Form49");
                EXPECT_EQ(Html(*driver_, "Label3"), "<SHAD>" + data.teams[user_].name.str() +
                                                        " está querendo comprar o jogador: " +
                                                        data.players[player].name.str() +
                                                        "</SHAD>");
                EXPECT_EQ(Html(*driver_, "Label5"),
                          "<SHAD>" + FormatMoneyInWords(driver_offer_) + "</SHAD>");
                driver_->SavePng("seller_answer_window.png");
                driver_->Click(answer);
            });
            driver_offer_ = std::stoi(driver_->Get<Edit>("Edit1").Text()) * 1000;
            driver_->Click("bt1");
        });
        form.Bt2Click();
    };
    propose("bt2");
    EXPECT_EQ(data.players[player].team, other);
    EXPECT_EQ(data.teams[user_].cash, cash);
    propose("bt1");
    EXPECT_EQ(data.players[player].team, user_);
    EXPECT_EQ(cash - data.teams[user_].cash, MoneyFromUnits(driver_offer_));
}

TEST_F(TeamViewTest, LoanTakesThePlayerUntilTheSecondLoanIsTheLimit) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].loan_status = 1;
    data.teams[seller_].division = data.teams[user_].division;  // no refusal by division
    TForm14& form = Open(seller_);
    Select(player);
    ASSERT_TRUE(driver_->Get("bt4").Enabled());
    form.Bt4Click();
    EXPECT_EQ(data.players[player].team, user_);
    EXPECT_EQ(data.players[player].loan_status, 2);
    EXPECT_EQ(CountLoanedIn(data, user_), 1);

    const int second = LastPlayerOf(seller_);
    data.players[second].loan_status = 1;
    form.ShowTeam(seller_);
    Select(second);
    form.Bt4Click();
    ASSERT_EQ(CountLoanedIn(data, user_), 2);
    const int third = LastPlayerOf(seller_);
    data.players[third].loan_status = 1;
    form.ShowTeam(seller_);
    Select(third);
    form.Bt4Click();
    EXPECT_EQ(data.players[third].team, seller_);
    EXPECT_NE(Html(*driver_, "Label27").find("no máximo 2 jogadores emprestados"),
              std::string::npos);
}

TEST_F(TeamViewTest, OwnClubAndFullSquadAllowNothing) {
    GameData& data = Game();
    Open(user_);
    EXPECT_FALSE(driver_->Get("bt1").Enabled());
    EXPECT_FALSE(driver_->Get("bt2").Enabled());
    EXPECT_FALSE(driver_->Get("bt4").Enabled());
    driver_.reset();
    data.teams[user_].squad_size = 28;
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 1;
    Open(seller_);
    Select(player);
    EXPECT_FALSE(driver_->Get("bt1").Enabled());
    EXPECT_FALSE(driver_->Get("bt2").Enabled());
}

TEST_F(TeamViewTest, LinksOpenTheClubsHistoriesAndTheCardTurnsToTheCareer) {
    GameData& data = Game();
    std::vector<std::string> opened;
    const char* windows[] = {"TForm55", "TForm18", "TForm74", "TForm47", "TForm16"};
    for (const char* w : windows) MainWindowOpener(w) = [&opened, w] { opened.push_back(w); };
    const int player = LastPlayerOf(seller_);
    TForm14& form = Open(seller_);
    Select(player);
    MainWindowSelection& s = MainWindowSelections();
    s = MainWindowSelection{};
    for (const char* link : {"Label11", "Image3", "Label28"}) driver_->Click(link);
    EXPECT_EQ(opened, (std::vector<std::string>{"TForm55", "TForm18", "TForm74"}));
    EXPECT_EQ(s.history_club, seller_);
    EXPECT_EQ(s.fixtures_team, seller_);
    EXPECT_EQ(s.trophy_club, seller_);
    // The coach's page only for a club with a coach.
    const int coach =
        InTable(data.coaches, data.teams[seller_].coach) ? data.teams[seller_].coach : 0;
    ASSERT_TRUE(InTable(data.coaches, coach));
    data.teams[seller_].coach = -1;
    form.ShowTeam(seller_);
    EXPECT_EQ(Html(*driver_, "Label3"), "<SHAD><B>Técnico:</B> (técnico interino)</SHAD>");
    driver_->Click("Label3");
    EXPECT_EQ(opened.size(), 3u);
    data.teams[seller_].coach = coach;
    driver_->Advance(1'000);  // not a double click
    driver_->Click("Label3");
    EXPECT_EQ(opened.back(), "TForm47");
    EXPECT_EQ(s.career_subject_kind, 2);
    EXPECT_EQ(s.career_subject, coach);

    // The card turns to the career page and back; its button opens the full history.
    Select(player);
    ASSERT_TRUE(form.card_mode());
    driver_->Click("Image13");
    EXPECT_FALSE(form.card_mode());
    EXPECT_FALSE(driver_->Get("Image13").Visible());
    EXPECT_TRUE(driver_->Get("Image4").Visible());
    ASSERT_TRUE(driver_->Get("SchemeButton2").Visible());
    EXPECT_EQ(Html(*driver_, "cardtext"), TeamViewPlayerHistory(data, player));
    driver_->SavePng("team_view_window_history.png");
    driver_->Click("SchemeButton2");
    EXPECT_EQ(opened.back(), "TForm16");
    EXPECT_EQ(s.career_subject_kind, 1);
    EXPECT_EQ(s.career_subject, player);
    driver_->Advance(1'000);
    driver_->Click("Image4");
    EXPECT_TRUE(form.card_mode());
    EXPECT_FALSE(driver_->Get("SchemeButton2").Visible());
    EXPECT_EQ(Html(*driver_, "cardtext"), TeamViewPlayerCard(data, player));
    for (const char* w : windows) MainWindowOpener(w) = nullptr;
}

TEST_F(TeamViewTest, SquadRowsAreBandedAndTheirCellsCarryHints) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].on_sale = 1;
    data.players[player].loan_status = 1;
    Open(seller_);
    auto& grid = driver_->Get<TReportGrid>("joglist");
    ASSERT_GE(grid.GetRowCount(), 2);
    auto colour_of = [&grid](int row, TCellState state) {
        TColor colour = clWindow, grid_colour = clWindow;
        grid.on_cell_coloring(0, row, colour, grid_colour, state);
        return colour;
    };
    EXPECT_EQ(colour_of(0, {}), clWhite);
    EXPECT_EQ(colour_of(1, {}), static_cast<TColor>(0xECFFFF));
    EXPECT_EQ(colour_of(1, TCellState{csSelected}), clWindow) << "the selection keeps its colour";
    int row = -1;
    for (int r = 0; r < grid.GetRowCount(); ++r)
        if (grid.GetCellTextByVariant("id", r) == std::to_string(player)) row = r;
    ASSERT_GE(row, 0);
    const t_player& p = data.players[player];
    EXPECT_EQ(grid.GetCellTextByVariant("avenda", row), "0");
    EXPECT_EQ(grid.GetCellByVariant("avenda", row).Hint(), "A venda");
    EXPECT_EQ(grid.GetCellTextByVariant("gcemp", row), "2");
    EXPECT_EQ(grid.GetCellByVariant("gcemp", row).Hint(), "Disponível para empréstimo");
    EXPECT_EQ(grid.GetCellByVariant("passe", row).Hint(),
              FormatMoneyInWords(MoneyToWholeUnits(p.value)));
    EXPECT_EQ(grid.GetCellByVariant("paisjog", row).Hint(),
              std::string(CountryName(p.nationality)));
    EXPECT_NE(grid.GetCellByVariant("habilidadejog", row).Hint().find('/'), std::string::npos);
    EXPECT_EQ(driver_->Get("Image7").hint, std::string(CountryName(data.teams[seller_].country)));
    const int other = std::stoi(grid.GetCellTextByVariant("id", row == 0 ? 1 : 0));
    if (data.players[other].on_sale == 0) {
        EXPECT_EQ(grid.GetCellTextByVariant("avenda", row == 0 ? 1 : 0), "1");
        EXPECT_EQ(grid.GetCellByVariant("avenda", row == 0 ? 1 : 0).Hint(), "");
    }
    // The wheel over the squad scrolls it, while the clubs' tree keeps the focus.
    ASSERT_GT(grid.VertScrollBar().Max(), 0);
    ASSERT_EQ(grid.TopRow(), 0);
    driver_->MouseMove(grid.ClientToScreen({100, 60}));
    driver_->Wheel(-120);
    EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(TeamViewTest, StatusColumnUsesTheMainWindowsPictureCoding) {
    GameData& data = Game();
    const int player = LastPlayerOf(seller_);
    data.players[player].star = 1;
    data.players[player].yellow_cards[data.game_state.match_kind] = 3;
    Open(seller_);
    auto& grid = driver_->Get<TReportGrid>("joglist");
    bool found = false;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        if (grid.GetCellTextByVariant("id", row) != std::to_string(player)) continue;
        found = true;
        // A star with three yellow cards: the main window's picture 8.
        EXPECT_EQ(grid.GetCellTextByVariant("status", row), "8");
        EXPECT_EQ(AvailabilityPicture(data, player, data.game_state.match_kind).first, 8);
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace kv
