#include "season/computer_market.h"

#include <algorithm>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money_text.h"
#include "core/random.h"
#include "core/record_sort.h"
#include "season/transfers.h"

namespace kv {
namespace {

constexpr int kPositionMinimum[5] = {2, 3, 3, 5, 3};
constexpr int kPositionKeepMinimum[5] = {2, 2, 2, 3, 2};
constexpr int kPositionBuyCap[5] = {3, 4, 4, 8, 4};
constexpr int kRandomTransferCap[5] = {3, 4, 4, 8, 5};
constexpr int kFullSquadForRounds = 25;
constexpr int kSmallestSquad = 11;
constexpr int kShortSquad = 18;
constexpr int kShortSquadPasses = 8;

// Rows: reputation -1..2, 3, 4..5.
const int* SurplusLimits(int reputation) {
    static constexpr int kLimits[3][5] = {{2, 3, 3, 5, 3}, {2, 3, 4, 6, 4}, {2, 4, 4, 6, 4}};
    if (reputation >= 4) return kLimits[2];
    if (reputation == 3) return kLimits[1];
    return kLimits[0];
}

// Tables by the buying club's reputation 0..5; 0 in an odds table means never.
constexpr int kMarginMode1[6] = {0, 5, 5, 10, 20, 50};
constexpr int kMarginSameTier[6] = {0, 5, 5, 5, 5, 10};
constexpr int kMarginMode2[6] = {10, 15, 20, 30, 40, 50};
constexpr int kEuropeLooksSouth[6] = {0, 0, 6, 5, 5, 4};
constexpr int kSouthLooksEurope[6] = {0, 0, 10, 4, 3, 2};

int RepIndex(int reputation) {
    return std::clamp(reputation, 0, 5);
}

bool OneIn(int odds) {
    return odds > 0 && Random(odds) == 1;
}

bool ValidPosition(int position) {
    return position >= 0 && position < kPositionCount;
}

bool InEuropeOrSouthAmerica(int country) {
    const TContinent c = ContinentOfCountry(country);
    return c == ctEurope || c == ctSouthAmerica;
}

bool Sells(const GameData& data, int club) {
    const t_team& t = data.teams[club];
    if (t.human) return false;
    return IsLeagueClub(data, club) || (t.reputation >= 3 && InEuropeOrSouthAmerica(t.country));
}

bool Buys(const GameData& data, int club) {
    const t_team& t = data.teams[club];
    if (t.human) return false;
    return IsLeagueClub(data, club) || (t.reputation >= 4 && InEuropeOrSouthAmerica(t.country));
}

// A club that cannot fill a bench, or has no second goalkeeper, shops whatever its standing.
bool NeedsPlayers(const t_team& t) {
    return !t.human && (t.squad_size < kShortSquad || t.position_counts[posGoalkeeper] < 2);
}

// A club still holding its minimum of the position may sell one of them, but never so many
// players that it could not field eleven. A club that buys only when short, and then only
// what its cash pays for, never sells itself short.
bool KeepsEnough(const GameData& data, int club, int position) {
    const t_team& t = data.teams[club];
    if (!ValidPosition(position) || t.position_counts[position] < kPositionKeepMinimum[position] ||
        t.squad_size <= kSmallestSquad)
        return false;
    if (Buys(data, club)) return true;
    return t.squad_size > kShortSquad &&
           (position != posGoalkeeper || t.position_counts[posGoalkeeper] > 2);
}

int ValueUnits(const t_player& p) {
    return MoneyToWholeUnits(p.value);
}

void SortCandidates(ComputerMarket& market) {
    QuickSortRecords(market.candidates, CompareMarketCandidates);
    market.places_indexed = ComputerMarket::kNotIndexed;
}

const std::vector<std::int32_t>& PlacesOfPosition(ComputerMarket& market, int position) {
    if (market.places_indexed != market.candidates.size()) {
        for (auto& places : market.places_by_position) places.clear();
        for (std::size_t i = 0; i < market.candidates.size(); ++i)
            if (ValidPosition(market.candidates[i].position))
                market.places_by_position[market.candidates[i].position].push_back(
                    static_cast<std::int32_t>(i));
        market.places_indexed = market.candidates.size();
    }
    return market.places_by_position[position];
}

// What a buyer looks for in one candidate.
struct Wish {
    int lowest_strength;   // exclusive
    int highest_strength;  // inclusive
    int lowest_reputation;
    int highest_reputation;
    int continent;
    int nationality;  // -1 any
};

Wish WishFor(const ComputerMarket& market, const t_market_buyer& buyer,
             const t_market_candidate& candidate, int mode) {
    const int avg = market.average_strength[buyer.team];
    const int rep = RepIndex(buyer.reputation);
    Wish w{avg - 10,
           avg + kMarginMode1[rep],
           buyer.reputation - 2,
           buyer.reputation + 1,
           buyer.continent,
           -1};
    if (buyer.division == 1)
        w.highest_strength += 10;
    else if (buyer.division >= 2 && buyer.division <= 4)
        w.highest_strength += 5;
    if (buyer.reputation == 5 && Random(3) == 1) w.lowest_reputation = buyer.reputation - 3;
    if (candidate.strength < avg - 30)
        w.highest_reputation += 2;
    else if (candidate.strength < avg)
        w.highest_reputation += 1;
    if (buyer.continent == ctEurope) {
        w.continent = OneIn(kEuropeLooksSouth[rep]) ? ctSouthAmerica : ctEurope;
    } else if (buyer.continent == ctSouthAmerica) {
        if (OneIn(kSouthLooksEurope[rep])) {
            w.continent = ctEurope;
            w.nationality = buyer.country;
        } else {
            w.continent = ctSouthAmerica;
        }
        if (candidate.seller_reputation >= buyer.reputation)
            w.highest_strength = avg + kMarginSameTier[rep];
    }
    if (mode == 2) {
        if (buyer.continent == ctSouthAmerica) {
            w.continent = ctSouthAmerica;
            w.nationality = -1;
        }
        if (w.continent > ctSouthAmerica) w.continent = Random(2);
        w.lowest_strength = 0;
        w.highest_strength = avg + kMarginMode2[rep];
        w.lowest_reputation = 0;
        w.highest_reputation = buyer.reputation < 3 ? 3 : 5;
        if (buyer.continent == ctEurope && market.last_buyer == buyer.team &&
            !market.last_buyer_bought)
            w.continent = ctSouthAmerica;
    }
    return w;
}

const t_market_buyer* FindBuyer(const ComputerMarket& market, int team) {
    for (const t_market_buyer& b : market.buyers)
        if (b.team == team) return &b;
    return nullptr;
}

t_market_buyer BuyerRecord(const GameData& data, const ComputerMarket& market, int team) {
    const t_team& t = data.teams[team];
    return {team,
            t.country,
            t.reputation,
            t.division,
            market.average_strength[team],
            ContinentOfCountry(t.country),
            Random(5000)};
}

int FirstLeagueClubOf(const GameData& data, int country) {
    const int n = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int t = 0; t < n; ++t)
        if (data.teams[t].country == country) return t;
    return 0;
}

}  // namespace

int CompareMarketCandidates(const t_market_candidate& a, const t_market_candidate& b) {
    if (a.strength != b.strength) return a.strength > b.strength ? -1 : 1;
    return a.random_key < b.random_key ? -1 : a.random_key > b.random_key ? 1 : 0;
}

int CompareMarketBuyers(const t_market_buyer& a, const t_market_buyer& b) {
    if (a.reputation != b.reputation) return a.reputation > b.reputation ? -1 : 1;
    return a.random_key < b.random_key ? -1 : a.random_key > b.random_key ? 1 : 0;
}

int CompareSurplusPlayers(const t_surplus_player& a, const t_surplus_player& b) {
    if (a.strength != b.strength) return a.strength > b.strength ? -1 : 1;
    return a.random_key < b.random_key ? -1 : a.random_key > b.random_key ? 1 : 0;
}

int FirstShortPosition(const GameData& data, int club) {
    if (!InTable(data.teams, club)) return -1;
    for (int p = 0; p < kPositionCount; ++p)
        if (data.teams[club].position_counts[p] < kPositionMinimum[p]) return p;
    return -1;
}

int FirstSurplusPosition(const GameData& data, int club) {
    if (!InTable(data.teams, club)) return -1;
    const int* limits = SurplusLimits(data.teams[club].reputation);
    for (int p = 0; p < kPositionCount; ++p)
        if (data.teams[club].position_counts[p] > limits[p]) return p;
    return -1;
}

void AddMarketCandidate(GameData& data, ComputerMarket& market, int player) {
    const t_player& p = data.players[player];
    const t_team& seller = data.teams[p.team];
    market.candidates.push_back({player, p.strength, p.nationality, seller.reputation,
                                 seller.division, market.average_strength[p.team], seller.country,
                                 p.team, ContinentOfCountry(seller.country), Random(5000), 1,
                                 p.position});
}

bool TryComputerPurchase(GameData& data, ComputerMarket& market, int buyer, int wanted, int mode) {
    ReseedFromClockMidPlay();
    if (!InTable(data.teams, buyer)) return false;
    const t_market_buyer* listed = FindBuyer(market, buyer);
    const t_market_buyer record = listed ? *listed : BuyerRecord(data, market, buyer);
    const int sale_limit = mode == 1 ? 3 : 10;
    const int count = static_cast<int>(market.candidates.size());
    // A club let in for its short squad stops shopping once the squad is whole again.
    const bool shops = !record.pays_from_cash || NeedsPlayers(data.teams[buyer]);
    // Buys the candidate at place i when the buyer wants him and his seller may let him go.
    auto buys = [&](int i) {
        t_market_candidate& c = market.candidates[i];
        const int position = wanted >= 0 ? wanted : c.position;
        if (!ValidPosition(c.position) || c.position != position ||
            data.teams[buyer].position_counts[position] >= kPositionBuyCap[position])
            return false;
        if (market.sales_count[c.seller_team] >= sale_limit || !c.available ||
            c.seller_team == buyer)
            return false;
        const Wish w = WishFor(market, record, c, mode);
        if (c.strength <= w.lowest_strength || c.strength > w.highest_strength) return false;
        if (c.seller_reputation < w.lowest_reputation || c.seller_reputation > w.highest_reputation)
            return false;
        if (c.seller_continent != w.continent ||
            (w.nationality >= 0 && c.nationality != w.nationality))
            return false;
        // The list was made at the start of the phase: the player must still be the seller's
        // own, and the seller must still keep its minimum of the position after earlier sales.
        const t_player& p = data.players[c.player];
        if (p.team != c.seller_team || p.loan_status == 2 ||
            !KeepsEnough(data, c.seller_team, p.position))
            return false;
        if (record.pays_from_cash && data.teams[buyer].cash < MoneyFromUnits(ValueUnits(p)))
            return false;

        c.available = 0;
        market.sales_count[c.seller_team] += 1;
        t_player& bought = data.players[c.player];
        bought.bought_by_computer = 1;
        bought.bought_this_window = 1;
        TransferPlayer(data, c.player, buyer, ValueUnits(bought));
        market.last_buyer = buyer;
        market.last_buyer_bought = true;
        return true;
    };
    if (shops && ValidPosition(wanted)) {
        // Only the wanted position's candidates can pass: the others are not looked at.
        const std::vector<std::int32_t>& places = PlacesOfPosition(market, wanted);
        for (auto at = std::lower_bound(places.begin(), places.end(), market.scan_start);
             at != places.end(); ++at)
            if (buys(*at)) return true;
    } else {
        for (int i = market.scan_start; shops && wanted < 0 && i < count; ++i)
            if (buys(i)) return true;
    }
    market.last_buyer = buyer;
    market.last_buyer_bought = false;
    return false;
}

void ListClubSurplus(GameData& data, ComputerMarket& market) {
    market.candidates.clear();
    std::fill(market.sales_count.begin(), market.sales_count.end(), 0);
    auto lists = [&](int team) {
        return IsClub(data, team) && !data.teams[team].human &&
               InEuropeOrSouthAmerica(data.teams[team].country);
    };
    std::vector<t_surplus_player> surplus;
    for (std::size_t i = 1; i < data.players.size(); ++i) {
        const t_player& p = data.players[i];
        if (p.loan_status < 2 && !p.bought_by_computer && lists(p.team))
            surplus.push_back({static_cast<int>(i), p.strength, p.position, p.team,
                               data.teams[p.team].reputation, Random(500)});
    }
    QuickSortRecords(surplus, CompareSurplusPlayers);

    for (int club = 0; club < ClubCount(data); ++club) {
        if (!lists(club)) continue;
        const t_team& team = data.teams[club];
        const int row = IsLeagueClub(data, club) && team.division != 0 ? team.reputation : -1;
        const int* limits = SurplusLimits(row);
        for (int position = 0; position < kPositionCount; ++position) {
            int excess = team.position_counts[position] - limits[position];
            for (auto it = surplus.rbegin(); it != surplus.rend() && excess > 0; ++it)
                if (it->team == club && it->position == position) {
                    AddMarketCandidate(data, market, it->player);
                    --excess;
                }
        }
    }
    SortCandidates(market);
}

void RunMarketRounds(GameData& data, ComputerMarket& market) {
    for (int round = 0; round < 4; ++round)
        for (const t_market_buyer& buyer : std::vector<t_market_buyer>(market.buyers))
            if (data.teams[buyer.team].squad_size < kFullSquadForRounds)
                TryComputerPurchase(data, market, buyer.team, FirstShortPosition(data, buyer.team),
                                    1);
    ListClubSurplus(data, market);
    RunNeedRound(data, market);
}

void RunNeedRound(GameData& data, ComputerMarket& market) {
    for (const t_market_buyer& buyer : std::vector<t_market_buyer>(market.buyers))
        for (int attempt = 0; attempt < 4; ++attempt) {
            const int position = FirstShortPosition(data, buyer.team);
            if (position < 0) break;
            TryComputerPurchase(data, market, buyer.team, position, 2);
        }
    // A sale in this round can leave its seller short in turn, so the short clubs go on
    // shopping, one player a turn, as long as one of them still finds a player. The passes
    // are a phase of their own: no buyer starts them as the one that failed last.
    market.last_buyer = -1;
    for (int pass = 0; pass < kShortSquadPasses; ++pass) {
        bool bought = false;
        for (const t_market_buyer& buyer : std::vector<t_market_buyer>(market.buyers))
            if (NeedsPlayers(data.teams[buyer.team]))
                bought |= TryComputerPurchase(data, market, buyer.team,
                                              FirstShortPosition(data, buyer.team), 2);
        if (!bought) break;
    }
}

void RunComputerTransferWindow(GameData& data) {
    const int clubs = std::min<int>(ClubCount(data), data.teams.size());
    ComputerMarket market;
    market.average_strength.assign(clubs, 0);
    market.sales_count.assign(clubs, 0);
    market.scan_start = Random(5);

    std::vector<std::int64_t> sums(clubs, 0);
    std::vector<int> counts(clubs, 0);
    for (std::size_t i = 1; i < data.players.size(); ++i) {
        t_player& p = data.players[i];
        if (p.team < 0 || p.team >= clubs) continue;
        p.bought_by_computer = 0;
        sums[p.team] += p.strength;
        ++counts[p.team];
    }
    for (int c = 0; c < clubs; ++c)
        if (counts[c] > 0) market.average_strength[c] = static_cast<int>(sums[c] / counts[c]);

    for (std::size_t i = 1; i < data.players.size(); ++i) {
        const t_player& p = data.players[i];
        if (p.team < 0 || p.team >= clubs || !Sells(data, p.team) || p.bought_this_window == 1)
            continue;
        const int avg = market.average_strength[p.team];
        const bool wanted = p.strength >= avg + 10 || p.strength <= avg - 10 ||
                            (p.position == FirstSurplusPosition(data, p.team) && !p.star) ||
                            p.on_sale;
        if (!wanted || (p.star && Random(3) != 1)) continue;
        if (!KeepsEnough(data, p.team, p.position) || p.loan_status == 2) continue;
        AddMarketCandidate(data, market, static_cast<int>(i));
    }
    SortCandidates(market);
    for (t_player& p : data.players) p.bought_this_window = 0;

    // Every other computer club buys too, but only while its squad is short.
    for (int c = 0; c < clubs; ++c) {
        if (data.teams[c].human) continue;
        market.buyers.push_back(BuyerRecord(data, market, c));
        market.buyers.back().pays_from_cash = Buys(data, c) ? 0 : 1;
    }
    QuickSortRecords(market.buyers, CompareMarketBuyers);
    RunMarketRounds(data, market);
}

int MakeRandomComputerTransfer(GameData& data, int country) {
    const int clubs = std::min<int>(ClubCount(data), data.teams.size());
    if (clubs < 2) return -1;
    const int league = country >= 0 ? FindLeagueConfig(data, country) : -1;
    if (league < 0) country = -1;
    int first = 0;
    int end = clubs;
    const int last = clubs - 1;
    if (country >= 0) {
        first = FirstLeagueClubOf(data, country);
        end = std::min(first + data.league_configs[league].club_count, clubs);
    } else if (data.league_configs.size() >= 2) {
        const int drawn = Random(static_cast<int>(data.league_configs.size()));
        first = FirstLeagueClubOf(data, data.league_configs[drawn].country);
    }
    if (first >= last) return -1;
    auto draw_club = [&] {
        return country >= 0 ? first + Random(end - first) : Random(last - first) + first;
    };

    int seller = -1;
    if (country < 0)
        for (int c = first; c < clubs && seller < 0; ++c) {
            const t_team& t = data.teams[c];
            if (!t.human && t.squad_size >= 24 && t.available_players >= 12 && t.division >= 1)
                seller = c;
        }
    for (int draw = 0; draw < 500 && seller < 0; ++draw) {
        const int c = draw_club();
        const t_team& t = data.teams[c];
        if (!t.human && t.available_players > 16 && t.level > 6 && t.division >= 1) seller = c;
    }
    if (seller < 0) return -1;

    int player = -1;
    for (int draw = 0; draw < 250 && player < 0; ++draw) {
        const int position = Random(kPositionCount);
        if (data.teams[seller].position_counts[position] < 4) continue;
        for (const int i : data.PlayersOf(seller)) {
            const t_player& p = data.players[i];
            if (p.position == position && p.loan_status < 2) {
                player = i;
                break;
            }
        }
    }
    if (player < 1) return -1;

    const t_player& p = data.players[player];
    const t_team& from = data.teams[seller];
    const bool seller_in_europe = ContinentOfCountry(from.country) == ctEurope;
    for (int draw = 0; draw < 500; ++draw) {
        const int c = Random(last - first) + first;
        const t_team& t = data.teams[c];
        if (c == seller || t.human || t.available_players >= 22 || t.division < 1) continue;
        if (std::abs(t.reputation - from.reputation) > 1) continue;
        if (t.position_counts[p.position] >= kRandomTransferCap[p.position]) continue;
        if (seller_in_europe && ContinentOfCountry(t.country) != ctEurope &&
            t.country != p.nationality)
            continue;
        TransferPlayer(data, player, c, ValueUnits(p));
        return player;
    }
    return -1;
}

}  // namespace kv
