#pragma once
// The bank loan of the user club: borrow or repay 500 mil at a time, up to the division's
// ceiling.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm28Layout;

class TForm28 : public Form {
  public:
    TForm28();

    void bt1Click();  // "Pegar 500 mil emprestado"
    void bt2Click();  // "Pagar 500 mil"

  private:
    void ShowFigures();
};

void ShowBankLoanWindow();

}  // namespace kv
