#pragma once
// The desktop the game sees: one back buffer holding every shown form in z-order, the event
// loop, timers, keyboard focus, mouse capture and hover, hints, drag and drop, the cursor and
// destruction deferred until control is back in an event loop that no handler of the freed
// window is running. One Screen exists at a time (Screen::Get()); the back end below it is an SDL
// window or nothing at all.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/window/backend.h"
#include "platform/window/form.h"

namespace kv {

class Timer;
class Canvas;
class Picture;
class ScreenPainter;

class Screen {
public:
    explicit Screen(Backend& backend);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    static Screen& Get();
    static Screen* Current() { return current_; }

    Backend& backend() { return backend_; }
    int Width() const { return size_.cx; }
    int Height() const { return size_.cy; }
    Rect WorkArea() const { return backend_.WorkArea(); }
    int PixelsPerInch() const { return backend_.PixelsPerInch(); }
    int64_t Now() const { return backend_.Now(); }

    // --- forms
    // Creates a form owned by the screen; Free()/Release() or a caFree close destroys it later.
    template <class T, class... Args>
    T& Create(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *form;
        owned_forms_.push_back(std::move(form));
        return ref;
    }
    // Every form, bottom to top.
    const std::vector<Form*>& Forms() const { return forms_; }
    // The top-most shown form that takes input (a modal form, or one shown above it).
    Form* TopForm() const;
    Form* ActiveForm() const { return active_form_; }
    Form* MainForm() const { return main_form_; }
    Form* FindForm(std::string_view name) const;

    // --- event loop
    // Shows the main form and runs until it closes or Terminate() is called.
    void Run(Form& main_form);
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Handles every event already waiting, fires due timers and paints; never waits.
    void ProcessMessages();
    // One turn of the loop; with `wait`, sleeps until input or the next timer.
    void HandleMessage(bool wait);
    // Input straight from the back end (or a test), in screen coordinates.
    void HandleInput(const InputEvent& event);
    // Another application took the keyboard: every form is told (open pop-ups close).
    void ApplicationDeactivated();
    // Fires every timer due by now, earliest first; returns how many fired.
    int FireDueTimers();
    // When the next timer (or hint) is due; -1 when nothing is armed.
    int64_t NextDue() const;

    // --- keyboard focus, mouse capture, hover
    Control* Focused() const { return focused_; }
    void SetFocus(Control* control);
    Control* Capture() const { return capture_; }
    void SetCapture(Control* control) { capture_ = control; }
    // Forgets the pressed button and the capture, so the release goes where the mouse is.
    void ReleaseMouse() {
        capture_ = pressed_ = nullptr;
        buttons_ = 0;
    }
    Control* Hovered() const { return hovered_; }
    Point MousePos() const { return mouse_; }
    ShiftState MouseButtons() const { return buttons_; }
    // The control of a shown form under a screen point, input blocking ignored.
    Control* ControlAt(Point screen_point) const;

    // --- cursors: Screen.Cursor overrides every control (the hourglass around long steps)
    int ScreenCursor() const { return screen_cursor_; }
    void SetScreenCursor(int cursor);
    int ShownCursor() const { return shown_cursor_; }
    // Registers a cursor made from pixels, or a picture, under a number (copied).
    void SetCursorImage(int number, const PixelView& pixels, Point hot_spot);
    void SetCursorImage(int number, const Picture& picture, Point hot_spot);

    // --- hints
    int hint_pause_ms = 500;
    bool HintShowing() const { return hint_showing_; }
    const std::string& HintText() const { return hint_.text; }
    const HintInfo& Hint() const { return hint_; }
    Rect HintRect() const { return RectOfSize(hint_.pos.x, hint_.pos.y, hint_.size.cx, hint_.size.cy); }
    // Hides the hint; it comes again after the next pause over a control.
    void CancelHint();

    // --- drag and drop
    void BeginDrag(Control& source, bool immediate, int threshold);
    bool Dragging() const { return drag_.active; }
    Control* DragSource() const { return drag_.source; }

    // --- painting
    void Invalidate(const Rect& screen_rect);
    bool NeedsPaint() const { return !dirty_.empty(); }
    // Paints every invalid part of the screen into the back buffer and presents it.
    void Paint();
    // The back buffer as pixels; valid until the next Paint.
    PixelView BackBuffer() const;
    // The colour of one pixel of the back buffer (after Paint).
    TColor PixelAt(int x, int y) const;
    // Paints and writes the whole screen as PNG.
    bool SavePng(const std::string& path);
    // Off while nobody looks at the screen (a play-through run for its results): nothing is
    // painted and invalidations are dropped, while layout, input, timers and every handler run
    // as ever. Turned on again, the whole screen is painted afresh; SavePng always paints.
    void SetPainting(bool on);
    bool Painting() const { return painting_; }
    // When true, invalidations are painted as they come (a test may switch it off to count).
    TColor desktop_color = 0x804000;

    // --- clipboard
    std::string ClipboardText() const { return backend_.ClipboardText(); }
    void SetClipboardText(const std::string& text) { backend_.SetClipboardText(text); }

    // --- for controls, forms and timers
    void Register(Form& form);
    void Unregister(Form& form);
    void Register(Timer& timer);
    void Unregister(Timer& timer);
    // A registered timer's due time, interval or switch changed.
    void Reschedule(Timer& timer);
    void DeferDelete(Control& control);
    // Drops every reference the screen keeps to a control and its children.
    void Forget(Control& control);
    // A control's destructor: forgets it, and it no longer holds its window in use.
    void Destroyed(Control& control);
    void BringToFront(Form& form);
    void Activate(Form* form);
    void FormHidden(Form& form);
    bool TakesInput(const Form& form) const;
    // Holds a window while code that works on it runs (a handler, a timer, the routing of one
    // input): nothing freed in the window of `control` (its top-level form and every control in
    // it) is destroyed until the hold ends, even when the code runs a modal loop meanwhile. With
    // `whole_window` false only the control itself and its parents are held (a modal loop holds
    // its own form, not what is freed inside it). Freed windows nobody holds are destroyed at
    // the next turn of whichever event loop runs, however deeply nested.
    class InUse {
      public:
        explicit InUse(Control* control, bool whole_window = true);
        ~InUse();
        InUse(const InUse&) = delete;
        InUse& operator=(const InUse&) = delete;

      private:
        Screen* screen_;
    };
    // Destroys nothing at all while it lives (painting, which must never run a loop, holds it).
    struct Busy {
        explicit Busy(Screen& s) : screen(s) { ++screen.busy_; }
        ~Busy() { --screen.busy_; }
        Screen& screen;
    };
    int modal_depth = 0;
    // The application's title, the caption of plain message boxes.
    std::string title = "Korvanel 2014";
    // Called each time an event loop has handled what was pending and painted, before it waits
    // for more input: the program can tell the outside which windows are on screen.
    std::function<void()> on_idle;

private:
    friend class Form;
    void MouseInput(const InputEvent& event);
    void KeyInput(const InputEvent& event);
    void CharInput(char32_t ch);
    void DispatchMouse(Control& target, ControlEvent::Kind kind, const InputEvent& event,
                       ShiftState shift);
    void UpdateHover(Control* under);
    void UpdateCursor();
    void HideHint();
    void CheckHint();
    void DragMove(Point p);
    void EndDrag(Point p, bool drop);
    void DeletePending();
    bool HeldInUse(const Control& control) const;
    Form* InputForm() const;  // the form that receives keys

    static Screen* current_;
    Backend& backend_;
    Size size_;
    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> owned_forms_;
    std::vector<Control*> pending_delete_;
    struct Hold {
        Control* control;  // null once destroyed
        bool whole_window;
    };
    std::vector<Hold> in_use_;
    bool deleting_ = false;
    // The forms each running modal loop keeps from input, so one destroyed meanwhile drops out.
    std::vector<std::vector<Form*>*> modal_blocked_;
    std::map<uint64_t, Timer*> timers_;
    // Whether this very timer, not another of the same serial, is registered here.
    bool Holds(const Timer& timer) const;
    // The timers that can run (enabled, with an interval), by due time then serial: the clock
    // steps look only at the front, not at every timer of every window.
    std::set<std::pair<int64_t, uint64_t>> schedule_;
    uint64_t next_timer_serial_ = 1;
    Form* active_form_ = nullptr;
    Form* main_form_ = nullptr;
    Control* focused_ = nullptr;
    Control* capture_ = nullptr;
    Control* hovered_ = nullptr;
    Control* pressed_ = nullptr;  // the left press that may become a click
    Form* moving_form_ = nullptr;  // dragged by its caption
    bool swallow_text_ = false;    // the text an Alt+letter may type
    Point move_grab_;
    bool terminated_ = false;
    int busy_ = 0;
    Point mouse_;
    ShiftState buttons_ = 0;

    // Double-clicks: a second press soon and near the first, on the same control.
    Control* last_press_target_ = nullptr;
    int64_t last_press_time_ = -100000;
    Point last_press_point_;
    MouseButton last_press_button_ = mbLeft;

    int screen_cursor_ = crDefault;
    int shown_cursor_ = crArrow;
    struct CursorImage {
        std::vector<uint32_t> pixels;
        int width = 0, height = 0;
        Point hot_spot;
    };
    std::map<int, CursorImage> cursors_;

    int64_t hover_since_ = 0;
    bool hint_showing_ = false;
    bool hint_done_ = false;  // shown once per hover
    HintInfo hint_;

    struct Drag {
        Control* source = nullptr;
        bool active = false;
        int threshold = 5;
        Point start;
        Control* target = nullptr;
        bool accepted = false;
    } drag_;

    std::vector<Rect> dirty_;
    std::unique_ptr<ScreenPainter> painter_;
    bool painting_ = true;
};

// Screen-wide shortcuts for the game's windows.
inline void ProcessMessages() { Screen::Get().ProcessMessages(); }

}  // namespace kv
