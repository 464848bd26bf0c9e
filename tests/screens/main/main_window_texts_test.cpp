#include "screens/main/main_window_texts.h"

#include <gtest/gtest.h>

#include "core/field_readers.h"
#include "core/money.h"
#include "core/text_tables.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

TEST(MainWindowTexts, CountsAndLines) {
    EXPECT_EQ(SquadCountText(23), "<shad>23 jogadores</shad>");
    EXPECT_EQ(UnreadNewsText(0), "<shad>Sem novas notícias</shad>");
    EXPECT_EQ(UnreadNewsText(1), "<shad>1 notícia não lida</shad>");
    EXPECT_EQ(UnreadNewsText(3), "<shad>3 notícias não lidas</shad>");
    EXPECT_EQ(CoachText("Zé Lima"), "<shad><b>Téc:</b><u>Zé Lima</u></shad>");
    struct Case {
        double days;
        const char* hint;
    } cases[] = {{-1, "Contrato expirado"},
                 {0, "Contrato expira em 1 semana"},
                 {7, "Contrato expira em 1 semana"},
                 {8, "Contrato expira em menos de 3 semanas"},
                 {20, "Contrato expira em menos de 3 semanas"},
                 {21, ""}};
    for (const Case& c : cases) EXPECT_EQ(ContractHint(c.days), c.hint) << c.days;
}

TEST(MainWindowTexts, DivisionLineAndOldNewsReadAfterTwoWeeks) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    const int club = test::AddClub(data, 1);
    data.teams[club].division = 2;
    data.teams[club].state_division = 1;
    EXPECT_EQ(DivisionLineText(data, club, 1), "<shad>2ª divisão</shad>");
    data.teams[club].table_position[1] = 4;
    EXPECT_EQ(DivisionLineText(data, club, 1), "<shad>2ª divisão - 4º colocado</shad>");
    EXPECT_EQ(DivisionLineText(data, club, 3), "<shad>1ª divisão estadual</shad>");

    const double today = TodayDate(data);
    for (double age : {15.0, 3.0, 1.0}) {
        t_news_item& item = data.inbox.emplace_back();
        item.club = club;
        item.date = today - age;
    }
    data.inbox.emplace_back().club = club + 1;  // another club's
    EXPECT_EQ(CountUnreadNews(data, club), 2);
    EXPECT_EQ(data.inbox[0].read, 1);  // 15 days old: read without being counted
    EXPECT_EQ(data.inbox[1].read, 0);
}

TEST(MainWindowTexts, AClubWithNoMatchTodayHasNoOpponent) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    const int club = test::AddClub(data, 1);
    data.game_state.match_kind = 1;
    bool away = true;
    EXPECT_EQ(TodaysOpponentOf(data, club, away), -1);
    EXPECT_FALSE(away);
    EXPECT_EQ(TodaysOpponentOf(data, -1, away), -1);
}

TEST(MainWindowTexts, CharacteristicsOutOfRangeArePutRight) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    t_player& outfield = data.players.emplace_back();
    outfield.position = 2;
    outfield.characteristic1 = 20;
    outfield.characteristic2 = 20;
    t_player& keeper = data.players.emplace_back();
    keeper.characteristic1 = 20;
    keeper.characteristic2 = 1;
    const auto [text, hint] = CharacteristicsCell(data, 1);
    EXPECT_EQ(data.players[1].characteristic1, 13);
    EXPECT_EQ(data.players[1].characteristic2, 11);
    EXPECT_NE(text.find('/'), std::string::npos);
    EXPECT_FALSE(hint.empty());
    CharacteristicsCell(data, 2);
    EXPECT_EQ(data.players[2].characteristic1, 0);
    EXPECT_EQ(CharacteristicsCell(data, 2).second,
              std::string(characteristic_names[0]) + "/" + std::string(characteristic_names[1]));
}

TEST(MainWindowTexts, AvailabilityPictures) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    t_player& p = data.players.emplace_back();
    EXPECT_EQ(AvailabilityPicture(data, 1, 1), std::make_pair(0, false));
    p.star = 1;
    EXPECT_EQ(AvailabilityPicture(data, 1, 1), std::make_pair(12, false));
    p.injured_until = TodayDate(data) + 3;
    EXPECT_EQ(AvailabilityPicture(data, 1, 1), std::make_pair(7, true));
    p.suspension[1] = 1;
    EXPECT_EQ(AvailabilityPicture(data, 1, 1), std::make_pair(5, true));
    p.yellow_cards[1] = 3;
    p.star = 0;
    EXPECT_EQ(AvailabilityPicture(data, 1, 1), std::make_pair(4, true));
    EXPECT_EQ(AvailabilityPicture(data, 1, 2), std::make_pair(3, true));  // other kind: injured
}

TEST(MainWindowTexts, DismissalReasons) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    const int club = test::AddClub(data, 1);
    t_team& t = data.teams[club];
    t.name.set("Porto Claro");
    t.division = 1;
    const int coach = t.coach;
    const std::string lead = "Técnico 0, Porto Claro resolveu lhe demitir,";
    t.supporter_confidence = 14;
    t.cash = MoneyFromUnits(-100);
    EXPECT_EQ(DismissalText(data, club, coach, false),
              lead +
                  "porque a pressão da torcida foi grande pois seus resultados não estavam "
                  "sendo bons.");
    t.supporter_confidence = 15;
    EXPECT_EQ(DismissalText(data, club, coach, false),
              lead + "pois você estava levando nosso clube para um pântano de dívidas sem fim.");
    t.cash = 0;
    EXPECT_EQ(DismissalText(data, club, coach, false),
              lead +
                  "você não foi aprovado como treinador de nosso clube, da próxima vez tente "
                  "ter melhores resultados.");
    t.division = 0;
    EXPECT_EQ(DismissalText(data, club, coach, false),
              lead +
                  "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo "
                  "clube.");
    EXPECT_EQ(DismissalText(data, club, coach, true),
              lead + "conforme você solicitou, boa sorte no próximo clube.");
}

}  // namespace
}  // namespace kv
