#pragma once
// Which kit a team wears in a match.

namespace kv {

// A computer team playing away wears its first kit unless its kit colour class is the home
// team's: then its second kit when it has that picture, else its third when it has that one,
// else still its first. Kits are numbered 1 to 3.
int ComputerAwayKit(int home_kit_colour, int away_kit_colour, bool has_second_kit,
                    bool has_third_kit);

}  // namespace kv
