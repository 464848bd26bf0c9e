#include "screens/club/national_callup_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/text_tables.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/club/club_window_parts.h"
#include "screens/club/player_search_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/player_search.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"

namespace kv {
namespace {

constexpr std::string_view kAny = "Qualquer";

LayoutControl Combo(std::string_view name, int x, int y, int tab) {
    static const std::initializer_list<LayoutProperty> kTabs[] = {
        {{"TabOrder", "1"}}, {{"TabOrder", "2"}}, {{"TabOrder", "3"}},
        {{"TabOrder", "4"}}, {{"TabOrder", "5"}}, {{"TabOrder", "6"}}};
    return {.name = name,
            .class_name = "TUiComboBox",
            .bounds = {x, y, 150, 21},
            .properties = kTabs[tab - 1]};
}

const LayoutControl kControls[] = {
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {16, 8, 48, 48},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label16",
     .class_name = "TLabel",
     .bounds = {76, 8, 400, 26},
     .font = {"Arial", 14, fsBold, clWhite},
     .properties = kClubLeftText},
    ClubLabel("Label5", 76, 38, 400, "Busca de jogadores para convocação", kClubHeadingFont),
    ClubLabel("Label2", 16, 68, 40, "Nome:"),
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {60, 64, 170, 21},
     .properties = {{"MaxLength", "20"}, {"TabOrder", "0"}}},
    ClubLabel("Label3", 60, 88, 220, "(deixe em branco para qualquer)"),
    ClubLabel("lbc1", 250, 50, 150, "Força:"),
    Combo("c1", 250, 64, 1),
    ClubLabel("lbc2", 410, 50, 150, "Posição:"),
    Combo("c2", 410, 64, 2),
    ClubLabel("lbc3", 570, 50, 150, "Idade:"),
    Combo("c3", 570, 64, 3),
    ClubLabel("lbc4", 250, 92, 150, "Valor:"),
    Combo("c4", 250, 106, 4),
    ClubLabel("lbc5", 410, 92, 150, "Característica 1:"),
    Combo("c5", 410, 106, 5),
    ClubLabel("lbc6", 570, 92, 150, "Característica 2:"),
    Combo("c6", 570, 106, 6),
    {.name = "ckestrela",
     .class_name = "TMarkupCheckBox",
     .bounds = {16, 110, 200, 18},
     .caption = "Só mostrar estrelas",
     .font = kClubTextFont,
     .properties = {{"TabOrder", "7"}, {"Transparent", "True"}}},
    {.name = "SchemeButton3",
     .class_name = "TUiGlowButton",
     .bounds = {16, 136, 110, 26},
     .caption = "Procurar",
     .properties = {{"TabOrder", "8"}}},
    ClubLabel("Label9", 140, 144, 300, "", kClubHeadingFont),
    {.name = "gfind",
     .class_name = "TReportGrid",
     .bounds = {8, 170, 470, 366},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "9"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {484, 300, 36, 26},
     .caption = ">>",
     .properties = {{"TabOrder", "10"}, {"Enabled", "False"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .bounds = {484, 336, 36, 26},
     .caption = "<<",
     .properties = {{"TabOrder", "11"}, {"Enabled", "False"}}},
    ClubLabel("Label8", 526, 144, 160, "Seleção convocada:", kClubHeadingFont),
    {.name = "gsel",
     .class_name = "TReportGrid",
     .bounds = {526, 170, 266, 366},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "12"}}},
    ClubLabel("Label11", 526, 542, 70, "Goleiros:"),
    ClubLabel("Label10", 596, 542, 40, "0 / 3", kClubHeadingFont),
    ClubLabel("Label12", 646, 542, 100, "Jogadores de linha:"),
    ClubLabel("Label15", 750, 542, 42, "0 / 20", kClubHeadingFont),
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {8, 542, 470, 50},
     .font = kClubTextFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {652, 564, 140, 28},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "13"}, {"Enabled", "False"}}},
};

struct Column {
    const char* name;
    const char* header;
    int width;  // 0: hidden
    bool number;
};
constexpr Column kFoundColumns[] = {
    {"gcposicao", "P", 22, false},         {"gclado", "L", 22, false},
    {"gcnome", "Jogador", 116, false},     {"gcclube", "Clube", 118, false},
    {"gcforca", "Força", 40, true},        {"gcidade", "Idade", 40, true},
    {"gchabilidade", "Carac.", 58, false}, {"gcid", "", 0, true},
};
constexpr Column kCalledColumns[] = {
    {"gcposicao2", "P", 22, false},     {"gclado2", "L", 22, false},
    {"gcnome2", "Jogador", 116, false}, {"gcforca2", "Força", 40, true},
    {"gcidade2", "I", 26, true},        {"gcid2", "", 0, true},
};

// The columns widen with the list, which the layout scales with the screen from its width at
// 800x600 (`design_width`), so their headers keep room for their scaled captions.
void AddColumns(TReportGrid& grid, const char* star, std::span<const Column> columns,
                int design_width) {
    const double scale = std::max(1.0, grid.Width() / static_cast<double>(design_width));
    auto scaled = [scale](int width) { return static_cast<int>(width * scale); };
    auto image = std::make_unique<TGrImageColumn>(star);
    image->Images = &SearchMarks();
    TGrCustomColumn& mark = grid.Columns().Add(std::move(image));
    mark.SetColumnKind(ckInteger);
    mark.SetWidth(scaled(20));
    for (const Column& c : columns) {
        TGrCustomColumn& column = grid.Columns().Add(c.name, c.number ? ckInteger : ckString);
        column.Header().SetCaption(c.header);
        column.SetWidth(scaled(c.width));
        column.SetVisible(c.width > 0);
        if (c.number) column.SetSortType(stNumeric);
    }
    BandReportRows(grid);
}

// The list's items with "Qualquer" last, chosen.
template <std::size_t N>
void FillChoices(TUiComboBox& combo, const std::array<std::string_view, N>& table) {
    std::vector<std::string> items(table.begin(), table.end());
    items.emplace_back(kAny);
    combo.SetItems(std::move(items));
    combo.SetItemIndex(static_cast<int>(N));
}

// The chosen entry, -1 for "Qualquer" (or nothing chosen).
int Chosen(Form& form, const char* name) {
    const auto& combo = ControlNamed<TUiComboBox>(form, name);
    const int i = combo.ItemIndex();
    return i < 0 || i >= static_cast<int>(combo.Items().size()) - 1 ? -1 : i;
}

std::string PositionLetter(int position) {
    return position >= 0 && position < 5
               ? std::string(position_letters[static_cast<std::size_t>(position)])
               : std::string();
}

}  // namespace

const WindowLayout kForm77Layout = {
    .name = "Form77",
    .class_name = "TForm77",
    .client_width = 800,
    .client_height = 600,
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kClubWindowColour,
    .properties = {{"BorderStyle", "bsNone"}, {"FormStyle", "fsStayOnTop"}},
    .controls = kControls,
    .register_classes = RegisterClubControlClasses,
};

TForm77::TForm77(int team) : Form("Form77"), team_(team) {
    BuildWindowLayout(*this, kForm77Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.before_controls = true});
    list_ = std::make_unique<CallUpList>(Game());
    // The window fills the screen with its (scaled) controls in a column in the middle.
    Screen& screen = Screen::Get();
    SetBounds(0, 0, screen.Width(), screen.Height());
    int left = ClientWidth(), right = 0;
    for (const auto& child : Children()) {
        left = std::min(left, child->Left());
        right = std::max(right, child->Left() + child->Width());
    }
    const int shift = (ClientWidth() - left - right) / 2;
    if (shift > 0)
        for (const auto& child : Children())
            child->SetBounds(child->Left() + shift, child->Top(), child->Width(), child->Height());

    const GameData& data = Game();
    if (InTable(data.teams, team_)) {
        ShowClubCrest(ControlNamed<Image>(*this, "escudo"), team_);
        ControlNamed<Label>(*this, "Label16").SetCaption(data.teams[team_].name.str());
    }
    ControlNamed<Label>(*this, "Label14")
        .SetCaption(
            "Busque os jogadores e depois clique em \">>\" para adiciona-lo na seleção. "
            "Você pode convocar até 20 jogadores de linha e 3 goleiros");
    FillChoices(ControlNamed<TUiComboBox>(*this, "c1"), kSearchStrengthChoices);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c2"), position_names);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c3"), kSearchAgeChoices);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c4"), kSearchValueChoices);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c5"), characteristic_names);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c6"), characteristic_names);

    auto& found = ControlNamed<TReportGrid>(*this, "gfind");
    AddColumns(found, "gcimg", kFoundColumns, 470);
    auto& called = ControlNamed<TReportGrid>(*this, "gsel");
    AddColumns(called, "gcimg2", kCalledColumns, 266);
    found.on_select_cell = [this](int, int) { RefreshButtons(); };
    called.on_select_cell = [this](int, int) { RefreshButtons(); };
    ControlNamed<Control>(*this, "SchemeButton3").on_click = [this] { SchemeButton3Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SchemeButton2Click(); };
    ControlNamed<Control>(*this, "bt2").on_click = [this] { Bt2Click(); };
    DoCreate();
}

CallUpFilter TForm77::Filter() {
    CallUpFilter filter;
    filter.name = ControlNamed<Edit>(*this, "Edit1").Text();
    const int strength = Chosen(*this, "c1");
    filter.strength_band = strength < 0 ? 4 : strength;
    filter.position = Chosen(*this, "c2");
    const int age = Chosen(*this, "c3");
    filter.age_band = age < 0 ? 3 : age;
    const int value = Chosen(*this, "c4");
    filter.value_band = value < 0 ? 7 : value;
    filter.characteristic1 = Chosen(*this, "c5");
    filter.characteristic2 = Chosen(*this, "c6");
    filter.stars_only = ControlNamed<TMarkupCheckBox>(*this, "ckestrela").Checked();
    return filter;
}

int TForm77::RowPlayer(const char* grid_name, const char* column) {
    auto& grid = ControlNamed<TReportGrid>(*this, grid_name);
    const int row = grid.SelectedRow();
    if (row < 0 || row >= grid.GetRowCount()) return -1;
    const std::string id = grid.GetCellTextByVariant(column, row);
    return id.empty() ? -1 : std::stoi(id);
}

void TForm77::RefreshButtons() {
    const int found = RowPlayer("gfind", "gcid");
    ControlNamed<Control>(*this, "SchemeButton1").SetEnabled(found > 0 && list_->CanAdd(found));
    ControlNamed<Control>(*this, "SchemeButton2").SetEnabled(RowPlayer("gsel", "gcid2") > 0);
    // One rule after an addition and after a removal.
    ControlNamed<Control>(*this, "bt2").SetEnabled(list_->CanConfirm());
    ControlNamed<Label>(*this, "Label10")
        .SetCaption(std::to_string(list_->goalkeepers()) + " / " +
                    std::to_string(kCallUpGoalkeepers));
    ControlNamed<Label>(*this, "Label15")
        .SetCaption(std::to_string(list_->outfield()) + " / " + std::to_string(kCallUpOutfield));
}

void TForm77::SchemeButton3Click() {
    const BusyCursor busy;
    auto& grid = ControlNamed<TReportGrid>(*this, "gfind");
    auto& result = ControlNamed<Label>(*this, "Label9");
    grid.ClearRows();
    result.SetCaption("Procurando ...");
    const GameData& data = Game();
    const int country = InTable(data.teams, team_) ? data.teams[team_].country : -1;
    const std::vector<int> found = SearchCallUpPlayers(data, country, Filter());
    grid.BeginUpdate();
    for (const int index : found) {
        const t_player& p = data.players[static_cast<std::size_t>(index)];
        const int row = grid.AddRow();
        auto cell = [&](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        cell("gcimg", p.star ? "1" : "0");
        cell("gcnome", p.name.str());
        cell("gcclube", data.teams[static_cast<std::size_t>(p.team)].name.str());
        cell("gcposicao", PositionLetter(p.position));
        cell("gcforca", std::to_string(p.strength));
        cell("gcidade", std::to_string(p.age));
        cell("gclado", p.side == 0 ? "D" : "E");
        auto known = [](int c) { return c >= 0 && c < 14; };
        if (known(p.characteristic1) && known(p.characteristic2)) {
            const auto a = static_cast<std::size_t>(p.characteristic1);
            const auto b = static_cast<std::size_t>(p.characteristic2);
            cell("gchabilidade", std::string(characteristic_abbrevs[a]) + "/" +
                                     std::string(characteristic_abbrevs[b]));
            grid.GetCellByVariant("gchabilidade", row)
                .SetHint(std::string(characteristic_names[a]) + "/" +
                         std::string(characteristic_names[b]));
        }
        cell("gcid", std::to_string(index));
    }
    grid.EndUpdate();
    result.SetCaption(found.empty() ? "Nenhum jogador encontrado"
                                    : std::to_string(found.size()) + " jogadores encontrados");
    RefreshButtons();
}

void TForm77::SchemeButton1Click() {
    const int player = RowPlayer("gfind", "gcid");
    if (player <= 0 || !list_->Add(player)) return;
    const t_player& p = Game().players[static_cast<std::size_t>(player)];
    auto& grid = ControlNamed<TReportGrid>(*this, "gsel");
    const int row = grid.AddRow();
    grid.SetCellTextByVariant("gcimg2", row, p.star ? "1" : "0");
    grid.SetCellTextByVariant("gcnome2", row, p.name.str());
    grid.SetCellTextByVariant("gcposicao2", row, PositionLetter(p.position));
    grid.SetCellTextByVariant("gcforca2", row, std::to_string(p.strength));
    grid.SetCellTextByVariant("gcidade2", row, std::to_string(p.age));
    grid.SetCellTextByVariant("gcid2", row, std::to_string(player));
    grid.SetCellTextByVariant("gclado2", row, p.side == 0 ? "D" : "E");
    RefreshButtons();
}

void TForm77::SchemeButton2Click() {
    auto& grid = ControlNamed<TReportGrid>(*this, "gsel");
    const int row = grid.SelectedRow();
    const int player = RowPlayer("gsel", "gcid2");
    if (player <= 0 || !list_->Remove(player)) return;
    grid.DeleteRow(row);
    RefreshButtons();
}

void TForm77::Bt2Click() {
    if (!list_->CanConfirm()) return;
    ConfirmCallUp(Game(), team_, list_->players());
    SetModalResult(mrOk);
}

bool ShowNationalCallUpWindow(int team) {
    TForm77& form = Screen::Get().Create<TForm77>(team);
    const bool swapped = form.ShowModal() == mrOk;
    form.Release();
    return swapped;
}

}  // namespace kv
