#include "screens/start/country_columns.h"

#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/image_list.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr int kBoxSide = 13;

// Image 0 the empty box, image 1 the ticked one, drawn once for the whole run.
ImageList& TickImages() {
    static ImageList images = [] {
        ImageList list(kBoxSide, kBoxSide);
        for (const bool ticked : {false, true}) {
            Picture box(kBoxSide, kBoxSide);
            {
                Canvas canvas(box);
                DrawClassicButtonBox(canvas, 0, 0, false, ticked, false, false);
            }
            list.Add(box);
        }
        return list;
    }();
    return images;
}

}  // namespace

TGrCustomColumn& AddFlagColumn(TReportGrid& grid, std::string name) {
    auto column = std::make_unique<TGrGraphicColumn>(std::move(name));
    column->BorderWidth = 0;
    column->Margin = 2;
    TGrCustomColumn& added = grid.Columns().Add(std::move(column));
    added.SetWidth(28);
    return added;
}

void SetFlagCell(TReportGrid& grid, std::string_view column, int row, int country) {
    const std::vector<Picture>& flags = flag_pictures();
    const bool known =
        country >= 0 && country < kFlagCountries && country < static_cast<int>(flags.size());
    grid.GetCellByVariant(std::string(column), row).ObjectReference =
        known ? &flags[static_cast<std::size_t>(country)] : nullptr;
}

void SetStateFlagCell(TReportGrid& grid, std::string_view column, int row, int state) {
    const Picture& flag = StateFlagPicture(state);
    grid.GetCellByVariant(std::string(column), row).ObjectReference =
        flag.empty() ? nullptr : &flag;
}

TGrCustomColumn& AddTickColumn(TReportGrid& grid, std::string name) {
    auto column = std::make_unique<TGrImageColumn>(std::move(name));
    column->Images = &TickImages();
    TGrCustomColumn& added = grid.Columns().Add(std::move(column));
    added.SetWidth(24);
    return added;
}

void OnCountryCellClick(TReportGrid& grid, std::function<void(int col, int row)> click) {
    grid.on_mouse_down = [&grid, click = std::move(click)](MouseButton button, ShiftState, int x,
                                                           int y) {
        if (button != mbLeft) return;
        const int col = grid.ColumnAtX(x);
        const int row = grid.RowAtY(y);
        if (col >= 0 && row >= 0) click(col, row);
    };
}

}  // namespace kv
