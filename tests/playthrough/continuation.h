#pragma once
// A saved game played on through the windows and without them, compared byte for byte.

#include <string>

#include "tests/playthrough/play_through.h"

namespace kv {

// Two saves that should be one written into the test output folder as `stem`_windows.s14 and
// `stem`_headless.s14, for a person to compare; nothing when they are equal.
void KeepBothSavesIfTheyDiffer(const std::string& stem, const std::string& windows,
                               const std::string& headless);

// The continuation played through the windows of `play` (loaded through its load window),
// compared byte for byte with the game without windows; the play keeps its counts of answers,
// for the test to see that its windows were met. Fails the running test where they differ,
// and leaves both saves in the test output folder.
void ExpectTheSameContinuation(PlayThrough& play, const Continuation& from);

}  // namespace kv
