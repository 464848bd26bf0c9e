#include "ui/markup/ui_gdip_picture.h"

#include "platform/gfx/graphics.h"
#include "platform/gfx/picture.h"

namespace kv {

void TUiGDIPPicture::Assign(const EncodedPicture* source) {
    AssignFrom(source, dynamic_cast<const TUiGDIPPicture*>(source) != nullptr);
}

void TUiGDIPPicture::LoadFromFile(std::string_view file_name) {
    if (!TakeFile(file_name)) return;
    SetSize(ImageSizeFromFileHeader(Data(), file_name));
    Changed();
}

void TUiGDIPPicture::LoadFromBytes(Bytes bytes) {
    if (bytes.empty()) return;
    ReadData(std::move(bytes));
    Changed();
}

void TUiGDIPPicture::ReadData(Bytes bytes) {
    if (bytes.empty()) return;
    SetBytes(std::move(bytes));
    SetEmpty(false);
    UpdateImageSize();
}

void TUiGDIPPicture::DrawOnGraphics(Graphics& graphics, const Rect& r) const {
    Picture p;
    if (!Decode(p)) return;
    p.transparent = false;
    if (p.format() == PictureFormat::Bmp && Transparent) {
        const RectF whole{0, 0, float(p.width()), float(p.height())};
        const ARGB corner = p.PixelARGB(0, p.height() - 1);
        const TColor key = RGBColor(ARGBRed(corner), ARGBGreen(corner), ARGBBlue(corner));
        graphics.DrawImage(p, RectF{float(r.left), float(r.top), whole.width, whole.height}, whole,
                           1.0f, key);
        return;
    }
    graphics.DrawImage(p, ToRectF(r));
}

void TUiGDIPPicture::FillPathWithTexture(Graphics& graphics, const GraphicsPath& path) const {
    Picture p;
    if (Decode(p)) graphics.FillPath(GraphicsBrush::Texture(p, WrapMode::Tile), path);
}

void TUiGDIPPicture::FillRectWithTexture(Graphics& graphics, const RectF& r) const {
    Picture p;
    if (Decode(p)) graphics.FillRectangle(GraphicsBrush::Texture(p, WrapMode::Tile), r);
}

}  // namespace kv
