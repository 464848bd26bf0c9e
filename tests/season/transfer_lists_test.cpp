#include "season/transfer_lists.h"

#include <gtest/gtest.h>

#include "core/money_text.h"
#include "economy_world.h"

namespace kv {
namespace {

TEST(TransferLists, NewestFirstTwoHundredOfTheGameButEveryOneOfAClub) {
    test::EconomyWorld w;
    const int a = w.AddClub();
    const int b = w.AddClub();
    const int c = w.AddClub();
    const int player = w.AddPlayer(a);
    for (int k = 0; k < 250; ++k)
        w.data().transfer_log.push_back({player, {}, w.today() + k, k < 210 ? a : b, c, k, {}});
    const auto all = TransferListRows(w.data(), TransferListMode::kAllTransfers, -1);
    ASSERT_EQ(all.size(), 200u);
    EXPECT_EQ(all.front().fee, "$" + FormatDigitGroups(249));
    EXPECT_EQ(all.back().fee, "$" + FormatDigitGroups(50));
    EXPECT_EQ(all.front().date, FormatDate(w.today() + 249));
    const auto of_a = TransferListRows(w.data(), TransferListMode::kClubTransfers, a);
    ASSERT_EQ(of_a.size(), 210u);
    EXPECT_EQ(of_a.back().fee, "$" + FormatDigitGroups(0)) << "a loan move is listed at 0";
    EXPECT_EQ(TransferListRows(w.data(), TransferListMode::kClubTransfers, c).size(), 250u);
    w.data().teams[c].name.set("Vazio FC");
    const int d = w.AddClub();
    w.data().teams[d].name.set("Sem Negócios");
    EXPECT_TRUE(TransferListRows(w.data(), TransferListMode::kClubTransfers, d).empty());
    EXPECT_EQ(TransferListTitle(w.data(), TransferListMode::kClubTransfers, d),
              "Jogadores - Sem Negócios");
}

TEST(TransferLists, AppointmentsShowTheYearAndTheNewClub) {
    test::EconomyWorld w;
    const int club = w.AddClub();
    w.data().teams[club].name.set("Clube Novo");
    const int coach = w.AddCoach("Técnico Um");
    w.data().coach_appointment_log.push_back({coach, 1, club});
    w.data().coach_appointment_log.push_back({coach, 3, club});
    const auto rows = TransferListRows(w.data(), TransferListMode::kCoachAppointments, -1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].date, "2016");
    EXPECT_EQ(rows[1].date, "2014");
    EXPECT_EQ(rows[1].name, "Técnico Um");
    EXPECT_EQ(rows[1].to, "Clube Novo");
    EXPECT_TRUE(rows[1].from.empty());
}

}  // namespace
}  // namespace kv
