#pragma once
// A control of the window tree. Every input reaches a control through Dispatch, which drops it
// when the control (or a parent) is disabled and then calls one overridable handler per kind;
// the default handlers call the `on_...` callbacks the game's windows wire up.
//
// A control owns its children. Coordinates are pixels relative to the parent's client area;
// mouse handlers get points relative to the control's own client area.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/utf8.h"
#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "platform/window/keys.h"

namespace kv {

class Canvas;
class Form;
class PopupMenu;
class Screen;

enum Align { alNone, alTop, alBottom, alLeft, alRight, alClient };

// What the hint window shows: plain text, or whatever `paint` draws inside a box of `size`.
struct HintInfo {
    std::string text;
    Point pos;   // screen top-left of the hint window
    Size size;   // zero: measured from the text
    std::function<void(Canvas&, const Rect&)> paint;
};
enum DragMode { dmManual, dmAutomatic };

struct ControlEvent {
    enum Kind {
        MouseDown,
        MouseMove,
        MouseUp,
        Click,
        DblClick,
        MouseWheel,
        MouseEnter,
        MouseLeave,
        KeyDown,
        KeyPress,
        KeyUp,
        Enter,  // gets the keyboard focus
        Exit,   // loses it
    };
    ControlEvent() = default;
    explicit ControlEvent(Kind k) : kind(k) {}

    Kind kind = Click;
    MouseButton button = mbLeft;
    ShiftState shift = 0;
    int x = 0, y = 0;  // client coordinates of the control
    int wheel = 0;
    int* key = nullptr;       // KeyDown, KeyUp: set to 0 to swallow the key
    char32_t* ch = nullptr;   // KeyPress: set to 0 to swallow the character
    bool handled = false;     // MouseWheel: the control used it
};

class Control {
public:
    explicit Control(std::string name = {});
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // --- tree
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Control* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
    // Creates a child owned by this control, on top of its siblings.
    template <class T, class... Args>
    T& Add(std::string name, Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        child->SetName(std::move(name));
        T& ref = *child;
        Adopt(std::move(child));
        return ref;
    }
    Control& Adopt(std::unique_ptr<Control> child);
    // Hands a child back to the caller; a handler that wants a control gone uses Free() instead.
    std::unique_ptr<Control> Detach(Control& child);
    // Moves this control, with its ownership, under another parent.
    void SetParent(Control& parent);
    Form* ParentForm();
    // The first control of that name in this subtree (this one included), depth first.
    Control* Find(std::string_view name);
    template <class T>
    T* FindAs(std::string_view name) {
        return dynamic_cast<T*>(Find(name));
    }
    void BringToFront();
    void SendToBack();
    // Hides the control at once and destroys it when control is back in the event loop, so a
    // handler may free its own control, or its form, safely.
    void Free();
    bool Freed() const;  // this control or a parent is waiting to be destroyed

    // --- geometry
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    Rect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    // Where the client area lies inside the control's own rectangle (forms with a caption bar,
    // panels with borders, scroll boxes scrolled).
    virtual Rect ClientArea() const { return {0, 0, Width(), Height()}; }
    // How far the children are scrolled inside the client area (scroll boxes).
    virtual Point ScrollOffset() const { return {0, 0}; }
    int ClientWidth() const { return ClientArea().width(); }
    int ClientHeight() const { return ClientArea().height(); }
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;
    Align AlignMode() const { return align_; }
    void SetAlign(Align align);
    // Scales bounds and own fonts of this control and its children by m/d (rounded to nearest).
    virtual void ScaleBy(int m, int d);

    // --- state
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    virtual void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and all its parents up to a shown form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    // Whether a text of this control (and of those inside it) that would not read on what lies
    // under it gets a black or white ring; off for a control that only shades another's text.
    bool RingsUnreadableText() const { return rings_unreadable_text_; }
    void SetRingsUnreadableText(bool on);
    void SetEnabled(bool enabled);
    bool EnabledInTree() const;  // itself and every parent enabled
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // The control's colour, or its parent's while it uses the parent's (labels, check boxes).
    TColor Color() const;
    void SetColor(TColor color);
    // The control's own font, or its parent's while it has none of its own.
    const Font& font() const;
    void SetFont(const Font& font);
    bool ParentFont() const { return parent_font_; }

    int tag = 0;
    int cursor = crDefault;
    std::string hint;
    bool show_hint = false;
    bool transparent = false;
    PopupMenu* popup_menu = nullptr;  // shown on a right-button release
    DragMode drag_mode = dmManual;
    int drag_cursor = crDrag;

    // --- keyboard
    // Windowed controls can hold the keyboard focus and take part in the tab order.
    bool Windowed() const { return windowed_; }
    bool tab_stop = false;
    int TabOrder() const { return tab_order_; }
    void SetTabOrder(int order);
    bool Focused() const;
    bool CanFocus() const;
    void SetFocus();
    // Asked when the hint is due over this control, with the mouse in client coordinates and
    // `info` holding the short hint (before a '|') under the mouse; may change any of it, or
    // return false to show nothing.
    virtual bool PrepareHint(Point mouse, HintInfo& info);

    // Keys the control handles itself instead of the form's dialog keys (Tab, arrows, Enter,
    // Escape).
    virtual bool WantsKey(int key) const;
    // A dialog key (Tab, arrows, Enter, Escape, with any modifiers) that the focused control
    // does not take, offered to it and then to each of its parents before the form uses it;
    // true when used (Ctrl+Tab turns the pages of the page control the focus is in).
    virtual bool DialogKeyInside(int /*key*/, ShiftState /*shift*/) { return false; }
    // The control that Enter (default button) or Escape (cancel button) clicks.
    virtual bool DefaultFor(int) const { return false; }
    // Controls that take typed characters themselves (text boxes) keep them from accelerators.
    virtual bool WantsChars() const { return false; }
    // Uses the character when it is this control's accelerator (the letter after '&' in its
    // caption, case ignored); true when used.
    virtual bool Accelerator(char32_t) { return false; }

    // --- painting
    // Marks the control for repainting; only the parts of the screen marked are painted and shown.
    void Invalidate();
    // Marks a part of the control, in the coordinates Paint draws in (its own rectangle), for
    // repainting: a row of a list, a blinking caret, one cell of a grid.
    void InvalidateRect(const Rect& r);
    void Update();  // paints what is invalid now
    void Repaint() {
        Invalidate();
        Update();
    }
    virtual void Paint(Canvas& canvas);
    // Paints this control and its children into `canvas`, already clipped and translated to
    // this control's rectangle.
    void PaintTree(Canvas& canvas, const Rect& dirty);

    // --- drag and drop
    // Starts a drag at once, or once the mouse moves `threshold` pixels with the button held.
    void BeginDrag(bool immediate, int threshold = 5);
    bool Dragging() const;

    // --- events
    void Dispatch(ControlEvent& event);

    std::function<void()> on_click;
    std::function<void()> on_dbl_click;
    std::function<void()> on_mouse_enter;
    std::function<void()> on_mouse_leave;
    std::function<void()> on_enter;
    std::function<void()> on_exit;
    std::function<void(MouseButton, ShiftState, int x, int y)> on_mouse_down;
    std::function<void(MouseButton, ShiftState, int x, int y)> on_mouse_up;
    std::function<void(ShiftState, int x, int y)> on_mouse_move;
    std::function<void(ShiftState, int delta, int x, int y, bool& handled)> on_mouse_wheel;
    std::function<void(int& key, ShiftState)> on_key_down;
    std::function<void(int& key, ShiftState)> on_key_up;
    std::function<void(char32_t& key)> on_key_press;
    std::function<void(Canvas&)> on_paint;
    std::function<void()> on_resize;
    std::function<void(Control& source, int x, int y, bool& accept)> on_drag_over;
    std::function<void(Control& source, int x, int y)> on_drag_drop;
    std::function<void()> on_start_drag;
    std::function<void(Control* target, int x, int y)> on_end_drag;

    // What Screen checks when a drag passes over this control; the default asks on_drag_over and
    // refuses when nobody listens.
    virtual bool DragOver(Control& source, int x, int y);
    virtual void DragDrop(Control& source, int x, int y);

protected:
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled);
    virtual void Click();
    virtual void DblClick();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void KeyDown(int& key, ShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void KeyUp(int& key, ShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void Resized();
    virtual void Moved() {}
    virtual void CaptionChanged() {}
    virtual void EnabledChanged() {}
    virtual void VisibleChanged() {}
    // A control inside this one took the keyboard focus (scroll boxes bring it into view).
    virtual void DescendantFocused(Control&) {}
    virtual void FontChanged() {}
    // Lays out the children that have an Align other than alNone.
    void Realign();
    void StartHidden() { visible_ = false; }
    void ScaleFontAndChildren(int m, int d);
    void UseParentColor() { parent_color_ = true; }
    // A property of the look: set, and repainted only when it really changed.
    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }

    bool windowed_ = false;
    // Input goes to the control on both presses of a double-click as plain presses.
    bool double_clicks_ = true;

private:
    friend class Screen;
    void ChildrenChanged();

    std::string name_;
    Control* parent_ = nullptr;
    std::vector<std::unique_ptr<Control>> children_;
    Rect bounds_;
    Align align_ = alNone;
    bool visible_ = true;
    bool enabled_ = true;
    bool freed_ = false;
    bool realigning_ = false;
    int tab_order_ = -1;
    std::string caption_;
    TColor color_ = clBtnFace;
    Font font_;
    bool parent_font_ = true;
    bool rings_unreadable_text_ = true;
    bool parent_color_ = false;
};

// The accelerator of a caption ("&Sim" -> 's'), lower-cased, or 0 when it has none.
char32_t AcceleratorOf(std::string_view caption);

// Every control of a subtree, depth first, parents before children.
void ForEachControl(Control& root, const std::function<void(Control&)>& visit);

}  // namespace kv
