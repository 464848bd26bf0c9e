#include "season/club_fixtures.h"

#include <algorithm>

#include "core/dates.h"
#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/text_tables.h"
#include "season/fixture_list.h"

namespace kv {
namespace {

bool ValidTeam(const GameData& data, int club) {
    return club >= 0 && club < static_cast<int>(data.teams.size());
}

}  // namespace

std::vector<int> ClubFixtures(const GameData& data, int club, int kind) {
    std::vector<int> found;
    for (int f = 0; f < static_cast<int>(data.fixtures.size()); ++f) {
        const t_fixture& fx = data.fixtures[f];
        if ((kind < 0 || fx.kind == kind) && (fx.home == club || fx.away == club))
            found.push_back(f);
    }
    std::stable_sort(found.begin(), found.end(),
                     [&](int a, int b) { return data.fixtures[a].date < data.fixtures[b].date; });
    return found;
}

std::string ClubFixtureCompetition(const GameData& data, int club, int kind) {
    if (!ValidTeam(data, club)) return "";
    const t_team& team = data.teams[club];
    const TContinent continent = ContinentOfCountry(team.country);
    const bool south = continent == ctSouthAmerica, europe = continent == ctEurope;
    switch (kind) {
        case 0:
            return "Amistoso";
        case 1:
            return "Campeonato " + NationalityAdjective(team.country);
        case 2:
            return "Copa " + CountryWithArticle(team.country);
        case 3:
            return team.state >= 0 && team.state < kStateCount
                       ? "Camp. " + std::string(state_adjectives[team.state])
                       : std::string("Camp. ");
        case 4:
            if (south) return "Libertadores";
            if (europe) return "Liga Campeões";
            if (continent == ctAfrica) return std::string(continental_cup_names[2]);
            if (continent == ctAsia) return std::string(continental_cup_names[3]);
            return "";
        case 5:
            return "Mundial Interclubes";
        case 6:
            return south ? "Sul-Americana" : europe ? "Liga Europa" : "";
        case 10:
            return south ? "Recopa Sul-Americana" : europe ? "Recopa Europeia" : "";
        default:
            return "";
    }
}

std::vector<t_fixture_filter> ClubFixtureFilters(const GameData& data, int club) {
    std::vector<t_fixture_filter> filters = {
        {"Todos os jogos", -1}, {"Nacional", 1}, {"Amistosos", 0}};
    if (!ValidTeam(data, club)) return filters;
    const t_game_state& gs = data.game_state;
    const t_team& team = data.teams[club];
    const bool south = ContinentOfCountry(team.country) == ctSouthAmerica;
    if (gs.national_cup_on) filters.push_back({"Copa", 2});
    if (gs.state_leagues_on) filters.push_back({"Estadual", 3});
    if (team.continental_group > 0) {
        const std::string name = ClubFixtureCompetition(data, club, 4);
        if (!name.empty()) filters.push_back({name, 4});
    }
    if (team.second_continental_group > 0)
        filters.push_back({south ? "Sul-Americana" : "Liga Europa", 6});
    if (PlaysSuperCup(data, club))
        filters.push_back({south ? "Recopa Sul-Americana" : "Recopa Europeia", 10});
    return filters;
}

std::string FixtureDateText(double date) {
    static constexpr const char* kDays[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    const int day = DayOfWeek(date);
    return FormatDate(date) + " - " + (day >= 1 && day <= 7 ? kDays[day - 1] : "");
}

}  // namespace kv
