#pragma once
// The stadium expansion: the seats wanted per sector priced by the engineers, and the work paid
// for and started.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/stadium_works.h"

namespace kv {

extern const WindowLayout kForm10Layout;

class TForm10 : public Form {
  public:
    TForm10();

    void SchemeButton1Click();  // "Pedir orçamento"
    void btconstruirClick();    // "Construir"

    // True once a work was paid for.
    bool built() const { return built_; }

  private:
    ExpansionQuote quote_;
    bool built_ = false;
};

// Modal; true when a work was ordered.
bool ShowExpansionWindow();

}  // namespace kv
