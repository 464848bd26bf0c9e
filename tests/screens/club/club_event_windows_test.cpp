// The windows of the events between rounds that concern the user club: bids, loan requests
// and the death notice, opened on a game built from the sample database.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "core/money.h"
#include "core/random.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "platform/window/screen.h"
#include "screens/club/offer_window.h"
#include "screens/routes/game_event_windows.h"
#include "season/loans.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

class ClubEventWindowsTest : public test::SampleGameTest {
  protected:
    int SquadPlayer() const { return StrongestPlayer(club_); }
    int OtherClub() const { return ComputerClub(); }
    static WindowRequest Request(GameWindow window, int player, int club) {
        WindowRequest request(window);
        request.player = player;
        request.club = club;
        return request;
    }
};

TEST_F(ClubEventWindowsTest, AcceptedBidSellsThePlayerForThePriceShownAndTellsNobody) {
    GameData& data = Game();
    const int player = SquadPlayer();
    const int bidder = OtherClub();
    ASSERT_GT(player, 0);
    ASSERT_GE(bidder, 0);
    const Money cash = data.teams[club_].cash;
    const std::size_t news = data.inbox.size();
    int price = 0;
    driver_->Then([&] {
        auto* form = static_cast<TForm68*>(Screen::Get().FindForm("Form68"));
        ASSERT_NE(form, nullptr);
        price = form->offer_price();
        EXPECT_EQ(driver_->Text("Label2"), data.teams[bidder].name.str());
        EXPECT_EQ(driver_->Text("Label7"), data.players[player].name.str());
        EXPECT_EQ(driver_->Text("Label9"),
                  "Força: " + std::to_string(data.players[player].strength));
        driver_->SavePng("offer_window.png");
        driver_->Click("bt3");
    });
    EXPECT_TRUE(ShowGameEventWindow(Request(GameWindow::kPlayerOffer, player, bidder)));
    const long long value = MoneyToUnits(data.players[player].value);
    EXPECT_EQ(value, price);
    EXPECT_EQ(data.players[player].team, bidder);
    EXPECT_EQ(MoneyToUnits(data.teams[club_].cash - cash), price);
    EXPECT_EQ(data.inbox.size(), news);
    EXPECT_EQ(Screen::Get().FindForm("Form68"), nullptr);
}

// A refused bid changes nothing but the draw of its price, which the game without windows makes
// too: both go on with the same draws.
TEST_F(ClubEventWindowsTest, RefusedBidChangesNothingAndDrawsAsTheGameWithoutWindows) {
    GameData& data = Game();
    const int player = SquadPlayer();
    const int bidder = OtherClub();
    const Money cash = data.teams[club_].cash;
    SeedRandom(5);
    driver_->Then([&] { driver_->Click("SchemeButton1"); });
    EXPECT_FALSE(ShowGameEventWindow(Request(GameWindow::kPlayerOffer, player, bidder)));
    EXPECT_EQ(data.players[player].team, club_);
    EXPECT_EQ(data.teams[club_].cash, cash);
    const std::uint64_t after_window = RandomState();
    SeedRandom(5);
    AutomaticWindows automatic;
    EXPECT_FALSE(automatic.Show(Request(GameWindow::kPlayerOffer, player, bidder)));
    EXPECT_EQ(RandomState(), after_window);
    EXPECT_NE(after_window, 5u);
}

TEST_F(ClubEventWindowsTest, AcceptedLoanRequestLendsThePlayerForHalfAYear) {
    GameData& data = Game();
    const int player = SquadPlayer();
    const int borrower = OtherClub();
    data.players[player].loan_status = 1;
    driver_->Then([&] {
        EXPECT_NE(driver_->Text("Label2").find("ª divisão)"), std::string::npos);
        EXPECT_EQ(driver_->Text("Label7"), data.players[player].name.str());
        driver_->SavePng("loan_request_window.png");
        driver_->Click("bt3");
    });
    EXPECT_TRUE(ShowGameEventWindow(Request(GameWindow::kLoanRequest, player, borrower)));
    EXPECT_EQ(data.players[player].team, borrower);
    EXPECT_EQ(data.players[player].loan_status, 2);
    const int loan = FindOpenLoan(data, player);
    ASSERT_GE(loan, 0);
    EXPECT_EQ(data.loans[loan].owner, club_);
    const int day = data.game_state.calendar_day;
    EXPECT_DOUBLE_EQ(data.loans[loan].end_date, data.calendar[day - 1].date + 180);
}

// A request made for a player who has since left the club, died or retired is not put to
// the coach: no window opens (a modal window would wait for an answer here).
TEST_F(ClubEventWindowsTest, RequestsForAPlayerNoLongerAtTheClubAreNotShown) {
    GameData& data = Game();
    const int bidder = OtherClub();
    for (const GameWindow window : {GameWindow::kPlayerOffer, GameWindow::kLoanRequest}) {
        const int player = SquadPlayer();
        data.SetPlayerTeam(player, -1);
        EXPECT_FALSE(ShowGameEventWindow(Request(window, player, bidder)));
        EXPECT_EQ(data.players[player].team, -1);
        EXPECT_FALSE(ShowGameEventWindow(Request(window, 0, bidder)));
    }
}

TEST_F(ClubEventWindowsTest, DeathNoticeNamesThePlayerTheEventTookFromTheClub) {
    GameData& data = Game();
    const int player = SquadPlayer();
    data.players[player].age = 70;
    const int points = data.teams[club_].points[ckNationalLeague];
    bool shown = false;
    driver_->Then([&] {
        shown = true;
        EXPECT_EQ(driver_->Text("Label3"), data.players[player].name.str());
        EXPECT_NE(driver_->Text("Label4").find("irá perder 5 pontos"), std::string::npos);
        driver_->SavePng("death_notice_window.png");
        driver_->Click("bt3");
    });
    ScreenGameWindows windows;
    // Older players of the squad would die first: only ours is past sixty.
    for (int p = 1; p < static_cast<int>(data.players.size()); ++p)
        if (p != player && data.players[p].team == club_ && data.players[p].age >= 53)
            data.players[p].age = 30;
    PlayerDeathEvent(data, windows);
    EXPECT_TRUE(shown);
    EXPECT_EQ(data.players[player].team, -1);
    EXPECT_EQ(data.teams[club_].points[ckNationalLeague], points - 5);
    EXPECT_EQ(Screen::Get().FindForm("Form72"), nullptr);
}

}  // namespace
}  // namespace kv
