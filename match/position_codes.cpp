#include "match/position_codes.h"

namespace kv {
namespace {

constexpr PositionCode kNoCode{-1, -1, -1};

constexpr PositionCode kCodes[kLastPositionCode] = {
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

constexpr int kNoZones[3] = {-1, -1, -1};

constexpr int kZones[kLastPositionCode][3] = {
    {-1, -1, -1}, {3, 6, -1},  {2, 3, -1},  {2, -1, -1}, {2, 1, -1},   // 1..5
    {2, 3, -1},   {2, -1, -1}, {2, 1, -1},  {1, 4, -1},  {6, 9, -1},   // 6..10
    {5, 6, -1},   {5, -1, -1}, {5, 4, -1},  {8, 9, -1},  {8, -1, -1},  // 11..15
    {8, 7, -1},   {4, 7, -1},  {12, -1, -1}, {11, 12, -1}, {11, -1, -1},  // 16..20
    {11, 10, -1}, {11, 12, -1}, {11, -1, -1}, {11, 10, -1}, {10, -1, -1},  // 21..25
};

constexpr int kFallbacks[5][5] = {
    {0, 2, 1, 3, 4}, {1, 3, 2, 4, 0}, {2, 1, 3, 4, 0}, {3, 1, 2, 4, 0}, {4, 3, 1, 2, 0},
};

constexpr int kNoFallbacks[5] = {-1, -1, -1, -1, -1};

}  // namespace

const int (&position_fallbacks(int group))[5] {
    return group >= 0 && group <= 4 ? kFallbacks[group] : kNoFallbacks;
}

const PositionCode& position_codes(int code) {
    return IsPositionCode(code) ? kCodes[code - 1] : kNoCode;
}

const int (&position_zones(int code))[3] {
    return IsPositionCode(code) ? kZones[code - 1] : kNoZones;
}

}  // namespace kv
