#include "ui/markup/markup_picture.h"

#include "ui/markup/markup_text.h"

namespace kv {

std::function<std::optional<Bytes>(std::string_view name)>& MarkupResourceLoader() {
    static std::function<std::optional<Bytes>(std::string_view)> loader;
    return loader;
}

void TMarkupPicture::ReadSize() {
    SetSize({});
    frame_left_ = frame_top_ = 0;
    if (Data().empty()) return;
    if (GetFrameCount() > 0) {
        const GifFrameOffset offset = GifFrameOffsetOf(Data(), frame_);
        frame_left_ = offset.left;
        frame_top_ = offset.top;
    }
    UpdateImageSize();
}

void TMarkupPicture::Loaded(Bytes bytes, bool notify) {
    SetBytes(std::move(bytes));
    SetEmpty(false);
    frame_count_ = -1;
    ReadSize();
    if (notify) Changed();
}

void TMarkupPicture::SetFrame(int frame) {
    frame_ = frame;
    if (!Empty() && !Data().empty()) {
        const GifFrameOffset offset = GifFrameOffsetOf(Data(), frame_);
        frame_left_ = offset.left;
        frame_top_ = offset.top;
    }
    if (OnFrameChange) OnFrameChange();
}

void TMarkupPicture::LoadFromFile(std::string_view file_name) {
    if (auto bytes = ReadFileBytes(file_name)) Loaded(std::move(*bytes), true);
}

void TMarkupPicture::LoadFromBytes(Bytes bytes) {
    Loaded(std::move(bytes), true);
}

void TMarkupPicture::ReadData(Bytes bytes) {
    Loaded(std::move(bytes), false);
}

void TMarkupPicture::Assign(const TMarkupPicture* source) {
    SetEmpty(true);
    frame_count_ = -1;
    frame_ = 1;
    if (!source) {
        SetBytes({});
        ReadSize();
        Changed();
        return;
    }
    Stretch = source->Stretch;
    frame_ = source->frame_;
    identity_ = source->identity_;
    if (source->Empty()) {
        SetBytes({});
        ReadSize();
        Changed();
        return;
    }
    Loaded(source->Data(), true);
}

void TMarkupPicture::LoadFromResource(std::string_view name) {
    auto& loader = MarkupResourceLoader();
    if (!loader) return;
    if (auto bytes = loader(name)) Loaded(std::move(*bytes), true);
}

void TMarkupPicture::LoadFromAddress(std::string_view address) {
    if (StartsWithIgnoreCase(address, "RES://")) {
        identity_ = address;
        LoadFromResource(address.substr(6));
    } else if (StartsWithIgnoreCase(address, "FILE://")) {
        identity_ = address;
        LoadFromFile(address.substr(7));
    } else if (!Asynchronous) {
        identity_ = address;
    } else if (!busy_) {
        // Pictures are never downloaded: the picture stays empty and busy, so no second
        // load is tried.
        busy_ = true;
    }
}

int TMarkupPicture::GetFrameCount() {
    if (!IsGifData()) return -1;
    if (frame_count_ < 0) frame_count_ = GifFrameCount(Data());
    return frame_count_;
}

TMarkupPicture* TMarkupPictureCache::AddPicture() {
    pictures_.push_back(std::make_unique<TMarkupPicture>());
    return pictures_.back().get();
}

TMarkupPicture* TMarkupPictureCache::FindPictureByAddress(std::string_view address) const {
    for (const auto& p : pictures_) {
        if (p->Identity() == address) return p.get();
    }
    return nullptr;
}

TMarkupPicture* TMarkupPictureCache::GetPicture(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return pictures_[static_cast<std::size_t>(index)].get();
}

}  // namespace kv
