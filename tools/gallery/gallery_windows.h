#pragma once
// The windows of the game as the gallery opens them: a prepared game (a new game from the sample
// database with a few rounds played, so that tables and lists are full), the list of every window
// with how each is opened on it, and the opening of one window on a headless screen of a size.
// The gallery draws and checks what this opens; the window benchmarks time its repaints.

#include <functional>
#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/screen.h"

namespace kv::gallery {

// What the windows are opened on: the player's club, one of its players, another club.
struct Prepared {
    int club = -1;
    int player = -1;
    int other_club = -1;
    int other_player = -1;
};

struct Entry {
    using Open = std::function<Form&(Screen&, const Prepared&)>;
    using Ask = std::function<void(const Prepared&)>;
    Entry(std::string i, std::string w, Open o, int t = 1500, Ask a = {})
        : id(std::move(i)), what(std::move(w)), open(std::move(o)), ticks(t), ask(std::move(a)) {}

    std::string id;  // the window's class, without its leading T
    std::string what;
    std::function<Form&(Screen&, const Prepared&)> open;
    // How long its timers run before the picture: a window that goes on by itself on a timer
    // (the editor's loading, the new game's building) is drawn before it does.
    int ticks = 1500;
    // A window only a call opens, modally (a question): the call, drawn while it asks.
    std::function<void(const Prepared&)> ask;
};

// Every window of the game, in the gallery's order.
std::vector<Entry> Windows();

// Starts the new game the windows open on, plays `rounds` rounds and the day's results, loads
// the pictures the title window loads for the windows after it and the editor's database.
// Returns an error text when the game cannot be made.
std::string PrepareGame(int rounds, Prepared& prepared);

// What is done with a window once it is on show: its faults.
using OnShow = std::function<std::vector<std::string>(Screen&, Form&)>;

// Opens one window on a headless screen of that size, lets its timers run, and calls `shown` on
// it. Some windows play the prepared game on before they open (to a season's end, say): open
// each in a process of its own when the next must see the game as prepared.
std::vector<std::string> OpenWindow(const Entry& e, const Prepared& p, int w, int h,
                                    const OnShow& shown);

}  // namespace kv::gallery
