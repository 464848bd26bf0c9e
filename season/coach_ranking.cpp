#include "season/coach_ranking.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/display_names.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/text_tables.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;
constexpr int kCountries = 203;

}  // namespace

int CoachCountry(const GameData& data, int coach) {
    const t_coach& c = data.coaches[coach];
    if (c.club >= 0 && c.club < static_cast<int>(data.teams.size()))
        return data.teams[c.club].country;
    return c.country;
}

std::vector<t_coach_rank> CoachRanking(const GameData& data, int country) {
    std::vector<t_coach_rank> ranking;
    for (int i = 0; i < static_cast<int>(data.coaches.size()); ++i) {
        const t_coach& c = data.coaches[i];
        if (c.name.raw().empty()) continue;
        const int own = CoachCountry(data, i);
        if (country >= 0 && own != country) continue;
        t_coach_rank& r = ranking.emplace_back();
        r.coach = i;
        r.league = CoachTitleCount(c, 1);
        r.cup = CoachTitleCount(c, 2);
        r.state = own == kBrazil ? CoachTitleCount(c, 3) : 0;
        r.continental = CoachTitleCount(c, 4);
        r.world = CoachTitleCount(c, 5);
        r.second_cup = CoachTitleCount(c, 6);
        r.points = country >= 0 ? c.ranking_points : c.world_ranking_points;
        r.club = c.club;
    }
    std::stable_sort(
        ranking.begin(), ranking.end(), [](const t_coach_rank& a, const t_coach_rank& b) {
            const std::array<int, 7> x = {a.points, a.world, a.continental, a.second_cup,
                                          a.league, a.cup,   a.state};
            const std::array<int, 7> y = {b.points, b.world, b.continental, b.second_cup,
                                          b.league, b.cup,   b.state};
            if (x != y) return x > y;
            return a.club < b.club;
        });
    return ranking;
}

std::string CoachTitlesText(const GameData& data, int coach) {
    std::array<int, 11> by_kind{};
    std::array<int, 5> league_divisions{};  // 1..4
    std::array<int, 4> continental{};       // by continent code: 0 Europe, 1 South America...
    std::array<int, 2> second_cup{}, super_cup{};
    std::map<int, int> national_by_country;
    for (const t_honour& h : data.honours) {
        if (h.coach != coach || h.placing != 1) continue;
        if (h.competition < 0 || h.competition >= static_cast<int>(data.competitions.size()))
            continue;
        const t_competition& c = data.competitions[h.competition];
        if (c.kind == 1) {
            if (c.division == 1) {
                ++by_kind[1];
                if (h.team >= 0 && h.team < static_cast<int>(data.teams.size()))
                    ++national_by_country[data.teams[h.team].country];
            } else if (c.division >= 2 && c.division <= 4) {
                ++league_divisions[c.division];
            }
        } else if (c.kind >= 2 && c.kind <= 9) {
            ++by_kind[c.kind];
            if (c.kind == 4 && c.division >= 0 && c.division < 4) ++continental[c.division];
            if (c.kind == 6 && c.division >= 0 && c.division < 2) ++second_cup[c.division];
        } else if (c.kind == 10 && c.division >= 0 && c.division < 2) {
            ++super_cup[c.division];
        }
    }
    const t_game_state& gs = data.game_state;
    std::string text;
    auto line = [&](const std::string& name, int count) {
        if (count > 0) text += name + std::to_string(count) + "\r\n";
    };
    line("Copa do Mundo:", by_kind[7]);
    line("Copa América:", by_kind[8]);
    line("Eurocopa:", by_kind[9]);
    line("Mundial:", by_kind[5]);
    if (gs.continental_cup_on && by_kind[4] > 0) {
        line("Libertadores:", continental[1]);
        line("Liga Campeões:", continental[0]);
        line(std::string(continental_cup_names[2]) + ":", continental[2]);
        line(std::string(continental_cup_names[3]) + ":", continental[3]);
    }
    if (gs.second_continental_cup_on && by_kind[6] > 0) {
        line("Sul-Americana:", second_cup[1]);
        line("Liga Europa:", second_cup[0]);
    }
    if (gs.continental_cup_on && gs.second_continental_cup_on) {
        line("Recopa Europeia:", super_cup[0]);
        line("Recopa Sul-Americana:", super_cup[1]);
    }
    if (by_kind[1] > 0) {
        text += "Nacional 1ª divisão:" + std::to_string(by_kind[1]) + " (";
        for (const auto& [country, count] : national_by_country)
            if (country >= 0 && country < kCountries)
                text += NationalityAdjective(country) + ":" + std::to_string(count);
        text += ")\r\n";
    }
    line("Copa:", by_kind[2]);
    line("Estadual:", by_kind[3]);
    line("Nacional 2ª divisão:", league_divisions[2]);
    line("Nacional 3ª divisão:", league_divisions[3]);
    line("Nacional 4ª divisão:", league_divisions[4]);
    return text;
}

std::vector<t_coach_trophy_row> CoachTrophyRows(const GameData& data, int coach) {
    std::map<int, std::vector<const t_honour*>> by_competition;
    for (const t_honour& h : data.honours)
        if (h.coach == coach && h.placing == 1) by_competition[h.competition].push_back(&h);
    std::vector<t_coach_trophy_row> rows;
    for (const auto& [competition, titles] : by_competition) {
        rows.push_back({competition, 0, -1});
        for (const t_honour* h : titles) rows.push_back({competition, h->season, h->team});
    }
    return rows;
}

}  // namespace kv
