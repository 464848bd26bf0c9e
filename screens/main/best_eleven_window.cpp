#include "screens/main/best_eleven_window.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/table_index.h"
#include "game/competition_screens.h"
#include "platform/gfx/canvas.h"
#include "platform/window/combo_box.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

struct Slot {
    int left, top;
};
constexpr Slot kSlots[11] = {{23, 216},  {147, 342}, {92, 192},  {92, 272},  {147, 104}, {243, 184},
                             {243, 280}, {331, 136}, {331, 328}, {475, 172}, {475, 300}};

#define KV_SLOT(n)                                                                         \
    {.name = "camisa" #n,                                                                  \
     .class_name = "TImage",                                                               \
     .bounds = {kSlots[n - 1].left, kSlots[n - 1].top, 55, 55}},                           \
    {                                                                                      \
        .name = "labescal" #n, .class_name = "TMarkupLabel",                               \
        .bounds = {std::max(0, kSlots[n - 1].left - 30), kSlots[n - 1].top + 50, 120, 28}, \
        .font = {"Arial", 7, fsBold, clWhite}, .properties = {                             \
            {"Transparent", "True"},                                                       \
            {"ShowHint", "True"}                                                           \
        }                                                                                  \
    }

const LayoutControl kControls[] = {
    {.name = "Image1", .class_name = "TImage", .bounds = {0, 34, 635, 430}},
    {.name = "lbtitulo",
     .class_name = "TLabel",
     .bounds = {400, 8, 190, 20},
     .caption = "Time da Rodada",
     .font = {"Arial", 12, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combopais",
     .class_name = "TComboBox",
     .bounds = {8, 8, 150, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {164, 8, 100, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "ComboBox1",
     .class_name = "TComboBox",
     .bounds = {270, 8, 120, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "comboano",
     .class_name = "TComboBox",
     .bounds = {270, 8, 120, 21},
     .properties = {{"TabOrder", "3"}, {"Visible", "False"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {604, 6, 25, 22},
     .caption = "X",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = {{"TabOrder", "4"}}},
    KV_SLOT(1),
    KV_SLOT(2),
    KV_SLOT(3),
    KV_SLOT(4),
    KV_SLOT(5),
    KV_SLOT(6),
    KV_SLOT(7),
    KV_SLOT(8),
    KV_SLOT(9),
    KV_SLOT(10),
    KV_SLOT(11),
    {.name = "bolaimg",
     .class_name = "TImage",
     .bounds = {0, 0, 20, 20},
     .properties = {{"Visible", "False"}}},
};

#undef KV_SLOT

// Our own pitch: stripes of two greens and the white lines, the goals left and right.
void PaintPitch(Canvas& canvas, int width, int height) {
    for (int x = 0, stripe = 0; x < width; x += 45, ++stripe) {
        canvas.brush.color = stripe % 2 ? 0x2E8B2E : 0x339933;
        canvas.FillRect({x, 0, std::min(width, x + 45), height});
    }
    canvas.pen.color = clWhite;
    canvas.pen.width = 2;
    canvas.brush.style = bsClear;
    const Rect field = {8, 8, width - 8, height - 8};
    canvas.Rectangle(field);
    const int mid = width / 2, centre = height / 2;
    canvas.MoveTo(mid, field.top);
    canvas.LineTo(mid, field.bottom);
    canvas.Ellipse({mid - 50, centre - 50, mid + 50, centre + 50});
    canvas.Rectangle({field.left, centre - 90, field.left + 80, centre + 90});
    canvas.Rectangle({field.right - 80, centre - 90, field.right, centre + 90});
    canvas.Rectangle({field.left, centre - 40, field.left + 28, centre + 40});
    canvas.Rectangle({field.right - 28, centre - 40, field.right, centre + 40});
    canvas.brush.style = bsSolid;
}

// The shirt of a slot whose team has no kit picture.
Picture DefaultShirt() {
    Picture shirt(55, 55);
    Canvas canvas(shirt);
    canvas.pen.color = 0x404040;
    canvas.brush.color = 0xE0E0E0;
    canvas.Polygon({{14, 6},
                    {22, 4},
                    {27, 9},
                    {32, 4},
                    {40, 6},
                    {52, 18},
                    {45, 25},
                    {41, 21},
                    {41, 50},
                    {14, 50},
                    {14, 21},
                    {10, 25},
                    {3, 18}});
    return shirt;
}

}  // namespace

const WindowLayout kForm70Layout = {
    .name = "Form70",
    .class_name = "TForm70",
    .client_width = 635,
    .client_height = 464,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm70::TForm70(int mode) : Form("Form70") {
    BuildWindowLayout(*this, kForm70Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    season_mode_ = mode > 0;
    Control& pitch = ControlNamed<Control>(*this, "Image1");
    pitch.on_paint = [&pitch](Canvas& canvas) {
        PaintPitch(canvas, pitch.Width(), pitch.Height());
    };
    ControlNamed<Control>(*this, "bolaimg").on_paint = [](Canvas& canvas) {
        canvas.pen.color = clBlack;
        canvas.brush.color = clWhite;
        canvas.Ellipse({1, 1, 19, 19});
        canvas.brush.color = clBlack;
        canvas.Ellipse({7, 7, 13, 13});
    };
    ControlNamed<Control>(*this, "bt3").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    auto& rounds = ControlNamed<ComboBox>(*this, "ComboBox1");
    auto& seasons = ControlNamed<ComboBox>(*this, "comboano");
    if (season_mode_) {
        ControlNamed<Label>(*this, "lbtitulo").SetCaption("Time do Ano");
        rounds.SetVisible(false);
        seasons.SetVisible(true);
        std::vector<std::string> years;
        for (int s = 1; s < gs.season; ++s) years.push_back(std::to_string(SeasonYear(s)));
        seasons.SetItems(years);
        seasons.SetItemIndex(static_cast<int>(years.size()) - 1);
    } else {
        rounds.SetItems(BestElevenRoundEntries(data));
        rounds.SetItemIndex(rounds.Count() - 1);
    }
    auto& leagues = ControlNamed<ComboBox>(*this, "combopais");
    leagues.images = &FlagImages(*this);
    league_ = std::max(0, FillLeagueSelector(leagues, kHomeCountry));
    FillDivisions(true);
    leagues.on_change = [this, &leagues] {
        league_ = std::max(0, leagues.ItemIndex());
        FillDivisions(false);
        ShowBestEleven();
    };
    auto& divisions = ControlNamed<ComboBox>(*this, "combo1");
    divisions.on_change = [this] { ShowBestEleven(); };
    rounds.on_change = [this] { ShowBestEleven(); };
    seasons.on_change = [this] { ShowBestEleven(); };
    ShowBestEleven();
    DoCreate();
}

void TForm70::FillDivisions(bool regional_extra) {
    const GameData& data = Game();
    auto& divisions = ControlNamed<ComboBox>(*this, "combo1");
    int count = 1;
    if (InTable(data.league_configs, league_)) {
        const t_league_config& config = data.league_configs[league_];
        count = std::clamp(config.division_count, 1, 4);
        if (data.game_state.league_format == kDivisionsOf10) count = 4;
        if (regional_extra && config.country == kHomeCountry && count == 3 &&
            data.game_state.home_regional_division)
            count = 4;
    }
    std::vector<std::string> items;
    for (int d = 1; d <= count; ++d) items.push_back(std::to_string(d) + "ª divisão");
    divisions.SetItems(items);
    divisions.SetItemIndex(0);
}

void TForm70::ShowBestEleven() {
    const GameData& data = Game();
    const int country =
        InTable(data.league_configs, league_) ? data.league_configs[league_].country : -1;
    const int division = std::max(0, ControlNamed<ComboBox>(*this, "combo1").ItemIndex()) + 1;
    competition_ = FindCompetitionId(data, ckNationalLeague, country, division, -1, -1);
    static const Picture kDefaultShirt = DefaultShirt();
    std::fill(std::begin(slot_players_), std::end(slot_players_), 0);
    ball_slot_ = 0;
    const std::int32_t* players = nullptr;
    const std::int32_t* teams = nullptr;
    int best = -1;
    if (season_mode_) {
        const int entry = ControlNamed<ComboBox>(*this, "comboano").ItemIndex();
        if (const auto* eleven = FindSeasonBestEleven(data, competition_, entry + 1);
            eleven && entry >= 0) {
            players = eleven->players;
            teams = eleven->teams;
            best = eleven->best_player;
        }
    } else {
        const int entry = ControlNamed<ComboBox>(*this, "ComboBox1").ItemIndex();
        if (const auto* eleven =
                FindRoundBestEleven(data, competition_, data.game_state.season, entry + 1);
            eleven && entry >= 0) {
            players = eleven->players;
            teams = eleven->teams;
        }
    }
    Control& ball = ControlNamed<Control>(*this, "bolaimg");
    ball.SetVisible(false);
    for (int k = 0; k < 11; ++k) {
        auto& label = ControlNamed<TMarkupLabel>(*this, "labescal" + std::to_string(k + 1));
        auto& shirt = ControlNamed<Image>(*this, "camisa" + std::to_string(k + 1));
        label.SetHTMLText("");
        shirt.center = true;
        shirt.SetPicture(kDefaultShirt);
        if (!players || players[k] <= 0) continue;
        slot_players_[k] = players[k];
        label.SetHTMLText(BestElevenSlotMarkup(data, players[k], teams[k]));
        const std::string path = BuildShirtPath(teams[k]);
        if (!path.empty()) shirt.LoadFromFile(path);
        if (best > 0 && players[k] == best) {
            ball_slot_ = k + 1;
            ball.SetBounds(label.Left() + 8, label.Top() - 25, 20, 20);
            ball.SetVisible(true);
        }
    }
}

void ShowBestElevenWindow(int mode) {
    auto& form = Screen::Get().Create<TForm70>(mode);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
