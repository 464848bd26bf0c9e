#pragma once
// Moving a column by dragging its header: a floating copy of the header follows the mouse
// (TColumnDragBox) and two small red arrows above and below the header row mark where the
// column would land (TDragArrow). Both are borderless windows above every other that never keep
// the keyboard; the grid places them and answers the box's move and drop reports.

#include <functional>

#include "platform/window/form.h"

namespace kv {

class TGrCustomColumn;

class TColumnDragBox : public Form {
  public:
    // `grid` lends its font and gets the activation back whenever the box is shown.
    explicit TColumnDragBox(Control& grid);

    TGrCustomColumn* Column = nullptr;
    // Screen points of the mouse.
    std::function<void(TColumnDragBox&, int x, int y)> OnMove;
    std::function<void(TColumnDragBox&, int x, int y)> OnDrop;
    // The drag ended without a drop (the application lost the focus).
    std::function<void(TColumnDragBox&)> OnCancel;

    // Shows the box where it stands (unless `hidden`) and takes the mouse until the left button
    // is released: every move and that release reach the box.
    void BeginDrag(bool hidden, TGrCustomColumn& column);
    void Paint(Canvas& canvas) override;
    void ApplicationDeactivated() override;
    // Ends a drag without a drop: the box hides, lets the mouse go and tells OnCancel.
    void Cancel();

  protected:
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;

  private:
    Control* grid_;
};

class TDragArrow : public Form {
  public:
    static constexpr int kSize = 9;
    enum { kUp = 1, kDown = 2 };

    explicit TDragArrow(Control& grid);
    int Direction() const { return direction_; }
    void SetDirection(int value);
    // Whether a pixel of the arrow's own rectangle belongs to the arrow's shape.
    bool InShape(Point p) const;
    void Paint(Canvas& canvas) override;
    void ApplicationDeactivated() override { Hide(); }

  private:
    int direction_ = 0;
};

}  // namespace kv
