#include "screens/club/player_search_window.h"

#include <memory>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/money_text.h"
#include "core/text_tables.h"
#include "core/types.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/check_box.h"
#include "platform/window/edit.h"
#include "platform/window/image_list.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/start/country_columns.h"
#include "screens/start/star_points.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"

namespace kv {
namespace {

constexpr std::string_view kAny = "Qualquer";

const LayoutControl kControls[] = {
    ClubLabel("Label1", 16, 10, 300, "Procurar jogador", kClubHeadingFont),
    ClubLabel("Label2", 16, 40, 40, "Nome:"),
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {60, 36, 200, 21},
     .properties = {{"MaxLength", "20"}, {"TabOrder", "0"}}},
    ClubLabel("Label3", 60, 60, 220, "(deixe em branco para qualquer)"),
    ClubLabel("lbc2", 300, 20, 140, "Posição:"),
    {.name = "c2",
     .class_name = "TUiComboBox",
     .bounds = {300, 36, 140, 21},
     .properties = {{"TabOrder", "1"}}},
    ClubLabel("lbc1", 450, 20, 140, "Força:"),
    {.name = "c1",
     .class_name = "TUiComboBox",
     .bounds = {450, 36, 140, 21},
     .properties = {{"TabOrder", "2"}}},
    ClubLabel("lbc3", 600, 20, 140, "Idade:"),
    {.name = "c3",
     .class_name = "TUiComboBox",
     .bounds = {600, 36, 140, 21},
     .properties = {{"TabOrder", "3"}}},
    ClubLabel("lbc4", 300, 66, 140, "Valor:"),
    {.name = "c4",
     .class_name = "TUiComboBox",
     .bounds = {300, 82, 140, 21},
     .properties = {{"TabOrder", "4"}}},
    ClubLabel("lbc7", 450, 66, 140, "Nacionalidade:"),
    {.name = "c7",
     .class_name = "TUiComboBox",
     .bounds = {450, 82, 140, 21},
     .properties = {{"TabOrder", "5"}}},
    ClubLabel("lbcombo_lado", 600, 66, 140, "Lado:"),
    {.name = "combo_lado",
     .class_name = "TUiComboBox",
     .bounds = {600, 82, 140, 21},
     .properties = {{"TabOrder", "6"}}},
    ClubLabel("lbc5", 300, 112, 140, "Característica 1:"),
    {.name = "c5",
     .class_name = "TUiComboBox",
     .bounds = {300, 128, 140, 21},
     .properties = {{"TabOrder", "7"}}},
    ClubLabel("lbc6", 450, 112, 140, "Característica 2:"),
    {.name = "c6",
     .class_name = "TUiComboBox",
     .bounds = {450, 128, 140, 21},
     .properties = {{"TabOrder", "8"}}},
    {.name = "ckavenda",
     .class_name = "TMarkupCheckBox",
     .bounds = {16, 86, 270, 18},
     .caption = "Só mostrar jogadores à venda",
     .font = kClubTextFont,
     .properties = {{"TabOrder", "9"}, {"Transparent", "True"}}},
    {.name = "ckemp",
     .class_name = "TMarkupCheckBox",
     .bounds = {16, 106, 270, 18},
     .caption = "Só mostrar disponíveis para empréstimo",
     .font = kClubTextFont,
     .properties = {{"TabOrder", "10"}, {"Transparent", "True"}}},
    {.name = "ckestrela",
     .class_name = "TMarkupCheckBox",
     .bounds = {16, 126, 270, 18},
     .caption = "Só mostrar jogadores com estrela",
     .font = kClubTextFont,
     .properties = {{"TabOrder", "11"}, {"Transparent", "True"}}},
    {.name = "ckpais",
     .class_name = "TMarkupCheckBox",
     .bounds = {16, 146, 270, 18},
     .caption = "Só mostrar jogadores atuando no(a):",
     .font = kClubTextFont,
     .properties = {{"TabOrder", "12"}, {"Transparent", "True"}, {"Checked", "True"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {34, 166, 200, 21},
     .properties = {{"TabOrder", "13"}}},
    {.name = "button2",
     .class_name = "TUiGlowButton",
     .bounds = {600, 122, 140, 26},
     .caption = "Procurar",
     .properties = {{"TabOrder", "14"}}},
    ClubLabel("Label9", 300, 172, 300, "", kClubHeadingFont),
    {.name = "gfind",
     .class_name = "TReportGrid",
     .bounds = {8, 196, 764, 356},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "15"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {750, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "16"}}},
};

struct Column {
    const char* name;
    const char* header;
    int width;  // 0: hidden
    bool number;
};
constexpr Column kColumns[] = {
    {"gcnome", "Jogador", 120, false},
    {"gcclube", "Clube", 114, false},
    {"gcposicao", "P", 24, false},
    {"gclado", "L", 24, false},
    {"gcforca", "F", 30, true},
    {"gcidade", "Idade", 40, true},
    {"gcsalario", "Salário", 70, false},
    {"gcpasse", "Passe", 84, false},
    {"gchabilidade", "Caract.", 70, false},
    {"gcid", "", 0, true},
    {"gcvalortmp", "", 0, true},
    {"gcgols", "Gols carr.", 60, true},
};

// The list's items, with "Qualquer" last; its index maps to kAnyChoice.
// `images` gives each item's picture; "Qualquer" has none.
void FillChoices(TUiComboBox& combo, std::vector<std::string> items, int chosen,
                 std::vector<int> images = {}) {
    items.emplace_back(kAny);
    const int last = static_cast<int>(items.size()) - 1;
    combo.SetItems(std::move(items), std::move(images));
    combo.SetItemIndex(chosen < 0 ? last : chosen);
}

template <std::size_t N>
std::vector<std::string> Texts(const std::array<std::string_view, N>& table,
                               std::size_t count = N) {
    return {table.begin(), table.begin() + static_cast<std::ptrdiff_t>(count)};
}

int Choice(const TUiComboBox& combo) {
    const int i = combo.ItemIndex();
    return i < 0 || i >= static_cast<int>(combo.Items().size()) - 1 ? kAnyChoice : i;
}

TGrCustomColumn& AddMarkColumn(TReportGrid& grid, const char* name, const char* header, int width) {
    auto column = std::make_unique<TGrImageColumn>(name);
    column->Images = &SearchMarks();
    TGrCustomColumn& added = grid.Columns().Add(std::move(column));
    added.Header().SetCaption(header);
    added.SetWidth(width);
    return added;
}

std::string MoneyCell(Money amount) {
    return FormatDigitGroups(MoneyToWholeUnits(amount));
}

}  // namespace

// The marks of the star and on-sale columns, by the cells' numbers: 1 a star, 2 on sale,
// 3 not on sale (0 draws nothing).
ImageList& SearchMarks() {
    static ImageList marks = [] {
        constexpr int kSide = 14;
        ImageList list(kSide, kSide);
        list.Add(Picture(kSide, kSide));
        list.Add(StarMark(kSide, 6.5, 2.8, static_cast<TColor>(0x0080C0),
                          static_cast<TColor>(0x00D7FF)));
        for (const TColor colour : {static_cast<TColor>(0x00B000), static_cast<TColor>(0xC0C0C0)})
            list.Add(DiscMark(kSide, {3, 3, 11, 11}, static_cast<TColor>(0x404040), colour));
        return list;
    }();
    return marks;
}

std::function<void(int team)>& PlayerSearchTeamView() {
    static std::function<void(int)> open;
    return open;
}

const WindowLayout kForm27Layout =
    ClubWindowLayout("Form27", "TForm27", 780, 560, "Procurar jogador", kControls);

TForm27::TForm27() : Form("Form27") {
    BuildClubWindow(*this, kForm27Layout, "bt3");
    const GameData& data = Game();
    FillChoices(ControlNamed<TUiComboBox>(*this, "c2"), Texts(position_names), kAnyChoice);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c1"), Texts(kSearchStrengthChoices), 0);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c3"), Texts(kSearchAgeChoices), kAnyChoice);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c4"), Texts(kSearchValueChoices), kAnyChoice);
    // The nationalities and the countries with leagues show their flags.
    ImageList& flags = FlagImages(*this);
    std::vector<int> nationality_flags;
    for (int c = 0; c < kCustomChampionship; ++c)
        nationality_flags.push_back(c < flags.Count() ? c : -1);
    auto& nationalities = ControlNamed<TUiComboBox>(*this, "c7");
    nationalities.images = &flags;
    FillChoices(nationalities, Texts(country_names, kCustomChampionship), kAnyChoice,
                std::move(nationality_flags));
    FillChoices(ControlNamed<TUiComboBox>(*this, "c5"), Texts(characteristic_names), kAnyChoice);
    FillChoices(ControlNamed<TUiComboBox>(*this, "c6"), Texts(characteristic_names), kAnyChoice);
    FillChoices(ControlNamed<TUiComboBox>(*this, "combo_lado"), {"Direito", "Esquerdo"},
                kAnyChoice);
    if (data.game_state.main_country == kCustomChampionship) {
        // The custom championship's clubs are the only ones searched: no country to choose.
        auto& country = ControlNamed<Control>(*this, "ckpais");
        country.SetVisible(false);
        ControlNamed<Control>(*this, "combopais").SetVisible(false);
        ControlNamed<Control>(*this, "ckestrela").SetTop(country.Top());
    } else {
        std::vector<std::string> leagues;
        std::vector<int> league_flags;
        const int first = DefaultSearchCountry(data);
        int chosen = -1;
        for (const t_league_config& config : data.league_configs) {
            if (config.country == first && chosen < 0) chosen = static_cast<int>(leagues.size());
            leagues.emplace_back(CountryName(config.country));
            league_flags.push_back(config.country >= 0 && config.country < flags.Count()
                                       ? config.country
                                       : -1);
        }
        auto& combo = ControlNamed<TUiComboBox>(*this, "combopais");
        combo.images = &flags;
        combo.SetItems(std::move(leagues), std::move(league_flags));
        combo.SetItemIndex(chosen);
    }

    auto& grid = ControlNamed<TReportGrid>(*this, "gfind");
    AddFlagColumn(grid, "gcpais");
    AddMarkColumn(grid, "gcimg", "", 20);
    for (const Column& c : kColumns) {
        TGrCustomColumn& column = grid.Columns().Add(c.name, c.number ? ckInteger : ckString);
        column.Header().SetCaption(c.header);
        column.SetWidth(c.width);
        column.SetVisible(c.width > 0);
        if (c.number) column.SetSortType(stNumeric);
        if (std::string_view(c.name) == "gchabilidade")
            AddMarkColumn(grid, "gcavenda", "A venda", 50);
    }
    BandReportRows(grid);
    // The value column sorts by the amount behind its grouped digits.
    grid.on_header_click = [this, &grid](int col, bool& sort) {
        if (!grid.Columns().IsValidIndex(col) || grid.Columns().GetItem(col).Name() != "gcpasse")
            return;
        sort = false;
        value_ascending_ = !value_ascending_;
        grid.SortColumn(*grid.Columns().ColumnByName("gcvalortmp"), value_ascending_);
    };
    grid.on_dbl_click = [this] { gfindDblClick(); };
    ControlNamed<Control>(*this, "button2").on_click = [this] { button2Click(); };
    DoCreate();
}

PlayerSearchCriteria TForm27::Criteria() {
    PlayerSearchCriteria c;
    c.name = ControlNamed<Edit>(*this, "Edit1").Text();
    c.position = Choice(ControlNamed<TUiComboBox>(*this, "c2"));
    c.strength = Choice(ControlNamed<TUiComboBox>(*this, "c1"));
    c.age = Choice(ControlNamed<TUiComboBox>(*this, "c3"));
    c.value = Choice(ControlNamed<TUiComboBox>(*this, "c4"));
    c.nationality = Choice(ControlNamed<TUiComboBox>(*this, "c7"));
    c.characteristic1 = Choice(ControlNamed<TUiComboBox>(*this, "c5"));
    c.characteristic2 = Choice(ControlNamed<TUiComboBox>(*this, "c6"));
    c.side = Choice(ControlNamed<TUiComboBox>(*this, "combo_lado"));
    c.on_sale = ControlNamed<TMarkupCheckBox>(*this, "ckavenda").Checked();
    c.offered_for_loan = ControlNamed<TMarkupCheckBox>(*this, "ckemp").Checked();
    c.star = ControlNamed<TMarkupCheckBox>(*this, "ckestrela").Checked();
    const GameData& data = Game();
    const int league = ControlNamed<TUiComboBox>(*this, "combopais").ItemIndex();
    if (ControlNamed<TMarkupCheckBox>(*this, "ckpais").Checked() && league >= 0 &&
        league < static_cast<int>(data.league_configs.size()))
        c.league_country = data.league_configs[static_cast<std::size_t>(league)].country;
    return c;
}

void TForm27::button2Click() {
    const BusyCursor busy;
    auto& grid = ControlNamed<TReportGrid>(*this, "gfind");
    grid.ClearRows();
    const GameData& data = Game();
    const std::vector<int> found = SearchPlayers(data, Criteria());
    for (const int index : found) {
        const t_player& p = data.players[static_cast<std::size_t>(index)];
        const int row = grid.AddRow();
        auto cell = [&](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        const bool known_country = p.nationality >= 0 && p.nationality < kCountryCount;
        SetFlagCell(grid, "gcpais", row, p.nationality);
        if (known_country)
            grid.GetCellByVariant("gcpais", row)
                .SetHint(std::string(country_names[static_cast<std::size_t>(p.nationality)]));
        cell("gcimg", p.star ? "1" : "0");
        cell("gcnome", p.name.str());
        cell("gcclube", data.teams[static_cast<std::size_t>(p.team)].name.str());
        cell("gcposicao", p.position >= 0 && p.position < 5
                              ? std::string(position_letters[static_cast<std::size_t>(p.position)])
                              : "");
        cell("gclado", p.side == 1 ? "E" : "D");
        cell("gcforca", std::to_string(p.strength));
        cell("gcidade", std::to_string(p.age));
        cell("gcsalario", MoneyCell(p.wage));
        cell("gcpasse", MoneyCell(p.value));
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
        cell("gcavenda", p.on_sale ? "2" : "3");
        cell("gcid", std::to_string(index));
        cell("gcvalortmp", std::to_string(MoneyToWholeUnits(p.value)));
        cell("gcgols", std::to_string(p.goals));
    }
    ControlNamed<Label>(*this, "Label9")
        .SetCaption(found.empty() ? "Nenhum jogador encontrado"
                                  : std::to_string(found.size()) + " jogadores encontrados");
}

void TForm27::gfindDblClick() {
    auto& grid = ControlNamed<TReportGrid>(*this, "gfind");
    const int row = grid.SelectedRow();
    if (row < 0 || row >= grid.GetRowCount()) return;
    const std::string id = grid.GetCellTextByVariant("gcid", row);
    const GameData& data = Game();
    const int player = id.empty() ? -1 : std::stoi(id);
    if (!InTable(data.players, player)) return;
    const int team = data.players[static_cast<std::size_t>(player)].team;
    MainWindowSelections().viewed_team = team;
    if (auto& open = PlayerSearchTeamView()) open(team);
}

void ShowPlayerSearchWindow() {
    ShowClubWindow<TForm27>();
}

}  // namespace kv
