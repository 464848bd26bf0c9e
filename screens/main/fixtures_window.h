#pragma once
// The fixtures and results of one round of a table competition: a national league, a state
// championship or the group stage of a continental cup, round by round.

#include <memory>
#include <string>
#include <vector>

#include "game/competition_screens.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm63Layout;

class CrestImages;
class TReportGrid;

class TForm63 : public Form {
  public:
    TForm63();
    ~TForm63() override;

    int kind() const { return kind_; }
    int owner() const { return owner_; }
    const std::vector<FixtureRow>& rows() const { return rows_; }
    // The round list's selected entry.
    int entry();

    // A competition button by name ("btnac", "btestadual", "btlib", ...).
    void Choose(const std::string& button);
    void ListRoundFixtures(int kind, int round, int half);
    void ListEntry(int entry);

  private:
    void OpenSelectedMatch();

    int kind_ = 1;
    int owner_ = 0;
    int state_ = 0;
    int per_half_ = 19;
    std::vector<int> states_;
    std::vector<FixtureRow> rows_;
    TReportGrid* grid_ = nullptr;
    std::unique_ptr<CrestImages> crests_;
};

void ShowFixturesWindow();

}  // namespace kv
