#include "match/engine_bench.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/markup_escape.h"
#include "core/random.h"
#include "core/types.h"
#include "match/computer_lineups.h"
#include "match/discipline.h"
#include "match/lineup_strength.h"
#include "match/match_day.h"
#include "match/match_day_helpers.h"
#include "match/match_engine.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/result_model.h"
#include "match/round_even.h"
#include "match/zone_engine.h"

namespace kv {
namespace {

constexpr double kZ95 = 1.959964;

bool test_bench_active = false;

// Escaped: a name from the teams database is data, not mark-up.
std::string PlayerName(int player) {
    const t_player* p = PlayerAt(player);
    return p ? EscapeMarkupText(p->name.str()) : std::string();
}

// Decimal comma, as the game writes numbers.
std::string Decimal(double v, int places) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, v);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// Everything a batch may change in the running game, taken when it starts and put back when it
// ends, however it ends. The players of both teams and the two line-ups are also put back before
// every match, so that every match starts from the same place.
class BenchScope {
  public:
    BenchScope(BenchPair pair, std::uint64_t seed)
        : pair_(pair),
          random_state_(RandomState()),
          quick_mode_(Game().quick_mode),
          day_match_count_(Game().day_match_count),
          current_match_(Game().current_match),
          day_matches_(Game().day_matches),
          events_(Game().match_events),
          booked_(booked_players()),
          goal_schedule_(Game().goal_schedule) {
        GameData& gd = Game();
        teams_[0] = BenchTeamOfStrength(pair.first);
        teams_[1] = BenchTeamOfStrength(pair.second);
        for (int i = 0; i < 2; ++i) {
            team_records_[i] = gd.teams[teams_[i]];
            strengths_[i] = gd.match_strengths[i == 0 ? pair.first : pair.second];
        }
        for (int p = 1; p < static_cast<int>(gd.players.size()); ++p)
            if (gd.players[p].team == teams_[0] || gd.players[p].team == teams_[1]) {
                player_indexes_.push_back(p);
                player_records_.push_back(gd.players[p]);
            }
        active_before_ = test_bench_active;
        test_bench_active = true;
        SeedRandom(seed);
    }

    ~BenchScope() {
        GameData& gd = Game();
        RestorePlayers();
        gd.quick_mode = quick_mode_;
        gd.day_match_count = day_match_count_;
        gd.current_match = current_match_;
        gd.day_matches = day_matches_;
        gd.match_events = events_;
        booked_players() = booked_;
        gd.goal_schedule = goal_schedule_;
        SetRandomState(random_state_);
        test_bench_active = active_before_;
    }

    BenchScope(const BenchScope&) = delete;
    BenchScope& operator=(const BenchScope&) = delete;

    int team(int side) const { return teams_[side]; }

    // The players, both teams and both line-ups as they were; the starters on the pitch, the
    // bench off it; each team plays with the line-up under test.
    void RestorePlayers() {
        GameData& gd = Game();
        for (std::size_t i = 0; i < player_indexes_.size(); ++i)
            gd.players[player_indexes_[i]] = player_records_[i];
        for (int i = 0; i < 2; ++i) {
            gd.teams[teams_[i]] = team_records_[i];
            gd.match_strengths[i == 0 ? pair_.first : pair_.second] = strengths_[i];
        }
    }

    void PrepareMatch() {
        RestorePlayers();
        GameData& gd = Game();
        for (int i = 0; i < 2; ++i) {
            const int s = i == 0 ? pair_.first : pair_.second;
            gd.teams[teams_[i]].match_strength_index = s;
            const t_match_strength& record = gd.match_strengths[s];
            for (int p : record.players)
                if (t_player* pl = PlayerAt(p)) pl->on_pitch = 1;
            for (int p : record.bench)
                if (t_player* pl = PlayerAt(p)) pl->on_pitch = 0;
        }
        booked_players().clear();
        gd.match_events.clear();
        ComputeLineupStrength(pair_.first);
        ComputeLineupStrength(pair_.second);
    }

  private:
    BenchPair pair_;
    std::uint64_t random_state_;
    std::uint8_t quick_mode_;
    std::int32_t day_match_count_;
    std::int32_t current_match_;
    std::vector<jogos> day_matches_;
    std::vector<t_match_event> events_;
    std::vector<int> booked_;
    std::vector<t_scheduled_goal> goal_schedule_;
    int teams_[2] = {-1, -1};
    t_team team_records_[2]{};
    t_match_strength strengths_[2]{};
    std::vector<int> player_indexes_;
    std::vector<t_player> player_records_;
    bool active_before_ = false;
};

void CountOutcome(BenchTally& t, int home_goals, int away_goals) {
    ++t.matches;
    if (home_goals > away_goals)
        ++t.side[0].wins;
    else if (away_goals > home_goals)
        ++t.side[1].wins;
    else
        ++t.draws;
    if (home_goals == 0 && away_goals == 0) ++t.goalless;
    t.side[0].highest_score = std::max(t.side[0].highest_score, home_goals);
    t.side[1].highest_score = std::max(t.side[1].highest_score, away_goals);
    t.side[0].goals.Add(home_goals);
    t.side[1].goals.Add(away_goals);
}

void PlayResultModel(BenchResult& result, int matches) {
    const int d = result.rating_difference;
    for (int n = 0; n < matches; ++n) {
        const PreMatchOutcome r = PreMatchResult(d, false, false);
        CountOutcome(result.tally, r.home_goals, r.away_goals);
        const bool listed = n < kBenchListedMatches;
        if (listed)
            result.listing +=
                std::to_string(r.home_goals) + "x" + std::to_string(r.away_goals) + "<br>";
        // Each goal gets a distinct minute, as the match day spreads them.
        const int goals = std::min(r.home_goals + r.away_goals, 96);
        std::array<bool, 97> taken{};
        for (int g = 0; g < goals; ++g) {
            int minute;
            do minute = RandInt(96) + 1;
            while (taken[minute]);
            taken[minute] = true;
            if (listed) result.listing += "g:" + std::to_string(minute) + " ";
        }
        if (listed) result.listing += "<br>-------------<br>";
    }
}

void PlayFullEngine(BenchResult& result, BenchScope& scope, BenchPair pair, int matches,
                    bool quick_mode) {
    GameData& gd = Game();
    gd.quick_mode = quick_mode ? 1 : 0;
    for (int n = 0; n < matches; ++n) {
        scope.PrepareMatch();
        gd.day_matches.assign(2, jogos{});
        gd.day_match_count = 1;
        gd.current_match = 1;
        jogos& setup = gd.day_matches[1];
        setup.team[0] = scope.team(0);
        setup.team[1] = scope.team(1);
        setup.strength_slot[0] = pair.first;
        setup.strength_slot[1] = pair.second;
        setup.subs_left[0] = 3;
        setup.subs_left[1] = 3;
        MatchDay::KickOff();
        for (int tick = 1; tick <= kLastTick; ++tick) {
            if (tick <= kSecondHalfLastTick || tick <= gd.day_matches[1].last_tick)
                PlayTick(1, nullptr);
            ReleaseScheduledGoals(tick, 1, nullptr);
        }
        const jogos& m = gd.day_matches[1];
        CountOutcome(result.tally, m.goals[0], m.goals[1]);
        for (int i = 0; i < 2; ++i) {
            BenchSideTally& s = result.tally.side[i];
            s.shots.Add(m.shots[i]);
            s.yellow_cards.Add(m.yellow_cards[i]);
            s.red_cards.Add(m.red_cards[i]);
            s.injuries.Add(m.injuries[i]);
            s.penalties.Add(m.penalties_taken[i]);
            s.possession += m.possession[i];
            s.tackles += m.tackles[i];
            s.fouls += m.fouls[i];
            s.wrong_passes += m.wrong_passes[i];
            s.passes += m.passes[i];
        }
        if (n < kBenchListedMatches)
            result.listing +=
                std::to_string(m.goals[0]) + "x" + std::to_string(m.goals[1]) + "<br>";
        if (n + 1 == matches) {
            result.last_match = m;
            result.last_events = gd.match_events;
        }
    }
}

const char* ZoneOutcomeText(int outcome) {
    switch (outcome) {
        case 1:
            return "perdeu bola";
        case 2:
            return "passou a bola";
        case 3:
            return "chute fora";
        case 4:
            return "chute certo";
        case 5:
            return "sofreu falta";
        case 6:
            return "sofreu penalty";
        case 7:
            return "escanteio";
        case 8:
            return "tiro meta";
        case 9:
            return "errou passe";
        case 10:
            return "passou para o vazio";
        default:
            return "?";
    }
}

// The zone engine alone. A penalty counts as a shot of the fouled side; a pass into an empty
// zone counts as a wrong pass of the passer, as the engine books it.
void PlayZoneEngine(BenchResult& result, BenchPair pair, int matches) {
    const GameData& gd = Game();
    const t_match_strength& home = gd.match_strengths[pair.first];
    const t_match_strength& away = gd.match_strengths[pair.second];
    for (int n = 0; n < matches; ++n) {
        jogos m{};
        int z = KickOffZone(1), s = 1, k = -1;
        const bool listed = n + 1 == matches;
        if (listed) result.listing.clear();
        for (int move = 1; move <= kZoneBenchMoves; ++move) {
            const int own = s - 1, other = OtherSide(s) - 1;
            m.possession[own] += 1;
            const ZoneMove r = PlayZoneMove(z, s, k, home, away);
            int outcome = r.outcome;
            int next_zone = r.zone, next_side = r.side, next_k = r.outcome;
            switch (r.outcome) {
                case zoTackled:
                    m.tackles[other] += 1;
                    break;
                case zoPass:
                    m.passes[own] += 1;
                    break;
                case zoShotWide:
                    m.shots[own] += 1;
                    next_k = 8;  // the defenders restart with a goal kick
                    break;
                case zoGoal:
                    m.shots[own] += 1;
                    m.goals[own] += 1;
                    result.tally.goals_by_zone[SideZone(z, s) - 1] += 1;
                    next_zone = KickOffZone(OtherSide(s));
                    next_side = OtherSide(s);
                    next_k = -1;
                    break;
                case zoFouled:
                    m.fouls[other] += 1;
                    if (SideZone(r.zone, r.side) == 11) {
                        outcome = 6;
                        const int fouled = r.side - 1;
                        const int opponent = OtherSide(r.side);
                        m.penalties_taken[fouled] += 1;
                        m.shots[fouled] += 1;
                        if (RandInt(100) <= 20) {
                            next_zone = SideZone(2, opponent);
                            next_k = 8;
                        } else {
                            m.goals[fouled] += 1;
                            result.tally.goals_by_zone[10] += 1;
                            next_zone = KickOffZone(opponent);
                            next_k = -1;
                        }
                        next_side = opponent;
                    }
                    break;
                case zoCorner:
                    m.shots[r.side - 1] += 1;
                    break;
                case zoWrongPass:
                case zoPassIntoEmptyZone:
                    m.wrong_passes[own] += 1;
                    break;
                default:
                    break;
            }
            if (listed)
                result.listing += "(" + std::to_string(z) + ")" + std::to_string(next_zone) +
                                  " - " + std::to_string(s) + " " + ZoneOutcomeText(outcome) + " " +
                                  std::to_string(move) + "<br>";
            z = next_zone;
            s = next_side;
            k = next_k;
        }
        CountOutcome(result.tally, m.goals[0], m.goals[1]);
        for (int i = 0; i < 2; ++i) {
            BenchSideTally& t = result.tally.side[i];
            t.shots.Add(m.shots[i]);
            t.penalties.Add(m.penalties_taken[i]);
            t.possession += m.possession[i];
            t.tackles += m.tackles[i];
            t.fouls += m.fouls[i];
            t.wrong_passes += m.wrong_passes[i];
            t.passes += m.passes[i];
        }
        if (listed) result.last_match = m;
    }
}

std::string Line(std::string_view name, long long value) {
    return std::string(name) + std::to_string(value) + "<br>";
}

std::string GoalsOfShots(const BenchSideTally& s, bool zone) {
    const long long goals = static_cast<long long>(s.goals.sum);
    const long long shots = static_cast<long long>(s.shots.sum);
    const std::string share = std::to_string(shots > 0 ? goals * 100 / shots : 0) + "%";
    return std::to_string(goals) + (zone ? " " + share : " (" + share + ")");
}

// What the result model implies for the goals a match day schedules between the pair: its
// rating difference with the clubs' reputations, on neutral ground for national teams and the
// club world cup, weighted as a cup in the cups.
ResultModelExpectation ExpectScheduledGoals(BenchPair pair, int home, int away) {
    const GameData& gd = Game();
    const int kind = gd.game_state.match_kind;
    const int d = RatingDifference(pair.first, pair.second) + gd.teams[home].reputation -
                  gd.teams[away].reputation;
    const bool neutral = home >= ClubCount(gd) || kind == ckClubWorldCup;
    const bool cup = kind == ckNationalCup || kind == ckContinentalCup ||
                     kind == ckSecondContinentalCup || kind == ckSuperCup;
    return ExpectResultModel(d, neutral, cup);
}

}  // namespace

int BenchTeamOfStrength(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    const t_player* keeper = s ? PlayerAt(s->players[10]) : nullptr;
    return keeper && TeamAt(keeper->team) ? keeper->team : -1;
}

std::string BenchStrengthLabel(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    const t_player* first = s ? PlayerAt(s->players[0]) : nullptr;
    const t_team* team = first ? TeamAt(first->team) : nullptr;
    return team ? team->name.str() : "(vazio)";
}

std::string CheckBenchPair(BenchPair pair) {
    if (!StrengthAt(pair.first) || !StrengthAt(pair.second)) return "Escolha os dois times.";
    const int a = BenchTeamOfStrength(pair.first);
    const int b = BenchTeamOfStrength(pair.second);
    if (a < 0 || b < 0) return "Um dos times escolhidos não tem escalação.";
    if (a == b) return "Escolha dois times diferentes.";
    return {};
}

BenchCount ParseBenchMatchCount(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::string range = "1 e " + std::to_string(kMaxBenchMatches);
    if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size())
        return {0, "O número de jogos deve ser um número inteiro entre " + range + "."};
    if (error != std::errc() || value < 1 || value > kMaxBenchMatches)
        return {0, "O número de jogos deve estar entre " + range + "."};
    return {static_cast<int>(value), {}};
}

Estimate BenchMeasure::Mean() const {
    if (n == 0) return {};
    const double mean = sum / n;
    if (n < 2) return {mean, mean, mean};
    const double variance = std::max(0.0, (sum_sq - n * mean * mean) / (n - 1));
    const double half = kZ95 * std::sqrt(variance / n);
    return {mean, mean - half, mean + half};
}

Estimate ShareOf(long long count, long long n) {
    if (n <= 0) return {};
    const double p = static_cast<double>(count) / n;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2.0 * n)) / (1 + z2 / n);
    const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4.0 * n * n)) / (1 + z2 / n);
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

int BenchLowDrawCount(std::uint64_t seed) {
    const std::uint64_t state = RandomState();
    SeedRandom(seed);
    int low = 0;
    for (int i = 0; i < 100; ++i) low += RandInt(10000) < 2000;
    SetRandomState(state);
    return low;
}

bool TestBenchActive() {
    return test_bench_active;
}

BenchResult RunBenchBatch(BenchMode mode, BenchPair pair, int matches, std::uint64_t seed,
                          bool quick_mode) {
    BenchResult result;
    if (!CheckBenchPair(pair).empty() || matches < 1 || matches > kMaxBenchMatches) return result;
    BenchScope scope(pair, seed);
    scope.PrepareMatch();
    result.rating_difference = RatingDifference(pair.first, pair.second);
    switch (mode) {
        case BenchMode::kResultModel:
            result.expected = ExpectResultModel(result.rating_difference, false, false);
            PlayResultModel(result, matches);
            break;
        case BenchMode::kFullEngine:
            result.expected = ExpectScheduledGoals(pair, scope.team(0), scope.team(1));
            PlayFullEngine(result, scope, pair, matches, quick_mode);
            break;
        case BenchMode::kZoneEngine:
            PlayZoneEngine(result, pair, matches);
            break;
    }
    return result;
}

ResultModelExpectation ExpectResultModel(int d, bool neutral, bool cup) {
    d = std::clamp(d, -kMaxRatingDifference, kMaxRatingDifference);
    const ResultOdds odds = neutral ? NeutralGroundOdds(d) : HomeGroundOdds(d, cup);
    ResultModelExpectation e;
    double draw_goals = 0;
    for (int v = 1; v <= 800; ++v) draw_goals += DrawGoals(v) / 800.0;
    for (int x = 1; x <= 100; ++x) {
        if (x > odds.first && x <= odds.first + odds.draw) {
            e.draw += 0.01;
            e.goalless += 0.01 * 200 / 800;
            e.home_goals += 0.01 * draw_goals;
            e.away_goals += 0.01 * draw_goals;
            continue;
        }
        const int outcome = x <= odds.first ? 1 : 2;
        (outcome == 1 ? e.home : e.away) += 0.01;
        double winner = 0, loser = 0;
        for (int y = 1; y <= 100; ++y) {
            const int w = WinnerGoals(RatingClass(d), UnderdogWon(d, outcome), y);
            winner += w / 100.0;
            for (int z = 1; z <= 100; ++z) loser += LoserGoals(z, w) / 10000.0;
        }
        e.home_goals += 0.01 * (outcome == 1 ? winner : loser);
        e.away_goals += 0.01 * (outcome == 1 ? loser : winner);
    }
    return e;
}

std::vector<BenchTableRow> BenchTable(BenchMode mode, const BenchTally& t,
                                      std::optional<ResultModelExpectation> expected) {
    const bool engine = mode == BenchMode::kFullEngine;
    const long long n = t.matches;
    auto model = [&](double ResultModelExpectation::*field) -> std::optional<double> {
        if (!expected || mode == BenchMode::kZoneEngine) return std::nullopt;
        return (*expected).*field;
    };
    auto per_match = [&](bool produced, const BenchMeasure& m) -> std::optional<Estimate> {
        if (!produced || n == 0) return std::nullopt;
        return m.Mean();
    };
    const BenchSideTally& h = t.side[0];
    const BenchSideTally& a = t.side[1];
    return {
        {"vitória do mandante", true, model(&ResultModelExpectation::home), ShareOf(h.wins, n)},
        {"empate", true, model(&ResultModelExpectation::draw), ShareOf(t.draws, n)},
        {"vitória do visitante", true, model(&ResultModelExpectation::away), ShareOf(a.wins, n)},
        {"0 x 0", true, model(&ResultModelExpectation::goalless), ShareOf(t.goalless, n)},
        {"gols do mandante por jogo", false, model(&ResultModelExpectation::home_goals),
         per_match(true, h.goals)},
        {"gols do visitante por jogo", false, model(&ResultModelExpectation::away_goals),
         per_match(true, a.goals)},
        {"cartões amarelos do mandante", false, std::nullopt, per_match(engine, h.yellow_cards)},
        {"cartões amarelos do visitante", false, std::nullopt, per_match(engine, a.yellow_cards)},
        {"cartões vermelhos do mandante", false, std::nullopt, per_match(engine, h.red_cards)},
        {"cartões vermelhos do visitante", false, std::nullopt, per_match(engine, a.red_cards)},
        {"contusões do mandante", false, std::nullopt, per_match(engine, h.injuries)},
        {"contusões do visitante", false, std::nullopt, per_match(engine, a.injuries)},
        {"pênaltis do mandante", false, std::nullopt,
         per_match(mode != BenchMode::kResultModel, h.penalties)},
        {"pênaltis do visitante", false, std::nullopt,
         per_match(mode != BenchMode::kResultModel, a.penalties)},
    };
}

std::string FormatEstimate(const std::optional<Estimate>& e, bool share) {
    if (!e) return "-";
    const double k = share ? 100 : 1;
    const int places = share ? 1 : 2;
    return Decimal(e->value * k, places) + (share ? " %" : "") + " [" +
           Decimal(e->low * k, places) + "; " + Decimal(e->high * k, places) + "]";
}

std::string FormatExpected(const std::optional<double>& v, bool share) {
    if (!v) return "-";
    return share ? Decimal(*v * 100, 1) + " %" : Decimal(*v, 2);
}

std::string BenchSummaryMarkup(BenchMode mode, const BenchTally& t) {
    const BenchSideTally& a = t.side[0];
    const BenchSideTally& b = t.side[1];
    std::string s = Line("vitória time 1=", a.wins) + Line("vitória time 2=", b.wins) +
                    Line("empates=", t.draws);
    if (mode == BenchMode::kResultModel)
        return s + Line("Maior placar t1=", a.highest_score) +
               Line("Maior placar t2=", b.highest_score);
    const bool zone = mode == BenchMode::kZoneEngine;
    s += "gols time 1=" + GoalsOfShots(a, zone) + "<br>" + "gols time 2=" + GoalsOfShots(b, zone) +
         "<br>";
    s += Line("chutes time 1=", static_cast<long long>(a.shots.sum)) +
         Line("chutes time 2=", static_cast<long long>(b.shots.sum));
    s += Line("Maior placar t1=", a.highest_score) + Line("Maior placar t2=", b.highest_score);
    if (mode == BenchMode::kZoneEngine) return s;
    auto whole = [](const BenchMeasure& m) {
        return std::to_string(static_cast<long long>(m.sum));
    };
    s += "Cartoes t1=ca:" + whole(a.yellow_cards) + " cv:" + whole(a.red_cards) + "<br>";
    s += "Cartoes t2=ca:" + whole(b.yellow_cards) + " cv:" + whole(b.red_cards) + "<br>";
    s += "Contusao t1=" + whole(a.injuries) + " t2=" + whole(b.injuries) + "<br>";
    s += "Penaltys t1=" + whole(a.penalties) + " t2=" + whole(b.penalties) + "<br>";
    return s;
}

std::string BenchEventsMarkup(const std::vector<t_match_event>& events) {
    std::string s;
    for (const t_match_event& e : events) {
        std::string text;
        switch (e.kind) {
            case meGoal:
                text = "(gol) " + PlayerName(e.player);
                break;
            case meOwnGoal:
                text = "(gol contra) " + PlayerName(e.player);
                break;
            case meFreeKickGoal:
                text = "(gol falta) " + PlayerName(e.player);
                break;
            case mePenaltyGoal:
                text = "(gol penalty) " + PlayerName(e.player);
                break;
            case mePenaltyMissed:
                text = "(perdeu penalty) " + PlayerName(e.player);
                break;
            case meCard:
                text = (e.value == 1   ? "(C.A.) "
                        : e.value == 3 ? "(C.A + C.V.) "
                                       : "(C.V.) ") +
                       PlayerName(e.player);
                break;
            case meInjury:
                text = "(contusão) " + PlayerName(e.player);
                break;
            case meInjurySubstitution:
            case meSubstitution:
                text = "(subst.) " + PlayerName(e.player) + " &lt;&gt; " + PlayerName(e.value);
                break;
            default:
                continue;
        }
        s += " " + text + " " + std::to_string(RoundEven(e.tick / 2.0)) + "<br>";
    }
    return s;
}

std::string ResultTableMarkup(int kind) {
    std::string s;
    for (int d = -kMaxRatingDifference; d <= kMaxRatingDifference; ++d) {
        const ResultOdds o = kind == 1 ? NeutralGroundOdds(d) : HomeGroundOdds(d, kind == 2);
        s += std::to_string(d) + " " + std::to_string(o.first) + " " + std::to_string(o.draw) +
             " " + std::to_string(o.last) + " <br>";
    }
    return s;
}

BenchPair MakeBenchClubs(int first_strength, int second_strength) {
    GameData& gd = Game();
    gd.Reset();
    gd.game_state.calendar_day = 1;
    gd.game_state.match_kind = ckNationalLeague;
    gd.game_state.league_club_count = 2;
    // Two goalkeepers, five full-backs, five centre-backs, six midfielders, five forwards: enough
    // for every computer formation and a full bench.
    static constexpr int kPositions[] = {0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2,
                                         3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};
    BenchPair pair;
    const int strengths[2] = {std::clamp(first_strength, 1, 100),
                              std::clamp(second_strength, 1, 100)};
    for (int i = 0; i < 2; ++i) {
        const int team = static_cast<int>(gd.teams.size());
        t_team& t = AppendRecord(gd.teams);
        t.name.set("Time " + std::to_string(i + 1) + " (força " + std::to_string(strengths[i]) +
                   ")");
        t.coach = -1;
        t.captain = -1;
        t.set_piece_taker = -1;
        t.match_strength_index = -1;
        t.division = 1;
        int n = 0;
        for (int position : kPositions) {
            t_player& p = AppendRecord(gd.players);
            p.name.set("Jogador " + std::to_string(i + 1) + "-" + std::to_string(n + 1));
            p.team = team;
            p.position = position;
            p.strength = strengths[i];
            p.side = n % 2;
            p.energy = 100;
            p.age = 20 + n % 12;
            p.squad_role = 1;
            p.characteristic1 = position == 0 ? 0 : 4 + n % 10;
            ++n;
        }
        ChooseComputerLineup(team);
        (i == 0 ? pair.first : pair.second) = gd.teams[team].match_strength_index;
    }
    return pair;
}

void GiveComputerLineupsForBench() {
    GameData& gd = Game();
    std::vector<bool> has_players(gd.teams.size());
    for (const t_player& p : gd.players)
        if (InTable(gd.teams, p.team)) has_players[p.team] = true;
    for (int team = 0; team < static_cast<int>(gd.teams.size()); ++team) {
        if (!has_players[team] || gd.teams[team].human || OwnMatchStrength(team) >= 0) continue;
        ChooseComputerLineup(team);
        ChooseComputerTactics(team);
    }
}

}  // namespace kv
