#include "screens/start/title_menu.h"

namespace kv {

TitleMenuWindows& TitleMenu() {
    static TitleMenuWindows windows;
    return windows;
}

}  // namespace kv
