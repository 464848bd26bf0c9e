#include "screens/career/club_record_window.h"

#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/main/main_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/club_record.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr TColor kSeasonRowColour = static_cast<TColor>(0x00C1FFFF);
constexpr TColor kSeasonRowText = static_cast<TColor>(0x00800000);

const LayoutControl kControls[] = {
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {12, 6, 44, 44},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {64, 8, 200, 18},
     .caption = "Retrospecto",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {64, 28, 400, 18},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Grid",
     .class_name = "TReportGrid",
     .bounds = {12, 56, 616, 330},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 394, 50, 14},
     .font = {"Tahoma", 8, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {64, 394, 564, 30},
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Transparent", "True"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {604, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm55Layout = {
    .name = "Form55",
    .class_name = "TForm55",
    .client_width = 640,
    .client_height = 430,
    .caption = "Retrospecto",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm55::TForm55(int club) : Form("Form55") {
    BuildWindowLayout(*this, kForm55Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { Close(); };
    grid_ = &ControlNamed<TReportGrid>(*this, "Grid");
    const std::pair<const char*, int> columns[] = {
        {"Ano", 40}, {"Campeonato", 110}, {"Colocação", 150}, {"J", 28},  {"V", 28},
        {"D", 28},   {"E", 28},           {"GP", 28},         {"GC", 28}, {"Técnicos", 130}};
    for (const auto& [caption, width] : columns) {
        auto& column = grid_->Columns().Add(caption);
        column.SetWidth(width);
        column.Header().SetCaption(caption);
    }
    grid_->Columns().Add("anoid").SetVisible(false);
    // Season lines stand out from their competitions' lines.
    grid_->on_cell_coloring = [this](int, int row, TColor& colour, TColor&, TCellState state) {
        if (state.Has(csSelected)) return;
        if (!grid_->GetCellTextByVariant("Ano", row).empty()) colour = kSeasonRowColour;
    };
    grid_->on_cell_formating = [this](int, int row, TColor& text, FontStyles& style, TCellState) {
        if (grid_->GetCellTextByVariant("Ano", row).empty()) return;
        text = kSeasonRowText;
        style = fsBold;
    };

    const GameData& data = Game();
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    ControlNamed<Label>(*this, "Label5").SetCaption(data.teams[club].name.str());
    if (const std::string crest = BuildCrestPath(club); !crest.empty())
        ControlNamed<Image>(*this, "escudo").LoadFromFile(crest);

    grid_->BeginUpdate();
    for (const ClubRecordLine& line : ClubRecord(data, club)) {
        const int row = grid_->AddRow();
        auto set = [&](const char* column, const std::string& text) {
            grid_->SetCellTextByVariant(column, row, text);
        };
        if (line.kind < 0) {
            set("Ano", std::to_string(2013 + line.season));
            set("Técnicos", line.coaches);
        } else {
            set("Campeonato", line.competition);
            set("Colocação", line.placing);
        }
        set("J", std::to_string(line.games));
        set("V", std::to_string(line.wins));
        set("D", std::to_string(line.losses));
        set("E", std::to_string(line.draws));
        set("GP", std::to_string(line.goals_for));
        set("GC", std::to_string(line.goals_against));
        set("anoid", std::to_string(line.season));
    }
    grid_->EndUpdate();
    const std::string titles = ClubTitlesLine(data, club);
    ControlNamed<Label>(*this, "Label1").SetCaption(titles.empty() ? "" : "Títulos");
    ControlNamed<Label>(*this, "Label2").SetCaption(titles);
}

void ShowClubRecordWindow() {
    auto& form = Screen::Get().Create<TForm55>(MainWindowSelections().history_club);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
