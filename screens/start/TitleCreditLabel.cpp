#include "screens/start/TitleCreditLabel.h"

#include "platform/window/control_factory.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {

void TitleCreditLabel::MouseMove(ShiftState shift, int x, int y) {
    TMarkupLabel::MouseMove(shift, x, y);
    PassDown(ControlEvent::MouseMove, mbLeft, shift, x, y);
}

void TitleCreditLabel::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    TMarkupLabel::MouseDown(button, shift, x, y);
    PassDown(ControlEvent::MouseDown, button, shift, x, y);
}

void TitleCreditLabel::PassDown(ControlEvent::Kind kind, MouseButton button, ShiftState shift,
                                int x, int y) {
    if (!beneath) return;
    ControlEvent event(kind);
    event.button = button;
    event.shift = shift;
    event.x = x + Left() - beneath->Left();
    event.y = y + Top() - beneath->Top();
    beneath->Dispatch(event);
    if (beneath) cursor = beneath->cursor;
}

void RegisterTitleCreditLabel() {
    RegisterMarkupControlClasses();
    if (FindControlClass("TitleCreditLabel")) return;
    RegisterControlClass({
        .name = "TitleCreditLabel",
        .base = "TMarkupLabel",
        .create = [] { return std::make_unique<TitleCreditLabel>(); },
    });
}

}  // namespace kv
