#include "game/competition_screens.h"

#include <algorithm>
#include <cstdio>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money_text.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "season/fixture_list.h"
#include "season/histories.h"
#include "season/league_entrants.h"

namespace kv {
namespace {

std::string TeamName(const GameData& data, int team) {
    return InTable(data.teams, team) ? data.teams[team].name.str() : std::string();
}

std::string PlayerName(const GameData& data, int player) {
    return InTable(data.players, player) ? data.players[player].name.str() : std::string();
}

std::string CoachName(const GameData& data, int coach) {
    return InTable(data.coaches, coach) ? data.coaches[coach].name.str() : std::string();
}

std::string Ordinal(int n, const char* what) {
    return std::to_string(n) + "ª " + what;
}

TableRow EmptyRow() {
    TableRow row{};
    row.team = -1;
    return row;
}

}  // namespace

// ---- tables

bool LevelInTable(const TableRow& a, const TableRow& b) {
    return a.points == b.points && a.goal_difference == b.goal_difference &&
           a.goals_for == b.goals_for && a.wins == b.wins;
}

std::vector<std::string> ShownPositions(std::span<const TableRow> rows) {
    std::vector<std::string> shown;
    shown.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool level = r > 0 && rows[r].team >= 0 && rows[r - 1].team >= 0 &&
                           LevelInTable(rows[r], rows[r - 1]);
        shown.push_back(level || rows[r].team < 0 ? std::string() : std::to_string(r + 1) + "º");
    }
    return shown;
}

std::vector<TableRow> DivisionTable(const GameData& data, int config, int division) {
    std::vector<TableRow> rows;
    if (!InTable(data.league_configs, config) || division < 1 || division > 4) return rows;
    const int size = data.game_state.league_format == kDivisionsOf10 ? 10 : 20;
    for (int r = 0; r < size; ++r) {
        const int team = data.league_configs[config].standings[division - 1][r];
        rows.push_back(InTable(data.teams, team) ? MakeTableRow(data, team, ckNationalLeague)
                                                 : EmptyRow());
    }
    return rows;
}

std::vector<TableRow> GroupTable(const GameData& data, std::span<const std::int32_t> teams,
                                 int kind) {
    std::vector<TableRow> rows = SortedTable(data, teams, kind);
    while (rows.size() < teams.size()) rows.push_back(EmptyRow());
    return rows;
}

LeagueBands LeagueTableBands(const GameData& data, int config) {
    LeagueBands bands{};
    for (auto& division : bands) division.fill(kBandPlain);
    if (!InTable(data.league_configs, config)) return bands;
    const t_league_config& league = data.league_configs[config];
    const t_game_state& gs = data.game_state;
    const int divisions = std::clamp(league.division_count, 1, 4);
    auto paint = [&bands](int division, int from, int to, int band) {
        for (int r = from; r <= to; ++r) bands[division - 1][r - 1] = band;
    };
    if (gs.league_format == kDivisionsOf10) {
        paint(1, 9, 10, kBandDown);
        for (int d = 2; d <= 4; ++d) {
            paint(d, 1, 2, kBandUp);
            paint(d, 9, 10, kBandDown);
        }
    } else {
        for (int d = 2; d <= 4; ++d) {
            paint(d, 1, 4, kBandUp);
            paint(d, 19, 20, kBandDown);
        }
        paint(1, divisions == 1 ? 19 : 17, 20, kBandDown);
        if (divisions >= 3) paint(2, 17, 20, kBandDown);
        const bool regional = league.country == kHomeCountry && gs.home_regional_division;
        if (divisions >= 4 || (regional && divisions >= 3)) paint(3, 17, 20, kBandDown);
        if (regional)
            paint(4, 17, 20, kBandPlain);
        else
            paint(4, 17, 18, kBandPlain);
    }

    // The continental places of division 1.
    const int region = ContinentToCupRegion(ContinentOfCountry(league.country));
    if (region < 0) return bands;
    paint(1, 1, 8, kBandPlain);
    int p1 = ContinentalCupPlaces(league.country, ckContinentalCup, region);
    int p2 = ContinentalCupPlaces(league.country, ckSecondContinentalCup, region);
    if (p1 > 1) --p1;
    int cup_winner = -1;
    if (gs.national_cup_round >= 6 && p1 >= 2)
        cup_winner = FindChampion(data, ckNationalCup, league.country, gs.season);
    int continental = -1;
    if (region == crSouthAmerica)
        continental = FindChampion(data, ckContinentalCup, league.country, gs.season);
    auto promote = [&](int team) {
        if (!InTable(data.teams, team)) return;
        for (int d = 1; d <= divisions; ++d)
            for (int r = 1; r <= 20; ++r)
                if (league.standings[d - 1][r - 1] == team) {
                    bands[d - 1][r - 1] = kBandFirstCup;
                    if (d != 1) continue;
                    if (r <= p1) ++p1;
                    if (r <= p1 + p2) ++p2;
                }
    };
    promote(cup_winner);
    if (continental != cup_winner) promote(continental);
    if (gs.continental_cup_on) paint(1, 1, std::min(p1, 20), kBandFirstCup);
    if (gs.second_continental_cup_on)
        for (int r = p1 + 1; r <= std::min(p1 + p2, 8); ++r)
            if (bands[0][r - 1] != kBandFirstCup) bands[0][r - 1] = kBandSecondCup;
    return bands;
}

// ---- knock-out brackets

bool UnknownKnockoutTeam(const GameData& data, int team) {
    return !InTable(data.teams, team);
}

std::string TieScoreText(const t_fixture& leg1, const t_fixture* leg2) {
    if (!leg1.played) return {};
    std::string text = std::to_string(leg1.home_goals) + "x" + std::to_string(leg1.away_goals);
    if (leg2 && leg2->played) {
        text += "-" + std::to_string(leg2->away_goals) + "x" + std::to_string(leg2->home_goals);
        if (leg1.home_penalties > 0 || leg1.away_penalties > 0)
            text += ";P:" + std::to_string(leg1.home_penalties) + "x" +
                    std::to_string(leg1.away_penalties);
    }
    return text;
}

std::vector<BracketTie> WalkBracket(const GameData& data, int first_fixture, int slots) {
    std::vector<BracketTie> ties;
    if (!InTable(data.fixtures, first_fixture)) return ties;
    const int kind = data.fixtures[first_fixture].kind;
    const int owner = data.fixtures[first_fixture].owner;
    const int count = static_cast<int>(data.fixtures.size());
    for (int f = first_fixture; static_cast<int>(ties.size()) < slots && f + 1 < count; f += 2) {
        const t_fixture& leg1 = data.fixtures[f];
        const t_fixture& leg2 = data.fixtures[f + 1];
        if (leg1.kind != kind || leg1.owner != owner || leg2.kind != kind || leg2.owner != owner)
            break;
        if (UnknownKnockoutTeam(data, leg1.home) || UnknownKnockoutTeam(data, leg1.away)) break;
        ties.push_back({leg1.home, leg1.away, f, TieScoreText(leg1, &leg2)});
    }
    return ties;
}

// ---- fixtures by round

std::vector<RoundEntry> RoundEntries(int rounds_per_half) {
    std::vector<RoundEntry> entries;
    for (int half = 1; half <= 2; ++half)
        for (int round = 1; round <= rounds_per_half; ++round) entries.push_back({round, half});
    return entries;
}

std::string RoundEntryText(const RoundEntry& entry) {
    return Ordinal(entry.round, "rodada-") + std::to_string(entry.half) + "º turno";
}

int RoundEntryIndex(int rounds_per_half, int round, int half) {
    const int r = std::clamp(round, 1, std::max(1, rounds_per_half));
    return half == 1 ? r - 1 : r - 1 + rounds_per_half;
}

std::vector<FixtureRow> RoundFixtureRows(const GameData& data, int owner, int kind, int round,
                                         int half) {
    std::vector<int> found;
    for (int f = 0; f < static_cast<int>(data.fixtures.size()); ++f) {
        const t_fixture& x = data.fixtures[f];
        if (x.owner == owner && x.kind == kind && x.round == round && x.leg == half)
            found.push_back(f);
    }
    int per_section = 0;
    int sections = 0;
    const char* title = "divisão";
    switch (kind) {
        case ckNationalLeague:
            per_section = data.game_state.league_format == kDivisionsOf10 ? 5 : 10;
            sections = 4;
            break;
        case ckStateChampionship:
            per_section = 3;
            sections = 4;
            break;
        case ckContinentalCup:
        case ckSecondContinentalCup:
            per_section = 2;
            sections = 8;
            title = "Grupo";
            break;
        default:
            break;
    }
    std::vector<FixtureRow> rows;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (per_section > 0 && i % per_section == 0) {
            const int section = static_cast<int>(i) / per_section + 1;
            if (section <= sections)
                rows.push_back({-1, kind == ckContinentalCup || kind == ckSecondContinentalCup
                                        ? std::string(title) + " " + std::to_string(section)
                                        : Ordinal(section, title)});
        }
        rows.push_back({found[i], {}});
    }
    return rows;
}

// ---- best elevens

std::vector<std::string> BestElevenRoundEntries(const GameData& data) {
    const t_game_state& gs = data.game_state;
    const int per_half = gs.league_format == kDivisionsOf10 ? 9 : 19;
    std::vector<std::string> entries;
    auto add = [&entries](int round, int half) {
        entries.push_back(std::to_string(round) + "ª R - " + std::to_string(half) + "º T");
    };
    const int played = std::clamp(gs.league_round - 1, 0, per_half);
    if (gs.league_turn == 1) {
        for (int r = 1; r <= played; ++r) add(r, 1);
    } else {
        for (int r = 1; r <= per_half; ++r) add(r, 1);
        for (int r = 1; r <= played; ++r) add(r, 2);
    }
    return entries;
}

const t_round_best_eleven* FindRoundBestEleven(const GameData& data, int competition, int season,
                                               int round) {
    for (auto it = data.round_best_elevens.rbegin(); it != data.round_best_elevens.rend(); ++it)
        if (it->competition == competition && it->season == season && it->round == round)
            return &*it;
    return nullptr;
}

const t_season_best_eleven* FindSeasonBestEleven(const GameData& data, int competition,
                                                 int season) {
    for (auto it = data.season_best_elevens.rbegin(); it != data.season_best_elevens.rend(); ++it)
        if (it->competition == competition && it->season == season) return &*it;
    return nullptr;
}

std::string BestElevenSlotMarkup(const GameData& data, int player, int team) {
    if (!InTable(data.players, player) || player == 0) return {};
    const t_player& p = data.players[player];
    const std::string_view position =
        p.position >= 0 && p.position < 5 ? position_names[p.position] : std::string_view();
    return "<P align=\"center\"><shad>" + std::string(position.substr(0, 1)) + " - " +
           p.name.str() + "</shad><BR><shad>" + TeamName(data, team) + "</shad></P>";
}

// ---- round results

std::vector<int> DayResults(const GameData& data, int kind, int group, double date) {
    std::vector<int> matches;
    for (int a = 0; a < static_cast<int>(data.match_archive.size()); ++a) {
        const t_archived_match& m = data.match_archive[a];
        if (m.date == date && m.kind == kind && m.group == group) matches.push_back(a);
    }
    return matches;
}

std::vector<ResultsRow> ResultsRows(const GameData& data, int kind, int group,
                                    std::span<const int> matches) {
    std::vector<ResultsRow> rows;
    for (const int m : matches) rows.push_back({m, {}});
    const t_game_state& gs = data.game_state;
    std::vector<std::pair<int, std::string>> headings;
    auto every = [&headings](int step, int count, const std::string& prefix, bool letters) {
        for (int k = 0; k < count; ++k)
            headings.emplace_back(k * step, prefix + (letters ? std::string(1, char('A' + k))
                                                              : std::to_string(k + 1)));
    };
    switch (kind) {
        case ckNationalLeague: {
            const int divisions =
                InTable(data.league_configs, group) ? data.league_configs[group].division_count : 1;
            const int step = gs.league_format == kDivisionsOf10 ? 6 : 11;
            for (int d = 1; d <= std::clamp(divisions, 1, 4); ++d)
                headings.emplace_back((d - 1) * step, Ordinal(d, "divisão"));
            break;
        }
        case ckContinentalCup:
            if (gs.continental_cup_round <= 3) every(3, 8, "Grupo ", false);
            break;
        case ckSecondContinentalCup:
            if (group == crEurope && gs.second_cup_round <= 3) every(3, 8, "Grupo ", false);
            break;
        case ckWorldCup:
            if (gs.tournament_round <= 4) every(3, 8, "Grupo ", true);
            break;
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            if (gs.tournament_round <= 4)
                every(3, kind == ckEuropeanNationsCup ? 4 : 3, "Grupo ", true);
            break;
        case ckStateChampionship:
            if (gs.state_league_round <= 6 && group >= 0 && group < kStateCount) {
                const int groups = std::clamp(data.state_leagues[group].group_count, 1, 4);
                for (int g = 1; g <= groups; ++g)
                    headings.emplace_back((g - 1) * 4, Ordinal(g, "divisão"));
            }
            break;
        default:
            break;
    }
    // A heading goes in only where the rows before it exist.
    for (const auto& [at, text] : headings) {
        if (at > 0 && static_cast<int>(rows.size()) < at + 1) break;
        rows.insert(rows.begin() + at, ResultsRow{-1, text});
    }
    return rows;
}

std::string PlayingStyleText(int style) {
    switch (style) {
        case 0:
            return "Jogo equilibrado";
        case 1:
            return "Ataque total";
        case 2:
            return "Contra-ataque";
        default:
            return {};
    }
}

std::string AttackRouteText(int route) {
    switch (route) {
        case 0:
            return "Pelo meio";
        case 1:
            return "Pelas laterais";
        default:
            return {};
    }
}

std::string MarkingText(int marking) {
    switch (marking) {
        case 0:
            return "Leve";
        case 1:
            return "Pesada";
        case 2:
            return "Muito Pesada";
        default:
            return {};
    }
}

int HomePossessionPercent(int home, int away) {
    return home + away > 0 ? home * 100 / (home + away) : 50;
}

namespace {

std::string RatingText(float rating) {
    if (rating <= 0) return "s/n";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(rating));
    return text;
}

std::string MinuteText(int tick, bool blank) {
    return std::to_string(TickToMinute(tick)) + (tick <= 92 ? "/1º" : "/2º") + (blank ? " " : "");
}

constexpr int kPitchDisplayOrder[] = {1,  9,  3,  4,  5,  6,  7,  8,  2,  17, 13, 12, 11,
                                      16, 15, 14, 10, 25, 21, 20, 19, 24, 23, 22, 18};
const char kOpenSize9[] = "<FONT  size=\"9\"";

}  // namespace

std::string LineupMarkup(const GameData& data, int match, int team) {
    std::vector<const t_player_rating*> rated;
    for (const t_player_rating& r : data.player_ratings)
        if (r.archived_match == match && r.team == team && rated.size() < 11) rated.push_back(&r);
    // The substitutes who took a player's place, one after the other.
    auto chain_of = [&data, match](int player) {
        std::vector<const t_substitute_rating*> chain;
        int replaced = player;
        for (int k = 0; k < 3; ++k) {
            const t_substitute_rating* next = nullptr;
            for (const t_substitute_rating& s : data.substitute_ratings)
                if (s.archived_match == match && s.replaced == replaced) {
                    next = &s;
                    break;
                }
            if (!next) break;
            chain.push_back(next);
            replaced = next->player;
        }
        return chain;
    };
    std::string markup;
    for (const int code : kPitchDisplayOrder)
        for (const t_player_rating* e : rated) {
            if (e->position != code) continue;
            const std::string letter =
                code >= 1 && code <= 25 ? std::string(pitch_position_letters[code - 1]) : "";
            const std::string prefix = letter + "<IND x=\"12\">" + " - ";
            const auto chain = chain_of(e->player);
            std::string body = PlayerName(data, e->player).substr(0, 20) + " ";
            if (e->injuries > 0) body += " <img src=\"i_ct\">";
            if (!chain.empty()) body += MinuteText(chain.back()->tick, true);
            body += "<IND x=\"165\">" + RatingText(e->rating);
            if (chain.empty()) {
                markup += "<FONT  size=\"10\"><b>" + prefix + body + "</b></font><br>";
                continue;
            }
            bool injured = false;
            auto name_of = [&](const t_substitute_rating* s) {
                injured = injured || s->injuries > 0;
                return PlayerName(data, s->player) + (injured ? " <img src=\"i_ct\">" : "");
            };
            std::string block = "<FONT  size=\"10\"><b>" + prefix + name_of(chain[0]) +
                                "<IND x=\"165\">" + RatingText(chain[0]->rating) + "</b><font><br>";
            for (std::size_t k = 1; k < chain.size(); ++k)
                block = kOpenSize9 + block + "<IMG src=\"i_sub\">" + name_of(chain[k]) + " " +
                        MinuteText(chain[k - 1]->tick, true) + "<IND x=\"165\">" +
                        RatingText(chain[k]->rating) + "</b><font><br>";
            markup += kOpenSize9 + block + "<IMG src=\"i_sub\">" + body + "<font><br>";
        }
    return markup;
}

std::string GoalsMarkup(const GameData& data, int match) {
    if (!InTable(data.match_archive, match)) return {};
    const t_archived_match& m = data.match_archive[match];
    int home = 0, away = 0;
    std::string text;
    for (const t_match_event& e : data.match_event_archive) {
        if (e.match != match || !IsGoalEvent(e.kind)) continue;
        const bool for_home = e.team == m.team[0];
        (for_home ? home : away) += 1;
        text += for_home ? "<P align=\"left\">" : "<P align=\"right\">";
        text += std::to_string(home) + "x" + std::to_string(away) + " " +
                PlayerName(data, e.player) + " " + MinuteText(e.tick, true);
        if (e.kind == meOwnGoal) text += "(C)";
        if (e.kind == meFreeKickGoal) text += "(F)";
        if (e.kind == mePenaltyGoal) text += "(P)";
        text += "</p>";
    }
    return "<FONT size=\"8\" face=\"Arial\">" + text + "</font>";
}

std::string CardsMarkup(const GameData& data, int match, int team) {
    std::string text = "<br>";
    for (const t_match_event& e : data.match_event_archive) {
        if (e.match != match || e.kind != meCard || e.team != team) continue;
        static constexpr const char* kPictures[] = {"", "<IMG src=\"i_ca\">", "<IMG src=\"i_cv\">",
                                                    "<IMG src=\"i_cacv\">"};
        text += (e.value >= 1 && e.value <= 3 ? kPictures[e.value] : "") +
                PlayerName(data, e.player) + " " + MinuteText(e.tick, false) + "<br>";
    }
    return text;
}

// ---- season review

namespace {

struct PrizeLabels {
    const char* champion;
    const char* runner_up;
};

PrizeLabels LeaguePrize(int division, int /*league_format*/) {
    switch (division) {
        case 1:
            return {"5 milhões", "3.5 milhões"};
        case 2:
            return {"2.5 milhões", "2 milhões"};
        case 3:
            return {"1.5 milhão", "1 milhão"};
        default:
            return {"750 mil", "500 mil"};
    }
}

// The honour entry of a competition's placing in a season, oldest first; -1 when none.
int FindReviewHonour(const GameData& data, int country, int placing, int kind, int season) {
    const int competition = FindCompetitionId(data, kind, country, 1, -1, -1);
    for (int h = 0; h < static_cast<int>(data.honours.size()); ++h) {
        const t_honour& e = data.honours[h];
        if (e.season == season && e.competition == competition && e.placing == placing) return h;
    }
    return -1;
}

void AddTopScorerRow(const GameData& data, std::vector<ReviewRow>& rows, int competition,
                     int season, const std::string& prize) {
    const int entry = FindTopScorerEntry(data, competition, season);
    if (!InTable(data.top_scorers, entry)) return;
    const t_top_scorer& s = data.top_scorers[entry];
    rows.push_back({5, s.team,
                    PlayerName(data, s.player) + " (" + TeamName(data, s.team) + " - " +
                        std::to_string(s.goals) + " gols" + prize + ")"});
}

void AddHonourRows(const GameData& data, std::vector<ReviewRow>& rows, int country, int kind,
                   int season, const char* champion, const char* runner_up) {
    for (int placing = 1; placing <= 2; ++placing) {
        const int h = FindReviewHonour(data, country, placing, kind, season);
        if (h < 0 || !InTable(data.teams, data.honours[h].team)) continue;
        const t_honour& e = data.honours[h];
        rows.push_back({placing, e.team,
                        TeamName(data, e.team) + " - Téc.:" + CoachName(data, e.coach) +
                            (placing == 1 ? champion : runner_up)});
    }
}

}  // namespace

std::vector<ReviewRow> NationalReviewRows(const GameData& data, int config, int season) {
    std::vector<ReviewRow> rows;
    if (!InTable(data.league_configs, config)) return rows;
    const t_game_state& gs = data.game_state;
    const int country = data.league_configs[config].country;
    int divisions = std::clamp(data.league_configs[config].division_count, 1, 4);
    if (country == kHomeCountry && gs.home_regional_division) divisions = 4;
    for (int d = 1; d <= divisions; ++d) {
        rows.push_back({0, -1, std::to_string(d) + "ª Divisão"});
        const PrizeLabels prize = LeaguePrize(d, gs.league_format);
        for (int placing = 1; placing <= 2; ++placing) {
            const int team = FindHonourTeam(data, country, placing, season, ckNationalLeague, d);
            // A placing nobody took (a regional division never formed) shows no row.
            if (!InTable(data.teams, team)) continue;
            const int coach = FindPlacingCoach(data, country, placing, season, ckNationalLeague, d);
            rows.push_back({placing, team,
                            TeamName(data, team) + " - Téc.:" + CoachName(data, coach) + " ($" +
                                (placing == 1 ? prize.champion : prize.runner_up) + ")"});
        }
        AddTopScorerRow(data, rows, FindCompetitionId(data, ckNationalLeague, country, d, -1, -1),
                        season, d == 1 ? " - $1.5 milhão" : "");
    }
    if (gs.national_cup_on) {
        rows.push_back({0, -1, "Copa " + CountryWithArticle(country)});
        AddHonourRows(data, rows, country, ckNationalCup, season, "($4 milhões)", "($2 milhões)");
        AddTopScorerRow(data, rows, FindCompetitionId(data, ckNationalCup, country, 1, -1, -1),
                        season, "");
    }
    return rows;
}

bool ReviewShowsInternational(const GameData& data, int season) {
    const t_game_state& gs = data.game_state;
    return gs.continental_cup_on &&
           (season > 1 || (season == 1 && gs.continental_cup_first_season));
}

std::vector<ReviewRow> InternationalReviewRows(const GameData& data, int season) {
    struct Line {
        std::string heading;
        int kind, country;
        const char *champion, *runner_up;
    };
    const std::vector<Line> lines = {
        {"Mundial Interclubes", ckClubWorldCup, -1, " ($5 milhões)", " ($3 milhões)"},
        {"Taça Libertadores", ckContinentalCup, 29, " ($5 milhões)", " ($3 milhões)"},
        {"Liga Campeões", ckContinentalCup, 3, " ($7 milhões)", " ($5 milhões)"},
        {std::string(continental_cup_names[2]), ckContinentalCup, 1, " ($2 milhões)",
         " ($1 milhão)"},
        {std::string(continental_cup_names[3]), ckContinentalCup, 49, " ($2 milhões)",
         " ($1 milhão)"},
        {"Copa Sul-Americana", ckSecondContinentalCup, 29, " ($3 milhões)", " ($1.5 milhão)"},
        {"Liga Europa da UEFA", ckSecondContinentalCup, 3, " ($3 milhões)", " ($1.5 milhão)"},
        {"Recopa Sul-Americana", ckSuperCup, 29, " ($1 milhão)", " ($500 mil)"},
        {"Recopa Europeia", ckSuperCup, 3, " ($1 milhão)", " ($500 mil)"},
    };
    const t_game_state& gs = data.game_state;
    std::size_t shown = 5;
    if (gs.second_continental_cup_on && season > 1) {
        shown = 7;
        if (gs.season > 2) shown = 9;
    }
    std::vector<ReviewRow> rows;
    for (std::size_t i = 0; i < shown; ++i) {
        const Line& line = lines[i];
        rows.push_back({0, -1, line.heading});
        AddHonourRows(data, rows, line.country, line.kind, season, line.champion, line.runner_up);
        AddTopScorerRow(data, rows, FindCompetitionId(data, line.kind, line.country, 1, -1, -1),
                        season, "");
    }
    return rows;
}

}  // namespace kv
