#include "ui/grid/grid_control_classes.h"

#include <functional>
#include <map>

#include "platform/window/control_factory.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/editors/number_edit.h"
#include "ui/grid/editors/popup_edit.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"

namespace kv {

namespace {

using ColumnFactory = std::function<std::unique_ptr<TGrCustomColumn>(std::string)>;

std::map<std::string, ColumnFactory, std::less<>>& ColumnClasses() {
    static std::map<std::string, ColumnFactory, std::less<>> classes;
    return classes;
}

template <typename Column>
void RegisterColumnClass(const char* class_name) {
    ColumnClasses()[class_name] = [](std::string name) {
        return std::make_unique<Column>(std::move(name));
    };
}

}  // namespace

std::unique_ptr<TGrCustomColumn> CreateGridColumn(std::string_view class_name, std::string name) {
    const auto found = ColumnClasses().find(class_name);
    if (found == ColumnClasses().end()) return nullptr;
    return found->second(std::move(name));
}

void RegisterGridControlClasses() {
    if (FindControlClass("TReportGrid")) return;
    RegisterColumnClass<TGrTextColumn>("TGrTextColumn");
    RegisterColumnClass<TGrNumberColumn>("TGrNumberColumn");
    RegisterColumnClass<TGrImageColumn>("TGrImageColumn");
    RegisterColumnClass<TGrGraphicColumn>("TGrGraphicColumn");
    RegisterColumnClass<TGrProgressColumn>("TGrProgressColumn");
    RegisterColumnClass<TGrDateColumn>("TGrDateColumn");
    RegisterColumnClass<TGrTreeColumn>("TGrTreeColumn");
    RegisterColumnClass<TGrIncrementColumn>("TGrIncrementColumn");
    RegisterColumnClass<TGrComboBoxColumn>("TGrComboBoxColumn");
    using P = const PropertyValue&;
    using G = TReportGrid&;
    RegisterControlClass({
        .name = "TReportGrid",
        // A window's grid fits its columns to its width and to its texts at every screen size.
        .create =
            [] {
                auto grid = std::make_unique<TReportGrid>();
                grid->FitColumns = true;
                grid->FitToContents = true;
                return grid;
            },
        .properties =
            {
                ControlProperty::Of<TReportGrid>("RowSize",
                                                 [](G g, P v) { g.SetRowSize(v.Int()); }),
                ControlProperty::Of<TReportGrid>("HeaderSize",
                                                 [](G g, P v) { g.HeaderSize = v.Int(); }),
                ControlProperty::Of<TReportGrid>("FooterSize",
                                                 [](G g, P v) { g.FooterSize = v.Int(); }),
                ControlProperty::Of<TReportGrid>("AutoScroll",
                                                 [](G g, P v) { g.AutoScroll = v.Bool(); }),
                ControlProperty::Of<TReportGrid>("ReadOnly",
                                                 [](G g, P v) { g.ReadOnly = v.Bool(); }),
                ControlProperty::Of<TReportGrid>("MouseWheelEnabled",
                                                 [](G g, P v) { g.MouseWheelEnabled = v.Bool(); }),
                ControlProperty::Of<TReportGrid>("SelectionColor",
                                                 [](G g, P v) { g.SelectionColor = v.Color(); }),
                ControlProperty::Of<TReportGrid>(
                    "HighlightedTextColor", [](G g, P v) { g.HighlightedTextColor = v.Color(); }),
                ControlProperty::Of<TReportGrid>("GridLinesColor",
                                                 [](G g, P v) { g.GridLinesColor = v.Color(); }),
                ControlProperty::Of<TReportGrid>(
                    "InactiveSelectionColor",
                    [](G g, P v) { g.InactiveSelectionColor = v.Color(); }),
                ControlProperty::Of<TReportGrid>("FixedCols",
                                                 [](G g, P v) { g.SetFixedCols(v.Int()); }),
                ControlProperty::Of<TReportGrid>("StartRowCount",
                                                 [](G g, P v) { g.SetStartRowCount(v.Int()); }),
                ControlProperty::Of<TReportGrid>("GridLinesStyle",
                                                 [](G g, P v) {
                                                     g.GridLinesStyle = v.Enum<TGridLinesStyle>(
                                                         {{"lsNormal", lsNormal},
                                                          {"lsActiveHorzOnly", lsActiveHorzOnly},
                                                          {"lsActiveRows", lsActiveRows},
                                                          {"lsFramed", lsFramed},
                                                          {"lsHorizontalOnly", lsHorizontalOnly},
                                                          {"lsVerticalOnly", lsVerticalOnly}});
                                                 }),
                ControlProperty::Of<TReportGrid>(
                    "Options",
                    [](G g, P v) {
                        // The set as the tables write it: "goHeader,goFooter,goSelectFullRow".
                        TGridOptions options;
                        std::string_view text = v.Text();
                        while (!text.empty()) {
                            const size_t comma = text.find(',');
                            std::string_view name = text.substr(0, comma);
                            while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
                            while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
                            if (!name.empty())
                                options.Include(PropertyValue(name).Enum<TGridOption>(
                                    {{"goCanHideColumn", goCanHideColumn},
                                     {"goDisableColumnMoving", goDisableColumnMoving},
                                     {"goDisableKeys", goDisableKeys},
                                     {"goEscClearEdit", goEscClearEdit},
                                     {"goFooter", goFooter},
                                     {"goGrid", goGrid},
                                     {"goHeader", goHeader},
                                     {"goIndicator", goIndicator},
                                     {"goInput", goInput},
                                     {"goLockFixedCols", goLockFixedCols},
                                     {"goMultiSelect", goMultiSelect},
                                     {"goRowResizing", goRowResizing},
                                     {"goRowMoving", goRowMoving},
                                     {"goSecondClickEdit", goSecondClickEdit},
                                     {"goSelectFullRow", goSelectFullRow},
                                     {"goUseDefaultValues", goUseDefaultValues},
                                     {"goInplaceEditEvents", goInplaceEditEvents}}));
                            if (comma == std::string_view::npos) break;
                            text.remove_prefix(comma + 1);
                        }
                        g.SetOptions(options);
                    }),
            },
        .set_caption =
            [](Control& c, std::string_view text) {
                dynamic_cast<TReportGrid&>(c).GridCaption = std::string(text);
            },
    });

    // The grid's edits take the plain edit's properties (MaxLength, ReadOnly, ...) as well.
    const auto set_text = [](Control& c, std::string_view text) {
        dynamic_cast<TGrCustomEdit&>(c).SetText(std::string(text));
    };
    const auto style = [](const PropertyValue& v) {
        return v.Enum<TDropDownStyle>(
            {{"dsDropDown", dsDropDown}, {"dsDropDownList", dsDropDownList}});
    };
    RegisterControlClass({.name = "TGrEdit",
                          .base = "TEdit",
                          .create = [] { return std::make_unique<TGrEdit>(); },
                          .set_caption = set_text});
    RegisterControlClass({
        .name = "TGrButtonEdit",
        .base = "TGrEdit",
        .create = [] { return std::make_unique<TGrButtonEdit>(); },
        .properties = {ControlProperty::Of<TGrButtonEdit>(
            "ShowButton", [](TGrButtonEdit& e, P v) { e.SetShowButton(v.Bool()); })},
        .set_caption = set_text,
    });
    RegisterControlClass({
        .name = "TGrComboBox",
        .base = "TGrEdit",
        .create = [] { return std::make_unique<TGrComboBox>(); },
        .properties =
            {
                ControlProperty::Of<TGrComboBox>("Items",
                                                 [](TGrComboBox& e, P v) { e.Items = v.Lines(); }),
                ControlProperty::Of<TGrComboBox>(
                    "ItemIndex", [](TGrComboBox& e, P v) { e.SetItemIndex(v.Int()); }),
                ControlProperty::Of<TGrComboBox>(
                    "DropDownCount", [](TGrComboBox& e, P v) { e.DropDownCount = v.Int(); }),
                ControlProperty::Of<TGrComboBox>(
                    "Style", [style](TGrComboBox& e, P v) { e.SetStyle(style(v)); }),
            },
        .set_caption = set_text,
    });
    RegisterControlClass({
        .name = "TGrDatePicker",
        .base = "TGrEdit",
        .create = [] { return std::make_unique<TGrDatePicker>(); },
        .properties =
            {
                ControlProperty::Of<TGrDatePicker>(
                    "EmptyText",
                    [](TGrDatePicker& e, P v) { e.EmptyText = std::string(v.Text()); }),
                ControlProperty::Of<TGrDatePicker>(
                    "ShowNoneButton", [](TGrDatePicker& e, P v) { e.ShowNoneButton = v.Bool(); }),
                ControlProperty::Of<TGrDatePicker>(
                    "Style", [style](TGrDatePicker& e, P v) { e.SetStyle(style(v)); }),
            },
        .set_caption = set_text,
    });
    RegisterControlClass({
        .name = "TGrSpinEdit",
        .base = "TGrEdit",
        .create = [] { return std::make_unique<TGrSpinEdit>(); },
        .properties =
            {
                ControlProperty::Of<TGrSpinEdit>("MinValue",
                                                 [](TGrSpinEdit& e, P v) { e.Min = v.Int(); }),
                ControlProperty::Of<TGrSpinEdit>("MaxValue",
                                                 [](TGrSpinEdit& e, P v) { e.Max = v.Int(); }),
                ControlProperty::Of<TGrSpinEdit>("Value",
                                                 [](TGrSpinEdit& e, P v) { e.SetValue(v.Int()); }),
                ControlProperty::Of<TGrSpinEdit>(
                    "Increment", [](TGrSpinEdit& e, P v) { e.Increment = v.Int(); }),
            },
        .set_caption = set_text,
    });
}

}  // namespace kv
