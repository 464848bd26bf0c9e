#include "screens/start/game_pictures.h"

#include <string>

#include "core/picture_paths.h"
#include "platform/base/files.h"

namespace kv {

Picture& background_bitmap() {
    static Picture picture;
    return picture;
}

std::vector<Picture>& flag_pictures() {
    static std::vector<Picture> pictures;
    return pictures;
}

void LoadBackgroundBitmap() {
    Picture& background = background_bitmap();
    background.Clear();
    const std::string path = GamePath("img\\f01.jpg");
    if (FileExists(path)) background.LoadFromFile(ResolvePath(path));
}

void LoadFlagPictures(const Picture& default_flag) {
    std::vector<Picture>& flags = flag_pictures();
    flags.assign(kFlagPictureEntries, Picture{});
    for (int n = 0; n < kFlagCountries; ++n) {
        const std::string path = GamePath("img\\flags\\" + std::to_string(n) + ".png");
        // A damaged flag file must not stop the game from starting: it shows the default flag.
        if (!FileExists(path) || !flags[n].LoadFromFile(ResolvePath(path))) flags[n] = default_flag;
    }
}

}  // namespace kv
