#include "platform/window/layout_builder.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/label.h"

namespace kv {
namespace {

Font FontOf(const LayoutFont& f) {
    Font font;
    font.name = std::string(f.name);
    font.size = f.size;
    font.style = f.style;
    font.color = f.color;
    return font;
}

std::string Where(const WindowLayout& layout, const LayoutControl* row) {
    std::string where(layout.name);
    if (row) where += "." + std::string(row->name) + " (" + std::string(row->class_name) + ")";
    return where;
}

void ApplyLook(Control& control, const LayoutFont& font, TColor color) {
    if (font.given()) control.SetFont(FontOf(font));
    if (color != clDefault) control.SetColor(color);
}

// The order every tab stop of one parent is put in once all its siblings exist.
struct TabPlace {
    Control* control;
    int order;
};

void BuildRows(Form& form, const WindowLayout& layout) {
    std::map<std::string_view, Control*> made;
    std::map<Control*, std::vector<TabPlace>> tab_places;
    for (const LayoutControl& row : layout.controls) {
        const std::string where = Where(layout, &row);
        if (row.name.empty())
            throw LayoutError(std::string(layout.name) + ": a control has no name");
        if (made.contains(row.name) || row.name == layout.name)
            throw LayoutError(where + ": the name is used twice");
        const ControlClass* control_class = FindControlClass(row.class_name);
        if (!control_class || !control_class->create)
            throw LayoutError(where + ": no control class " + std::string(row.class_name));
        Control* parent = &form;
        if (!row.parent.empty()) {
            const auto it = made.find(row.parent);
            if (it == made.end())
                throw LayoutError(where + ": its parent " + std::string(row.parent) +
                                  " is not a row above it");
            parent = it->second;
        }

        std::unique_ptr<Control> made_control = control_class->create();
        made_control->SetName(std::string(row.name));
        Control& control = parent->Adopt(std::move(made_control));
        made[row.name] = &control;
        try {
            ApplyLook(control, row.font, row.color);
            for (const LayoutProperty& p : row.properties) {
                const PropertyValue value(p.value, layout.pictures);
                if (p.name == "TabOrder")
                    tab_places[parent].push_back({&control, value.Int()});
                else
                    SetControlProperty(*control_class, control, p.name, value);
            }
            control.SetBounds(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height);
            if (!row.caption.empty()) SetControlCaption(*control_class, control, row.caption);
        } catch (const LayoutError& e) {
            throw LayoutError(where + ": " + e.what());
        }
    }
    // Placing them from the first position on leaves each where its row says.
    for (auto& [parent, places] : tab_places) {
        std::stable_sort(places.begin(), places.end(),
                         [](const TabPlace& a, const TabPlace& b) { return a.order < b.order; });
        for (const TabPlace& place : places) place.control->SetTabOrder(place.order);
    }
}

// The height one line of a label's font takes.
int LineHeight(const Label& label) {
    return LayoutText("Ág", label.font(), 1000, DT_SINGLELINE).line_height;
}

// The labels of a fixed size that hold one line of their text.
void LabelsHoldingALine(const Control& holder, std::vector<Label*>& labels) {
    for (const auto& child : holder.Children()) {
        if (auto* label = dynamic_cast<Label*>(child.get());
            label && !label->AutoSize() && !label->WordWrap() &&
            label->Height() >= LineHeight(*label))
            labels.push_back(label);
        LabelsHoldingALine(*child, labels);
    }
}

}  // namespace

void BuildLayout(Form& form, const WindowLayout& layout, LayoutScale scale) {
    if (layout.register_classes) layout.register_classes();
    const ControlClass* form_class = FindControlClass("TForm");
    try {
        ApplyLook(form, layout.font, layout.color);
        for (const LayoutProperty& p : layout.properties)
            SetControlProperty(*form_class, form, p.name, PropertyValue(p.value, layout.pictures));
    } catch (const LayoutError& e) {
        throw LayoutError(Where(layout, nullptr) + ": " + e.what());
    }
    form.SetClientSize(layout.client_width, layout.client_height);
    if (!layout.caption.empty()) form.SetCaption(std::string(layout.caption));
    BuildRows(form, layout);
    if (layout.scales && scale.denominator > 0 && scale.numerator != scale.denominator) {
        // A font grows by whole points and its line can outgrow the rounded height of a label
        // that held it: such a label grows to hold its line again.
        std::vector<Label*> holding;
        LabelsHoldingALine(form, holding);
        form.ScaleBy(scale.numerator, scale.denominator);
        for (Label* label : holding)
            if (const int line = LineHeight(*label); label->Height() < line)
                label->SetBounds(label->Left(), label->Top(), label->Width(), line);
    }
}

std::string MissingControlMessage(const Control& root, std::string_view name, bool other_class) {
    return root.Name() + ": " + (other_class ? "the control " : "no control ") + std::string(name) +
           (other_class ? " is of another class" : "");
}

}  // namespace kv
