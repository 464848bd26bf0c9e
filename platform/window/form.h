#pragma once
// A top-level window: borderless or with a simple caption bar, placed by the game or centred on
// the screen, shown normally or modally. Forms register with the current Screen when created.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/window/component.h"
#include "platform/window/control.h"

namespace kv {

enum BorderStyle { bsNone, bsSingle, bsDialog };
enum FormPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum FormStyle { fsNormal, fsStayOnTop };
enum CloseAction { caNone, caHide, caFree };

class Form : public Control {
public:
    explicit Form(std::string name = {});
    ~Form() override;

    BorderStyle Border() const { return border_; }
    void SetBorderStyle(BorderStyle style);
    FormPosition position = poDesigned;
    Form* owner_form = nullptr;  // what poOwnerFormCenter centres on
    // The form paints every pixel itself, alpha included, over whatever lies beneath it: no
    // background, no caption bar (rounded, partly transparent windows).
    bool layered = false;
    FormStyle form_style = fsNormal;
    // A picture tiled over the client area from its top-left corner, beneath every control, in
    // place of the form's colour (which still shows while the picture is empty). Not owned: it
    // must outlive the form. The game's windows set it through TileGameBackground
    // (screens/start/window_background.h) rather than directly.
    const Picture* background_picture = nullptr;
    bool key_preview = false;
    // Pop-ups (menus, drop-down lists) end their modal loop with mrCancel when the mouse is
    // pressed outside them.
    bool close_on_outside_click = false;

    Rect ClientArea() const override;
    void SetClientSize(int width, int height);
    // A form scales its client area (its caption bar and border keep their size) and stays put.
    void ScaleBy(int m, int d) override;
    static constexpr int kCaptionHeight = 20;
    static constexpr int kBorderWidth = 1;

    // Show() puts the form on top of the others (placing it first when centred) and fires
    // on_show, then on_activate; on a shown form it only brings it to the front. Hide() fires
    // on_hide.
    void Show() override;
    // Shows the form and runs a nested event loop until ModalResult is set or the form closes;
    // the other forms take no input meanwhile. Returns the ModalResult.
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int result) { modal_result_ = result; }
    // A close request: on_close_query may refuse it, on_close chooses what happens (hide by
    // default, free, or nothing). On a modal form it ends the loop with mrCancel.
    void Close();
    // Hides the form and frees it once control is back in the event loop.
    void Release() { Free(); }

    Control* ActiveControl() const { return active_control_; }
    void SetActiveControl(Control* control);
    bool Active() const;
    // Moves the focus to the next (or previous) control in tab order, wrapping around.
    void SelectNext(bool forward);
    // Tab, arrows, Enter and Escape as a dialog uses them; true when the key was used.
    virtual bool DialogKey(int key, ShiftState shift);
    // Offers a key to the form's parts (menus with short cuts); true when one used it.
    bool FireShortCut(int key, ShiftState shift);
    // A typed character (or Alt+letter) that the focused control does not take: offered to
    // every control's accelerator, in tree order; true when one used it.
    virtual bool DialogChar(char32_t ch);
    // Where dragging moves the window: the caption bar (minus its close box) by default.
    virtual bool HitCaption(Point client) const;
    // For tests answering a modal window whose buttons are drawn rather than controls: the
    // client point that answers with `modal_result`, and the text the window shows.
    virtual bool AnswerPoint(int /*modal_result*/, Point& /*client*/) const { return false; }
    virtual std::string ShownText() const { return {}; }
    // Another application took the keyboard; pop-ups and drag windows close themselves.
    virtual void ApplicationDeactivated() {}

    // Non-visual parts owned by the form, destroyed with it.
    template <class T>
    T& AddComponent(std::string name) {
        auto c = std::make_unique<T>();
        c->SetName(std::move(name));
        c->SetOwner(this);
        T& ref = *c;
        components_.push_back(std::move(c));
        return ref;
    }
    Component* FindComponent(std::string_view name) const;

    // Subclasses call this at the end of their constructor, once their controls exist.
    void DoCreate();

    std::function<void()> on_create;
    std::function<void()> on_show;
    std::function<void()> on_hide;
    std::function<void()> on_activate;
    std::function<void()> on_deactivate;
    std::function<void(bool& can_close)> on_close_query;
    std::function<void(CloseAction& action)> on_close;
    std::function<void()> on_destroy;

    void Paint(Canvas& canvas) override;

protected:
    void VisibleChanged() override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    virtual bool CloseQuery();
    // Runs on_close with the default action for this form; caNone when refused.
    CloseAction DoClose();

private:
    friend class Screen;
    void PlaceOnScreen();
    void TileClientArea(Canvas& canvas, const Rect& client) const;

    BorderStyle border_ = bsSingle;
    bool modal_ = false;
    int modal_result_ = mrNone;
    bool created_ = false;
    bool closing_ = false;
    int input_blocked_ = 0;  // forms under a modal form take no input
    Control* active_control_ = nullptr;
    std::vector<std::unique_ptr<Component>> components_;
};

}  // namespace kv
