#pragma once
// The windows the title window's menu opens. They live in libraries built on top of this one,
// so the program hands them in at start-up; a window not handed in leaves its button inert.

#include <functional>

namespace kv {

class Form;

struct TitleMenuWindows {
    // Each creates its window (owned by the screen) and returns it without showing it.
    std::function<Form&()> new_game;   // TForm9, shown beside the title window, which hides
    std::function<Form&()> load_game;  // TForm21, shown modally
    std::function<Form&()> editor;     // TForm2, shown modally
};

TitleMenuWindows& TitleMenu();

}  // namespace kv
