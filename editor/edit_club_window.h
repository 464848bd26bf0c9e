#pragma once
// "Editar Equipe": the current club's names, coach, stadium, capacity, level, reputation,
// country and state. Only what the user changed is applied; an emptied box leaves its field
// as it was.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm4Layout;

class TForm4 : public Form {
  public:
    TForm4();
    void combo1Change();
    void BitBtn1Click();  // "Ok"
};

}  // namespace kv
