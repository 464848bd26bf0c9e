#include "ui/controls/smooth_caption.h"

namespace kv {

SmoothCaptionText::SmoothCaptionText(int font_size, TColor start, TColor end,
                                     TUiSmoothPanelLocation location)
    : color_start_(start), color_end_(end), location_(location) {
    font_.name = "Tahoma";
    font_.size = font_size;
    picture_.OnChange = [this] { Changed(); };
}

void SmoothCaptionText::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    TextSet();
    Changed();
}

void SmoothCaptionText::SetPicture(const TUiGDIPPicture* source) {
    if (source != &picture_) picture_.Assign(source);  // the picture reports the change
}

TextBrushLook SmoothCaptionText::BrushLook() const {
    TextBrushLook look;
    look.kind = gradient_type_;
    look.start = ColorToARGB(opacity_start_, color_start_);
    look.end = color_end_ == clNone ? look.start : ColorToARGB(opacity_end_, color_end_);
    look.hatch = hatch_style_;
    look.picture = &picture_;
    return look;
}

void SmoothCaptionText::CopyPlaceAndBrush(const SmoothCaptionText& s) {
    location_ = s.location_;
    left_ = s.left_;
    top_ = s.top_;
    color_start_ = s.color_start_;
    color_end_ = s.color_end_;
    gradient_type_ = s.gradient_type_;
    hatch_style_ = s.hatch_style_;
    opacity_start_ = s.opacity_start_;
    opacity_end_ = s.opacity_end_;
    picture_.Assign(&s.picture_);
}

}  // namespace kv
