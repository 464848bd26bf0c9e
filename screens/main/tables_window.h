#pragma once
// The standings screen: the national league of a country with all its divisions, the state
// championship of a state, and the group stage of the continental club cups. It only reads.

#include <string>
#include <vector>

#include "game/table_order.h"
#include "platform/gfx/geometry.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm36Layout;

class CrestImages;

// One division or group as the screen shows it.
struct TableBlockRows {
    std::string title;
    std::vector<TableRow> rows;
    std::vector<std::string> positions;
    std::vector<int> bands;  // TableBand of each row
    bool visible = false;
};

class TForm36 : public Form {
  public:
    enum View { kNational, kState, kContinental };
    TForm36();
    ~TForm36() override;

    View view() const { return view_; }
    // Block 0..7 of the view shown.
    const TableBlockRows& Block(int block) const { return blocks_[block]; }
    const std::string& Title() const { return title_; }

    void ShowNational(int config);
    void ShowState(int state);
    // kind 4 or 6; region a TCupRegion.
    void ShowContinental(int kind, int region);
    // The division (2..4) in the right-hand block with divisions of 20.
    void ShowLowerDivision(int division);
    // The hint of block 0..7 at a point of it: a header's meaning, a continental club's country.
    std::string BlockHint(int block, Point p) const;

  private:
    void SetBlock(int block, std::string title, std::vector<TableRow> rows, std::vector<int> bands);
    void PlaceBlock(int block, int left, int top, int rows);
    void Chosen(const std::string& button);
    void PaintBlock(int block, Canvas& canvas);

    View view_ = kNational;
    int league_ = 0;
    int state_ = 0;
    std::vector<int> states_;
    TableBlockRows blocks_[8];
    std::string title_;
    std::unique_ptr<CrestImages> crests_;
};

void ShowTablesWindow();

}  // namespace kv
