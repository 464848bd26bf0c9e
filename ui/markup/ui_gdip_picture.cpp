#include "ui/markup/ui_gdip_picture.h"

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

}  // namespace kv
