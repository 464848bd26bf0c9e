#pragma once
// The window of the smooth message dialog: borderless, painted with alpha from an off-screen
// picture, so the transparent margin and the rounded corners show what lies behind it. It turns
// keys and the mouse into focus moves, pressed buttons, link clicks and the dialog's close, lets
// the user drag it by its caption bar and copies the message to the clipboard with Ctrl+C.

#include <memory>
#include <string>

#include "platform/gfx/gdiplus.h"
#include "platform/window/form.h"

namespace kv {

class TUiSmoothMessageDialog;
class TUiSmoothMessageDialogButton;

class TUiSmoothMessageDialogForm : public Form {
  public:
    explicit TUiSmoothMessageDialogForm(TUiSmoothMessageDialog* dialog);
    ~TUiSmoothMessageDialogForm() override;

    TUiSmoothMessageDialog* Dialog() const { return dialog_; }
    // Forgets the dialog (it is going away); every handler then does only the form's part.
    void DetachDialog() { dialog_ = nullptr; }

    // Prepares the hidden window: borderless, placed by the dialog, measured, laid out and
    // painted.
    void InitWindow();
    // Widens or heightens the window to its buttons when needed and places every button.
    void LayoutButtons();
    // Paints the whole dialog onto the surface, or into the window's picture when none.
    void DrawDialog(TGPGraphics* surface);
    // A picture of the window's size, painted anew, and the window repainted.
    void ResizeBuffer();
    void RefreshWindow();
    void CopyToClipboard(const std::string& text);
    // The window's picture (null before the first measure).
    const TGPBitmap* Buffer() const { return buffer_.get(); }

    bool DialogKey(int key, ShiftState shift) override;
    bool DialogChar(char32_t ch) override;
    // The caption bar, or the top margin when there is no caption.
    bool HitCaption(Point client) const override;
    // The centre of the first enabled button with that result, and the message without tags.
    bool AnswerPoint(int modal_result, Point& client) const override;
    std::string ShownText() const override;
    void Paint(Canvas& canvas) override;

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyUp(int& key, ShiftState shift) override;

  private:
    void DrawDialogButton(Graphics& g, int index, const TUiSmoothMessageDialogButton& button);
    void CreateBuffer();
    // Moves the focus one button on (or back), wrapping around.
    void StepDefault(int by);

    TUiSmoothMessageDialog* dialog_;
    bool key_down_seen_ = false;
    int pressed_button_ = -1;
    bool mouse_down_on_button_ = false;
    std::unique_ptr<TGPBitmap> buffer_;
};

}  // namespace kv
