#include "platform/window/image_list.h"

#include "platform/gfx/canvas.h"

namespace kv {

int ImageList::Add(const Picture& picture) {
    cells_.push_back({.picture = {}, .source = picture, .width = width, .height = height});
    return Count() - 1;
}

const Picture& ImageList::Get(int index) const {
    Cell& c = cells_.at(index);
    if (c.stretched) return c.picture;
    c.picture = Picture(c.width, c.height);
    if (!c.picture.empty() && !c.source.empty()) {
        Canvas canvas(c.picture);
        canvas.StretchDraw({0, 0, c.width, c.height}, c.source);
    }
    c.picture.MarkDirty();
    c.source = Picture();
    c.stretched = true;
    return c.picture;
}

void ImageList::Draw(Canvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, Get(index));
}

void ImageList::StretchDraw(Canvas& canvas, const Rect& cell, int index) const {
    if (index < 0 || index >= Count()) return;
    canvas.StretchDraw(cell, Get(index));
}

}  // namespace kv
