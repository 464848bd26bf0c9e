#include "platform/window/test_driver.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/base/files.h"
#include "platform/base/utf8.h"
#include "platform/window/button.h"

namespace kv {
namespace {

InputEvent MouseEvent(InputEvent::Kind kind, Point p, MouseButton button = mbLeft,
                      ShiftState shift = 0) {
    InputEvent e{kind};
    e.x = p.x;
    e.y = p.y;
    e.button = button;
    e.shift = shift;
    return e;
}

InputEvent KeyEvent(InputEvent::Kind kind, int key, ShiftState shift) {
    InputEvent e{kind};
    e.key = key;
    e.shift = shift;
    return e;
}

Control* FindShown(Control& root, std::string_view name) {
    if (root.Name() == name && root.Visible() && !root.Freed()) return &root;
    for (auto& child : root.Children())
        if (Control* c = FindShown(*child, name)) return c;
    return nullptr;
}

// The texts a modal window shows (not its caption or buttons), for a test to check what the
// player was told.
std::string TextsOf(Control& root) {
    std::string out;
    ForEachControl(root, [&](Control& c) {
        if (&c == &root || c.Caption().empty() || dynamic_cast<Button*>(&c)) return;
        if (!out.empty()) out += '\n';
        out += c.Caption();
    });
    return out;
}

}  // namespace

TestDriver::TestDriver(int width, int height, int dpi)
    : backend_(width, height, dpi), screen_(std::make_unique<Screen>(backend_)) {}

TestDriver::~TestDriver() = default;

Control& TestDriver::Get(std::string_view name) {
    const auto& forms = screen_->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if ((*it)->Visible())
            if (Control* c = FindShown(**it, name)) return *c;
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (Control* c = (*it)->Find(name)) return *c;
    throw std::runtime_error("no control named " + std::string(name));
}

Control& TestDriver::Get(Control& inside, std::string_view name) {
    if (Control* c = inside.Find(name)) return *c;
    throw std::runtime_error("no control named " + std::string(name) + " in " + inside.Name());
}

Control& TestDriver::WithCaption(std::string_view caption) {
    const auto& forms = screen_->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if (!(*it)->Visible()) continue;
        Control* found = nullptr;
        ForEachControl(**it, [&](Control& c) {
            if (!found && c.Caption() == caption && c.Showing()) found = &c;
        });
        if (found) return *found;
    }
    throw std::runtime_error("no control shows " + std::string(caption));
}

bool TestDriver::Exists(std::string_view name) {
    for (Form* f : screen_->Forms())
        if (f->Visible() && FindShown(*f, name)) return true;
    return false;
}

Point TestDriver::CentreOf(Control& control) {
    return control.ClientToScreen({control.ClientWidth() / 2, control.ClientHeight() / 2});
}

void TestDriver::MouseDown(Point p, MouseButton button, ShiftState shift) {
    backend_.Push(MouseEvent(InputEvent::MouseDown, p, button, shift));
    Pump();
}

void TestDriver::MouseUp(Point p, MouseButton button, ShiftState shift) {
    backend_.Push(MouseEvent(InputEvent::MouseUp, p, button, shift));
    Pump();
}

void TestDriver::MouseMove(Point p) {
    backend_.Push(MouseEvent(InputEvent::MouseMove, p));
    Pump();
}

void TestDriver::Wheel(int delta) {
    InputEvent e = MouseEvent(InputEvent::MouseWheel, screen_->MousePos());
    e.wheel = delta;
    backend_.Push(e);
    Pump();
}

void TestDriver::DeactivateApplication() {
    backend_.Push(InputEvent(InputEvent::Deactivate));
    Pump();
}

void TestDriver::MoveTo(Control& control, Point client) {
    MouseMove(client.x < 0 ? CentreOf(control) : control.ClientToScreen(client));
}

void TestDriver::Click(Control& control) {
    ClickAt(control, {control.ClientWidth() / 2, control.ClientHeight() / 2});
}

void TestDriver::ClickAt(Control& control, Point client, MouseButton button) {
    const Point p = control.ClientToScreen(client);
    // Queued together: a click that opens a modal window must find its release in that
    // window's loop, as a real release would.
    backend_.Push(MouseEvent(InputEvent::MouseMove, p));
    backend_.Push(MouseEvent(InputEvent::MouseDown, p, button));
    backend_.Push(MouseEvent(InputEvent::MouseUp, p, button));
    Pump();
}

void TestDriver::DoubleClick(Control& control) {
    Click(control);
    Click(control);
}

void TestDriver::DragTo(Control& from, Control& to) {
    const Point a = CentreOf(from), b = CentreOf(to);
    MouseMove(a);
    MouseDown(a);
    for (int step = 1; step <= 4; ++step)
        MouseMove({a.x + (b.x - a.x) * step / 4, a.y + (b.y - a.y) * step / 4});
    MouseUp(b);
}

void TestDriver::Type(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const size_t end = Utf8CharEnd(utf8, i);
        InputEvent e{InputEvent::Text};
        e.text = std::string(utf8.substr(i, end - i));
        backend_.Push(e);
        i = end;
    }
    Pump();
}

void TestDriver::Press(int key, ShiftState shift) {
    backend_.Push(KeyEvent(InputEvent::KeyDown, key, shift));
    backend_.Push(KeyEvent(InputEvent::KeyUp, key, shift));
    Pump();
}

void TestDriver::KeyDown(int key, ShiftState shift) {
    backend_.Push(KeyEvent(InputEvent::KeyDown, key, shift));
    Pump();
}

void TestDriver::KeyUp(int key, ShiftState shift) {
    backend_.Push(KeyEvent(InputEvent::KeyUp, key, shift));
    Pump();
}

void TestDriver::Pump() { screen_->ProcessMessages(); }

void TestDriver::Advance(int ms) {
    const int64_t target = backend_.Now() + ms;
    for (int guard = 0; guard < 1000000; ++guard) {
        const int64_t due = screen_->NextDue();
        if (due < 0 || due > target) break;
        if (due > backend_.Now()) backend_.SetNow(due);
        Pump();
        if (screen_->NextDue() == due) break;  // nothing moved: a timer busy in its own handler
    }
    // A modal loop inside a handler may have let time pass beyond the target already.
    if (backend_.Now() < target) backend_.SetNow(target);
    Pump();
}

void TestDriver::AnswerModal(int modal_result) {
    Then([this, modal_result] {
        Form* form = screen_->TopForm();
        if (!form || !form->Modal()) throw std::runtime_error("no modal window is waiting");
        std::string texts = TextsOf(*form);
        const std::string shown = form->ShownText();
        if (!shown.empty()) texts += (texts.empty() ? "" : "\n") + shown;
        messages_.push_back(std::move(texts));
        Button* answer = nullptr;
        ForEachControl(*form, [&](Control& c) {
            auto* b = dynamic_cast<Button*>(&c);
            if (!answer && b && b->modal_result == modal_result && b->Showing()) answer = b;
        });
        Point drawn;
        if (!answer && !form->AnswerPoint(modal_result, drawn))
            throw std::runtime_error("the modal window has no button for that answer");
        const Point p = answer ? CentreOf(*answer) : form->ClientToScreen(drawn);
        InputEvent move{InputEvent::MouseMove};
        move.x = p.x;
        move.y = p.y;
        InputEvent down = move, up = move;
        down.kind = InputEvent::MouseDown;
        up.kind = InputEvent::MouseUp;
        backend_.Push(move);
        backend_.Push(down);
        backend_.Push(up);
    });
}

std::string TestDriver::SavePng(const std::string& file_name) {
    const char* dir = std::getenv("KORVANEL_TEST_OUTPUT_DIR");
    const std::string folder = dir && *dir ? dir : "test-output";
    MakeFolders(folder);
    const std::string path = JoinPath(folder, file_name);
    return screen_->SavePng(path) ? path : std::string();
}

}  // namespace kv
