#include "match/day_setup.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/display_names.h"
#include "core/lookups.h"
#include "core/text_tables.h"
#include "match/attendance.h"
#include "match/lineup_strength.h"
#include "match/match_tables.h"
#include "season/fixture_list.h"
#include "season/pairing_tables.h"

namespace kv {
namespace {

bool SameDay(double a, double b) { return std::floor(a) == std::floor(b); }

void NoteHumanRow(int row, int home, int away) {
    GameData& gd = Game();
    const t_team* h = TeamAt(home);
    const t_team* a = TeamAt(away);
    if (!(h && h->human) && !(a && a->human)) return;
    if (gd.human_match_count >= kHumanSlots) return;
    gd.human_match_rows[gd.human_match_count++] = static_cast<std::uint8_t>(row);
}

// A row filled from a fixture: the home club's stadium, its attendance and gate.
void FillGate(int row, int kind) {
    jogos& m = Game().day_matches[row];
    const t_team* h = TeamAt(m.team[0]);
    if (h) m.venue = h->stadium;
    const SectorAttendance a = AttendanceOfKind(kind, m.team[0], m.team[1]);
    m.attendance = 0;
    for (int k = 0; k < 4; ++k) {
        m.sector_attendance[k] = a[k];
        m.attendance += a[k];
    }
    m.gate_income = GateIncome(m.team[0], a);
}

// Today's fixtures of a kind that pass `wanted`, one row each.
template <class Wanted>
void SetUpFixtures(int kind, Wanted wanted) {
    GameData& gd = Game();
    int row = 0;
    for (int f = 0; f < static_cast<int>(gd.fixtures.size()); ++f) {
        const t_fixture& fx = gd.fixtures[f];
        if (fx.kind != kind || !IsFixtureOfToday(f) || !wanted(fx)) continue;
        // A cup tie not drawn yet has nobody to play it.
        if (!TeamAt(fx.home) || !TeamAt(fx.away)) continue;
        if (!SetUpDayMatch(row + 1, kind, fx.home, fx.away, f)) break;
        ++row;
        FillGate(row, kind);
    }
    gd.day_match_count = row;
}

// A neutral-ground match of a bracket or a group of national teams.
bool SetUpNeutralRow(int row, int kind, int home, int away, const std::string& venue) {
    if (!TeamAt(home) || !TeamAt(away)) return false;
    if (!SetUpDayMatch(row, kind, home, away, -1)) return false;
    jogos& m = Game().day_matches[row];
    m.competition = FindCompetitionId(kind, -1, -1, -1, -1);
    m.venue.set(venue);
    return true;
}

int TournamentGroupOf(int team) {
    const t_team* t = TeamAt(team);
    return t ? t->tournament_group : 0;
}

// Group-stage rows of a national-team tournament: two matches per group.
void SetUpTournamentGroups(int kind, int groups) {
    GameData& gd = Game();
    const int stage = gd.game_state.tournament_round;
    int row = 0;
    for (int g = 1; g <= groups; ++g)
        for (int m = 1; m <= 2; ++m) {
            const SlotPairing p = Pairing4Teams(stage, 1, m);
            if (!p.valid()) continue;
            const int home = gd.game_state.tournament_groups[g - 1][p.home - 1];
            const int away = gd.game_state.tournament_groups[g - 1][p.away - 1];
            const int group = TournamentGroupOf(home);
            const std::string venue = kind == ckWorldCup ? WorldCupVenue(stage, group, row + 1)
                                                         : NationsCupVenue(kind, stage, group, row + 1);
            if (SetUpNeutralRow(row + 1, kind, home, away, venue)) ++row;
        }
    gd.day_match_count = row;
}

void SetUpBracketTies(int kind, int base, int count) {
    GameData& gd = Game();
    const int stage = gd.game_state.tournament_round;
    int row = 0;
    for (int k = 1; k <= count && base + k <= kNationalBracketTies; ++k) {
        const t_bracket_tie& tie = gd.national_tournament_bracket[base + k - 1];
        const int group = TournamentGroupOf(tie.team_a);
        const std::string venue = kind == ckWorldCup ? WorldCupVenue(stage, group, k)
                                                     : NationsCupVenue(kind, stage, group, k);
        if (SetUpNeutralRow(row + 1, kind, tie.team_a, tie.team_b, venue)) ++row;
    }
    gd.day_match_count = row;
}

std::string Num(int n) { return std::to_string(n); }

std::string TurnAndRound(int turn, int round) {
    return " - " + Num(turn) + "º turno - " + Num(round) + "ª rodada";
}

std::string ContinentalRoundText(int phase, int round, int leg) {
    static const char* const kPhases[] = {" - Oitavas de final - ", " - Quartas de final - ",
                                          " - Semi-final - ", " - Final - "};
    if (round <= 3) return TurnAndRound(phase, round);
    return kPhases[std::min(round, 7) - 4] + Num(leg) + "º jogo";
}

}  // namespace

bool IsFixtureOfToday(int fixture) {
    const GameData& gd = Game();
    if (!InTable(gd.fixtures, fixture)) return false;
    const t_fixture& f = gd.fixtures[fixture];
    return !f.played && SameDay(f.date, TodaysDate());
}

bool SetUpDayMatch(int row, int kind, int home, int away, int fixture) {
    GameData& gd = Game();
    if (row < 1 || row > kMaxDayMatches) return false;
    if (static_cast<int>(gd.day_matches.size()) <= row) ResizeTable(gd.day_matches, kDayMatchRecords);
    const t_team* h = TeamAt(home);
    jogos& m = gd.day_matches[row];
    m.home_division = h ? h->division : 0;
    m.team[0] = home;
    m.team[1] = away;
    m.strength_slot[0] = OwnMatchStrength(home);
    m.strength_slot[1] = OwnMatchStrength(away);
    m.subs_left[0] = m.subs_left[1] = kind == ckFriendly ? 5 : 3;
    m.fixture = fixture;
    m.competition = h ? FindCompetitionId(kind, h->country, h->division, h->state, h->state_division) : 0;
    NoteHumanRow(row, home, away);
    return true;
}

void SetUpGroup(int kind) {
    GameData& gd = Game();
    const int group = gd.match_day_group;
    SetUpFixtures(kind, [&](const t_fixture& f) { return f.owner == group; });
    if ((kind == ckContinentalCup || kind == ckSecondContinentalCup) && group == crSouthAmerica)
        for (int i = 1; i <= gd.day_match_count; ++i)
            if (const t_fixture* f = TableEntry(gd.fixtures, gd.day_matches[i].fixture))
                gd.second_cup_south_round = f->round;
}

void SetUpStateGroup() {
    GameData& gd = Game();
    auto& states = gd.state_leagues;
    if (gd.state_position < 0 || gd.state_position >= kStateCount) gd.state_position = 0;
    if (gd.state_position == 0 && states[0].group_count == 0) {
        int chosen = -1;
        for (int s : {25, 18, 10})
            if (chosen < 0 && states[s].active) chosen = s;
        for (int s = 0; chosen < 0 && s < kStateCount; ++s)
            if (states[s].active) chosen = s;
        if (chosen >= 0) gd.state_position = chosen;
    }
    states[gd.state_position].round_played = 1;
    const int state = gd.state_position;
    SetUpFixtures(ckStateChampionship, [&](const t_fixture& f) { return f.owner == state; });
}

void SetUpSuperCup() {
    const int round = NextSuperCupRound(Game());
    SetUpFixtures(ckSuperCup, [&](const t_fixture& f) { return f.round == round; });
}

void SetUpFriendlies() {
    GameData& gd = Game();
    const double today = TodaysDate();
    std::vector<int> todays_fixtures;
    for (int f = 0; f < static_cast<int>(gd.fixtures.size()); ++f)
        if (IsFixtureOfToday(f)) todays_fixtures.push_back(f);
    int row = 0;
    for (t_friendly& friendly : gd.friendlies) {
        if (friendly.taken || !SameDay(friendly.date, today)) continue;
        friendly.taken = 1;
        // A friendly is linked to a fixture of today only by its position among them.
        const int fixture = row < static_cast<int>(todays_fixtures.size()) ? todays_fixtures[row] : -1;
        if (!TeamAt(friendly.home) || !TeamAt(friendly.away)) continue;
        if (!SetUpDayMatch(row + 1, ckFriendly, friendly.home, friendly.away, fixture)) break;
        ++row;
        gd.day_matches[row].competition = 0;
        FillGate(row, ckFriendly);
    }
    gd.day_match_count = row;
}

void SetUpClubWorldCup() {
    GameData& gd = Game();
    const int stage = std::clamp(gd.game_state.club_world_cup_stage, 1, 3);
    int row = 0;
    for (int k = 1; k <= 2; ++k) {
        const t_bracket_tie& tie = gd.club_world_cup_bracket[2 * (stage - 1) + k - 1];
        if (SetUpNeutralRow(row + 1, ckClubWorldCup, tie.team_a, tie.team_b, ClubWorldCupVenue(row + 1)))
            ++row;
    }
    gd.day_match_count = row;
}

void SetUpWorldCup() {
    const int s = Game().game_state.tournament_round;
    if (s <= 3) return SetUpTournamentGroups(ckWorldCup, 8);
    static constexpr int kBase[] = {0, 8, 12, 14};
    static constexpr int kCount[] = {8, 4, 2, 2};
    const int i = std::min(s, 7) - 4;
    SetUpBracketTies(ckWorldCup, kBase[i], kCount[i]);
}

void SetUpNationsCup(int kind) {
    const int s = Game().game_state.tournament_round;
    if (s <= 3) return SetUpTournamentGroups(kind, kind == ckAmericasNationsCup ? 3 : 4);
    static constexpr int kBase[] = {0, 4, 6};
    static constexpr int kCount[] = {4, 2, 2};
    const int i = std::min(s, 6) - 4;
    SetUpBracketTies(kind, kBase[i], kCount[i]);
}

void SetUpGroupOfKind(int kind) {
    switch (kind) {
        case ckFriendly: SetUpFriendlies(); break;
        case ckStateChampionship: SetUpStateGroup(); break;
        case ckClubWorldCup: SetUpClubWorldCup(); break;
        case ckWorldCup: SetUpWorldCup(); break;
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup: SetUpNationsCup(kind); break;
        case ckSuperCup: SetUpSuperCup(); break;
        default: SetUpGroup(kind); break;
    }
}

std::string WorldCupVenue(int stage, int group, int row) {
    const int host = Game().game_state.tournament_host_number - 1;
    if (stage > 3) return std::string(TournamentVenue(host, row - 1));
    // Cities of each group's pair, first city of the pair.
    static constexpr int kFirstCity[] = {5, 7, 3, 1, 7, 3, 5, 1};
    if (group < 1 || group > 8) return {};
    const bool odd = row % 2 == 1;
    const bool first = stage == 2 ? !odd : odd;
    return std::string(TournamentVenue(host, kFirstCity[group - 1] - 1 + (first ? 0 : 1)));
}

std::string NationsCupVenue(int kind, int stage, int group, int row) {
    const int host = Game().game_state.tournament_host_number;
    const int first_entry = (kind == ckEuropeanNationsCup ? 28 : 0) + 4 * (host - 1);
    int city;
    if (stage > 3) {
        city = row;
    } else {
        const int pair_start = group == 2 || group == 4 ? 3 : 1;
        city = pair_start + (row % 2 == 1 ? 0 : 1);
    }
    const int entry = first_entry + city - 1;
    if (city < 1 || city > 4 || entry < 0 || entry >= static_cast<int>(foreign_cities.size())) return {};
    return std::string(foreign_cities[entry]);
}

std::string ClubWorldCupVenue(int row) {
    const int season = Game().game_state.season;
    const int host = season <= 0 || season > 30 ? 1 : ((season - 1) / 5) % 3 + 1;
    const int entry = 2 * host - 2 + (row == 2 ? 1 : 0);
    return std::string(club_world_cup_venues[entry]);
}

std::string GroupHeading(int kind) {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    std::string round_text;
    std::string heading;
    const int group = gd.match_day_group;
    const int country = InTable(gd.league_configs, group) ? gd.league_configs[group].country : -1;
    switch (kind) {
        case ckFriendly: heading = "Amistosos"; break;
        case ckNationalLeague:
            round_text = TurnAndRound(gs.league_turn, gs.league_round);
            heading = "Campeonato " + NationalityAdjective(country) + round_text;
            break;
        case ckNationalCup: {
            static const char* const kPhases[] = {" - Fase Preliminar - ", " - 1ª fase - ",
                                                  " - Oitavas de Final - ", " - Quartas de Final - ",
                                                  " - Semi-final - ", " - Final - "};
            round_text = kPhases[std::clamp(gs.national_cup_round, 0, 5)] + Num(gs.national_cup_leg) + "º jogo";
            heading = "Copa " + CountryWithArticle(country) + round_text;
            break;
        }
        case ckStateChampionship: {
            const int r = gs.state_league_round;
            round_text = r == 6   ? " - Final - 1º jogo"
                         : r == 7 ? " - Final - 2º jogo"
                                  : TurnAndRound(gs.state_league_phase, r);
            const int s = std::clamp(gd.state_position, 0, kStateCount - 1);
            heading = "Campeonato " + std::string(state_names[s]) + round_text;
            break;
        }
        case ckContinentalCup: {
            static const char* const kCups[] = {"Taça Libertadores", "Liga dos Campeões", "Liga Africana",
                                                "Liga Asiática"};
            round_text = ContinentalRoundText(gs.continental_cup_phase, gs.continental_cup_round,
                                              gs.continental_cup_leg);
            heading = kCups[std::clamp(group, 1, 4) - 1] + round_text;
            break;
        }
        case ckSecondContinentalCup:
            if (group == crSouthAmerica) {
                static const char* const kPhases[] = {" - 1ª Fase - ", " - Oitavas de final - ",
                                                      " - Quartas de final - ", " - Semi-final - ",
                                                      " - Final - "};
                const int r = std::clamp(gd.second_cup_south_round, 3, 7) - 3;
                round_text = kPhases[r] + Num(gs.second_cup_leg) + "º jogo";
                heading = "Copa Sul-Americana" + round_text;
            } else {
                round_text = ContinentalRoundText(gs.second_cup_phase, gs.second_cup_round, gs.second_cup_leg);
                heading = "Liga Europa da UEFA" + round_text;
            }
            break;
        case ckClubWorldCup: {
            static const char* const kStages[] = {"Quartas de final", "Semi-final", "Final"};
            heading = std::string("Mundial Interclubes - ") + kStages[std::clamp(gs.club_world_cup_stage, 1, 3) - 1];
            break;
        }
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup: {
            const int s = gs.tournament_round;
            const std::string name = kind == ckWorldCup ? "Copa do Mundo" : kind == ckAmericasNationsCup ? "Copa América" : "Eurocopa";
            if (s <= 3) heading = name + " - " + Num(s) + "ª rodada";
            else if (kind == ckWorldCup) {
                static const char* const kStages[] = {" - Oitavas de final", " - Quartas de final", " - Semi-final",
                                                      " - Final/Decisão 3º lugar"};
                heading = name + kStages[std::min(s, 7) - 4];
            } else {
                static const char* const kStages[] = {" - Quartas de final", " - Semi-final", " - Final"};
                heading = name + kStages[std::min(s, 6) - 4];
            }
            break;
        }
        case ckSuperCup:
            heading = "Recopa Sul-Americana/Europeia - " + Num(NextSuperCupRound(gd)) + " º jogo";
            round_text = heading;
            break;
        default: break;
    }
    gd.results_round_text = round_text;
    return heading;
}

}  // namespace kv
