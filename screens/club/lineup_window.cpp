#include "screens/club/lineup_window.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/options.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/base/files.h"
#include "platform/gfx/canvas.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/club/lineup_pictures.h"
#include "screens/club/saved_tactics_window.h"
#include "screens/main/main_window_pictures.h"
#include "screens/main/main_window_texts.h"
#include "screens/match/engine_test_bench_window.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/gradient.h"
#include "ui/controls/smooth_message_dialog.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

// The cursors the drags show, by the numbers they are registered under.
constexpr int kKitCursor = 1, kKeeperCursor = 2, kBenchCursor = 3, kPlainCursor = 4;

const char kElevenMessage[] =
    "<BR><FONT size=\"10\"><FONT face=\"Arial Black\"><FONT color=\"#FFFFFF\"><SHAD><P "
    "align=\"center\">Selecione 11 jogadores, arrastando-os da lista   sobre  as camisas.<BR> Ou "
    "selecionando uma tática  automática.</p></SHAD></FONT></FONT></FONT>";

void RegisterLineupClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

// White captions on a gradient that runs to yellow: ringed in black to read on its light end.
const std::initializer_list<LayoutProperty> kCaption = {{"Transparent", "True"},
                                                       {"ShadowRing", "True"},
                                                       {"ShadowColor", "clBlack"},
                                                       {"ShadowOffset", "1"}};

constexpr LayoutFont kCaptionFont = {"Arial", 8, fsBold, clWhite};

const LayoutControl kControls[] = {
    {.name = "Gradient1",
     .class_name = "TGradient",
     .bounds = {0, 0, 800, 600},
     .properties = {{"ColorBegin", "$0000E6FF"}, {"ColorEnd", "$00707070"}}},
    {.name = "Panel1",
     .class_name = "TPanel",
     .bounds = {0, 0, 465, 600},
     .color = static_cast<TColor>(0x225E1D),
     .properties = {{"BevelOuter", "bvNone"}}},
    {.name = "Image1", .class_name = "TImage", .parent = "Panel1", .bounds = {0, 0, 465, 600}},
    {.name = "Image3",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {0, 0, 465, 600},
     .properties = {{"Visible", "False"}}},
    {.name = "gridview1",
     .class_name = "TReportGrid",
     .bounds = {470, 8, 322, 250},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "0"}}},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {470, 262, 322, 16},
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "lb_tat",
     .class_name = "TMarkupLabel",
     .bounds = {470, 287, 156, 16},
     .caption = "<SHAD>Seleção tática automática:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "combtat",
     .class_name = "TUiComboBox",
     .bounds = {628, 284, 164, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "lb_ej",
     .class_name = "TMarkupLabel",
     .bounds = {470, 311, 156, 16},
     .caption = "<SHAD>Estilo de jogo:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "comboej",
     .class_name = "TUiComboBox",
     .bounds = {628, 308, 164, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "lb_marc",
     .class_name = "TMarkupLabel",
     .bounds = {470, 335, 156, 16},
     .caption = "<SHAD>Tipo da marcação:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "combomarc",
     .class_name = "TUiComboBox",
     .bounds = {628, 332, 164, 21},
     .properties = {{"TabOrder", "3"}}},
    {.name = "lb_cataq",
     .class_name = "TMarkupLabel",
     .bounds = {470, 359, 156, 16},
     .caption = "<SHAD>Concentrar ataques:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "combo_cataq",
     .class_name = "TUiComboBox",
     .bounds = {628, 356, 164, 21},
     .properties = {{"TabOrder", "4"}}},
    {.name = "lb_faltas",
     .class_name = "TMarkupLabel",
     .bounds = {470, 383, 156, 16},
     .caption = "<SHAD>Cobrança faltas:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "combo2",
     .class_name = "TUiComboBox",
     .bounds = {628, 380, 164, 21},
     .properties = {{"TabOrder", "5"}}},
    {.name = "lb_capitao",
     .class_name = "TMarkupLabel",
     .bounds = {470, 407, 156, 16},
     .caption = "<SHAD>Capitão:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "combo1",
     .class_name = "TUiComboBox",
     .bounds = {628, 404, 164, 21},
     .properties = {{"TabOrder", "6"}}},
    {.name = "ckescalacao",
     .class_name = "TCheckBox",
     .bounds = {470, 432, 150, 17},
     .caption = "Escalação padrão",
     .font = kCaptionFont,
     .properties = {{"TabOrder", "7"}, {"Transparent", "True"}}},
    {.name = "UiGlowButton1",
     .class_name = "TUiGlowButton",
     .bounds = {672, 430, 120, 22},
     .caption = "Táticas salvas",
     .properties = {{"TabOrder", "8"}}},
    {.name = "lb_uniforme",
     .class_name = "TMarkupLabel",
     .bounds = {470, 456, 140, 16},
     .caption = "<SHAD>Uniforme:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "Image2",
     .class_name = "TImage",
     .bounds = {470, 474, 40, 40},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image4",
     .class_name = "TImage",
     .bounds = {518, 474, 40, 40},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image5",
     .class_name = "TImage",
     .bounds = {566, 474, 40, 40},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "rd1",
     .class_name = "TMarkupRadioButton",
     .bounds = {476, 516, 34, 17},
     .caption = "1",
     .font = kCaptionFont,
     .properties = {{"TabOrder", "9"}, {"Transparent", "True"}}},
    {.name = "rd2",
     .class_name = "TMarkupRadioButton",
     .bounds = {524, 516, 34, 17},
     .caption = "2",
     .font = kCaptionFont,
     .properties = {{"TabOrder", "10"}, {"Transparent", "True"}}},
    {.name = "rd3",
     .class_name = "TMarkupRadioButton",
     .bounds = {572, 516, 34, 17},
     .caption = "3",
     .font = kCaptionFont,
     .properties = {{"TabOrder", "11"}, {"Transparent", "True"}}},
    {.name = "lb_adv",
     .class_name = "TMarkupLabel",
     .bounds = {620, 456, 172, 16},
     .caption = "<SHAD>Adversário:</SHAD>",
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {668, 490, 124, 16},
     .font = kCaptionFont,
     .properties = kCaption},
    {.name = "Image13",
     .class_name = "TImage",
     .bounds = {620, 474, 40, 40},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "bt_voltar",
     .class_name = "TUiGlowButton",
     .bounds = {470, 562, 160, 28},
     .caption = "<< Administrar Time ",
     .properties = {{"TabOrder", "12"}}},
    {.name = "bt_irprojogo",
     .class_name = "TUiGlowButton",
     .bounds = {652, 562, 140, 28},
     .caption = "Jogar >>",
     .properties = {{"TabOrder", "13"}}},
    // The developer's way into the engine test bench: never shown.
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {0, 0, 8, 8},
     .caption = "",
     .properties = {{"Visible", "False"}, {"TabOrder", "14"}}},
    {.name = "Button2",
     .class_name = "TButton",
     .bounds = {8, 0, 8, 8},
     .caption = "",
     .properties = {{"Visible", "False"}, {"TabOrder", "15"}}},
};

struct Column {
    const char* name;
    const char* header;
    int width;
    bool visible;
};

constexpr Column kColumns[] = {
    {"status", "", 26, true},   {"posicaojog", "P", 16, true}, {"condicao", "", 20, true},
    {"nome", "Nome", 76, true}, {"forca", "F", 22, true},      {"energia", "Energia", 48, true},
    {"lado", "Lado", 32, true}, {"gols", "G", 18, true},       {"habilidades", "Car.", 42, true},
    {"idade", "I", 20, true},   {"id", "", 0, false},          {"funcaojog", "Função", 0, false},
    {"passe", "", 0, false},    {"moral", "", 0, false},       {"passet", "", 0, false},
    {"salariot", "", 0, false}, {"gcstatus", "", 0, false},
};

int StatusIcon(const t_player& p, LineupRowState state) {
    const int number = std::clamp(p.shirt_number, 0, 28);
    switch (state) {
        case LineupRowState::kFree:
            return 58 + number;
        case LineupRowState::kStarter:
            return number;
        case LineupRowState::kSubstitute:
            return 29 + number;
        case LineupRowState::kUnavailable:
            return kUnavailableIcon;
        case LineupRowState::kNotSelectable:
            return kNotSelectableIcon;
    }
    return 0;
}

int SeasonGoals(const GameData& data, int player) {
    int goals = 0;
    for (const t_competition_tally& t : data.season_goals)
        if (t.player == player) goals += t.count;
    return goals;
}

std::string ComboText(const t_player& p) {
    return p.name.str() + " - " +
           std::string(position_letters[static_cast<std::size_t>(std::clamp(p.position, 0, 4))]);
}

Picture KitPicture(const std::string& path) {
    Picture p;
    if (!path.empty()) p.LoadFromFile(ResolvePath(path));
    return p;
}

}  // namespace

const WindowLayout kForm87Layout = {
    .name = "Form87",
    .class_name = "TForm87",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterLineupClasses,
};

TForm87::TForm87(bool national, int opponent) : Form("Form87"), national_(national) {
    BuildWindowLayout(*this, kForm87Layout);
    AnswerWindowKeys(*this, {.before_controls = true});
    GameData& data = Game();
    const int club = data.game_state.user_club;
    lineup_ = std::make_unique<HumanLineup>(data, club, national);
    ControlNamed<TGradient>(*this, "Gradient1").SetStyle(gsRadialC);

    plain_ = LineupPicture("camisa0");
    keeper_ = LineupPicture("camisa2");
    bench_ = LineupPicture("camisa3");
    kit_ = KitPicture(BuildShirtPath(club));
    kit_file_ = !kit_.empty();
    if (!kit_file_) kit_ = LineupPicture("camisa1");
    auto& pitch = ControlNamed<Image>(*this, "Image1");
    pitch.SetPicture(LineupPicture("campogrande"));
    pitch.stretch = true;
    auto& drop = ControlNamed<Image>(*this, "Image3");
    drop.SetPicture(LineupPicture("campoalpha"));
    drop.stretch = true;
    Screen& screen = Screen::Get();
    const Point hot{1, 1};
    screen.SetCursorImage(kPlainCursor, LineupPicture("cursor0"), hot);
    screen.SetCursorImage(kKitCursor, LineupPicture("cursor1"), hot);
    screen.SetCursorImage(kKeeperCursor, LineupPicture("cursor2"), hot);
    screen.SetCursorImage(kBenchCursor, LineupPicture("cursor3"), hot);

    icons_ = &AddComponent<ImageList>("ImageList1");
    icons_->width = kStatusIconWidth;
    icons_->height = kStatusIconHeight;
    for (int i = 0; i < kStatusIconCount; ++i) icons_->Add(LineupStatusIcon(i));
    // The availability marks the main window's squad list shows: cards, suspension, injury, star.
    availability_ = &AddComponent<ImageList>("ImageList2");
    FillAvailabilityPictures(*availability_);
    FillSquadList();
    CreateShirts();
    FillCombos();

    auto& keep = ControlNamed<CheckBox>(*this, "ckescalacao");
    keep.SetChecked(data.game_state.keep_lineup != 0);
    keep.on_click = [&keep] {
        Game().game_state.keep_lineup = keep.Checked() ? 1 : 0;
        WriteOption("opcoes", "opescalacao", keep.Checked() ? "1" : "0");
    };
    if (data.game_state.keep_lineup) lineup_->LoadDefault();
    ShowOpponentAndKits(opponent);
    RefreshLineup();

    AddClubMessageDialog(*this);

    ControlNamed<TUiGlowButton>(*this, "bt_irprojogo").on_click = [this] { BtIrprojogoClick(); };
    ControlNamed<TUiGlowButton>(*this, "bt_voltar").on_click = [this] { BtVoltarClick(); };
    ControlNamed<TUiGlowButton>(*this, "UiGlowButton1").on_click = [this] { UiGlowButton1Click(); };
    ControlNamed<Button>(*this, "Button1").on_click = [] { OpenEngineTestBench(false); };
    ControlNamed<Button>(*this, "Button2").on_click = [] { OpenEngineTestBench(true); };
    DoCreate();
}

double TForm87::Scale() {
    return ControlNamed<Control>(*this, "Panel1").Width() / static_cast<double>(kPitchWidth);
}

void TForm87::FillSquadList() {
    GameData& data = Game();
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    for (const Column& c : kColumns) {
        std::unique_ptr<TGrCustomColumn> column;
        const std::string_view name = c.name;
        if (name == "status" || name == "condicao") {
            auto image = std::make_unique<TGrImageColumn>(c.name);
            image->Images = name == "status" ? icons_ : availability_;
            column = std::move(image);
        } else if (name == "energia") {
            auto bar = std::make_unique<TGrProgressColumn>(c.name);
            // Green while fit, red once a starter would play exhausted.
            bar->ProgressColor = static_cast<TColor>(0x32A050);
            bar->LowValueBound = 14;
            bar->LowValueColor = static_cast<TColor>(0x2828C8);
            bar->HighValueBound = 101;
            column = std::move(bar);
        }
        TGrCustomColumn& added =
            column ? grid.Columns().Add(std::move(column)) : grid.Columns().Add(c.name, ckString);
        added.Header().SetCaption(c.header);
        added.SetWidth(c.width);
        added.SetVisible(c.visible);
    }
    // The list keeps the window's own order.
    grid.on_header_click = [](int, bool& sort) { sort = false; };
    const TDateTime today = TodayDate(data);
    for (const LineupRow& r : lineup_->rows()) {
        t_player& p = data.players[r.player];
        const int row = grid.AddRow();
        auto set = [&grid, row](const char* column, const std::string& text) {
            grid.SetCellTextByVariant(column, row, text);
        };
        const int position = std::clamp(p.position, 0, 4);
        set("id", std::to_string(r.player));
        set("posicaojog",
            std::string(position_names[static_cast<std::size_t>(position)].substr(0, 1)));
        set("nome", p.name.str());
        const int role = std::clamp(p.role, 0, 4);
        set("funcaojog", std::string(role_names[static_cast<std::size_t>(position * 5 + role)]));
        set("forca", std::to_string(p.strength));
        set("energia", std::to_string(p.energy));
        set("idade", std::to_string(p.age));
        set("lado", p.side != 0 ? "E" : "D");
        set("moral", std::to_string(p.morale + 7));
        const std::int32_t price = MoneyToWholeUnits(p.on_sale ? p.asking_price : p.value);
        set("passe", FormatMoneyShort(price));
        grid.GetCellByVariant("passe", row).SetHint(FormatMoneyInWords(price));
        set("passet", std::to_string(price));
        if (!national_) set("gols", std::to_string(SeasonGoals(data, r.player)));
        const auto [abilities, abilities_hint] = CharacteristicsCell(data, r.player);
        set("habilidades", abilities);
        grid.GetCellByVariant("habilidades", row).SetHint(abilities_hint);
        set("condicao", std::to_string(r.condition));
        const int kind = data.game_state.match_kind >= 0 && data.game_state.match_kind < 11
                             ? data.game_state.match_kind
                             : 0;
        std::string status_hint;
        if (!national_ && p.contract_end < today)
            status_hint = "Contrato expirado";
        else if (p.injured_until > today)
            status_hint = "Jogador contundido";
        else if (p.yellow_cards[kind] >= 3 || p.suspension[kind] >= 1)
            status_hint = "Suspenso para este jogo";
        else if (p.moved_this_round)
            status_hint = "Disponível só no próximo jogo";
        grid.GetCellByVariant("status", row).SetHint(status_hint);
        set("gcstatus", std::string(1, static_cast<char>(r.state)));
        // Until a national team's rows are put on shirts they show no shirt number.
        const bool unavailable = r.state == LineupRowState::kUnavailable;
        set("status", std::to_string(national_ ? (unavailable ? kUnavailableIcon : 58)
                                               : StatusIcon(p, r.state)));
    }
    grid.on_select_cell = [this, &grid](int, int row) {
        ControlNamed<TMarkupLabel>(*this, "Label2")
            .SetHTMLText("<SHAD>" + grid.GetCellByVariant("status", row).Hint() + "</SHAD>");
    };
    // A press on a chosen row starts a drag once the mouse moves.
    grid.drag_cursor = kKitCursor;
    grid.on_mouse_down = [&grid](MouseButton button, ShiftState, int, int) {
        if (button == mbLeft && grid.SelectedRow() >= 0) grid.BeginDrag(false);
    };
    if (grid.GetRowCount() > 0) grid.SelectCell(0, 0);
}

int TForm87::SelectedPlayer() {
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    const int row = grid.SelectedRow();
    if (row < 0 || row >= grid.GetRowCount()) return -1;
    const std::string id = grid.GetCellTextByVariant("id", row);
    return id.empty() ? -1 : std::stoi(id);
}

void TForm87::RefreshRows() {
    const GameData& data = Game();
    auto& grid = ControlNamed<TReportGrid>(*this, "gridview1");
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const int p = std::stoi(grid.GetCellTextByVariant("id", row));
        const LineupRowState state = lineup_->StateOf(p);
        grid.SetCellTextByVariant("gcstatus", row, std::string(1, static_cast<char>(state)));
        grid.SetCellTextByVariant("status", row,
                                  std::to_string(StatusIcon(data.players[p], state)));
    }
}

void TForm87::CreateShirts() {
    Control& panel = ControlNamed<Control>(*this, "Panel1");
    const double s = Scale();
    Font font;
    font.name = "Arial";
    font.size = static_cast<int>(std::lround(8 * s));
    font.style = fsBold;
    font.color = clWhite;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) {
        auto& image = panel.Add<Image>("camisa" + std::to_string(shirt));
        image.tag = shirt;
        image.center = true;
        image.SetBounds(0, 0, static_cast<int>(std::lround(kShirtSide * s)),
                        static_cast<int>(std::lround(kShirtSide * s)));
        image.SetPicture(plain_);
        auto& caption = panel.Add<TMarkupLabel>("labescal" + std::to_string(shirt));
        caption.SetTransparent(true);
        caption.SetShadowColor(clBlack);
        caption.SetShadowOffset(1);
        caption.SetFont(font);
        caption.show_hint = true;
        caption.SetBounds(0, 0, static_cast<int>(std::lround(90 * s)),
                          static_cast<int>(std::lround(30 * s)));
        caption.SetHTMLText("--");
        image.on_mouse_down = [this, &image, shirt](MouseButton button, ShiftState, int, int) {
            if (button != mbLeft) return;
            int cursor = kBenchCursor;
            if (shirt == 1) cursor = kKeeperCursor;
            if (shirt >= 2 && shirt <= kStarterShirts) {
                cursor = kit_file_ ? kKitCursor : kPlainCursor;
                ControlNamed<Control>(*this, "Image3").SetVisible(true);
            }
            image.drag_cursor = cursor;
            image.BeginDrag(true);
        };
        image.on_end_drag = [this](Control*, int, int) {
            ControlNamed<Control>(*this, "Image3").SetVisible(false);
        };
        image.on_drag_over = [](Control&, int, int, bool& accept) { accept = true; };
        image.on_drag_drop = [this, shirt](Control& source, int, int) {
            if (source.Name() == "gridview1")
                GridDropOnShirt(shirt);
            else if (source.tag >= 1 && source.tag <= kShirtCount &&
                     source.Name().starts_with("camisa"))
                ShirtDropOnShirt(source.tag, shirt);
        };
    }
    auto& drop = ControlNamed<Control>(*this, "Image3");
    drop.on_drag_over = [](Control& source, int, int, bool& accept) {
        accept =
            source.Name().starts_with("camisa") && source.tag >= 2 && source.tag <= kStarterShirts;
    };
    drop.on_drag_drop = [this](Control& source, int x, int y) {
        const double s = Scale();
        ShirtDropOnPitch(source.tag, static_cast<int>(x / s), static_cast<int>(y / s));
    };
}

void TForm87::RefreshShirt(int shirt) {
    const LineupShirt& at = lineup_->shirt(shirt);
    auto& image = ControlNamed<Image>(*this, "camisa" + std::to_string(shirt));
    auto& caption = ControlNamed<TMarkupLabel>(*this, "labescal" + std::to_string(shirt));
    const Picture& worn = at.empty()                ? plain_
                          : shirt == 1              ? keeper_
                          : shirt <= kStarterShirts ? kit_
                                                    : bench_;
    image.SetPicture(worn);
    // The caption measures names in its own font, as it shows them.
    const Font font = caption.font();
    auto width = [&font](std::string_view text) {
        Canvas canvas(1, 1);
        canvas.font = font;
        canvas.font.size = 8;
        return canvas.TextWidth(text);
    };
    const ShirtCaption text = BuildShirtCaption(Game(), shirt, at.position, at.player, width);
    caption.SetHTMLText(at.empty() ? std::string() : text.markup);
    caption.hint = text.hint;
    // Where the shirt stands on the pitch picture, scaled with the window.
    const double s = Scale();
    int x = kBenchX, y = BenchY(shirt), caption_dx = -18, caption_dy = 42;
    if (shirt <= kStarterShirts) {
        const PitchPosition& p = PitchPositionInfo(at.position);
        x = p.x;
        y = p.y;
        // The goalkeeper's caption stays inside the window's bottom edge.
        caption_dy = shirt == 1 ? 36 : 48;
    }
    auto px = [s](int v) { return static_cast<int>(std::lround(v * s)); };
    image.SetBounds(px(x), px(y), image.Width(), image.Height());
    caption.SetBounds(px(x + caption_dx), px(y + caption_dy), caption.Width(), caption.Height());
}

void TForm87::RefreshLineup() {
    for (int shirt = 1; shirt <= kShirtCount; ++shirt) RefreshShirt(shirt);
    RefreshRows();
}

void TForm87::GridDropOnShirt(int shirt) {
    if (lineup_->DropPlayer(SelectedPlayer(), shirt)) RefreshLineup();
}

void TForm87::ShirtDropOnShirt(int from, int to) {
    if (from == to) return;
    lineup_->SwapShirts(from, to);
    RefreshLineup();
}

void TForm87::ShirtDropOnPitch(int shirt, int x, int y) {
    const int position = PitchPositionAt(x, y);
    if (position == 0 || !lineup_->MoveShirt(shirt, position)) return;
    RefreshShirt(shirt);
}

void TForm87::FillCombos() {
    const GameData& data = Game();
    const t_team& team = data.teams[lineup_->team()];
    auto combo = [this](const char* name) -> TUiComboBox& {
        return ControlNamed<TUiComboBox>(*this, name);
    };
    std::vector<std::string> formations;
    for (int f = 1; f <= kFormationCount; ++f) formations.emplace_back(FormationName(f));
    combo("combtat").SetItems(formations);
    combo("combtat").on_change = [this] { CombtatClick(); };
    struct Tactic {
        const char* name;
        std::vector<std::string> items;
        int value;
        std::int32_t t_team::*field;
    };
    const Tactic tactics[] = {
        {"comboej",
         {"Jogo equilibrado", "Ataque total", "Contra-ataque (retranca)"},
         team.playing_style,
         &t_team::playing_style},
        {"combomarc", {"Leve", "Pesada", "Muito pesada"}, team.marking, &t_team::marking},
        {"combo_cataq", {"Pelo meio", "Pelas laterais"}, team.attack_route, &t_team::attack_route},
    };
    for (const Tactic& t : tactics) {
        TUiComboBox& box = combo(t.name);
        box.SetItems(t.items);
        if (t.value >= 0 && t.value < box.Count()) box.SetItemIndex(t.value);
        box.on_change = [this, &box, field = t.field] {
            if (box.ItemIndex() >= 0) Game().teams[lineup_->team()].*field = box.ItemIndex();
        };
    }
    std::vector<std::string> names;
    combo_players_.clear();
    for (const LineupRow& r : lineup_->rows()) {
        names.push_back(ComboText(data.players[r.player]));
        combo_players_.push_back(r.player);
    }
    auto choose = [&](TUiComboBox& box, int player) {
        if (player <= 0 || player >= static_cast<int>(data.players.size())) return;
        const auto it = std::find(names.begin(), names.end(), ComboText(data.players[player]));
        if (it != names.end()) box.SetItemIndex(static_cast<int>(it - names.begin()));
    };
    for (const char* name : {"combo1", "combo2"}) {
        TUiComboBox& box = combo(name);
        box.SetItems(names);
        box.on_change = [this, &box, captain = std::string_view(name) == "combo1"] {
            const int i = box.ItemIndex();
            if (i < 0 || i >= static_cast<int>(combo_players_.size())) return;
            t_team& t = Game().teams[lineup_->team()];
            (captain ? t.captain : t.set_piece_taker) = combo_players_[i];
        };
    }
    choose(combo("combo1"), team.captain);
    choose(combo("combo2"), team.set_piece_taker);
}

void TForm87::ShowOpponentAndKits(int opponent) {
    const GameData& data = Game();
    if (opponent >= 0 && opponent < static_cast<int>(data.teams.size())) {
        ControlNamed<TMarkupLabel>(*this, "Label3")
            .SetHTMLText("<SHAD>" + data.teams[opponent].name.str() + "</SHAD>");
        ControlNamed<Image>(*this, "Image13").SetPicture(KitPicture(BuildShirtPath(opponent)));
    }
    const int club = lineup_->team();
    ControlNamed<Image>(*this, "Image2").SetPicture(kit_);
    const std::string second = BuildShirt2Path(club), third = BuildShirt3Path(club);
    const Picture kits[2] = {KitPicture(second), KitPicture(third)};
    const char* images[2] = {"Image4", "Image5"};
    const char* radios[2] = {"rd2", "rd3"};
    for (int i = 0; i < 2; ++i) {
        ControlNamed<Image>(*this, images[i]).SetPicture(kits[i]);
        ControlNamed<Control>(*this, images[i]).SetVisible(!kits[i].empty());
        ControlNamed<Control>(*this, radios[i]).SetVisible(!kits[i].empty());
    }
    auto& rd1 = ControlNamed<TMarkupRadioButton>(*this, "rd1");
    rd1.SetChecked(true);
    const char* all[3] = {"rd1", "rd2", "rd3"};
    for (int k = 1; k <= 3; ++k)
        ControlNamed<TMarkupRadioButton>(*this, all[k - 1]).on_click = [this, k] { ChooseKit(k); };
    const int kit = data.teams[club].kit;
    if (kit == 2 && !kits[0].empty())
        ControlNamed<TMarkupRadioButton>(*this, "rd2").SetChecked(true);
    if (kit == 3 && !kits[1].empty())
        ControlNamed<TMarkupRadioButton>(*this, "rd3").SetChecked(true);
}

void TForm87::ChooseKit(int kit) {
    const int club = lineup_->team();
    const std::string path = kit == 1   ? BuildShirtPath(club)
                             : kit == 2 ? BuildShirt2Path(club)
                                        : BuildShirt3Path(club);
    Picture picture = KitPicture(path);
    if (picture.empty()) return;
    kit_ = std::move(picture);
    Game().teams[club].kit = kit;
    for (int shirt = 2; shirt <= kStarterShirts; ++shirt) RefreshShirt(shirt);
}

void TForm87::CombtatClick() {
    const int item = ControlNamed<TUiComboBox>(*this, "combtat").ItemIndex();
    if (item < 0) return;
    lineup_->AutoSelect(item + 1);
    RefreshLineup();
}

void TForm87::BtIrprojogoClick() {
    lineup_->KeepIfAsked();
    // A squad with fewer than eleven who can play still plays with all it has.
    if (!lineup_->ReadyToPlay()) {
        auto& dialog = *static_cast<TUiSmoothMessageDialog*>(FindComponent("info1"));
        dialog.HTMLText().SetText(kElevenMessage);
        dialog.ShowDialog();
        return;
    }
    lineup_->Commit();
    played_ = true;
    Close();
}

void TForm87::BtVoltarClick() {
    lineup_->KeepIfAsked();
    Close();
}

void TForm87::UiGlowButton1Click() {
    if (ShowSavedTacticsWindow(*lineup_)) RefreshLineup();
}

bool ShowLineupWindow(bool national, int opponent) {
    TForm87& form = Screen::Get().Create<TForm87>(national, opponent);
    form.ShowModal();
    const bool played = form.played();
    form.Release();
    return played;
}

}  // namespace kv
