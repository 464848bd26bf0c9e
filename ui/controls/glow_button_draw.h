#pragma once
// The one drawing routine of the glow button: the two-part face, the border rounded by the
// button's place in a row, the focus frame, the picture or image-list image with the caption and
// notes placed by the layout, and the drop-down part with its arrow. With `measuring` set it
// draws nothing and returns the size of the content.

#include <string>
#include <vector>

#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/graphics.h"
#include "ui/controls/glow_button_appearance.h"

namespace kv {

class Canvas;
class ImageList;
class TGDIPPicture;

enum TButtonLayout {
    blGlyphLeft,
    blGlyphTop,
    blGlyphRight,
    blGlyphBottom,
    blGlyphLeftAdjusted,
    blGlyphRightAdjusted,
    blGlyphTopAdjusted,
    blGlyphBottomAdjusted
};
enum TButtonPosition { bpStandalone, bpLeft, bpMiddle, bpRight };
enum TDropDownPosition { dpRight, dpBottom };
enum TDropDownDirection { ddDown, ddRight };
// Where the pointer holds a drop-down button: nowhere, on the part, on the main area.
enum class GlowArrowState { None, OnPart, OnMain };

struct GlowDrawInputs {
    GlowColorSet colors;
    bool pressed_set = false;
    std::string caption;
    Font font;
    bool enabled = true;
    std::vector<std::string> notes;
    Font notes_font;
    const TGDIPPicture* picture = nullptr;
    const ImageList* images = nullptr;
    int image_index = -1;
    bool image_enabled = true;
    const ImageList* disabled_images = nullptr;
    TButtonLayout layout = blGlyphLeft;
    int spacing = 2;
    int margin_horz = 1;
    int margin_vert = 1;
    bool word_wrap = true;
    StringTrimming trimming = StringTrimming::None;
    bool rounded = true;
    TButtonPosition position = bpStandalone;
    bool border_visible = true;
    bool hot = false;
    bool down = false;
    bool menu_shown = false;
    bool drop_down_button = false;
    TDropDownPosition drop_down_position = dpRight;
    TDropDownDirection drop_down_direction = ddDown;
    bool drop_down_split = true;
    GlowArrowState arrow = GlowArrowState::None;
    bool transparent_face_on_hover = false;  // Transparent with FaceOnHover
    bool gdi_text = false;                   // the caption in plain canvas text, not antialiased
    bool focus_frame = false;
    bool face_left_out = false;   // transparent and not hot
    bool small_pictures = false;  // auto-size's 16 x 16 pictures
    bool measuring = false;
};

constexpr int kGlowDropDownPart = 14;

// Draws into r (client coordinates of the canvas); returns the measured content size.
Size DrawGlowButton(Canvas& canvas, const Rect& r, const GlowDrawInputs& in);

// The outline of a rectangle with corners of the radius (0: square), one pixel wide, on the
// pixels of x..x+w and y..y+h.
void DrawRoundRectangle(Graphics& g, TColor color, int x, int y, int w, int h, int radius,
                        bool dotted = false);
// The small arrow of a drop-down part, pointing down or right, with a highlight.
void DrawDropDownArrow(Canvas& canvas, int x, int y, TColor color, TColor highlight, bool down);

}  // namespace kv
