#include "screens/main/squad_grid_columns.h"

#include <memory>
#include <utility>

#include "ui/grid/column_classes.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"

namespace kv {

TGrCustomColumn& AddSquadColumn(TReportGrid& grid, const SquadColumn& c, ImageList* images) {
    std::unique_ptr<TGrCustomColumn> made;
    switch (c.kind) {
        case ColumnClass::kText:
            made = std::make_unique<TGrTextColumn>(c.name);
            break;
        case ColumnClass::kNumber:
            made = std::make_unique<TGrNumberColumn>(c.name);
            break;
        case ColumnClass::kImage: {
            auto image = std::make_unique<TGrImageColumn>(c.name);
            image->Images = images;
            made = std::move(image);
            break;
        }
        case ColumnClass::kProgress: {
            auto bar = std::make_unique<TGrProgressColumn>(c.name);
            bar->ProgressStyle = TProgressStyle::psGradient;
            bar->RoundCorners = true;
            bar->ShowText = true;
            bar->LowValueColor = clBlack;
            bar->TextPosition = tpInside;
            made = std::move(bar);
            break;
        }
    }
    TGrCustomColumn& column = grid.Columns().Add(std::move(made));
    if (c.kind == ColumnClass::kImage || c.kind == ColumnClass::kProgress)
        column.SetColumnKind(ckInteger);
    column.Header().SetCaption(c.header);
    column.SetWidth(c.width);
    column.SetVisible(c.visible);
    return column;
}

void FitSquadColumns(TReportGrid& grid, std::span<const SquadColumn> columns,
                     const std::function<bool(std::string_view)>& fixed) {
    grid.FitSpareTo.clear();
    for (const SquadColumn& c : columns)
        if (c.visible && !fixed(c.name)) grid.FitSpareTo.emplace_back(c.name);
}

}  // namespace kv
