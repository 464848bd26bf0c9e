#pragma once
// Pictures of one fixed size, by index: each added picture is stretched into a cell.

#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"
#include "platform/window/component.h"

namespace kv {

class Canvas;

class ImageList : public Component {
public:
    ImageList() = default;
    ImageList(int w, int h) : width(w), height(h) {}

    int width = 16;
    int height = 16;

    int Add(const Picture& picture);  // returns the index
    void Clear() { pictures_.clear(); }
    int Count() const { return static_cast<int>(pictures_.size()); }
    const Picture& Get(int index) const { return pictures_.at(index); }
    // Draws image `index` with its top-left at (x, y), or into `cell` stretched; nothing for a
    // missing index.
    void Draw(Canvas& canvas, int x, int y, int index) const;
    void StretchDraw(Canvas& canvas, const Rect& cell, int index) const;

private:
    std::vector<Picture> pictures_;
};

}  // namespace kv
