#include "match/human_lineup.h"

#include <algorithm>
#include <set>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/text_tables.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "match/match_tables.h"
#include "season/news.h"

namespace kv {
namespace {

constexpr int kAnyRole = -1;
// No player has this role: a bench row is met only once side and role are no longer asked.
constexpr int kBenchRole = 12;
constexpr int kStamina = 12;  // the characteristic that lets a tired starter play happily
constexpr int kExhausted = 15;

constexpr PitchPosition kPitch[26] = {
    {"", -1000, -1000, -1, -1, -1}, {"G", 165, 533, 0, -1, -1}, {"L", 25, 392, 1, 1, -1},
    {"Z", 98, 470, 2, 1, -1},       {"Z", 165, 470, 2, -1, -1}, {"Z", 237, 470, 2, 0, -1},
    {"Z", 98, 400, 2, 1, -1},       {"Z", 165, 400, 2, -1, -1}, {"Z", 237, 400, 2, 0, -1},
    {"L", 305, 392, 1, 0, -1},      {"M", 25, 265, 1, 1, 1},    {"M", 98, 300, 3, 1, 0},
    {"M", 165, 300, 3, -1, 0},      {"M", 237, 300, 3, 0, 0},   {"M", 98, 220, 3, 1, 1},
    {"M", 165, 220, 3, -1, 1},      {"M", 237, 220, 3, 0, 1},   {"M", 305, 265, 1, 0, 1},
    {"A", 25, 100, 4, 1, 2},        {"A", 98, 140, 4, 1, -1},   {"A", 165, 140, 4, -1, -1},
    {"A", 237, 140, 4, 0, -1},      {"A", 98, 60, 4, 1, -1},    {"A", 165, 60, 4, -1, -1},
    {"A", 237, 60, 4, 0, -1},       {"A", 305, 100, 4, 0, 2},
};

constexpr int kBenchYs[7] = {56, 117, 186, 247, 308, 369, 430};
constexpr int kBenchPositions[7] = {0, 1, 2, 3, 3, 4, 4};
constexpr std::string_view kFormationNames[kFormationCount] = {
    "5-4-1",       "5-3-2", "4-5-1",      "4-4-2", "4-4-2 Def.",
    "4-4-2 Ofen.", "4-3-3", "4-3-3 Def.", "3-5-2", "3-4-3"};

// One pass of the search for a pitch position: the player position it asks for, its role
// (-1 any), and whether only the first relaxation step is tried. A first-step-only pass asks
// for no side: a defensive midfielder covers the centre of the defence from either foot.
struct Pass {
    int position;
    int role;
    bool first_step_only = false;
};

std::vector<Pass> PassesFor(int p) {
    const int role = PitchPositionInfo(p).role;
    if (p == 1) return {{0, kAnyRole}};
    if (p == 2 || p == 9) return {{1, kAnyRole}, {3, kAnyRole}, {2, kAnyRole}};
    if (p >= 3 && p <= 8) return {{2, kAnyRole}, {3, 0, true}, {1, kAnyRole}};
    if (p == 10 || p == 17) return {{1, role}, {3, 1}};
    if (p >= 11 && p <= 13) return {{3, role}};
    if (p >= 14 && p <= 16) return {{3, role}, {1, 1}, {4, 1}};
    if (p >= 18 && p <= 25) return {{4, kAnyRole}, {3, kAnyRole}};
    return {};
}

bool IsStarterShirt(int shirt) {
    return shirt >= 1 && shirt <= kStarterShirts;
}
bool IsShirt(int shirt) {
    return shirt >= 1 && shirt <= kShirtCount;
}

LineupRowState StateForShirt(int shirt) {
    return IsStarterShirt(shirt) ? LineupRowState::kStarter : LineupRowState::kSubstitute;
}

bool Chosen(LineupRowState s) {
    return s == LineupRowState::kStarter || s == LineupRowState::kSubstitute;
}
bool Selectable(LineupRowState s) {
    return s == LineupRowState::kFree || Chosen(s);
}

}  // namespace

const PitchPosition& PitchPositionInfo(int position) {
    return kPitch[position >= 1 && position <= 25 ? position : 0];
}

int PitchPositionAt(int x, int y) {
    for (int p = 1; p <= 25; ++p) {
        const PitchPosition& at = kPitch[p];
        if (x >= at.x && x < at.x + 42 && y >= at.y && y < at.y + 42) return p;
    }
    return 0;
}

int BenchY(int shirt) {
    return shirt > kStarterShirts && shirt <= kShirtCount ? kBenchYs[shirt - 12] : 0;
}

std::string_view FormationName(int formation) {
    return formation >= 1 && formation <= kFormationCount ? kFormationNames[formation - 1] : "";
}

int FormationPosition(int formation, int shirt) {
    return IsStarterShirt(shirt) ? FormationCode(formation, shirt - 1) : 0;
}

int LineupCoach(const GameData& data, int team) {
    if (team >= 0 && team < static_cast<int>(data.teams.size())) {
        const int coach = data.teams[team].coach;
        if (coach >= 0 && coach < static_cast<int>(data.coaches.size())) return coach;
    }
    return data.game_state.current_coach;
}

std::vector<int> SquadInListOrder(const GameData& data, int team) {
    struct Entry {
        int player, key, strength, energy;
    };
    std::vector<Entry> order;
    if (team >= 0 && team < static_cast<int>(data.teams.size()))
        for (const int p : data.PlayersOf(team)) {
            const t_player& player = data.players[p];
            order.push_back({p, PositionSortKey(p), player.strength, player.energy});
        }
    std::stable_sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        if (a.key != b.key) return a.key < b.key;
        if (a.strength != b.strength) return a.strength < b.strength;
        return a.energy < b.energy;
    });
    std::vector<int> players;
    players.reserve(order.size());
    for (const Entry& e : order) players.push_back(e.player);
    return players;
}

HumanLineup::HumanLineup(GameData& data, int team, bool national)
    : data_(data), team_(team), national_(national) {
    const int kind = CurrentMatchKind();
    const TDateTime today = TodayDate(data);
    for (const int player : SquadInListOrder(data, team)) {
        const t_player& p = data.players[player];
        LineupRow row{player, LineupRowState::kFree, ConditionPicture(p, kind, today)};
        if (!national && (p.moved_this_round || p.contract_end < today))
            row.state = LineupRowState::kNotSelectable;
        if (!IsPlayerAvailable(p, kind, today)) row.state = LineupRowState::kUnavailable;
        rows_.push_back(row);
    }
    PlaceFormation(4);
}

int HumanLineup::RowOf(int player) const {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].player == player) return static_cast<int>(r);
    return -1;
}

LineupRowState HumanLineup::StateOf(int player) const {
    const int r = RowOf(player);
    return r < 0 ? LineupRowState::kUnavailable : rows_[r].state;
}

void HumanLineup::SetRowState(int player, LineupRowState state) {
    const int r = RowOf(player);
    if (r >= 0) rows_[r].state = state;
}

void HumanLineup::FreeChosenRows() {
    for (LineupRow& row : rows_)
        if (Chosen(row.state)) row.state = LineupRowState::kFree;
}

int HumanLineup::FindShirtOfPlayer(int player) const {
    if (player <= 0) return -1;
    for (int s = 1; s <= kShirtCount; ++s)
        if (shirts_[s - 1].player == player) return s;
    return -1;
}

int HumanLineup::SelectableCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(),
                                          [](const LineupRow& r) { return Selectable(r.state); }));
}

int HumanLineup::StarterCount() const {
    int n = 0;
    for (int s = 1; s <= kStarterShirts; ++s) n += shirt(s).empty() ? 0 : 1;
    return n;
}

int HumanLineup::RequiredStarters() const {
    return std::min(kStarterShirts, SelectableCount());
}

void HumanLineup::PlaceShirt(int shirt, int position) {
    if (!IsShirt(shirt) || position < 0 || position > 25) return;
    shirts_[shirt - 1].position = position;
}

void HumanLineup::PlaceFormation(int formation) {
    for (int s = 1; s <= kShirtCount; ++s) PlaceShirt(s, FormationPosition(formation, s));
}

bool HumanLineup::DropPlayer(int player, int shirt) {
    if (!IsShirt(shirt) || !Selectable(StateOf(player))) return false;
    LineupShirt& target = shirts_[shirt - 1];
    const int worn = FindShirtOfPlayer(player);
    if (worn == shirt) return true;
    if (worn > 0) shirts_[worn - 1].player = 0;
    if (!target.empty()) SetRowState(target.player, LineupRowState::kFree);
    target.player = player;
    SetRowState(player, StateForShirt(shirt));
    return true;
}

void HumanLineup::SwapShirts(int a, int b) {
    if (!IsShirt(a) || !IsShirt(b) || a == b) return;
    std::swap(shirts_[a - 1].player, shirts_[b - 1].player);
    for (int s : {a, b})
        if (!shirt(s).empty()) SetRowState(shirt(s).player, StateForShirt(s));
}

bool HumanLineup::MoveShirt(int shirt, int position) {
    if (shirt < 2 || shirt > kStarterShirts || position < 1 || position > 25) return false;
    shirts_[shirt - 1].position = position;
    return true;
}

int HumanLineup::TakeCandidate(int position, int side, int role, int use) {
    for (Candidate& c : candidates_) {
        if (c.use != 0 || c.position != position) continue;
        if (side != -1 && c.side != side) continue;
        if (role != kAnyRole && c.role != role) continue;
        c.use = use;
        SetRowState(c.player, use == 1 ? LineupRowState::kStarter : LineupRowState::kSubstitute);
        return c.player;
    }
    return -1;
}

int HumanLineup::PickPlayerForPosition(int pitch_position, int bench_position) {
    if (bench_position >= 0) {
        // A bench row asks for role 12, which nobody has: only the last step can find him.
        return TakeCandidate(bench_position, -1, kAnyRole, 2);
    }
    const int side = PitchPositionInfo(pitch_position).side;
    for (const Pass& pass : PassesFor(pitch_position)) {
        const int first_side = pass.first_step_only ? -1 : side;
        const int steps[3][2] = {{first_side, pass.role}, {-1, pass.role}, {-1, kAnyRole}};
        for (int step = 0; step < (pass.first_step_only ? 1 : 3); ++step) {
            const int p = TakeCandidate(pass.position, steps[step][0], steps[step][1], 1);
            if (p != -1) return p;
        }
    }
    return -1;
}

void HumanLineup::AutoSelect(int formation) {
    if (formation < 1 || formation > kFormationCount) return;
    PlaceFormation(formation);
    FreeChosenRows();
    candidates_.clear();
    for (const LineupRow& row : rows_) {
        if (!Selectable(row.state)) continue;
        t_player& p = data_.players[row.player];
        p.squad_role = 0;
        candidates_.push_back({row.player, p.strength, p.energy, p.side, p.position, p.role, 0});
    }
    // Strongest first, and at equal strength the one with more energy; then list order.
    std::stable_sort(candidates_.begin(), candidates_.end(),
                     [](const Candidate& a, const Candidate& b) {
                         if (a.strength != b.strength) return a.strength > b.strength;
                         return a.energy > b.energy;
                     });
    bool placed = false;
    for (int s = 1; s <= kStarterShirts; ++s) {
        shirts_[s - 1].player = 0;
        const int p = PickPlayerForPosition(shirt(s).position);
        if (p == -1) continue;
        shirts_[s - 1].player = p;
        placed = true;
    }
    for (int s = kStarterShirts + 1; s <= kShirtCount; ++s) shirts_[s - 1].player = 0;
    int next = kStarterShirts + 1;
    for (const int position : kBenchPositions) {
        const int p = PickPlayerForPosition(0, position);
        if (p == -1) continue;
        shirts_[next++ - 1].player = p;
        placed = true;
    }
    candidates_.clear();
    if (placed) StoreDefault();
}

void HumanLineup::KeepIfAsked() const {
    if (data_.game_state.keep_lineup) StoreDefault();
}

void HumanLineup::StoreDefault() const {
    auto& lineups = data_.default_lineups;
    auto it = std::find_if(lineups.begin(), lineups.end(),
                           [this](const t_default_lineup& l) { return l.team == team_; });
    if (it == lineups.end()) {
        lineups.push_back({});
        it = lineups.end() - 1;
        it->team = team_;
    }
    for (int s = 1; s <= kShirtCount; ++s) it->players[s - 1] = shirt(s).player;
    for (int s = 1; s <= kStarterShirts; ++s) it->positions[s - 1] = shirt(s).position;
}

void HumanLineup::ApplyStored(const int (&positions)[kStarterShirts], int (&players)[kShirtCount]) {
    FreeChosenRows();
    std::set<int> seen;
    for (int s = 1; s <= kShirtCount; ++s) {
        int& p = players[s - 1];
        // A player of another club, one who cannot play today, or one a damaged record names
        // twice does not come back.
        if (p > 0 && (!Selectable(StateOf(p)) || !seen.insert(p).second)) p = 0;
        LineupShirt& shirt = shirts_[s - 1];
        shirt.player = std::max(p, 0);
        if (IsStarterShirt(s) && positions[s - 1] >= 1 && positions[s - 1] <= 25)
            shirt.position = s == 1 ? 1 : positions[s - 1];
        if (!shirt.empty()) SetRowState(shirt.player, StateForShirt(s));
    }
}

bool HumanLineup::LoadDefault() {
    for (t_default_lineup& l : data_.default_lineups) {
        if (l.team != team_) continue;
        int positions[kStarterShirts];
        std::copy(std::begin(l.positions), std::end(l.positions), positions);
        ApplyStored(positions, l.players);
        return true;
    }
    return false;
}

bool HumanLineup::LoadSavedTactic(int index) {
    if (index < 0 || index >= static_cast<int>(data_.saved_tactics.size())) return false;
    t_saved_tactic& t = data_.saved_tactics[index];
    if (t.team != team_ || t.team < 0 || t.coach != LineupCoach(data_, team_)) return false;
    int positions[kStarterShirts];
    std::copy(std::begin(t.positions), std::end(t.positions), positions);
    ApplyStored(positions, t.players);
    return true;
}

std::string HumanLineup::FormationText() const {
    int lines[3] = {};
    for (int s = 1; s <= kStarterShirts; ++s) {
        const int p = shirt(s).position;
        if (p >= 2 && p <= 9) ++lines[0];
        if (p >= 10 && p <= 17) ++lines[1];
        if (p >= 18 && p <= 25) ++lines[2];
    }
    return std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" +
           std::to_string(lines[2]);
}

int HumanLineup::SaveTactic(std::string_view name) const {
    if (StarterCount() < kStarterShirts || name.empty()) return -1;
    t_saved_tactic t{};
    t.team = team_;
    t.coach = LineupCoach(data_, team_);
    for (int s = 1; s <= kShirtCount; ++s) t.players[s - 1] = shirt(s).player;
    for (int s = 1; s <= kStarterShirts; ++s) t.positions[s - 1] = shirt(s).position;
    t.name.set(name);
    t.formation.set(FormationText());
    data_.saved_tactics.push_back(t);
    return static_cast<int>(data_.saved_tactics.size()) - 1;
}

void HumanLineup::TakeFrom(const t_match_strength& record) {
    FreeChosenRows();
    // Whatever the shirts held (the standard line-up the window opened with) gives way whole:
    // a player left on a later shirt would otherwise be refused his new one.
    for (LineupShirt& shirt : shirts_) shirt.player = 0;
    auto take = [this](int shirt, int player) {
        shirts_[shirt - 1].player = 0;
        if (player <= 0 || RowOf(player) < 0 || FindShirtOfPlayer(player) > 0) return false;
        shirts_[shirt - 1].player = player;
        SetRowState(player, StateForShirt(shirt));
        return true;
    };
    for (int s = 1; s <= kStarterShirts; ++s) {
        const int slot = s == 1 ? 11 : s - 1;
        PlaceShirt(s, s == 1 ? 1 : record.slot_positions[slot - 1]);
        take(s, record.players[slot - 1]);
    }
    int next = kStarterShirts + 1;
    for (int s = next; s <= kShirtCount; ++s) shirts_[s - 1].player = 0;
    for (const int p : record.bench)
        if (next <= kShirtCount && take(next, p)) ++next;
}

int HumanLineup::Commit() const {
    GameData& data = data_;
    t_team* team = TeamAt(team_);
    if (!team) return -1;
    for (const LineupRow& row : rows_) {
        t_player& p = data.players[row.player];
        p.on_pitch = 0;
        p.squad_role = 0;
        p.moved_this_round = 0;
    }
    data.match_strengths.push_back(t_match_strength{});
    const int index = static_cast<int>(data.match_strengths.size()) - 1;
    team->match_strength_index = index;
    for (int s = 1; s <= kStarterShirts; ++s) {
        const int slot = s == 1 ? 11 : s - 1;
        data.match_strengths[index].slot_positions[slot - 1] = shirt(s).position;
        const int player = shirt(s).player;
        if (player <= 0) continue;
        PutPlayerInSlot(team_, player, slot);
        t_player& p = data.players[player];
        if (!national_ && p.energy < kExhausted && p.characteristic1 != kStamina) {
            p.morale = 1;
            AddNewsItem(data, team_, nePlayerMessage, 6, player, 0, 0);
        }
    }
    int place = 0;
    for (int s = kStarterShirts + 1; s <= kShirtCount; ++s) {
        const int player = shirt(s).player;
        if (player <= 0) continue;
        t_player& p = data.players[player];
        p.on_pitch = 0;
        p.squad_role = 2;
        data.match_strengths[index].bench[place++] = player;
    }
    CountAvailablePlayers(0, team_);
    ComputeLineupStrength(index);
    return index;
}

ShirtCaption BuildShirtCaption(const GameData& data, int shirt, int position, int player,
                               const std::function<int(std::string_view)>& text_width) {
    if (player <= 0 || player >= static_cast<int>(data.players.size())) return {};
    const t_player& p = data.players[player];
    std::string name = p.name.str();
    const std::size_t blank = name.find(' ');
    // A long name keeps its first word and the initial of the next: "Carlos A."
    if (blank != std::string::npos && blank + 1 < name.size() && text_width(name) > 55) {
        std::size_t end = blank + 2;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
        name = name.substr(0, blank) + " " + name.substr(blank + 1, end - blank - 1) + ".";
    }
    if (p.shirt_number > 0) name = std::to_string(p.shirt_number) + " - " + name;
    const int group = std::clamp(p.position, 0, 4);
    const std::string letter(position_letters[static_cast<std::size_t>(group)]);
    const bool starter = IsStarterShirt(shirt);
    const PitchPosition& at = PitchPositionInfo(position);
    const std::string second = starter ? at.label : letter;
    // A midfielder on a wing-back place plays his own game there.
    const bool wing_back_midfielder = p.position == 3 && (position == 10 || position == 17);
    const bool improvised =
        starter && at.position >= 0 && at.position != p.position && !wing_back_midfielder;
    ShirtCaption caption;
    const std::string open = improvised ? "<FONT color=\"#DFDF00\">" : "";
    const std::string close = improvised ? "</font>" : "";
    caption.markup = "<P align=\"center\"><shad><B>" + open + name + "</shad></B><BR><shad>" +
                     second + " (" + std::to_string(p.energy) + "%)</shad>" + close + "</P>";
    if (improvised) caption.hint = letter + " improvisado como " + second;
    return caption;
}

int CommitComputerLineup(GameData& data, int team, bool national) {
    t_team* t = TeamAt(team);
    if (!t) return -1;
    const t_match_strength chosen = ComputerLineupChoice(data, team);
    HumanLineup lineup(data, team, national);
    lineup.TakeFrom(chosen);
    // The coach leaves the line-up as the window's "Jogar" leaves it.
    lineup.KeepIfAsked();
    return lineup.Commit();
}

t_match_strength ComputerLineupChoice(GameData& data, int team) {
    t_team& t = data.teams[team];
    const int before = t.match_strength_index;
    ChooseComputerLineup(team);
    // The computer's record only carries the choice; the committed one replaces it.
    const t_match_strength chosen = data.match_strengths.back();
    data.match_strengths.pop_back();
    t.match_strength_index = before;
    return chosen;
}

}  // namespace kv
