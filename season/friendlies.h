#pragma once
// Friendlies a human club books on the free days of the calendar: the days offered, what a
// computer-run opponent asks, who refuses, and the booking itself.

#include <string>
#include <vector>

namespace kv {

class GameData;

// The fee the opponent asks of the club, in whole units: by its division when it plays in the
// club's country, else by its level; the club travelling ("Fora") pays less than the
// opponent travelling ("Em casa").
int FriendlyFee(const GameData& data, int club, int opponent, bool at_home);
// The strongest clubs refuse clubs of low reputation.
bool FriendlyRefusedByReputation(const GameData& data, int club, int opponent);

struct FriendlyDays {
    std::vector<int> days;   // 1-based calendar days, in calendar order
    std::string start_text;  // in pre-season: when the championship starts; else empty
};
// The days after today on which the club can still play a friendly; in pre-season only those
// up to the first league or state-championship day.
FriendlyDays FreeFriendlyDays(const GameData& data, int club, bool preseason);
// Whether a friendly on the date (cancelled or not) involves the team.
bool HasFriendlyOn(const GameData& data, int team, double date);

enum class FriendlyAnswer {
    kAsk,        // the coach is to confirm the fee
    kRefused,    // the opponent refuses by reputation
    kCashShort,  // the club's cash does not reach the fee
    kEngaged,    // the opponent already has a friendly that day
};
FriendlyAnswer RequestFriendly(const GameData& data, int club, int opponent, bool at_home, int day);

// The friendly is booked on the day: the fee leaves the club's cash (a human opponent asks
// nothing), and it joins `friendlies` and the fixtures, to be played on that day.
void BookFriendly(GameData& data, int club, int opponent, bool at_home, int day);

}  // namespace kv
