#include "platform/window/image_list.h"

#include "platform/gfx/canvas.h"

namespace kv {

int ImageList::Add(const Picture& picture) {
    Picture cell(width, height);
    if (!cell.empty() && !picture.empty()) {
        Canvas canvas(cell);
        canvas.StretchDraw({0, 0, width, height}, picture);
    }
    cell.MarkDirty();
    pictures_.push_back(std::move(cell));
    return Count() - 1;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, pictures_[index]);
}

void ImageList::StretchDraw(Canvas& canvas, const Rect& cell, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.StretchDraw(cell, pictures_[index]);
}

}  // namespace kv
