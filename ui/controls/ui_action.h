#pragma once
// A command shared by several controls: its caption, checked state, group, image and the
// handler that runs it. A control linked to an action takes what the action governs and runs
// the action when clicked without an on_click of its own.

#include <functional>
#include <string>

namespace kv {

class ImageList;

class TUiAction {
  public:
    std::string Caption;
    bool Checked = false;
    // Executing a checkable action toggles Checked first.
    bool AutoCheck = false;
    int GroupIndex = 0;
    int ImageIndex = -1;
    // The images of the action's list; null when it has none.
    const ImageList* Images = nullptr;
    int HelpContext = 0;
    std::string HelpKeyword;
    std::function<void()> OnExecute;

    // Runs the handler; false when there is none.
    bool Execute() {
        if (AutoCheck) Checked = !Checked;
        if (!OnExecute) return false;
        OnExecute();
        return true;
    }
};

}  // namespace kv
