#pragma once
// The user club's accounts of the season: what came in, what went out, the balance, the weekly
// interest and wages and the cash.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm22Layout;

class TForm22 : public Form {
  public:
    TForm22();
};

void ShowFinancesWindow();

}  // namespace kv
