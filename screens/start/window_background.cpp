#include "screens/start/window_background.h"

#include "screens/start/game_pictures.h"

namespace kv {

void TileGameBackground(Form& form) {
    // The picture itself, not a copy: a window made before the picture is read (or after it
    // is read again) shows what it holds at the time of painting.
    form.background_picture = &background_bitmap();
    form.Invalidate();
}

}  // namespace kv
