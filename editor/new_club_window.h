#pragma once
// "Adicionar Equipe": a new club with its names, coach, stadium, file name, level, reputation,
// country, state and crest; its file is written when every field passes.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm7Layout;

class TForm7 : public Form {
  public:
    TForm7();
    void combo1Change();
    void Image1MouseDown();
    void BitBtn1Click();  // "Adicionar"
    int AddedClub() const { return added_; }

  private:
    int added_ = -1;
};

}  // namespace kv
