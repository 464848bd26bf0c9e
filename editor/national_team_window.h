#pragma once
// "Adicionar Seleção" / "Editar Seleção": a national team's country, level, coach and symbol.

#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm73Layout;

class TForm73 : public Form {
  public:
    // `edit`: the current national team; otherwise a new one.
    explicit TForm73(bool edit);
    void image1Click();
    void BitBtn1Click();  // "Adicionar" or "Ok"
    int Country() const { return country_; }

  private:
    bool edit_ = false;
    int country_ = -1;
    std::string symbol_;
};

}  // namespace kv
