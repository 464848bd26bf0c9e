#pragma once
// The title window's credit lines: mark-up text drawn over the title picture, its <SHAD> runs
// with a shadow, nothing painted behind it.

#include <string>

#include "platform/window/control.h"

namespace kv {

class MarkupCreditLabel : public Control {
  public:
    MarkupCreditLabel();

    const std::string& HTMLText() const { return html_text_; }
    void SetHTMLText(std::string text);
    TColor shadow_color = clBlack;
    int shadow_offset = 1;

    void Paint(Canvas& canvas) override;

  private:
    std::string html_text_;
};

}  // namespace kv
