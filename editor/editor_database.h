#pragma once
// The teams database as the editor holds it: every club file and national-team file of a teams
// folder read into tables of its own (never the game's tables), edited in place, and each change
// written at once to the one file it concerns. There is no unsaved state.
//
// Every operation that can fail returns the message to show (Portuguese), empty on success, and
// leaves the tables as they were when it fails before writing.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/club_file.h"
#include "core/national_team_file.h"
#include "core/types.h"

namespace kv {

// Countries 0..201 have national teams; the custom championship (202) has none.
inline constexpr int kEditorNationalTeams = 202;
inline constexpr int kMinCapacity = 1000;
inline constexpr int kMaxCapacity = 119999;
inline constexpr int kMaxClubFileNameLength = 21;
inline constexpr int kMaxStarters = 11;

struct EditorClub {
    std::string path;  // the file it was read from, and the only file it is written to
    t_club_file_record club;
    t_squad_file_record squad;
    bool deleted = false;  // its file is gone; the entry stays so that its id still counts
};

// The fields of the new-club dialog, as typed.
struct NewClubFields {
    std::string full_name;
    std::string short_name;
    std::string coach_name;
    std::string stadium;
    std::string file_name;  // without ".b14"
    std::string capacity;
    int country = kHomeCountry;
    int state = kNoState;  // 0..26, kNoState for none
    int level = 10;
    int reputation = 0;
    std::int32_t back_colour = 0xFFFFFF;
    std::int32_t text_colour = 0;
    std::string picture_name;
};

// The edit-club dialog's changes: an empty text (or -1) leaves the field as it is.
struct ClubChanges {
    std::string full_name;
    std::string short_name;
    std::string coach_name;
    std::string stadium;
    std::string capacity;
    int level = -1;
    int country = -1;
    int state = -1;  // 0..26, or kNoState to clear it
    int reputation = -1;
    std::int64_t back_colour = -1;
    std::int64_t text_colour = -1;
};

struct NationalTeamFields {
    int country = -1;  // -1: none chosen
    int level = 15;    // 1..25
    std::string coach_name;
    std::int32_t back_colour = 0xFFFFFF;
    std::int32_t text_colour = 0;
    std::string picture_name;
};

// One player slot's fields, as the player dialogs give them. The characteristics are the stored
// values (goalkeepers 0..3, other players 4..13); a value outside its position's range becomes
// the first of the range.
struct PlayerFields {
    std::string name;
    int position = 0;
    int side = 0;
    int nationality = kHomeCountry;  // clubs only
    int characteristic1 = 0;
    int characteristic2 = 0;
    int age = 25;
    bool star = false;
};

class EditorDatabase {
  public:
    // Reads every club file and national-team file of `teams_folder`, replacing what the tables
    // held. Returns one line per file that was skipped (unreadable, a national team of no
    // country) or read only in part, for the loading window to show; the others are loaded.
    // `progress`, when given, is told the number of club files read after each one.
    std::vector<std::string> Load(std::string_view teams_folder,
                                  const std::function<void(int)>& progress = {});

    const std::string& teams_folder() const { return teams_folder_; }
    std::vector<EditorClub>& clubs() { return clubs_; }
    const std::vector<EditorClub>& clubs() const { return clubs_; }
    t_national_team_file_record& national_team(int country) { return national_teams_[country]; }
    const t_national_team_file_record& national_team(int country) const {
        return national_teams_[country];
    }

    // The clubs and national teams the editor lists: clubs of this version not deleted, national
    // teams of this version with a coach.
    bool IsListedClub(int club) const;
    // The club's record, or null when there is no such club (none chosen, or no database).
    const t_club_file_record* ClubRecord(int club) const;
    bool IsListedNationalTeam(int country) const;
    std::vector<int> ListedClubs() const;
    std::vector<int> ListedNationalTeams() const;

    // Writers: fix the derived fields (version, id, level, squad complete, player count) and
    // rewrite the team's file atomically. A deleted or unknown club is never written. A write
    // that fails leaves the entry as it was, so the tables always hold what the files hold.
    std::string WriteClub(int club);
    std::string WriteNationalTeam(int country);
    // An id above every id of the table, deleted clubs included.
    std::int32_t NewClubId() const;

    // Clubs.
    std::string AddClub(const NewClubFields& fields, int* added = nullptr);
    std::string EditClub(int club, const ClubChanges& changes);
    std::string DeleteClub(int club);
    std::string SetClubKit(int club, int kit_colour);
    // Takes `name` as the club's crest and kit name. When the crest file exists but `loads`
    // says it cannot be loaded, the previous name stays and nothing is written.
    std::string SetClubPicture(int club, std::string_view name,
                               const std::function<bool(const std::string& path)>& loads);

    // National teams.
    std::string AddNationalTeam(const NationalTeamFields& fields);
    std::string EditNationalTeam(int country, const NationalTeamFields& fields);
    std::string SetNationalTeamPicture(int country, std::string_view name);

    // Players of clubs (slots 1..25) and national teams (slots 1..28).
    std::string AddClubPlayer(int club, const PlayerFields& fields, int* slot = nullptr);
    std::string AddNationalPlayer(int country, const PlayerFields& fields, int* slot = nullptr);
    std::string EditClubPlayer(int club, int slot, const PlayerFields& fields);
    std::string EditNationalPlayer(int country, int slot, const PlayerFields& fields);
    std::string DeleteClubPlayer(int club, int slot);
    std::string DeleteNationalPlayer(int country, int slot);
    // Starter on or off; a twelfth starter is refused. False when nothing changed; a refused
    // write also fills `error` (when given) with the reason.
    bool ToggleClubStarter(int club, int slot, std::string* error = nullptr);
    bool ToggleNationalStarter(int country, int slot, std::string* error = nullptr);
    bool AgeClubPlayer(int club, int slot, std::string* error = nullptr);  // one year, up to 42
    bool SetClubPlayerSide(int club, int slot, int side, std::string* error = nullptr);
    PlayerFields ClubPlayer(int club, int slot) const;
    PlayerFields NationalPlayer(int country, int slot) const;

    // Moving and copying players. A move goes to the destination's first free slot as a reserve
    // and frees the source slot, both files or neither; a copy into the national team of the player's nationality lands
    // as a reserve too, and the club keeps the player.
    bool CanMovePlayerTo(int club) const;
    std::string MovePlayer(int slot, int from_club, int to_club);
    std::string CopyPlayerToNationalTeam(int club, int slot);

    int last_nationality() const { return last_nationality_; }

    // Named players and starters of a squad.
    int ClubPlayerCount(int club) const;
    int ClubStarterCount(int club) const;
    int NationalPlayerCount(int country) const;
    int NationalStarterCount(int country) const;

  private:
    // Applies `change` to the entry and writes its file. When `change` refuses (a message) or
    // the write fails, the entry goes back to what it was and the message is returned.
    std::string ChangeClub(int club, const std::function<std::string(EditorClub&)>& change);
    std::string ChangeNationalTeam(
        int country, const std::function<std::string(t_national_team_file_record&)>& change);
    bool ValidClub(int club) const;
    bool ValidClubSlot(int club, int slot) const;
    bool ValidNationalSlot(int country, int slot) const;
    std::string NationalTeamPath(int country) const;

    std::string teams_folder_;
    std::vector<EditorClub> clubs_;
    std::array<t_national_team_file_record, kEditorNationalTeams> national_teams_{};
    std::array<std::string, kEditorNationalTeams> national_paths_;
    int last_nationality_ = kHomeCountry;
};

// Texts of indexes read from files, "?" for one outside its table; a state of kNoState (or any
// other value outside the table) shows nothing.
std::string CountryText(int country);
std::string PositionText(int position);
std::string ReputationText(int reputation);
std::string StateText(int state);
// The characteristic's full name when both are the same, else the two abbreviations joined by
// "/", each "?" when outside the table.
std::string CharacteristicsText(int characteristic1, int characteristic2);

// The country a key typed in a country list chooses: "M" the first whose name begins with
// "Ma", any other letter (either case) the first whose name begins with it; `current` when
// no name does or the key is no letter.
int CountryForKey(char32_t key, int current);

// The file name a new club may take: letters, digits, blanks, "-" and "_", no separators.
bool IsSafeClubFileName(std::string_view name);

}  // namespace kv
