#pragma once
// The picture of fills, smooth-panel captions and the GDI+ picture container: the image
// file's bytes, decoded again each time it is drawn.

#include <string_view>

#include "platform/gfx/geometry.h"
#include "ui/markup/encoded_picture.h"

namespace kv {

class Canvas;
class Graphics;
class GraphicsPath;

class TUiGDIPPicture : public EncodedPicture {
  public:
    bool Transparent = false;

    // Takes the source's bytes (any picture kept as bytes); nullptr clears the picture.
    void Assign(const EncodedPicture* source);
    // Reads the size from the file's header, by its extension; a failed read empties it.
    void LoadFromFile(std::string_view file_name);
    // No bytes: nothing happens.
    void LoadFromBytes(Bytes bytes);
    void ReadData(Bytes bytes);

    // A transparent bitmap at its own size with its bottom-left colour keyed out; anything
    // else stretched into r.
    void DrawOnGraphics(Graphics& graphics, const Rect& r) const;
    void FillPathWithTexture(Graphics& graphics, const GraphicsPath& path) const;
    void FillRectWithTexture(Graphics& graphics, const RectF& r) const;
    // A bitmap at its own size at r's corner, anything else stretched into r.
    void Draw(Canvas& canvas, const Rect& r) { DrawOnCanvas(canvas, r, true); }
};

}  // namespace kv
