#include "season/new_game_setup.h"

#include <algorithm>

#include "core/display_names.h"
#include "core/field_readers.h"
#include "core/lookups.h"
#include "core/national_team_file.h"
#include "core/options.h"
#include "core/record_sort.h"
#include "core/text_tables.h"
#include "platform/base/files.h"
#include "season/league_entrants.h"
#include "season/state_championships.h"

namespace kv {
namespace {

constexpr std::string_view kShowMatchesKeys[4] = {"ver41", "ver42", "ver43", "ver44"};

std::string DivisionHeading(int division) {
    return std::to_string(division) + "ª divisão";
}

void FillSlots(std::int32_t* slots, int count, std::int32_t value) {
    std::fill(slots, slots + count, value);
}

bool IsCustomGame(const GameData& world) {
    return world.game_state.main_country == kCustomChampionship;
}

// A club standing in one of the playing groups of its state's championship.
bool PlaysInStateGroups(const GameData& world, int team) {
    const int state = world.teams[team].state;
    if (state < 0 || state >= kStateCount) return false;
    const t_state_league& league = world.state_leagues[state];
    const int groups = std::clamp(league.group_count, 0, 5);
    for (int g = 0; g < groups; ++g)
        for (const int slot : league.groups[g])
            if (slot == team) return true;
    return false;
}

struct NamedClub {
    std::int32_t team;
    PString<25> name;
};

// Byte-wise by name, as the lists of the division-of-20 choice show them.
void SortByName(const GameData& world, std::vector<int>& clubs) {
    std::vector<NamedClub> named;
    for (const int team : clubs) named.push_back({team, world.teams[team].name});
    QuickSortRecords(named, [](const NamedClub& a, const NamedClub& b) {
        const int order = a.name.raw().compare(b.name.raw());
        return (order > 0) - (order < 0);
    });
    for (std::size_t i = 0; i < named.size(); ++i) clubs[i] = named[i].team;
}

std::vector<int> DivisionSlots(const GameData& world, const t_league_config& league, int division,
                               int slots) {
    std::vector<int> clubs;
    for (int s = 0; s < slots; ++s) {
        const int team = league.division_clubs[division - 1][s];
        if (InTable(world.teams, team)) clubs.push_back(team);
    }
    return clubs;
}

// The home country's fourth division taken from the state championships' clubs that are in
// no national division. Done once per setup: showing the league again must not copy the
// emptied division over the regional cup entrants.
std::vector<int> FormRegionalDivision(GameData& world, t_league_config& league) {
    if (!world.game_state.home_regional_division) {
        std::copy(league.division_clubs[3], league.division_clubs[3] + 4,
                  world.regional_cup_entrants.begin());
        FillSlots(league.division_clubs[3], 20, -1);
        world.game_state.home_regional_division = 1;
    }
    std::vector<int> clubs;
    for (int team = 0; team < world.game_state.league_club_count; ++team) {
        t_team& t = world.teams[team];
        if (t.country != kHomeCountry || (t.division != 0 && t.division != 4)) continue;
        if (!PlaysInStateGroups(world, team)) continue;
        t.division = 0;
        clubs.push_back(team);
    }
    return clubs;
}

std::vector<ClubChoiceList> ShowDivisionsOf20(GameData& world, int config) {
    t_league_config& league = world.league_configs[config];
    std::vector<ClubChoiceList> lists;
    const int divisions = std::clamp(league.division_count, 0, 4);
    for (int d = 1; d <= std::min(divisions, 3); ++d)
        lists.push_back({DivisionHeading(d), DivisionSlots(world, league, d, 20)});
    if (divisions > 3) {
        const bool home = league.country == kHomeCountry;
        if (home && world.game_state.state_leagues_on &&
            (world.game_state.home_regional_division || EnoughClubsForRegionalDivision(world))) {
            lists.push_back({"Divisão regional", FormRegionalDivision(world, league)});
        } else {
            if (home)
                std::copy(league.division_clubs[3], league.division_clubs[3] + 4,
                          world.regional_cup_entrants.begin());
            lists.push_back({DivisionHeading(4), DivisionSlots(world, league, 4, 20)});
        }
    }
    for (ClubChoiceList& list : lists) SortByName(world, list.clubs);
    return lists;
}

// One panel per division of the league, of ten clubs or (the custom championship) of twenty:
// a custom league of twenty-club divisions may have four, and each of its clubs can be chosen.
std::vector<ClubChoiceList> ShowDivisionPanels(const GameData& world, int config) {
    const t_league_config& league = world.league_configs[config];
    const int size = ClubsPerDivision(world);
    std::vector<ClubChoiceList> lists;
    const int divisions = std::clamp(league.division_count, 0, 4);
    for (int d = 1; d <= divisions; ++d)
        lists.push_back({DivisionHeading(d), DivisionSlots(world, league, d, size)});
    return lists;
}

void StoreSwitches(t_game_state& gs, const NewGameChoices& choices) {
    gs.league_format = choices.league_format == kDivisionsOf20 ? kDivisionsOf20 : kDivisionsOf10;
    gs.main_country = choices.main_country;
    gs.national_cup_on = choices.national_cup;
    gs.state_leagues_on = choices.state_leagues && choices.main_country == kHomeCountry;
    gs.continental_cup_on = choices.continental_cup;
    for (int i = 0; i < 4; ++i) {
        gs.show_continental_matches[i] = choices.show_continental_matches[i];
        if (choices.remember_show_matches)
            WriteOption(kOptionsSection, kShowMatchesKeys[i],
                        choices.show_continental_matches[i] ? "1" : "0");
    }
    gs.continental_cup_first_season =
        choices.continental_cup && choices.continental_cup_first_season;
    gs.second_continental_cup_on = choices.second_continental_cup && choices.continental_cup;
    if (choices.main_country == kHomeCountry)
        gs.national_cup_name.set("Copa do Brasil");
    else
        gs.national_cup_name.set("Copa " + std::string(CountryName(choices.main_country)));
    gs.real_world_cup_groups = choices.real_world_cup_groups;
    gs.world_cup_on = choices.world_cup;
    gs.euro_on = choices.euro;
    gs.copa_america_on = choices.copa_america;
    gs.human_count = std::clamp(choices.human_count, 1, kHumanSlots);
}

t_league_config EmptyLeague(int country) {
    t_league_config league{};
    for (int d = 0; d < 4; ++d) {
        FillSlots(league.division_clubs[d], 20, -1);
        FillSlots(league.standings[d], 20, -1);
    }
    league.country = country;
    return league;
}

}  // namespace

ClubFileScan ScanClubFiles(std::string_view teams_folder) {
    ClubFileScan scan;
    scan.folder_found = DirectoryExists(teams_folder);
    const std::vector<std::string> names = ListClubFiles(teams_folder);
    scan.listed_club_files = static_cast<int>(names.size());
    scan.files.reserve(names.size());
    for (const std::string& name : names) {
        std::string problem;
        std::optional<ClubFile> file = ReadClubFile(teams_folder, name, &problem);
        if (file) problem = ClubFileProblem(*file);
        if (!problem.empty()) {
            scan.skipped.push_back({JoinPath(NativePath(teams_folder), name), std::move(problem)});
            continue;
        }
        if (file->club.country < kRealCountries) ++scan.usable_clubs[file->club.country];
        scan.files.push_back(std::move(*file));
    }
    // The national teams are read by the builder; the setup only tells which it will leave out.
    const std::string national_folder = JoinPath(NativePath(teams_folder), kNationalTeamsFolder);
    for (const std::string& name : ListNationalTeamFiles(national_folder)) {
        std::string problem;
        const std::optional<NationalTeamFile> file =
            ReadNationalTeamFile(national_folder, name, &problem);
        if (file) problem = NationalTeamFileProblem(*file);
        if (!problem.empty())
            scan.skipped.push_back({JoinPath(national_folder, name), std::move(problem)});
    }
    return scan;
}

std::string SkippedFilesNotice(const ClubFileScan& scan) {
    if (scan.skipped.empty()) return {};
    const std::size_t count = scan.skipped.size();
    std::string text = std::to_string(count) +
                       (count == 1 ? " arquivo ignorado" : " arquivos ignorados") +
                       " da pasta de times:";
    // A folder of thousands of bad files must not make a notice taller than the screen.
    const std::size_t shown = std::min(count, kSkippedFilesShown);
    for (std::size_t i = 0; i < shown; ++i)
        text += "\n" + scan.skipped[i].name + ": " + scan.skipped[i].reason;
    if (count > shown) text += "\n... e mais " + std::to_string(count - shown);
    return text;
}

std::string TeamsFolderProblem(const ClubFileScan& scan, std::string_view teams_folder) {
    const std::string folder(teams_folder);
    if (!scan.folder_found) return "A pasta de times não foi encontrada: " + folder;
    if (scan.listed_club_files == 0)
        return "A pasta de times não tem nenhum arquivo de time (.b14): " + folder;
    if (scan.files.empty())
        return "Nenhum arquivo de time da pasta pode ser usado (" +
               std::to_string(scan.listed_club_files) + " ignorados): " + folder;
    return {};
}

std::vector<CountryClubs> ListedCountries(const ClubFileScan& scan) {
    std::vector<CountryClubs> listed;
    for (int c = 0; c < kRealCountries; ++c)
        if (scan.usable_clubs[c] >= kClubsToListCountry)
            listed.push_back({c, scan.usable_clubs[c]});
    return listed;
}

int DefaultMainCountry(std::span<const CountryClubs> listed) {
    if (listed.empty()) return -1;
    for (const CountryClubs& c : listed)
        if (c.country == kHomeCountry) return kHomeCountry;
    return listed.front().country;
}

std::vector<CountryClubs> CustomChampionshipCountries(const ClubFileScan& scan) {
    std::vector<CountryClubs> listed;
    for (int c = 0; c < kRealCountries; ++c)
        if (scan.usable_clubs[c] > 0) listed.push_back({c, scan.usable_clubs[c]});
    return listed;
}

NewGameChoices DefaultChoices(std::span<const CountryClubs> listed) {
    NewGameChoices choices;
    choices.main_country = DefaultMainCountry(listed);
    for (const CountryClubs& c : listed)
        if (c.country == kHomeCountry) choices.leagues.push_back(kHomeCountry);
    for (int i = 0; i < 4; ++i) {
        const std::string value = ReadOption(kOptionsSection, kShowMatchesKeys[i]);
        if (value == "1") choices.show_continental_matches[i] = true;
        if (value == "0") choices.show_continental_matches[i] = false;
    }
    return choices;
}

void SetContinentalCup(NewGameChoices& choices, bool on) {
    choices.continental_cup = on;
    if (!on) choices.second_continental_cup = false;
}

void SetSecondContinentalCup(NewGameChoices& choices, bool on) {
    choices.second_continental_cup = on;
    if (on) choices.continental_cup = true;
}

int SelectedCustomClubs(const ClubFileScan& scan, std::span<const int> countries) {
    int clubs = 0;
    for (const int c : countries)
        if (c >= 0 && c < kRealCountries) clubs += scan.usable_clubs[c];
    return clubs;
}

NewGameSetup::NewGameSetup() : world(std::make_unique<GameData>()) {}

std::string StartRealCountriesGame(NewGameSetup& setup, const NewGameChoices& choices) {
    std::vector<int> leagues;
    for (const int country : choices.leagues)
        if (country >= 0 && country < kRealCountries &&
            std::find(leagues.begin(), leagues.end(), country) == leagues.end())
            leagues.push_back(country);
    if (leagues.empty() || choices.main_country < 0 || choices.main_country >= kRealCountries)
        return std::string(kNoLeagueChosen);

    GameData& world = *setup.world;
    world.Reset();
    for (const int country : leagues) world.league_configs.push_back(EmptyLeague(country));
    StoreSwitches(world.game_state, choices);
    for (std::size_t i = 0; i < leagues.size(); ++i)
        AddCountryClubs(world, static_cast<int>(i), leagues[i], setup.scan.files);
    return {};
}

std::string StartCustomChampionship(NewGameSetup& setup, const CustomChoices& choices,
                                    int human_count) {
    if (SelectedCustomClubs(setup.scan, choices.countries) < kClubsForCustomGame)
        return std::string(kTooFewCustomClubs);
    for (ClubFile& file : setup.scan.files)
        if (std::find(choices.countries.begin(), choices.countries.end(), file.club.country) !=
            choices.countries.end())
            file.club.country = kCustomChampionship;

    GameData& world = *setup.world;
    world.Reset();
    t_game_state& gs = world.game_state;
    gs.national_cup_on = choices.national_cup;
    gs.national_cup_name.set("Copa Internacional");
    gs.league_format = choices.league_format == kDivisionsOf20 ? kDivisionsOf20 : kDivisionsOf10;
    gs.main_country = kCustomChampionship;
    gs.human_count = std::clamp(human_count, 1, kHumanSlots);
    t_league_config& league = world.league_configs.emplace_back(EmptyLeague(kCustomChampionship));
    league.has_human_club = 1;
    AddCountryClubs(world, 0, kCustomChampionship, setup.scan.files);
    return {};
}

int OpenClubChoice(NewGameSetup& setup) {
    GameData& world = *setup.world;
    if (world.game_state.state_leagues_on) BuildStateLeagues(world);
    world.human_coach_nationalities.fill(-1);
    for (std::int32_t& club : world.game_state.human_clubs) club = -1;
    if (IsCustomGame(world)) return 0;
    const int home = FindLeagueConfig(world, kHomeCountry);
    return home >= 0 ? home : 0;
}

std::vector<ClubChoiceList> ShowLeagueClubs(NewGameSetup& setup, int config) {
    GameData& world = *setup.world;
    if (!InTable(world.league_configs, config)) return {};
    if (world.game_state.league_format == kDivisionsOf20 && !IsCustomGame(world))
        return ShowDivisionsOf20(world, config);
    return ShowDivisionPanels(world, config);
}

int CoachChoosing(const NewGameSetup& setup) {
    const t_game_state& gs = setup.world->game_state;
    const int count = std::clamp(gs.human_count, 1, kHumanSlots);
    int chosen = 0;
    while (chosen < count && gs.human_clubs[chosen] >= 0) ++chosen;
    return chosen + 1;
}

std::string ChooseHumanClub(NewGameSetup& setup, int club, std::string_view name, int nationality) {
    GameData& world = *setup.world;
    t_game_state& gs = world.game_state;
    const int coach = CoachChoosing(setup);
    if (coach > std::clamp(gs.human_count, 1, kHumanSlots)) return {};
    if (name.empty()) return std::string(kCoachNameMissing);
    if (club < 0 || club >= std::min<int>(gs.league_club_count, world.teams.size()))
        return "Escolha um time";
    t_team& team = world.teams[club];
    if (team.human) return std::string(kClubAlreadyHuman);

    team.human = 1;
    gs.human_clubs[coach - 1] = club;
    gs.user_club = club;
    if (!IsCustomGame(world)) {
        const int league = FindLeagueConfig(world, team.country);
        if (league >= 0) world.league_configs[league].has_human_club = 1;
    }
    world.human_coach_names[coach - 1].set(name);
    world.human_coach_nationalities[coach - 1] =
        nationality >= 0 && nationality < kRealCountries ? nationality : kHomeCountry;
    return {};
}

std::string RunAutomaticSetup(NewGameSetup& setup, std::string_view teams_folder,
                              const AutomaticSetup& automatic) {
    setup.scan = ScanClubFiles(teams_folder);
    if (std::string problem = TeamsFolderProblem(setup.scan, teams_folder); !problem.empty())
        return problem;
    // The window offers only countries with enough clubs; a country asked for by its number
    // must have them too, or its league would have no club to choose.
    for (const int country : automatic.countries)
        if (!automatic.custom && country >= 0 && country < kRealCountries &&
            setup.scan.usable_clubs[country] < kClubsToListCountry)
            return "O país " + std::string(CountryName(country)) +
                   " não tem times suficientes para uma liga (" +
                   std::to_string(setup.scan.usable_clubs[country]) + " de " +
                   std::to_string(kClubsToListCountry) + ")";
    const int humans = std::clamp(automatic.human_count, 1, kHumanSlots);
    std::string message;
    if (automatic.custom) {
        CustomChoices custom;
        for (const CountryClubs& c : CustomChampionshipCountries(setup.scan))
            custom.countries.push_back(c.country);
        custom.league_format = automatic.league_format;
        custom.national_cup = automatic.club_cups;
        message = StartCustomChampionship(setup, custom, humans);
    } else {
        const std::vector<CountryClubs> listed = ListedCountries(setup.scan);
        NewGameChoices choices = DefaultChoices(listed);
        choices.leagues.clear();
        for (const CountryClubs& c : listed) choices.leagues.push_back(c.country);
        if (!automatic.countries.empty()) {
            choices.leagues = automatic.countries;
            if (std::find(choices.leagues.begin(), choices.leagues.end(), choices.main_country) ==
                choices.leagues.end())
                choices.main_country = choices.leagues.front();
        }
        choices.league_format = automatic.league_format;
        choices.state_leagues = automatic.state_leagues;
        choices.national_cup = automatic.club_cups;
        SetContinentalCup(choices, automatic.club_cups);
        choices.world_cup = choices.euro = choices.copa_america = automatic.tournaments;
        choices.human_count = humans;
        // The same game whatever options file lies in the folder the run starts from.
        choices.show_continental_matches = NewGameChoices{}.show_continental_matches;
        choices.remember_show_matches = false;
        message = StartRealCountriesGame(setup, choices);
    }
    if (!message.empty()) return message;

    const int first = OpenClubChoice(setup);
    const int leagues = static_cast<int>(setup.world->league_configs.size());
    for (int k = 0; k < humans; ++k) {
        int config = (first + k) % leagues;
        if (k < static_cast<int>(automatic.coach_countries.size())) {
            const int country = automatic.coach_countries[static_cast<std::size_t>(k)];
            config = -1;
            for (int c = 0; c < leagues && config < 0; ++c)
                if (setup.world->league_configs[c].country == country) config = c;
            if (config < 0)
                return "Nenhuma liga do país escolhido para o treinador " + std::to_string(k + 1) +
                       ".";
        }
        int club = -1;
        for (const ClubChoiceList& list : ShowLeagueClubs(setup, config)) {
            for (const int team : list.clubs)
                if (!setup.world->teams[team].human) {
                    club = team;
                    break;
                }
            if (club >= 0) break;
        }
        message = ChooseHumanClub(setup, club, "Treinador " + std::to_string(k + 1), kHomeCountry);
        if (!message.empty()) return message;
    }
    return {};
}

}  // namespace kv
