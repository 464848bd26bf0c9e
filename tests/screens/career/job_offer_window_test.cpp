// The job-offer window on a game built from the sample database.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "platform/window/list_view.h"
#include "platform/window/screen.h"
#include "screens/routes/game_event_windows.h"
#include "season/job_offers.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

class JobOfferWindowTest : public test::SampleGameTest {
  protected:
    // Two clubs invite the human coach.
    void Offer() {
        GameData& data = Game();
        coach_ = data.game_state.human_coaches[0];
        data.game_state.current_coach = coach_;
        first_ = ComputerClub(0);
        second_ = ComputerClub(1);
        data.job_offers = {first_, second_, -1, -1};
    }
    static int SquadSize(int club) {
        int n = 0;
        for (const t_player& p : Game().players) n += p.team == club ? 1 : 0;
        return n;
    }
    int coach_ = -1, first_ = -1, second_ = -1;
};

TEST_F(JobOfferWindowTest, TakingTheSecondOfferMovesTheCoachAndHisPredecessorSwapsClubs) {
    Offer();
    GameData& data = Game();
    const int second_coach = data.teams[second_].coach;
    driver_->Then([&] {
        EXPECT_EQ(driver_->Text("Label2"), data.coaches[coach_].name.str());
        EXPECT_EQ(driver_->Text("r1"), JobOfferCaption(data, first_));
        EXPECT_FALSE(driver_->Exists("r3"));
        auto& squad = driver_->Get<ListView>("ljog");
        EXPECT_EQ(squad.Count(), SquadSize(first_));
        // Goalkeepers come first.
        EXPECT_EQ(squad.CellText(0, 0), "G");
        driver_->Click("r2");
        EXPECT_EQ(squad.Count(), SquadSize(second_));
        EXPECT_NE(driver_->Text("Label6").find(data.teams[second_].name.str()), std::string::npos);
        driver_->SavePng("job_offer_window.png");
        driver_->Click("bt3");
    });
    EXPECT_TRUE(ShowGameEventWindow(WindowRequest(GameWindow::kJobOffer)));
    EXPECT_EQ(data.coaches[coach_].club, second_);
    EXPECT_EQ(data.teams[second_].coach, coach_);
    EXPECT_EQ(data.teams[club_].coach, second_coach);
    EXPECT_EQ(data.job_offers, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(Screen::Get().FindForm("Form30"), nullptr);
}

TEST_F(JobOfferWindowTest, RejectingAllLeavesEveryClubAndEmptiesTheOffers) {
    Offer();
    GameData& data = Game();
    const int first_coach = data.teams[first_].coach;
    driver_->Then([&] { driver_->Click("SchemeButton1"); });
    EXPECT_FALSE(ShowGameEventWindow(WindowRequest(GameWindow::kJobOffer)));
    EXPECT_EQ(data.coaches[coach_].club, club_);
    EXPECT_EQ(data.teams[first_].coach, first_coach);
    EXPECT_EQ(data.job_offers, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
}

}  // namespace
}  // namespace kv
