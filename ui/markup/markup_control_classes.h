#pragma once
// The mark-up controls as the layout tables name them: TMarkupLabel (its caption is its
// mark-up text), TMarkupCheckBox and TMarkupRadioButton.

#include <string>
#include <string_view>

#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"

namespace kv {

// Registers them with the control factory; may be called any number of times.
void RegisterMarkupControlClasses();

// Whether mark-up text fits `room` in `font`, wrapped as the mark-up controls wrap it; empty
// when it does, otherwise what it needs.
std::string CheckMarkupFits(std::string_view markup, const Font& font, const Rect& room,
                            int shadow_offset);

}  // namespace kv
