#include "ui/grid/grid_control_classes.h"

#include "platform/window/control_factory.h"
#include "ui/grid/report_grid.h"

namespace kv {

void RegisterGridControlClasses() {
    if (FindControlClass("TReportGrid")) return;
    using P = const PropertyValue&;
    using G = TReportGrid&;
    RegisterControlClass({
        .name = "TReportGrid",
        .create = [] { return std::make_unique<TReportGrid>(); },
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
}

}  // namespace kv
