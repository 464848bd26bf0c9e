#pragma once
// The pitch position codes 1..25 every line-up uses, and the twelve engine zones they cover.

namespace kv {

inline constexpr int kFirstPositionCode = 1;
inline constexpr int kLastPositionCode = 25;
inline constexpr int kZoneCount = 12;

struct PositionCode {
    int group;  // t_player.position coding: 0 goalkeeper .. 4 forward
    int side;   // 0 right, 1 left, -1 either
    int role;   // wanted role, -1 any
};

// Any value outside 1..25 reads as {-1, -1, -1}: no group, so no player fits it.
const PositionCode& position_codes(int code);

// The (up to three) zones of a code, -1 for none; all -1 outside 1..25.
const int (&position_zones(int code))[3];

// For a slot of position group g, the groups tried in turn for a player; all -1 outside 0..4.
const int (&position_fallbacks(int group))[5];

inline bool IsPositionCode(int code) {
    return code >= kFirstPositionCode && code <= kLastPositionCode;
}
inline bool IsCentralDefenceCode(int code) { return code >= 3 && code <= 8; }
inline bool IsDefenceLineCode(int code) { return code >= 2 && code <= 9; }

// The other team sees zone z as 13 - z; a side's view of a home-view zone.
inline int SideZone(int zone, int side) { return side == 1 ? zone : 13 - zone; }
inline int OtherSide(int side) { return side == 1 ? 2 : 1; }
inline int KickOffZone(int side) { return side == 1 ? 5 : 8; }
inline int GoalKickZone(int side) { return side == 1 ? 2 : 11; }

}  // namespace kv
