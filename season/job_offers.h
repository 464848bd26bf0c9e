#pragma once
// Clubs inviting human coaches. Each generator empties `job_offers` and fills its places from
// the first on with up to four clubs; the job-offer window shows the places that hold a club
// and calls AcceptJobOffer with the one taken, or ClearJobOffers.

#include <string>

namespace kv {

class GameData;

// A coach without a club is invited by clubs of his league (and of others).
void FindJobOffersForUnemployed(GameData& data, int country, int coach);

// At the season end a first-division coach placed high gets offers from abroad and, in the
// home country, from its league.
void FindSeasonEndJobOffers(GameData& data, int club);

// In the second half of the season a successful coach gets at most one offer from a
// higher division or a foreign first division.
void FindMidSeasonJobOffers(GameData& data, int club);

bool IsJobOffered(const GameData& data, int club);

// The coach takes the offered club; the club's former coach takes over the club the coach
// leaves, so no club is left without one. The offers are cleared.
void AcceptJobOffer(GameData& data, int coach, int club);

void ClearJobOffers(GameData& data);

// How the window names an offered club: "Name (Country) - 2ª divisão", or "Divisão regional"
// for a club of no division.
std::string JobOfferCaption(const GameData& data, int club);

}  // namespace kv
