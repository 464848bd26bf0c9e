#include "screens/career/career_lists.h"

#include <cairo.h>

#include <string>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/base/files.h"
#include "platform/gfx/picture.h"
#include "platform/window/combo_box.h"
#include "platform/window/form.h"
#include "platform/window/keys.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {

void RegisterCareerWindowClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

void BandRows(TReportGrid& grid) {
    grid.on_cell_coloring = [](int, int row, TColor& colour, TColor&, TCellState state) {
        if (state.Has(csSelected)) return;
        colour = row % 2 == 1 ? static_cast<TColor>(0x00ECFFFF) : clWhite;
    };
}

int FillLeagueCombo(ComboBox& combo, int country) {
    if (Form* form = combo.ParentForm()) combo.images = &FlagImages(*form);
    return FillLeagueSelector(combo, country);
}

Picture StretchedPicture(const Picture& source, int size) {
    if (source.empty() || source.width() <= 0 || source.height() <= 0) return Picture();
    Picture thumb(size, size);
    if (thumb.empty()) return thumb;
    thumb.OpenForDrawing();
    cairo_t* cr = cairo_create(thumb.surface());
    cairo_scale(cr, static_cast<double>(size) / source.width(),
                static_cast<double>(size) / source.height());
    cairo_set_source_surface(cr, source.surface(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    thumb.CloseForDrawing();
    thumb.MarkDirty();
    return thumb;
}

Picture CrestThumbnail(int team, int size) {
    const std::string path = team >= 0 ? BuildCrestPath(team) : std::string();
    if (path.empty()) return Picture();
    Picture crest;
    if (!crest.LoadFromFile(ResolvePath(path))) return Picture();
    return StretchedPicture(crest, size);
}

}  // namespace kv
