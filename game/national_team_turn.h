#pragma once
// A human coach leading a national team: the invitation he answers, and the turns of the
// national-team match days, one per human-led national team still in the tournament, before
// the match day starts.

#include <array>

namespace kv {

class GameData;

inline constexpr int kInvitationSlots = 8;

// One entry of the invitation list: team -1 offers nothing (the entry is hidden); a team
// another human coach already leads is shown but cannot be taken.
struct InvitationOffer {
    int team = -1;
    bool enabled = false;
};

// The national teams that invite the coach, by tier (1 the better teams, 2 the others).
std::array<InvitationOffer, kInvitationSlots> InvitationOffers(const GameData& data, int tier);

// Whether any entry can be taken: a list with none is closed at once rather than holding
// the game.
bool AnyInvitationOpen(const std::array<InvitationOffer, kInvitationSlots>& offers);

// The coach takes the national team for the tournament. False (nothing changed) when the
// team cannot be taken or every slot for human national teams is in use.
bool AcceptInvitation(GameData& data, int team, int coach);

// The national-team match day's first turn: the first human-led national team still in the
// tournament gets it (national_team and its 1-based slot). Returns the slot, 0 for none.
int OpenNationalTeamTurn(GameData& data);

// The next human-led national team still in the tournament gets the turn: returns its slot,
// or 0 when every turn is taken (the caller then prepares the match day).
int NextNationalTeamTurn(GameData& data, int slot);

// The turn's refresh: the national team's coach becomes the current coach, so the tactics
// and the line-up saved now are his; the available players are recounted. Returns today's
// opponent, -1 when the team does not play.
int RefreshNationalTeamTurn(GameData& data);

// "Escalar Time": the turn's national team becomes the user club, whose line-up is chosen
// next. Returns it, -1 when the turn has none.
int StartNationalTeamLineup(GameData& data);

}  // namespace kv
