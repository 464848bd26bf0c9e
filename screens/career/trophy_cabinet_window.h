#pragma once
// The trophy cabinet: one trophy for each kind of title a club has won, its competition's name
// above and the number of titles below.

#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm74Layout;

class TForm74 : public Form {
  public:
    explicit TForm74(int club);
    // The trophies placed, in order: their picture names (tr_mundial, tr_lib, ...).
    const std::vector<std::string>& Trophies() const { return trophies_; }

  private:
    void Place(const std::string& picture, const std::string& name, int count, int x_offset, int& x,
               int gap);
    std::vector<std::string> trophies_;
};

// Opens the trophy cabinet of a club modally.
void ShowTrophyCabinet(int club);

}  // namespace kv
