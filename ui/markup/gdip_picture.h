#pragma once
// The picture of the glow button and of hint information: the image file's bytes.

#include <string_view>

#include "ui/markup/encoded_picture.h"

namespace kv {

class Canvas;

class TGDIPPicture : public EncodedPicture {
  public:
    void Assign(const EncodedPicture* source);
    void LoadFromFile(std::string_view file_name);
    void LoadFromBytes(Bytes bytes);
    // The size stays as it was until UpdateImageSize.
    void ReadData(Bytes bytes);

    // Stretched into r, a bitmap with its bottom-left colour keyed out.
    void Draw(Canvas& canvas, const Rect& r) { DrawOnCanvas(canvas, r, false); }
};

}  // namespace kv
