#include "ui/markup/gdip_picture.h"

namespace kv {

void TGDIPPicture::Assign(const EncodedPicture* source) {
    AssignFrom(source, dynamic_cast<const TGDIPPicture*>(source) != nullptr);
}

void TGDIPPicture::LoadFromFile(std::string_view file_name) {
    if (!TakeFile(file_name)) return;
    UpdateImageSize();
    Changed();
}

void TGDIPPicture::LoadFromBytes(Bytes bytes) {
    ReadData(std::move(bytes));
    UpdateImageSize();
    Changed();
}

void TGDIPPicture::ReadData(Bytes bytes) {
    SetBytes(std::move(bytes));
    SetEmpty(false);
}

}  // namespace kv
