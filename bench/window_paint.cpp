// Repainting a full window of standard controls, one click's round trip through the event
// loop, and one hover change on a window of 60 controls painted and shown (headless, and through
// the SDL back end with its upload): what the player waits for on every change of a busy screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/graphics.h"
#include "platform/window/sdl_backend.h"

#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

// 20 rows of a label, an edit box and a button, `pitch` pixels apart.
template <class ButtonClass>
void AddPlayerRows(Form& form, int pitch, const Rect& first_button, const std::string& caption) {
    for (int row = 0; row < 20; ++row) {
        const std::string n = std::to_string(row);
        auto& label = form.Add<Label>("label" + n);
        label.SetBounds(10, 10 + row * pitch, 0, 0);
        label.SetCaption("Jogador número " + n);
        auto& edit = form.Add<Edit>("edit" + n);
        edit.SetBounds(150, 8 + row * pitch, 150, 21);
        edit.SetText("R$ " + n + ".000,00");
        auto& button = form.Add<ButtonClass>("button" + n);
        button.SetBounds(first_button.left, first_button.top + row * pitch, first_button.width(),
                         first_button.height());
        button.SetCaption(caption);
    }
}

// The rows with a list beside them.
Form& BusyForm(TestDriver& d) {
    Form& form = d.screen().Create<Form>("busy");
    form.SetBounds(0, 0, 800, 600);
    AddPlayerRows<Button>(form, 27, RectOfSize(310, 6, 75, 25), "Vender");
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

// A button that lights up under the mouse, painted with gradients and smoothed text the way the
// game's glow buttons are.
class HotButton : public Control {
  public:
    HotButton() { SetBounds(0, 0, 120, 28); }

  protected:
    void MouseEnter() override {
        hot_ = true;
        Invalidate();
    }
    void MouseLeave() override {
        hot_ = false;
        Invalidate();
    }
    void Paint(Canvas& canvas) override {
        Graphics g(canvas);
        g.SetSmoothing(true);
        const RectF r{0, 0, float(Width() - 1), float(Height() - 1)};
        GraphicsPath path;
        path.AddRoundRectangle(r, 6);
        g.FillPath(GraphicsBrush::LinearGradient(r, hot_ ? 0xFFFFE080 : 0xFF4060A0,
                                                 hot_ ? 0xFFC08000 : 0xFF203060,
                                                 LinearGradientMode::Vertical),
                   path);
        g.DrawPath(GraphicsPen{0xFF101830, 1}, path);
        StringFormat format;
        format.align = format.line_align = StringAlignment::Center;
        g.DrawString(Caption(), font(), r, format, GraphicsBrush::Solid(0xFFFFFFFF));
    }

  private:
    bool hot_ = false;
};

// The rows with lighting buttons, on a 1280x800 screen.
Form& HoverForm(Screen& screen) {
    Form& form = screen.Create<Form>("hover");
    form.SetBounds(0, 0, 1280, 800);
    AddPlayerRows<HotButton>(form, 36, RectOfSize(310, 4, 120, 28), "Vender jogador");
    form.Show();
    screen.Paint();
    return form;
}

// Moves the mouse back and forth between two buttons: each turn one button goes dark and the
// other lights up, and the screen is painted and shown.
void HoverBackAndForth(benchmark::State& state, Screen& screen) {
    const Point at[2] = {screen.FindForm("hover")->Find("button5")->ClientToScreen({60, 14}),
                         screen.FindForm("hover")->Find("button6")->ClientToScreen({60, 14})};
    int turn = 0;
    for (auto _ : state) {
        InputEvent move{InputEvent::MouseMove};
        move.x = at[turn & 1].x;
        move.y = at[turn & 1].y;
        ++turn;
        screen.HandleInput(move);
        screen.Paint();
    }
}

void BM_HoverChange(benchmark::State& state) {
    HeadlessBackend backend(1280, 800);
    Screen screen(backend);
    HoverForm(screen);
    HoverBackAndForth(state, screen);
}
BENCHMARK(BM_HoverChange)->Unit(benchmark::kMicrosecond);

// The same through a real SDL window (the dummy video driver when there is no display), so the
// upload of what changed is measured too.
void BM_HoverChangeSdl(benchmark::State& state) {
    setenv("KORVANEL_SCREEN_SIZE", "1280x800", 1);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("bench", &error);
    if (!backend) {
        state.SkipWithError(error.c_str());
        return;
    }
    {
        Screen screen(*backend);
        HoverForm(screen);
        HoverBackAndForth(state, screen);
    }
}
BENCHMARK(BM_HoverChangeSdl)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
