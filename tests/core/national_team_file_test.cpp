#include "core/national_team_file.h"

#include <gtest/gtest.h>

#include "core/byte_io.h"

#include "core/club_file.h"

namespace kv {
namespace {

t_national_team_file_record SampleTeam() {
    t_national_team_file_record n;
    n.country = 42;
    n.continent = 1;
    n.picture_name.set("chile");
    n.coach_name.set("Andrés Muñoz");
    n.level = 19;
    n.squad_complete = 1;
    n.text_colour = 0x00FFFFFF;
    n.back_colour = 0x000000FF;
    n.version = 11;
    n.reputation = 4;
    for (int i = 0; i < kNationalSquadSlots; ++i) {
        n.player_names[i].set("Jugador " + std::to_string(i));
        n.age[i] = kMinPlayerAge + i % 27;  // every age the editor offers, 16..42
        n.position[i] = i < 3 ? 0 : 1 + i % 4;
        n.starter[i] = i < 11;
        n.characteristic1[i] = i % 14;
        n.characteristic2[i] = (i + 5) % 14;
        n.star[i] = i == 9;
        n.side[i] = i % 2;
        n.reserved[i] = static_cast<std::uint8_t>(100 + i);
    }
    return n;
}

std::int32_t I32At(const std::string& b, std::size_t at) {
    ByteReader r(b);
    r.Seek(at);
    return r.I32();
}

TEST(NationalTeamFile, FieldsLandAtTheirOffsetsAndReadBackUnchanged) {
    const std::string bytes = EncodeNationalTeamFile(SampleTeam());
    ASSERT_EQ(bytes.size(), kNationalTeamFileSize);
    struct Case {
        std::size_t offset;  // within the record, which follows the 4-byte header
        std::int32_t value;
    };
    for (const Case& c :
         {Case{0, 42}, Case{4, 1}, Case{72, 19}, Case{80, 0x00FFFFFF}, Case{84, 0x000000FF},
          Case{1100 + 4 * 26, 42}, Case{1100 + 4 * 27, 16}, Case{1212, 0}, Case{1212 + 4 * 5, 2},
          Case{1324 + 4 * 10, 1}, Case{1436 + 4 * 13, 13}, Case{1548 + 4 * 27, 4}}) {
        EXPECT_EQ(I32At(bytes, 4 + c.offset), c.value) << "offset " << c.offset;
    }
    for (auto [offset, value] : {std::pair{8, 5},
                                 {39, 12},
                                 {76, 1},
                                 {92, 9},
                                 {1660 + 9, 1},
                                 {1688, 11},
                                 {1689 + 1, 1},
                                 {1717 + 27, 127},
                                 {1745, 4}}) {
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[4 + offset]), value) << "offset " << offset;
    }

    t_national_team_file_record back;
    DecodeNationalTeamFile(bytes, back);
    EXPECT_EQ(EncodeNationalTeamFile(back), bytes);
    EXPECT_EQ(back.coach_name.str(), "Andrés Muñoz");
}

TEST(NationalTeamFile, DamagedValuesReadAsSafeOnes) {
    std::string bytes = EncodeNationalTeamFile(SampleTeam());
    bytes[4 + 39] = static_cast<char>(99);              // coach name length above 30
    bytes[4 + 1212 + 4 * 4] = 9;                        // position of slot 5
    bytes[4 + 1436 + 4 * 6] = static_cast<char>(0xFF);  // characteristic -1 (0x000000FF = 255)
    bytes[4 + 1689 + 7] = 3;                            // side
    bytes[4 + 1745] = 77;                               // reputation
    t_national_team_file_record n;
    DecodeNationalTeamFile(bytes, n);
    EXPECT_EQ(n.coach_name.length, 30);
    EXPECT_FALSE(IsUsableNationalSquadSlot(n, 4));
    EXPECT_TRUE(IsUsableNationalSquadSlot(n, 5));
    EXPECT_EQ(n.characteristic1[6], 0);
    EXPECT_EQ(n.side[7], 0);
    EXPECT_EQ(n.reputation, 5);

    // cut inside the player names: the header fields survive, the squad reads empty
    DecodeNationalTeamFile(std::string_view(bytes).substr(0, 300), n);
    EXPECT_EQ(n.level, 19);
    EXPECT_EQ(n.version, 0);
    EXPECT_FALSE(IsUsableNationalSquadSlot(n, 20));
}

TEST(NationalTeamFile, UsableTeams) {
    struct Case {
        std::uint8_t version;
        std::int32_t country;
        const char* coach;
        bool usable;
    };
    for (const Case& k :
         {Case{11, 42, "X", true}, Case{10, 42, "X", false}, Case{11, 42, "", false},
          Case{11, 202, "X", false}, Case{11, -1, "X", false}}) {
        t_national_team_file_record n = SampleTeam();
        n.version = k.version;
        n.country = k.country;
        n.coach_name.set(k.coach);
        EXPECT_EQ(IsUsableNationalTeam(n), k.usable) << int(k.version) << " " << k.country;
    }
}

TEST(NationalTeamFile, CompleteSquadNeedsAGoalkeeperAndFifteenOthers) {
    t_national_team_file_record n;
    for (int i = 0; i < 16; ++i) {
        n.player_names[i].set("X");
        n.position[i] = i == 0 ? 0 : 2;
    }
    EXPECT_TRUE(IsNationalSquadComplete(n));
    n.player_names[15].set_raw(kEmptySlotName);
    EXPECT_FALSE(IsNationalSquadComplete(n));
    EXPECT_EQ(NationalTeamFileName(29), "29.s11");
}

}  // namespace
}  // namespace kv
