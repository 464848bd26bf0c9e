#pragma once
// Drives windows in tests with no display: finds controls by name, clicks and types through the
// same event path as a real mouse and keyboard, moves the virtual clock (firing due timers in
// order), answers message boxes and saves the screen as PNG.
//
// A modal window runs its loop inside the call that opened it, so what to do in it is queued
// first and runs when that loop waits:
//   TestDriver d;
//   auto& form = d.screen().Create<TForm21>();
//   form.Show();
//   d.AnswerModal(mrYes);           // the confirmation the next click will raise
//   d.Click("btapagar");            // returns once the confirmation has been answered
//   EXPECT_EQ(d.Messages().back(), "Apagar o jogo?");
// A loop left waiting with nothing queued and no timer to wait for throws HeadlessStall.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/headless_backend.h"
#include "platform/window/screen.h"

namespace kv {

class TestDriver {
public:
    explicit TestDriver(int width = 1024, int height = 768, int dpi = 96);
    ~TestDriver();

    Screen& screen() { return *screen_; }
    HeadlessBackend& backend() { return backend_; }

    // The shown control of that name, searching the forms from the top; throws when none.
    Control& Get(std::string_view name);
    Control& Get(Control& inside, std::string_view name);
    template <class T>
    T& Get(std::string_view name) {
        return Cast<T>(Get(name), name);
    }
    bool Exists(std::string_view name);
    // The shown control with that caption ("Continuar >>"), searching from the top form.
    Control& WithCaption(std::string_view caption);

    // Mouse: moves there first (hover), then presses and releases; points are screen pixels.
    void Click(std::string_view name) { Click(Get(name)); }
    void Click(Control& control);
    void ClickAt(Control& control, Point client_point, MouseButton button = mbLeft);
    void DoubleClick(Control& control);
    void MoveTo(Control& control, Point client_point = {-1, -1});
    void MouseDown(Point screen_point, MouseButton button = mbLeft, ShiftState shift = 0);
    void MouseUp(Point screen_point, MouseButton button = mbLeft, ShiftState shift = 0);
    void MouseMove(Point screen_point);
    void Wheel(int delta);
    // Presses on `from`, moves in steps onto `to` and releases there.
    void DragTo(Control& from, Control& to);

    // Keyboard: each character typed as the text input of a keyboard would send it.
    void Type(std::string_view utf8);
    void Press(int key, ShiftState shift = 0);
    // One half of a press, for what happens while a key is held down.
    void KeyDown(int key, ShiftState shift = 0);
    void KeyUp(int key, ShiftState shift = 0);

    // The game's window loses the focus to another application.
    void DeactivateApplication();
    // Moves the virtual clock forward, stopping at each timer due on the way.
    void Advance(int ms);
    // Handles everything queued.
    void Pump();
    // Runs the next time an event loop waits with nothing to do (inside a modal window).
    void Then(std::function<void()> step) { backend_.Then(std::move(step)); }
    // When the next modal window waits, clicks its button with that modal result and records
    // the window's texts (its labels, not its caption or buttons) in Messages(). Windows that
    // draw their own buttons and text answer through Form::AnswerPoint and Form::ShownText.
    void AnswerModal(int modal_result);
    const std::vector<std::string>& Messages() const { return messages_; }

    // Caption of labels, buttons and forms; text of edits.
    std::string Text(std::string_view name) { return Get(name).Caption(); }

    // Paints and writes the screen under the tests' output folder; returns the path written.
    std::string SavePng(const std::string& file_name);

private:
    template <class T>
    static T& Cast(Control& c, std::string_view name) {
        if (auto* t = dynamic_cast<T*>(&c)) return *t;
        throw std::runtime_error("control " + std::string(name) + " is of another class");
    }
    Point CentreOf(Control& control);

    HeadlessBackend backend_;
    std::unique_ptr<Screen> screen_;
    std::vector<std::string> messages_;
};

}  // namespace kv
