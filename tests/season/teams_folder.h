#pragma once
// A small teams database written in a temporary folder, club by club, for the tests of the
// new-game setup and builder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/club_file.h"
#include "core/national_team_file.h"

namespace kv::test {

struct ClubOptions {
    int level = 10;
    bool complete = true;
    int version = kClubFileVersion;
    std::string name;  // empty: made from the country and a number
    int sort_key = 0;
    int club_id = 0;
    int state = kNoState;
    int capacity = 0;
    int players = 16;  // one goalkeeper, the rest outfield
    bool unnamed = false;  // an empty short name
    std::string file_name;  // empty: "club<n>.b14"

    ClubOptions& FileName(std::string v) { return file_name = std::move(v), *this; }
    ClubOptions& NoName() { return unnamed = true, *this; }
    ClubOptions& Level(int v) { return level = v, *this; }
    ClubOptions& Incomplete() { return complete = false, *this; }
    ClubOptions& Version(int v) { return version = v, *this; }
    ClubOptions& Name(std::string v) { return name = std::move(v), *this; }
    ClubOptions& SortKey(int v) { return sort_key = v, *this; }
    ClubOptions& ClubId(int v) { return club_id = v, *this; }
    ClubOptions& State(int v) { return state = v, *this; }
    ClubOptions& Capacity(int v) { return capacity = v, *this; }
    ClubOptions& Players(int v) { return players = v, *this; }
};

class TeamsFolder {
  public:
    TeamsFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kv_teams_XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        std::filesystem::create_directories(teams() + "/selecoes");
    }
    ~TeamsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TeamsFolder(const TeamsFolder&) = delete;
    TeamsFolder& operator=(const TeamsFolder&) = delete;

    std::string root() const { return root_.string(); }
    std::string teams() const { return (root_ / "teams").string(); }

    // Writes one club file and returns its name.
    std::string AddClub(int country, const ClubOptions& options = {}) {
        const int number = ++count_;
        t_club_file_record club;
        t_squad_file_record squad;
        club.country = static_cast<std::uint8_t>(country);
        club.squad_complete = options.complete ? 1 : 0;
        club.version = static_cast<std::uint8_t>(options.version);
        club.level = static_cast<std::uint8_t>(options.level);
        const std::string name = options.name.empty()
                                     ? "C" + std::to_string(country) + "_" + std::to_string(number)
                                     : options.name;
        club.short_name.set(options.unnamed ? "" : name);
        club.coach_name.set("Coach " + name);
        club.stadium.set("Estadio " + name);
        club.picture_name.set("pic" + std::to_string(number));
        club.state = static_cast<std::uint8_t>(options.state);
        club.sort_key = options.sort_key;
        club.club_id = options.club_id;
        club.capacity = options.capacity;
        for (int i = 0; i < options.players && i < kClubSquadSlots; ++i) {
            squad.player_names[i].set("P" + std::to_string(number) + "_" + std::to_string(i));
            squad.position[i] = static_cast<std::uint8_t>(i == 0 ? 0 : 1 + i % 4);
            squad.age[i] = 25;
            squad.nationality[i] = static_cast<std::uint8_t>(country < 202 ? country : 29);
            squad.starter[i] = i < 11 ? 1 : 0;
        }
        for (int i = options.players; i < kClubSquadSlots; ++i)
            squad.player_names[i].set_raw(kEmptySlotName);
        const std::string file = options.file_name.empty()
                                     ? "club" + std::to_string(number) + ".b14"
                                     : options.file_name;
        EXPECT_TRUE(WriteClubFile(teams() + "/" + file, club, squad));
        return file;
    }

    void AddClubs(int country, int count, const ClubOptions& options = {}) {
        for (int i = 0; i < count; ++i) AddClub(country, options);
    }

    // Cuts a file of the folder (a path inside teams/) to its first `size` bytes, as a copy
    // stopped half-way leaves it.
    void Cut(const std::string& file, std::uintmax_t size) {
        std::filesystem::resize_file(std::filesystem::path(teams()) / file, size);
    }

    // Returns the file's name inside teams/.
    std::string AddNationalTeam(int country, int level = 12, int players = 18) {
        t_national_team_file_record r;
        r.country = country;
        r.level = level;
        r.coach_name.set("Seleção " + std::to_string(country));
        r.version = kNationalTeamFileVersion;
        r.squad_complete = 1;
        for (int i = 0; i < players; ++i) {
            r.player_names[i].set("N" + std::to_string(country) + "_" + std::to_string(i));
            r.position[i] = i == 0 ? 0 : 1 + i % 4;
            r.age[i] = 27;
            r.starter[i] = i < 11 ? 1 : 0;
        }
        EXPECT_TRUE(WriteNationalTeamFile(teams() + "/selecoes/" + NationalTeamFileName(country), r));
        return "selecoes/" + NationalTeamFileName(country);
    }

  private:
    std::filesystem::path root_;
    int count_ = 0;
};

}  // namespace kv::test
