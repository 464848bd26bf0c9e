#pragma once
// Human coaches joining and leaving a running game. A new coach comes without a club and finds
// one through the job offers for coaches without a club.

#include <string>

namespace kv {

class GameData;

// The new coach takes the first free human slot and a fresh record appended to `coaches`:
// a record of a coach who left stays his, so the histories that name coaches by their record
// keep naming the right man. Returns the record, -1 when every slot is taken or the name is
// empty.
int AddHumanCoach(GameData& data, const std::string& name);

enum class HumanCoachRemoval {
    kRemoved,
    kHasClub,  // he must leave his club first
    kNotHuman,
};
// The coach leaves the game: his slots are freed and no pending list (the state-championship
// vacancies offered at the season start) names him any more. His record keeps his name, so
// the histories that name him by it still do, and stays marked human, which keeps it out of
// every search for a free coach: no computer club hires a man who has left, and the record is
// never handed to anyone else. A coach in no slot is no human coach of the game any more.
HumanCoachRemoval RemoveHumanCoach(GameData& data, int coach);

// The human coaches in slot order.
int HumanCoachCount(const GameData& data);

}  // namespace kv
