#pragma once
// A picture on a form: drawn at its size, centred, stretched or scaled in proportion.

#include "platform/gfx/picture.h"
#include "platform/window/control.h"

namespace kv {

class Image : public Control {
public:
    Image();

    const Picture& GetPicture() const { return picture_; }
    // Copies the picture in; with auto_size the control takes its size.
    void SetPicture(const Picture& picture);
    bool LoadFromFile(const std::string& path);  // Windows-style paths are fine
    // Leaves out the picture's transparent colour (the bottom-left pixel's, as bitmaps do).
    void SetTransparent(bool on);
    bool stretch = false;
    bool proportional = false;
    bool center = false;
    bool auto_size = false;

    // Where the picture lands inside the control.
    Rect DestRect() const;
    void Paint(Canvas& canvas) override;

private:
    Picture picture_;
};

}  // namespace kv
