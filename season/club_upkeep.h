#pragma once
// Upkeep of the clubs between match days: stadium works coming to an end and the contracts of
// a human coach's squad.

namespace kv {

class GameData;

// Every paid work due by today adds its seats to its club's stadium, whoever runs the club;
// the round close runs it whenever it moves to the next playing day, and so does the start
// of a season.
void CompleteStadiumWorks(GameData& data);

// At the start of a human coach's turn: expired contracts are renewed for 12 weeks when the
// options ask for it, and the coach is told of contracts ending within three weeks and of
// contracts ended, as the options say. Players on loan are skipped: their contract end is
// the loan's end, which the loan register handles.
void SendContractNotices(GameData& data, int club);

}  // namespace kv
