#include "screens/main/main_window_texts.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/text_tables.h"
#include "season/fixture_list.h"

namespace kv {

std::string SquadCountText(int players) {
    return "<shad>" + std::to_string(players) + " jogadores</shad>";
}

std::string UnreadNewsText(int unread) {
    if (unread == 1) return "<shad>1 notícia não lida</shad>";
    if (unread >= 2) return "<shad>" + std::to_string(unread) + " notícias não lidas</shad>";
    return "<shad>Sem novas notícias</shad>";
}

int CountUnreadNews(GameData& data, int club) {
    const double today = TodayDate(data);
    int unread = 0;
    for (t_news_item& item : data.inbox) {
        if (item.club != club || item.read) continue;
        if (today - item.date > 14)
            item.read = 1;
        else
            ++unread;
    }
    return unread;
}

std::string CoachText(const std::string& coach_name) {
    return "<shad><b>Téc:</b><u>" + coach_name + "</u></shad>";
}

std::string DivisionLineText(const GameData& data, int club, int kind) {
    const t_team& t = data.teams[club];
    if (kind == 3) return "<shad>" + std::to_string(t.state_division) + "ª divisão estadual</shad>";
    std::string line = std::to_string(t.division) + "ª divisão";
    const int k = kind >= 0 && kind < 10 ? kind : 1;
    if (t.table_position[k] >= 1)
        line += " - " + std::to_string(t.table_position[k]) + "º colocado";
    return "<shad>" + line + "</shad>";
}

std::string MoneyText(long long cash_units) {
    return "<shad>" + FormatMoneyInWords(static_cast<std::int32_t>(cash_units)) + "</shad>";
}

std::string ContractHint(double days_left) {
    if (days_left < 0) return "Contrato expirado";
    if (days_left < 8) return "Contrato expira em 1 semana";
    if (days_left < 21) return "Contrato expira em menos de 3 semanas";
    return {};
}

std::pair<std::string, std::string> CharacteristicsCell(GameData& data, int player) {
    t_player& p = data.players[player];
    const bool keeper = p.position == 0;
    if (p.characteristic1 < 0 || p.characteristic1 > 13) p.characteristic1 = keeper ? 0 : 13;
    if (p.characteristic2 < 0 || p.characteristic2 > 13) p.characteristic2 = keeper ? 1 : 11;
    const auto c1 = static_cast<std::size_t>(p.characteristic1);
    const auto c2 = static_cast<std::size_t>(p.characteristic2);
    if (c1 == c2) return {std::string(characteristic_names[c1]), {}};
    return {std::string(characteristic_abbrevs[c1]) + "/" + std::string(characteristic_abbrevs[c2]),
            std::string(characteristic_names[c1]) + "/" + std::string(characteristic_names[c2])};
}

std::pair<int, bool> AvailabilityPicture(const GameData& data, int player, int kind) {
    const t_player& p = data.players[player];
    const int k = kind >= 0 && kind < 11 ? kind : 1;
    int picture = 0;
    if (p.yellow_cards[k] >= 3)
        picture = 4;
    else if (p.suspension[k] > 0)
        picture = 1;
    else if (p.injured_until > TodayDate(data))
        picture = 3;
    if (picture != 0) return {p.star ? picture + 4 : picture, true};
    return {p.star ? 12 : 0, false};
}

int TodaysOpponentOf(const GameData& data, int club, bool& away) {
    away = false;
    if (club < 0) return -1;
    TodaysOpponent today;
    if (FindTodaysOpponent(data, club, today)) {
        away = today.away != 0;
        return today.opponent;
    }
    const int f = FindFixtureOnDate(data, club, TodayDate(data));
    if (f < 0 || f >= static_cast<int>(data.fixtures.size())) return -1;
    const t_fixture& fixture = data.fixtures[static_cast<std::size_t>(f)];
    away = fixture.away == club;
    return away ? fixture.home : fixture.away;
}

std::string DismissalText(const GameData& data, int club, int coach, bool resigned) {
    const t_team& t = data.teams[club];
    std::string reason;
    if (t.supporter_confidence < 15)
        reason =
            "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons";
    else if (t.cash < 0)
        reason = "pois você estava levando nosso clube para um pântano de dívidas sem fim";
    else
        reason =
            "você não foi aprovado como treinador de nosso clube, da próxima vez tente ter "
            "melhores resultados";
    if (t.division == 0)
        reason = "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube.";
    if (resigned) reason = "conforme você solicitou, boa sorte no próximo clube";
    const std::string coach_name = coach >= 0 && coach < static_cast<int>(data.coaches.size())
                                       ? data.coaches[coach].name.str()
                                       : std::string();
    // The out-of-the-league reason ends its own sentence: no second full stop.
    if (!reason.ends_with('.')) reason += '.';
    return coach_name + ", " + t.name.str() + " resolveu lhe demitir," + reason;
}

}  // namespace kv
