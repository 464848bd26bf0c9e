#include "core/club_file.h"

#include <gtest/gtest.h>

#include "core/byte_io.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kv {
namespace {

t_club_file_record SampleClub() {
    t_club_file_record c;
    c.country = 29;
    c.squad_complete = 1;
    c.version = 14;
    c.level = 17;
    c.short_name.set("Itabira EC");
    c.full_name.set("Esporte Clube Itabira");
    c.stadium.set("Estádio das Mangueiras");
    c.file_name.set("itabira");
    c.picture_name.set("itabira");
    c.coach_name.set("Joaquim Sá");
    c.back_colour = 0x00112233;
    c.text_colour = 0x00FFFFFF;
    c.state = 10;
    c.reputation = 3;
    c.kit_colour = 6;
    c.club_id = 1042;
    c.sort_key = -7;
    c.capacity = 35000;
    return c;
}

t_squad_file_record SampleSquad(int players) {
    t_squad_file_record s;
    for (int i = 0; i < players; ++i) {
        s.player_names[i].set("Jogador " + std::to_string(i + 1) + " São");
        s.position[i] = static_cast<std::uint8_t>(i == 0 || i == 12 ? 0 : 1 + i % 4);
        s.star[i] = i % 7 == 0;
        s.nationality[i] = i % 5 == 0 ? 11 : 29;
        s.age[i] = static_cast<std::uint8_t>(18 + i);
        s.starter[i] = i < 11;
        s.characteristic1[i] = static_cast<std::uint8_t>(i % 14);
        s.characteristic2[i] = static_cast<std::uint8_t>((i + 3) % 14);
        s.side[i] = i % 2;
        s.reserved[i] = static_cast<std::uint8_t>(i);
    }
    return s;
}

std::int32_t I32At(const std::string& b, std::size_t at) {
    ByteReader r(b);
    r.Seek(at);
    return r.I32();
}

TEST(ClubFile, FieldsLandAtTheirOffsetsAndReadBackUnchanged) {
    const t_club_file_record club = SampleClub();
    const t_squad_file_record squad = SampleSquad(25);
    const std::string bytes = EncodeClubFile(club, squad);
    ASSERT_EQ(bytes.size(), kClubFileSize);

    struct Case {
        std::size_t offset;
        std::int32_t value;
    };
    // Offsets within the file: the club record starts at 4, the squad record at 208.
    for (const Case& c : {Case{0, 1}, Case{4 + 168, 0x00112233}, Case{4 + 172, 0x00FFFFFF},
                          Case{4 + 180, 3}, Case{4 + 184, 6}, Case{4 + 188, 1042},
                          Case{4 + 192, -7}, Case{4 + 196, 35000}, Case{204, 1}}) {
        EXPECT_EQ(I32At(bytes, c.offset), c.value) << "offset " << c.offset;
    }
    struct ByteCase {
        std::size_t offset;
        std::uint8_t value;
    };
    for (const ByteCase& c :
         {ByteCase{4, 29}, ByteCase{5, 1}, ByteCase{6, 14}, ByteCase{7, 17}, ByteCase{4 + 4, 10},
          ByteCase{4 + 30, 21}, ByteCase{4 + 56, 22}, ByteCase{4 + 176, 10}, ByteCase{208 + 900, 1},
          ByteCase{208 + 925 + 1, 29}, ByteCase{208 + 950 + 2, 20}, ByteCase{208 + 975 + 12, 0},
          ByteCase{208 + 1075 + 1, 1}, ByteCase{208 + 1100 + 24, 24}}) {
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[c.offset]), c.value) << "offset " << c.offset;
    }
    EXPECT_EQ(bytes.substr(4 + 140, 10), "Joaquim S\xE1");

    t_club_file_record club2;
    t_squad_file_record squad2;
    DecodeClubFile(bytes, club2, squad2);
    EXPECT_EQ(EncodeClubFile(club2, squad2), bytes);
    EXPECT_EQ(club2.coach_name.str(), "Joaquim Sá");
    EXPECT_EQ(squad2.player_names[24].str(), "Jogador 25 São");
}

TEST(ClubFile, DamagedValuesReadAsSafeOnes) {
    std::string bytes = EncodeClubFile(SampleClub(), SampleSquad(20));
    bytes[4 + 4] = static_cast<char>(200);          // short name length above 25
    bytes[4 + 176] = static_cast<char>(40);         // state
    bytes[4 + 180] = static_cast<char>(9);          // reputation
    bytes[208 + 975 + 2] = 9;                       // position of slot 3
    bytes[208 + 925 + 3] = static_cast<char>(250);  // nationality of slot 4
    bytes[208 + 1025 + 5] = 14;                     // characteristic above 13
    bytes[208 + 1075 + 6] = 7;                      // side
    t_club_file_record c;
    t_squad_file_record s;
    DecodeClubFile(bytes, c, s);
    EXPECT_EQ(c.short_name.length, 25);
    EXPECT_EQ(c.state, kNoState);
    EXPECT_EQ(c.reputation, 5);
    EXPECT_TRUE(IsUsableSquadSlot(s, 1));
    EXPECT_FALSE(IsUsableSquadSlot(s, 2));
    EXPECT_FALSE(IsUsableSquadSlot(s, 3));
    EXPECT_EQ(s.characteristic1[5], 0);
    EXPECT_EQ(s.side[6], 0);
    EXPECT_FALSE(IsUsableSquadSlot(s, 25));
    EXPECT_FALSE(IsUsableSquadSlot(s, -1));
}

// The level and the ages read as the editor would keep them; a name's control bytes read as
// blanks; an empty slot keeps its age so the editor writes it back as it was.
TEST(ClubFile, LevelsAgesAndNamesReadWithinTheirDomains) {
    struct Case {
        std::size_t offset;
        std::uint8_t stored;
        int level;
        int age_of_slot_1;
        int age_of_slot_25;  // empty in a squad of 20
    };
    for (const Case& c :
         {Case{7, 0, 0, 18, 0}, Case{7, 25, 25, 18, 0}, Case{7, 26, 10, 18, 0},
          Case{7, 255, 10, 18, 0}, Case{208 + 950, 15, 17, 16, 0}, Case{208 + 950, 42, 17, 42, 0},
          Case{208 + 950, 255, 17, 42, 0}, Case{208 + 950 + 24, 255, 17, 18, 255}}) {
        std::string bytes = EncodeClubFile(SampleClub(), SampleSquad(20));
        bytes[c.offset] = static_cast<char>(c.stored);
        t_club_file_record club;
        t_squad_file_record squad;
        DecodeClubFile(bytes, club, squad);
        EXPECT_EQ(club.level, c.level) << "offset " << c.offset << " byte " << int{c.stored};
        EXPECT_EQ(squad.age[0], c.age_of_slot_1) << "offset " << c.offset;
        EXPECT_EQ(squad.age[24], c.age_of_slot_25) << "offset " << c.offset;
    }

    std::string bytes = EncodeClubFile(SampleClub(), SampleSquad(20));
    bytes[4 + 5] = '\t';      // in the short name
    bytes[208 + 1] = '\n';    // in the first player's name
    bytes[4 + 140] = '\x7F';  // in the coach's name
    t_club_file_record club;
    t_squad_file_record squad;
    DecodeClubFile(bytes, club, squad);
    EXPECT_EQ(club.short_name.str(), " tabira EC");
    EXPECT_EQ(squad.player_names[0].str(), " ogador 1 São");
    EXPECT_EQ(club.coach_name.str(), " oaquim Sá");
}

TEST(ClubFile, StatesOutsideBrasilsReadAsNoState) {
    for (auto [stored, read] :
         {std::pair<int, int>{0, 0}, {26, 26}, {27, kNoState}, {255, kNoState}}) {
        std::string bytes = EncodeClubFile(SampleClub(), SampleSquad(18));
        bytes[4 + 176] = static_cast<char>(stored);
        t_club_file_record c;
        t_squad_file_record s;
        DecodeClubFile(bytes, c, s);
        EXPECT_EQ(c.state, read) << stored;
    }
}

TEST(ClubFile, TruncatedFileKeepsWhatItHoldsAndZeroFillsTheRest) {
    const std::string full = EncodeClubFile(SampleClub(), SampleSquad(25));
    for (std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{40}, std::size_t{191},
                            std::size_t{700}, kClubFileSize - 1}) {
        t_club_file_record c;
        t_squad_file_record s;
        DecodeClubFile(std::string_view(full).substr(0, cut), c, s);
        EXPECT_EQ(c.country, cut > 4 ? 29 : 0) << cut;
        EXPECT_EQ(c.capacity, cut >= 204 ? 35000 : 0) << cut;
        EXPECT_EQ(s.reserved[24], cut == kClubFileSize ? 24 : 0) << cut;
    }
}

TEST(ClubFile, UsableClubsAndSlots) {
    struct Case {
        std::uint8_t version, complete, country;
        bool usable;
    };
    for (const Case& k : {Case{14, 1, 29, true}, Case{13, 1, 29, false}, Case{14, 0, 29, false},
                          Case{14, 1, 202, true}, Case{14, 1, 203, false}}) {
        t_club_file_record c = SampleClub();
        c.version = k.version;
        c.squad_complete = k.complete;
        c.country = k.country;
        EXPECT_EQ(IsUsableClub(c), k.usable) << int(k.version) << " " << int(k.country);
    }
    t_squad_file_record s = SampleSquad(4);
    s.player_names[2].set_raw(kEmptySlotName);
    EXPECT_TRUE(IsUsableSquadSlot(s, 1));
    EXPECT_FALSE(IsUsableSquadSlot(s, 2));
    EXPECT_TRUE(IsUsableSquadSlot(s, 3));
    EXPECT_FALSE(IsUsableSquadSlot(s, 4));  // empty name
}

TEST(ClubFile, CompleteSquadNeedsAGoalkeeperAndElevenOthers) {
    struct Case {
        int goalkeepers, others;
        bool complete;
    };
    for (const Case& k :
         {Case{1, 11, true}, Case{1, 10, false}, Case{0, 20, false}, Case{3, 22, true}}) {
        t_squad_file_record s;
        for (int i = 0; i < k.goalkeepers + k.others; ++i) {
            s.player_names[i].set("X");
            s.position[i] = i < k.goalkeepers ? 0 : 3;
        }
        // an empty-slot marker in an outfield position never counts as a player
        s.player_names[k.goalkeepers + k.others].set_raw(kEmptySlotName);
        s.position[k.goalkeepers + k.others] = 3;
        EXPECT_EQ(IsClubSquadComplete(s), k.complete) << k.goalkeepers << "+" << k.others;
    }
}

TEST(ClubFile, ReaderKeepsTheRealFileNameAndListsAnyCaseSorted) {
    namespace fs = std::filesystem;
    char tmpl[] = "/tmp/kv_clubs_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const fs::path dir = tmpl;
    const std::string long_name = "Associacao Atletica Muito Comprida.B14";
    ASSERT_TRUE(WriteClubFile((dir / long_name).string(), SampleClub(), SampleSquad(18)));
    ASSERT_TRUE(WriteClubFile((dir / "abc.b14").string(), SampleClub(), SampleSquad(18)));
    std::ofstream(dir / "notes.txt") << "x";

    const std::vector<std::string> names = ListClubFiles(dir.string());
    ASSERT_EQ(names, (std::vector<std::string>{"abc.b14", long_name}));
    const std::optional<ClubFile> f =
        ReadClubFile(dir.string(), "ASSOCIACAO atletica muito comprida.b14");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->real_name, long_name);
    EXPECT_EQ(f->club.file_name.str(), long_name.substr(0, 25));
    EXPECT_FALSE(ReadClubFile(dir.string(), "missing.b14"));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kv
