// Painting a full report table: 30 rows of 8 text columns on an 800x600 canvas,
// the busiest thing a list screen draws on every repaint.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/gfx/canvas.h"

namespace {

std::vector<std::string> TableTexts() {
    const char* names[] = {"Grêmio",
                           "São Paulo",
                           "Atlético Paranaense",
                           "Vitória",
                           "Associação Ferroviária de Esportes",
                           "Ceará",
                           "Goiás",
                           "Avaí"};
    std::vector<std::string> texts;
    for (int row = 0; row < 30; ++row) {
        texts.push_back(std::to_string(row + 1));
        texts.push_back(names[row % 8]);
        for (int col = 2; col < 8; ++col)
            texts.push_back(std::to_string((row * 7 + col * 13) % 97));
    }
    return texts;
}

void PaintTable(kv::Canvas& c, const std::vector<std::string>& texts) {
    const int widths[8] = {40, 240, 70, 70, 70, 70, 110, 110};
    c.brush.color = kv::clWindow;
    c.FillRect({0, 0, 800, 600});
    c.bk_mode = kv::BkMode::Transparent;
    for (int row = 0; row < 30; ++row) {
        const int top = row * 20;
        c.brush.color = row % 2 ? kv::clWindow : kv::clInfoBk;
        c.FillRect({0, top, 800, top + 20});
        c.font.style = row == 0 ? kv::fsBold : 0;
        int left = 0;
        for (int col = 0; col < 8; ++col) {
            kv::Rect cell{left + 2, top, left + widths[col] - 2, top + 20};
            const unsigned align = col == 1 ? kv::DT_LEFT : kv::DT_RIGHT;
            c.DrawText(texts[row * 8 + col], cell,
                       kv::DT_SINGLELINE | kv::DT_VCENTER | kv::DT_END_ELLIPSIS | align);
            left += widths[col];
        }
        c.pen.color = kv::clBtnFace;
        c.MoveTo(0, top + 19);
        c.LineTo(800, top + 19);
    }
}

void BM_PaintTextTable(benchmark::State& state) {
    kv::Canvas c(800, 600);
    c.font.name = "Tahoma";
    c.font.size = 8;
    const std::vector<std::string> texts = TableTexts();
    for (auto _ : state) {
        PaintTable(c, texts);
        benchmark::DoNotOptimize(c.surface());
    }
    state.SetItemsProcessed(state.iterations() * 240);
}
BENCHMARK(BM_PaintTextTable)->Unit(benchmark::kMillisecond);

}  // namespace
