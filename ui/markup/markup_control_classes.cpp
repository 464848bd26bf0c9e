#include "ui/markup/markup_control_classes.h"

#include "platform/gfx/canvas.h"
#include "platform/window/control_factory.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

std::vector<ControlProperty> LabelProperties() {
    using P = const PropertyValue&;
    using L = TMarkupLabel&;
    return {
        ControlProperty::Of<TMarkupLabel>("AutoSizing",
                                          [](L l, P v) { l.SetAutoSizing(v.Bool()); }),
        ControlProperty::Of<TMarkupLabel>(
            "AutoSizeType",
            [](L l, P v) {
                l.SetAutoSizeType(v.Enum<TAutoSizeType>({{"asVertical", asVertical},
                                                         {"asHorizontal", asHorizontal},
                                                         {"asBoth", asBoth}}));
            }),
        ControlProperty::Of<TMarkupLabel>(
            "VAlignment",
            [](L l, P v) {
                l.SetVAlignment(v.Enum<TVAlignment>(
                    {{"tvaTop", tvaTop}, {"tvaCenter", tvaCenter}, {"tvaBottom", tvaBottom}}));
            }),
        ControlProperty::Of<TMarkupLabel>("Transparent",
                                          [](L l, P v) { l.SetTransparent(v.Bool()); }),
        ControlProperty::Of<TMarkupLabel>("ShadowColor",
                                          [](L l, P v) { l.SetShadowColor(v.Color()); }),
        ControlProperty::Of<TMarkupLabel>("ShadowOffset",
                                          [](L l, P v) { l.SetShadowOffset(v.Int()); }),
        ControlProperty::Of<TMarkupLabel>("ShadowRing",
                                          [](L l, P v) { l.SetShadowRing(v.Bool()); }),
        ControlProperty::Of<TMarkupLabel>("URLColor", [](L l, P v) { l.SetURLColor(v.Color()); }),
        ControlProperty::Of<TMarkupLabel>("ColorTo", [](L l, P v) { l.SetColorTo(v.Color()); }),
        ControlProperty::Of<TMarkupLabel>(
            "GradientType",
            [](L l, P v) {
                l.SetGradientType(v.Enum<TGradientType>({{"gtFullHorizontal", gtFullHorizontal},
                                                         {"gtFullVertical", gtFullVertical},
                                                         {"gtBottomLine", gtBottomLine},
                                                         {"gtCenterLine", gtCenterLine},
                                                         {"gtTopLine", gtTopLine}}));
            }),
        ControlProperty::Of<TMarkupLabel>("LineWidth", [](L l, P v) { l.SetLineWidth(v.Int()); }),
        ControlProperty::Of<TMarkupLabel>(
            "BevelInner", [](L l, P v) { l.SetBevelInner(v.Enum(kBevelCutNames)); }),
        ControlProperty::Of<TMarkupLabel>(
            "BevelOuter", [](L l, P v) { l.SetBevelOuter(v.Enum(kBevelCutNames)); }),
        ControlProperty::Of<TMarkupLabel>("BevelWidth", [](L l, P v) { l.SetBevelWidth(v.Int()); }),
        ControlProperty::Of<TMarkupLabel>("BorderWidth",
                                          [](L l, P v) { l.SetBorderWidth(v.Int()); }),
        ControlProperty::Of<TMarkupLabel>("BorderColor",
                                          [](L l, P v) { l.SetBorderColor(v.Color()); }),
        ControlProperty::Of<TMarkupLabel>("Ellipsis", [](L l, P v) { l.SetEllipsis(v.Bool()); }),
        ControlProperty::Of<TMarkupLabel>("LineSpacing",
                                          [](L l, P v) { l.SetLineSpacing(v.Int()); }),
        ControlProperty::Of<TMarkupLabel>("Hover", [](L l, P v) { l.hover = v.Bool(); }),
        ControlProperty::Of<TMarkupLabel>("HoverColor",
                                          [](L l, P v) { l.hover_color = v.Color(); }),
        ControlProperty::Of<TMarkupLabel>("HoverFontColor",
                                          [](L l, P v) { l.hover_font_color = v.Color(); }),
        ControlProperty::Of<TMarkupLabel>("AnchorHint", [](L l, P v) { l.anchor_hint = v.Bool(); }),
    };
}

// A label that sizes itself to its text is measured only across what it does not grow in.
std::string CheckLabel(const Control& c) {
    const auto& label = dynamic_cast<const TMarkupLabel&>(c);
    Rect room{0, 0, label.Width(), label.Height()};
    if (label.AutoSizing()) {
        const TAutoSizeType type = label.AutoSizeType();
        if (type == asHorizontal || type == asBoth) room.right = 1 << 20;
        if (type == asVertical || type == asBoth) room.bottom = 1 << 20;
    }
    return CheckMarkupFits(label.GetDisplayText(), label.font(), room, label.ShadowOffset());
}

std::vector<ControlProperty> ButtonProperties() {
    using P = const PropertyValue&;
    using B = TCustomMarkupButton&;
    return {
        ControlProperty::Of<TCustomMarkupButton>(
            "ButtonType",
            [](B b, P v) {
                b.SetButtonType(v.Enum<TButtonType>({{"btClassic", btClassic},
                                                     {"btBorland", btBorland},
                                                     {"btFlat", btFlat},
                                                     {"btOrvik", btOrvik},
                                                     {"btWinXP", btWinXP},
                                                     {"btTheme", btTheme}}));
            }),
        ControlProperty::Of<TCustomMarkupButton>(
            "Alignment", [](B b, P v) { b.SetAlignment(v.Enum(kAlignmentNames)); }),
        ControlProperty::Of<TCustomMarkupButton>("Transparent",
                                                 [](B b, P v) { b.SetTransparent(v.Bool()); }),
        ControlProperty::Of<TCustomMarkupButton>("ShadowColor",
                                                 [](B b, P v) { b.SetShadowColor(v.Color()); }),
        ControlProperty::Of<TCustomMarkupButton>("ShadowOffset",
                                                 [](B b, P v) { b.SetShadowOffset(v.Int()); }),
        ControlProperty::Of<TCustomMarkupButton>("CheckColor",
                                                 [](B b, P v) { b.SetCheckColor(v.Color()); }),
    };
}

std::string CheckButton(const Control& c) {
    const auto& button = dynamic_cast<const TCustomMarkupButton&>(c);
    return CheckMarkupFits(button.Caption(), button.font(), button.CaptionArea(), 1);
}

}  // namespace

std::string CheckMarkupFits(std::string_view markup, const Font& font, const Rect& room,
                            int shadow_offset) {
    Canvas canvas(1, 1);
    canvas.font = font;
    MarkupOptions o;
    o.bounds = {room.left, room.top, room.right, room.top + (1 << 20)};
    o.hit_test_only = true;
    o.shadow_offset = shadow_offset;
    const MarkupResult m = DrawMarkup(canvas, markup, o);
    return CaptionMisfit(markup, font, {m.extent_x, m.extent_y}, room);
}

void RegisterMarkupControlClasses() {
    if (FindControlClass("TMarkupLabel")) return;
    RegisterControlClass({
        .name = "TMarkupLabel",
        .create = [] { return std::make_unique<TMarkupLabel>(); },
        .properties = LabelProperties(),
        .set_caption =
            [](Control& c, std::string_view text) {
                dynamic_cast<TMarkupLabel&>(c).SetHTMLText(text);
            },
        .check_caption = CheckLabel,
    });
    RegisterControlClass({
        .name = "TCustomMarkupButton",
        .properties = ButtonProperties(),
        .check_caption = CheckButton,
    });
    RegisterControlClass({
        .name = "TMarkupCheckBox",
        .base = "TCustomMarkupButton",
        .create = [] { return std::make_unique<TMarkupCheckBox>(); },
        .properties = {ControlProperty::Of<TMarkupCheckBox>(
            "Checked", [](TMarkupCheckBox& b, const PropertyValue& v) { b.SetChecked(v.Bool()); })},
    });
    RegisterControlClass({
        .name = "TMarkupRadioButton",
        .base = "TCustomMarkupButton",
        .create = [] { return std::make_unique<TMarkupRadioButton>(); },
        .properties = {ControlProperty::Of<TMarkupRadioButton>(
            "Checked",
            [](TMarkupRadioButton& b, const PropertyValue& v) { b.SetChecked(v.Bool()); })},
    });
}

}  // namespace kv
