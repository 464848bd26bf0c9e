#include "season/head_to_head_list.h"

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/record_sort.h"

namespace kv {

std::vector<int> TeamsByName(const GameData& data) {
    struct Entry {
        int team;
        PString<25> name;
    };
    std::vector<Entry> entries;
    for (int t = 0; t < static_cast<int>(data.teams.size()); ++t)
        entries.push_back({t, data.teams[t].name});
    QuickSortRecords(entries, [](const Entry& a, const Entry& b) {
        const std::string_view x = a.name.raw(), y = b.name.raw();
        return x < y ? -1 : (y < x ? 1 : 0);
    });
    std::vector<int> order;
    for (const Entry& e : entries) order.push_back(e.team);
    return order;
}

std::vector<int> HeadToHeadMeetings(const GameData& data, int a, int b) {
    std::vector<int> meetings;
    for (int i = 0; i < static_cast<int>(data.result_history.size()); ++i) {
        const t_result_entry& r = data.result_history[i];
        if ((r.home == a && r.away == b) || (r.home == b && r.away == a)) meetings.push_back(i);
    }
    return meetings;
}

std::string MeetingCompetitionName(int kind, int country) {
    const bool south = ContinentOfCountry(country) == ctSouthAmerica;
    switch (kind) {
        case 0:
            return "Amistoso";
        case 1:
            return "Campeonato " + NationalityAdjective(country);
        case 2:
            return "Copa " + CountryWithArticle(country);
        case 3:
            return "Estadual";
        case 4:
            return south ? "Libertadores" : "Liga Campeões";
        case 5:
            return "Mundial Interclubes";
        case 6:
            return south ? "Sul-Americana" : "Liga Europa";
        case 10:
            return "Recopa";
        default:
            return "";
    }
}

std::string HeadToHeadSideLine(int wins, int losses, int goals_for, int goals_against) {
    return std::to_string(wins) + "v " + std::to_string(losses) + "d " + std::to_string(goals_for) +
           "gp " + std::to_string(goals_against) + "gc ";
}

}  // namespace kv
