#include "screens/main/national_hub_window.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "game/national_board.h"
#include "game/national_team_turn.h"
#include "match/computer_lineups.h"
#include "match/human_lineup.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/panel.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/short_cut.h"
#include "screens/main/main_window.h"
#include "screens/main/main_window_pictures.h"
#include "screens/main/main_window_texts.h"
#include "screens/main/national_board_window.h"
#include "screens/main/squad_grid_columns.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/smooth_label.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr TColor kOddRowColour = static_cast<TColor>(0x00ECFFFF);

TForm75* g_hub = nullptr;

void RegisterHubClasses() {
    RegisterSmoothControlClasses();
    RegisterProgressBarClasses();
    RegisterGridControlClasses();
}

const std::initializer_list<LayoutProperty> kText = {{"AutoSize", "False"},
                                                     {"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kLink = {
    {"AutoSize", "False"}, {"Transparent", "True"}, {"Cursor", "crHandPoint"}};
const std::initializer_list<LayoutProperty> kPicture = {
    {"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}};
constexpr LayoutFont kPanelFont = {"Arial", 9, fsBold, clWhite};
constexpr LayoutFont kLinkFont = {"Arial", 10, fsBold | fsUnderline, clWhite};

const LayoutControl kControls[] = {
    {.name = "Image1", .class_name = "TImage", .bounds = {14, 6, 56, 56}, .properties = kPicture},
    {.name = "Image9",
     .class_name = "TImage",
     .bounds = {14, 6, 56, 56},
     .properties = {{"Stretch", "True"}, {"Center", "True"}, {"Visible", "False"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {80, 8, 300, 28},
     .caption = "Copa do Mundo",
     .font = {"Arial", 16, fsBold, clYellow},
     .properties = kText},
    {.name = "Image2", .class_name = "TImage", .bounds = {80, 40, 24, 18}, .properties = kPicture},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {110, 41, 260, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kText},
    {.name = "thumb1", .class_name = "TImage", .bounds = {548, 18, 24, 24}, .properties = kPicture},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {576, 22, 100, 18},
     .caption = "Tabela jogos",
     .font = kLinkFont,
     .properties = kLink},
    {.name = "thumb2", .class_name = "TImage", .bounds = {690, 18, 24, 24}, .properties = kPicture},
    {.name = "Label13",
     .class_name = "TLabel",
     .bounds = {718, 22, 70, 18},
     .caption = "Opções",
     .font = kLinkFont,
     .properties = kLink},
    {.name = "Panel1",
     .class_name = "TPanel",
     .bounds = {8, 68, 784, 524},
     .color = static_cast<TColor>(0x00205020),
     .properties = {{"BevelOuter", "bvNone"}}},
    {.name = "escudo",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {10, 8, 64, 64},
     .properties = kPicture},
    {.name = "nometime_shad",
     .class_name = "TUiSmoothLabel",
     .parent = "Panel1",
     .bounds = {88, 12, 320, 32},
     .font = {"Tahoma", 18, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "nometime",
     .class_name = "TUiSmoothLabel",
     .parent = "Panel1",
     .bounds = {86, 10, 320, 32},
     .font = {"Tahoma", 18, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "Label12",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {88, 50, 60, 16},
     .caption = "Técnico:",
     .font = kPanelFont,
     .properties = kText},
    {.name = "Label3",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {150, 50, 260, 16},
     .font = kPanelFont,
     .properties = kText},
    {.name = "Label1",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {430, 10, 120, 16},
     .caption = "Próximo jogo:",
     .font = kPanelFont,
     .properties = kText},
    {.name = "Label21",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {430, 28, 340, 22},
     .font = {"Arial", 13, fsBold, clWhite},
     .properties = kText},
    {.name = "Label22",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {430, 52, 340, 16},
     .font = kPanelFont,
     .properties = kText},
    {.name = "gridview1",
     .class_name = "TReportGrid",
     .parent = "Panel1",
     .bounds = {10, 80, 764, 396},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "20"},
                    {"TabOrder", "0"}}},
    {.name = "btjogar",
     .class_name = "TUiGlowButton",
     .parent = "Panel1",
     .bounds = {604, 484, 170, 32},
     .caption = "Escalar Time",
     .font = {"Arial", 10, fsBold, clWindowText},
     .properties = {{"TabOrder", "1"}}},
};

constexpr SquadColumn kColumns[] = {
    {"id", "", 20, ColumnClass::kNumber, false},
    {"status", "", 20, ColumnClass::kNumber, false},
    {"posicaojog", "P", 30, ColumnClass::kText, true},
    {"condicao", "", 22, ColumnClass::kImage, true},
    {"nome", "Nome", 240, ColumnClass::kText, true},
    {"funcaojog", "Função", 50, ColumnClass::kText, false},
    {"forca", "F", 40, ColumnClass::kNumber, true},
    {"energia", "Energia", 200, ColumnClass::kProgress, true},
    {"gols", "G", 20, ColumnClass::kNumber, false},
    {"habilidades", "Car.", 150, ColumnClass::kText, true},
    {"idade", "I", 40, ColumnClass::kNumber, true},
    {"moral", "M", 30, ColumnClass::kNumber, false},
};

ImageList& AvailabilityImages() {
    static ImageList list = [] {
        ImageList made(20, 16);
        FillAvailabilityPictures(made);
        return made;
    }();
    return list;
}

// The tournament's emblem: a disc in the cup's metal with a ball in its middle.
Picture TournamentEmblem(int kind) {
    constexpr int kSide = 56;
    Picture emblem(kSide, kSide);
    Canvas canvas(emblem);
    const TColor metal = kind == ckWorldCup             ? static_cast<TColor>(0x0037AFD4)
                         : kind == ckAmericasNationsCup ? static_cast<TColor>(0x00C0C0C0)
                                                        : static_cast<TColor>(0x00A05020);
    canvas.pen.color = clBlack;
    canvas.brush.color = metal;
    canvas.Ellipse({1, 1, kSide - 1, kSide - 1});
    canvas.brush.color = clWhite;
    canvas.Ellipse({16, 16, kSide - 16, kSide - 16});
    canvas.brush.color = clBlack;
    canvas.Ellipse({24, 24, kSide - 24, kSide - 24});
    return emblem;
}

void SetFontColour(Control& control, TColor colour) {
    Font font = control.font();
    font.color = colour;
    control.SetFont(font);
}

}  // namespace

std::function<bool(int opponent)>& NationalHubLineup() {
    static std::function<bool(int)> open;
    return open;
}

const WindowLayout kForm75Layout = {
    .name = "Form75",
    .class_name = "TForm75",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, fsBold, clWindowText},
    .color = static_cast<TColor>(0x00203A0E),
    .properties = {{"BorderStyle", "bsNone"}},
    .controls = kControls,
    // It fills the screen and scales itself by the main window's rule, once.
    .scales = false,
    .register_classes = RegisterHubClasses,
};

TForm75::TForm75() : Form("Form75") {
    BuildWindowLayout(*this, kForm75Layout);
    TileGameBackground(*this);
    key_preview = true;
    g_hub = this;
    on_destroy = [this] {
        if (g_hub == this) g_hub = nullptr;
    };
    const int kind = Game().game_state.match_kind;
    if (kind == ckAmericasNationsCup || kind == ckEuropeanNationsCup) {
        ControlNamed<Control>(*this, "Image1").Hide();
        auto& emblem = ControlNamed<Image>(*this, "Image9");
        emblem.SetLeft(14);
        emblem.Show();
        emblem.SetPicture(TournamentEmblem(kind));
    } else {
        ControlNamed<Image>(*this, "Image1").SetPicture(TournamentEmblem(kind));
    }
    ControlNamed<Image>(*this, "thumb1").SetPicture(MainWindowIcon("historico"));
    ControlNamed<Image>(*this, "thumb2").SetPicture(MainWindowIcon("cores"));

    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    for (const SquadColumn& c : kColumns) AddSquadColumn(grid, c, &AvailabilityImages());
    // Clicks on the list change nothing; its rows alternate a pale yellow and white.
    grid.on_cell_coloring = [](int, int row, TColor& colour, TColor&, TCellState state) {
        if (!state.Has(csSelected)) colour = row % 2 == 1 ? kOddRowColour : clWhite;
    };

    PopupMenu& options = AddComponent<PopupMenu>("PopupMenu2");
    auto open = [](const char* window) {
        if (auto& opener = MainWindowOpener(window)) {
            const BusyCursor busy;
            opener();
        }
    };
    options.Add("Salvar", "Salvar jogo", [open] { open("SaveGame"); }).short_cut =
        MakeShortCut(VK_F2);
    options.Add("opcoes", "Opções", [open] { open("TForm32"); }).short_cut = MakeShortCut(VK_F3);
    options.Add("Sairdojogo1", "Sair do jogo", [] { Screen::Get().Terminate(); });
    auto popup = [this, &options] {
        Control& thumb = ControlNamed<Control>(*this, "thumb2");
        const Point at = thumb.ClientToScreen({0, thumb.Height()});
        options.Popup(at.x, at.y);
    };
    ControlNamed<Control>(*this, "Label13").on_click = popup;
    ControlNamed<Control>(*this, "thumb2").on_click = popup;
    ControlNamed<Control>(*this, "Label4").on_click = [this] { OpenBoard(); };
    ControlNamed<Control>(*this, "thumb1").on_click = [this] { OpenBoard(); };
    ControlNamed<Control>(*this, "btjogar").on_click = [this] { BtjogarClick(); };
    on_key_down = [this](int& key, ShiftState shift) { KeyPressed(key, shift); };

    // Scaled to the screen from its 800-pixel design, as the main window is.
    Screen& screen = Screen::Get();
    const ScreenSize size{screen.Width(), screen.Height()};
    const WindowScale scale = WindowScaleFor(size);
    if (scale.scaled) ScaleBy(scale.numerator, scale.denominator);
    SetBounds(0, 0, screen.Width(), screen.Height());
    SpreadOverWideScreen(ClientWidth() - MulDiv(design_width, scale.numerator, scale.denominator));
    // Above 800x600 the name, energy and characteristics columns take the narrower widths of
    // the larger screens; then every column widens in proportion until the list is filled.
    if (ScreenSizeClass(size) > 1) {
        for (const auto& [name, width] :
             {std::pair{"nome", 100}, std::pair{"energia", 80}, std::pair{"habilidades", 55},
              std::pair{"gols", 30}, std::pair{"funcaojog", 70}})
            grid.Columns().ColumnByName(name)->SetWidth(width);
    }
    FitSquadColumns(grid, kColumns, [](std::string_view) { return false; });
    // The grid's rows keep the designed font at every scale.
    Font grid_font = grid.font();
    grid_font.size = kForm75Layout.font.size;
    grid.SetFont(grid_font);
    DoCreate();
}

void TForm75::SpreadOverWideScreen(int spare) {
    if (spare <= 0) return;
    // The panel and its list take the extra width; what stands on the right half (the links,
    // the next match and the button) moves over to the screen's edge.
    auto& panel = ControlNamed<Control>(*this, "Panel1");
    auto& grid = ControlNamed<Control>(*this, "gridview1");
    const int middle = panel.Left() + panel.Width() / 2;
    const int panel_middle = panel.Width() / 2;
    for (const auto& child : Children())
        if (child.get() != &panel && child->Left() >= middle) child->SetLeft(child->Left() + spare);
    for (const auto& child : panel.Children())
        if (child.get() != &grid && child->Left() >= panel_middle)
            child->SetLeft(child->Left() + spare);
    panel.SetBounds(panel.Left(), panel.Top(), panel.Width() + spare, panel.Height());
    grid.SetBounds(grid.Left(), grid.Top(), grid.Width() + spare, grid.Height());
}

int TForm75::TakeTurnFrom(int slot) {
    GameData& data = Game();
    for (; slot > 0; slot = NextNationalTeamTurn(data, slot)) {
        opponent_ = RefreshNationalTeamTurn(data);
        if (opponent_ >= 0) return slot;
    }
    return 0;
}

bool TForm75::StartTurns() {
    slot_ = TakeTurnFrom(OpenNationalTeamTurn(Game()));
    if (slot_ == 0) return false;
    Refresh();
    return true;
}

void TForm75::Refresh() {
    GameData& data = Game();
    const int team = data.game_state.national_team;
    if (!InTable(data.teams, team)) return;
    // The coach whose turn it is: saved tactics and the line-up are his.
    opponent_ = RefreshNationalTeamTurn(data);
    FillSquadGrid(team);
    FillHeader(team);
}

void TForm75::FillSquadGrid(int team) {
    GameData& data = Game();
    const int kind = data.game_state.match_kind;
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.BeginUpdate();
    grid.ClearRows();
    for (const int player : SquadInListOrder(data, team)) {
        const t_player& p = data.players[player];
        const int row = grid.AddRow();
        auto set = [&grid, row](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        set("id", std::to_string(player));
        set("posicaojog",
            std::string(position_letters[static_cast<std::size_t>(std::clamp(p.position, 0, 4))]));
        set("nome", p.name.str());
        set("forca", std::to_string(p.strength));
        set("energia", std::to_string(p.energy));
        const auto [abilities, hint] = CharacteristicsCell(data, player);
        set("habilidades", abilities);
        grid.GetCellByVariant("habilidades", row).SetHint(hint);
        set("idade", std::to_string(p.age));
        set("condicao", std::to_string(AvailabilityPicture(data, player, kind).first));
    }
    grid.EndUpdate();
    if (grid.GetRowCount() > 0) grid.SelectCell(1, 0);
}

void TForm75::FillHeader(int team) {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    const t_team& t = data.teams[team];
    const int host = TournamentHost(data);
    auto& flag = ControlNamed<Image>(*this, "Image2");
    if (host >= 0 && host < static_cast<int>(flag_pictures().size()))
        flag.SetPicture(flag_pictures()[host]);
    const std::string host_name =
        host >= 0 && host < kCountryCount ? std::string(country_names[host]) : std::string();
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(host_name + " " + std::to_string(2013 + gs.season));
    if (gs.match_kind == ckAmericasNationsCup)
        ControlNamed<Label>(*this, "Label6").SetCaption("Copa América");
    if (gs.match_kind == ckEuropeanNationsCup)
        ControlNamed<Label>(*this, "Label6").SetCaption("Eurocopa");
    ControlNamed<Label>(*this, "Label21")
        .SetCaption(InTable(data.teams, opponent_) ? data.teams[opponent_].name.str() : "");
    ControlNamed<Label>(*this, "Label22").SetCaption(NationalMatchLine(data, team));
    ControlNamed<Label>(*this, "Label3")
        .SetCaption(InTable(data.coaches, t.coach) ? data.coaches[t.coach].name.str() : "");
    auto& symbol = ControlNamed<Image>(*this, "escudo");
    const std::string path = BuildNationalSymbolPath(team);
    if (path.empty() || !symbol.LoadFromFile(path)) symbol.SetPicture(Picture());
    const auto back = static_cast<TColor>(t.back_colour);
    const auto text = static_cast<TColor>(t.text_colour);
    ControlNamed<Control>(*this, "Panel1").SetColor(back);
    ShowGradientText(ControlNamed<TUiSmoothLabel>(*this, "nometime"),
                     &ControlNamed<TUiSmoothLabel>(*this, "nometime_shad"), t.name.str(), back,
                     text, back);
    for (const char* name : {"Label12", "Label3", "Label1", "Label21", "Label22"})
        SetFontColour(ControlNamed<Control>(*this, name), text);
}

void TForm75::BtjogarClick() {
    GameData& data = Game();
    const int team = StartNationalTeamLineup(data);
    if (team < 0) return;
    if (auto& lineup = NationalHubLineup()) {
        if (lineup(opponent_)) NextHumanTurnOrPlay();
        return;
    }
    CommitComputerLineup(data, team, true);
    NextHumanTurnOrPlay();
}

void TForm75::NextHumanTurnOrPlay() {
    slot_ = TakeTurnFrom(NextNationalTeamTurn(Game(), slot_));
    if (slot_ > 0) {
        Refresh();
        return;
    }
    // Every turn taken: the window goes (freed once its handler is over) and the match day
    // comes.
    {
        const BusyCursor busy;
        PrepareComputerLineups();
    }
    Release();
    if (auto& next = MainWindowNextScreen()) next(NextScreen::kMatchDay);
}

void TForm75::OpenBoard() {
    ShowNationalBoard();
}

void TForm75::KeyPressed(int& key, ShiftState shift) {
    if (key == VK_F4 && shift == ssAlt) {
        key = 0;  // the window does not close on Alt+F4
        return;
    }
    const char* window = key == VK_F2 ? "SaveGame" : key == VK_F3 ? "TForm32" : nullptr;
    if (!window) return;
    key = 0;
    if (auto& opener = MainWindowOpener(window)) opener();
}

TForm75* ShowNationalHub() {
    GameData& data = Game();
    TForm75& form = Screen::Get().Create<TForm75>();
    if (!form.StartTurns()) {
        form.Release();
        PrepareComputerLineups();
        if (auto& next = MainWindowNextScreen()) next(NextScreen::kMatchDay);
        return nullptr;
    }
    // The automatic save counts the hub's openings with the main window's, except on the day a
    // game is built or loaded.
    if (!data.opening_main_window && AutosaveDue(data))
        if (auto& save = MainWindowOpener("SaveGame")) save();
    form.Show();
    return &form;
}

TForm75* NationalHub() {
    return g_hub;
}

}  // namespace kv
