#pragma once
// A club's matches of the season's fixture list as its season-matches window lists them: by
// date, filtered by competition kind, with the competitions it can filter by.

#include <string>
#include <vector>

namespace kv {

class GameData;

// The fixtures of the club of one kind (-1: every kind), oldest first (list order on a date).
std::vector<int> ClubFixtures(const GameData& data, int club, int kind);

// The competition of a fixture of that kind, named for the club's country and state.
std::string ClubFixtureCompetition(const GameData& data, int club, int kind);

struct t_fixture_filter {
    std::string text;
    int kind;  // -1: every kind
};
// "Todos os jogos", "Nacional", "Amistosos", then the cups the game plays and the club is in.
std::vector<t_fixture_filter> ClubFixtureFilters(const GameData& data, int club);

// "19/01/2014 - dom".
std::string FixtureDateText(double date);

}  // namespace kv
