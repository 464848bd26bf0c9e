#pragma once
// What the editor's windows share while the program runs: the tables, the club and national
// team they work on, and the picture last chosen in the picture picker.

#include <string>

#include "editor/editor_database.h"

namespace kv {

struct EditorSession {
    EditorDatabase db;
    int current_club = -1;  // -1: no club selected, and the club commands do nothing
    int current_national_team = -1;
    bool picker_for_existing = false;  // the picker serves the current club, not a new one
    std::string picked_picture_name;
};

EditorSession& Editor();

// The teams folder beside the program.
std::string EditorTeamsFolder();

}  // namespace kv
