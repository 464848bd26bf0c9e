#include "platform/window/color_dialog.h"

#include "platform/gfx/canvas.h"
#include "platform/window/button.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

constexpr int kColumns = 8;
constexpr int kSwatch = 24;
constexpr int kGap = 4;

class Swatch : public Control {
public:
    Swatch(TColor color, TColor* chosen) : chosen_(chosen) {
        SetColor(color);
        double_clicks_ = true;
    }
    void Paint(Canvas& canvas) override {
        Rect r{0, 0, Width(), Height()};
        if (*chosen_ == Color()) {
            canvas.brush = Brush{clBlack};
            canvas.FrameRect(r);
            r = r.inflate(-1, -1);
        }
        DrawSunkenWell(canvas, r, Color());
    }

protected:
    void Click() override {
        *chosen_ = Color();
        if (Parent()) Parent()->Invalidate();
        Control::Click();
    }
    void DblClick() override {
        if (Form* form = ParentForm()) form->SetModalResult(mrOk);
    }

private:
    TColor* chosen_;
};

}  // namespace

const TColor ColorDialog::kBasicColors[48] = {
    0x8080FF, 0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF,
    0x0000FF, 0x00FFFF, 0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF,
    0x404080, 0x4080FF, 0x00FF00, 0x808000, 0x804000, 0xFF8080, 0x400080, 0x8000FF,
    0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000, 0x800080, 0xFF0080,
    0x000040, 0x004080, 0x004000, 0x404000, 0x800000, 0x400000, 0x400040, 0x800040,
    0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x400040, 0xFFFFFF,
};

bool ColorDialog::Execute() {
    Screen& screen = Screen::Get();
    Form& form = screen.Create<Form>("ColorDialog");
    form.SetCaption("Cor");
    form.position = poScreenCenter;
    TColor chosen = color;
    for (int i = 0; i < 48; ++i) {
        auto& s = form.Add<Swatch>("cor" + std::to_string(i), kBasicColors[i], &chosen);
        s.SetBounds(kGap + (i % kColumns) * (kSwatch + kGap), kGap + (i / kColumns) * (kSwatch + kGap),
                    kSwatch, kSwatch);
    }
    const int grid_width = kColumns * (kSwatch + kGap) + kGap;
    const int buttons_top = kGap + 6 * (kSwatch + kGap) + 8;
    Button& ok = form.Add<Button>("ok");
    ok.SetCaption("OK");
    ok.modal_result = mrOk;
    ok.is_default = true;
    ok.SetBounds(grid_width - 2 * (75 + kGap), buttons_top, 75, 25);
    Button& cancel = form.Add<Button>("cancel");
    cancel.SetCaption("Cancelar");
    cancel.modal_result = mrCancel;
    cancel.cancel = true;
    cancel.SetBounds(grid_width - (75 + kGap), buttons_top, 75, 25);
    form.SetClientSize(grid_width, buttons_top + 25 + 8);
    const bool ok_pressed = form.ShowModal() == mrOk;
    form.Release();
    if (ok_pressed) color = chosen;
    return ok_pressed;
}

}  // namespace kv
