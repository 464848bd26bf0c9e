#pragma once
// The human coaches of the game: the list, a new coach added (his name asked in a small
// window of its own) and a coach without a club removed; and the question before a coach
// resigns from his club.

#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm50Layout;
extern const WindowLayout kForm51Layout;
extern const WindowLayout kForm65Layout;

class ListView;

class TForm50 : public Form {
  public:
    TForm50();

  private:
    void AddRow(int coach);
    void bt1Click();
    void bt2Click();
    void UpdateAddButton();

    ListView* list1_ = nullptr;
};

// The name of a new coach.
class TForm51 : public Form {
  public:
    TForm51();
    std::string EnteredName();
};

// "Deseja mesmo se demitir do time atual?"
class TForm65 : public Form {
  public:
    TForm65();
    bool resignation_confirmed() const { return resignation_confirmed_; }

  private:
    bool resignation_confirmed_ = false;
};

void ShowHumanCoachesWindow();
// The resignation question; true when the coach confirms.
bool AskResignation();

}  // namespace kv
