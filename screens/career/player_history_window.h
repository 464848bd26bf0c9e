#pragma once
// A player's history: his career by season in pages, and his matches of the current season
// with his rating in each; a double click on a match opens its view.

#include <functional>
#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/markup/picture_container.h"

namespace kv {

extern const WindowLayout kForm16Layout;

class TReportGrid;

class TForm16 : public Form {
  public:
    // The player shown (the caller's career_subject); below 1 the window shows nothing.
    explicit TForm16(int player);

    void SchemeButton2Click();  // ">>"
    void SchemeButton3Click();  // "<<"
    void gridview1DblClick();

    TReportGrid& Grid() { return *grid_; }
    // The career page shown, as mark-up.
    const std::string& CareerText() const { return career_text_; }
    int FirstRowShown() const { return first_row_; }

  private:
    void ShowCareerPage(int first_row);
    void FillRatings();

    int player_ = 0;
    TReportGrid* grid_ = nullptr;
    int first_row_ = 0;
    int next_page_ = -1;
    std::string career_text_;
    TPictureContainer icons_;  // the career page's column titles: goals, cards, injuries
};

// Opens the history of MainWindowSelections().career_subject modally.
void ShowPlayerHistoryWindow();

// The read-only view of an archived match, seen from the home side; set by the match screens.
// Unset, a double click on a match does nothing.
std::function<void(int archived_match)>& PlayerHistoryMatchView();

}  // namespace kv
