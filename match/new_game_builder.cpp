#include "match/new_game_builder.h"

#include <algorithm>
#include <array>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/national_team_file.h"
#include "core/options.h"
#include "core/random.h"
#include "core/record_sort.h"
#include "core/saved_game.h"
#include "core/text_tables.h"
#include "match/booking.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "match/match_day_helpers.h"
#include "platform/base/files.h"
#include "platform/base/fresh_memory.h"
#include "season/calendar.h"
#include "season/calendar_advance.h"
#include "season/competition_registry.h"
#include "season/continental_draws.h"
#include "season/contract_dates.h"
#include "season/human_involvement.h"
#include "season/league_entrants.h"
#include "season/national_cup_draw.h"
#include "season/national_tournaments.h"
#include "season/new_game_setup.h"
#include "season/news.h"
#include "season/player_economy.h"
#include "season/schedule_generator.h"

namespace kv {
namespace {

struct BackgroundQuota {
    int country;
    int clubs;
};

// The countries that send background clubs, in the order they are taken.
constexpr BackgroundQuota kBackgroundCountries[] = {
    {29, 14},  {11, 12},  {195, 12}, {150, 12}, {46, 12},  {42, 12},  {60, 12},  {26, 12},
    {151, 12}, {198, 12}, {131, 12}, {104, 10}, {65, 10},  {3, 10},   {72, 10},  {97, 10},
    {154, 10}, {162, 10}, {107, 10}, {192, 10}, {159, 10}, {21, 10},  {160, 10}, {171, 10},
    {78, 10},  {9, 10},   {51, 10},  {38, 10},  {68, 10},  {14, 10},  {57, 10},  {129, 10},
    {1, 10},   {190, 10}, {43, 10},  {49, 10},  {143, 10}, {141, 10}, {62, 10},  {193, 10},
    {85, 10},  {15, 10},  {52, 10},  {31, 10},  {88, 10},  {179, 10}, {76, 10},  {142, 10},
    {180, 10}, {27, 10},  {152, 10}, {54, 10},  {157, 10}, {59, 10},  {148, 10}, {44, 10},
    {25, 10},  {47, 10},  {50, 10},  {75, 10},  {10, 10},  {127, 10}, {36, 10},  {5, 10},
    {98, 10},  {196, 10}, {183, 10}, {178, 10}, {67, 10},  {201, 10}, {200, 10}, {81, 10},
    {39, 10},
};
static_assert(std::size(kBackgroundCountries) == 73);

// Stadium and money by t_team.division 0..4; money in whole units.
struct DivisionDefaults {
    std::array<std::int32_t, kStadiumSectors> capacity;
    std::array<std::int32_t, kStadiumSectors> ticket_prices;
    std::int32_t cash_with_state_leagues;
    std::int32_t cash_without;
};
constexpr DivisionDefaults kDivisionDefaults[kTicketPriceRows] = {
    {{2000, 9000, 700, 30}, {3, 12, 15, 25}, 2'500'000, 2'000'000},
    {{10000, 40000, 4000, 400}, {10, 15, 25, 80}, 15'000'000, 12'000'000},
    {{7000, 30000, 3000, 300}, {7, 13, 20, 70}, 12'000'000, 10'000'000},
    {{6000, 15000, 1500, 100}, {5, 12, 17, 40}, 10'000'000, 7'000'000},
    {{2000, 9000, 700, 30}, {3, 12, 15, 30}, 2'500'000, 2'000'000},
};

const DivisionDefaults& DefaultsOf(int division) {
    return kDivisionDefaults[std::clamp(division, 0, kTicketPriceRows - 1)];
}

// Starting strength of a club outside the playable leagues, by level 1..25.
constexpr int kLevelBase[25] = {7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17, 19,
                                22, 25, 27, 30, 35, 37, 40, 45, 50, 55, 60, 65};

int DivisionBonus(int league_format, int division) {
    if (league_format == kDivisionsOf20) {
        switch (division) {
            case 1:
                return 20;
            case 2:
                return 15;
            case 3:
                return 5;
            case 0:
            case 4:
                return 1;
            default:
                return 0;
        }
    }
    switch (division) {
        case 1:
            return 20;
        case 2:
            return 15;
        case 3:
            return 10;
        default:
            return 0;
    }
}

int BackgroundDivision(int level) {
    if (level > 25) return 0;
    if (level >= 19) return 1;
    if (level >= 17) return 2;
    if (level >= 12) return 3;
    return 4;
}

// Prestige order of the background candidates: sort key, then level, both descending, then
// country ascending.
struct PrestigeEntry {
    std::int32_t file;
    std::int32_t sort_key;
    std::int32_t level;
    std::int32_t country;
};

std::int32_t CompareClubFilesByPrestige(const PrestigeEntry& a, const PrestigeEntry& b) {
    if (a.sort_key != b.sort_key) return a.sort_key > b.sort_key ? -1 : 1;
    if (a.level != b.level) return a.level > b.level ? -1 : 1;
    return (a.country > b.country) - (a.country < b.country);
}

void SplitStadiumCapacity(std::int32_t capacity, std::int32_t* sectors) {
    sectors[0] = capacity * 15 / 100;
    sectors[1] = capacity * 75 / 100;
    sectors[2] = capacity * 9 / 100;
    sectors[3] = capacity - sectors[0] - sectors[1] - sectors[2];
}

void ResetTicketPrices(GameData& data) {
    for (int d = 0; d < kTicketPriceRows; ++d)
        std::copy(kDivisionDefaults[d].ticket_prices.begin(),
                  kDivisionDefaults[d].ticket_prices.end(), data.ticket_prices[d].begin());
}

// The league clubs' files, read before anything changes: a club the coaches could choose must
// be built with its squad, so a file that vanished or cannot be read stops the build.
std::string ReadLeagueClubFiles(const GameData& world, std::string_view teams_folder,
                                std::vector<ClubFile>& team_files) {
    const int clubs = std::min<int>(world.game_state.league_club_count, world.teams.size());
    team_files.clear();
    for (int j = 0; j < clubs; ++j) {
        const std::string name =
            InTable(world.team_file_names, j) ? world.team_file_names[j] : std::string();
        std::optional<ClubFile> file;
        std::string problem = "o arquivo sumiu da pasta";
        if (!name.empty()) file = ReadClubFile(teams_folder, name, &problem);
        if (file) problem = ClubFileProblem(*file);
        if (!problem.empty())
            return "Não foi possível usar o arquivo do time " + world.teams[j].name.str() + " (" +
                   name + "): " + problem + ". Verifique a pasta teams e comece o jogo de novo.";
        team_files.push_back(std::move(*file));
    }
    return {};
}

void SetFirstSeasonGroupsAndDraws(GameData& data, std::span<const ClubFile> team_files) {
    const t_game_state& gs = data.game_state;
    if (!gs.continental_cup_first_season) return;
    std::vector<std::int32_t> club_ids;
    for (const ClubFile& file : team_files) club_ids.push_back(file.club.club_id);
    SetFirstSeasonContinentalGroups(data, club_ids);
    if (gs.continental_cup_on) {
        DrawAfricanCup(data, true);
        DrawAsianCup(data, true);
    }
}

void FlagHumanStateGroups(GameData& data) {
    for (t_state_league& state : data.state_leagues) {
        if (state.group_count < 1) continue;
        const int groups = std::min(state.group_count + 1, 5);
        for (int g = 0; g < groups; ++g)
            for (const int team : state.groups[g])
                if (InTable(data.teams, team) && IsHumanManaged(data, team))
                    state.has_human_club = 1;
    }
}

void BuildTeamsFromFiles(GameData& data, std::string_view teams_folder,
                         std::vector<ClubFile>& team_files, std::vector<ClubFile> scanned) {
    t_game_state& gs = data.game_state;
    std::fill(std::begin(gs.human_coaches), std::end(gs.human_coaches), -1);
    if (gs.main_country != kCustomChampionship) {
        std::fill(gs.reserved_392, gs.reserved_392 + 780, -1);
        // The setup has just read every usable club file: the background clubs come from
        // those, not from a second reading of the whole folder.
        if (scanned.empty())
            AddBackgroundClubs(data, teams_folder, team_files);
        else
            AddBackgroundClubs(data, std::move(scanned), team_files);
    }
    ResetTicketPrices(data);
    const int n = static_cast<int>(data.teams.size());
    data.finances.assign(static_cast<std::size_t>(n), t_finance{});
    gs.african_cup_on = 1;
    gs.asian_cup_on = 1;

    BuildClubs(data, team_files);
    BuildCoaches(data, team_files);
    // The players table is built by appending: room for every squad, the national teams'
    // included, taken at once instead of the table being copied as it grows.
    const std::size_t national_files =
        gs.world_cup_on || gs.copa_america_on || gs.euro_on
            ? ListNationalTeamFiles(JoinPath(NativePath(teams_folder), kNationalTeamsFolder)).size()
            : 0;
    data.players.reserve(data.players.size() + team_files.size() * kClubSquadSlots +
                         national_files * kNationalSquadSlots);
    PrepareForFilling(data.players.data() + data.players.size(),
                      (data.players.capacity() - data.players.size()) * sizeof(t_player));
    BuildPlayers(data, team_files);
    for (int t = 0; t < n; ++t) {
        SetStartingStrength(data, t);
        ChooseCaptain(t);
        ChooseSetPieceTaker(t);
    }
    // The continental draws rank clubs by level, so they run once every club has its own.
    SetFirstSeasonGroupsAndDraws(data, team_files);

    for (t_league_config& league : data.league_configs)
        league.club_count = CountClubsOfCountry(data, league.country);
    for (int t = 0; t < n; ++t) CalcWageBill(data, t);
    for (int t = 0; t < n; ++t) CountSquad(data, t);
    for (int t = 0; t < gs.league_club_count; ++t)
        if (data.teams[t].squad_size >= 16) ListSurplusPlayers(data, t);

    if (gs.world_cup_on || gs.copa_america_on || gs.euro_on) LoadNationalTeams(data, teams_folder);
    FlagHumanStateGroups(data);
}

void BuildFixtures(GameData& data) {
    BuildDomesticFixtures(data);
    if (data.game_state.continental_cup_first_season)
        BuildCompetitionFixtures(data, ckContinentalCup, -1);
}

// The state whose championship is shown when no human club plays the first state day.
int StateToShow(const GameData& data) {
    for (const int state : {25, 18, 10})
        if (data.state_leagues[state].active) return state;
    for (int s = 0; s < kStateCount; ++s)
        if (data.state_leagues[s].active) return s;
    return 0;
}

void StartFirstSeason(GameData& data) {
    t_game_state& gs = data.game_state;
    LoadOptions();
    gs.calendar_day = 1;
    gs.league_round = 1;
    gs.league_turn = 1;
    gs.national_cup_round = NationalCupHasExtraRound(data) ? 0 : 1;
    gs.national_cup_match_round = 1;
    gs.national_cup_leg = 1;
    gs.season = 1;
    gs.state_league_round = 1;
    gs.state_league_phase = 1;
    gs.current_coach = gs.user_club;
    gs.version = kSavedGameVersion;
    if (gs.main_country == kCustomChampionship) gs.background_club_count = 0;
    data.result_history.clear();
    data.match_archive.clear();
    gs.match_kind = gs.state_leagues_on ? ckStateChampionship : ckNationalLeague;
    ClearMatchStrengths(data);
    data.team_file_names.clear();
    data.job_offers.fill(-1);
    data.players[0].team = -1;

    // The world cup may switch itself off when its places cannot be filled, and the calendar
    // and the registry follow the switch.
    if (gs.world_cup_on) StartWorldCup(data);
    BuildSeasonCalendar(data);
    BuildFixtures(data);
    ReserveSeasonArchives(data);
    ReserveHistoryGrowth(data);
    BuildCompetitionRegistry(data);
    if (gs.national_cup_on) DrawNationalCups(data);

    gs.calendar_day = 1;
    AdvanceToNextPlayDay(data);
    data.fallback_league = -1;
    gs.match_kind = data.calendar[std::clamp(gs.calendar_day, 1, kCalendarDays) - 1].day_type;
    for (int p = 0; p < static_cast<int>(data.players.size()); ++p)
        SetContractEndWeeks(data, 10 + RandInt(30), p);
    DrawRoundReferees();

    data.autosave_turn_counter = 0;
    data.opening_main_window = 1;
    const int humans = std::clamp(gs.human_count, 0, kHumanSlots);
    for (int k = 0; k < humans; ++k)
        if (InTable(data.teams, gs.human_clubs[k]))
            AddNewsItem(data, gs.human_clubs[k], neWelcome, 0, -1, -1, 0);
}

}  // namespace

void AddBackgroundClubs(GameData& data, std::string_view teams_folder,
                        std::vector<ClubFile>& team_files) {
    AddBackgroundClubs(data, ScanClubFiles(teams_folder).files, team_files);
}

void AddBackgroundClubs(GameData& data, std::vector<ClubFile> candidates,
                        std::vector<ClubFile>& team_files) {
    std::vector<PrestigeEntry> order;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        const t_club_file_record& c = candidates[i].club;
        order.push_back({i, c.sort_key, c.level, c.country});
    }
    QuickSortRecords(order, CompareClubFilesByPrestige);

    for (const BackgroundQuota& quota : kBackgroundCountries) {
        if (FindLeagueConfig(data, quota.country) >= 0) continue;
        int taken = 0;
        for (const PrestigeEntry& entry : order) {
            if (taken == quota.clubs) break;
            ClubFile& file = candidates[entry.file];
            if (file.club.country != quota.country) continue;
            t_team& team = AppendRecord(data.teams);
            team.name = file.club.short_name;
            team.country = quota.country;
            data.team_file_names.resize(data.teams.size());
            data.team_file_names.back() = file.real_name;
            team_files.push_back(std::move(file));
            ++data.game_state.background_club_count;
            ++taken;
        }
    }
}

void BuildClubs(GameData& data, std::span<const ClubFile> team_files) {
    const t_game_state& gs = data.game_state;
    const int n = std::min<int>(data.teams.size(), team_files.size());
    for (int i = 0; i < n; ++i) {
        const t_club_file_record& rec = team_files[i].club;
        t_team& team = data.teams[i];
        team.level = rec.level;
        team.name = rec.short_name;
        team.back_colour = rec.back_colour;
        team.text_colour = rec.text_colour;
        team.picture_name.set_raw(rec.picture_name.raw());
        team.stadium = rec.stadium;
        team.state = rec.state;
        team.reputation = rec.reputation;
        team.kit_colour = rec.kit_colour;
        team.kit = 1;
        team.country = gs.main_country == kCustomChampionship ? kCustomChampionship : rec.country;
        team.board_confidence = 100;
        team.supporter_confidence = 100;
        if (i >= gs.league_club_count) team.division = BackgroundDivision(rec.level);

        const DivisionDefaults& defaults = DefaultsOf(team.division);
        if (rec.capacity >= 1 && rec.capacity <= 119'999)
            SplitStadiumCapacity(rec.capacity, team.sector_capacity);
        else
            std::copy(defaults.capacity.begin(), defaults.capacity.end(), team.sector_capacity);
        std::copy(defaults.ticket_prices.begin(), defaults.ticket_prices.end(), team.ticket_prices);
        const std::int32_t cash =
            gs.state_leagues_on ? defaults.cash_with_state_leagues : defaults.cash_without;
        team.cash = MoneyFromUnits(cash) + (1 + RandInt(99)) * kMoneyScale / 100;
    }
}

void BuildCoaches(GameData& data, std::span<const ClubFile> team_files) {
    t_game_state& gs = data.game_state;
    const int n = std::min<int>(data.teams.size(), team_files.size());
    data.coaches.assign(static_cast<std::size_t>(n) + kHumanSlots, t_coach{});
    int k = 0;
    for (int j = 0; j < n; ++j) {
        const t_team& team = data.teams[j];
        t_coach& coach = data.coaches[j];
        coach.league_country = team.country;
        if (!team.human) {
            coach.name.set_raw(team_files[j].club.coach_name.raw());
            coach.division = team.division;
        } else if (k < kHumanSlots) {
            ++k;
            t_coach& displaced = data.coaches[n - 1 + k];
            displaced.name.set_raw(team_files[j].club.coach_name.raw());
            displaced.division = team.division;
            displaced.country = team.country;
            displaced.club = -1;
            displaced.league_country = 0;
            const auto slot = std::find(std::begin(gs.human_clubs), std::end(gs.human_clubs), j);
            if (slot != std::end(gs.human_clubs)) {
                const auto h = slot - std::begin(gs.human_clubs);
                coach.name = data.human_coach_names[h];
                coach.league_country = data.human_coach_nationalities[h];
            }
            coach.human = 1;
            gs.human_coaches[k - 1] = j;
        }
        coach.country = team.country;
        coach.club = j;
        coach.division = team.division;
        coach.employed = 1;
        data.teams[j].coach = j;
    }
}

void BuildPlayers(GameData& data, std::span<const ClubFile> team_files) {
    const int n = std::min<int>(data.teams.size(), team_files.size());
    for (int a = 0; a < n; ++a) {
        const t_squad_file_record& squad = team_files[a].squad;
        for (int j = 0; j < kClubSquadSlots; ++j) {
            if (!IsUsableSquadSlot(squad, j)) continue;
            const int index = static_cast<int>(data.players.size());
            t_player& p = AppendRecord(data.players);
            p.name.set_raw(squad.player_names[j].raw());
            p.position = squad.position[j];
            p.star = squad.star[j];
            p.age = squad.age[j];
            p.nationality = squad.nationality[j];
            p.side = squad.side[j] <= 1 ? squad.side[j] : 0;
            p.file_extra = squad.reserved[j];
            p.squad_role = squad.starter[j] != 0 ? 1 : 0;
            p.characteristic1 = squad.characteristic1[j] > 13 ? 0 : squad.characteristic1[j];
            p.characteristic2 = squad.characteristic2[j] > 13 ? 0 : squad.characteristic2[j];
            if (p.position > posGoalkeeper) {
                if (p.characteristic1 == 0) p.characteristic1 = 4 + RandInt(8);
                if (p.characteristic2 == 0) p.characteristic2 = 4 + RandInt(8);
            }
            p.team = a;
            data.PlayerTeamsChanged();
            p.energy = 100;
            p.morale = 3;
            p.role = ChooseRole(index);
        }
    }
}

void SetStartingStrength(GameData& data, int team) {
    if (!InTable(data.teams, team)) return;
    t_team& t = data.teams[team];
    if (t.level > 25) t.level = 9;
    if (t.level < 1) t.level = 1;
    const int base = team < data.game_state.league_club_count
                         ? DivisionBonus(data.game_state.league_format, t.division) + t.level
                         : kLevelBase[t.level - 1];
    for (const int p : data.PlayersOf(team)) {
        t_player& player = data.players[p];
        int strength = base + RandInt(6);
        if (player.squad_role == 1) strength += 8 + RandInt(2);
        if (player.star) strength += 7 + RandInt(5);
        player.strength = std::min(strength, 100);
        player.value = MoneyFromUnits(CalcPlayerValue(data, p));
        player.wage = MoneyFromUnits(CalcPlayerWage(data, p));
    }
}

void LoadNationalTeams(GameData& data, std::string_view teams_folder) {
    t_game_state& gs = data.game_state;
    gs.world_cup_edition = 0;
    gs.americas_cup_edition = 0;
    gs.european_cup_edition = 0;
    gs.reserved_52 = 0;
    const std::string folder = JoinPath(NativePath(teams_folder), kNationalTeamsFolder);
    for (const std::string& name : ListNationalTeamFiles(folder)) {
        const std::optional<NationalTeamFile> file = ReadNationalTeamFile(folder, name);
        // The setup has told which files it leaves out and why.
        if (!file || !NationalTeamFileProblem(*file).empty()) continue;
        const t_national_team_file_record& rec = file->record;
        const int team_index = static_cast<int>(data.teams.size());
        const int list_index = static_cast<int>(data.national_team_list.size());

        t_national_team_entry& entry = AppendRecord(data.national_team_list);
        entry.country = rec.country;
        entry.continent = rec.country == 131 ? ctNorthAmerica : ContinentOfCountry(rec.country);
        entry.coach_name = rec.coach_name;
        entry.level = rec.level;
        entry.team = team_index;
        AppendRecord(data.teams);

        for (int i = 0; i < kNationalSquadSlots; ++i) {
            if (!IsUsableNationalSquadSlot(rec, i)) continue;
            const int index = static_cast<int>(data.players.size());
            t_player& p = AppendRecord(data.players);
            p.name.set_raw(rec.player_names[i].raw());
            p.squad_role = rec.starter[i];
            p.star = rec.star[i] != 0 ? 1 : 0;
            p.characteristic1 = rec.characteristic1[i];
            p.characteristic2 = rec.characteristic2[i];
            p.age = rec.age[i];
            p.side = rec.side[i];
            p.position = rec.position[i];
            p.morale = 3;
            p.team = team_index;
            data.PlayerTeamsChanged();
            p.energy = 100;
            p.role = ChooseRole(index);
            p.strength = GeneratedPlayerStrength(data, p, rec.level);
            p.nationality = rec.country;
        }

        t_team& team = data.teams[team_index];
        team.name.set(CountryName(rec.country));
        team.level = rec.level;
        team.back_colour = rec.back_colour;
        team.text_colour = rec.text_colour;
        team.picture_name = rec.picture_name;
        team.country = rec.country;
        team.reputation = rec.reputation;
        team.coach = -1;
        team.state = list_index;
        team.in_tournament = 1;
        ChooseSetPieceTaker(team_index);
        ChooseCaptain(team_index);
    }
}

FirstWindow ChooseFirstWindow(GameData& data) {
    switch (data.game_state.match_kind) {
        case ckNationalCup:
            // A cup day with no tie drawn is played like any day without a human club.
            if (HumanClubInCupFirstRound(data)) return FirstWindow::kMainWindow;
            data.match_day_group = 0;
            return FirstWindow::kMatchDay;
        case ckStateChampionship:
            if (HumanClubInStateLeague(data)) return FirstWindow::kMainWindow;
            data.state_position = StateToShow(data);
            return FirstWindow::kMatchDay;
        case ckContinentalCup:
            if (HumanClubInContinentalCup(data)) return FirstWindow::kMainWindow;
            data.match_day_group = 1;
            return FirstWindow::kMatchDay;
        default:
            return FirstWindow::kMainWindow;
    }
}

NewGameOutcome BuildNewGame(NewGameSetup& setup, std::string_view teams_folder,
                            const BuildProgress& progress) {
    const auto report = [&](int percent) {
        if (progress) progress(percent);
    };
    NewGameOutcome outcome;
    const GameData& world = *setup.world;
    if (world.league_configs.empty() || world.game_state.league_club_count <= 0) {
        outcome.message = std::string(kNoLeagueChosen);
        return outcome;
    }
    if (CoachChoosing(setup) <= std::clamp(world.game_state.human_count, 1, kHumanSlots)) {
        outcome.message = std::string(kCoachClubMissing);
        return outcome;
    }
    std::vector<ClubFile> team_files;
    outcome.message = ReadLeagueClubFiles(*setup.world, teams_folder, team_files);
    if (!outcome.ok()) return outcome;
    report(20);

    std::vector<ClubFile> scanned = std::move(setup.scan.files);
    SwapInGame(*setup.world);
    setup.world->Reset();
    setup.scan = {};
    GameData& data = Game();
    t_game_state& gs = data.game_state;
    gs.midseason_revaluation_done = 0;
    if (gs.home_regional_division) {
        const int home = FindLeagueConfig(data, kHomeCountry);
        if (home >= 0 && data.league_configs[home].division_count >= 4)
            data.league_configs[home].division_count = 3;
    }
    BuildTeamsFromFiles(data, teams_folder, team_files, std::move(scanned));
    report(70);
    StartFirstSeason(data);
    report(90);
    outcome.first_window = ChooseFirstWindow(data);
    if (outcome.first_window == FirstWindow::kMatchDay) PrepareComputerLineups();
    report(100);
    return outcome;
}

}  // namespace kv
