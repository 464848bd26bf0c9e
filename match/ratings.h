#pragma once
// Match ratings of the players of an archived match, the team of the round of a league day, and
// the top scorer of a competition that ends.

#include <cstdint>
#include <span>
#include <vector>

#include "match/match_day_helpers.h"

namespace kv {

struct PlayerEventCounts {
    int goals = 0;
    int own_goals = 0;
    int missed_penalties = 0;
    int yellow_cards = 0;
    int red_cards = 0;
    int minutes = 0;  // ticks on the pitch; 182 is the whole match
};

struct PlayerCardCounts {
    int yellow = 0;
    int red = 0;
    int second_yellow = 0;
    int injuries = 0;
};

// Both read the events of the match day so far (a player plays one match a day).
PlayerEventCounts CountPlayerEvents(int player);
PlayerCardCounts CountPlayerCards(int player);

// The places in the day's events of the events of day match `match`, in day order. Read at
// once: without an index (below) the answer lives only until the next call.
std::span<const std::int32_t> DayMatchEvents(int match);

// While one lives, the three above find a player's or a match's events through an index of the
// day's events made when it was made; a day whose events change meanwhile is read in full again.
class DayEventsIndexed {
public:
    DayEventsIndexed();
    ~DayEventsIndexed();
    DayEventsIndexed(const DayEventsIndexed&) = delete;
    DayEventsIndexed& operator=(const DayEventsIndexed&) = delete;
};

// The rating 0..10 of a player who played for `team` in day match `match` on pitch code `code`
// (-1: the code of his position); 0 is "not rated".
float RatePlayer(int player, int match, int team, int code);

// The lines of archived match `archived` for day match `match`: the players who came on, then
// the kick-off eleven of both sides. Each player gets one appearance and one rating.
void RateSubstitutes(int archived, int match);
void RateStarters(int archived, int match);

// The rated players of the group being archived (starters only), for the team of the round.
std::vector<t_round_rating>& round_ratings();

// The team of the round of every division of a league, from round_ratings().
void BuildRoundBestEleven(int league_config);

// The top scorer of a competition that ends, and his club's prize.
void AwardTopScorer(int kind, int country, int division, int state, int state_division);

}  // namespace kv
