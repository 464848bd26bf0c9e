// Painting a glow button of 120 x 41 with a picture and a caption in each of its states, as the
// game's windows show them: normal, under the mouse, pressed, checked in a group, disabled and
// focused. The state is reached through the headless back end, then only the paint is timed.
#include <benchmark/benchmark.h>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/window/test_driver.h"
#include "ui/controls/glow_button.h"

namespace {

enum State { kNormal, kHot, kDown, kChecked, kDisabled, kFocused };
const char* const kNames[] = {"normal", "hot", "down", "checked", "disabled", "focused"};

void BM_GlowButtonPaint(benchmark::State& state) {
    kv::TUiCustomGlowButton::fade_interval = 0;  // the look each state ends in
    kv::TestDriver d(300, 200);
    kv::Form& form = d.screen().Create<kv::Form>("form");
    form.SetBounds(0, 0, 300, 200);
    auto& b = form.Add<kv::TUiGlowButton>("btjogar");
    b.SetBounds(20, 20, 120, 41);
    b.SetCaption("Jogar");
    b.SetFont(kv::Font{"Arial", 9, kv::fsBold});
    b.SetPosition(kv::bpLeft);
    b.Appearance().SetBorderColorHot(kv::clGreen);
    b.tab_stop = true;
    kv::Picture badge(24, 24);
    {
        kv::Canvas c(badge);
        c.brush = kv::Brush{kv::clGreen};
        c.Ellipse({0, 0, 24, 24});
    }
    kv::TGDIPPicture picture;
    picture.LoadFromBytes(badge.SaveToPngMemory());
    b.SetPicture(picture);
    form.Show();
    d.screen().SetFocus(nullptr);
    switch (static_cast<State>(state.range(0))) {
        case kNormal:
            break;
        case kHot:
            d.MoveTo(b);
            break;
        case kDown:
            d.MoveTo(b);
            d.MouseDown(b.ClientToScreen({30, 20}));
            break;
        case kChecked:
            b.SetGroupIndex(1);
            b.SetDown(true);
            break;
        case kDisabled:
            b.SetEnabled(false);
            break;
        case kFocused:
            b.SetFocus();
            break;
    }
    state.SetLabel(kNames[state.range(0)]);
    kv::Canvas canvas(120, 41);
    for (auto _ : state) b.PaintButton(canvas, {0, 0, 120, 41});
}
BENCHMARK(BM_GlowButtonPaint)->DenseRange(kNormal, kFocused)->Unit(benchmark::kMicrosecond);

}  // namespace
