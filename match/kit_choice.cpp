#include "match/kit_choice.h"

namespace kv {

int ComputerAwayKit(int home_kit_colour, int away_kit_colour, bool has_second_kit,
                    bool has_third_kit) {
    if (home_kit_colour != away_kit_colour) return 1;
    if (has_second_kit) return 2;
    if (has_third_kit) return 3;
    return 1;
}

}  // namespace kv
