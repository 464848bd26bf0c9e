#pragma once
// "Artilheiros": the current season's scorers of one competition, or the all-time ranking of
// career goals; a double click opens the player's history.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/scorer_rankings.h"

namespace kv {

extern const WindowLayout kForm20Layout;

class ComboBox;
class TReportGrid;

class TForm20 : public Form {
  public:
    TForm20();

    void combo1Select();
    void combo2Change();
    void combopaisChange();
    void Label1Click();  // "clique aqui": every all-time scorer
    void t1DblClick();

    TReportGrid& Grid() { return *grid_; }
    ComboBox& Competitions();
    ComboBox& States();
    ComboBox& Countries();
    // The competition id shown, 0 for "Melhores de Sempre".
    int ShownCompetition() const { return shown_competition_; }

  private:
    void FillCompetitionList();
    void ShowSeasonScorers(int kind, int selector, int division);
    void ShowAllTimeScorers(bool all);
    void Fill(const std::vector<t_scorer_entry>& entries, bool all_time, bool all);
    void ShowAllTimeColumns(bool all_time);

    TReportGrid* grid_ = nullptr;
    int league_ = 0;
    std::vector<int> states_;  // the states of combo2's items
    // Per item of combo1: kind, selector (country or -1 for the chosen league), division.
    struct Choice {
        int kind;
        int selector;
        int division;
    };
    std::vector<Choice> choices_;
    int shown_competition_ = 0;
};

// Opens the top scorers modally.
void ShowTopScorersWindow();

}  // namespace kv
