#include "screens/main/main_window.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/game_site.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "game/headless_game.h"
#include "match/computer_lineups.h"
#include "match/human_lineup.h"
#include "match/lineup_strength.h"
#include "platform/gfx/colour_contrast.h"
#include "platform/window/classic_look.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/shell.h"
#include "platform/window/short_cut.h"
#include "platform/window/timer.h"
#include "screens/main/dismissal_window.h"
#include "screens/main/main_window_pictures.h"
#include "screens/main/main_window_texts.h"
#include "screens/main/squad_grid_columns.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/window_layout.h"
#include "season/coach_dismissals.h"
#include "season/fixture_list.h"
#include "season/loans.h"
#include "season/news.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/gradient.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr TColor kOddRowColour = static_cast<TColor>(0x00ECFFFF);
constexpr int kBallCursor = 10;

void RegisterMainWindowClasses() {
    RegisterSmoothControlClasses();
    RegisterProgressBarClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kIcon = {{"Center", "True"}};

const LayoutControl kControls[] = {
    {.name = "Gradient1", .class_name = "TGradient", .bounds = {0, 0, 800, 600}},
    {.name = "nova_barra",
     .class_name = "TImage",
     .bounds = {0, 0, 800, 46},
     .properties = {{"Stretch", "True"}, {"ShowHint", "True"}}},
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {15, 52, 60, 60},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "nometime_shad",
     .class_name = "TUiSmoothLabel",
     .bounds = {90, 52, 250, 29},
     .font = {"Tahoma", 18, fsBold, clBlack},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "nometime",
     .class_name = "TUiSmoothLabel",
     .bounds = {88, 50, 250, 29},
     .font = {"Tahoma", 18, fsBold, clWhite},
     .properties = {{"Caption.Location", "plCenterLeft"}}},
    {.name = "lb_tec",
     .class_name = "TMarkupLabel",
     .bounds = {88, 82, 250, 16},
     .properties = kMarkup},
    {.name = "lb_infot",
     .class_name = "TMarkupLabel",
     .bounds = {88, 98, 250, 16},
     .properties = kMarkup},
    {.name = "lab_data",
     .class_name = "TMarkupLabel",
     .bounds = {660, 52, 130, 16},
     .properties = kMarkup},
    {.name = "lb_cd",
     .class_name = "TMarkupLabel",
     .bounds = {346, 52, 140, 16},
     .caption = "<B><SHAD>Confiança diretoria:</SHAD></B>",
     .properties = kMarkup},
    {.name = "bar1",
     .class_name = "TUiSmoothProgressBar",
     .bounds = {346, 70, 130, 14},
     .properties = {{"TabStop", "False"}}},
    {.name = "lb_ct",
     .class_name = "TMarkupLabel",
     .bounds = {500, 52, 140, 16},
     .caption = "<B><SHAD>Confiança torcida:</SHAD></B>",
     .properties = kMarkup},
    {.name = "bar2",
     .class_name = "TUiSmoothProgressBar",
     .bounds = {500, 70, 130, 14},
     .properties = {{"TabStop", "False"}}},
    {.name = "Image9", .class_name = "TImage", .bounds = {346, 90, 24, 24}, .properties = kIcon},
    {.name = "labmoney",
     .class_name = "TMarkupLabel",
     .bounds = {376, 95, 150, 16},
     .properties = kMarkup},
    {.name = "imgj",
     .class_name = "TImage",
     .bounds = {560, 92, 24, 18},
     .properties = {{"Center", "True"}, {"ShowHint", "True"}}},
    {.name = "label32",
     .class_name = "TMarkupLabel",
     .bounds = {590, 95, 200, 16},
     .properties = kMarkup},
    {.name = "gridview1",
     .class_name = "TReportGrid",
     .bounds = {8, 120, 520, 420},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "20"},
                    {"TabOrder", "0"}}},
    {.name = "pinfo_panel", .class_name = "TUiSmoothPanel", .bounds = {536, 120, 256, 225}},
    {.name = "lb_infojogn",
     .class_name = "TMarkupLabel",
     .parent = "pinfo_panel",
     .bounds = {8, 8, 210, 16},
     .properties = kMarkup},
    {.name = "Image1",
     .class_name = "TImage",
     .parent = "pinfo_panel",
     .bounds = {224, 9, 24, 13},
     .properties = {{"Stretch", "True"}, {"Visible", "False"}}},
    {.name = "Shape1",
     .class_name = "TShape",
     .parent = "pinfo_panel",
     .bounds = {8, 26, 240, 1},
     .properties = {{"PenColor", "clWhite"}}},
    {.name = "lb_infojog",
     .class_name = "TMarkupLabel",
     .parent = "pinfo_panel",
     .bounds = {8, 30, 240, 146},
     .properties = kMarkup},
    {.name = "Image4",
     .class_name = "TImage",
     .parent = "pinfo_panel",
     .bounds = {228, 180, 20, 20},
     .properties = {{"Center", "True"}, {"ShowHint", "True"}}},
    {.name = "btvender",
     .class_name = "TUiGlowButton",
     .parent = "pinfo_panel",
     .bounds = {8, 180, 65, 18},
     .caption = "vender",
     .properties = {{"TabOrder", "0"}}},
    {.name = "btalterasal",
     .class_name = "TUiGlowButton",
     .parent = "pinfo_panel",
     .bounds = {80, 180, 65, 18},
     .caption = "contrato",
     .properties = {{"TabOrder", "1"}}},
    {.name = "btaposenta",
     .class_name = "TUiGlowButton",
     .parent = "pinfo_panel",
     .bounds = {152, 180, 65, 18},
     .caption = "aposentar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "Button4",
     .class_name = "TUiGlowButton",
     .parent = "pinfo_panel",
     .bounds = {8, 202, 209, 18},
     .caption = "Retirar da lista de venda",
     .properties = {{"TabOrder", "3"}, {"Visible", "False"}}},
    {.name = "p_conf",
     .class_name = "TUiSmoothPanel",
     .bounds = {536, 120, 256, 225},
     .properties = {{"Visible", "False"}}},
    {.name = "lb_conf1",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {8, 6, 240, 16},
     .properties = kMarkup},
    {.name = "Shape5",
     .class_name = "TShape",
     .parent = "p_conf",
     .bounds = {8, 24, 240, 1},
     .properties = {{"PenColor", "clWhite"}}},
    {.name = "lb_conf2",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {8, 30, 240, 44},
     .properties = kMarkup},
    {.name = "lb_conf3",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {8, 80, 240, 46},
     .properties = kMarkup},
    {.name = "lb_conf4",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {8, 134, 240, 16},
     .properties = kMarkup},
    {.name = "pimg",
     .class_name = "TImage",
     .parent = "p_conf",
     .bounds = {8, 156, 16, 16},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "lb_conft1",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {30, 156, 218, 16},
     .properties = kMarkup},
    {.name = "pimg2",
     .class_name = "TImage",
     .parent = "p_conf",
     .bounds = {8, 180, 16, 16},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "lb_conft2",
     .class_name = "TMarkupLabel",
     .parent = "p_conf",
     .bounds = {30, 180, 218, 16},
     .properties = kMarkup},
    {.name = "esc1",
     .class_name = "TImage",
     .bounds = {536, 356, 60, 60},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "lb_infonext",
     .class_name = "TMarkupLabel",
     .bounds = {604, 356, 188, 46},
     .properties = kMarkup},
    {.name = "Image13",
     .class_name = "TImage",
     .bounds = {604, 404, 32, 24},
     .properties = {{"Center", "True"}, {"ShowHint", "True"}}},
    {.name = "icon_arbitro",
     .class_name = "TImage",
     .bounds = {644, 404, 24, 24},
     .properties = {{"Center", "True"}, {"ShowHint", "True"}}},
    {.name = "btjogar",
     .class_name = "TUiGlowButton",
     .bounds = {604, 440, 150, 30},
     .caption = "Escalar Time",
     .properties = {{"TabOrder", "1"}}},
    {.name = "Image5", .class_name = "TImage", .bounds = {8, 544, 22, 20}, .properties = kIcon},
    {.name = "lb_total",
     .class_name = "TMarkupLabel",
     .bounds = {43, 546, 120, 16},
     .properties = kMarkup},
    {.name = "Image10", .class_name = "TImage", .bounds = {170, 543, 22, 22}, .properties = kIcon},
    {.name = "lb_cores",
     .class_name = "TMarkupLabel",
     .bounds = {196, 546, 130, 16},
     .caption = "<SHAD>Cores do time</SHAD>",
     .properties = kMarkup},
    {.name = "Label23",
     .class_name = "TMarkupLabel",
     .bounds = {8, 574, 320, 16},
     .properties = kMarkup},
};

// The squad grid's columns in display order.
constexpr SquadColumn kColumns[] = {
    {"id", "", 20, ColumnClass::kNumber, false, false},
    {"status", "", 22, ColumnClass::kImage, true, true},
    {"posicaojog", "P", 25, ColumnClass::kText, true, true},
    {"condicao", "", 18, ColumnClass::kImage, true, true},
    {"nome", "Nome", 87, ColumnClass::kText, true, false},
    {"funcaojog", "Lado", 40, ColumnClass::kText, true, true},
    {"forca", "F", 30, ColumnClass::kNumber, true, true},
    {"energia", "Energia", 60, ColumnClass::kProgress, true, false},
    {"salario", "Salário", 53, ColumnClass::kText, true, false},
    {"passe", "Passe", 53, ColumnClass::kText, true, false},
    {"gols", "G", 20, ColumnClass::kNumber, true, true},
    {"habilidades", "Car.", 45, ColumnClass::kText, true, false},
    {"idade", "I", 22, ColumnClass::kNumber, true, true},
    {"moral", "M", 30, ColumnClass::kImage, true, true},
    {"passet", "", 55, ColumnClass::kNumber, false, false},
    {"salariot", "", 55, ColumnClass::kNumber, false, false},
    {"gcstatus", "", 8, ColumnClass::kNumber, false, false},
};

// The tool bar's zones in picture pixels, their hints and the window each opens.
struct ToolZone {
    int x0, x1, y0, y1;
    const char* hint;
    const char* window;
    // Where a menu opens, on the 800-pixel design screen: always there, wherever the click was.
    Point menu_at = {0, 0};
};
constexpr ToolZone kToolZones[] = {
    {77, 108, 11, 43, "Opções", "PopupMenu2", {4, 5}},
    {132, 161, 11, 43, "Tabela de jogos", "PopupMenu7", {52, 5}},
    {181, 218, 11, 40, "Finanças", "PopupMenu6", {96, 5}},
    {240, 272, 8, 40, "Tabela de classificação - F5", "TForm36"},
    {295, 341, 8, 40, "Estádio", "TForm8"},
    {366, 415, 4, 35, "Ver todos os times", "TForm14"},
    {436, 471, 6, 35, "Procurar jogador", "TForm27"},
    {493, 516, 4, 36, "Ranking de técnicos", "PopupMenu3", {355, 5}},
    {534, 565, 4, 36, "Campeões", "TForm29"},
    {581, 607, 2, 37, "Artilheiros", "TForm20"},
    {625, 655, 4, 36, "Rankings", "PopupMenu4", {458, 5}},
};

TForm13* g_main_window = nullptr;

long long CashUnits(const t_team& t) {
    return MoneyToUnits(t.cash);
}

void SetFontColour(Control& control, TColor colour) {
    Font font = control.font();
    font.color = colour;
    control.SetFont(font);
}

// The grid's pictures, drawn once for the run.
struct GridPictures {
    ImageList shirts, availability, morale;
    GridPictures() {
        FillShirtNumberPictures(shirts);
        FillAvailabilityPictures(availability);
        FillMoralePictures(morale);
    }
};
GridPictures& Pictures() {
    static GridPictures pictures;
    return pictures;
}

const Picture& ToolBar() {
    static const Picture picture = ToolBarPicture();
    return picture;
}

void LoadCrest(Image& image, int team) {
    const std::string path = team >= 0 ? BuildCrestPath(team) : std::string();
    if (path.empty() || !image.LoadFromFile(path)) image.SetPicture(Picture());
}

// Answers the turn's events through the windows the routes connect.
class MainWindowEvents : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override {
        // A later coach's events come before the window has been given to him: show his club
        // first, so the question is asked over his own squad.
        if (TForm13* window = MainWindow();
            window && window->ShownClub() != Game().game_state.user_club)
            window->RefreshTurn();
        return hooked_.Show(request);
    }

  private:
    EventHookWindows hooked_;
};

MainWindowEvents g_events;

}  // namespace

std::function<void()>& MainWindowOpener(std::string_view window) {
    static std::map<std::string, std::function<void()>, std::less<>> openers;
    auto it = openers.find(window);
    if (it == openers.end()) it = openers.emplace(std::string(window), nullptr).first;
    return it->second;
}

std::function<void(NextScreen)>& MainWindowNextScreen() {
    static std::function<void(NextScreen)> next;
    return next;
}

std::function<bool()>& MainWindowResignationQuestion() {
    static std::function<bool()> question;
    return question;
}

MainWindowSelection& MainWindowSelections() {
    static MainWindowSelection selection;
    return selection;
}

std::string MainWindowWebAddress() {
    return std::string(kGameWebAddress);
}

std::function<bool(const WindowRequest&)>& MainWindowEventWindow() {
    static std::function<bool(const WindowRequest&)> hook;
    return hook;
}

bool EventHookWindows::Show(const WindowRequest& request) {
    auto& hook = MainWindowEventWindow();
    return hook ? hook(request) : declined_.Show(request);
}

const WindowLayout kForm13Layout = {
    .name = "Form13",
    .class_name = "TForm13",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, fsBold, clWindowText},
    .color = clBtnFace,
    .properties = {{"BorderStyle", "bsNone"}},
    .controls = kControls,
    // It fills the screen and scales itself by its own rule, once.
    .scales = false,
    .register_classes = RegisterMainWindowClasses,
};

void TForm13::StartTurn(const CoachTurn& turn) {
    turn_ = turn;
    RefreshTurn();
    round_events_pending_ = true;
    if (auto* timer = static_cast<Timer*>(FindComponent("Timer1"))) timer->SetEnabled(true);
}

void TForm13::RunRoundEvents() {
    round_events_pending_ = false;
    GameData& data = Game();
    kv::RunRoundEvents(data, g_events, turn_.skip_updates);
    // An offer, a loan or a death may have changed the squad and the cash.
    RefreshTurn();
}

TForm13::TForm13() : Form("Form13") {
    BuildWindowLayout(*this, kForm13Layout);
    key_preview = true;
    g_main_window = this;
    // The cup bracket shows the national cup unless a menu entry says otherwise.
    MainWindowSelections().cup_bracket_kind = 2;
    on_destroy = [this] {
        if (g_main_window == this) g_main_window = nullptr;
    };
    SetupGridColumns();
    BuildMenus();
    // The confidences are shown as they stand, not glided to.
    for (const char* name : {"bar1", "bar2"}) {
        auto& bar = ControlNamed<TUiSmoothProgressBar>(*this, name);
        bar.SetProgressAnimation(false);
        bar.Appearance().SetValueVisible(true);
        bar.Appearance().SetValueType(vtAbsolute);
        bar.Appearance().SetValueFormat("%.0f%%");
    }

    // Scaled to the screen from its 800-pixel design.
    Screen& screen = Screen::Get();
    const WindowScale scale = WindowScaleFor({screen.Width(), screen.Height()});
    if (scale.scaled) ScaleBy(scale.numerator, scale.denominator);
    SetBounds(0, 0, screen.Width(), screen.Height());
    // A wide screen is wider than the scaled design: the squad grid takes the extra width and
    // the panels on its right move over to the screen's edge.
    auto& squad = ControlNamed<Control>(*this, "gridview1");
    const int spare = ClientWidth() - MulDiv(design_width, scale.numerator, scale.denominator);
    if (spare > 0) {
        const int right_column = squad.Left() + squad.Width();
        for (const auto& child : Children())
            if (child->Left() >= right_column)
                child->SetBounds(child->Left() + spare, child->Top(), child->Width(),
                                 child->Height());
        squad.SetBounds(squad.Left(), squad.Top(), squad.Width() + spare, squad.Height());
    }
    // A screen taller than the scaled design (1920x1080 keeps the designed size): the squad
    // grid takes the extra height, so its rows show without a scroll bar and no half of the
    // window stays empty, and the lines under it move down to the screen's bottom.
    const int spare_height = ClientHeight() - MulDiv(600, scale.numerator, scale.denominator);
    if (spare_height > 0) {
        const int grid_bottom = squad.Top() + squad.Height();
        for (const auto& child : Children())
            if (child->Top() >= grid_bottom)
                child->SetBounds(child->Left(), child->Top() + spare_height, child->Width(),
                                 child->Height());
        squad.SetBounds(squad.Left(), squad.Top(), squad.Width(), squad.Height() + spare_height);
    }
    Control& gradient = ControlNamed<Control>(*this, "Gradient1");
    gradient.SetBounds(0, 0, ClientWidth(), ClientHeight());
    ControlNamed<TGradient>(*this, "Gradient1").SetStyle(gsRadialBL);
    auto& bar = ControlNamed<Image>(*this, "nova_barra");
    bar.SetBounds(0, 0, ClientWidth(), bar.Height());
    bar.SetPicture(ToolBar());
    bar.on_mouse_down = [this](MouseButton, ShiftState, int x, int y) { BarraMouseDown(x, y); };
    bar.on_mouse_move = [this](ShiftState, int x, int y) { BarraMouseMove(x, y); };
    // The grid's rows keep their 20 pixels at every scale, so its header and cells keep the
    // designed font (one font for both, or the header's captions outgrow their columns).
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    Font grid_font = grid.font();
    grid_font.size = kForm13Layout.font.size;
    grid.SetFont(grid_font);
    FitGridColumns();
    PlacePictures();

    SetMarkup("Label23", "<shad>Korvanel 2014 - " + MainWindowWebAddress() + "</shad>");
    ControlNamed<TUiGlowButton>(*this, "btjogar").on_click = [this] { BtjogarClick(); };
    ControlNamed<TUiGlowButton>(*this, "Button4").on_click = [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        t_player& player = Game().players[p];
        player.on_sale = 0;
        player.asking_price = 0;
        RefreshSquadGrid();
        SelectPlayerRow(p);
    };
    grid.on_select_cell = [this](int, int) {
        ShowPlayerInfo(SelectedPlayer());
        UpdatePlayerButtons();
    };
    // The window keeps its own orders (position, hidden amounts), so the grid's own sort is off.
    grid.on_header_click = [this, &grid](int col, bool& sort) {
        sort = false;
        if (grid.Columns().IsValidIndex(col)) HeaderClick(grid.Columns().GetItem(col).Name());
    };
    grid.on_cell_coloring = [this](int col, int row, TColor& colour, TColor&, TCellState state) {
        CellColoring(col, row, colour, state);
    };
    grid.on_cell_formating = [this](int col, int row, TColor& text, FontStyles&, TCellState state) {
        CellFormating(col, row, text, state);
    };
    on_key_down = [this](int& key, ShiftState shift) { KeyPressed(key, shift); };
    LinkClicks();

    Timer& timer = AddComponent<Timer>("Timer1");
    timer.SetInterval(500);
    timer.SetEnabled(false);
    // The events between rounds of the first turn come once the window is on screen.
    timer.on_timer = [this, &timer] {
        timer.SetEnabled(false);
        if (round_events_pending_) RunRoundEvents();
    };
    DoCreate();
}

void TForm13::PlacePictures() {
    auto icon = [this](const char* name, const char* picture, const char* hint = "") {
        auto& image = ControlNamed<Image>(*this, name);
        image.SetPicture(MainWindowIcon(picture));
        image.hint = hint;
    };
    icon("Image9", "dinheiro");
    icon("imgj", "email", "Abrir caixa de emails (F7)");
    icon("Image5", "elenco");
    icon("Image10", "cores");
    icon("Image13", "confrontos", "Histórico confrontos");
    icon("icon_arbitro", "arbitro");
    icon("Image4", "historico", "Histórico do Jogador");
    // The labels keep their distance from their icons whatever the scale.
    auto beside = [this](const char* label, const char* image, int gap) {
        Control& l = ControlNamed<Control>(*this, label);
        l.SetBounds(ControlNamed<Control>(*this, image).Left() + gap, l.Top(), l.Width(),
                    l.Height());
    };
    beside("labmoney", "Image9", 30);
    beside("label32", "imgj", 30);
    beside("lb_total", "Image5", 35);
    beside("lb_cores", "Image10", 26);
    beside("icon_arbitro", "Image13", 40);
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.hint.clear();
    grid.show_hint = true;
}

void TForm13::LinkClicks() {
    // The panels' clickable texts and icons open the windows they name.
    auto link = [this](const char* name, const char* window, std::function<bool()> choose = {}) {
        Control& c = ControlNamed<Control>(*this, name);
        c.cursor = crHandPoint;
        c.on_click = [this, window, choose] {
            if (choose && !choose()) return;
            Open(window);
        };
    };
    auto view_opponent = [this] {
        MainWindowSelections().viewed_team = lineup_opponent_;
        return lineup_opponent_ >= 0;
    };
    for (const char* name :
         {"lb_infonext", "lb_conf1", "lb_conf2", "lb_conf4", "lb_infojog", "lb_infojogn"})
        link(name, "TForm14", view_opponent);
    link("lb_conf3", "TForm15", [this] {
        MainWindowSelection& s = MainWindowSelections();
        s.head_to_head_clubs[0] = Game().game_state.user_club;
        s.head_to_head_clubs[1] = lineup_opponent_;
        return true;
    });
    // Only a club of the leagues has a record to show.
    link("lb_conft1", "TForm55", [] {
        const int club = Game().game_state.user_club;
        MainWindowSelections().history_club = club;
        return club < Game().game_state.league_club_count;
    });
    link("lb_conft2", "TForm55", [this] {
        MainWindowSelections().history_club = lineup_opponent_;
        return lineup_opponent_ >= 0 && lineup_opponent_ < Game().game_state.league_club_count;
    });
    link("icon_arbitro", "TForm80", [this] {
        const int referee = ControlNamed<Control>(*this, "icon_arbitro").tag;
        MainWindowSelections().viewed_referee = referee;
        return referee > 0;
    });
    link("lb_tec", "TForm47", [] {
        MainWindowSelection& s = MainWindowSelections();
        s.career_subject_kind = 2;
        s.career_subject = Game().teams[Game().game_state.user_club].coach;
        return true;
    });
    for (const char* name : {"imgj", "label32"}) link(name, "TForm62");
    for (const char* name : {"Image9", "labmoney"}) link(name, "TForm22");
    for (const char* name : {"Image10", "lb_cores"}) link(name, "TForm86");
    link("Image4", "TForm16", [this] {
        const int p = SelectedPlayer();
        MainWindowSelection& s = MainWindowSelections();
        s.career_subject_kind = 1;
        s.career_subject = p;
        return p >= 0;
    });
    // The player panel's buttons do what the player menu's entries do.
    PopupMenu& menu = *static_cast<PopupMenu*>(FindComponent("PopupMenu1"));
    auto as_entry = [this, &menu](const char* button, const char* entry) {
        ControlNamed<TUiGlowButton>(*this, button).on_click = [&menu, entry] {
            if (MenuItem* it = menu.items.Find(entry); it && it->on_click) it->on_click();
        };
    };
    as_entry("btvender", "Venderjogador1");
    as_entry("btalterasal", "Proporcontrato1");
    as_entry("btaposenta", "Aposentarjogador1");
    // The club's own links show the ball cursor.
    Screen::Get().SetCursorImage(kBallCursor, ProgramPicture("cursor5"),
                                 {kFootballCursorSide / 2, kFootballCursorSide / 2});
    for (const char* name :
         {"lb_conf3", "lb_conft1", "lb_conft2", "lb_tec", "lb_cores", "label32", "labmoney"})
        ControlNamed<Control>(*this, name).cursor = kBallCursor;
    Control& h2h = ControlNamed<Control>(*this, "Image13");
    h2h.cursor = crHandPoint;
    h2h.on_click = [this] { ShowHeadToHead(); };
    Control& site = ControlNamed<Control>(*this, "Label23");
    site.cursor = crHandPoint;
    site.on_click = [] { OpenUrl(std::string(kGameWebSite)); };
    // A double click on a selected row opens the player's history.
    ControlNamed<TReportGrid>(*this, "gridview1").on_dbl_click = [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        MainWindowSelections().career_subject = p;
        Open("TForm16");
    };
}

void TForm13::SetupGridColumns() {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    GridPictures& pictures = Pictures();
    for (const SquadColumn& c : kColumns) {
        const std::string_view name = c.name;
        ImageList* images = name == "status"     ? &pictures.shirts
                            : name == "condicao" ? &pictures.availability
                                                 : &pictures.morale;
        TGrCustomColumn& column = AddSquadColumn(grid, c, images);
        if (c.centred) {
            column.SetAlignment(taCenter);
            column.Header().alignment = taCenter;
        }
        if (c.kind != ColumnClass::kText) column.SetSortType(stNumeric);
    }
    // Wider name, energy and characteristics columns on larger screens.
    const int w = Screen::Get().Width();
    const ScreenSize size{w, Screen::Get().Height()};
    auto widen = [&grid](int name, int energy, int abilities) {
        grid.Columns().ColumnByName("nome")->SetWidth(name);
        grid.Columns().ColumnByName("gols")->SetWidth(30);
        grid.Columns().ColumnByName("energia")->SetWidth(energy);
        grid.Columns().ColumnByName("habilidades")->SetWidth(abilities);
    };
    if (w > 800 && IsStandardScreen(size)) widen(100, 80, 55);
    if (w > 1024 && IsStandardScreen(size)) widen(120, 110, 60);
    if (IsWideScreen(size)) widen(100, 80, 55);
}

void TForm13::FitGridColumns() {
    // The name, goals, energy and characteristics columns keep the widths the screen gives
    // them; the others share what is left of the grid, so that the columns fill it at every scale.
    FitSquadColumns(
        ControlNamed<TReportGrid>(*this, "gridview1"), kColumns, [](std::string_view name) {
            return name == "nome" || name == "gols" || name == "energia" || name == "habilidades";
        });
}

void TForm13::SetMarkup(std::string_view name, const std::string& text) {
    ControlNamed<TMarkupLabel>(*this, name).SetHTMLText(text);
}

void TForm13::Open(std::string_view window) {
    if (auto& opener = MainWindowOpener(window)) opener();
}

void TForm13::BuildMenus() {
    // Entries of windows not built yet are disabled when their menu opens.
    auto item = [this](PopupMenu& menu, const char* name, const char* caption, const char* window,
                       ShortCut short_cut = 0) -> MenuItem& {
        MenuItem& it = menu.Add(name, caption, [this, w = std::string(window)] { Open(w); });
        it.short_cut = short_cut;
        it.tag = 0;
        return it;
    };
    auto enable_by_openers = [](PopupMenu& menu,
                                std::vector<std::pair<std::string, std::string>> m) {
        menu.on_popup = [&menu, m, before = menu.on_popup] {
            if (before) before();
            for (const auto& [name, window] : m)
                if (MenuItem* it = menu.items.Find(name))
                    it->enabled = static_cast<bool>(MainWindowOpener(window)) && it->enabled;
        };
    };

    PopupMenu& game = AddComponent<PopupMenu>("PopupMenu2");
    item(game, "Salvarjogo1", "Salvar jogo", "SaveGame", MakeShortCut(VK_F2));
    item(game, "Opes1", "Opções", "TForm32", MakeShortCut(VK_F3));
    game.Add("Sedemitir1", "Se demitir", [this] { Resign(); });
    game.on_popup = [&game] {
        game.items.Find("Sedemitir1")->enabled = static_cast<bool>(MainWindowResignationQuestion());
    };
    // The program ends at once, without saving and without asking.
    game.Add("Sairdojogo1", "Sair do jogo", [] { Screen::Get().Terminate(); });
    item(game, "Sobreojogo1", "Sobre o jogo", "TForm45");
    enable_by_openers(
        game, {{"Salvarjogo1", "SaveGame"}, {"Opes1", "TForm32"}, {"Sobreojogo1", "TForm45"}});

    PopupMenu& fixtures = AddComponent<PopupMenu>("PopupMenu7");
    // Some entries choose what their window shows before it opens.
    auto choose = [](MenuItem& it, std::function<void()> first) {
        it.on_click = [first, open = it.on_click] {
            first();
            open();
        };
    };
    choose(item(fixtures, "Jogosdoseutime1", "Jogos do seu time", "TForm18", MakeShortCut(VK_F4)),
           [] { MainWindowSelections().fixtures_team = Game().game_state.user_club; });
    item(fixtures, "Tabeladejogos1", "Tabela de jogos", "TForm63", MakeShortCut('T', ssCtrl));
    choose(item(fixtures, "TabelaSulAmericana1", "Tabela Sul-Americana", "TForm35"),
           [] { MainWindowSelections().cup_bracket_kind = 6; });
    choose(item(fixtures, "TabelaCopa1", "Tabela Copa", "TForm35"),
           [] { MainWindowSelections().cup_bracket_kind = 2; });
    choose(item(fixtures, "fase1", "2ª fase - Competições internacionais", "TForm69"),
           [] { MainWindowSelections().second_phase_kind = 4; });
    item(fixtures, "JogosAmistosos1", "Jogos Amistosos", "TForm81", MakeShortCut(VK_F9));
    enable_by_openers(fixtures, {{"Jogosdoseutime1", "TForm18"},
                                 {"Tabeladejogos1", "TForm63"},
                                 {"TabelaSulAmericana1", "TForm35"},
                                 {"TabelaCopa1", "TForm35"},
                                 {"fase1", "TForm69"},
                                 {"JogosAmistosos1", "TForm81"}});

    // The competitions of this game only, never shown again within the day's window.
    fixtures.on_popup = [&fixtures, before = fixtures.on_popup] {
        if (before) before();
        const t_game_state& gs = Game().game_state;
        if (!gs.national_cup_on) fixtures.items.Find("TabelaCopa1")->visible = false;
        MenuItem& second_phase = *fixtures.items.Find("fase1");
        if (!gs.continental_cup_on) second_phase.visible = false;
        if (gs.continental_cup_round < 4 && gs.second_cup_round < 4) second_phase.enabled = false;
        if (gs.season <= 1 || !gs.second_continental_cup_on)
            fixtures.items.Find("TabelaSulAmericana1")->enabled = false;
    };

    PopupMenu& finances = AddComponent<PopupMenu>("PopupMenu6");
    item(finances, "FinanasdoTime1", "Finanças do Time", "TForm22", MakeShortCut('F', ssCtrl));
    item(finances, "Emprstimobancrio1", "Empréstimo bancário", "TForm28");
    enable_by_openers(finances, {{"FinanasdoTime1", "TForm22"}, {"Emprstimobancrio1", "TForm28"}});

    PopupMenu& coaches = AddComponent<PopupMenu>("PopupMenu3");
    choose(item(coaches, "RankingdeTcnicos1", "Ranking de Técnicos", "TForm47"),
           [] { MainWindowSelections().career_subject = -1; });
    item(coaches, "AdicionarRemover1", "Adicionar/Remover técnicos", "TForm50");
    choose(item(coaches, "ltimascontrataes1", "Últimas contratações de técnicos", "TForm58"),
           [] { MainWindowSelections().transfer_list_mode = 2; });
    enable_by_openers(coaches, {{"RankingdeTcnicos1", "TForm47"},
                                {"AdicionarRemover1", "TForm50"},
                                {"ltimascontrataes1", "TForm58"}});

    PopupMenu& rankings = AddComponent<PopupMenu>("PopupMenu4");
    item(rankings, "Rankingdeclubes1", "Ranking de clubes", "TForm71");
    choose(item(rankings, "Transferncias1", "Transferências de Jogadores", "TForm58"),
           [] { MainWindowSelections().transfer_list_mode = 1; });
    choose(item(rankings, "Histrico1", "Histórico completo de confrontos", "TForm15"), [] {
        MainWindowSelections().head_to_head_clubs[0] = -1;
        MainWindowSelections().head_to_head_clubs[1] = -1;
    });
    choose(item(rankings, "TimedaRodada1", "Time da Rodada", "TForm70"),
           [] { MainWindowSelections().best_eleven_mode = 0; });
    item(rankings, "BoladeOuro1", "Bola de Ouro", "TForm83");
    choose(item(rankings, "TimedoAno1", "Time do Ano", "TForm70"),
           [] { MainWindowSelections().best_eleven_mode = 1; });
    enable_by_openers(rankings, {{"Rankingdeclubes1", "TForm71"},
                                 {"Transferncias1", "TForm58"},
                                 {"Histrico1", "TForm15"},
                                 {"TimedaRodada1", "TForm70"},
                                 {"BoladeOuro1", "TForm83"},
                                 {"TimedoAno1", "TForm70"}});

    rankings.on_popup = [&rankings, before = rankings.on_popup] {
        if (before) before();
        const t_game_state& gs = Game().game_state;
        if (gs.league_round == 1 && gs.league_turn == 1) {
            rankings.items.Find("TimedaRodada1")->enabled = false;
            rankings.items.Find("BoladeOuro1")->enabled = false;
        }
        if (gs.season <= 1) rankings.items.Find("TimedoAno1")->enabled = false;
    };

    // The squad grid's player menu: the commands with rules of their own act here.
    PopupMenu& player = AddComponent<PopupMenu>("PopupMenu1");
    item(player, "Proporcontrato1", "Propor contrato", "TForm24");
    MenuItem& sell = item(player, "Venderjogador1", "Vender jogador", "TForm44");
    // After a sale: no second one from the panel, and the squad and cash as they now stand.
    sell.on_click = [this, open = sell.on_click] {
        open();
        ControlNamed<TUiGlowButton>(*this, "btvender").SetEnabled(false);
        CountAvailablePlayers(0, Game().game_state.user_club);
        RefreshMoney();
    };
    choose(item(player, "Aposentarjogador1", "Aposentar jogador", "TForm48"),
           [this] { MainWindowSelections().retiring_player = SelectedPlayer(); });
    choose(item(player, "Escolhernmero1", "Escolher número", "TForm82"),
           [this] { MainWindowSelections().shirt_number_player = SelectedPlayer(); });
    player.Add("HistricodoJogador1", "Histórico do Jogador", [this] {
        MainWindowSelections().career_subject_kind = 1;
        MainWindowSelections().career_subject = SelectedPlayer();
        Open("TForm16");
    });
    player.Add("CancelarEmprstimo1", "Cancelar Empréstimo", [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        CancelLoan(Game(), p);
        RefreshSquadGrid();
        RefreshMoney();
    });
    player.Add("Comprarjogador1", "Comprar jogador", [this] {
        const int p = SelectedPlayer();
        if (p < 0 || !CanBuyLoanedPlayer(Game(), p)) return;
        BuyLoanedPlayer(Game(), p);
        RefreshSquadGrid();
        RefreshMoney();
    });
    player.Add("Porparaemprstimo1", "Pôr para empréstimo", [this] {
        const int p = SelectedPlayer();
        const int club = Game().game_state.user_club;
        if (p < 0 || CountLoanedOut(Game(), club) + CountOfferedForLoan(Game(), club) >= 2) return;
        Game().players[p].loan_status = 1;
        RefreshSquadGrid();
        SelectPlayerRow(p);
    });
    player.Add("Nopor1", "Não pôr para empréstimo", [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        Game().players[p].loan_status = 0;
        RefreshSquadGrid();
        SelectPlayerRow(p);
    });
    player.on_popup = [this] { PopupMenu1Popup(); };
    ControlNamed<TReportGrid>(*this, "gridview1").popup_menu = &player;
}

void TForm13::HeaderClick(std::string_view column) {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    if (column == "posicaojog") {
        RefreshSquadGrid();
        return;
    }
    // Salary and price sort by their hidden amounts, not by their texts.
    if (column == "salario") column = "salariot";
    if (column == "passe") column = "passet";
    TGrCustomColumn* sorted = grid.Columns().ColumnByName(column);
    if (!sorted || column == "id" || column == "gcstatus") return;
    const bool ascending = sorted_column_ != column || !sorted_ascending_;
    sorted_column_ = std::string(column);
    sorted_ascending_ = ascending;
    grid.SortColumn(*sorted, ascending);
}

int TForm13::SelectedPlayer() {
    return RowPlayer(ControlNamed<TReportGrid>(*this, "gridview1").SelectedRow());
}

void TForm13::PopupMenu1Popup() {
    PopupMenu& menu = *static_cast<PopupMenu*>(FindComponent("PopupMenu1"));
    auto find = [&menu](const char* name) -> MenuItem& { return *menu.items.Find(name); };
    const GameData& data = Game();
    const int p = SelectedPlayer();
    for (auto& it : menu.items.items) {
        it->enabled = true;
        it->visible = true;
    }
    for (const char* opened : {"Proporcontrato1", "Venderjogador1", "Aposentarjogador1",
                               "Escolhernmero1", "HistricodoJogador1"})
        find(opened).enabled = p >= 0;
    if (p < 0) return;
    const t_player& player = data.players[p];
    const int club = data.game_state.user_club;
    const t_team& team = data.teams[club];
    MenuItem& sell = find("Venderjogador1");
    sell.enabled = team.squad_size >= 12 && team.available_players >= 11 && player.loan_status != 2;
    find("Aposentarjogador1").enabled = player.age >= 32;
    MenuItem& cancel = find("CancelarEmprstimo1");
    MenuItem& buy = find("Comprarjogador1");
    MenuItem& lend = find("Porparaemprstimo1");
    MenuItem& keep = find("Nopor1");
    if (player.loan_status == 2) {
        find("Proporcontrato1").enabled = false;
        sell.enabled = false;
        find("Aposentarjogador1").enabled = false;
        // The check and the purchase use one amount.
        buy.enabled = CanBuyLoanedPlayer(data, p);
        lend.enabled = false;
        lend.visible = false;
        keep.visible = false;
    } else {
        cancel.visible = false;
        buy.visible = false;
        keep.visible = false;
        if (player.loan_status == 1) {
            lend.enabled = false;
            lend.visible = false;
            keep.visible = true;
        } else {
            lend.enabled = CountLoanedOut(data, club) + CountOfferedForLoan(data, club) < 2;
        }
    }
    // The windows of the other commands open only once they exist.
    for (const auto& [name, window] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Proporcontrato1", "TForm24"},
             {"Venderjogador1", "TForm44"},
             {"Aposentarjogador1", "TForm48"},
             {"Escolhernmero1", "TForm82"},
             {"HistricodoJogador1", "TForm16"}})
        if (!MainWindowOpener(window)) find(name).enabled = false;
}

void TForm13::UpdatePlayerButtons() {
    const int p = SelectedPlayer();
    auto& sell = ControlNamed<TUiGlowButton>(*this, "btvender");
    auto& contract = ControlNamed<TUiGlowButton>(*this, "btalterasal");
    auto& retire = ControlNamed<TUiGlowButton>(*this, "btaposenta");
    auto& unlist = ControlNamed<TUiGlowButton>(*this, "Button4");
    for (TUiGlowButton* b : {&sell, &contract, &retire}) b->SetVisible(true);
    if (p < 0) {
        unlist.SetVisible(false);
        return;
    }
    const GameData& data = Game();
    const t_player& player = data.players[p];
    const t_team& team = data.teams[data.game_state.user_club];
    unlist.SetVisible(player.on_sale != 0);
    bool can_sell =
        team.squad_size >= 12 && team.available_players >= 11 && player.loan_status != 2;
    if (player.position == 0 && player.contract_end <= TodayDate(data))
        can_sell = team.position_counts[0] >= 2;
    sell.SetEnabled(can_sell);
    contract.SetEnabled(player.loan_status != 2);
    retire.SetEnabled(player.age >= 32 && player.loan_status != 2);
}

int TForm13::RowPlayer(int row) {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    if (row < 0 || row >= grid.GetRowCount()) return -1;
    const std::string id = grid.GetCellTextByVariant("id", row);
    if (id.empty()) return -1;
    const int p = std::stoi(id);
    return p > 0 && p < static_cast<int>(Game().players.size()) ? p : -1;
}

void TForm13::CellColoring(int, int row, TColor& colour, TCellState state) {
    if (state.Has(csSelected)) return;
    const t_game_state& gs = Game().game_state;
    if (gs.list_colours_on) {
        const int p = RowPlayer(row);
        if (p < 0) return;
        const int position = std::clamp(Game().players[p].position, 0, 4);
        colour = static_cast<TColor>(gs.list_colours[position]);
        return;
    }
    colour = row % 2 == 1 ? kOddRowColour : clWhite;
}

void TForm13::CellFormating(int col, int row, TColor& text, TCellState state) {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    if (!grid.Columns().IsValidIndex(col)) return;
    const std::string& column = grid.Columns().GetItem(col).Name();
    const int p = RowPlayer(row);
    if (p < 0) return;
    const GameData& data = Game();
    const t_player& player = data.players[p];
    const bool selected = state.Has(csSelected);
    constexpr TColor kRed = static_cast<TColor>(0x0000FF);
    constexpr TColor kBlue = static_cast<TColor>(0xFF0000);
    constexpr TColor kMaroon = static_cast<TColor>(0x000080);
    constexpr TColor kGreen = static_cast<TColor>(0x008000);
    constexpr TColor kNavy = static_cast<TColor>(0x800000);
    constexpr TColor kDarkYellow = static_cast<TColor>(0x00D2D2);
    if (column == "idade" && !selected) {
        text = player.age > 31 ? kRed : kBlue;
    } else if (column == "passe") {
        if (player.on_sale)
            text = kMaroon;
        else if (player.loan_status == 2)
            text = kGreen;
    } else if (column == "nome") {
        if (player.loan_status == 2)
            text = kGreen;
        else if (player.loan_status == 1)
            text = kNavy;
    } else if (column == "salario" && !selected) {
        const double days = player.contract_end - TodayDate(data);
        if (days < 8)
            text = kRed;
        else if (days < 21)
            text = kDarkYellow;
        else if (player.on_sale)
            text = kMaroon;
    }
}

void TForm13::RefreshSquadGrid() {
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const int kind = data.game_state.match_kind;
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.BeginUpdate();
    grid.ClearRows();
    if (club < 0) {
        grid.EndUpdate();
        return;
    }
    // The season's goals and games of the club's players, wherever they were counted.
    goals_.clear();
    games_.clear();
    auto collect = [&data, club](const std::vector<t_competition_tally>& list,
                                 std::map<int, int>& into) {
        for (const t_competition_tally& t : list)
            if (t.player > 0 && t.player < static_cast<int>(data.players.size()) &&
                data.players[t.player].team == club)
                into[t.player] += t.count;
    };
    collect(data.season_goals, goals_);
    collect(data.season_appearances, games_);
    const double today = TodayDate(data);
    // Within a position the weakest first.
    for (const int player : SquadInListOrder(data, club)) {
        const t_player& p = data.players[player];
        const int row = grid.AddRow();
        auto set = [&grid, row](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        auto hint = [&grid, row](const char* column, std::string text) {
            grid.GetCellByVariant(column, row).SetHint(std::move(text));
        };
        set("id", std::to_string(player));
        set("gcstatus", p.moved_this_round ? "4" : "0");
        const int position = std::clamp(p.position, 0, 4);
        set("posicaojog", std::string(position_letters[static_cast<std::size_t>(position)]));
        set("nome", p.name.str());
        set("funcaojog", p.side != 0 ? "E" : "D");
        set("forca", std::to_string(p.strength));
        set("energia", std::to_string(p.energy));
        const auto wage = static_cast<std::int32_t>(MoneyToUnits(p.wage));
        set("salario", FormatDigitGroups(wage));
        set("salariot", std::to_string(wage));
        hint("salario", ContractHint(p.contract_end - today));
        const auto price =
            static_cast<std::int32_t>(MoneyToUnits(p.on_sale ? p.asking_price : p.value));
        set("passe", FormatMoneyShort(price));
        hint("passe", FormatMoneyInWords(price));
        set("passet", std::to_string(price));
        set("gols", std::to_string(GetPlayerGoals(player)));
        const auto [abilities, abilities_hint] = CharacteristicsCell(data, player);
        set("habilidades", abilities);
        hint("habilidades", abilities_hint);
        set("idade", std::to_string(p.age));
        set("moral", std::to_string(p.morale + 7));
        const auto [picture, unavailable] = AvailabilityPicture(data, player, kind);
        set("condicao", std::to_string(picture));
        if (unavailable) set("gcstatus", "3");
        set("status", std::to_string(p.shirt_number));
    }
    grid.EndUpdate();
    SetMarkup("lb_total", SquadCountText(grid.GetRowCount()));
    if (grid.GetRowCount() > 0) grid.SelectCell(1, 0);
}

void TForm13::SelectPlayerRow(int player) {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    for (int row = 0; row < grid.GetRowCount(); ++row)
        if (RowPlayer(row) == player) {
            grid.SelectCell(1, row);
            return;
        }
}

void TForm13::ContractSigned(int player) {
    RefreshSquadGrid();
    SelectPlayerRow(player);
    ControlNamed<TUiGlowButton>(*this, "btvender").SetEnabled(false);
    ControlNamed<TUiGlowButton>(*this, "btalterasal").SetEnabled(false);
}

void TForm13::PlayerRetired(int successor) {
    RefreshSquadGrid();
    SelectPlayerRow(successor);
    ControlNamed<TUiGlowButton>(*this, "btaposenta").SetEnabled(false);
}

void TForm13::MarkUnavailable(int row, int code, bool star) {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.SetCellTextByVariant("condicao", row, std::to_string(star ? code + 4 : code));
    grid.SetCellTextByVariant("gcstatus", row, "3");
}

int TForm13::GetPlayerGoals(int player) const {
    const auto it = goals_.find(player);
    return it == goals_.end() ? 0 : it->second;
}

int TForm13::GetPlayerGames(int player) const {
    const auto it = games_.find(player);
    return it == games_.end() ? 0 : it->second;
}

void TForm13::ShowPlayerInfo(int player) {
    ControlNamed<Control>(*this, "p_conf").SetVisible(false);
    ControlNamed<Control>(*this, "pinfo_panel").SetVisible(true);
    auto& flag = ControlNamed<Image>(*this, "Image1");
    if (player < 0) {
        flag.SetVisible(false);
        return;
    }
    const GameData& data = Game();
    const t_player& p = data.players[player];
    // The taller layout of the player panel needs the panel scaled up with its window; where
    // the window keeps its designed size on a tall screen (1920x1080) it would wrap its lines.
    const bool tall = Screen::Get().Height() > 600 && WindowScaleForScreen().scaled;
    SetMarkup("lb_infojogn", PlayerNameLine(data, player, tall));
    SetMarkup("lb_infojog", PlayerDetailsText(data, player, tall, GetPlayerGames(player),
                                              GetPlayerGoals(player)));
    const std::vector<Picture>& flags = flag_pictures();
    const bool has_flag = p.nationality >= 0 && p.nationality < static_cast<int>(flags.size()) &&
                          !flags[static_cast<std::size_t>(p.nationality)].empty();
    flag.SetPicture(has_flag ? flags[static_cast<std::size_t>(p.nationality)] : Picture());
    flag.SetVisible(has_flag);
}

void TForm13::ShowHeadToHead() {
    for (const char* name : {"pinfo_panel", "Button4", "btvender", "btalterasal", "btaposenta"})
        ControlNamed<Control>(*this, name).SetVisible(false);
    ControlNamed<Control>(*this, "p_conf").SetVisible(true);
}

void TForm13::RefreshMoney() {
    const GameData& data = Game();
    SetMarkup("labmoney", MoneyText(CashUnits(data.teams[data.game_state.user_club])));
}

void TForm13::RefreshClubPanel() {
    GameData& data = Game();
    const int club = data.game_state.user_club;
    if (club < 0) return;
    const t_team& t = data.teams[club];
    const auto back = static_cast<TColor>(t.back_colour);
    const auto text = static_cast<TColor>(t.text_colour);
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    // The selected row in the club's colours, readable on a white text colour too.
    if (t.text_colour == 0xFFFFFF) {
        grid.HighlightedTextColor = text;
        grid.SelectionColor = back;
    } else {
        grid.HighlightedTextColor = back;
        grid.SelectionColor = text;
    }
    // The energy bars: a near-white club's bars would not show on the white rows.
    const int r = back & 0xFF, g = (back >> 8) & 0xFF, b = (back >> 16) & 0xFF;
    const bool near_white = r > 230 && g > 230 && b > 230;
    if (auto* energy = dynamic_cast<TGrProgressColumn*>(grid.Columns().ColumnByName("energia"))) {
        energy->ProgressColor = near_white ? text : back;
        energy->HighValueColor = near_white ? text : back;
    }
    for (const char* name :
         {"lb_infojog", "lb_tec", "lb_infot", "lb_cd", "lb_ct", "lb_infojogn", "lb_infonext",
          "lb_conf1", "lb_conf2", "lb_conf3", "lb_conf4", "lb_conft1", "lb_conft2"})
        ControlNamed<TMarkupLabel>(*this, name).SetShadowOffset(0);
    // The confidence bars fill in the club's colour, their figures in its text colour.
    const ProgressPresetColors fill{
        clWhite, static_cast<TColor>(0xE0E0E0), back, back, back, back, back, back};
    for (const char* name : {"bar1", "bar2"}) {
        auto& bar = ControlNamed<TUiSmoothProgressBar>(*this, name);
        ApplyProgressPreset(bar.Appearance(), fill, true);
        Font font = bar.Appearance().ProgressFont();
        // A figure in the club's text colour that would not read on its own fill or on the
        // empty track is drawn in black or white instead.
        font.color = static_cast<TColor>(ReadableTextColour(
            static_cast<std::uint32_t>(text),
            {static_cast<std::uint32_t>(back), static_cast<std::uint32_t>(clWhite), 0xE0E0E0u}));
        bar.Appearance().SetProgressFont(font);
    }
    auto& play = ControlNamed<TUiGlowButton>(*this, "btjogar");
    play.Appearance().SetBorderColorDown(back);
    play.Appearance().SetBorderColorHot(back);
    ControlNamed<TUiSmoothPanel>(*this, "pinfo_panel").Fill().SetBorderColor(back);
    ControlNamed<TUiSmoothPanel>(*this, "p_conf").Fill().SetBorderColor(back);
    ShowGradientText(ControlNamed<TUiSmoothLabel>(*this, "nometime"),
                     &ControlNamed<TUiSmoothLabel>(*this, "nometime_shad"), t.name.str(), back,
                     text, back);
    ControlNamed<TUiSmoothProgressBar>(*this, "bar1").SetPosition(std::max(0, t.board_confidence));
    ControlNamed<TUiSmoothProgressBar>(*this, "bar2")
        .SetPosition(std::max(0, t.supporter_confidence));
    // The background runs from the club's colour to a darker or lighter shade of it.
    const bool light = (r + g + b) / 3.0 > 127;
    auto part = [](int v) { return std::clamp(v, 0, 255); };
    const int er = part(light ? r - 35 : r + 35), eg = part(light ? g - 35 : g + 35),
              eb = part(light ? b - 65 : b + 55);
    auto& gradient = ControlNamed<TGradient>(*this, "Gradient1");
    gradient.SetColorBegin(back);
    gradient.SetColorEnd(static_cast<TColor>(er | (eg << 8) | (eb << 16)));
    for (const char* name :
         {"lb_tec", "lb_infot", "lab_data", "lb_cd", "lb_ct", "labmoney", "label32", "lb_total",
          "lb_cores", "Label23", "lb_infonext", "lb_infojog", "lb_infojogn", "lb_conf1", "lb_conf2",
          "lb_conf3", "lb_conf4", "lb_conft1", "lb_conft2"})
        SetFontColour(ControlNamed<Control>(*this, name), text);
    const std::string coach = t.coach >= 0 && t.coach < static_cast<int>(data.coaches.size())
                                  ? data.coaches[t.coach].name.str()
                                  : std::string();
    SetMarkup("lb_tec", CoachText(coach));
    SetMarkup("lab_data", "<shad>" + FormatDate(TodayDate(data)) + "</shad>");
    SetMarkup("lb_infot", DivisionLineText(data, club, data.game_state.match_kind));
    RefreshMoney();
    LoadCrest(ControlNamed<Image>(*this, "escudo"), club);
    RefreshUnreadNews();
}

void TForm13::RefreshUnreadNews() {
    GameData& data = Game();
    SetMarkup("label32", UnreadNewsText(CountUnreadNews(data, data.game_state.user_club)));
}

void TForm13::ShowNextMatch() {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    bool away = false;
    lineup_opponent_ = TodaysOpponentOf(data, club, away);
    auto& next = ControlNamed<Control>(*this, "lb_infonext");
    auto& referee_icon = ControlNamed<Image>(*this, "icon_arbitro");
    auto& esc1 = ControlNamed<Image>(*this, "esc1");
    // A club with no match today shows no opponent.
    if (lineup_opponent_ < 0 || lineup_opponent_ >= static_cast<int>(data.teams.size())) {
        lineup_opponent_ = -1;
        next.tag = -1;
        SetMarkup("lb_infonext", "");
        esc1.SetPicture(Picture());
        referee_icon.hint.clear();
        referee_icon.tag = 0;
        for (const char* name : {"Image13", "icon_arbitro"})
            ControlNamed<Control>(*this, name).SetVisible(false);
        return;
    }
    for (const char* name : {"Image13", "icon_arbitro"})
        ControlNamed<Control>(*this, name).SetVisible(true);
    next.tag = lineup_opponent_;
    SetMarkup("lb_infonext", NextMatchText(data, club, lineup_opponent_, away));
    // A continental opponent from outside the leagues has no team view to open.
    next.cursor = data.game_state.match_kind == ckSecondContinentalCup &&
                          lineup_opponent_ >= data.game_state.league_club_count
                      ? crDefault
                      : crHandPoint;
    const HeadToHeadTexts h = HeadToHeadPanelTexts(data, club, lineup_opponent_);
    SetMarkup("lb_conf1", h.title);
    SetMarkup("lb_conf2", h.records);
    SetMarkup("lb_conf3", h.last_meeting);
    SetMarkup("lb_conf4", h.heading);
    SetMarkup("lb_conft1", h.club);
    SetMarkup("lb_conft2", h.opponent);
    ControlNamed<Control>(*this, "lb_conft1").tag = club;
    ControlNamed<Control>(*this, "lb_conft2").tag = lineup_opponent_;
    ControlNamed<Control>(*this, "lb_conf3").tag = lineup_opponent_;
    LoadCrest(esc1, lineup_opponent_);
    ControlNamed<Image>(*this, "pimg")
        .SetPicture(ControlNamed<Image>(*this, "escudo").GetPicture());
    ControlNamed<Image>(*this, "pimg2").SetPicture(esc1.GetPicture());
    const int referee = TurnReferee(data, club, turn_.human_turn);
    referee_icon.hint = RefereeHint(data, referee);
    referee_icon.tag = referee;
}

void TForm13::RefreshTurn() {
    shown_club_ = Game().game_state.user_club;
    RefreshClubPanel();
    RefreshSquadGrid();
    ShowNextMatch();
}
void TForm13::BtjogarClick() {
    // The coach may be quicker than the timer: his events come before his match all the same.
    if (round_events_pending_) RunRoundEvents();
    // "Escalar Time" saves every time in the autosave modes 1 and 2.
    GameData& data = Game();
    if (data.game_state.autosave_mode == 1 || data.game_state.autosave_mode == 2) {
        if (auto& save = MainWindowOpener("SaveGame")) save();
        data.autosave_turn_counter = 0;
    }
    if (auto& lineup = MainWindowOpener("TForm87")) {
        lineup();
        return;
    }
    // Until the line-up window exists the coach plays with the line-up the computer chooses.
    ChooseComputerLineup(Game().game_state.user_club);
    NextHumanTurnOrPlay();
}

void TForm13::NextHumanTurnOrPlay() {
    round_events_pending_ = false;
    if (!kv::NextHumanTurnOrPlay(Game(), turn_, g_events)) {
        RefreshTurn();
        return;
    }
    // Every turn taken: the window goes (freed once its handler is over) and the match day
    // comes.
    Release();
    if (auto& next = MainWindowNextScreen()) next(NextScreen::kMatchDay);
}

void TForm13::Resign() {
    auto& question = MainWindowResignationQuestion();
    if (!question || !question()) return;
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const HumanDismissal d = DismissHumanCoach(data, club, true);
    ShowDismissalScreen(d.club, d.old_coach, d.new_coach, d.reason);
    // The club left the human slots and the later ones moved up one.
    --turn_.human_turn;
    NextHumanTurnOrPlay();
}

void TForm13::BarraMouseMove(int x, int y) {
    Control& bar = ControlNamed<Control>(*this, "nova_barra");
    const int px = x * kToolBarPictureWidth / std::max(1, bar.Width());
    const int py = y * kToolBarPictureHeight / std::max(1, bar.Height());
    for (const ToolZone& z : kToolZones)
        if (px >= z.x0 && px <= z.x1 && py >= z.y0 && py <= z.y1) {
            bar.hint = z.hint;
            bar.cursor = crHandPoint;
            return;
        }
    bar.hint.clear();
    bar.cursor = crDefault;
}

void TForm13::BarraMouseDown(int x, int y) {
    Control& bar = ControlNamed<Control>(*this, "nova_barra");
    const int px = x * kToolBarPictureWidth / std::max(1, bar.Width());
    const int py = y * kToolBarPictureHeight / std::max(1, bar.Height());
    for (const ToolZone& z : kToolZones) {
        if (px < z.x0 || px > z.x1 || py < z.y0 || py > z.y1) continue;
        const std::string_view window = z.window;
        if (window == "PopupMenu7")
            MainWindowSelections().fixtures_team = Game().game_state.user_club;
        if (window.starts_with("PopupMenu")) {
            auto* menu = static_cast<PopupMenu*>(FindComponent(window));
            const Point at = MenuPoint(window);
            menu->Popup(at.x, at.y);
        } else {
            if (window == "TForm14")
                MainWindowSelections().viewed_team = Game().game_state.user_club;
            Open(window);
        }
        return;
    }
}

Point TForm13::MenuPoint(std::string_view menu) {
    Screen& screen = Screen::Get();
    const WindowScale scale = WindowScaleFor({screen.Width(), screen.Height()});
    for (const ToolZone& z : kToolZones)
        if (menu == z.window)
            return ClientToScreen({MulDiv(z.menu_at.x, scale.numerator, scale.denominator),
                                   MulDiv(z.menu_at.y, scale.numerator, scale.denominator)});
    return ClientToScreen({0, 0});
}

void TForm13::KeyPressed(int& key, ShiftState shift) {
    if (key == VK_F4 && shift == ssAlt) {
        key = 0;  // the window does not close on Alt+F4
        return;
    }
    const char* window = nullptr;
    switch (key) {
        case VK_F2:
            window = "SaveGame";
            break;
        case VK_F3:
            window = "TForm32";
            break;
        case VK_F4:
            MainWindowSelections().fixtures_team = Game().game_state.user_club;
            window = "TForm18";
            break;
        case VK_F5:
            window = "TForm36";
            break;
        case VK_F6:
            window = "TForm8";
            break;
        case VK_F7:
            window = "TForm62";
            break;
        case VK_F8:
            MainWindowSelections().viewed_team = 1;
            window = "TForm14";
            break;
        case VK_F9:
            window = "TForm81";
            break;
        default:
            if (shift == ssCtrl && key == 'J') {
                MainWindowSelections().fixtures_team = Game().game_state.user_club;
                window = "TForm18";
            }
            if (shift == ssCtrl && key == 'T') window = "TForm63";
            if (shift == ssCtrl && key == 'F') window = "TForm22";
            break;
    }
    if (!window) return;
    key = 0;
    Open(window);
}

TForm13* ShowMainWindow() {
    GameData& data = Game();
    const bool skip = data.opening_main_window != 0;
    CoachTurn turn;
    // The same opening the game runs without windows: loans home, the first club whose turn it
    // is, the turn's updates; its events come from the window's timer once it is on screen.
    if (!OpenMainWindowTurn(data, turn, skip)) {
        PrepareComputerLineups();
        if (auto& next = MainWindowNextScreen()) next(NextScreen::kMatchDay);
        return nullptr;
    }
    if (turn.autosave)
        if (auto& save = MainWindowOpener("SaveGame")) save();
    TForm13& form = Screen::Get().Create<TForm13>();
    form.StartTurn(turn);
    form.Show();
    return &form;
}

TForm13* MainWindow() {
    return g_main_window;
}

void MainWindowPlay() {
    if (g_main_window) g_main_window->NextHumanTurnOrPlay();
}

}  // namespace kv
