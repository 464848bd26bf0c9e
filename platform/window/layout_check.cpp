#include "platform/window/layout_check.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/window/control_factory.h"
#include "platform/window/form.h"
#include "platform/window/layout_builder.h"

namespace kv {
namespace {

std::string Where(const WindowLayout& layout, const LayoutControl& row) {
    return std::string(layout.name) + "." + std::string(row.name) + " (" +
           std::string(row.class_name) + ")";
}

std::string Describe(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.width()) + " x " + std::to_string(r.height()) + ")";
}

// What can be told from the table alone; the rest needs the controls built.
std::vector<std::string> CheckRows(const WindowLayout& layout) {
    std::vector<std::string> faults;
    std::set<std::string_view> names{layout.name};
    for (const LayoutControl& row : layout.controls) {
        if (!row.parent.empty() && !names.contains(row.parent))
            faults.push_back(Where(layout, row) + ": its parent " + std::string(row.parent) +
                             " is not a row above it");
        if (!names.insert(row.name).second)
            faults.push_back(Where(layout, row) + ": the name is used twice");
        if (!FindControlClass(row.class_name))
            faults.push_back(Where(layout, row) + ": no control class " +
                             std::string(row.class_name));
    }
    return faults;
}

const LayoutProperty* FindProperty(const LayoutControl& row, std::string_view name) {
    const auto it = std::find_if(row.properties.begin(), row.properties.end(),
                                 [&](const LayoutProperty& p) { return p.name == name; });
    return it == row.properties.end() ? nullptr : &*it;
}

void CheckPlaces(const WindowLayout& layout, Form& form, std::vector<std::string>& faults) {
    std::map<std::string_view, const ControlClass*> classes;
    for (const LayoutControl& row : layout.controls)
        classes[row.name] = FindControlClass(row.class_name);
    for (const LayoutControl& row : layout.controls) {
        const Control& control = *form.Find(row.name);
        const Control& parent = *control.Parent();
        const Rect room{0, 0, parent.ClientWidth(), parent.ClientHeight()};
        const Rect r = control.BoundsRect();
        const auto parent_class = classes.find(parent.Name());
        const bool scrolls =
            parent_class != classes.end() && ScrollsChildren(*parent_class->second);
        if (r.left < room.left || r.top < room.top || r.right > room.right ||
            (!scrolls && r.bottom > room.bottom)) {
            faults.push_back(Where(layout, row) + ": " + Describe(r) + " lies outside " +
                             parent.Name() + "'s client area " + Describe(room));
        }
    }
}

void CheckCaptions(const WindowLayout& layout, Form& form, std::vector<std::string>& faults) {
    for (const LayoutControl& row : layout.controls) {
        if (row.caption.empty()) continue;
        const CaptionCheck* check = CaptionCheckOf(*FindControlClass(row.class_name));
        if (!check) continue;
        const std::string fault = (*check)(*form.Find(row.name));
        if (!fault.empty())
            faults.push_back(Where(layout, row) + ": the caption does not fit: " + fault);
    }
}

void CheckTabOrder(const WindowLayout& layout, Form& form, std::vector<std::string>& faults) {
    std::map<std::string_view, std::vector<std::pair<int, const LayoutControl*>>> by_parent;
    for (const LayoutControl& row : layout.controls) {
        const Control& control = *form.Find(row.name);
        const LayoutProperty* order = FindProperty(row, "TabOrder");
        if (!order) {
            if (control.Windowed() && control.tab_stop)
                faults.push_back(Where(layout, row) + ": it takes the focus but has no TabOrder");
            continue;
        }
        by_parent[row.parent].emplace_back(PropertyValue(order->value).Int(), &row);
    }
    for (auto& [parent, orders] : by_parent) {
        std::sort(orders.begin(), orders.end());
        for (int i = 0; i < static_cast<int>(orders.size()); ++i) {
            if (orders[i].first == i) continue;
            const bool twice = i > 0 && orders[i].first == orders[i - 1].first;
            const std::string_view in = parent.empty() ? layout.name : parent;
            faults.push_back(Where(layout, *orders[i].second) + ": TabOrder " +
                             std::to_string(orders[i].first) +
                             (twice ? " is used twice in " + std::string(in)
                                    : " breaks the run 0.." + std::to_string(orders.size() - 1) +
                                          " of " + std::string(in)));
            break;
        }
    }
}

}  // namespace

std::vector<std::string> CheckWindowLayout(const WindowLayout& layout) {
    if (layout.register_classes) layout.register_classes();
    std::vector<std::string> faults = CheckRows(layout);
    if (!faults.empty()) return faults;
    Form form{std::string(layout.name)};
    try {
        BuildLayout(form, layout);
    } catch (const LayoutError& e) {
        return {e.what()};
    }
    CheckPlaces(layout, form, faults);
    CheckCaptions(layout, form, faults);
    CheckTabOrder(layout, form, faults);
    return faults;
}

}  // namespace kv
