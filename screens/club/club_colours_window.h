#pragma once
// The two colours of the user club, each chosen in the colour dialog; the main window is
// painted in them.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm86Layout;

class TForm86 : public Form {
  public:
    TForm86();

  private:
    void ShapeMouseDown(const char* shape);
    void SchemeButton1Click();
};

void ShowClubColoursWindow();

}  // namespace kv
