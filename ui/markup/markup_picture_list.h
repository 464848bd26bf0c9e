#pragma once
// An image list of pictures of one size, for "idx:" pictures in mark-up.

#include <vector>

#include "platform/gfx/picture.h"
#include "ui/markup/markup_canvas.h"

namespace kv {

class MarkupPictureList : public MarkupImageList {
  public:
    MarkupPictureList(int width, int height) : width_(width), height_(height) {}

    void Add(Picture picture) { pictures_.push_back(std::move(picture)); }
    int Count() const override { return static_cast<int>(pictures_.size()); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    const Picture* Entry(int index) const override {
        if (index < 0 || index >= Count()) return nullptr;
        return &pictures_[static_cast<std::size_t>(index)];
    }

  private:
    int width_, height_;
    std::vector<Picture> pictures_;
};

}  // namespace kv
