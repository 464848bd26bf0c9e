#include "screens/club/saved_tactics_window.h"

#include <string>

#include "core/game_data.h"
#include "match/human_lineup.h"
#include "platform/window/edit.h"
#include "platform/window/screen.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {
namespace {

void RegisterSavedTacticsClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

constexpr LayoutFont kCaptionFont = {"Arial", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kCaption = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {8, 8, 360, 293},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "0"}}},
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .bounds = {380, 12, 250, 16},
     .caption = "<SHAD><B>Salvar tática atual</B></SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .bounds = {380, 42, 40, 16},
     .caption = "<SHAD>Nome:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {424, 38, 206, 21},
     .properties = {{"MaxLength", "19"}, {"TabOrder", "1"}}},
    {.name = "UiGlowButton3",
     .class_name = "TUiGlowButton",
     .bounds = {530, 66, 100, 24},
     .caption = "Salvar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {380, 98, 250, 16},
     .caption = "<SHAD><FONT color=\"#FFFF80\">Selecione pelo menos 11 titulares</FONT></SHAD>",
     .font = kCaptionFont,
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "UiGlowButton1",
     .class_name = "TUiGlowButton",
     .bounds = {380, 200, 120, 26},
     .caption = "Carregar",
     .properties = {{"TabOrder", "3"}}},
    {.name = "UiGlowButton2",
     .class_name = "TUiGlowButton",
     .bounds = {510, 200, 120, 26},
     .caption = "Excluir",
     .properties = {{"TabOrder", "4"}}},
    {.name = "UiGlowButton4",
     .class_name = "TUiGlowButton",
     .bounds = {510, 273, 120, 26},
     .caption = "<< Voltar",
     .properties = {{"TabOrder", "5"}}},
};

}  // namespace

const WindowLayout kForm90Layout = {
    .name = "Form90",
    .class_name = "TForm90",
    .client_width = 638,
    .client_height = 309,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSavedTacticsClasses,
};

TForm90::TForm90(HumanLineup& lineup) : Form("Form90"), lineup_(lineup) {
    BuildWindowLayout(*this, kForm90Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this, {.escape = [this] { Close(); }, .before_controls = true, .pass_keys_on = true});
    auto& grid = ControlNamed<TReportGrid>(*this, "grid1");
    const struct {
        const char* name;
        const char* header;
        int width;
    } columns[] = {{"tid", "", 0}, {"tnome", "Nome", 240}, {"tformacao", "Formação", 100}};
    for (const auto& c : columns) {
        TGrCustomColumn& column = grid.Columns().Add(c.name, ckString);
        column.Header().SetCaption(c.header);
        column.SetWidth(c.width);
        column.SetVisible(c.width > 0);
    }
    const GameData& data = Game();
    const int coach = LineupCoach(data, lineup_.team());
    for (std::size_t i = 0; i < data.saved_tactics.size(); ++i) {
        const t_saved_tactic& t = data.saved_tactics[i];
        if (t.team == lineup_.team() && t.team >= 0 && t.coach == coach)
            AddRow(static_cast<int>(i));
    }
    ControlNamed<TUiGlowButton>(*this, "UiGlowButton3").on_click = [this] { UiGlowButton3Click(); };
    ControlNamed<TUiGlowButton>(*this, "UiGlowButton1").on_click = [this] { UiGlowButton1Click(); };
    ControlNamed<TUiGlowButton>(*this, "UiGlowButton2").on_click = [this] { UiGlowButton2Click(); };
    ControlNamed<TUiGlowButton>(*this, "UiGlowButton4").on_click = [this] { Close(); };
    DoCreate();
}

void TForm90::AddRow(int index) {
    const t_saved_tactic& t = Game().saved_tactics[index];
    auto& grid = ControlNamed<TReportGrid>(*this, "grid1");
    const int row = grid.AddRow();
    grid.SetCellTextByVariant("tid", row, std::to_string(index));
    grid.SetCellTextByVariant("tnome", row, t.name.str());
    grid.SetCellTextByVariant("tformacao", row, t.formation.str());
}

int TForm90::SelectedTactic() {
    auto& grid = ControlNamed<TReportGrid>(*this, "grid1");
    const int row = grid.SelectedRow();
    if (row < 0 || row >= grid.GetRowCount()) return -1;
    const std::string id = grid.GetCellTextByVariant("tid", row);
    return id.empty() ? -1 : std::stoi(id);
}

void TForm90::UiGlowButton3Click() {
    auto& warning = ControlNamed<Control>(*this, "Label3");
    warning.SetVisible(false);
    if (lineup_.StarterCount() < kStarterShirts) {
        warning.SetVisible(true);
        return;
    }
    const int index = lineup_.SaveTactic(ControlNamed<Edit>(*this, "Edit1").Caption());
    if (index >= 0) AddRow(index);
}

void TForm90::UiGlowButton1Click() {
    const int index = SelectedTactic();
    if (index < 0) return;
    loaded_ = lineup_.LoadSavedTactic(index);
    Close();
}

void TForm90::UiGlowButton2Click() {
    const int index = SelectedTactic();
    if (index < 0) return;
    t_saved_tactic& t = Game().saved_tactics[index];
    t.team = -1;
    t.coach = -1;
    auto& grid = ControlNamed<TReportGrid>(*this, "grid1");
    grid.DeleteRow(grid.SelectedRow());
}

bool ShowSavedTacticsWindow(HumanLineup& lineup) {
    TForm90& form = Screen::Get().Create<TForm90>(lineup);
    form.ShowModal();
    const bool loaded = form.loaded();
    form.Release();
    return loaded;
}

}  // namespace kv
