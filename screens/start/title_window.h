#pragma once
// The title window: the program's main form. Creating it is the whole start-up of the game
// (shared pictures, sounds, built-in tables, flags); its menu opens the new-game setup, the
// load window and the teams database editor, and the title picture holds the exit and
// web-site zones.

#include <array>
#include <string>

#include "core/game_site.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/layout_table.h"

namespace kv {

class Image;
class Label;
class TitleCreditLabel;

// A rectangle of the title picture, in its pixels, edges included.
struct TitleZone {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};
inline constexpr TitleZone kExitZone{44, 260, 90, 285};
inline constexpr TitleZone kWebSiteZone{32, 70, 210, 90};

// The game's own site (a literal, so it ends in a null character).
inline constexpr const char* kWebSiteAddress = kGameWebSite.data();
inline constexpr int kFootballCursor = 20;  // the cursor slot of cursor5
inline constexpr int kMenuButtons = 3;

extern const WindowLayout kForm1Layout;

class TForm1 : public Form {
  public:
    TForm1();
    ~TForm1() override;

    void FormCreate();
    void FormShow();
    void FormActivate();
    void PictureButtonClick(Image& button);
    void PictureButtonMouseMove(Image& button);
    void Image2MouseMove(int x, int y);
    void Image2MouseDown(int x, int y);

    // Country n's flag is image n, 18 x 18.
    ImageList& ImageList1() { return *image_list1_; }
    Image* MenuButton(int number) const { return buttons_.at(number - 1); }
    bool Hovered(int number) const { return hover_.at(number - 1); }
    bool AnyHovered() const { return any_hover_; }
    bool LargeFontsWarned() const { return large_fonts_warned_; }

  private:
    ImageList* image_list1_ = nullptr;
    Label* label2_ = nullptr;  // "carregando..."
    Image* image1_ = nullptr;  // the default flag
    Image* img20111_ = nullptr;
    TitleCreditLabel* credits_ = nullptr;
    std::array<Image*, kMenuButtons> buttons_{};
    std::array<Picture, kMenuButtons> normal_{};
    std::array<Picture, kMenuButtons> hover_pictures_{};
    std::array<bool, kMenuButtons> hover_{};
    bool any_hover_ = false;
    bool large_fonts_warned_ = false;
};

// The title window while it exists (it lives for the whole run); other windows take the flag
// image list from it.
TForm1* Form1();

}  // namespace kv
