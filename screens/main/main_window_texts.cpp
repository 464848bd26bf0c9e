#include "screens/main/main_window_texts.h"

#include <algorithm>
#include <array>

#include "core/dates.h"
#include "core/display_names.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/text_tables.h"
#include "season/fixture_list.h"
#include "season/player_stats.h"

namespace kv {

std::string SquadCountText(int players) {
    return "<shad>" + std::to_string(players) + " jogadores</shad>";
}

std::string UnreadNewsText(int unread) {
    if (unread == 1) return "<shad>1 notícia não lida</shad>";
    if (unread >= 2) return "<shad>" + std::to_string(unread) + " notícias não lidas</shad>";
    return "<shad>Sem novas notícias</shad>";
}

std::string CoachText(const std::string& coach_name) {
    return "<shad><b>Téc:</b><u>" + coach_name + "</u></shad>";
}

std::string DivisionLineText(const GameData& data, int club, int kind) {
    const t_team& t = data.teams[club];
    if (kind == ckStateChampionship)
        return "<shad>" + std::to_string(t.state_division) + "ª divisão estadual</shad>";
    // The division is the league's, so the position beside it is the league's on every other
    // day: a cup group's position there would read as a place in the league.
    std::string line = std::to_string(t.division) + "ª divisão";
    if (const int position = t.table_position[ckNationalLeague]; position >= 1)
        line += " - " + std::to_string(position) + "º colocado";
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
    const int picture = ConditionPicture(data.players[player], kind, TodayDate(data));
    return {picture, picture != 0 && picture != 12};
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

std::string DismissalText(const GameData& data, int club, int coach, DismissalReason reason) {
    std::string text;
    switch (reason) {
        case DismissalReason::kSupporters:
            text =
                "porque a pressão da torcida foi grande pois seus resultados não estavam "
                "sendo bons";
            break;
        case DismissalReason::kDebts:
            text = "pois você estava levando nosso clube para um pântano de dívidas sem fim";
            break;
        case DismissalReason::kResults:
            text =
                "você não foi aprovado como treinador de nosso clube, da próxima vez tente ter "
                "melhores resultados";
            break;
        case DismissalReason::kOutOfLeague:
            text =
                "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo "
                "clube.";
            break;
        case DismissalReason::kOwnRequest:
            text = "conforme você solicitou, boa sorte no próximo clube";
            break;
    }
    const std::string coach_name = coach >= 0 && coach < static_cast<int>(data.coaches.size())
                                       ? data.coaches[coach].name.str()
                                       : std::string();
    const std::string club_name = club >= 0 && club < static_cast<int>(data.teams.size())
                                      ? data.teams[club].name.str()
                                      : std::string();
    // The out-of-the-league reason ends its own sentence: no second full stop.
    if (!text.ends_with('.')) text += '.';
    return coach_name + ", " + club_name + " resolveu lhe demitir, " + text;
}

namespace {

std::string TeamName(const GameData& data, int team) {
    return team >= 0 && team < static_cast<int>(data.teams.size()) ? data.teams[team].name.str()
                                                                   : std::string();
}

// "3ª rodada/1º turno" in a group stage; the knock-out round with its leg after it.
std::string ContinentalRoundText(int round, int phase, int leg) {
    if (round <= 3) return std::to_string(round) + "ª rodada/" + std::to_string(phase) + "º turno";
    std::string stage;
    if (round == 4)
        stage = "oitavas de final";
    else if (round == 5)
        stage = "quartas de final";
    else if (round == 6)
        stage = "semi-final";
    else
        stage = "final";
    return stage + (leg == 2 ? " - 2º jogo" : " - 1º jogo");
}

}  // namespace

std::string NextMatchText(const GameData& data, int club, int opponent, bool away) {
    const t_game_state& gs = data.game_state;
    const int kind = gs.match_kind;
    const t_team& team = data.teams[club];
    const t_team& other = data.teams[opponent];
    const TContinent continent = ContinentOfCountry(team.country);
    std::string position, competition, round;
    std::string where = away ? "Fora - " : "Casa - ";
    switch (kind) {
        case ckFriendly:
            where = away ? "Fora" : "Casa";
            competition = team.country == other.country ? "Amistoso" : "Amistoso Internacional";
            break;
        case ckNationalLeague:
            // Before the first round nobody has a place in the table.
            if (!(gs.league_round == 1 && gs.league_turn == 1) &&
                other.table_position[ckNationalLeague] >= 1)
                position =
                    " - " + std::to_string(other.table_position[ckNationalLeague]) + "º colocado";
            competition = "Campeonato " + NationalityAdjective(team.country);
            round = std::to_string(gs.league_round) + "ª rodada/" + std::to_string(gs.league_turn) +
                    "º turno";
            break;
        case ckNationalCup: {
            static constexpr std::array<const char*, 6> kStages = {
                "Fase preliminar - ",  "1ª fase - ",    "Oitavas de final - ",
                "Quartas de final - ", "Semi-final - ", "Final - "};
            competition = "Copa " + CountryWithArticle(team.country);
            if (gs.national_cup_round >= 0 && gs.national_cup_round <= 5)
                round = kStages[static_cast<std::size_t>(gs.national_cup_round)];
            round += std::to_string(gs.national_cup_leg) + "º jogo";
            break;
        }
        case ckStateChampionship:
            if (other.table_position[ckStateChampionship] != 0)
                position = " - " + std::to_string(other.table_position[ckStateChampionship]) +
                           "º colocado";
            if (team.state >= 0 && team.state < static_cast<int>(state_adjectives.size()))
                competition =
                    "Camp. " + std::string(state_adjectives[static_cast<std::size_t>(team.state)]);
            if (gs.state_league_round <= 5)
                round = std::to_string(gs.state_league_round) + "ª rodada/" +
                        std::to_string(gs.state_league_phase) + "º turno";
            else if (gs.state_league_round == 6)
                round = "Final - 1º jogo";
            else if (gs.state_league_round == 7)
                // The home or away text already stands before it.
                round = "Final - 2º jogo";
            break;
        case ckContinentalCup: {
            static constexpr std::array<int, 4> kCupOfContinent = {1, 0, 2, 3};
            if (continent >= 0 && continent < 4)
                competition = continental_cup_names[static_cast<std::size_t>(
                    kCupOfContinent[static_cast<std::size_t>(continent)])];
            round = ContinentalRoundText(gs.continental_cup_round, gs.continental_cup_phase,
                                         gs.continental_cup_leg);
            break;
        }
        case ckClubWorldCup:
            where.clear();
            competition = "Mundial Interclubes";
            round = "Japão";
            break;
        case ckSecondContinentalCup:
            competition =
                continent == ctSouthAmerica ? "Copa Sul-Americana" : "Liga Europa da UEFA";
            round =
                ContinentalRoundText(gs.second_cup_round, gs.second_cup_phase, gs.second_cup_leg);
            break;
        case ckSuperCup: {
            competition = continent == ctSouthAmerica ? "Recopa Sul-Americana" : "Recopa Europeia";
            const int f = FindFixtureOnDate(data, club, TodayDate(data));
            const bool first = f >= 0 && f < static_cast<int>(data.fixtures.size()) &&
                               data.fixtures[static_cast<std::size_t>(f)].round == 1;
            round = first ? "1º jogo" : "2º jogo";
            break;
        }
        default:
            break;
    }
    return "<shad>" + other.name.str() + " " + position + "</shad><br><shad>" + competition +
           "</shad><br><shad>" + where + round + "</shad>";
}

int TurnReferee(const GameData& data, int club, int human_turn) {
    if (club < 0 || human_turn < 1 || human_turn > 6) return 0;
    const int slot = (data.teams[club].country == kHomeCountry ? 0 : 6) + human_turn - 1;
    const int referee = data.game_state.round_referees[slot];
    return referee >= 1 && referee <= kRefereeCount ? referee : 0;
}

std::string RefereeHint(const GameData& data, int referee) {
    if (referee < 1 || referee > kRefereeCount) return {};
    return "Árbitro: " + data.referees[static_cast<std::size_t>(referee - 1)].name.str();
}

HeadToHeadTexts HeadToHeadPanelTexts(const GameData& data, int club, int opponent) {
    const t_head_to_head h = HeadToHead(data, club, opponent);
    const std::string ours = TeamName(data, club), theirs = TeamName(data, opponent);
    HeadToHeadTexts t;
    t.club = "<shad><u>" + ours + "</u></shad>";
    t.opponent = "<shad><u>" + theirs + "</u></shad>";
    t.title = "<shad>Histórico de Confrontos  " + std::to_string(h.matches) +
              (h.matches == 1 ? " jogo" : " jogos") + " (" + std::to_string(h.draws) +
              (h.draws == 1 ? " empate)" : " empates)") + "</shad>";
    auto line = [](const std::string& name, int wins, int losses, int scored, int conceded) {
        return "<shad>" + name + "<IND x=\"150\">" + std::to_string(wins) + "V" +
               "<IND x=\"180\">" + std::to_string(losses) + "D" + "<IND x=\"210\">" +
               std::to_string(scored) + "GP" + "<IND x=\"250\">" + std::to_string(conceded) + "GC" +
               "</shad>";
    };
    t.records = line(ours, h.wins, h.losses, h.goals_for, h.goals_against) + "<br><br>" +
                line(theirs, h.losses, h.wins, h.goals_against, h.goals_for);
    const std::string last =
        h.matches <= 0
            ? std::string("Este é o primeiro jogo entre estes times")
            : std::to_string(2013 + h.last_season) + " - " + TeamName(data, h.last_home) + " " +
                  std::to_string(h.last_home_goals) + " x " + std::to_string(h.last_away_goals) +
                  " " + TeamName(data, h.last_away) +
                  "<br><shad><u>(ver todos os confrontos)</u></shad>";
    t.last_meeting = "<shad><b>Último jogo</b></shad><br><shad>" + last + "</shad>";
    t.heading = "<shad><b>Últimas temporadas</b></shad>";
    return t;
}

std::string PlayerNameLine(const GameData& data, int player, bool tall) {
    const t_player& p = data.players[player];
    const std::string name =
        p.shirt_number >= 1 ? std::to_string(p.shirt_number) + " - " + p.name.str() : p.name.str();
    const std::size_t position = static_cast<std::size_t>(std::clamp(p.position, 0, 4));
    return "<B><SHAD>" + name + "<IND x=\"" + (tall ? "200" : "150") + "\">" +
           std::string(position_names[position].substr(0, 1)) + "</SHAD></B>";
}

std::string PlayerDetailsText(const GameData& data, int player, bool tall, int games, int goals) {
    const t_player& p = data.players[player];
    const double today = TodayDate(data);
    const int k = std::clamp(data.game_state.match_kind, 0, 10);
    const std::string b = tall ? "<br>" : "";
    const std::string x = tall ? "200" : "150";
    // The squad grid has already put a value outside the table right.
    auto characteristic = [](int c) {
        return c >= 0 && c < static_cast<int>(characteristic_names.size())
                   ? std::string(characteristic_names[static_cast<std::size_t>(c)])
                   : std::string();
    };
    std::string characteristics = characteristic(p.characteristic1);
    if (p.characteristic2 != p.characteristic1)
        characteristics += "/" + characteristic(p.characteristic2);
    std::string situation;
    if (p.yellow_cards[k] >= 3)
        situation = "Suspenso por 1 jogo: 3 cartões amarelos";
    else if (p.suspension[k] >= 1)
        situation = "Suspenso por " + std::to_string(p.suspension[k]) + " jogo(s)";
    else if (p.injured_until > today)
        situation = "Contundido até " + FormatDate(p.injured_until);
    std::string contract;
    if (p.moved_this_round)
        contract = "Jogador só disponível no próximo jogo";
    else if (p.loan_status == 2)
        contract = "Emprestado até " + FormatDate(p.contract_end);
    else if (p.contract_end >= today)
        contract = "Contrato até " + FormatDate(p.contract_end);
    else
        contract = "Jogador com contrato expirado";
    const auto units = [](Money m) { return static_cast<std::int32_t>(MoneyToUnits(m)); };
    return "<SHAD><B>Força:</B>" + std::to_string(p.strength) + "<IND x=\"" + x +
           "\"><B>Idade</B>:" + std::to_string(p.age) + "<BR>" + b + "<B>Valor Passe:</B>$" +
           FormatDigitGroups(units(p.value)) + "<IND x=\"" + x + "\"><B>Salário</B>:" + "$" +
           FormatDigitGroups(units(p.wage)) + "<BR>" + b + "<B>Jogos:</B>" + std::to_string(games) +
           " " + "<B>Gols:</B>" + std::to_string(goals) + " " + "<B>C.A.:</B>" +
           std::to_string(p.yellow_cards[k]) + "<BR>" + b + "<B>Características:</B>" +
           characteristics + "<BR>" + b + "<B>Contrato:</B>" + contract + "<BR>" + b +
           "</shad><shad><B>" + situation + "</B></SHAD>";
}

}  // namespace kv
