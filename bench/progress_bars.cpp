// Painting the game's two kinds of progress bar once each: a cylinder bar of 150 x 22 (the team
// view's pair, shaded pixel by pixel with its text), and a smooth bar of 200 x 20 with its value
// text, overlays and glow (the main window's pair).
#include <benchmark/benchmark.h>

#include "platform/gfx/canvas.h"
#include "ui/controls/progress_cyl.h"
#include "ui/controls/smooth_progress_bar.h"

namespace {

void BM_CylinderBarPaint(benchmark::State& state) {
    kv::Canvas canvas{150, 22};
    kv::TProgressCyl bar;
    bar.SetBounds(0, 0, 150, 22);
    bar.SetProEffect(kv::peCustom);
    bar.SetForeColor(0x0000B9);
    bar.SetTextDone("Completo");
    int position = 0;
    for (auto _ : state) {
        bar.SetPosition(position);
        position = (position + 7) % 101;
        bar.Paint(canvas);
    }
}
BENCHMARK(BM_CylinderBarPaint);

void BM_SmoothBarPaint(benchmark::State& state) {
    kv::Canvas canvas{200, 20};
    kv::TUiSmoothProgressBar bar;
    bar.SetBounds(0, 0, 200, 20);
    bar.ApplyStylePreset(4);
    bar.SetProgressAnimation(false);
    bar.Appearance().SetValueVisible(true);
    bar.SetPosition(60);
    for (auto _ : state) {
        bar.AnimationTick();
        bar.Paint(canvas);
    }
}
BENCHMARK(BM_SmoothBarPaint);

}  // namespace
