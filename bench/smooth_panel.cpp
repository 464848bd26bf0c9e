// Painting a smooth panel of 400 x 300 with a mark-up caption over a gradient body: once after a
// change (the cached picture rebuilt) and again with nothing changed (the cached picture drawn).
#include <benchmark/benchmark.h>

#include "platform/gfx/canvas.h"
#include "ui/controls/smooth_panel.h"

namespace {

struct Scene {
    kv::Canvas canvas{400, 300};
    kv::TUiSmoothPanel panel;

    Scene() {
        panel.SetBounds(0, 0, 400, 300);
        panel.ApplyStylePreset(4);  // the look of the game's panels: mirrored vertical gradients
        panel.Fill().SetShadowColor(kv::clNone);
        panel.Caption().SetText("Próxima rodada");
        panel.Caption().SetHTMLLocation(kv::plCustom);
        panel.Caption().SetHTMLLeft(10);
        panel.Caption().SetHTMLTop(30);
        panel.Caption().SetHTMLShadowColor(kv::clBlack);
        panel.Caption().SetHTMLShadowOffset(1);
        panel.Caption().SetHTMLFont(kv::Font{"Arial", 10, kv::fsBold, kv::clWhite});
        panel.Caption().SetHTMLText(
            R"(<SHAD><B>Atlético Serrano</B> x <B>Clube do Porto</B></SHAD><BR>)"
            R"(<SHAD>Estádio: <FONT color="#FFFF00">Serrano</FONT>, 45.000 lugares</SHAD><BR>)"
            R"(<SHAD>Árbitro: <I>Ribamar Souza</I></SHAD><BR>)"
            R"(<SHAD>Renda prevista: <B>R$ 1.250.000</B></SHAD><BR>)"
            R"(<SHAD><A href="http://korvanel.example">Ver escalação</A></SHAD>)");
    }
};

void BM_SmoothPanelCold(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        s.panel.Changed();
        s.panel.Paint(s.canvas);
    }
    state.counters["builds"] = s.panel.ImageBuilds();
}
BENCHMARK(BM_SmoothPanelCold)->Unit(benchmark::kMillisecond);

void BM_SmoothPanelCached(benchmark::State& state) {
    Scene s;
    s.panel.Paint(s.canvas);
    for (auto _ : state) s.panel.Paint(s.canvas);
    state.counters["builds"] = s.panel.ImageBuilds();
}
BENCHMARK(BM_SmoothPanelCached)->Unit(benchmark::kMillisecond);

}  // namespace
