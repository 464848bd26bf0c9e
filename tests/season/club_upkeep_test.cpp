#include "season/club_upkeep.h"

#include <gtest/gtest.h>

#include "economy_world.h"

namespace kv {
namespace {

TEST(StadiumWorks, DueWorksOfEveryClubAreDeliveredOnce) {
    test::EconomyWorld w;
    const int human = w.AddClub({.human = true});
    const int computer = w.AddClub();
    for (int club : {human, computer}) w.data().teams[club].sector_capacity[1] = 1000;
    w.data().stadium_works.push_back({computer, {}, w.today(), {0, 500, -3, 0}, 1, {}});
    w.data().stadium_works.push_back({human, {}, w.today() - 2, {100, 200, 0, 0}, 1, {}});
    w.data().stadium_works.push_back({human, {}, w.today() + 1, {0, 700, 0, 0}, 1, {}});
    CompleteStadiumWorks(w.data());
    CompleteStadiumWorks(w.data());
    EXPECT_EQ(w.data().teams[computer].sector_capacity[1], 1500);
    EXPECT_EQ(w.data().teams[computer].sector_capacity[2], 0);
    EXPECT_EQ(w.data().teams[human].sector_capacity[0], 100);
    EXPECT_EQ(w.data().teams[human].sector_capacity[1], 1200);
    EXPECT_EQ(w.data().stadium_works[2].in_progress, 1);
}

TEST(ContractNotices, ByTheOptionsAndNeverForALoanee) {
    struct Case {
        const char* what;
        int notices;
        bool renew;
        double days_left;
        int loan_status;
        int subject;  // 0: no message
        int notice_after;
        double days_after;
    };
    const Case cases[] = {
        {"ended, all notices", 0, false, -1, 0, sjContractEnded, 2, -1},
        {"ended, only the end", 1, false, -1, 0, sjContractEnded, 2, -1},
        {"ended, only three weeks before", 2, false, -1, 0, sjContractEnding, 1, -1},
        {"ending, all notices", 0, false, 20, 0, sjContractEnding, 1, 20},
        {"ending in exactly three weeks", 0, false, 21, 0, 0, 0, 21},
        {"ending, only the end", 1, false, 20, 0, 0, 0, 20},
        {"no notices", 3, false, -1, 0, 0, 0, -1},
        {"ended and renewed", 0, true, -1, 0, 0, 0, 84},
        {"a loanee's loan ending", 0, true, 5, 2, 0, 0, 5},
        {"a loanee's loan overdue", 0, true, -1, 2, 0, 0, -1},
    };
    for (const Case& c : cases) {
        test::EconomyWorld w;
        const int club = w.AddClub({.human = true});
        const int player = w.AddPlayer(club);
        w.data().players[player].contract_end = w.today() + c.days_left;
        w.data().players[player].loan_status = c.loan_status;
        w.data().game_state.contract_notices = c.notices;
        w.data().game_state.auto_renew_contracts = c.renew;
        SendContractNotices(w.data(), club);
        SendContractNotices(w.data(), club);  // a notice is sent once
        ASSERT_EQ(w.data().inbox.size(), c.subject ? 1u : 0u) << c.what;
        if (c.subject) {
            EXPECT_EQ(w.data().inbox[0].subject, c.subject) << c.what;
            EXPECT_EQ(w.data().inbox[0].player, player);
        }
        EXPECT_EQ(w.data().players[player].contract_notice, c.notice_after) << c.what;
        EXPECT_EQ(w.data().players[player].contract_end, w.today() + c.days_after) << c.what;
    }
}

}  // namespace
}  // namespace kv
