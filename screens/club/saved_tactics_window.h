#pragma once
// The saved tactics of the coach at his club: the line-up window's shirts kept under a name,
// loaded back into the line-up window, or deleted.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm90Layout;

class HumanLineup;

class TForm90 : public Form {
  public:
    explicit TForm90(HumanLineup& lineup);

    bool loaded() const { return loaded_; }

    void UiGlowButton3Click();  // "Salvar"
    void UiGlowButton1Click();  // "Carregar"
    void UiGlowButton2Click();  // "Excluir"

  private:
    void AddRow(int index);
    int SelectedTactic();

    HumanLineup& lineup_;
    bool loaded_ = false;
};

// Modal over the line-up window; true when a tactic was loaded into its shirts.
bool ShowSavedTacticsWindow(HumanLineup& lineup);

}  // namespace kv
