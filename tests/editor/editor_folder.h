#pragma once
// Teams folders for the editor's tests: an empty one to write small clubs into, or a copy of the
// sample database (the editor writes its files back, so the shared sample is never touched).

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/club_file.h"
#include "core/national_team_file.h"
#include "platform/base/files.h"

namespace kv::test {

class EditorFolder {
  public:
    EditorFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kv_editor_XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        std::filesystem::create_directories(root_ / "teams" / "selecoes");
        std::filesystem::create_directories(root_ / "teams" / "escudos");
    }
    ~EditorFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    EditorFolder(const EditorFolder&) = delete;
    EditorFolder& operator=(const EditorFolder&) = delete;

    std::string root() const { return root_.string(); }
    std::string teams() const { return (root_ / "teams").string(); }
    std::string Path(const std::string& name) const { return teams() + "/" + name; }

    // The sample database's club files, national-team files, crests and first kits.
    void CopySample() {
        namespace fs = std::filesystem;
        const fs::path sample = KORVANEL_SAMPLE_TEAMS;
        for (const auto& entry : fs::directory_iterator(sample))
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), root_ / "teams" / entry.path().filename());
        for (const char* sub : {"selecoes", "escudos", "camisas"})
            fs::copy(sample / sub, root_ / "teams" / sub,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    // A club of `outfield` outfield players and `goalkeepers` goalkeepers (slots in that order
    // after the goalkeepers), the other slots holding the editor's empty marker.
    static void MakeClub(t_club_file_record& club, t_squad_file_record& squad,
                         const std::string& name, int goalkeepers = 1, int outfield = 15) {
        club = {};
        squad = {};
        club.version = kClubFileVersion;
        club.country = 29;
        club.state = 24;
        club.level = 10;
        club.short_name.set(name);
        club.full_name.set(name + " Futebol Clube");
        club.coach_name.set("Técnico " + name);
        club.stadium.set("Estádio " + name);
        club.capacity = 20000;
        club.picture_name.set(name);
        for (int i = 0; i < kClubSquadSlots; ++i) {
            const bool named = i < goalkeepers + outfield;
            squad.player_names[i].set_raw(named ? "" : kEmptySlotName);
            if (named) squad.player_names[i].set(name + " " + std::to_string(i + 1));
            squad.position[i] = i < goalkeepers ? 0 : 1 + i % 4;
            squad.age[i] = 25;
            squad.nationality[i] = 29;
            squad.characteristic1[i] = i < goalkeepers ? 1 : 5;
            squad.characteristic2[i] = i < goalkeepers ? 2 : 6;
        }
        club.back_colour = 0xFFFFFF;
        club.squad_complete = IsClubSquadComplete(squad) ? 1 : 0;
    }

    std::string WriteClub(const std::string& file_name, const std::string& name,
                          int goalkeepers = 1, int outfield = 15) {
        t_club_file_record club;
        t_squad_file_record squad;
        MakeClub(club, squad, name, goalkeepers, outfield);
        EXPECT_TRUE(WriteClubFile(Path(file_name), club, squad));
        return Path(file_name);
    }
    void WriteClub(const std::string& file_name, const t_club_file_record& club,
                   const t_squad_file_record& squad) {
        EXPECT_TRUE(WriteClubFile(Path(file_name), club, squad));
    }

    static t_national_team_file_record MakeNationalTeam(int country, int players) {
        t_national_team_file_record n;
        n.country = country;
        n.version = kNationalTeamFileVersion;
        n.level = 15;
        n.coach_name.set("Técnico " + std::to_string(country));
        for (int i = 0; i < players; ++i) {
            n.player_names[i].set("Jogador " + std::to_string(i + 1));
            n.position[i] = i == 0 ? 0 : 1 + i % 4;
            n.age[i] = 27;
            n.characteristic1[i] = i == 0 ? 0 : 4;
            n.characteristic2[i] = i == 0 ? 1 : 7;
        }
        return n;
    }
    void WriteNationalTeam(const std::string& file_name, const t_national_team_file_record& n) {
        EXPECT_TRUE(WriteNationalTeamFile(Path("selecoes/" + file_name), n));
    }

    void WriteBytes(const std::string& name, const std::string& bytes) {
        EXPECT_TRUE(WriteFileAtomic(Path(name), bytes));
    }

  private:
    std::filesystem::path root_;
};

}  // namespace kv::test
