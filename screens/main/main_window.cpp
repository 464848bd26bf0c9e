#include "screens/main/main_window.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "game/headless_game.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/short_cut.h"
#include "platform/window/timer.h"
#include "screens/main/dismissal_window.h"
#include "screens/main/main_window_texts.h"
#include "screens/start/window_layout.h"
#include "season/coach_dismissals.h"
#include "season/fixture_list.h"
#include "season/loans.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/gradient.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr int kDesignWidth = 800;
constexpr int kToolBarPictureWidth = 1129;
const char kWebAddress[] = "www.korvanel2014.com.br";

void RegisterMainWindowClasses() {
    RegisterSmoothControlClasses();
    RegisterProgressBarClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Gradient1", .class_name = "TGradient", .bounds = {0, 0, 800, 600}},
    {.name = "nova_barra",
     .class_name = "TShape",
     .bounds = {0, 0, 800, 46},
     .properties = {{"BrushColor", "$00402010"}, {"ShowHint", "True"}}},
    {.name = "escudo", .class_name = "TImage", .bounds = {15, 52, 60, 60}},
    {.name = "nometime",
     .class_name = "TLabel",
     .bounds = {88, 50, 250, 29},
     .font = {"Tahoma", 18, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
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
     .bounds = {640, 50, 150, 16},
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
     .bounds = {490, 52, 140, 16},
     .caption = "<B><SHAD>Confiança torcida:</SHAD></B>",
     .properties = kMarkup},
    {.name = "bar2",
     .class_name = "TUiSmoothProgressBar",
     .bounds = {490, 70, 130, 14},
     .properties = {{"TabStop", "False"}}},
    {.name = "labmoney",
     .class_name = "TMarkupLabel",
     .bounds = {346, 92, 200, 16},
     .properties = kMarkup},
    {.name = "label32",
     .class_name = "TMarkupLabel",
     .bounds = {560, 92, 200, 16},
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
     .bounds = {8, 8, 240, 16},
     .properties = kMarkup},
    {.name = "lb_infojog",
     .class_name = "TMarkupLabel",
     .parent = "pinfo_panel",
     .bounds = {8, 28, 240, 150},
     .properties = kMarkup},
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
    {.name = "esc1", .class_name = "TImage", .bounds = {536, 356, 60, 60}},
    {.name = "lb_infonext",
     .class_name = "TMarkupLabel",
     .bounds = {600, 356, 192, 60},
     .properties = kMarkup},
    {.name = "btjogar",
     .class_name = "TUiGlowButton",
     .bounds = {600, 426, 150, 30},
     .caption = "Escalar Time",
     .properties = {{"TabOrder", "1"}}},
    {.name = "lb_total",
     .class_name = "TMarkupLabel",
     .bounds = {8, 546, 150, 16},
     .properties = kMarkup},
    {.name = "lb_cores",
     .class_name = "TMarkupLabel",
     .bounds = {170, 546, 150, 16},
     .caption = "<SHAD>Cores do time</SHAD>",
     .properties = kMarkup},
    {.name = "Label23",
     .class_name = "TMarkupLabel",
     .bounds = {8, 574, 300, 16},
     .properties = kMarkup},
};

struct Column {
    const char* name;
    const char* header;
    int width;
    bool number;
    bool visible;
};

// The squad grid's columns in display order.
constexpr Column kColumns[] = {
    {"id", "", 20, true, false},
    {"status", "", 22, true, true},
    {"posicaojog", "P", 25, false, true},
    {"condicao", "", 18, true, true},
    {"nome", "Nome", 87, false, true},
    {"funcaojog", "Lado", 40, false, true},
    {"forca", "F", 30, true, true},
    {"energia", "Energia", 60, true, true},
    {"salario", "Salário", 53, false, true},
    {"passe", "Passe", 53, false, true},
    {"gols", "G", 20, false, true},
    {"habilidades", "Car.", 45, false, true},
    {"idade", "I", 22, false, true},
    {"moral", "M", 30, true, true},
    {"passet", "", 55, true, false},
    {"salariot", "", 55, true, false},
    {"gcstatus", "", 8, true, false},
};

// The tool bar's zones in picture pixels, their hints and the window each opens.
struct ToolZone {
    int x0, x1, y0, y1;
    const char* hint;
    const char* window;
};
constexpr ToolZone kToolZones[] = {
    {77, 108, 11, 43, "Opções", "PopupMenu2"},
    {132, 161, 11, 43, "Tabela de jogos", "PopupMenu7"},
    {181, 218, 11, 40, "Finanças", "PopupMenu6"},
    {240, 272, 8, 40, "Tabela de classificação - F5", "TForm36"},
    {295, 341, 8, 40, "Estádio", "TForm8"},
    {366, 415, 4, 35, "Ver todos os times", "TForm14"},
    {436, 471, 6, 35, "Procurar jogador", "TForm27"},
    {493, 516, 4, 36, "Ranking de técnicos", "PopupMenu3"},
    {534, 565, 4, 36, "Campeões", "TForm29"},
    {581, 607, 2, 37, "Artilheiros", "TForm20"},
    {625, 655, 4, 36, "Rankings", "PopupMenu4"},
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

// Answers the turn's events through the windows that exist; the dismissal screen here.
class MainWindowEvents : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override {
        if (request.window == GameWindow::kDismissal) {
            ShowDismissalScreen(request.club, request.coach, request.other, false);
            return false;
        }
        auto& hook = MainWindowEventWindow();
        return hook ? hook(request) : declined_.Show(request);
    }

  private:
    // Until the event windows exist every question is answered as the game without windows
    // answers it.
    AutomaticWindows declined_;
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

void TForm13::StartTurn(const CoachTurn& turn) {
    turn_ = turn;
    RefreshTurn();
    round_events_pending_ = true;
    FindComponent("Timer1") ? static_cast<Timer*>(FindComponent("Timer1"))->SetEnabled(true)
                            : void();
}

std::function<bool(const WindowRequest&)>& MainWindowEventWindow() {
    static std::function<bool(const WindowRequest&)> hook;
    return hook;
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
    .register_classes = RegisterMainWindowClasses,
};

TForm13::TForm13() : Form("Form13") {
    BuildWindowLayout(*this, kForm13Layout);
    key_preview = true;
    g_main_window = this;
    on_destroy = [this] {
        if (g_main_window == this) g_main_window = nullptr;
    };
    SetupGridColumns();
    BuildMenus();
    // The confidences are shown as they stand, not glided to.
    for (const char* bar : {"bar1", "bar2"})
        ControlNamed<TUiSmoothProgressBar>(*this, bar).SetProgressAnimation(false);

    // Scaled to the screen from its 800-pixel design.
    Screen& screen = Screen::Get();
    const int w = screen.Width();
    const ScreenSize size{w, screen.Height()};
    if (w != kDesignWidth && IsStandardScreen(size))
        ScaleBy(w, kDesignWidth);
    else if (IsWideScreen(size))
        ScaleBy(133, 100);
    SetBounds(0, 0, w, screen.Height());
    Control& gradient = ControlNamed<Control>(*this, "Gradient1");
    gradient.SetBounds(0, 0, ClientWidth(), ClientHeight());
    Control& bar = ControlNamed<Control>(*this, "nova_barra");
    bar.SetBounds(0, 0, ClientWidth(), bar.Height());
    bar.on_mouse_down = [this](MouseButton, ShiftState, int x, int y) { BarraMouseDown(x, y); };
    bar.on_mouse_move = [this](ShiftState, int x, int y) { BarraMouseMove(x, y); };

    SetMarkup("Label23", std::string("<shad>Korvanel 2014 - ") + kWebAddress + "</shad>");
    ControlNamed<TUiGlowButton>(*this, "btjogar").on_click = [this] { BtjogarClick(); };
    ControlNamed<TUiGlowButton>(*this, "Button4").on_click = [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        t_player& player = Game().players[p];
        player.on_sale = 0;
        player.asking_price = 0;
        RefreshSquadGrid();
    };
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.on_select_cell = [this](int, int) {
        ShowPlayerInfo(SelectedPlayer());
        UpdatePlayerButtons();
    };
    // The window keeps its own orders (position, hidden amounts), so the grid's own sort is off.
    grid.on_header_click = [this, &grid](int col, bool& sort) {
        sort = false;
        if (grid.Columns().IsValidIndex(col)) HeaderClick(grid.Columns().GetItem(col).Name());
    };
    on_key_down = [this](int& key, ShiftState shift) { KeyPressed(key, shift); };
    // The panels' clickable texts open the windows they name.
    auto link = [this](const char* name, const char* window, std::function<void()> choose = {}) {
        ControlNamed<Control>(*this, name).on_click = [this, window, choose] {
            if (choose) choose();
            Open(window);
        };
    };
    auto view_opponent = [this] { MainWindowSelections().viewed_team = lineup_opponent_; };
    link("lb_infonext", "TForm14", view_opponent);
    link("lb_infojog", "TForm14", view_opponent);
    link("lb_infojogn", "TForm14", view_opponent);
    link("lb_tec", "TForm47", [] {
        MainWindowSelection& s = MainWindowSelections();
        s.career_subject_kind = 2;
        s.career_subject = Game().teams[Game().game_state.user_club].coach;
    });
    link("label32", "TForm62");
    link("labmoney", "TForm22");
    link("lb_cores", "TForm86");
    // A double click on a selected row opens the player's history.
    grid.on_dbl_click = [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        MainWindowSelections().career_subject = p;
        Open("TForm16");
    };

    Timer& timer = AddComponent<Timer>("Timer1");
    timer.SetInterval(500);
    timer.SetEnabled(false);
    timer.on_timer = [this, &timer] {
        timer.SetEnabled(false);
        round_events_pending_ = false;
    };
    DoCreate();
}

void TForm13::SetupGridColumns() {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    for (const Column& c : kColumns) {
        TGrCustomColumn& column = grid.Columns().Add(c.name, c.number ? ckInteger : ckString);
        column.Header().SetCaption(c.header);
        column.SetWidth(c.width);
        column.SetVisible(c.visible);
        if (c.number) column.SetSortType(stNumeric);
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
    item(game, "Sairdojogo1", "Sair do jogo", "QuitGame");
    item(game, "Sobreojogo1", "Sobre o jogo", "TForm45");
    enable_by_openers(game, {{"Salvarjogo1", "SaveGame"},
                             {"Opes1", "TForm32"},
                             {"Sairdojogo1", "QuitGame"},
                             {"Sobreojogo1", "TForm45"}});

    PopupMenu& fixtures = AddComponent<PopupMenu>("PopupMenu7");
    item(fixtures, "Jogosdoseutime1", "Jogos do seu time", "TForm18", MakeShortCut(VK_F4));
    item(fixtures, "Tabeladejogos1", "Tabela de jogos", "TForm63", MakeShortCut('T', ssCtrl));
    item(fixtures, "TabelaSulAmericana1", "Tabela Sul-Americana", "TForm35");
    item(fixtures, "TabelaCopa1", "Tabela Copa", "TForm35");
    item(fixtures, "fase1", "2ª fase - Competições internacionais", "TForm69");
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
    item(coaches, "RankingdeTcnicos1", "Ranking de Técnicos", "TForm47");
    item(coaches, "AdicionarRemover1", "Adicionar/Remover ténicos", "TForm50");
    item(coaches, "ltimascontrataes1", "Últimas contratações de técnicos", "TForm58");
    enable_by_openers(coaches, {{"RankingdeTcnicos1", "TForm47"},
                                {"AdicionarRemover1", "TForm50"},
                                {"ltimascontrataes1", "TForm58"}});

    PopupMenu& rankings = AddComponent<PopupMenu>("PopupMenu4");
    item(rankings, "Rankingdeclubes1", "Ranking de clubes", "TForm71");
    item(rankings, "Transferncias1", "Transferências de Jogadores", "TForm58");
    item(rankings, "Histrico1", "Histórico completo de confrontos", "TForm15");
    item(rankings, "TimedaRodada1", "Time da Rodada", "TForm70");
    item(rankings, "BoladeOuro1", "Bola de Ouro", "TForm83");
    item(rankings, "TimedoAno1", "Time do Ano", "TForm70");
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
    item(player, "Venderjogador1", "Vender jogador", "TForm44");
    item(player, "Aposentarjogador1", "Aposentar jogador", "TForm48");
    item(player, "Escolhernmero1", "Escolher número", "TForm82");
    player.Add("HistricodoJogador1", "Histórico do Jogador", [this] {
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
    });
    player.Add("Nopor1", "Não pôr para empréstimo", [this] {
        const int p = SelectedPlayer();
        if (p < 0) return;
        Game().players[p].loan_status = 0;
        RefreshSquadGrid();
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
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    const int row = grid.SelectedRow();
    if (row < 0 || row >= grid.GetRowCount()) return -1;
    const std::string id = grid.GetCellTextByVariant("id", row);
    if (id.empty()) return -1;
    const int p = std::stoi(id);
    return p > 0 && p < static_cast<int>(Game().players.size()) ? p : -1;
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

void TForm13::RefreshSquadGrid() {
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const int kind = data.game_state.match_kind;
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.ClearRows();
    if (club < 0) return;
    struct Entry {
        int player, key, strength, energy;
    };
    std::vector<Entry> order;
    for (int p = 0; p < static_cast<int>(data.players.size()); ++p) {
        const t_player& player = data.players[p];
        if (player.team >= 0 && player.team == club)
            order.push_back({p, PositionSortKey(p), player.strength, player.energy});
    }
    std::stable_sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        if (a.key != b.key) return a.key < b.key;
        if (a.strength != b.strength) return a.strength < b.strength;
        return a.energy < b.energy;
    });
    std::map<int, int> goals;
    for (const t_competition_tally& t : data.season_goals)
        if (t.player > 0 && t.player < static_cast<int>(data.players.size()) &&
            data.players[t.player].team == club)
            goals[t.player] += t.count;
    for (const Entry& e : order) {
        const t_player& p = data.players[e.player];
        const int row = grid.AddRow();
        auto set = [&grid, row](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        set("id", std::to_string(e.player));
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
        const auto price =
            static_cast<std::int32_t>(MoneyToUnits(p.on_sale ? p.asking_price : p.value));
        set("passe", FormatMoneyShort(price));
        set("passet", std::to_string(price));
        set("gols", std::to_string(goals.count(e.player) ? goals[e.player] : 0));
        set("habilidades", CharacteristicsCell(data, e.player).first);
        set("idade", std::to_string(p.age));
        set("moral", std::to_string(p.morale + 7));
        const auto [picture, unavailable] = AvailabilityPicture(data, e.player, kind);
        set("condicao", std::to_string(picture));
        if (unavailable) set("gcstatus", "3");
        set("status", std::to_string(p.shirt_number));
    }
    SetMarkup("lb_total", SquadCountText(grid.GetRowCount()));
    if (grid.GetRowCount() > 0) grid.SelectCell(1, 0);
}

void TForm13::ShowPlayerInfo(int player) {
    if (player < 0) return;
    const GameData& data = Game();
    const t_player& p = data.players[player];
    const int position = std::clamp(p.position, 0, 4);
    SetMarkup("lb_infojogn", "<shad><b>" + p.name.str() + "</b></shad>");
    SetMarkup("lb_infojog", "<shad>" +
                                std::string(position_names[static_cast<std::size_t>(position)]) +
                                "<br>Idade: " + std::to_string(p.age) +
                                "<br>Força: " + std::to_string(p.strength) + "</shad>");
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
    // The selected row in the club's colours, readable on a white text colour too.
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    grid.SelectionColor = t.text_colour == 0xFFFFFF ? back : text;
    ControlNamed<Label>(*this, "nometime").SetCaption(t.name.str());
    SetFontColour(ControlNamed<Control>(*this, "nometime"), text);
    // The confidence bars fill in the club's colour.
    const ProgressPresetColors fill{
        clWhite, static_cast<TColor>(0xE0E0E0), back, back, back, back, back, back};
    for (const char* bar : {"bar1", "bar2"})
        ApplyProgressPreset(ControlNamed<TUiSmoothProgressBar>(*this, bar).Appearance(), fill,
                            true);
    ControlNamed<TUiSmoothProgressBar>(*this, "bar1").SetPosition(std::max(0, t.board_confidence));
    ControlNamed<TUiSmoothProgressBar>(*this, "bar2")
        .SetPosition(std::max(0, t.supporter_confidence));
    // The background runs from the club's colour to a darker or lighter shade of it.
    const int r = back & 0xFF, g = (back >> 8) & 0xFF, b = (back >> 16) & 0xFF;
    const bool light = (r + g + b) / 3.0 > 127;
    auto part = [](int v) { return std::clamp(v, 0, 255); };
    const int er = part(light ? r - 35 : r + 35), eg = part(light ? g - 35 : g + 35),
              eb = part(light ? b - 65 : b + 55);
    auto& gradient = ControlNamed<TGradient>(*this, "Gradient1");
    gradient.SetColorBegin(back);
    gradient.SetColorEnd(static_cast<TColor>(er | (eg << 8) | (eb << 16)));
    for (const char* name : {"lb_tec", "lb_infot", "lab_data", "lb_cd", "lb_ct", "labmoney",
                             "label32", "lb_total", "lb_cores", "Label23", "lb_infonext"})
        SetFontColour(ControlNamed<Control>(*this, name), text);
    const std::string coach = t.coach >= 0 && t.coach < static_cast<int>(data.coaches.size())
                                  ? data.coaches[t.coach].name.str()
                                  : std::string();
    SetMarkup("lb_tec", CoachText(coach));
    SetMarkup("lab_data", "<shad>" + FormatDate(TodayDate(data)) + "</shad>");
    SetMarkup("lb_infot", DivisionLineText(data, club, data.game_state.match_kind));
    RefreshMoney();
    SetMarkup("label32", UnreadNewsText(CountUnreadNews(data, club)));
}

void TForm13::ShowNextMatch() {
    const GameData& data = Game();
    bool away = false;
    lineup_opponent_ = TodaysOpponentOf(data, data.game_state.user_club, away);
    // A club with no match today shows no opponent.
    if (lineup_opponent_ < 0 || lineup_opponent_ >= static_cast<int>(data.teams.size())) {
        lineup_opponent_ = -1;
        SetMarkup("lb_infonext", "");
        return;
    }
    const t_team& o = data.teams[lineup_opponent_];
    SetMarkup("lb_infonext", "<shad><b>" + o.name.str() + "</b></shad><br><shad>" +
                                 (away ? "Fora" : "Casa") + "</shad>");
}

void TForm13::RefreshTurn() {
    RefreshClubPanel();
    RefreshSquadGrid();
    ShowNextMatch();
}

void TForm13::BtjogarClick() {
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
    const HumanDismissal d = DismissHumanCoach(data, club);
    ShowDismissalScreen(d.club, d.old_coach, d.new_coach, true);
    // The club left the human slots and the later ones moved up one.
    --turn_.human_turn;
    NextHumanTurnOrPlay();
}

void TForm13::BarraMouseMove(int x, int y) {
    Control& bar = ControlNamed<Control>(*this, "nova_barra");
    const int px = x * kToolBarPictureWidth / std::max(1, bar.Width());
    for (const ToolZone& z : kToolZones)
        if (px >= z.x0 && px <= z.x1 && y >= z.y0 && y <= z.y1) {
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
    for (const ToolZone& z : kToolZones) {
        if (px < z.x0 || px > z.x1 || y < z.y0 || y > z.y1) continue;
        const std::string_view window = z.window;
        if (window.starts_with("PopupMenu")) {
            auto* menu = static_cast<PopupMenu*>(FindComponent(window));
            const Point at = bar.ClientToScreen({x, y});
            menu->Popup(at.x, at.y);
        } else {
            if (window == "TForm14")
                MainWindowSelections().viewed_team = Game().game_state.user_club;
            Open(window);
        }
        return;
    }
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
            if (shift == ssCtrl && key == 'J') window = "TForm18";
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
    // is, the turn's updates and events.
    if (!OpenMainWindow(data, turn, g_events, skip)) {
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
