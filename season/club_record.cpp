#include "season/club_record.h"

#include <algorithm>
#include <span>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/text_tables.h"
#include "season/fixture_list.h"
#include "season/histories.h"

namespace kv {
namespace {

constexpr int kShownSeasons = 21;
constexpr std::string_view kCupStages[] = {"Fase preliminar", "1ª fase", "Oitavas", "Quartas",
                                           "Semi-final",      "Final",   "Campeão"};
constexpr std::string_view kContinentalStages[] = {"Campeão",    "1ª fase", "1ª fase",
                                                   "1ª fase",    "Oitavas", "Quartas",
                                                   "Semi-final", "Final",   "Campeão"};
// The kinds a club's matches are counted by, in the order the record lists them.
constexpr int kRecordKinds[] = {0, 1, 2, 3, 4, 5, 6, 10};

std::string Stage(std::span<const std::string_view> stages, int code) {
    if (code < 0 || code >= static_cast<int>(stages.size())) return "";
    return std::string(stages[code]);
}

const t_club_result* LatestClubResult(const GameData& data, int club, int kind, int season) {
    for (auto it = data.club_competition_history.rbegin();
         it != data.club_competition_history.rend(); ++it)
        if (it->team == club && it->kind == kind && it->season == season) return &*it;
    return nullptr;
}

std::string Ordinal(int n, std::string_view suffix) {
    return std::to_string(n) + std::string(suffix);
}

std::string DivisionPlacing(const t_club_result* r) {
    if (!r) return "";
    return Ordinal(r->placing, "º - ") + Ordinal(r->extra, "ª divisão");
}

std::string CupOutcome(const t_club_result* r) {
    if (!r) return "";
    if (r->placing == 6) return "Campeão";
    if (r->placing == 5) return "Vice-Campeão";
    return "Elim. na " + Stage(kCupStages, r->placing);
}

std::string ContinentalOutcome(const t_club_result* r, bool current) {
    if (!r) return "";
    if (r->placing == 8) return "Campeão";
    if (r->placing == 7) return "Vice-Campeão";
    return (current ? "Elim. " : "Elim. na ") + Stage(kContinentalStages, r->placing);
}

std::string KindLabel(const GameData& data, int club, int kind, const ContinentalCupNames& cups) {
    const t_team& team = data.teams[club];
    switch (kind) {
        case 0:
            return "Amistosos";
        case 1:
            return "Camp." + NationalityAdjective(team.country);
        case 2:
            return "Copa";
        case 3:
            return std::string(
                team.state >= 0 && team.state < kStateCount ? state_adjectives[team.state] : "");
        case 4:
            return cups.first;
        case 5:
            return "Mundial";
        case 6:
            return cups.second;
        case 10:
            return "Recopa";
        default:
            return "";
    }
}

struct Totals {
    int games = 0, wins = 0, losses = 0, draws = 0, goals_for = 0, goals_against = 0;
    void Add(int own, int other) {
        ++games;
        goals_for += own;
        goals_against += other;
        if (own > other)
            ++wins;
        else if (own < other)
            ++losses;
        else
            ++draws;
    }
    void CopyTo(ClubRecordLine& line) const {
        line.games = games;
        line.wins = wins;
        line.losses = losses;
        line.draws = draws;
        line.goals_for = goals_for;
        line.goals_against = goals_against;
    }
};

std::string SeasonCoaches(const GameData& data, int club, int season) {
    std::vector<int> seen;
    std::string text;
    for (const t_coach_season& line : data.coach_seasons) {
        if (line.team != club || line.season != season) continue;
        if (std::find(seen.begin(), seen.end(), line.coach) != seen.end()) continue;
        seen.push_back(line.coach);
        if (line.coach < 0 || line.coach >= static_cast<int>(data.coaches.size())) continue;
        if (!text.empty()) text += ",";
        text += data.coaches[line.coach].name.str();
    }
    return text;
}

}  // namespace

TitleCounters CountTitles(const GameData& data, int club) {
    TitleCounters counters{};
    for (const t_honour& h : data.honours) {
        if (h.team != club || h.placing != 1) continue;
        if (h.competition < 0 || h.competition >= static_cast<int>(data.competitions.size()))
            continue;
        const t_competition& c = data.competitions[h.competition];
        // Only the kinds that have a counter: a national-team title or a kind without one must
        // not land on the counter of another kind.
        if (c.kind == ckNationalLeague) {
            if (c.division == 1)
                ++counters[0];
            else if (c.division >= 2 && c.division <= 4)
                ++counters[4 + c.division];
        } else if (c.kind >= 2 && c.kind <= 6) {
            ++counters[c.kind - 1];
        } else if (c.kind == 10) {
            ++counters[9];
        }
    }
    return counters;
}

ContinentalCupNames ContinentalCupNamesOf(int country) {
    switch (ContinentOfCountry(country)) {
        case ctEurope:
            return {"Liga Campeões", "Liga Europa"};
        case ctSouthAmerica:
            return {"Libertadores", "Sul-Americana"};
        case ctAfrica:
            return {std::string(continental_cup_names[2]), ""};
        case ctAsia:
            return {std::string(continental_cup_names[3]), ""};
        default:
            return {};
    }
}

std::string ClubPlacingText(const GameData& data, int club, int kind, int season) {
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return "";
    const t_game_state& gs = data.game_state;
    const t_team& team = data.teams[club];
    const bool current = season == gs.season;
    const t_club_result* r = LatestClubResult(data, club, kind, season);
    switch (kind) {
        case 1:
            if (current) return "Na " + Ordinal(team.division, "ª divisão");
            return DivisionPlacing(r);
        case 2: {
            if (current && team.in_national_cup)
                return "Joga " + Stage(kCupStages, gs.national_cup_round);
            std::string text = CupOutcome(r);
            if (!current && FindChampion(data, 2, team.country, season) == club) text = "Campeão";
            return text;
        }
        case 3:
            if (current && gs.state_league_round != 8) return "";
            return DivisionPlacing(r);
        case 4:
        case 6: {
            const bool playing =
                kind == 4 ? team.in_continental_cup : team.in_second_continental_cup;
            const int round = kind == 4 ? gs.continental_cup_round : gs.second_cup_round;
            if (current && playing)
                return round <= 4 ? "Joga 1ª Fase" : "Joga " + Stage(kContinentalStages, round);
            return ContinentalOutcome(r, current);
        }
        case 5:
            if (current || !r) return "";
            switch (r->placing) {
                case 1:
                    return "Campeão";
                case 2:
                    return "Vice-Campeão";
                case 3:
                    return "3º lugar";
                case 4:
                    return "4º lugar";
                case 10:
                    return "Elim. 1ª fase";
                case 20:
                    return "Elim. semi-final";
                default:
                    return "";
            }
        case 10:
            if (NextSuperCupRound(data) != -1 || !r) return "";
            return r->placing == 1 ? "Campeão" : "Vice-Campeão";
        default:
            return "";
    }
}

std::vector<ClubRecordLine> ClubRecord(const GameData& data, int club) {
    std::vector<ClubRecordLine> lines;
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return lines;
    const int last = data.game_state.season;
    const int first = std::max(1, last - (kShownSeasons - 1));
    const ContinentalCupNames cups = data.game_state.continental_cup_on
                                         ? ContinentalCupNamesOf(data.teams[club].country)
                                         : ContinentalCupNames{};
    for (int s = last; s >= first; --s) {
        Totals season;
        Totals by_kind[11];
        for (const t_result_entry& e : data.result_history) {
            if (e.season != s || (e.home != club && e.away != club)) continue;
            const bool home = e.home == club;
            const int own = home ? e.home_goals : e.away_goals;
            const int other = home ? e.away_goals : e.home_goals;
            season.Add(own, other);
            if (e.kind >= 0 && e.kind <= 10) by_kind[e.kind].Add(own, other);
        }
        if (season.games == 0) continue;
        ClubRecordLine& head = lines.emplace_back();
        head.season = s;
        season.CopyTo(head);
        head.coaches = SeasonCoaches(data, club, s);
        for (int kind : kRecordKinds) {
            if (by_kind[kind].games == 0) continue;
            ClubRecordLine& line = lines.emplace_back();
            line.season = s;
            line.kind = kind;
            line.competition = KindLabel(data, club, kind, cups);
            line.placing = ClubPlacingText(data, club, kind, s);
            by_kind[kind].CopyTo(line);
        }
    }
    return lines;
}

std::string ClubTitlesLine(const GameData& data, int club) {
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return "";
    const TitleCounters t = CountTitles(data, club);
    const ContinentalCupNames cups = ContinentalCupNamesOf(data.teams[club].country);
    const std::pair<std::string, int> parts[] = {
        {"Nacional:", t[0]},       {"2ª divisão:", t[6]},
        {"3ª divisão:", t[7]},     {"4ª divisão:", t[8]},
        {"Copa:", t[1]},           {cups.first + ":", t[3]},
        {cups.second + ":", t[5]}, {"Mundial:", t[4]},
        {"Recopa:", t[9]},         {"Estadual:", data.teams[club].state_titles}};
    std::string line;
    for (const auto& [name, count] : parts)
        if (count > 0) line += name + std::to_string(count) + "; ";
    return line;
}

}  // namespace kv
