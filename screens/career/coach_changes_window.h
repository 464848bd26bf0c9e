#pragma once
// The computer clubs' changes of coach in the round just closed, for a user who asked to see
// them.

#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/markup/markup_picture_list.h"

namespace kv {

extern const WindowLayout kForm57Layout;

struct t_coach_dismissal;
class GameData;

// The mark-up rows of the changes: the club's crest, added to `crests` (no picture for a club
// without one), the club, the coach who left, the one who came, the reason.
std::string CoachChangeRows(const GameData& data, const std::vector<t_coach_dismissal>& changes,
                            MarkupPictureList& crests);

class TForm57 : public Form {
  public:
    explicit TForm57(const std::vector<t_coach_dismissal>& changes);

  private:
    MarkupPictureList crests_{18, 18};
};

void ShowCoachChangesWindow(const std::vector<t_coach_dismissal>& changes);

}  // namespace kv
