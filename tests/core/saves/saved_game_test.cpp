#include "core/saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <vector>

#include "core/byte_io.h"
#include "core/game_data.h"
#include "season/load_game.h"
#include "tests/core/saves/saves_world.h"

namespace kv {
namespace {

using test::FillWorld;

// The blocks after the game state as the format lays them out, independent of the writer:
// record size, and for the fixed blocks the number of records they always carry.
struct BlockShape {
    int number;
    int record_size;
    int fixed_records;  // 0: as many as the count says
};
constexpr BlockShape kBlocks[] = {
    {3, 288, 0},  {4, 752, 0}, {5, 48, 0},    {6, 128, 0},  {7, 16, 5},  {8, 56, 0},   {9, 24, 0},
    {10, 48, 16}, {11, 48, 6}, {12, 152, 27}, {13, 600, 0}, {14, 8, 0},  {15, 48, 0},  {16, 24, 0},
    {17, 660, 0}, {18, 72, 0}, {19, 24, 0},   {20, 20, 0},  {21, 28, 0}, {22, 28, 0},  {23, 20, 0},
    {24, 32, 0},  {25, 12, 0}, {26, 40, 0},   {27, 24, 0},  {28, 28, 0}, {29, 32, 0},  {30, 32, 0},
    {31, 32, 0},  {32, 16, 0}, {33, 16, 0},   {34, 12, 0},  {35, 32, 0}, {36, 120, 0}, {37, 8, 0},
    {38, 100, 0}, {39, 24, 0}, {40, 104, 0},  {41, 156, 0},
};
constexpr std::size_t kStateOffset = 4;
constexpr std::size_t kFirstBlockOffset = 4 + 5616;

struct BlockAt {
    int number;
    std::size_t offset;  // of its count
    std::int32_t count;
    bool fixed;
};

// Walks a well-formed file block by block.
std::vector<BlockAt> WalkBlocks(const std::string& bytes, std::size_t* end = nullptr) {
    std::vector<BlockAt> blocks;
    ByteReader rd(bytes);
    rd.Seek(kFirstBlockOffset);
    for (const BlockShape& b : kBlocks) {
        const std::size_t at = rd.position();
        const std::int32_t count = rd.I32();
        blocks.push_back({b.number, at, count, b.fixed_records != 0});
        rd.Skip(static_cast<std::size_t>(b.fixed_records ? b.fixed_records : count) *
                static_cast<std::size_t>(b.record_size));
    }
    if (end) *end = rd.ok() ? rd.position() : std::string::npos;
    return blocks;
}

std::vector<std::int32_t> ExpectedCounts(const GameData& g) {
    auto n = [](const auto& t) { return static_cast<std::int32_t>(t.size()); };
    return {n(g.players),
            n(g.teams),
            n(g.national_team_list),
            n(g.coaches),
            4,
            n(g.finances),
            n(g.result_history),
            16,
            6,
            27,
            n(g.match_archive),
            n(g.callups),
            n(g.inbox),
            n(g.friendlies),
            n(g.league_configs),
            n(g.fixtures),
            n(g.match_event_archive),
            n(g.honours),
            n(g.placing_records),
            n(g.top_scorers),
            n(g.club_competition_history),
            n(g.transfer_log),
            n(g.coach_appointment_log),
            n(g.stadium_works),
            n(g.loans),
            n(g.regional_division_candidates),
            n(g.player_ratings),
            n(g.substitute_ratings),
            n(g.player_seasons),
            n(g.season_goals),
            n(g.season_appearances),
            n(g.competitions),
            n(g.coach_seasons),
            n(g.default_lineups),
            n(g.state_dismissals),
            n(g.round_best_elevens),
            n(g.rating_totals),
            n(g.season_best_elevens),
            n(g.saved_tactics)};
}

void PutI32(std::string& bytes, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// The running game as far as a load could change it.
std::string RunningGame() {
    const GameData& g = Game();
    return WriteSavedGame(g) + std::to_string(g.fallback_league) + "/" +
           std::to_string(g.calendar[0].day_type) + "/" + std::to_string(g.autosave_turn_counter);
}

class SavedGameTest : public ::testing::Test {
  protected:
    void SetUp() override { StartRunningGame(); }
    // A game is running, with values of its own outside the saved tables.
    void StartRunningGame() {
        FillWorld(Game(), true, 99);
        Game().fallback_league = 0;
        Game().calendar[0].day_type = 77;
        Game().autosave_turn_counter = 5;
        running_ = RunningGame();
    }
    void TearDown() override { Game().Reset(); }

    void ExpectRefused(const std::string& bytes, std::string_view message, const std::string& why) {
        const LoadOutcome out = LoadGameFromBytes(bytes, "x.s14");
        EXPECT_FALSE(out.loaded) << why;
        EXPECT_EQ(out.message, message) << why;
        EXPECT_TRUE(RunningGame() == running_) << "the running game changed: " << why;
    }

    std::string running_;
};

// Real saves for the loader's fuzzer to start from.
void KeepAsFuzzSeed(const std::string& bytes, const std::string& name) {
    const std::filesystem::path dir =
        std::filesystem::path(KORVANEL_TEST_OUTPUT_DIR) / "saved_game_seeds";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

TEST_F(SavedGameTest, SaveLoadSaveGivesTheSameBytes) {
    for (const bool second_season : {false, true}) {
        GameData world;
        FillWorld(world, second_season);
        const std::string saved = WriteSavedGame(world);
        KeepAsFuzzSeed(saved, second_season ? "second_season.s14" : "new_game.s14");
        const LoadOutcome out = LoadGameFromBytes(saved, "jogo.s14");
        ASSERT_TRUE(out.loaded) << out.message;
        EXPECT_TRUE(WriteSavedGame(Game()) == saved) << "second season " << second_season;
    }
}

// A saved game read in pieces as its file is read (the load from disk) takes and refuses what
// the whole image does, with the same message, whatever the pieces: every damage cut short,
// a byte too many, a source that ends before the size it was said to hold or runs on past it.
TEST_F(SavedGameTest, AStreamedReadAcceptsAndRefusesAsTheWholeImage) {
    GameData world;
    FillWorld(world, true);
    const std::string saved = WriteSavedGame(world);
    const std::size_t players_at = kFirstBlockOffset;
    std::string bad_count = saved;
    const std::int32_t huge = 1 << 30;
    std::memcpy(bad_count.data() + players_at, &huge, 4);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t said_size;  // what the reader is told; the source gives `bytes`
    };
    const std::vector<Case> cases = {
        {"whole", saved, saved.size()},
        {"cut in the head", saved.substr(0, 3000), 3000},
        {"cut in the players", saved.substr(0, players_at + 1000), players_at + 1000},
        {"cut one byte short", saved.substr(0, saved.size() - 1), saved.size() - 1},
        {"one byte too many", saved + "x", saved.size() + 1},
        {"a count past the end", bad_count, bad_count.size()},
        {"the source ends early", saved.substr(0, saved.size() - 100), saved.size()},
        {"the source runs on", saved + "xyz", saved.size()},
    };
    for (const Case& c : cases) {
        // The whole-image reader over what the file really holds.
        GameData whole;
        std::string whole_message;
        const bool whole_read = ReadSavedGame(c.bytes, whole, whole_message);
        for (const std::size_t buffer : {std::size_t{8}, std::size_t{100}, kSavedGameHeadSize,
                                          std::size_t{1} << 20}) {
            std::size_t at = 0;
            // As a file gives them: fewer bytes than asked only at its end.
            const auto source = [&](char* into, std::size_t n) {
                const std::size_t take = std::min(n, c.bytes.size() - at);
                std::memcpy(into, c.bytes.data() + at, take);
                at += take;
                return take;
            };
            GameData streamed;
            std::string message;
            const bool read = ReadSavedGame(c.said_size, source, streamed, message, buffer);
            const bool honest = c.said_size == c.bytes.size();
            EXPECT_EQ(read, honest && whole_read) << c.what << ", buffer of " << buffer;
            if (honest) {
                EXPECT_EQ(message, whole_message) << c.what << ", buffer of " << buffer;
            }
            if (read) {
                EXPECT_TRUE(WriteSavedGame(streamed) == saved) << c.what;
            }
        }
    }
}

// Whatever the buffer, the streamed save is the in-memory one piece by piece, names too long
// for their field clamped in the copy that goes out; a refused piece ends the stream.
TEST_F(SavedGameTest, AStreamedSaveHandsOnTheSameBytesThroughItsBuffer) {
    GameData world;
    FillWorld(world, true);
    // As a damaged record could hold them: in the first, a middle and the last record.
    for (const std::size_t i : {std::size_t{0}, world.players.size() / 2, world.players.size() - 1})
        world.players[i].name.length = 200;
    world.saved_tactics.back().formation.length = 255;
    const std::string whole = WriteSavedGame(world);
    for (const std::size_t buffer : {std::size_t{8}, std::size_t{300}, kSaveStreamBuffer}) {
        std::string streamed;
        std::size_t pieces = 0;
        ASSERT_TRUE(StreamSavedGame(
            world,
            [&](std::string_view piece) {
                streamed.append(piece);
                ++pieces;
                return true;
            },
            buffer))
            << buffer;
        EXPECT_TRUE(streamed == whole) << "buffer " << buffer;
        EXPECT_GT(pieces, buffer < whole.size() ? 1u : 0u) << buffer;
    }
    const std::vector<BlockAt> blocks = WalkBlocks(whole);
    EXPECT_EQ(static_cast<std::uint8_t>(whole[blocks[0].offset + 4 + offsetof(t_player, name)]),
              20);
    EXPECT_TRUE(LoadGameFromBytes(whole, "jogo.s14").loaded);

    int calls = 0;
    EXPECT_FALSE(StreamSavedGame(
        world, [&](std::string_view) { return ++calls < 3; }, 300));
    EXPECT_EQ(calls, 3) << "nothing is handed on after a refused piece";
}

TEST_F(SavedGameTest, BlocksComeInOrderWithTheirCounts) {
    GameData world;
    FillWorld(world, false);
    const std::string saved = WriteSavedGame(world);
    ByteReader head(saved);
    EXPECT_EQ(head.I32(), 1) << "lead word";
    head.Seek(kStateOffset + offsetof(t_game_state, version));
    EXPECT_EQ(head.I32(), 14);

    std::size_t end = 0;
    const std::vector<BlockAt> blocks = WalkBlocks(saved, &end);
    const std::vector<std::int32_t> expected = ExpectedCounts(world);
    ASSERT_EQ(blocks.size(), expected.size());
    for (std::size_t i = 0; i < blocks.size(); ++i)
        EXPECT_EQ(blocks[i].count, expected[i]) << "block " << blocks[i].number;
    EXPECT_EQ(end, saved.size()) << "nothing follows the last block";
    // A game in its first days has played nothing yet.
    EXPECT_EQ(blocks[13 - 3].count, 0);
    EXPECT_EQ(blocks[9 - 3].count, 0);
}

TEST_F(SavedGameTest, ALoadCompletesWhatIsNotSaved) {
    GameData world;
    FillWorld(world, true);
    test::StandOnDayOf(world, ckStateChampionship);
    Game().job_offers = {1, 2, 3, 4};
    Game().day_matches.resize(3);
    Game().match_strengths.resize(2);
    Game().opening_main_window = 0;

    const LoadOutcome out = LoadGameFromBytes(WriteSavedGame(world), "minha carreira.s14");
    ASSERT_TRUE(out.loaded) << out.message;
    const GameData& g = Game();
    EXPECT_EQ(g.game_state.save_name.str(), "minha carreira.s14");
    EXPECT_EQ(g.fallback_league, -1);
    EXPECT_EQ(g.job_offers, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(g.regional_cup_entrants, (std::array<std::int32_t, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(g.autosave_turn_counter, 0);
    EXPECT_EQ(g.opening_main_window, 1);
    EXPECT_TRUE(g.day_matches.empty());
    EXPECT_TRUE(g.match_strengths.empty());
    EXPECT_FALSE(g.referees[0].name.empty()) << "the shipped referees stay";
    int league_days = 0;
    for (const t_calendar_day& d : g.calendar) league_days += d.day_type == ckNationalLeague;
    EXPECT_EQ(league_days, 38) << "the calendar of the loaded season is rebuilt";
    EXPECT_EQ(g.calendar[0].day, 1);
}

TEST_F(SavedGameTest, NationalTeamTournamentDaysContinentInTheHub) {
    GameData world;
    FillWorld(world, true);
    for (int kind = 0; kind <= 10; ++kind) {
        test::StandOnDayOf(world, kind);
        ASSERT_EQ(world.game_state.match_kind, kind);
        const LoadOutcome out = LoadGameFromBytes(WriteSavedGame(world), "x.s14");
        ASSERT_TRUE(out.loaded) << out.message;
        const bool hub = kind == 7 || kind == 8 || kind == 9;
        EXPECT_EQ(out.next, hub ? NextWindow::kNationalTeamHub : NextWindow::kMainWindow) << kind;
    }
}

TEST_F(SavedGameTest, FilesThatAreNoGameGiveTheCorruptFileMessage) {
    struct Case {
        const char* why;
        std::function<void(GameData&)> change;
    };
    const Case cases[] = {
        {"version 13", [](GameData& g) { g.game_state.version = 13; }},
        {"19 teams", [](GameData& g) { g.teams.resize(19); }},
        {"199 players", [](GameData& g) { g.players.resize(199); }},
        {"no players, not even the dummy", [](GameData& g) { g.players.clear(); }},
    };
    for (const Case& c : cases) {
        GameData world;
        FillWorld(world, true);
        c.change(world);
        ExpectRefused(WriteSavedGame(world), kCorruptSaveMessage, c.why);
    }
    ExpectRefused(std::string(100, '\0'), kCorruptSaveMessage, "shorter than a game state");
}

TEST_F(SavedGameTest, EveryCutAndEveryImpossibleCountIsRefused) {
    GameData world;
    FillWorld(world, true);
    const std::string saved = WriteSavedGame(world);
    ExpectRefused(saved.substr(0, kFirstBlockOffset), kInvalidSaveMessage, "cut after the state");
    ExpectRefused(saved + '\0', kInvalidSaveMessage, "a byte after the last block");
    for (const BlockAt& b : WalkBlocks(saved)) {
        const std::string at = " at block " + std::to_string(b.number);
        ExpectRefused(saved.substr(0, b.offset), kInvalidSaveMessage, "cut before the count" + at);
        ExpectRefused(saved.substr(0, b.offset + 2), kInvalidSaveMessage, "cut in the count" + at);
        if (b.fixed || b.count > 0)
            ExpectRefused(saved.substr(0, b.offset + 5), kInvalidSaveMessage,
                          "cut in a record" + at);
        if (b.fixed) continue;  // their count is written but never read
        for (const std::int32_t count : {-1, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max(), 0x10000000}) {
            std::string bad = saved;
            PutI32(bad, b.offset, count);
            ExpectRefused(bad, kInvalidSaveMessage, "count " + std::to_string(count) + at);
        }
    }
}

TEST_F(SavedGameTest, TheCountOfAFixedBlockIsNotRead) {
    GameData world;
    FillWorld(world, true);
    std::string saved = WriteSavedGame(world);
    for (const BlockAt& b : WalkBlocks(saved))
        if (b.fixed) PutI32(saved, b.offset, -1);
    EXPECT_TRUE(LoadGameFromBytes(saved, "jogo.s14").loaded);
}

TEST_F(SavedGameTest, ANameLongerThanItsCapacityIsRefused) {
    GameData world;
    FillWorld(world, true);
    const std::string saved = WriteSavedGame(world);
    const std::vector<BlockAt> blocks = WalkBlocks(saved);
    struct Case {
        const char* why;
        std::size_t length_byte;
        std::uint8_t length;
    };
    const Case cases[] = {
        {"save name", kStateOffset + offsetof(t_game_state, save_name), 51},
        {"player name", blocks[0].offset + 4 + 288 + offsetof(t_player, name), 21},
        {"team stadium", blocks[1].offset + 4 + offsetof(t_team, stadium), 31},
        {"tactic formation", blocks.back().offset + 4 + offsetof(t_saved_tactic, formation), 11},
        {"length 255", blocks[1].offset + 4, 255},
    };
    for (const Case& c : cases) {
        std::string bad = saved;
        bad[c.length_byte] = static_cast<char>(c.length);
        ExpectRefused(bad, kInvalidSaveMessage, c.why);
    }
}

TEST_F(SavedGameTest, IndexesOutsideTheirTablesAreRefused) {
    struct Case {
        const char* why;
        std::function<void(GameData&)> change;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"player of a team past the end",
         [](GameData& g) { g.players[5].team = test::kWorldTeams; }},
        {"player team below -1", [](GameData& g) { g.players[5].team = -2; }},
        {"position code 5", [](GameData& g) { g.players[9].position = 5; }},
        {"side 2", [](GameData& g) { g.players[9].side = 2; }},
        {"team coach past the end",
         [](GameData& g) { g.teams[2].coach = static_cast<int>(g.coaches.size()); }},
        {"team captain past the end",
         [](GameData& g) { g.teams[2].captain = test::kWorldPlayers; }},
        {"division 5", [](GameData& g) { g.teams[2].division = 5; }},
        {"coach club", [](GameData& g) { g.coaches[1].club = 1000; }},
        {"user club", [](GameData& g) { g.game_state.user_club = test::kWorldTeams; }},
        {"human coach", [](GameData& g) { g.game_state.human_coaches[5] = -7; }},
        {"group slot", [](GameData& g) { g.game_state.tournament_groups[7][3] = 500; }},
        {"match kind 11", [](GameData& g) { g.game_state.match_kind = 11; }},
        {"calendar day 0", [](GameData& g) { g.game_state.calendar_day = 0; }},
        {"calendar day 367", [](GameData& g) { g.game_state.calendar_day = 367; }},
        {"season 0", [](GameData& g) { g.game_state.season = 0; }},
        {"more clubs than finances", [](GameData& g) { g.finances.resize(g.finances.size() - 1); }},
        {"fixture team", [](GameData& g) { g.fixtures[3].away = test::kWorldTeams; }},
        {"fixture kind", [](GameData& g) { g.fixtures[3].kind = -1; }},
        {"league fixture of no league",
         [](GameData& g) {
             g.fixtures[3].kind = ckNationalLeague;
             g.fixtures[3].owner = -1;
         }},
        {"cup fixture of a league past the end",
         [](GameData& g) {
             g.fixtures[3].kind = ckNationalCup;
             g.fixtures[3].owner = static_cast<int>(g.league_configs.size());
         }},
        {"fixture date NaN", [nan](GameData& g) { g.fixtures[3].date = nan; }},
        {"contract end past year 9999", [](GameData& g) { g.players[3].contract_end = 1e12; }},
        {"rating infinite",
         [](GameData& g) {
             g.rating_totals[0].rating_sum = std::numeric_limits<float>::infinity();
         }},
        {"league club", [](GameData& g) { g.league_configs[0].standings[3][19] = 99; }},
        {"state group count 5", [](GameData& g) { g.state_leagues[26].group_count = 5; }},
        {"bracket winner", [](GameData& g) { g.club_world_cup_bracket[5].winner = 99; }},
        {"archived line-up", [](GameData& g) { g.match_archive[1].lineup[1][10] = 9999; }},
        {"archived pitch code 26", [](GameData& g) { g.match_archive[1].positions[0][0] = 26; }},
        {"event of a match not archived",
         [](GameData& g) {
             g.match_event_archive[0].match = static_cast<int>(g.match_archive.size());
         }},
        {"honour competition",
         [](GameData& g) { g.honours[0].competition = static_cast<int>(g.competitions.size()); }},
        {"honour coach of a national team not listed",
         [](GameData& g) { g.honours[0].coach = 50004; }},
        {"competition kind", [](GameData& g) { g.competitions[2].kind = 12; }},
        {"top scorer", [](GameData& g) { g.top_scorers[1].player = -5; }},
        {"season goals competition", [](GameData& g) { g.season_goals[0].competition = 8; }},
        {"inbox club", [](GameData& g) { g.inbox[4].club = 28; }},
        {"transfer", [](GameData& g) { g.transfer_log[0].to_team = 28; }},
        {"loan owner", [](GameData& g) { g.loans[0].owner = 28; }},
        {"default line-up code", [](GameData& g) { g.default_lineups[0].positions[4] = 40; }},
        {"saved tactic coach",
         [](GameData& g) { g.saved_tactics[1].coach = static_cast<int>(g.coaches.size()); }},
        {"call-up", [](GameData& g) { g.callups[0].return_team = 28; }},
        {"regional candidate state",
         [](GameData& g) { g.regional_division_candidates[0].state = 27; }},
        {"best eleven player", [](GameData& g) { g.season_best_elevens[0].players[10] = 240; }},
    };
    for (const Case& c : cases) {
        GameData world;
        FillWorld(world, true);
        c.change(world);
        ExpectRefused(WriteSavedGame(world), kInvalidSaveMessage, c.why);
    }
}

// In range and still self-contradicting: each file is refused with a message that names the
// field that disagrees, and the running game stays as it was.
TEST_F(SavedGameTest, SavesThatContradictThemselvesAreRefusedNamingTheField) {
    struct Case {
        const char* field;
        std::function<void(GameData&)> change;
    };
    const Case cases[] = {
        {"human_clubs", [](GameData& g) { g.game_state.human_clubs[1] = 5; }},
        {"human_clubs", [](GameData& g) { g.game_state.human_clubs[1] = 3; }},  // twice
        {"human_clubs", [](GameData& g) { g.teams[6].human = 1; }},
        {"human_clubs",
         [](GameData& g) {  // a human club whose coach is a computer's
             g.coaches[3].human = 0;
             g.game_state.human_coaches[0] = -1;
             g.game_state.current_coach = -1;
         }},
        {"human_count", [](GameData& g) { g.game_state.human_count = 2; }},
        {"human_count", [](GameData& g) { g.game_state.human_count = 0; }},
        {"human_coaches", [](GameData& g) { g.game_state.human_coaches[2] = 7; }},
        {"human_coaches", [](GameData& g) { g.coaches[8].human = 1; }},  // coach of club 8
        {"current_coach", [](GameData& g) { g.game_state.current_coach = 7; }},
        {"league_club_count", [](GameData& g) { g.game_state.league_club_count = 0; }},
        {"league_club_count", [](GameData& g) { g.game_state.league_club_count = 19; }},
        {"club_count", [](GameData& g) { g.league_configs[0].club_count = 19; }},
        {"played", [](GameData& g) { g.teams[4].played[ckNationalLeague] += 1; }},
        {"played",
         [](GameData& g) {  // a league match played that no table counted
             g.fixtures.push_back(g.fixtures[0]);
             t_fixture& f = g.fixtures.back();
             f.kind = ckNationalLeague;
             f.home = 4;
             f.away = 5;
             f.played = 1;
         }},
        {"goals_for", [](GameData& g) { g.teams[4].goals_for[ckNationalLeague] += 1; }},
        {"goals_against", [](GameData& g) { g.teams[5].goals_against[ckNationalLeague] += 2; }},
        {"points", [](GameData& g) { g.teams[4].points[ckNationalLeague] += 1; }},
        {"points",  // more than the results give, by the points a death takes
         [](GameData& g) { g.teams[4].points[ckNationalLeague] += kPointsTakenForADeath; }},
        {"points", [](GameData& g) { g.teams[4].points[ckNationalCup] = 3; }},
        {"points",  // a draw made a win: three points where one was earned
         [](GameData& g) {
             t_team& t = g.teams[6];
             t.played[ckStateChampionship] = 1;
             t.wins[ckStateChampionship] = 1;
             t.points[ckStateChampionship] = 1;
         }},
        {"played",  // more wins and losses than matches
         [](GameData& g) { g.teams[7].losses[ckNationalLeague] += 1; }},
        {"played",
         [](GameData& g) {
             t_team& t = g.teams[7];
             t.wins[ckContinentalCup] = 2;
             t.points[ckContinentalCup] = 6;
             t.played[ckContinentalCup] = 1;
         }},
        {"calendar_day", [](GameData& g) { g.game_state.calendar_day += 1; }},
        {"calendar_day", [](GameData& g) { g.game_state.match_kind = ckNationalCup; }},
        {"coach", [](GameData& g) { g.teams[4].coach = -1; }},  // its coach still says club 4
        {"coach",
         [](GameData& g) {  // a league club whose coach was removed, the coach let go too
             t_coach& coach = g.coaches[g.teams[4].coach];
             coach.club = -1;
             coach.employed = 0;
             g.teams[4].coach = -1;
         }},
        {"coach", [](GameData& g) { std::swap(g.teams[4].coach, g.teams[5].coach); }},
        {"employed", [](GameData& g) { g.coaches[g.teams[4].coach].employed = 0; }},
        // The end of the tournament would take club 4's coach away.
        {"tournament_human_teams",
         [](GameData& g) { g.game_state.tournament_human_teams[0] = 4; }},
        {"club",  // a coach at work in a club that names another
         [](GameData& g) {
             t_coach& spare = g.coaches.back();
             spare.club = 4;
             spare.employed = 1;
         }},
        {"wage", [](GameData& g) { g.players[9].wage = -10000; }},
        {"wage_bill",  // each wage possible, their sum more than the bill holds
         [](GameData& g) {
             for (int p = 1; p < static_cast<int>(g.players.size()); ++p)
                 if (g.players[p].team == 2) g.players[p].wage = Money{1'000'000'000} * 10000;
         }},
    };
    for (const Case& c : cases) {
        GameData world;
        FillWorld(world, true);
        c.change(world);
        const LoadOutcome out = LoadGameFromBytes(WriteSavedGame(world), "x.s14");
        EXPECT_FALSE(out.loaded) << c.field;
        EXPECT_TRUE(out.message.starts_with(kInvalidSaveMessage)) << out.message;
        EXPECT_NE(out.message.find(c.field), std::string::npos) << out.message;
        EXPECT_TRUE(RunningGame() == running_) << "the running game changed: " << c.field;
    }
}

// The league takes points from a club, five for each player who died in its care: a table
// short of its results by such points loads, as the game writes it.
TEST_F(SavedGameTest, LeaguePointsTakenForADeathLoad) {
    GameData world;
    FillWorld(world, true);
    int club = 0;
    while (world.teams[club].played[ckNationalLeague] == 0) ++club;
    world.teams[club].points[ckNationalLeague] -= 2 * kPointsTakenForADeath;
    const LoadOutcome out = LoadGameFromBytes(WriteSavedGame(world), "x.s14");
    EXPECT_TRUE(out.loaded) << out.message;
}

// The wage bills follow from the players' wages: whatever the file says, the load counts them.
TEST_F(SavedGameTest, WageBillsAreCountedAgainOnLoad) {
    GameData world;
    FillWorld(world, true);
    const std::int32_t right = world.finances[2].wage_bill;
    world.finances[2].wage_bill = right + 12345;
    const LoadOutcome out = LoadGameFromBytes(WriteSavedGame(world), "x.s14");
    ASSERT_TRUE(out.loaded) << out.message;
    EXPECT_EQ(Game().finances[2].wage_bill, right);
}

// A counter at its type's maximum would run over on the next match day: each is refused past
// the range play can give it, and accepted at its edge.
TEST_F(SavedGameTest, CountersOutsideTheRangePlayReachesAreRefused) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* field;
        std::int32_t t_game_state::*counter;
        std::int32_t last_accepted;
        std::int32_t refused;
    };
    using S = t_game_state;
    const Case cases[] = {
        {"league_round", &S::league_round, kLastRound, kMax},
        {"league_turn", &S::league_turn, 2, 3},
        {"national_cup_round", &S::national_cup_round, kLastRound, kMax},
        {"national_cup_leg", &S::national_cup_leg, 2, kMax},
        {"state_league_round", &S::state_league_round, kLastRound, kLastRound + 1},
        {"continental_cup_round", &S::continental_cup_round, kLastRound, kMax},
        {"second_cup_phase", &S::second_cup_phase, 2, -1},
        {"club_world_cup_stage", &S::club_world_cup_stage, kLastRound, kMax},
        {"tournament_round", &S::tournament_round, kLastRound, kMax},
        {"season", &S::season, kLastSeason, kMax},
        {"world_cup_edition", &S::world_cup_edition, kLastSeason, kMax},
        {"european_cup_edition", &S::european_cup_edition, 0, -1},
        {"tournament_host_number", &S::tournament_host_number, 11,
         std::numeric_limits<std::int32_t>::min()},
        {"match_delay", &S::match_delay, 3000, -5},
        {"autosave_mode", &S::autosave_mode, 3, 4},
        {"contract_notices", &S::contract_notices, 3, kMax},
        {"league_format", &S::league_format, kDivisionsOf20, 3},
    };
    for (const Case& c : cases) {
        GameData world;
        FillWorld(world, true);
        world.game_state.*c.counter = c.last_accepted;
        // The season's calendar may change with the counter: stand on one of its league days.
        test::StandOnDayOf(world, world.game_state.match_kind);
        EXPECT_TRUE(LoadGameFromBytes(WriteSavedGame(world), "x.s14").loaded) << c.field;
        StartRunningGame();
        world.game_state.*c.counter = c.refused;
        ExpectRefused(WriteSavedGame(world), kInvalidSaveMessage, c.field);
    }
}

TEST_F(SavedGameTest, TalliesAtTheirTypesLimitAreRefused) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* why;
        std::function<void(GameData&)> change;
    } cases[] = {
        {"league points", [](GameData& g) { g.teams[4].points[ckNationalLeague] = kMax; }},
        {"all-time goals", [](GameData& g) { g.teams[0].alltime_record[0].goals_for = kMax; }},
        {"player age", [](GameData& g) { g.players[7].age = kMax; }},
        {"yellow cards", [](GameData& g) { g.players[7].yellow_cards[2] = kMax; }},
        {"coach titles", [](GameData& g) { g.coaches[3].titles[1] = kMax; }},
    };
    for (const auto& c : cases) {
        GameData world;
        FillWorld(world, true);
        c.change(world);
        ExpectRefused(WriteSavedGame(world), kInvalidSaveMessage, c.why);
    }
}

TEST_F(SavedGameTest, TheEdgesOfEveryTableAreAccepted) {
    GameData world;
    FillWorld(world, true);
    // Players of the teams outside the leagues, so that every league club keeps its eleven.
    world.players[test::kWorldPlayers - 1].team = test::kWorldTeams - 1;
    world.players[test::kWorldPlayers - 2].team = -1;
    // The last coach in charge of a club, its former coach at none.
    const int last_coach = static_cast<int>(world.coaches.size()) - 1;
    world.coaches[world.teams[2].coach].club = -1;
    world.coaches[world.teams[2].coach].employed = 0;
    world.coaches[last_coach].club = 2;
    world.coaches[last_coach].employed = 1;
    world.teams[2].coach = last_coach;
    // The last day, as a game whose season is over is saved: a friendly day with none left.
    world.game_state.calendar_day = 366;
    world.game_state.match_kind = ckFriendly;
    world.honours[0].coach = 50003;
    world.match_archive[1].positions[0][0] = 25;
    world.season_goals[0].competition = static_cast<int>(world.competitions.size()) - 1;
    EXPECT_TRUE(LoadGameFromBytes(WriteSavedGame(world), "x.s14").loaded);
}

}  // namespace
}  // namespace kv
