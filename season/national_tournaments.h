#pragma once
// The national-team tournaments of a season: the world cup (drawn by continental quotas
// around the host, or the real 2014 groups once when asked for), the nations cup of the
// Americas (one of five fixed layouts) and Europe's (three fixed pots). Each draw writes
// tournament_groups, flags its teams and ranks them in tournament_ranking. A place whose
// country has no national team goes to the best free team of the same continent.

namespace kv {

class GameData;
struct t_player;

// The team index of the country's national team, -1 when it has none.
int FindNationalTeam(const GameData& data, int country);

// Each starts the tournament's counters afresh, then draws. The world cup is switched
// off (world_cup_on cleared, no team flagged) when its 32 places cannot be filled.
void StartWorldCup(GameData& data);
void StartAmericasNationsCup(GameData& data);
void StartEuropeanNationsCup(GameData& data);

// The host country of a tournament of that kind (7, 8 or 9) by its 1-based host slot; -1 for
// a slot or kind with none.
int TournamentHostCountry(int kind, int slot);

// The host country of the next world cup, by edition; sets tournament_host_number.
int WorldCupHost(GameData& data);

// The two ways of the world cup draw, for StartWorldCup.
void DrawWorldCup(GameData& data);
void SetRealWorldCupGroups(GameData& data);

// The strength of a player read from a national-team file, by the team's level.
int GeneratedPlayerStrength(const GameData& data, const t_player& player, int level);

}  // namespace kv
