#pragma once
// The editor's loading window: reads every club and national-team file of the teams folder into
// the editor's tables, then opens the editor's main window and goes.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm2Layout;

class Gauge;
class Timer;

class TForm2 : public Form {
  public:
    TForm2();
    void Timer1Timer();
    int club_file_count() const { return club_file_count_; }

  private:
    Gauge* barra_ = nullptr;
    Timer* timer1_ = nullptr;
    int club_file_count_ = 0;
};

// Hands the loading window to the title window's "Editor de times".
void RegisterEditorWindows();

}  // namespace kv
