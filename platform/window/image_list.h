#pragma once
// Pictures of one fixed size, by index: each added picture is stretched into a cell. The stretch
// waits for the cell's first use, so a long list (a flag per country) costs little until shown.

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
    void Clear() { cells_.clear(); }
    int Count() const { return static_cast<int>(cells_.size()); }
    const Picture& Get(int index) const;
    // True once image `index` has been stretched into its cell (on its first use).
    bool Stretched(int index) const { return cells_.at(index).stretched; }
    // Draws image `index` with its top-left at (x, y), or into `cell` stretched; nothing for a
    // missing index.
    void Draw(Canvas& canvas, int x, int y, int index) const;
    void StretchDraw(Canvas& canvas, const Rect& cell, int index) const;

private:
    struct Cell {
        Picture picture;  // the stretched cell, once stretched
        Picture source;   // the added picture, until then
        int width = 0, height = 0;  // the list's size when it was added
        bool stretched = false;
    };
    mutable std::vector<Cell> cells_;
};

}  // namespace kv
