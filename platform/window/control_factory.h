#pragma once
// Makes controls by class name for the layout tables. The standard controls of this folder are
// always registered (a new one adds its entry to RegisterStandardClasses in control_factory.cpp);
// other libraries (mark-up labels, custom-drawn controls, the grid, a window's own control
// classes) register theirs with one call each, so this layer never depends on them. A table
// that uses such classes names the function that registers them (WindowLayout's
// register_classes), so the table builds wherever it is walked:
//
//   RegisterControlClass({
//       .name = "TUiGlowButton",
//       .create = [] { return std::make_unique<TUiGlowButton>(); },
//       .properties = {
//           ControlProperty::Of<TUiGlowButton>("GlowColor", [](TUiGlowButton& b,
//                                                              const PropertyValue& v) {
//               b.SetGlowColor(v.Color());
//           }),
//       },
//       .check_caption = ...,  // how the caption is measured, if it shows one
//   });
//
// A class takes its own properties, then its base's (a registered class name), then the ones
// every control takes: Visible, Enabled, TabOrder, TabStop, Tag, Hint, ShowHint, Cursor,
// Align and Transparent.

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"
#include "platform/window/control.h"
#include "platform/window/label.h"
#include "platform/window/layout_table.h"
#include "platform/window/panel.h"

namespace kv {

// A table that cannot be built: an unknown class or property, a bad value, a missing parent.
class LayoutError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One property's value as the table writes it. The readers throw LayoutError on a value of
// the wrong kind.
class PropertyValue {
  public:
    PropertyValue(std::string_view text, LayoutPictureSource pictures = nullptr)
        : text_(text), pictures_(pictures) {}

    std::string_view Text() const { return text_; }
    bool Bool() const;  // True or False
    int Int() const;
    TColor Color() const;  // a colour's name ("clWhite") or a number ("$00FF00", "32768")
    int Cursor() const;    // "crHandPoint", or a number for the game's own cursors
    // A picture of the window's picture source; refused when the source has none of that name.
    Picture GetPicture() const;
    // Lines written one to a line ("Sim\nNão").
    std::vector<std::string> Lines() const;
    template <class E>
    E Enum(std::initializer_list<std::pair<std::string_view, E>> names) const {
        std::string choices;
        for (const auto& [name, value] : names) {
            if (name == text_) return value;
            choices += (choices.empty() ? "" : ", ") + std::string(name);
        }
        throw LayoutError(Quoted() + " is not one of " + choices);
    }

  private:
    std::string Quoted() const { return "\"" + std::string(text_) + "\""; }
    std::string_view text_;
    LayoutPictureSource pictures_;
};

struct ControlProperty {
    std::string_view name;
    std::function<void(Control&, const PropertyValue&)> set;

    // A property of controls of class T.
    template <class T, class F>
    static ControlProperty Of(std::string_view name, F set) {
        return {name, [set](Control& c, const PropertyValue& v) {
                    auto* t = dynamic_cast<T*>(&c);
                    if (!t) throw LayoutError("the control does not take this property");
                    set(*t, v);
                }};
    }
};

// Whether a caption fits its control: empty when it does, otherwise what is wrong.
using CaptionCheck = std::function<std::string(const Control&)>;

struct ControlClass {
    std::string name = {};  // as the tables write it: "TLabel"
    std::string base = {};  // a registered class whose properties it takes as well, or empty
    std::function<std::unique_ptr<Control>()> create = {};
    std::vector<ControlProperty> properties = {};
    // How the table's caption reaches the control (its base's way, or SetCaption, when empty).
    std::function<void(Control&, std::string_view)> set_caption = {};
    // How the layout check measures the caption (its base's way when empty); a class without
    // one anywhere shows no caption of its own.
    CaptionCheck check_caption = {};
    // Its children may reach below its client area: it scrolls them.
    bool scrolls_children = false;
};

// How the tables write the enumerations several classes share.
extern const std::initializer_list<std::pair<std::string_view, Alignment>> kAlignmentNames;
extern const std::initializer_list<std::pair<std::string_view, BevelCut>> kBevelCutNames;

// Adds a class, or replaces the one of that name.
void RegisterControlClass(ControlClass control_class);
// The class of that name, or null.
const ControlClass* FindControlClass(std::string_view name);
// Sets one property by the class's table, then its bases', then the common one; throws
// LayoutError naming the property when nobody takes it or its value is bad.
void SetControlProperty(const ControlClass& control_class, Control& control, std::string_view name,
                        const PropertyValue& value);
void SetControlCaption(const ControlClass& control_class, Control& control,
                       std::string_view caption);
// The class's caption check, or its nearest base's; null when none has one.
const CaptionCheck* CaptionCheckOf(const ControlClass& control_class);
bool ScrollsChildren(const ControlClass& control_class);

// Whether `text` fits `room` in `font` when drawn by Canvas::DrawText with `flags`; empty when
// it does. The measure is the real font's, through the same text layout the painting uses.
std::string CheckTextFits(std::string_view text, const Font& font, const Rect& room,
                          unsigned flags);
// Empty when text measured at `need` fits `room`, otherwise what a caption check says of it.
std::string CaptionMisfit(std::string_view text, const Font& font, Size need, const Rect& room);

}  // namespace kv
