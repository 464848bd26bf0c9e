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

namespace position_tables {

// Entry 0 stands for any value outside 1..25: no group, so no player fits it, and no zones.
inline constexpr PositionCode kCodes[kLastPositionCode + 1] = {
    {-1, -1, -1},
    {0, -1, -1},  // 1 goalkeeper
    {1, 1, -1},   // 2 left back
    {2, 1, -1},  {2, -1, -1}, {2, 0, -1}, {2, 1, -1}, {2, -1, -1}, {2, 0, -1},  // 3..8
    {1, 0, -1},  // 9 right back
    {1, 1, 1},   // 10 left wing-back
    {3, 1, 0},   {3, -1, 0},  {3, 0, 0},  {3, 1, 1},  {3, -1, 1},  {3, 0, 1},   // 11..16
    {1, 0, 0},   // 17 right wing-back
    {4, 1, 2},   {4, 1, -1},  {4, -1, -1}, {4, 0, -1}, {4, 1, -1}, {4, -1, -1}, {4, 0, -1},
    {4, 0, 2},   // 25
};

inline constexpr int kZones[kLastPositionCode + 1][3] = {
    {-1, -1, -1},
    {-1, -1, -1}, {3, 6, -1},  {2, 3, -1},  {2, -1, -1}, {2, 1, -1},   // 1..5
    {2, 3, -1},   {2, -1, -1}, {2, 1, -1},  {1, 4, -1},  {6, 9, -1},   // 6..10
    {5, 6, -1},   {5, -1, -1}, {5, 4, -1},  {8, 9, -1},  {8, -1, -1},  // 11..15
    {8, 7, -1},   {4, 7, -1},  {12, -1, -1}, {11, 12, -1}, {11, -1, -1},  // 16..20
    {11, 10, -1}, {11, 12, -1}, {11, -1, -1}, {11, 10, -1}, {10, -1, -1},  // 21..25
};

inline constexpr int kFallbacks[6][5] = {
    {-1, -1, -1, -1, -1},
    {0, 2, 1, 3, 4}, {1, 3, 2, 4, 0}, {2, 1, 3, 4, 0}, {3, 1, 2, 4, 0}, {4, 3, 1, 2, 0},
};

}  // namespace position_tables

inline bool IsPositionCode(int code) {
    return code >= kFirstPositionCode && code <= kLastPositionCode;
}

inline const PositionCode& position_codes(int code) {
    return position_tables::kCodes[IsPositionCode(code) ? code : 0];
}

// The (up to three) zones of a code, -1 for none.
inline const int (&position_zones(int code))[3] {
    return position_tables::kZones[IsPositionCode(code) ? code : 0];
}

// For a slot of position group g, the groups tried in turn for a player; all -1 outside 0..4.
inline const int (&position_fallbacks(int group))[5] {
    return position_tables::kFallbacks[group >= 0 && group <= 4 ? group + 1 : 0];
}

inline bool IsCentralDefenceCode(int code) { return code >= 3 && code <= 8; }
inline bool IsDefenceLineCode(int code) { return code >= 2 && code <= 9; }

// The other team sees zone z as 13 - z; a side's view of a home-view zone.
inline int SideZone(int zone, int side) { return side == 1 ? zone : 13 - zone; }
inline int OtherSide(int side) { return side == 1 ? 2 : 1; }
inline int KickOffZone(int side) { return side == 1 ? 5 : 8; }
inline int GoalKickZone(int side) { return side == 1 ? 2 : 11; }

}  // namespace kv
