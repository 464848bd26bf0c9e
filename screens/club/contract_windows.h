#pragma once
// A new contract for one of the coach's players: the offer window (wage and length) and the
// counter-demand window that opens when the offer is below what the player asks.

#include <cstdint>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm24Layout;
extern const WindowLayout kForm25Layout;

class TForm24 : public Form {
  public:
    explicit TForm24(int player);
    void Edit1Change();
    void UpDownClick(bool up);
    void OfferClick();  // "Oferecer"
    bool signed_contract() const { return signed_; }
    int months();

  private:
    int player_;
    bool signed_ = false;
};

class TForm25 : public Form {
  public:
    TForm25(int player, std::int32_t demand, int months);
    bool accepted() const { return accepted_; }

  private:
    bool accepted_ = false;
};

// The contract window for the player, modal; true when a new contract was signed.
bool ShowContractWindow(int player);

}  // namespace kv
