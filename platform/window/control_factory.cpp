#include "platform/window/control_factory.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "platform/base/ascii.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/form.h"
#include "platform/window/gauge.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/list_view.h"
#include "platform/window/memo.h"
#include "platform/window/page_control.h"
#include "platform/window/panel.h"
#include "platform/window/radio_button.h"
#include "platform/window/scroll_box.h"
#include "platform/window/shape.h"
#include "platform/window/track_bar.h"

namespace kv {
namespace {

// Every control takes these; the window itself ("TForm") adds its own on top.
constexpr const char* kCommonClass = "TControl";

using Registry = std::map<std::string, ControlClass, std::less<>>;

void RegisterStandardClasses(Registry& registry);

Registry& Classes() {
    static Registry registry = [] {
        Registry r;
        RegisterStandardClasses(r);
        return r;
    }();
    return registry;
}

const ControlClass* BaseOf(const ControlClass& c) {
    if (c.name == kCommonClass) return nullptr;
    return FindControlClass(c.base.empty() ? std::string_view(kCommonClass) : c.base);
}

// Follows the chain of bases; a class that names itself, directly or not, ends it.
template <class F>
auto FirstInChain(const ControlClass& start, F pick) -> decltype(pick(start)) {
    int guard = 0;
    for (const ControlClass* c = &start; c && guard < 32; c = BaseOf(*c), ++guard)
        if (auto found = pick(*c)) return found;
    return nullptr;
}

template <class T>
std::unique_ptr<Control> Make() {
    return std::make_unique<T>();
}

const std::initializer_list<std::pair<std::string_view, int>> kModalResults = {
    {"mrNone", mrNone},   {"mrOk", mrOk},         {"mrCancel", mrCancel}, {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore}, {"mrYes", mrYes},       {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrClose", mrClose}};

// The room a caption gets inside a control of the given size, by how each control paints it.
CaptionCheck TextIn(Rect (*room)(const Control&), unsigned (*flags)(const Control&)) {
    return [room, flags](const Control& c) {
        return CheckTextFits(c.Caption(), c.font(), room(c), flags(c));
    };
}

Rect Whole(const Control& c) {
    return {0, 0, c.Width(), c.Height()};
}

unsigned LabelFlags(const Control& c) {
    const auto& label = dynamic_cast<const Label&>(c);
    unsigned flags = DT_EXPANDTABS;
    if (label.WordWrap()) flags |= DT_WORDBREAK;
    if (!label.show_accel_char) flags |= DT_NOPREFIX;
    return flags;
}

unsigned OneLine(const Control&) {
    return DT_SINGLELINE;
}

void RegisterStandardClasses(Registry& r) {
    auto add = [&r](ControlClass c) {
        std::string name = c.name;
        r[name] = std::move(c);
    };

    add({.name = kCommonClass,
         .properties = {
             {"Visible", [](Control& c, const PropertyValue& v) { c.SetVisible(v.Bool()); }},
             {"Enabled", [](Control& c, const PropertyValue& v) { c.SetEnabled(v.Bool()); }},
             {"TabOrder", [](Control& c, const PropertyValue& v) { c.SetTabOrder(v.Int()); }},
             {"TabStop", [](Control& c, const PropertyValue& v) { c.tab_stop = v.Bool(); }},
             {"Tag", [](Control& c, const PropertyValue& v) { c.tag = v.Int(); }},
             {"Hint", [](Control& c, const PropertyValue& v) { c.hint = std::string(v.Text()); }},
             {"ShowHint", [](Control& c, const PropertyValue& v) { c.show_hint = v.Bool(); }},
             {"Cursor", [](Control& c, const PropertyValue& v) { c.cursor = v.Cursor(); }},
             {"Transparent", [](Control& c, const PropertyValue& v) { c.transparent = v.Bool(); }},
             {"Align",
              [](Control& c, const PropertyValue& v) {
                  c.SetAlign(v.Enum<Align>({{"alNone", alNone},
                                            {"alTop", alTop},
                                            {"alBottom", alBottom},
                                            {"alLeft", alLeft},
                                            {"alRight", alRight},
                                            {"alClient", alClient}}));
              }},
         }});

    add({.name = "TForm",
         .properties = {
             ControlProperty::Of<Form>(
                 "BorderStyle",
                 [](Form& f, const PropertyValue& v) {
                     f.SetBorderStyle(v.Enum<BorderStyle>(
                         {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsDialog", bsDialog}}));
                 }),
             ControlProperty::Of<Form>("Position",
                                       [](Form& f, const PropertyValue& v) {
                                           f.position = v.Enum<FormPosition>(
                                               {{"poDesigned", poDesigned},
                                                {"poScreenCenter", poScreenCenter},
                                                {"poDesktopCenter", poDesktopCenter},
                                                {"poMainFormCenter", poMainFormCenter},
                                                {"poOwnerFormCenter", poOwnerFormCenter}});
                                       }),
             ControlProperty::Of<Form>(
                 "KeyPreview", [](Form& f, const PropertyValue& v) { f.key_preview = v.Bool(); }),
             ControlProperty::Of<Form>("FormStyle",
                                       [](Form& f, const PropertyValue& v) {
                                           f.form_style =
                                               v.Enum<FormStyle>({{"fsNormal", fsNormal},
                                                                  {"fsStayOnTop", fsStayOnTop}});
                                       }),
         }});

    add({.name = "TLabel",
         .create = Make<Label>,
         .properties =
             {
                 ControlProperty::Of<Label>(
                     "AutoSize", [](Label& l, const PropertyValue& v) { l.SetAutoSize(v.Bool()); }),
                 ControlProperty::Of<Label>(
                     "WordWrap", [](Label& l, const PropertyValue& v) { l.SetWordWrap(v.Bool()); }),
                 ControlProperty::Of<Label>("Alignment",
                                            [](Label& l, const PropertyValue& v) {
                                                l.SetAlignment(v.Enum(kAlignmentNames));
                                            }),
                 ControlProperty::Of<Label>("Layout",
                                            [](Label& l, const PropertyValue& v) {
                                                l.layout =
                                                    v.Enum<TextLayout>({{"tlTop", tlTop},
                                                                        {"tlCenter", tlCenter},
                                                                        {"tlBottom", tlBottom}});
                                            }),
                 ControlProperty::Of<Label>(
                     "ShowAccelChar",
                     [](Label& l, const PropertyValue& v) { l.show_accel_char = v.Bool(); }),
             },
         .check_caption = TextIn(Whole, LabelFlags)});

    add({.name = "TButton",
         .create = Make<Button>,
         .properties =
             {
                 ControlProperty::Of<Button>("ModalResult",
                                             [](Button& b, const PropertyValue& v) {
                                                 b.modal_result = v.Enum(kModalResults);
                                             }),
                 ControlProperty::Of<Button>(
                     "Default", [](Button& b, const PropertyValue& v) { b.is_default = v.Bool(); }),
                 ControlProperty::Of<Button>(
                     "Cancel", [](Button& b, const PropertyValue& v) { b.cancel = v.Bool(); }),
             },
         // Inside the 2-pixel edge and the default button's extra frame.
         .check_caption =
             TextIn([](const Control& c) { return Whole(c).inflate(-3, -3); }, OneLine)});

    add({.name = "TEdit",
         .create = Make<Edit>,
         .properties =
             {
                 ControlProperty::Of<Edit>(
                     "MaxLength", [](Edit& e, const PropertyValue& v) { e.max_length = v.Int(); }),
                 ControlProperty::Of<Edit>(
                     "ReadOnly", [](Edit& e, const PropertyValue& v) { e.read_only = v.Bool(); }),
                 ControlProperty::Of<Edit>(
                     "AutoSelect",
                     [](Edit& e, const PropertyValue& v) { e.auto_select = v.Bool(); }),
                 ControlProperty::Of<Edit>("PasswordChar",
                                           [](Edit& e, const PropertyValue& v) {
                                               const std::u32string c = ToUtf32(v.Text());
                                               if (c.size() != 1)
                                                   throw LayoutError("one character is needed");
                                               e.password_char = c[0];
                                           }),
             },
         .set_caption =
             [](Control& c, std::string_view text) {
                 dynamic_cast<Edit&>(c).SetText(std::string(text));
             },
         .check_caption = TextIn([](const Control& c) { return Whole(c).inflate(-2, -2); },
                                 [](const Control&) { return DT_SINGLELINE | DT_NOPREFIX; })});

    // Memos and lists scroll what does not fit, so their texts are not measured.
    add({.name = "TMemo",
         .create = Make<Memo>,
         .properties =
             {
                 ControlProperty::Of<Memo>(
                     "WordWrap", [](Memo& m, const PropertyValue& v) { m.word_wrap = v.Bool(); }),
                 ControlProperty::Of<Memo>(
                     "ReadOnly", [](Memo& m, const PropertyValue& v) { m.read_only = v.Bool(); }),
             },
         .set_caption = [](Control& c, std::string_view text) {
             dynamic_cast<Memo&>(c).SetText(std::string(text));
         }});

    add({.name = "TCheckBox",
         .create = Make<CheckBox>,
         .properties = {ControlProperty::Of<CheckBox>(
             "Checked", [](CheckBox& c, const PropertyValue& v) { c.SetChecked(v.Bool()); })},
         // Beside the 13-pixel box, with the focus rectangle's two pixels past the text.
         .check_caption = TextIn(
             [](const Control& c) {
                 return Rect{17, 0, c.Width() - 2, c.Height()};
             },
             OneLine)});
    add({.name = "TRadioButton", .base = "TCheckBox", .create = Make<RadioButton>});

    const ControlProperty items = {"Items", [](Control& c, const PropertyValue& v) {
                                       if (auto* list = dynamic_cast<ListBox*>(&c))
                                           list->SetItems(v.Lines());
                                       else if (auto* combo = dynamic_cast<ComboBox*>(&c))
                                           combo->SetItems(v.Lines());
                                       else
                                           throw LayoutError("the control has no items");
                                   }};
    add({.name = "TListBox",
         .create = Make<ListBox>,
         .properties = {
             items,
             ControlProperty::Of<ListBox>(
                 "ItemHeight", [](ListBox& l, const PropertyValue& v) { l.item_height = v.Int(); }),
             ControlProperty::Of<ListBox>(
                 "ItemIndex", [](ListBox& l, const PropertyValue& v) { l.SetItemIndex(v.Int()); }),
         }});
    add({.name = "TComboBox",
         .create = Make<ComboBox>,
         .properties = {
             items,
             ControlProperty::Of<ComboBox>(
                 "ItemIndex", [](ComboBox& b, const PropertyValue& v) { b.SetItemIndex(v.Int()); }),
             ControlProperty::Of<ComboBox>(
                 "DropDownCount",
                 [](ComboBox& b, const PropertyValue& v) { b.drop_down_count = v.Int(); }),
         }});

    add({.name = "TImage",
         .create = Make<Image>,
         .properties = {
             ControlProperty::Of<Image>(
                 "Picture", [](Image& i, const PropertyValue& v) { i.SetPicture(v.GetPicture()); }),
             ControlProperty::Of<Image>(
                 "Center", [](Image& i, const PropertyValue& v) { i.center = v.Bool(); }),
             ControlProperty::Of<Image>(
                 "Stretch", [](Image& i, const PropertyValue& v) { i.stretch = v.Bool(); }),
             ControlProperty::Of<Image>(
                 "Proportional",
                 [](Image& i, const PropertyValue& v) { i.proportional = v.Bool(); }),
             ControlProperty::Of<Image>(
                 "AutoSize", [](Image& i, const PropertyValue& v) { i.auto_size = v.Bool(); }),
             ControlProperty::Of<Image>(
                 "Transparent",
                 [](Image& i, const PropertyValue& v) { i.SetTransparent(v.Bool()); }),
         }});

    add({.name = "TShape",
         .create = Make<Shape>,
         .properties = {
             ControlProperty::Of<Shape>("Shape",
                                        [](Shape& s, const PropertyValue& v) {
                                            s.shape =
                                                v.Enum<ShapeType>({{"stRectangle", stRectangle},
                                                                   {"stSquare", stSquare},
                                                                   {"stRoundRect", stRoundRect},
                                                                   {"stRoundSquare", stRoundSquare},
                                                                   {"stEllipse", stEllipse},
                                                                   {"stCircle", stCircle}});
                                        }),
             ControlProperty::Of<Shape>(
                 "PenColor", [](Shape& s, const PropertyValue& v) { s.pen.color = v.Color(); }),
             ControlProperty::Of<Shape>(
                 "PenWidth", [](Shape& s, const PropertyValue& v) { s.pen.width = v.Int(); }),
             ControlProperty::Of<Shape>(
                 "BrushColor", [](Shape& s, const PropertyValue& v) { s.brush.color = v.Color(); }),
             ControlProperty::Of<Shape>("BrushStyle",
                                        [](Shape& s, const PropertyValue& v) {
                                            s.brush.style = v.Enum<BrushStyle>(
                                                {{"bsSolid", bsSolid}, {"bsClear", bsClear}});
                                        }),
         }});

    add({.name = "TPanel",
         .create = Make<Panel>,
         .properties =
             {
                 ControlProperty::Of<Panel>("BevelOuter",
                                            [](Panel& p, const PropertyValue& v) {
                                                p.bevel_outer = v.Enum(kBevelCutNames);
                                            }),
                 ControlProperty::Of<Panel>("BevelInner",
                                            [](Panel& p, const PropertyValue& v) {
                                                p.bevel_inner = v.Enum(kBevelCutNames);
                                            }),
                 ControlProperty::Of<Panel>(
                     "BevelWidth",
                     [](Panel& p, const PropertyValue& v) { p.bevel_width = v.Int(); }),
                 ControlProperty::Of<Panel>(
                     "BorderWidth",
                     [](Panel& p, const PropertyValue& v) { p.border_width = v.Int(); }),
                 ControlProperty::Of<Panel>("Alignment",
                                            [](Panel& p, const PropertyValue& v) {
                                                p.alignment = v.Enum(kAlignmentNames);
                                            }),
             },
         // Inside both bevels and the border between them.
         .check_caption = TextIn(
             [](const Control& c) {
                 const auto& p = dynamic_cast<const Panel&>(c);
                 const int edge = (p.bevel_outer != bvNone ? p.bevel_width : 0) + p.border_width +
                                  (p.bevel_inner != bvNone ? p.bevel_width : 0);
                 return Whole(c).inflate(-edge, -edge);
             },
             OneLine)});

    add({.name = "TBevel",
         .create = Make<Bevel>,
         .properties = {
             ControlProperty::Of<Bevel>("Shape",
                                        [](Bevel& b, const PropertyValue& v) {
                                            b.shape =
                                                v.Enum<BevelShape>({{"bsBox", bsBox},
                                                                    {"bsFrame", bsFrame},
                                                                    {"bsTopLine", bsTopLine},
                                                                    {"bsBottomLine", bsBottomLine},
                                                                    {"bsLeftLine", bsLeftLine},
                                                                    {"bsRightLine", bsRightLine},
                                                                    {"bsSpacer", bsSpacer}});
                                        }),
             ControlProperty::Of<Bevel>("Style",
                                        [](Bevel& b, const PropertyValue& v) {
                                            b.style = v.Enum<BevelStyle>(
                                                {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}});
                                        }),
         }});

    add({.name = "TScrollBox",
         .create = Make<ScrollBox>,
         .properties = {ControlProperty::Of<ScrollBox>(
             "BorderStyle",
             [](ScrollBox& s, const PropertyValue& v) {
                 s.border = v.Enum<bool>({{"bsNone", false}, {"bsSingle", true}});
             })},
         .scrolls_children = true});

    add({.name = "TGauge",
         .create = Make<Gauge>,
         .properties = {
             ControlProperty::Of<Gauge>(
                 "MinValue", [](Gauge& g, const PropertyValue& v) { g.min_value = v.Int(); }),
             ControlProperty::Of<Gauge>(
                 "MaxValue", [](Gauge& g, const PropertyValue& v) { g.max_value = v.Int(); }),
             ControlProperty::Of<Gauge>(
                 "Progress", [](Gauge& g, const PropertyValue& v) { g.SetProgress(v.Int()); }),
             ControlProperty::Of<Gauge>(
                 "ShowText", [](Gauge& g, const PropertyValue& v) { g.show_text = v.Bool(); }),
             ControlProperty::Of<Gauge>(
                 "ForeColor", [](Gauge& g, const PropertyValue& v) { g.fore_color = v.Color(); }),
         }});

    add({.name = "TPageControl",
         .create = Make<PageControl>,
         .properties = {ControlProperty::Of<PageControl>(
             "ShowTabs",
             [](PageControl& p, const PropertyValue& v) { p.SetShowTabs(v.Bool()); })}});

    add({.name = "TTabSheet",
         .create = Make<TabSheet>,
         .properties = {ControlProperty::Of<TabSheet>(
             "TabVisible",
             [](TabSheet& t, const PropertyValue& v) { t.SetTabVisible(v.Bool()); })}});

    add({.name = "TListView", .create = Make<ListView>});

    add({.name = "TTrackBar",
         .create = Make<TrackBar>,
         .properties = {
             ControlProperty::Of<TrackBar>(
                 "Min", [](TrackBar& t, const PropertyValue& v) { t.SetMin(v.Int()); }),
             ControlProperty::Of<TrackBar>(
                 "Max", [](TrackBar& t, const PropertyValue& v) { t.SetMax(v.Int()); }),
             ControlProperty::Of<TrackBar>(
                 "Position", [](TrackBar& t, const PropertyValue& v) { t.SetPosition(v.Int()); }),
             ControlProperty::Of<TrackBar>(
                 "Frequency", [](TrackBar& t, const PropertyValue& v) { t.frequency = v.Int(); }),
         }});
}

}  // namespace

const std::initializer_list<std::pair<std::string_view, Alignment>> kAlignmentNames = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const std::initializer_list<std::pair<std::string_view, BevelCut>> kBevelCutNames = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};

bool PropertyValue::Bool() const {
    if (EqualsIgnoreAsciiCase(text_, "True")) return true;
    if (EqualsIgnoreAsciiCase(text_, "False")) return false;
    throw LayoutError(Quoted() + " is neither True nor False");
}

int PropertyValue::Int() const {
    int value = 0;
    const char* begin = text_.data();
    const char* end = begin + text_.size();
    const auto [last, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || last != end || text_.empty())
        throw LayoutError(Quoted() + " is not a whole number");
    return value;
}

TColor PropertyValue::Color() const {
    TColor color = 0;
    if (ColorFromName(text_, color)) return color;
    std::string_view digits = text_;
    int base = 10;
    if (!digits.empty() && digits[0] == '$') {
        digits.remove_prefix(1);
        base = 16;
    }
    unsigned value = 0;
    const auto [last, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc() || last != digits.data() + digits.size())
        throw LayoutError(Quoted() + " is not a colour");
    return static_cast<TColor>(value);
}

int PropertyValue::Cursor() const {
    static const std::initializer_list<std::pair<std::string_view, int>> kCursors = {
        {"crDefault", crDefault}, {"crArrow", crArrow},         {"crCross", crCross},
        {"crIBeam", crIBeam},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
        {"crNoDrop", crNoDrop},   {"crHandPoint", crHandPoint}};
    if (!text_.empty() && (text_[0] == '-' || (text_[0] >= '0' && text_[0] <= '9'))) return Int();
    return Enum(kCursors);
}

Picture PropertyValue::GetPicture() const {
    if (!pictures_) throw LayoutError("the window names no source of pictures");
    Picture picture = pictures_(text_);
    if (picture.empty()) throw LayoutError("no picture named " + Quoted());
    return picture;
}

std::vector<std::string> PropertyValue::Lines() const {
    std::vector<std::string> lines;
    std::string_view rest = text_;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return lines;
}

void RegisterControlClass(ControlClass control_class) {
    std::string name = control_class.name;
    Classes()[name] = std::move(control_class);
}

const ControlClass* FindControlClass(std::string_view name) {
    const Registry& registry = Classes();
    const auto it = registry.find(name);
    return it == registry.end() ? nullptr : &it->second;
}

void SetControlProperty(const ControlClass& control_class, Control& control, std::string_view name,
                        const PropertyValue& value) {
    const ControlProperty* property = FirstInChain(control_class, [&](const ControlClass& c) {
        const auto it = std::find_if(c.properties.begin(), c.properties.end(),
                                     [&](const ControlProperty& p) { return p.name == name; });
        return it == c.properties.end() ? nullptr : &*it;
    });
    if (!property) throw LayoutError(control_class.name + " has no property " + std::string(name));
    try {
        property->set(control, value);
    } catch (const LayoutError& e) {
        throw LayoutError("property " + std::string(name) + ": " + e.what());
    }
}

void SetControlCaption(const ControlClass& control_class, Control& control,
                       std::string_view caption) {
    const auto* set = FirstInChain(control_class, [](const ControlClass& c) {
        return c.set_caption ? &c.set_caption : nullptr;
    });
    if (set)
        (*set)(control, caption);
    else
        control.SetCaption(std::string(caption));
}

const CaptionCheck* CaptionCheckOf(const ControlClass& control_class) {
    return FirstInChain(control_class, [](const ControlClass& c) {
        return c.check_caption ? &c.check_caption : nullptr;
    });
}

bool ScrollsChildren(const ControlClass& control_class) {
    return FirstInChain(control_class, [](const ControlClass& c) {
               return c.scrolls_children ? &c : nullptr;
           }) != nullptr;
}

std::string CheckTextFits(std::string_view text, const Font& font, const Rect& room,
                          unsigned flags) {
    if (text.empty()) return {};
    // Measured as drawn but never cut: a caption that needs an ellipsis does not fit.
    flags &= ~(DT_CALCRECT | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
    const TextBlock block = LayoutText(text, font, std::max(room.width(), 1), flags);
    return CaptionMisfit(text, font, {block.width, block.height}, room);
}

std::string CaptionMisfit(std::string_view text, const Font& font, Size need, const Rect& room) {
    if (need.cx <= room.width() && need.cy <= room.height()) return {};
    return "\"" + std::string(text) + "\" needs " + std::to_string(need.cx) + " x " +
           std::to_string(need.cy) + " px in " + font.name + " " + std::to_string(font.size) +
           ", has " + std::to_string(room.width()) + " x " + std::to_string(room.height());
}

}  // namespace kv
