// Repainting a full window of standard controls, and one click's round trip through the event
// loop: what the player waits for on every change of a busy screen.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

// 20 rows of a label, an edit box and a button, with a list beside them.
Form& BusyForm(TestDriver& d) {
    Form& form = d.screen().Create<Form>("busy");
    form.SetBounds(0, 0, 800, 600);
    for (int row = 0; row < 20; ++row) {
        const std::string n = std::to_string(row);
        auto& label = form.Add<Label>("label" + n);
        label.SetBounds(10, 10 + row * 27, 0, 0);
        label.SetCaption("Jogador número " + n);
        auto& edit = form.Add<Edit>("edit" + n);
        edit.SetBounds(150, 8 + row * 27, 150, 21);
        edit.SetText("R$ " + n + ".000,00");
        auto& button = form.Add<Button>("button" + n);
        button.SetBounds(310, 6 + row * 27, 75, 25);
        button.SetCaption("Vender");
    }
    auto& list = form.Add<ListBox>("list");
    list.SetBounds(400, 8, 380, 540);
    for (int i = 0; i < 60; ++i) list.AddItem("Clube " + std::to_string(i));
    form.Show();
    d.Pump();
    return form;
}

void BM_RepaintBusyWindow(benchmark::State& state) {
    TestDriver d(800, 600);
    Form& form = BusyForm(d);
    for (auto _ : state) {
        form.Invalidate();
        d.screen().Paint();
    }
}
BENCHMARK(BM_RepaintBusyWindow)->Unit(benchmark::kMillisecond);

void BM_ClickThroughTheEventLoop(benchmark::State& state) {
    TestDriver d(800, 600);
    BusyForm(d);
    Control& button = d.Get("button10");
    int clicks = 0;
    button.on_click = [&] { ++clicks; };
    for (auto _ : state) {
        d.Advance(1000);  // never a double-click
        d.Click(button);
    }
    benchmark::DoNotOptimize(clicks);
}
BENCHMARK(BM_ClickThroughTheEventLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
