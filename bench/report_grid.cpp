// Filling a report grid of 1,000 rows x 12 columns the way the windows do (between BeginUpdate
// and EndUpdate, one SetCellTextByVariant a cell, Brazilian number texts), and sorting it by a
// number column from scrambled values.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "platform/gfx/canvas.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace {

constexpr int kRows = 1000;
constexpr int kColumns = 12;
const char* const kNames[kColumns] = {"nome", "pos",   "idade", "forca", "valor",  "salario",
                                      "gols", "jogos", "data",  "time",  "estado", "moral"};

void AddColumns(kv::TReportGrid& grid) {
    for (int c = 0; c < kColumns; ++c) {
        kv::TColumnKind kind = kv::ckString;
        if (c == 4 || c == 5) kind = kv::ckFloat;
        if (c == 2 || c == 3 || c == 6 || c == 7 || c == 11) kind = kv::ckInteger;
        if (c == 8) kind = kv::ckDate;
        kv::TGrCustomColumn& column = grid.Columns().Add(kNames[c], kind);
        column.SetSortType(kind == kv::ckString ? kv::stAlphabetic : kv::stNumeric);
        column.SetOptions(column.Options().With(kv::coFullResort));
    }
}

// A fixed scramble, so every run sorts the same values.
uint32_t Next(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

void Fill(kv::TReportGrid& grid) {
    uint32_t state = 12345;
    grid.BeginUpdate();
    for (int r = 0; r < kRows; ++r) {
        const int row = grid.AddRow();
        grid.SetCellTextByVariant("nome", row, "Jogador " + std::to_string(r));
        grid.SetCellTextByVariant("pos", row, "M");
        grid.SetCellTextByVariant("idade", row, std::to_string(17 + Next(state) % 20));
        grid.SetCellTextByVariant("forca", row, std::to_string(Next(state) % 100));
        grid.SetCellTextByVariant("valor", row, std::to_string(1 + Next(state) % 999) + ".000,50");
        grid.SetCellTextByVariant("salario", row, std::to_string(Next(state) % 900) + ",25");
        grid.SetCellTextByVariant("gols", row, std::to_string(Next(state) % 30));
        grid.SetCellTextByVariant("jogos", row, std::to_string(Next(state) % 40));
        grid.SetCellTextByVariant("data", row, "31/12/2014");
        grid.SetCellTextByVariant("time", row, "Atlético Serrano");
        grid.SetCellTextByVariant("estado", row, "SP");
        grid.SetCellTextByVariant("moral", row, std::to_string(Next(state) % 10));
    }
    grid.EndUpdate();
}

void BM_FillGrid1000x12(benchmark::State& state) {
    kv::ScopedGridLocale locale(kv::BrazilianGridLocale());
    for (auto _ : state) {
        kv::TReportGrid grid;
        AddColumns(grid);
        Fill(grid);
        benchmark::DoNotOptimize(grid.GetRowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_FillGrid1000x12)->Unit(benchmark::kMicrosecond);

// A window refilling its grid: ClearRows, then the rows again.
void BM_RefillGrid1000x12(benchmark::State& state) {
    kv::ScopedGridLocale locale(kv::BrazilianGridLocale());
    kv::TReportGrid grid;
    AddColumns(grid);
    for (auto _ : state) {
        grid.ClearRows();
        Fill(grid);
        benchmark::DoNotOptimize(grid.GetRowCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_RefillGrid1000x12)->Unit(benchmark::kMicrosecond);

void BM_SortGrid1000ByNumber(benchmark::State& state) {
    kv::ScopedGridLocale locale(kv::BrazilianGridLocale());
    kv::TReportGrid grid;
    AddColumns(grid);
    Fill(grid);
    kv::TGrCustomColumn& valor = *grid.GetColumnByName("valor");
    bool ascending = true;
    for (auto _ : state) {
        // Full re-sorts in turn in each direction: every pass is a whole quicksort.
        grid.SortColumn(valor, ascending);
        ascending = !ascending;
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortGrid1000ByNumber)->Unit(benchmark::kMicrosecond);

void BM_SortGrid1000ByNumberScrambled(benchmark::State& state) {
    kv::ScopedGridLocale locale(kv::BrazilianGridLocale());
    kv::TReportGrid grid;
    AddColumns(grid);
    Fill(grid);
    kv::TGrCustomColumn& valor = *grid.GetColumnByName("valor");
    const int col = valor.GetIndex();
    uint32_t seed = 99;
    for (auto _ : state) {
        state.PauseTiming();
        grid.BeginUpdate();
        for (int r = 0; r < kRows; ++r) grid.GetCell(col, r).SetAsFloat(Next(seed) % 100000);
        grid.EndUpdate();
        state.ResumeTiming();
        grid.SortColumn(valor, true);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortGrid1000ByNumberScrambled)->Unit(benchmark::kMicrosecond);

// Painting: a 40-row page of the 12-column grid filling a 1280 x 800 canvas, once whole and once
// after one scroll step (the grid repaints its body after a step).
struct PaintedGrid {
    kv::ScopedGridLocale locale{kv::BrazilianGridLocale()};
    kv::TReportGrid grid;
    kv::Canvas canvas{1280, 800};
    PaintedGrid() {
        AddColumns(grid);
        for (int c = 0; c < kColumns; ++c) grid.Columns().GetItem(c).SetWidth(106);
        grid.SetBounds(0, 0, 1280, 800);
        grid.SetOptions(kv::TGridOptions{kv::goHeader, kv::goGrid, kv::goSelectFullRow});
        grid.HeaderSize = 16;
        grid.SetRowSize(19);  // 40 rows of 19 + 1 line under a 16-pixel header
        Fill(grid);
        grid.SetSelectedRow(3);
    }
};

void BM_PaintGrid40x12(benchmark::State& state) {
    PaintedGrid p;
    for (auto _ : state) {
        p.grid.Paint(p.canvas);
        benchmark::DoNotOptimize(p.canvas.Pixel(10, 10));
    }
}
BENCHMARK(BM_PaintGrid40x12)->Unit(benchmark::kMicrosecond);

void BM_ScrollStepAndRepaint(benchmark::State& state) {
    PaintedGrid p;
    bool down = true;
    for (auto _ : state) {
        down ? p.grid.VertScrollBar().LineDown() : p.grid.VertScrollBar().LineUp();
        down = !down;
        p.canvas.SetClipRect(p.grid.VertScrollRect);
        p.grid.Paint(p.canvas);
        p.canvas.ResetClip();
        benchmark::DoNotOptimize(p.canvas.Pixel(10, 10));
    }
}
BENCHMARK(BM_ScrollStepAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
