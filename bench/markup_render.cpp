// A match report of 23 lines in mark-up, as the match-day labels show it: laid out and drawn
// on the canvas and on the antialiased surface (the smooth panels and message dialogs draw
// through it), and hit-tested the way a label follows the mouse over it.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/gdiplus.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/graphics_markup_surface.h"

namespace {

std::string MatchReport() {
    std::string text =
        R"(<P align="center"><shad><B><FONT size="12">Atlético Serrano 2 x 1 Clube do Porto</FONT></B></shad></P><BR>)";
    for (int minute = 1; minute <= 90; minute += 4) {
        text += R"(<P align="left"><FONT color="#FFFF00">)" + std::to_string(minute) +
                R"('</FONT><IND x="40">)";
        text +=
            minute % 3
                ? R"(Passe longo de <B>Joãozinho</B> para <A href="http://korvanel.example/j">Marcão</A>, que chuta &amp; a bola sai.)"
                : R"(<FONT color="clRed">Cartão amarelo</FONT> para <I>Ribamar</I> por falta dura no meio-campo.)";
        text += "<BR>";
    }
    return text;
}

// The label's usual look: bold white Arial 8 with a black shadow.
struct Report {
    std::string text = MatchReport();
    kv::Canvas canvas{420, 900};
    kv::MarkupOptions options;
    Report() {
        canvas.font = kv::Font{"Arial", 8, kv::fsBold, kv::clWhite};
        options.bounds = {4, 4, 416, 896};
        options.shadow_color = kv::clBlack;
    }
};

void BM_DrawMatchReport(benchmark::State& state) {
    Report report;
    auto& [text, canvas, o] = report;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kv::DrawMarkup(canvas, text, o));
    }
}
BENCHMARK(BM_DrawMatchReport)->Unit(benchmark::kMillisecond);

// The same report through the antialiased renderer, on a surface over the same canvas.
void BM_DrawMatchReportGP(benchmark::State& state) {
    Report report;
    auto& [text, canvas, o] = report;
    auto graphics = kv::TGPGraphics::CreateFromHDC(&canvas);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kv::DrawMarkupGP(*graphics, canvas.font, text, o));
    }
}
BENCHMARK(BM_DrawMatchReportGP)->Unit(benchmark::kMillisecond);

void BM_HitTestMatchReport(benchmark::State& state) {
    Report report;
    auto& [text, canvas, o] = report;
    o.hit_test_only = true;
    int y = 0;
    for (auto _ : state) {
        o.point_x = 200;
        o.point_y = y = (y + 37) % 880;
        benchmark::DoNotOptimize(kv::DrawMarkup(canvas, text, o));
    }
}
BENCHMARK(BM_HitTestMatchReport)->Unit(benchmark::kMillisecond);

}  // namespace
