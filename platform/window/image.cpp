#include "platform/window/image.h"

#include <algorithm>

#include "platform/base/files.h"
#include "platform/gfx/canvas.h"

namespace kv {

Image::Image() {
    UseParentColor();
    SetBounds(0, 0, 105, 105);
}

void Image::SetPicture(const Picture& picture) {
    picture_ = picture;
    picture_.transparent = transparent;
    if (auto_size && !picture_.empty())
        SetBounds(Left(), Top(), picture_.width(), picture_.height());
    Invalidate();
}

void Image::SetTransparent(bool on) {
    transparent = on;
    picture_.transparent = on;
    Invalidate();
}

bool Image::LoadFromFile(const std::string& path) {
    Picture p;
    const bool ok = p.LoadFromFile(ResolvePath(path));
    SetPicture(p);
    return ok;
}

Rect Image::DestRect() const {
    const int w = picture_.width(), h = picture_.height();
    int dw = w, dh = h;
    if (stretch || (proportional && (w > Width() || h > Height()))) {
        dw = Width();
        dh = Height();
        if (proportional && w > 0 && h > 0) {
            // The larger ratio decides, so the whole picture fits.
            if (static_cast<int64_t>(Width()) * h > static_cast<int64_t>(Height()) * w)
                dw = static_cast<int>(static_cast<int64_t>(Height()) * w / h);
            else
                dh = static_cast<int>(static_cast<int64_t>(Width()) * h / w);
        }
    }
    int x = 0, y = 0;
    if (center) {
        x = (Width() - dw) / 2;
        y = (Height() - dh) / 2;
    }
    return RectOfSize(x, y, dw, dh);
}

void Image::Paint(Canvas& canvas) {
    if (!picture_.empty()) {
        const Rect d = DestRect();
        if (d.width() == picture_.width() && d.height() == picture_.height())
            canvas.Draw(d.left, d.top, picture_);
        else
            canvas.StretchDraw(d, picture_);
    }
    Control::Paint(canvas);
}

}  // namespace kv
