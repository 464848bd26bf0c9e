#include "screens/career/state_champions_window.h"

#include <string>

#include "core/game_data.h"
#include "core/text_tables.h"
#include "game/state_finals.h"
#include "platform/window/classic_look.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/start/country_columns.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

void RegisterStateChampionsClasses() {
    RegisterGridControlClasses();
    RegisterSmoothControlClasses();
}

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 10, 400, 24},
     .font = {"Arial", 14, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 40, 596, 16},
     .caption = "Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.",
     .font = {"Arial", 9, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "gcamp",
     .class_name = "TReportGrid",
     .bounds = {12, 62, 596, 300},
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .bounds = {488, 372, 120, 28},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm66Layout = {
    .name = "Form66",
    .class_name = "TForm66",
    .client_width = 620,
    .client_height = 412,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00602010),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterStateChampionsClasses,
};

TForm66::TForm66(const StateChampionsTable& champions) : Form("Form66") {
    BuildWindowLayout(*this, kForm66Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.enter = EndWith(*this, mrOk), .before_controls = true});
    ControlNamed<Label>(*this, "Label1").SetCaption(champions.title);
    auto& grid = ControlNamed<TReportGrid>(*this, "gcamp");
    grid.SetOptions({goHeader, goSelectFullRow});
    AddFlagColumn(grid, "bandeira");
    struct Column {
        const char* name;
        const char* header;
        int width;
    };
    // The state goes by its two-letter code, which leaves the top scorer's column room for
    // "Nome (Clube) - N gols".
    constexpr int kFlagColumn = 28, kStateColumn = 48, kClubColumn = 130;
    const int scorer_width =
        grid.ClientWidth() - kFlagColumn - kStateColumn - 2 * kClubColumn - kScrollBarWidth - 2;
    for (const Column c :
         {Column{"estado", "Estado", kStateColumn}, Column{"campeao", "Campeão", kClubColumn},
          Column{"vice", "Vice-Campeão", kClubColumn},
          Column{"artilheiro", "Artilheiro", scorer_width}}) {
        TGrCustomColumn& column = grid.Columns().Add(c.name);
        column.Header().SetCaption(c.header);
        column.SetWidth(c.width);
    }
    const GameData& data = Game();
    auto team_name = [&data](int team) {
        return team >= 0 && team < static_cast<int>(data.teams.size()) ? data.teams[team].name.str()
                                                                       : std::string();
    };
    grid.BeginUpdate();
    for (const StateChampionRow& row : champions.rows) {
        // A state whose final has no known finalists has nothing to show.
        if (row.state < 0 || row.state >= static_cast<int>(state_names.size()) ||
            team_name(row.champion).empty() || team_name(row.runner_up).empty())
            continue;
        const int r = grid.AddRow();
        SetStateFlagCell(grid, "bandeira", r, row.state);
        grid.SetCellTextByVariant("estado", r, std::string(state_codes[row.state]));
        grid.SetCellTextByVariant("campeao", r, team_name(row.champion));
        grid.SetCellTextByVariant("vice", r, team_name(row.runner_up));
        grid.SetCellTextByVariant("artilheiro", r, row.top_scorer);
    }
    grid.EndUpdate();
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

void ShowStateChampionsWindow(const StateChampionsTable& champions) {
    TForm66& form = Screen::Get().Create<TForm66>(champions);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
