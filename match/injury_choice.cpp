#include "match/injury_choice.h"

#include <algorithm>

#include "match/match_tables.h"
#include "match/substitutions.h"

namespace kv {

InjuryChoice InjuryReplacementChoice(int strength, int injured) {
    InjuryChoice choice;
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return choice;
    auto waiting = [](int player) { return PlayerAt(player) && !IsOnPitch(player); };
    const t_player* hurt = PlayerAt(injured);
    const bool goalkeeper = hurt && hurt->position == 0;
    bool bench_goalkeeper = false;
    for (int player : s->bench)
        if (const t_player* p = PlayerAt(player); p && p->position == 0) bench_goalkeeper = true;
    if (goalkeeper && bench_goalkeeper) {
        choice.goalkeepers_only = true;
        for (int player : s->bench)
            if (waiting(player) && PlayerAt(player)->position == 0)
                choice.players.push_back(player);
        return choice;
    }
    for (int position = 1; position <= 4; ++position)
        for (int player : s->bench)
            if (waiting(player) && PlayerAt(player)->position == position)
                choice.players.push_back(player);
    choice.improvise_in_goal = goalkeeper;
    return choice;
}

InjuryChoice OfferInjuryReplacement(int match, int side, int injured) {
    jogos* m = DayMatchAt(match);
    if (!m || (side != 1 && side != 2)) return {};
    InjuryChoice choice = InjuryReplacementChoice(m->strength_slot[side - 1], injured);
    if (choice.players.empty()) m->subs_left[side - 1] = 0;
    return choice;
}

int ProposedInjuryReplacement(const InjuryChoice& choice, int strength, int injured) {
    if (choice.players.empty()) return -1;
    const int usual = FindBenchReplacement(strength, injured);
    const bool offered =
        std::find(choice.players.begin(), choice.players.end(), usual) != choice.players.end();
    return offered ? usual : choice.players.front();
}

}  // namespace kv
