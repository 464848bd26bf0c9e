#include "tools/sampledb/sample_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/club_file.h"
#include "core/lookups.h"
#include "core/national_team_file.h"
#include "core/sound_effects.h"
#include "platform/base/files.h"
#include "platform/gfx/picture.h"
#include "platform/sound/sound_clip.h"

namespace kv::sampledb {
namespace {

namespace fs = std::filesystem;

constexpr int kBrazil = 29;

// The database as the game reads it back from disk.
class SampleDatabaseOnDisk : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        char tmpl[] = "/tmp/kv_sampledb_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = new fs::path(tmpl);
        std::string error;
        ASSERT_TRUE(WriteSampleDatabase(BuildSampleDatabase(), dir_->string(),
                                        {.pictures = false, .sounds = false}, &error))
            << error;
        const std::string teams = (*dir_ / "teams").string();
        clubs_ = new std::vector<ClubFile>;
        for (const std::string& name : ListClubFiles(teams)) {
            std::optional<ClubFile> f = ReadClubFile(teams, name);
            ASSERT_TRUE(f) << name;
            clubs_->push_back(std::move(*f));
        }
        nationals_ = new std::vector<NationalTeamFile>;
        const std::string selecoes = (*dir_ / "teams" / "selecoes").string();
        for (const std::string& name : ListNationalTeamFiles(selecoes)) {
            std::optional<NationalTeamFile> f = ReadNationalTeamFile(selecoes, name);
            ASSERT_TRUE(f) << name;
            nationals_->push_back(std::move(*f));
        }
    }
    static void TearDownTestSuite() {
        fs::remove_all(*dir_);
        delete dir_;
        delete clubs_;
        delete nationals_;
    }

    static std::vector<const ClubFile*> ClubsOf(int country) {
        std::vector<const ClubFile*> out;
        for (const ClubFile& c : *clubs_) {
            if (c.club.country == country) out.push_back(&c);
        }
        return out;
    }

    static const t_national_team_file_record* NationalTeam(int country) {
        for (const NationalTeamFile& n : *nationals_) {
            if (n.record.country == country && IsUsableNationalTeam(n.record)) return &n.record;
        }
        return nullptr;
    }

    static fs::path* dir_;
    static std::vector<ClubFile>* clubs_;
    static std::vector<NationalTeamFile>* nationals_;
};

fs::path* SampleDatabaseOnDisk::dir_ = nullptr;
std::vector<ClubFile>* SampleDatabaseOnDisk::clubs_ = nullptr;
std::vector<NationalTeamFile>* SampleDatabaseOnDisk::nationals_ = nullptr;

TEST_F(SampleDatabaseOnDisk, EveryClubIsUsableWithAFullSquad) {
    ASSERT_GT(clubs_->size(), 500u);
    std::set<std::int32_t> ids;
    for (const ClubFile& c : *clubs_) {
        SCOPED_TRACE(c.real_name);
        EXPECT_TRUE(IsUsableClub(c.club));
        EXPECT_FALSE(c.club.short_name.empty());
        EXPECT_TRUE(ids.insert(c.club.club_id).second) << "club id " << c.club.club_id;
        std::array<int, 5> by_position{};
        int players = 0;
        int own = 0;
        for (int i = 0; i < kClubSquadSlots; ++i) {
            if (!IsUsableSquadSlot(c.squad, i)) continue;
            ++players;
            ++by_position[c.squad.position[i]];
            own += c.squad.nationality[i] == c.club.country;
        }
        EXPECT_GE(players, 18);
        EXPECT_LE(players, 25);
        EXPECT_GE(by_position[0], 2);
        for (int p = 1; p < 5; ++p) EXPECT_GE(by_position[p], 2) << "position " << p;
        EXPECT_GE(own * 2, players);
    }
}

TEST_F(SampleDatabaseOnDisk, ClubNamesAreUniqueAcrossCountries) {
    std::map<std::string, int> short_names, full_names;
    for (const ClubFile& c : *clubs_) {
        EXPECT_TRUE(short_names.emplace(c.club.short_name.str(), c.club.country).second)
            << c.club.short_name.str() << " of countries " << short_names[c.club.short_name.str()]
            << " and " << int(c.club.country);
        EXPECT_TRUE(full_names.emplace(c.club.full_name.str(), c.club.country).second)
            << c.club.full_name.str();
    }
}

TEST_F(SampleDatabaseOnDisk, BrasilHasClubsForEveryHomeCompetition) {
    const auto brasil = ClubsOf(kBrazil);
    ASSERT_GE(brasil.size(), 130u);  // four divisions of 20 and a national cup preliminary round

    std::array<std::vector<int>, 27> levels_by_state;
    std::vector<int> levels;
    for (const ClubFile* c : brasil) {
        ASSERT_LE(c->club.state, 26) << c->real_name;
        levels_by_state[c->club.state].push_back(c->club.level);
        levels.push_back(c->club.level);
    }
    int states_with_championship = 0;
    for (const auto& state : levels_by_state) {
        EXPECT_FALSE(state.empty());
        states_with_championship += state.size() >= 6;
    }
    EXPECT_GE(states_with_championship, 20);

    // The regional division needs 32 clubs left out of four divisions of 20 that still play in
    // their state's groups (the best 6 per group, up to 4 groups).
    std::sort(levels.rbegin(), levels.rend());
    const int last_division_level = levels[79];
    int regional = 0;
    for (auto& state : levels_by_state) {
        std::sort(state.rbegin(), state.rend());
        const std::size_t groups = std::min<std::size_t>(state.size() / 6, 4);
        for (std::size_t i = 0; i < groups * 6; ++i) regional += state[i] < last_division_level;
    }
    EXPECT_GE(regional, 32);
    EXPECT_GE(levels.front() - levels.back(), 12);  // divisions differ in strength
}

TEST_F(SampleDatabaseOnDisk, LeagueCountriesCanBeChosen) {
    for (int country : {11, 97, 65, 104, 3, 72, 154, 85, 131, 195, 68, 107}) {
        EXPECT_GE(ClubsOf(country).size(), 22u) << "country " << country;
    }
}

TEST_F(SampleDatabaseOnDisk, ContinentalDrawsFindTheirClubs) {
    // {country, clubs the draws take, clubs it may send as a background country}
    struct Need {
        int country, clubs, quota;
    };
    const Need needs[] = {
        {29, 8, 14},  {11, 8, 12},  {195, 6, 12}, {150, 6, 12}, {42, 6, 12},  {46, 6, 12},
        {131, 6, 12}, {60, 6, 12},  {151, 4, 12}, {26, 4, 12},  {198, 4, 12}, {97, 7, 10},
        {65, 7, 10},  {3, 7, 10},   {104, 7, 10}, {72, 5, 10},  {85, 4, 10},  {154, 4, 10},
        {162, 3, 10}, {193, 2, 10}, {78, 2, 10},  {160, 2, 10}, {62, 2, 10},  {21, 2, 10},
        {192, 3, 10}, {159, 1, 10}, {15, 1, 10},  {52, 1, 10},  {31, 1, 10},  {88, 1, 10},
        {171, 1, 10}, {179, 1, 10}, {44, 1, 10},  {54, 1, 10},  {152, 1, 10}, {180, 1, 10},
        {76, 1, 10},  {142, 1, 10}, {27, 1, 10},  {57, 3, 10},  {129, 3, 10}, {190, 3, 10},
        {1, 3, 10},   {47, 1, 10},  {50, 1, 10},  {75, 1, 10},  {10, 3, 10},  {141, 2, 10},
        {127, 1, 10}, {67, 1, 10},  {36, 2, 10},  {5, 2, 10},   {157, 1, 10}, {178, 2, 10},
        {201, 1, 10}, {200, 1, 10}, {81, 1, 10},  {9, 4, 10},   {43, 4, 10},  {107, 4, 10},
        {49, 4, 10},  {39, 4, 10},  {98, 3, 10},  {59, 4, 10},  {196, 2, 10}, {14, 2, 10},
        {183, 1, 10}, {51, 1, 10},  {38, 1, 10},  {68, 1, 10},  {143, 1, 10}, {148, 1, 10},
    };
    for (const Need& n : needs) {
        EXPECT_GE(std::min<int>(static_cast<int>(ClubsOf(n.country).size()), n.quota), n.clubs)
            << "country " << n.country;
    }
}

TEST_F(SampleDatabaseOnDisk, FirstSeasonGroupClubsAreAmongTheirCountrysBest) {
    const std::set<int> group_ids = {
        42,  397, 377, 391, 75,  388, 191, 342, 125, 217, 279, 94,  345, 41,  411, 265,
        321, 390, 111, 120, 263, 176, 266, 273, 141, 223, 71,  161, 348, 121, 305, 34,
        240, 60,  358, 324, 322, 165, 206, 102, 298, 281, 64,  29,  61,  239, 399, 115,
        97,  354, 58,  369, 73,  33,  268, 282, 40,  414, 311, 47,  57,  250, 7,   171};
    int found = 0;
    for (const ClubFile& c : *clubs_) {
        if (!group_ids.count(c.club.club_id)) continue;
        ++found;
        // A background country sends its 10 best by sort key: the club must be one of them.
        int better = 0;
        for (const ClubFile* o : ClubsOf(c.club.country))
            better += o->club.sort_key > c.club.sort_key;
        EXPECT_LT(better, 10) << c.real_name;
    }
    EXPECT_EQ(found, 64);
}

TEST_F(SampleDatabaseOnDisk, EveryTournamentFindsItsNationalTeams) {
    const int drawn[] = {// the 2014 groups
                         29, 52, 131, 36, 65, 85, 42, 14, 46, 78, 50, 107, 195, 51, 97, 104, 180,
                         60, 72, 86, 11, 27, 98, 141, 3, 154, 75, 68, 21, 10, 162, 49,
                         // the Americas' cup layouts and Europe's pots
                         151, 26, 198, 150, 159, 179, 192, 152, 193, 54, 160, 142, 171, 31, 63, 100,
                         // more for a drawn world cup in every continent
                         57, 129, 190, 1, 169, 9, 39, 43, 59, 38, 147, 106, 143, 184};
    for (int country : drawn) {
        const t_national_team_file_record* n = NationalTeam(country);
        ASSERT_NE(n, nullptr) << "country " << country;
        int players = 0;
        int keepers = 0;
        for (int i = 0; i < kNationalSquadSlots; ++i) {
            if (!IsUsableNationalSquadSlot(*n, i)) continue;
            ++players;
            keepers += n->position[i] == 0;
        }
        EXPECT_TRUE(IsNationalSquadComplete(*n)) << country;
        EXPECT_GE(players, 18) << country;
        EXPECT_GE(keepers, 2) << country;
        EXPECT_GE(n->level, 1);
        EXPECT_LE(n->level, 25);
    }
}

TEST_F(SampleDatabaseOnDisk, ADrawnWorldCupFillsEveryContinentsQuota) {
    // Quotas of a drawn world cup (Europe's pool is 14, South America may take Oceania's place),
    // plus one for a host of that continent, who is drawn apart.
    const std::array<int, 6> needed = {15, 6, 6, 6, 4, 1};
    std::array<int, 6> teams{};
    for (const NationalTeamFile& n : *nationals_) {
        if (IsUsableNationalTeam(n.record)) ++teams[ContinentOfCountry(n.record.country)];
    }
    for (int c = 0; c < 6; ++c) EXPECT_GE(teams[c], needed[c]) << "continent " << c;
}

TEST_F(SampleDatabaseOnDisk, CallUpsFindPlayersOfTheBigNations) {
    std::map<int, std::array<int, 2>> by_nationality;  // {goalkeepers, others}
    for (const ClubFile& c : *clubs_) {
        for (int i = 0; i < kClubSquadSlots; ++i) {
            if (IsUsableSquadSlot(c.squad, i)) {
                ++by_nationality[c.squad.nationality[i]][c.squad.position[i] == 0 ? 0 : 1];
            }
        }
    }
    for (const NationalTeamFile& n : *nationals_) {
        if (ClubsOf(n.record.country).size() < 10) continue;
        EXPECT_GE(by_nationality[n.record.country][0], 3) << n.real_name;
        EXPECT_GE(by_nationality[n.record.country][1], 20) << n.real_name;
    }
}

TEST(SampleDatabase, SameSeedSameBytes) {
    const SampleDatabase a = BuildSampleDatabase();
    const SampleDatabase b = BuildSampleDatabase();
    ASSERT_EQ(a.clubs.size(), b.clubs.size());
    for (std::size_t i = 0; i < a.clubs.size(); ++i) {
        ASSERT_EQ(a.clubs[i].file_name, b.clubs[i].file_name);
        ASSERT_EQ(EncodeClubFile(a.clubs[i].club, a.clubs[i].squad),
                  EncodeClubFile(b.clubs[i].club, b.clubs[i].squad));
    }
    ASSERT_EQ(a.national_teams.size(), b.national_teams.size());
    for (std::size_t i = 0; i < a.national_teams.size(); ++i) {
        ASSERT_EQ(EncodeNationalTeamFile(a.national_teams[i].record),
                  EncodeNationalTeamFile(b.national_teams[i].record));
    }
}

TEST(SampleDatabase, SmallDatabaseWithPicturesAndSounds) {
    SampleDatabase full = BuildSampleDatabase();
    SampleDatabase small;
    small.clubs.assign(full.clubs.begin(), full.clubs.begin() + 2);
    small.national_teams.assign(full.national_teams.begin(), full.national_teams.begin() + 1);
    char tmpl[] = "/tmp/kv_sampledb_small_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const fs::path dir = tmpl;
    std::string error;
    ASSERT_TRUE(WriteSampleDatabase(small, dir.string(), {}, &error)) << error;

    // Every picture and sound opens with the game's own decoders.
    const auto picture = [](const fs::path& p) {
        Picture pic;
        EXPECT_TRUE(pic.LoadFromFile(p.string())) << p << ": " << pic.error();
        return std::pair{pic.width(), pic.height()};
    };
    const std::string pic = small.clubs[0].club.picture_name.str() + ".png";
    EXPECT_EQ(picture(dir / "teams" / "escudos" / pic), (std::pair{64, 64}));
    EXPECT_EQ(picture(dir / "teams" / "miniescudos" / pic), (std::pair{20, 20}));
    for (const char* folder : {"camisas", "camisas2", "camisas3"}) {
        EXPECT_EQ(picture(dir / "teams" / folder / pic), (std::pair{48, 48})) << folder;
    }
    const std::string symbol = small.national_teams[0].record.picture_name.str() + ".png";
    EXPECT_EQ(picture(dir / "teams" / "selecoes" / symbol), (std::pair{64, 64}));
    for (const char* prefix : {"c_", "c2_", "c3_"}) {
        EXPECT_EQ(picture(dir / "teams" / "selecoes" / (prefix + symbol)), (std::pair{48, 48}))
            << prefix;
    }
    for (int country : {0, 29, 201}) {
        EXPECT_EQ(picture(dir / "img" / "flags" / (std::to_string(country) + ".png")),
                  (std::pair{36, 24}));
    }
    EXPECT_EQ(picture(dir / "img" / "f01.jpg"), (std::pair{256, 256}));
    EXPECT_EQ(picture(dir / "img" / "f03.bmp"), (std::pair{128, 128}));
    // The match day's group frames draw this picture: it fits the 335 pixels of their width
    // and the height of a frame of two rows.
    EXPECT_EQ(picture(dir / "img" / "f03.png"), (std::pair{320, 46}));
    for (const SoundEffectFile& effect : kSoundEffectFiles) {
        const auto bytes = ReadFile((dir / NativePath(effect.file)).string());
        ASSERT_TRUE(bytes) << effect.file;
        SoundClip clip;
        std::string why;
        EXPECT_TRUE(DecodeWav(*bytes, clip, &why)) << effect.file << ": " << why;
        EXPECT_GT(clip.frames(), static_cast<std::size_t>(kMixRate / 2)) << effect.file;
    }
    EXPECT_EQ(ListClubFiles((dir / "teams").string()).size(), 2u);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kv::sampledb
