#pragma once
// The histories of the game's moves: the latest player transfers, one club's transfers, or the
// latest coach appointments.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/transfer_lists.h"

namespace kv {

extern const WindowLayout kForm58Layout;

class TForm58 : public Form {
  public:
    // `club`: the club of kClubTransfers (a team index).
    TForm58(TransferListMode mode, int club);

    void combopaisChange();
    TransferListMode mode() const { return mode_; }

  private:
    void Fill();

    TransferListMode mode_;
    int club_;
};

void ShowTransferListWindow(TransferListMode mode, int club = -1);

}  // namespace kv
