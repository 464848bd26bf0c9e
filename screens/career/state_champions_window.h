#pragma once
// The champions, runners-up and top scorers of the state championships just closed.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm66Layout;

struct StateChampionsTable;

class TForm66 : public Form {
  public:
    explicit TForm66(const StateChampionsTable& champions);
};

void ShowStateChampionsWindow(const StateChampionsTable& champions);

}  // namespace kv
