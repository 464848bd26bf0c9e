#include "season/continental_draws.h"

#include <array>
#include <initializer_list>
#include <set>
#include <vector>

#include "core/club_file.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "season/draw_helpers.h"
#include "season/game_messages.h"
#include "season/histories.h"
#include "season/league_entrants.h"

namespace kv {
namespace {

// The countries of each draw, in list order; the enumerations name their positions.
// clang-format off
constexpr int kSouthAmericanCountries[] = {29, 11, 195, 150, 42, 46, 131, 60, 151, 26, 198};
enum { Brasil, Argentina, Uruguai, Paraguai, Chile, Colombia, Mexico, Equador, Peru, Bolivia,
       Venezuela };

constexpr int kEuropeanCountries[] = {97, 65, 3, 104, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159,
                                      192, 15, 52, 31, 88, 171, 179, 152, 180, 76, 142, 27, 54, 44};
enum { Inglaterra, Espanha, Alemanha, Italia, Franca, Holanda, Portugal, Russia, Ucrania, Grecia,
       Romenia, Escocia, Belgica, RepTcheca, Turquia, Austria, Croacia, Bulgaria, Hungria, Servia,
       Suecia, Polonia, Suica, Georgia, Noruega, Bosnia, Dinamarca, Chipre };

constexpr int kAfricanCountries[] = {57, 129, 190, 1, 47, 50, 75, 10, 141, 127, 67, 36, 5, 157,
                                     178, 201, 200, 81};
enum { Egito, Marrocos, Tunisia, AfricaDoSul, Congo, CostaDoMarfim, Gana, Argelia, Nigeria, Mali,
       Etiopia, Camaroes, Angola, RepDemCongo, Sudao, Zimbabue, Zambia, Guine };

constexpr int kAsianCountries[] = {9, 43, 107, 49, 39, 98, 59, 196, 14, 183};
enum { ArabiaSaudita, China, Japao, CoreiaDoSul, Catar, Ira, Emirados, Uzbequistao, Australia,
       Tailandia };

constexpr int kClubWorldCupCountries[] = {107, 9, 43, 49, 57, 129, 1, 190, 51, 38, 68, 14, 143,
                                          131, 157, 59, 148, 39};
enum { cwJapao, cwArabiaSaudita, cwChina, cwCoreiaDoSul, cwEgito, cwMarrocos, cwAfricaDoSul,
       cwTunisia, cwCostaRica, cwCanada, cwEUA, cwAustralia, cwNovaZelandia, cwMexico,
       cwRepDemCongo, cwEmirados, cwPapuaNovaGuine, cwCatar };
// clang-format on

constexpr int kListLength = 11;

// One ranked list of clubs per country of a draw (entry 1 the best).
class DrawLists {
  public:
    DrawLists(const GameData& data, std::span<const int> countries, bool fresh)
        : lists_(countries.size()) {
        for (std::size_t k = 0; k < countries.size(); ++k) {
            lists_[k].fill(-1);
            const int config = FindLeagueConfig(data, countries[k]);
            t_top_clubs picked;
            const t_top_clubs* source = nullptr;
            if (!fresh && InTable(data.top_club_lists, config)) {
                source = &data.top_club_lists[config];
            } else {
                PickTopClubs(data, countries[k], picked);
                source = &picked;
            }
            for (int i = 0; i < 10; ++i)
                if (InTable(data.teams, source->clubs[i])) lists_[k][i] = source->clubs[i];
        }
    }

    // L[list, i], i from 1; -1 when the list has no such club.
    int At(int list, int i) const {
        if (list < 0 || list >= count() || i < 1 || i > kListLength) return -1;
        return lists_[list][i - 1];
    }

    int count() const { return static_cast<int>(lists_.size()); }

    // Takes the team out of one list; the clubs after it move up.
    void RemoveFromTopClubs(int list, int team) {
        if (list < 0 || list >= count()) return;
        auto& row = lists_[list];
        std::array<std::int32_t, kListLength> kept;
        kept.fill(-1);
        int n = 0;
        for (const int club : row)
            if (club != team && club != -1) kept[n++] = club;
        row = kept;
    }

  private:
    std::vector<std::array<std::int32_t, kListLength>> lists_;
};

// A place in a cup: the club and the list (country) the place belongs to, -1 for none.
struct Place {
    std::int32_t team;
    int list;
};
using Places = std::vector<Place>;

void Take(Places& places, const DrawLists& lists, int list, int from, int to) {
    for (int i = from; i <= to; ++i) places.push_back({lists.At(list, i), list});
}

// Every place the lists left empty takes a club of the draw no other place holds: first
// one further down the place's own country's list, then the best free club of the draw,
// rank by rank in country order.
void FillEmptyPlaces(const DrawLists& lists, std::initializer_list<Places*> parts) {
    std::set<int> used;
    for (const Places* part : parts)
        for (const Place& p : *part)
            if (p.team >= 0) used.insert(p.team);
    const auto free_club = [&](int list, int i) {
        const int team = lists.At(list, i);
        return team >= 0 && !used.count(team) ? team : -1;
    };
    for (Places* part : parts)
        for (Place& p : *part) {
            if (p.team >= 0) continue;
            for (int i = 1; i <= kListLength && p.team < 0; ++i) p.team = free_club(p.list, i);
            for (int i = 1; i <= kListLength && p.team < 0; ++i)
                for (int list = 0; list < lists.count() && p.team < 0; ++list)
                    p.team = free_club(list, i);
            if (p.team >= 0) used.insert(p.team);
        }
}

template <std::size_t N>
std::array<std::int32_t, N> Teams(const Places& places) {
    std::array<std::int32_t, N> teams;
    teams.fill(-1);
    for (std::size_t i = 0; i < N && i < places.size(); ++i) teams[i] = places[i].team;
    return teams;
}

// Group g: seed g in slot 1 and others 3g - 2 .. 3g in slots 2 to 4.
void WriteGroups(GroupTable& groups, const std::array<std::int32_t, 8>& seeds,
                 const std::array<std::int32_t, 24>& others) {
    for (int g = 0; g < 8; ++g) {
        groups[g][0] = seeds[g];
        for (int s = 1; s < 4; ++s) groups[g][s] = others[3 * g + s - 1];
    }
}

void FlagGroups(GameData& data, const GroupTable& groups, std::int32_t t_team::*group_field,
                std::uint8_t t_team::*flag) {
    for (int g = 0; g < 8; ++g)
        for (const int team : groups[g])
            if (InTable(data.teams, team)) {
                data.teams[team].*group_field = g + 1;
                data.teams[team].*flag = 1;
            }
}

std::int32_t* SlotOf(GroupTable& groups, int team) {
    if (team < 0) return nullptr;
    for (auto& group : groups)
        for (std::int32_t& slot : group)
            if (slot == team) return &slot;
    return nullptr;
}

// A human coach's league whose champion-to-be is left out of the first cup gets its
// leader in: it takes the place of the draw's wild card, unless a human coaches that
// club. At most one change per draw. A leader already drawn for the second cup leaves
// that place to the club it displaced, so no club plays both cups.
void ApplyHumanLeagueRule(GameData& data, int continent, GroupTable& first_cup, int wild_card,
                          GroupTable* second_cup) {
    const t_game_state& gs = data.game_state;
    const int humans = std::clamp(gs.human_count, 0, static_cast<int>(std::size(gs.human_clubs)));
    for (int k = 0; k < humans; ++k) {
        const int club = gs.human_clubs[k];
        if (!InTable(data.teams, club) || ContinentOfCountry(data.teams[club].country) != continent)
            continue;
        const int config = FindLeagueConfig(data, data.teams[club].country);
        if (!InTable(data.league_configs, config) || !data.league_configs[config].has_human_club)
            continue;
        const int leader = data.league_configs[config].standings[0][0];
        if (!InTable(data.teams, leader) || InGroups(first_cup, leader)) continue;
        std::int32_t* slot = SlotOf(first_cup, wild_card);
        if (!slot) continue;
        if (!IsHumanTeam(data, *slot)) {
            const int displaced = *slot;
            *slot = leader;
            if (second_cup) {
                if (std::int32_t* second = SlotOf(*second_cup, leader)) *second = displaced;
            }
        }
        return;
    }
}

// A continent with one cup: its eight seeds and twenty-four others shuffled into eight groups.
void DrawSingleCupGroups(GameData& data, int continent, GroupTable& groups,
                         std::int32_t t_team::*group_field, const Places& seeds,
                         const Places& others, int wild_card) {
    for (t_team& team : data.teams) team.*group_field = 0;
    auto seed_teams = Teams<8>(seeds);
    auto other_teams = Teams<24>(others);
    ShuffleSlots(seed_teams);
    ShuffleSlots(other_teams);
    WriteGroups(groups, seed_teams, other_teams);
    ApplyHumanLeagueRule(data, continent, groups, wild_card, nullptr);
    FlagGroups(data, groups, group_field, &t_team::in_continental_cup);
}

void ClearContinentalEntries(GameData& data) {
    for (t_team& team : data.teams) {
        team.continental_group = 0;
        team.second_continental_group = 0;
    }
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team) {
        data.teams[team].in_continental_cup = 0;
        data.teams[team].in_second_continental_cup = 0;
    }
    t_game_state& gs = data.game_state;
    gs.continental_cup_phase = gs.continental_cup_round = gs.continental_cup_leg = 1;
    gs.second_cup_phase = gs.second_cup_round = gs.second_cup_leg = 1;
    gs.club_world_cup_stage = 1;
}

// Draws one list among `candidates`: the first a human coaches, else a random one with
// a club (up to 50 tries).
int PickAmong(const GameData& data, const DrawLists& lists, std::initializer_list<int> candidates) {
    for (const int list : candidates)
        if (IsHumanTeam(data, lists.At(list, 1))) return list;
    const int n = static_cast<int>(candidates.size());
    int list = -1;
    for (int tries = 0; tries < 50; ++tries) {
        list = candidates.begin()[RandInt(n)];
        if (lists.At(list, 1) >= 0) break;
    }
    return list;
}

// The club of a weighted country draw: r picks the first row whose bound r is below,
// then the fallback order when that country has no club.
struct WeightedCountry {
    int below;
    int list;
};

int WeightedPick(const DrawLists& lists, std::initializer_list<WeightedCountry> weights,
                 std::initializer_list<int> fallback) {
    const int r = RandInt(100);
    for (const WeightedCountry& w : weights)
        if (r < w.below) {
            if (lists.At(w.list, 1) >= 0) return lists.At(w.list, 1);
            break;
        }
    for (const int list : fallback)
        if (lists.At(list, 1) >= 0) return lists.At(list, 1);
    return -1;
}

// The best club by level of a continent that is not yet drawn; -1 when none.
int BestClubOfContinent(const GameData& data, int continent, std::initializer_list<int> drawn) {
    int best = -1;
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team) {
        if (ContinentOfCountry(data.teams[team].country) != continent) continue;
        if (std::find(drawn.begin(), drawn.end(), team) != drawn.end()) continue;
        if (best < 0 || data.teams[team].level > data.teams[best].level) best = team;
    }
    return best;
}

int HolderOfSouthAmericanCup(const GameData& data) {
    const t_game_state& gs = data.game_state;
    const bool holder_known = gs.season >= 3 || (gs.season >= 2 && gs.continental_cup_first_season);
    if (!holder_known) return -1;
    const int holder = FindChampion(data, ckContinentalCup, kSouthAmericaCountry, gs.season - 1);
    return InTable(data.teams, holder) ? holder : -1;
}

}  // namespace

void DrawSouthAmericanCups(GameData& data, bool at_new_game) {
    DrawLists lists(data, kSouthAmericanCountries, at_new_game);
    const int holder = HolderOfSouthAmericanCup(data);
    if (holder >= 0) {
        for (int list = 0; list < lists.count(); ++list)
            if (kSouthAmericanCountries[list] == data.teams[holder].country)
                lists.RemoveFromTopClubs(list, holder);
    }
    ClearContinentalEntries(data);
    t_game_state& gs = data.game_state;
    const bool second = gs.second_continental_cup_on;

    Places seeds1, others1, seeds2, others2;
    Take(seeds1, lists, Brasil, 1, 4);
    Take(seeds1, lists, Argentina, 1, 4);
    for (const int list : {Uruguai, Paraguai, Chile, Colombia, Mexico})
        Take(others1, lists, list, 1, 3);
    Take(others1, lists, Equador, 1, 2);
    if (holder >= 0)
        others1.push_back({holder, -1});
    else
        Take(others1, lists, Equador, 3, 3);
    for (const int list : {Peru, Bolivia, Venezuela}) Take(others1, lists, list, 1, 2);
    if (second) {
        Take(seeds2, lists, Brasil, 5, 8);
        Take(seeds2, lists, Argentina, 5, 8);
        for (const int list : {Uruguai, Paraguai, Chile, Colombia, Mexico})
            Take(others2, lists, list, 4, 6);
        if (holder >= 0)
            Take(others2, lists, Equador, 3, 5);
        else
            Take(others2, lists, Equador, 4, 6);
        for (const int list : {Peru, Bolivia, Venezuela}) Take(others2, lists, list, 3, 4);
    }
    FillEmptyPlaces(lists, {&seeds1, &others1, &seeds2, &others2});

    auto first_seeds = Teams<8>(seeds1);
    auto second_seeds = Teams<8>(seeds2);
    auto first_others = Teams<24>(others1);
    ShuffleSlots(first_seeds);
    if (second) ShuffleSlots(second_seeds);
    ShuffleSlots(first_others);
    WriteGroups(gs.continental_groups_south_america, first_seeds, first_others);
    FlagGroups(data, gs.continental_groups_south_america, &t_team::continental_group,
               &t_team::in_continental_cup);
    if (!second) return;
    auto second_others = Teams<24>(others2);
    ShuffleSlots(second_others);
    WriteGroups(gs.second_cup_groups_south_america, second_seeds, second_others);
    FlagGroups(data, gs.second_cup_groups_south_america, &t_team::second_continental_group,
               &t_team::in_second_continental_cup);
    // The preliminary ties pair slot 1 with slot 2 and slot 3 with slot 4 of each group.
    for (int g = 0; g < 8; ++g)
        for (int s = 0; s < 4; ++s)
            data.second_cup_prelim_teams[4 * g + s] = gs.second_cup_groups_south_america[g][s];
}

void DrawEuropeanCups(GameData& data, bool at_new_game) {
    DrawLists lists(data, kEuropeanCountries, at_new_game);
    t_game_state& gs = data.game_state;
    const bool second = gs.second_continental_cup_on;

    Places seeds1, others1, seeds2, others2;
    for (const int list : {Inglaterra, Espanha, Alemanha, Italia}) Take(seeds1, lists, list, 1, 2);
    if (second) {
        for (const int list : {Inglaterra, Espanha, Alemanha}) Take(seeds2, lists, list, 5, 6);
        Take(seeds2, lists, Italia, 4, 5);
    }
    for (const int list : {Inglaterra, Espanha, Alemanha}) Take(others1, lists, list, 3, 4);
    Take(others1, lists, Italia, 3, 3);
    Take(others1, lists, Franca, 1, 3);
    Take(others1, lists, Holanda, 1, 2);
    Take(others1, lists, Portugal, 1, 2);
    for (const int list : {Russia, Ucrania, Grecia, Romenia, Escocia, Belgica, Turquia})
        Take(others1, lists, list, 1, 1);
    const bool austria = RandInt(10) < 7 && lists.At(Austria, 1) >= 0;
    const int wild_card_place = static_cast<int>(others1.size());
    Take(others1, lists, austria ? Austria : RepTcheca, 1, 1);
    Take(others1, lists, PickAmong(data, lists, {Dinamarca, Croacia, Bulgaria}), 1, 1);
    Take(others1, lists, PickAmong(data, lists, {Hungria, Servia, Suecia, Chipre}), 1, 1);
    if (second) {
        for (const int list : {Inglaterra, Espanha, Alemanha}) Take(others2, lists, list, 7, 7);
        Take(others2, lists, Franca, 4, 5);
        Take(others2, lists, Holanda, 3, 3);
        Take(others2, lists, Portugal, 3, 4);
        Take(others2, lists, Russia, 2, 3);
        for (const int list : {Ucrania, Grecia, Romenia, Escocia, Belgica, Turquia})
            Take(others2, lists, list, 2, 2);
        for (const int list : {Polonia, Suica, Georgia, Noruega, Bosnia})
            Take(others2, lists, list, 1, 1);
        Take(others2, lists, Holanda, 4, 4);
        Take(others2, lists, Italia, 7, 7);
        Take(others2, lists, Turquia, 3, 3);
    }
    FillEmptyPlaces(lists, {&seeds1, &others1, &seeds2, &others2});
    const int wild_card = others1[wild_card_place].team;

    auto first_seeds = Teams<8>(seeds1);
    auto second_seeds = Teams<8>(seeds2);
    ShuffleSlots(first_seeds);
    if (second) ShuffleSlots(second_seeds);
    auto first_others = Teams<24>(others1);
    ShuffleSlots(first_others);
    WriteGroups(gs.continental_groups_europe, first_seeds, first_others);
    if (second) {
        auto second_others = Teams<24>(others2);
        ShuffleSlots(second_others);
        WriteGroups(gs.second_cup_groups_europe, second_seeds, second_others);
    }
    ApplyHumanLeagueRule(data, ctEurope, gs.continental_groups_europe, wild_card,
                         second ? &gs.second_cup_groups_europe : nullptr);
    FlagGroups(data, gs.continental_groups_europe, &t_team::continental_group,
               &t_team::in_continental_cup);
    if (second)
        FlagGroups(data, gs.second_cup_groups_europe, &t_team::second_continental_group,
                   &t_team::in_second_continental_cup);
}

void DrawAfricanCup(GameData& data, bool at_new_game) {
    DrawLists lists(data, kAfricanCountries, at_new_game);
    Places seeds, others;
    Take(seeds, lists, Egito, 1, 3);
    Take(seeds, lists, Marrocos, 1, 3);
    Take(seeds, lists, Tunisia, 1, 2);
    Take(others, lists, Tunisia, 3, 3);
    Take(others, lists, AfricaDoSul, 1, 3);
    for (const int list : {Congo, CostaDoMarfim, Gana}) Take(others, lists, list, 1, 1);
    Take(others, lists, Argelia, 1, 3);
    Take(others, lists, Nigeria, 1, 2);
    for (const int list : {Mali, Etiopia}) Take(others, lists, list, 1, 1);
    for (const int list : {Camaroes, Angola}) Take(others, lists, list, 1, 2);
    Take(others, lists, RepDemCongo, 1, 1);
    Take(others, lists, Sudao, 1, 2);
    for (const int list : {Zimbabue, Zambia, Guine}) Take(others, lists, list, 1, 1);
    FillEmptyPlaces(lists, {&seeds, &others});
    const int wild_card = others.back().team;

    DrawSingleCupGroups(data, ctAfrica, data.game_state.continental_groups_africa,
                        &t_team::african_group, seeds, others, wild_card);
}

void DrawAsianCup(GameData& data, bool at_new_game) {
    DrawLists lists(data, kAsianCountries, at_new_game);
    Places seeds, others;
    for (const int list : {ArabiaSaudita, China, Japao, CoreiaDoSul})
        Take(seeds, lists, list, 1, 2);
    for (const int list : {ArabiaSaudita, China, Japao, CoreiaDoSul})
        Take(others, lists, list, 3, 4);
    Take(others, lists, Catar, 1, 4);
    Take(others, lists, Ira, 1, 3);
    const int wild_card_place = static_cast<int>(others.size()) + 3;
    Take(others, lists, Emirados, 1, 4);
    Take(others, lists, Uzbequistao, 1, 2);
    Take(others, lists, Australia, 1, 2);
    Take(others, lists, Tailandia, 1, 1);
    FillEmptyPlaces(lists, {&seeds, &others});
    const int wild_card = others[wild_card_place].team;

    DrawSingleCupGroups(data, ctAsia, data.game_state.continental_groups_asia,
                        &t_team::asian_group, seeds, others, wild_card);
}

bool SetFirstSeasonContinentalGroups(GameData& data, std::span<const std::int32_t> club_ids) {
    const auto team_of = [&](std::int32_t id) {
        int found = -1;
        const int end =
            std::min<int>(static_cast<int>(club_ids.size()), static_cast<int>(data.teams.size()));
        for (int team = 0; team < end; ++team)
            if (club_ids[team] == id) found = team;
        return found;
    };
    t_game_state& gs = data.game_state;
    bool all_found = true;
    for (int g = 0; g < 8; ++g)
        for (int s = 0; s < 4; ++s) {
            gs.continental_groups_south_america[g][s] =
                team_of(kFirstSeasonSouthAmericanGroupIds[g][s]);
            gs.continental_groups_europe[g][s] = team_of(kFirstSeasonEuropeanGroupIds[g][s]);
            all_found = all_found && gs.continental_groups_south_america[g][s] >= 0 &&
                        gs.continental_groups_europe[g][s] >= 0;
        }
    if (!all_found) {
        gs.continental_cup_first_season = 0;
        DrawSouthAmericanCups(data, true);
        DrawEuropeanCups(data, true);
        gs.continental_cup_first_season = 1;
        return false;
    }
    FlagGroups(data, gs.continental_groups_south_america, &t_team::continental_group,
               &t_team::in_continental_cup);
    FlagGroups(data, gs.continental_groups_europe, &t_team::continental_group,
               &t_team::in_continental_cup);
    gs.continental_cup_phase = gs.continental_cup_round = gs.continental_cup_leg = 1;
    gs.club_world_cup_stage = 1;
    return true;
}

bool DrawClubWorldCup(GameData& data, GameMessages& messages) {
    const int season = data.game_state.season;
    PrepareContinentalCups(data, season, -1);
    const DrawLists lists(data, kClubWorldCupCountries, false);

    const auto champion = [&](int country) {
        const int team = FindChampion(data, ckContinentalCup, country, season);
        return InTable(data.teams, team) ? team : -1;
    };
    const int south_america = champion(kSouthAmericaCountry);
    const int europe = champion(kEuropeCountry);
    int africa = champion(kAfricaCountry);
    int asia = champion(kAsiaCountry);
    if (asia < 0) {
        asia =
            WeightedPick(lists,
                         {{20, cwJapao},
                          {45, cwArabiaSaudita},
                          {50, cwChina},
                          {75, cwCoreiaDoSul},
                          {85, cwEmirados},
                          {100, cwCatar}},
                         {cwJapao, cwArabiaSaudita, cwChina, cwCoreiaDoSul, cwEmirados, cwCatar});
        if (asia < 0) asia = BestClubOfContinent(data, ctAsia, {south_america, europe, africa});
    }
    if (africa < 0) {
        africa = WeightedPick(lists,
                              {{20, cwEgito},
                               {40, cwMarrocos},
                               {50, cwAfricaDoSul},
                               {80, cwRepDemCongo},
                               {100, cwTunisia}},
                              {cwRepDemCongo, cwEgito, cwMarrocos, cwAfricaDoSul, cwTunisia});
        if (africa < 0) africa = BestClubOfContinent(data, ctAfrica, {south_america, europe, asia});
    }
    const bool mexican_champion =
        south_america >= 0 && data.teams[south_america].country == kSouthAmericanCountries[Mexico];
    int north =
        mexican_champion
            ? WeightedPick(lists, {{50, cwCostaRica}, {55, cwCanada}, {100, cwEUA}},
                           {cwCostaRica, cwCanada, cwEUA})
            : WeightedPick(lists, {{20, cwCostaRica}, {25, cwCanada}, {35, cwEUA}, {100, cwMexico}},
                           {cwCostaRica, cwCanada, cwEUA});
    if (north < 0)
        north = BestClubOfContinent(data, ctNorthAmerica, {south_america, europe, africa, asia});
    int oceania = WeightedPick(lists, {{80, cwNovaZelandia}, {100, cwPapuaNovaGuine}},
                               {cwNovaZelandia, cwPapuaNovaGuine});
    if (oceania < 0)
        oceania =
            BestClubOfContinent(data, ctOceania, {south_america, europe, africa, asia, north});

    if (south_america < 0 || europe < 0 || africa < 0 || asia < 0 || north < 0 || oceania < 0) {
        messages.ShowError(kClubWorldCupDrawError);
        return false;
    }

    auto& bracket = data.club_world_cup_bracket;
    const bool asia_meets_africa = RandInt(2) == 1;
    bracket[0].team_a = asia;
    bracket[0].team_b = asia_meets_africa ? africa : north;
    bracket[1].team_a = asia_meets_africa ? north : africa;
    bracket[1].team_b = oceania;
    const bool south_america_third = RandInt(2) == 1;
    bracket[2].team_a = south_america_third ? south_america : europe;
    bracket[3].team_a = south_america_third ? europe : south_america;
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team) data.teams[team].in_club_world_cup = 0;
    for (const int team : {south_america, europe, africa, asia, north, oceania})
        data.teams[team].in_club_world_cup = 1;
    return true;
}

}  // namespace kv
