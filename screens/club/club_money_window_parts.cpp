#include "screens/club/club_money_window_parts.h"

#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/layout_builder.h"
#include "screens/main/main_window.h"
#include "screens/main/main_window_texts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr TColor kOddRow = static_cast<TColor>(0xECFFFF);

}  // namespace

void RegisterClubControlClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

void BandReportRows(TReportGrid& grid) {
    grid.on_cell_coloring = [](int, int row, TColor& color, TColor&, TCellState state) {
        if (!state.Has(csSelected)) color = row % 2 == 1 ? kOddRow : clWhite;
    };
}

void ShowCashOnMainWindow() {
    TForm13* main = MainWindow();
    const GameData& data = Game();
    if (!main || !InTable(data.teams, data.game_state.user_club)) return;
    const auto cash = MoneyToWholeUnits(data.teams[data.game_state.user_club].cash);
    ControlNamed<TMarkupLabel>(*main, "labmoney").SetHTMLText(MoneyText(cash));
}

void BuildClubWindow(Form& form, const WindowLayout& layout, std::string_view close_button) {
    BuildWindowLayout(form, layout);
    TileGameBackground(form);
    CloseOnEscape(form);
    ControlNamed<Control>(form, close_button).on_click = [&form] { form.Close(); };
}

}  // namespace kv
