#include "season/coaches.h"

#include <algorithm>
#include <array>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "season/contract_dates.h"

namespace kv {
namespace {

constexpr std::int32_t kEmptySlotKey = 5000;

// Players on loan keep their contract end: it is the day the loan ends.
void CalmSquad(GameData& data, int club) {
    for (const int i : data.PlayersOf(club)) {
        t_player& p = data.players[i];
        p.on_sale = 0;
        p.morale = 3;
        if (p.loan_status == 1) p.loan_status = 0;
        if (p.loan_status != 2) SetContractEndWeeks(data, 10 + Random(30), i);
    }
}

Money StartingCash(int division) {
    switch (division) {
        case 0:
            return MoneyFromUnits(500'000 + Random(200'000));
        case 1:
            return MoneyFromUnits(6'000'000 + Random(2'000'000));
        case 2:
            return MoneyFromUnits(4'000'000 + Random(1'000'000));
        case 3:
            return MoneyFromUnits(2'000'000 + Random(1'000'000));
        case 4:
            return MoneyFromUnits(1'000'000 + Random(500'000));
        default:
            return -1;
    }
}

bool StateLeagueOfClub(const GameData& data, const t_team& team) {
    return data.game_state.state_leagues_on && team.country == kHomeCountry && team.state >= 0 &&
           team.state < kStateCount;
}

template <class Test>
int CountHumanLeagueClubs(const GameData& data, Test test) {
    const int n = std::min<int>(data.game_state.league_club_count, data.teams.size());
    int count = 0;
    for (int t = 0; t < n; ++t)
        if (data.teams[t].human && test(data.teams[t])) ++count;
    return count;
}

bool IsFree(const t_coach& c) {
    return !c.employed && !c.human && !c.name.str().empty();
}

}  // namespace

void HireCoach(GameData& data, int club, int coach) {
    if (!InTable(data.teams, club) || !InTable(data.coaches, coach)) return;
    t_team& team = data.teams[club];
    t_coach& c = data.coaches[coach];
    team.coach = coach;
    c.club = club;
    c.employed = 1;
    c.hire_lock = 5;
    team.board_confidence = 100;
    team.supporter_confidence = 80;
    if (InTable(data.finances, club)) data.finances[club].loan = 0;
    if (team.division >= 0 && team.division < kTicketPriceRows)
        std::copy(data.ticket_prices[team.division].begin(),
                  data.ticket_prices[team.division].end(), team.ticket_prices);

    if (c.human) {
        t_game_state& gs = data.game_state;
        team.human = 1;
        gs.human_count += 1;
        for (std::int32_t& slot : gs.human_clubs)
            if (slot == -1) {
                slot = club;
                break;
            }
        SortHumanClubs(data);
        const int league = FindLeagueConfig(data, team.country);
        if (league >= 0) data.league_configs[league].has_human_club = 1;
        if (StateLeagueOfClub(data, team) && data.state_leagues[team.state].active)
            data.state_leagues[team.state].has_human_club = 1;
        CalmSquad(data, club);
    }

    const Money cash = StartingCash(team.division);
    if (cash >= 0) team.cash = cash;
    t_coach_appointment& a = AppendRecord(data.coach_appointment_log);
    a.coach = coach;
    a.season = data.game_state.season;
    a.team = club;
}

void ReleaseCoach(GameData& data, int club, int coach) {
    if (!InTable(data.teams, club) || !InTable(data.coaches, coach)) return;
    t_team& team = data.teams[club];
    t_coach& c = data.coaches[coach];
    t_game_state& gs = data.game_state;
    const int league = FindLeagueConfig(data, team.country);
    c.division = team.division;
    if (c.human && gs.league_format == kDivisionsOf10 && league >= 0 &&
        data.league_configs[league].division_count == 2 && team.division == 2)
        c.division = 4;
    c.club = -1;
    c.last_club = club;
    team.coach = -1;
    c.employed = 0;
    if (!c.human) return;

    CalmSquad(data, club);
    data.fallback_league = league;  // the national-cup matches shown follow the league left
    team.human = 0;
    gs.human_count -= 1;
    for (std::int32_t& slot : gs.human_clubs)
        if (slot == club) slot = -1;
    SortHumanClubs(data);
    if (gs.match_kind != ckFriendly) CancelFriendliesOf(data, club);
    DetachNewsOf(data, club);
    if (league >= 0 && CountHumanClubsInCountry(data, team.country) == 0)
        data.league_configs[league].has_human_club = 0;
    if (StateLeagueOfClub(data, team) && CountHumanClubsInState(data, team.state) == 0)
        data.state_leagues[team.state].has_human_club = 0;
}

void CancelFriendliesOf(GameData& data, int club) {
    for (t_friendly& f : data.friendlies)
        if (!f.taken && (f.home == club || f.away == club)) {
            f.taken = 1;
            f.home = -1;
            f.away = -1;
        }
}

void DetachNewsOf(GameData& data, int club) {
    for (t_news_item& item : data.inbox)
        if (item.club == club) item.club = -1;
}

int CountHumanClubsInCountry(const GameData& data, int country) {
    return CountHumanLeagueClubs(data, [country](const t_team& t) { return t.country == country; });
}

int CountHumanClubsInState(const GameData& data, int state) {
    return CountHumanLeagueClubs(data, [state](const t_team& t) { return t.state == state; });
}

void SortHumanClubs(GameData& data) {
    t_game_state& gs = data.game_state;
    for (std::int32_t& slot : gs.human_clubs)
        if (slot == -1) slot = kEmptySlotKey;
    SortIntArray(gs.human_clubs, static_cast<int>(std::size(gs.human_clubs)) - 1);
    for (std::int32_t& slot : gs.human_clubs)
        if (slot == kEmptySlotKey) slot = -1;
    if (!gs.state_leagues_on) return;
    for (t_state_league& league : data.state_leagues) {
        league.has_human_club = 0;
        const int groups = std::clamp(league.group_count + 1, 0, 5);
        for (int g = 0; g < groups; ++g)
            for (int team : league.groups[g])
                if (InTable(data.teams, team) && data.teams[team].human) league.has_human_club = 1;
    }
}

void SortIntArray(std::int32_t* values, int high) {
    if (high > 0) std::sort(values, values + high + 1);
}

std::string RandomCoachName() {
    static constexpr std::array<const char*, 11> kFirst = {
        "João",      "Paulo",  "André",   "Salvador", "Juarez", "Epitácio",
        "Jacozinho", "Gerard", "Firmino", "Sandro",   "Vítor"};
    static constexpr std::array<const char*, 11> kLast = {
        "Silva", "Pinto",   "Souza",    "Oliveira",   "Magalhães", "Ferreira",
        "Peres", "Batista", "Silveira", "Nascimento", "Santos"};
    std::string name = kFirst[Random(11)];
    return name + " " + kLast[Random(11)];
}

int CreateCoach(GameData& data, int club) {
    t_coach& c = AppendRecord(data.coaches);
    c.name.set(RandomCoachName());
    c.club = -1;
    c.last_club = -1;
    if (InTable(data.teams, club)) {
        c.country = data.teams[club].country;
        c.division = data.teams[club].division;
    }
    return static_cast<int>(data.coaches.size()) - 1;
}

int FindFreeCoach(const GameData& data, int country) {
    for (std::size_t i = 0; i < data.coaches.size(); ++i) {
        const t_coach& c = data.coaches[i];
        if (IsFree(c) && (country == -1 || c.country == country)) return static_cast<int>(i);
    }
    return -1;
}

int FindFreeCoachForDivision(const GameData& data, int country, int division) {
    for (std::size_t i = 0; i < data.coaches.size(); ++i) {
        const t_coach& c = data.coaches[i];
        if (IsFree(c) && (country == -1 || c.country == country) && c.division == division)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace kv
