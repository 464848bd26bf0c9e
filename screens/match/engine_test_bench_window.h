#pragma once
// The engine test bench: a developer's window that plays two of today's line-ups against each
// other many times, through the result model, the whole engine or the zone engine, and shows the
// results and their statistics. Reached from the line-up window's hidden buttons.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/records_match.h"
#include "match/engine_bench.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm89Layout;

class Tform89 : public Form {
  public:
    Tform89();

    // The windows the bench opens on the two teams; until they are set the buttons say so.
    std::function<void()> open_match_lineup;   // the in-match line-up window, modal
    std::function<void()> open_penalty_order;  // the penalty takers' order window

    void Button1Click();  // zone engine, 100 matches
    void Button2Click();  // 100 draws below 2000
    void Button3Click();  // result model, N matches
    void Button4Click();  // in-match line-up
    void Button5Click();  // the chosen line-ups back as they were before the last run
    void Button6Click();  // whole engine, N matches
    void Button7Click();  // penalty takers' order
    void Button8Click();  // ratings of the two line-ups
    void ResultTableClick(int kind);

  private:
    // The chosen line-ups, or nothing (after saying why) when they cannot be played.
    std::optional<BenchPair> ChosenPair();
    std::optional<int> MatchCount();
    std::optional<std::uint64_t> Seed();
    void ShowRatings(BenchPair pair);
    void ShowMatchValues(const jogos& m);
    void ShowStatistics(BenchMode mode, const BenchResult& result);
    void SetMarkup(std::string_view name, const std::string& text);
    void SaveChosen(BenchPair pair);

    std::optional<BenchPair> saved_pair_;
    std::array<t_match_strength, 2> saved_{};
};

// What the line-up window's hidden buttons do: opens the bench modally, after giving every
// computer team without a line-up today one of its own when asked.
void OpenEngineTestBench(bool give_every_team_a_lineup);

}  // namespace kv
