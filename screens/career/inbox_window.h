#pragma once
// The user club's inbox: its messages newest first, the text of the one chosen, read marks,
// and the fine question on a sending-off.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm62Layout;

class TReportGrid;

class TForm62 : public Form {
  public:
    TForm62();

  private:
    void FillList();
    void grid1SelectCell(int row);
    void Answer();
    void bt1Click();

    TReportGrid* grid1_ = nullptr;
    int shown_item_ = -1;
};

// Shows the inbox modally; on closing the main window shows the unread count.
void ShowInboxWindow();

}  // namespace kv
