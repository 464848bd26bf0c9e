#include "screens/main/main_window_texts.h"
#include "season/news.h"

#include <gtest/gtest.h>

#include "core/dates.h"
#include "core/display_names.h"
#include "core/field_readers.h"
#include "core/money.h"
#include "core/money_text.h"
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

// A cup day after five league rounds: the club leads its continental group, tops no table of
// the national cup and is 17th of its league. The line after the division is the league's.
TEST(MainWindowTexts, DivisionLineNamesTheLeaguePositionOnEveryKindOfDay) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    const int club = test::AddClub(data, 1);
    t_team& t = data.teams[club];
    t.division = 1;
    t.state_division = 2;
    t.table_position[ckNationalLeague] = 17;
    t.table_position[ckContinentalCup] = 1;
    t.table_position[ckSecondContinentalCup] = 2;
    t.table_position[ckClubWorldCup] = 3;
    for (const int kind : {ckFriendly, ckNationalLeague, ckNationalCup, ckContinentalCup,
                           ckClubWorldCup, ckSecondContinentalCup, ckSuperCup})
        EXPECT_EQ(DivisionLineText(data, club, kind), "<shad>1ª divisão - 17º colocado</shad>")
            << kind;
    EXPECT_EQ(DivisionLineText(data, club, ckStateChampionship),
              "<shad>2ª divisão estadual</shad>");
    // Before the league's first round there is no position to show, whatever the day.
    t.table_position[ckNationalLeague] = 0;
    EXPECT_EQ(DivisionLineText(data, club, ckContinentalCup), "<shad>1ª divisão</shad>");
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
    const std::string lead = "Técnico 0, Porto Claro resolveu lhe demitir, ";
    // The board's reason comes from the club: the supporters first, then the debts, then the
    // results; a club out of the national league says so whatever else holds.
    struct Case {
        int supporters;
        long long cash;
        int division;
        DismissalReason reason;
        std::string text;
    } cases[] = {
        {14, -100, 1, DismissalReason::kSupporters,
         "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons."},
        {15, -100, 1, DismissalReason::kDebts,
         "pois você estava levando nosso clube para um pântano de dívidas sem fim."},
        {15, 0, 1, DismissalReason::kResults,
         "você não foi aprovado como treinador de nosso clube, da próxima vez tente ter "
         "melhores resultados."},
        {14, -100, 0, DismissalReason::kOutOfLeague,
         "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube."},
    };
    for (const Case& c : cases) {
        t.supporter_confidence = c.supporters;
        t.cash = MoneyFromUnits(c.cash);
        t.division = c.division;
        EXPECT_EQ(BoardDismissalReason(t), c.reason) << c.text;
        EXPECT_EQ(DismissalText(data, club, coach, c.reason), lead + c.text);
    }
    EXPECT_EQ(DismissalText(data, club, coach, DismissalReason::kOwnRequest),
              lead + "conforme você solicitou, boa sorte no próximo clube.");
}

// Today's match against an opponent in each kind of competition: the opponent's place, the
// competition and the round, at home or away.
TEST(MainWindowTexts, NextMatchByCompetition) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, kHomeCountry);
    const int other = test::AddClub(data, kHomeCountry);
    data.teams[club].name.set("Porto Claro");
    data.teams[club].state = 0;
    data.teams[other].name.set("Vila Nova");
    data.teams[other].table_position[ckNationalLeague] = 4;
    data.teams[other].table_position[ckStateChampionship] = 2;
    t_game_state& gs = data.game_state;
    gs.league_round = 7;
    gs.league_turn = 2;
    gs.national_cup_round = 2;
    gs.national_cup_leg = 1;
    gs.state_league_round = 7;
    gs.continental_cup_round = 5;
    gs.continental_cup_leg = 2;
    gs.second_cup_round = 2;
    gs.second_cup_phase = 1;
    const std::string league = "Campeonato " + NationalityAdjective(kHomeCountry);
    const std::string cup = "Copa " + CountryWithArticle(kHomeCountry);
    const std::string state = "Camp. " + std::string(state_adjectives[0]);
    const std::string libertadores(continental_cup_names[0]);
    struct Case {
        int kind;
        bool away;
        std::string text;
    } cases[] = {
        {ckFriendly, false,
         "<shad>Vila Nova </shad><br><shad>Amistoso</shad><br><shad>Casa</shad>"},
        {ckNationalLeague, true,
         "<shad>Vila Nova  - 4º colocado</shad><br><shad>" + league +
             "</shad><br><shad>Fora - 7ª rodada/2º turno</shad>"},
        {ckNationalCup, false,
         "<shad>Vila Nova </shad><br><shad>" + cup +
             "</shad><br><shad>Casa - Oitavas de final - 1º jogo</shad>"},
        // The second leg of the final says once where it is played.
        {ckStateChampionship, true,
         "<shad>Vila Nova  - 2º colocado</shad><br><shad>" + state +
             "</shad><br><shad>Fora - Final - 2º jogo</shad>"},
        {ckContinentalCup, false,
         "<shad>Vila Nova </shad><br><shad>" + libertadores +
             "</shad><br><shad>Casa - quartas de final - 2º jogo</shad>"},
        {ckClubWorldCup, false,
         "<shad>Vila Nova </shad><br><shad>Mundial Interclubes</shad><br><shad>Japão</shad>"},
        {ckSecondContinentalCup, true,
         "<shad>Vila Nova </shad><br><shad>Copa Sul-Americana</shad><br><shad>Fora - 2ª "
         "rodada/1º turno</shad>"},
        {ckSuperCup, false,
         "<shad>Vila Nova </shad><br><shad>Recopa Sul-Americana</shad><br><shad>Casa - 2º "
         "jogo</shad>"},
    };
    for (const Case& c : cases) {
        gs.match_kind = c.kind;
        EXPECT_EQ(NextMatchText(data, club, other, c.away), c.text) << c.kind;
    }
    // Before the league's first round nobody has a place; a foreign friendly is international.
    gs.match_kind = ckNationalLeague;
    gs.league_round = 1;
    gs.league_turn = 1;
    EXPECT_EQ(NextMatchText(data, club, other, false).find("colocado"), std::string::npos);
    gs.match_kind = ckFriendly;
    data.teams[other].country = 0;
    EXPECT_NE(NextMatchText(data, club, other, true).find("Amistoso Internacional"),
              std::string::npos);
}

TEST(MainWindowTexts, RefereeOfTheTurnByTheClubsCountry) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int home = test::AddClub(data, kHomeCountry);
    const int foreign = test::AddClub(data, 0);
    data.referees[4].name.set("Paulo Reis");
    data.referees[9].name.set("Hans Berg");
    for (int i = 0; i < 12; ++i) data.game_state.round_referees[i] = 0;
    data.game_state.round_referees[1] = 5;   // the second coach's home referee
    data.game_state.round_referees[7] = 10;  // his international one
    EXPECT_EQ(TurnReferee(data, home, 2), 5);
    EXPECT_EQ(TurnReferee(data, foreign, 2), 10);
    EXPECT_EQ(TurnReferee(data, home, 1), 0);
    EXPECT_EQ(RefereeHint(data, 5), "Árbitro: Paulo Reis");
    EXPECT_EQ(RefereeHint(data, 10), "Árbitro: Hans Berg");
    EXPECT_EQ(RefereeHint(data, 0), "");
    data.game_state.round_referees[0] = 99;  // a number outside the table names nobody
    EXPECT_EQ(TurnReferee(data, home, 1), 0);
}

TEST(MainWindowTexts, HeadToHeadPanel) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, kHomeCountry);
    const int other = test::AddClub(data, kHomeCountry);
    data.teams[club].name.set("Porto Claro");
    data.teams[other].name.set("Vila Nova");
    HeadToHeadTexts first = HeadToHeadPanelTexts(data, club, other);
    EXPECT_EQ(first.title, "<shad>Histórico de Confrontos  0 jogos (0 empates)</shad>");
    EXPECT_EQ(first.last_meeting,
              "<shad><b>Último jogo</b></shad><br><shad>Este é o primeiro jogo entre estes "
              "times</shad>");
    data.result_history.push_back({club, other, 2, 1, 1, 1});
    data.result_history.push_back({other, club, 1, 1, 2, 1});
    const HeadToHeadTexts h = HeadToHeadPanelTexts(data, club, other);
    EXPECT_EQ(h.title, "<shad>Histórico de Confrontos  2 jogos (1 empate)</shad>");
    EXPECT_EQ(h.records,
              "<shad>Porto Claro<IND x=\"150\">1V<IND x=\"180\">0D<IND x=\"210\">3GP<IND "
              "x=\"250\">2GC</shad><br><br><shad>Vila Nova<IND x=\"150\">0V<IND "
              "x=\"180\">1D<IND x=\"210\">2GP<IND x=\"250\">3GC</shad>");
    EXPECT_EQ(h.last_meeting,
              "<shad><b>Último jogo</b></shad><br><shad>2015 - Vila Nova 1 x 1 Porto "
              "Claro<br><shad><u>(ver todos os confrontos)</u></shad></shad>");
    EXPECT_EQ(h.club, "<shad><u>Porto Claro</u></shad>");
    EXPECT_EQ(h.opponent, "<shad><u>Vila Nova</u></shad>");
    EXPECT_EQ(h.heading, "<shad><b>Últimas temporadas</b></shad>");
}

TEST(MainWindowTexts, PlayerPanel) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.match_kind = ckNationalLeague;
    const double today = TodayDate(data);
    t_player& p = data.players.emplace_back();
    p.name.set("Caio Lima");
    p.position = 3;
    p.strength = 61;
    p.age = 24;
    p.value = MoneyFromUnits(1250000);
    p.wage = MoneyFromUnits(18500);
    p.characteristic1 = 2;
    p.characteristic2 = 2;
    p.yellow_cards[ckNationalLeague] = 2;
    p.contract_end = today + 100;
    const std::string name(characteristic_names[2]);
    EXPECT_EQ(PlayerNameLine(data, 1, false), "<B><SHAD>Caio Lima<IND x=\"150\">" +
                                                  std::string(position_names[3].substr(0, 1)) +
                                                  "</SHAD></B>");
    p.shirt_number = 8;
    EXPECT_EQ(PlayerNameLine(data, 1, true).substr(0, 33), "<B><SHAD>8 - Caio Lima<IND x=\"200");
    EXPECT_EQ(PlayerDetailsText(data, 1, false, 9, 3),
              "<SHAD><B>Força:</B>61<IND x=\"150\"><B>Idade</B>:24<BR><B>Valor Passe:</B>$" +
                  FormatDigitGroups(1250000) + "<IND x=\"150\"><B>Salário</B>:$" +
                  FormatDigitGroups(18500) +
                  "<BR><B>Jogos:</B>9 <B>Gols:</B>3 <B>C.A.:</B>2<BR><B>Características:</B>" +
                  name + "<BR><B>Contrato:</B>Contrato até " + FormatDate(today + 100) +
                  "<BR></shad><shad><B></B></SHAD>");
    // The situation line: three yellow cards before a suspension before an injury; the
    // contract line of a loanee and of a player who arrived this round.
    struct Case {
        int yellows, suspension;
        double injured, contract;
        int loan, moved;
        std::string situation, contract_text;
    } cases[] = {
        {3, 2, 5, 100, 0, 0, "Suspenso por 1 jogo: 3 cartões amarelos",
         "Contrato até " + FormatDate(today + 100)},
        {0, 2, 5, -1, 0, 0, "Suspenso por 2 jogo(s)", "Jogador com contrato expirado"},
        {0, 0, 5, 30, 2, 0, "Contundido até " + FormatDate(today + 5),
         "Emprestado até " + FormatDate(today + 30)},
        {0, 0, 0, 30, 2, 1, "", "Jogador só disponível no próximo jogo"},
    };
    for (const Case& c : cases) {
        p.yellow_cards[ckNationalLeague] = c.yellows;
        p.suspension[ckNationalLeague] = c.suspension;
        p.injured_until = today + c.injured;
        p.contract_end = today + c.contract;
        p.loan_status = c.loan;
        p.moved_this_round = static_cast<std::uint8_t>(c.moved);
        const std::string text = PlayerDetailsText(data, 1, true, 0, 0);
        EXPECT_NE(text.find("<B>Contrato:</B>" + c.contract_text + "<BR><br>"), std::string::npos)
            << text;
        EXPECT_TRUE(text.ends_with("<shad><B>" + c.situation + "</B></SHAD>")) << text;
    }
}

}  // namespace
}  // namespace kv
