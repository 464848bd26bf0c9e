#include "editor/editor_search.h"

#include <gtest/gtest.h>

#include "tests/editor/editor_folder.h"

namespace kv {
namespace {

using test::EditorFolder;

TEST(EditorSearch, NamesMatchByTheirStartWithoutLowerCaseAccentsOrCase) {
    struct Case {
        const char* name;
        const char* typed;
        bool matches;
    };
    for (const Case& c : std::vector<Case>{{"São Paulo", "sao", true},
                                           {"São Paulo", "SAO P", true},
                                           {"Grêmio", "gremio", true},
                                           {"Avaí", "AVAI", true},
                                           {"São Paulo", "SÃO", false},  // upper case is not folded
                                           {"ÁGUIA", "agu", false},
                                           {"Santos", "", true},
                                           {"Santos", "Santos FC", false},
                                           {"Santos", "anto", false}})
        EXPECT_EQ(NameStartsWith(c.name, c.typed), c.matches) << c.name << " / " << c.typed;
    EXPECT_EQ(FoldAccents("àáâãäéèêëóòôõöúùûüíìîïçñ ÀÉ"), "aaaaaeeeeooooouuuuiiiicn ÀÉ");
}

class EditorSearchFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        // Rows: Santos, São Caetano, Sampaio; slots 24 and 25 of São Caetano hold "Zico".
        t_club_file_record club;
        t_squad_file_record squad;
        EditorFolder::MakeClub(club, squad, "Santos", 1, 15);
        folder_.WriteClub("a.b14", club, squad);
        EditorFolder::MakeClub(club, squad, "São Caetano", 1, 24);
        squad.player_names[23].set("Zico Segundo");
        squad.player_names[24].set("Zico");
        folder_.WriteClub("b.b14", club, squad);
        EditorFolder::MakeClub(club, squad, "Sampaio", 0, 10);
        squad.player_names[2].set("Zico Terceiro");
        squad.player_names[5].set("Sampaio 1");  // the same name twice
        folder_.WriteClub("c.b14", club, squad);
        db_.Load(folder_.teams());
        rows_ = db_.ListedClubs();
    }
    EditorFolder folder_;
    EditorDatabase db_;
    std::vector<int> rows_;
};

TEST_F(EditorSearchFolder, TheTeamSearchGoesOnFromItsLastHitAndStartsOverAfterAMiss) {
    TeamSearch search;
    EXPECT_EQ(search.Find(db_, rows_, "sa"), 0);
    EXPECT_EQ(search.Find(db_, rows_, "sa"), 1);
    EXPECT_EQ(search.Find(db_, rows_, "sa"), 2);
    EXPECT_EQ(search.Find(db_, rows_, "sa"), -1);
    EXPECT_EQ(search.Find(db_, rows_, "sa"), 0);
    EXPECT_EQ(search.Find(db_, rows_, "sao c"), 1);
    EXPECT_EQ(search.Find(db_, rows_, ""), -1);
    EXPECT_EQ(search.next_row, 0);
}

TEST_F(EditorSearchFolder, ThePlayerSearchReachesTheLastSlotAndSkipsFreeOnes) {
    PlayerSearch search;
    EXPECT_EQ(search.Find(db_, rows_, "zico").slot, 24);
    const PlayerHit last = search.Find(db_, rows_, "zico");
    EXPECT_EQ(last.row, 1);
    EXPECT_EQ(last.slot, 25);
    const PlayerHit next = search.Find(db_, rows_, "zico");
    EXPECT_EQ(next.row, 2);
    EXPECT_EQ(next.slot, 3);
    EXPECT_EQ(search.Find(db_, rows_, "zico").row, -1);
    EXPECT_EQ(search.Find(db_, rows_, "zico").slot, 24);

    PlayerSearch free_slots;
    EXPECT_EQ(free_slots.Find(db_, rows_, "nome").row, -1);
}

TEST_F(EditorSearchFolder, ChecksFindShortSquadsMissingGoalkeepersDuplicatesAndPictures) {
    const std::vector<SquadFault> faults = CheckSquads(db_);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].text, "Sampaio: elenco sem goleiro");

    EditorDatabase db;
    db.Load(folder_.teams());
    for (int s = 5; s <= 16; ++s) db.DeleteClubPlayer(rows_[0], s);
    auto national = EditorFolder::MakeNationalTeam(12, 15);
    db.national_team(12) = national;
    const std::vector<SquadFault> more = CheckSquads(db);
    ASSERT_EQ(more.size(), 3u);
    EXPECT_EQ(more[0].text, "Santos: elenco curto (3 jogadores de linha; são precisos 11)");
    EXPECT_TRUE(more[2].national);
    EXPECT_EQ(more[2].team, 12);
    EXPECT_EQ(more[2].text.substr(more[2].text.find(':')),
              ": elenco curto (14 jogadores de linha; são precisos 15)");

    const std::vector<DuplicatePlayer> duplicates = DuplicatePlayers(db_, rows_);
    ASSERT_EQ(duplicates.size(), 1u);
    EXPECT_EQ(duplicates[0].row, 2);
    EXPECT_EQ(duplicates[0].text, "Sampaio-Sampaio 1");

    // Only a .png crest counts: one kept as .gif is reported missing.
    folder_.WriteBytes("escudos/Santos.png", "png");
    folder_.WriteBytes("escudos/Sampaio.gif", "gif");
    EXPECT_EQ(ClubsWithoutCrest(db_, rows_), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(ClubsWithoutKit(db_, rows_), (std::vector<bool>{true, true, true}));
}

TEST(EditorSort, ClubsGoByCountryThenHigherLevelThenName) {
    EditorFolder folder;
    struct Club {
        const char* name;
        int country;
        int level;
    };
    for (const Club& c : std::vector<Club>{{"Zeta", 29, 10},
                                           {"Beta", 29, 12},
                                           {"Alfa", 29, 10},
                                           {"Omega", 3, 1},
                                           {"Água", 29, 10}}) {
        t_club_file_record club;
        t_squad_file_record squad;
        EditorFolder::MakeClub(club, squad, c.name);
        club.country = static_cast<std::uint8_t>(c.country);
        club.level = static_cast<std::uint8_t>(c.level);
        folder.WriteClub(std::string(c.name == std::string("Água") ? "agua" : c.name) + ".b14",
                         club, squad);
    }
    EditorDatabase db;
    db.Load(folder.teams());
    std::vector<std::string> names;
    for (int club : SortByCountryLevelName(db, db.ListedClubs()))
        names.push_back(db.clubs()[club].club.short_name.str());
    // Byte order puts the accented capital after every plain letter.
    EXPECT_EQ(names, (std::vector<std::string>{"Omega", "Beta", "Alfa", "Zeta", "Água"}));
}

}  // namespace
}  // namespace kv
