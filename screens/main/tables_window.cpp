#include "screens/main/tables_window.h"

#include <algorithm>
#include <functional>
#include <string>

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "game/competition_screens.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/panel.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/scheme_button.h"

namespace kv {
namespace {

constexpr int kRowPitch = 19;
constexpr int kRowHeight = 18;
constexpr int kTitleHeight = 16;
constexpr int kNameWidth = 123;
constexpr int kNumberWidths[] = {20, 20, 20, 20, 20, 25, 25, 25};
constexpr const char* kHeaders[] = {"PG", "J", "V", "E", "D", "GP", "GC", "SG"};
constexpr const char* kHeaderHints[] = {"Pontos ganhos", "Jogos",       "Vitórias",
                                        "Empates",       "Derrotas",    "Gols pró",
                                        "Gols contra",   "Saldo gols"};
constexpr int kNameLeft = 20 + 18;
constexpr TColor kHeaderColour = 0xFF8000;
constexpr TColor kBandColours[] = {0xFFFFFF, 0xFFFFFF, 0xFF9E3E, 0x68E9FB, 0xC0DCC0, 0x6F6FFF};

constexpr int BlockWidth() {
    int w = 20 + 18 + kNameWidth;
    for (int n : kNumberWidths) w += n;
    return w;
}

const LayoutFont kButtonFont = {"Arial", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kHidden = {{"Visible", "False"}};

const LayoutControl kControls[] = {
    {.name = "Button1",
     .class_name = "TSchemeButton",
     .bounds = {766, 6, 25, 22},
     .caption = "X",
     .font = kButtonFont,
     .properties = {{"TabOrder", "0"}}},
    {.name = "btnacional",
     .class_name = "TSchemeButton",
     .bounds = {25, 35, 85, 25},
     .caption = "Nacional",
     .font = kButtonFont,
     .properties = {{"TabOrder", "1"}}},
    {.name = "btestadual",
     .class_name = "TSchemeButton",
     .bounds = {125, 35, 85, 25},
     .caption = "Estadual",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "2"}}},
    {.name = "btlib",
     .class_name = "TSchemeButton",
     .bounds = {225, 35, 85, 25},
     .caption = "Libertadores",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "3"}}},
    {.name = "btcampeoes",
     .class_name = "TSchemeButton",
     .bounds = {325, 35, 85, 25},
     .caption = "Liga Campeões",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "4"}}},
    {.name = "bteuropa",
     .class_name = "TSchemeButton",
     .bounds = {425, 35, 85, 25},
     .caption = "Liga Europa",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "5"}}},
    {.name = "btafricana",
     .class_name = "TSchemeButton",
     .bounds = {525, 35, 85, 25},
     .caption = "Liga Africana",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "6"}}},
    {.name = "btasiatica",
     .class_name = "TSchemeButton",
     .bounds = {625, 35, 85, 25},
     .caption = "Liga Asiática",
     .font = kButtonFont,
     .properties = {{"Visible", "False"}, {"TabOrder", "7"}}},
    {.name = "comboboxd1",
     .class_name = "TComboBox",
     .bounds = {560, 6, 180, 21},
     .properties = {{"TabOrder", "8"}}},
    {.name = "combobox1",
     .class_name = "TComboBox",
     .bounds = {560, 6, 180, 21},
     .properties = {{"TabOrder", "9"}, {"Visible", "False"}}},
    {.name = "painel",
     .class_name = "TPanel",
     .bounds = {18, 64, 743, 467},
     .color = 0x329203,
     .properties = {{"BevelOuter", "bvNone"}}},
    {.name = "lbtitulo",
     .class_name = "TLabel",
     .parent = "painel",
     .bounds = {10, 4, 360, 18},
     .font = {"MS Sans Serif", 10, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "labeltt",
     .class_name = "TSchemeButton",
     .parent = "painel",
     .bounds = {383, 22, 100, 18},
     .caption = "Ver 2ª divisão",
     .font = {"Arial", 8, fsBold | fsUnderline, 0x7ED7E7},
     .properties = {{"Visible", "False"}, {"TabOrder", "0"}}},
    {.name = "labeltt2",
     .class_name = "TSchemeButton",
     .parent = "painel",
     .bounds = {484, 22, 100, 18},
     .caption = "Ver 3ª divisão",
     .font = {"Arial", 8, fsBold | fsUnderline, 0x7ED7E7},
     .properties = {{"Visible", "False"}, {"TabOrder", "1"}}},
    {.name = "labeltt3",
     .class_name = "TSchemeButton",
     .parent = "painel",
     .bounds = {585, 22, 100, 18},
     .caption = "Ver 4ª divisão",
     .font = {"Arial", 8, fsBold | fsUnderline, 0x7ED7E7},
     .properties = {{"Visible", "False"}, {"TabOrder", "2"}}},
};

const char* const kCompetitionButtons[] = {"btnacional", "btestadual", "btlib",     "btcampeoes",
                                           "bteuropa",   "btafricana", "btasiatica"};

const std::int32_t (*ContinentalGroups(const t_game_state& gs, int kind, int region))[4] {
    if (kind == ckSecondContinentalCup) return gs.second_cup_groups_europe;
    switch (region) {
        case crSouthAmerica:
            return gs.continental_groups_south_america;
        case crEurope:
            return gs.continental_groups_europe;
        case crAfrica:
            return gs.continental_groups_africa;
        default:
            return gs.continental_groups_asia;
    }
}

// A table block: painted by the window, with a hint of its own for the cell under the mouse.
class TableBlock : public Control {
  public:
    std::function<std::string(Point)> hint_at;

    bool PrepareHint(Point mouse, HintInfo& info) override {
        info.text = hint_at ? hint_at(mouse) : std::string();
        return !info.text.empty();
    }

  protected:
    void MouseMove(ShiftState shift, int x, int y) override {
        Control::MouseMove(shift, x, y);
        // Each cell has its own hint: a new cell starts the pause again.
        const std::string text = hint_at ? hint_at({x, y}) : std::string();
        if (text != shown_) {
            shown_ = text;
            if (Screen* screen = Screen::Current()) screen->CancelHint();
        }
    }

  private:
    std::string shown_;
};

}  // namespace

const WindowLayout kForm36Layout = {
    .name = "Form36",
    .class_name = "TForm36",
    .client_width = 798,
    .client_height = 568,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm36::TForm36() : Form("Form36") {
    BuildWindowLayout(*this, kForm36Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    crests_ = std::make_unique<CrestImages>(AddComponent<ImageList>("ImageListCrests"));
    crests_->list().width = 18;
    crests_->list().height = 18;
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    Control& panel = *Find("painel");
    for (int b = 0; b < 8; ++b) {
        auto& block = panel.Add<TableBlock>("bloco" + std::to_string(b + 1));
        block.on_paint = [this, b](Canvas& canvas) { PaintBlock(b, canvas); };
        block.hint = "-";  // the hint of the cell under the mouse replaces it
        block.show_hint = true;
        block.hint_at = [this, b](Point p) { return BlockHint(b, p); };
        block.SetVisible(false);
    }
    ControlNamed<Control>(*this, "Button1").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };

    // The competition buttons of this game, side by side.
    const bool abroad = gs.main_country != kCustomChampionship;
    const bool shown[] = {true,
                          gs.state_leagues_on != 0,
                          gs.continental_cup_on && abroad,
                          gs.continental_cup_on && abroad,
                          gs.second_continental_cup_on && abroad && gs.season > 1,
                          gs.african_cup_on && abroad,
                          gs.asian_cup_on && abroad};
    int left = 25;
    for (int b = 0; b < 7; ++b) {
        Control& button = ControlNamed<Control>(*this, kCompetitionButtons[b]);
        button.SetVisible(shown[b]);
        if (!shown[b]) continue;
        button.SetBounds(left, 35, 85, 25);
        left += 100;
        const std::string name = kCompetitionButtons[b];
        button.on_click = [this, name] { Chosen(name); };
    }

    auto& leagues = ControlNamed<ComboBox>(*this, "comboboxd1");
    leagues.images = &FlagImages(*this);
    leagues.drop_down_count = 26;
    const int user = gs.user_club;
    league_ =
        std::max(0, FillLeagueSelector(leagues, InTable(data.teams, user) ? data.teams[user].country
                                                                          : kHomeCountry));
    leagues.on_change = [this, &leagues] { ShowNational(leagues.ItemIndex()); };

    auto& states = ControlNamed<ComboBox>(*this, "combobox1");
    states.drop_down_count = 26;
    std::vector<std::string> items;
    for (int s = 0; s < kStateCount; ++s)
        if (data.state_leagues[s].active) {
            states_.push_back(s);
            items.push_back(std::string(state_codes[s]) + " - " + std::string(state_adjectives[s]));
        }
    states.SetItems(items);
    states.on_change = [this, &states] {
        if (states.ItemIndex() >= 0) ShowState(states_[states.ItemIndex()]);
    };
    state_ = states_.empty() ? 0 : states_.back();
    if (InTable(data.teams, user))
        for (const int s : states_)
            if (s == data.teams[user].state) state_ = s;

    ControlNamed<Control>(*this, "labeltt").on_click = [this] { ShowLowerDivision(2); };
    ControlNamed<Control>(*this, "labeltt2").on_click = [this] { ShowLowerDivision(3); };
    ControlNamed<Control>(*this, "labeltt3").on_click = [this] { ShowLowerDivision(4); };

    if (gs.match_kind == ckStateChampionship && gs.state_leagues_on)
        Chosen("btestadual");
    else if (gs.match_kind == ckContinentalCup && shown[2])
        Chosen("btlib");
    else
        Chosen("btnacional");
    DoCreate();
}

TForm36::~TForm36() = default;

void TForm36::Chosen(const std::string& button) {
    for (const char* name : kCompetitionButtons)
        ControlNamed<TSchemeButton>(*this, name)
            .SetColorScheme(name == button ? csGrass : csNeoSilver);
    ControlNamed<Control>(*this, "comboboxd1")
        .SetVisible(button == "btnacional" && Game().league_configs.size() >= 2);
    ControlNamed<Control>(*this, "combobox1").SetVisible(button == "btestadual");
    if (button == "btnacional") ShowNational(league_);
    if (button == "btestadual") ShowState(state_);
    if (button == "btlib") ShowContinental(ckContinentalCup, crSouthAmerica);
    if (button == "btcampeoes") ShowContinental(ckContinentalCup, crEurope);
    if (button == "bteuropa") ShowContinental(ckSecondContinentalCup, crEurope);
    if (button == "btafricana") ShowContinental(ckContinentalCup, crAfrica);
    if (button == "btasiatica") ShowContinental(ckContinentalCup, crAsia);
}

void TForm36::SetBlock(int block, std::string title, std::vector<TableRow> rows,
                       std::vector<int> bands) {
    TableBlockRows& b = blocks_[block];
    b.title = std::move(title);
    b.positions = ShownPositions(rows);
    b.rows = std::move(rows);
    b.bands = std::move(bands);
    b.bands.resize(b.rows.size(), kBandPlain);
    b.visible = true;
}

void TForm36::PlaceBlock(int block, int left, int top, int rows) {
    Control& c = ControlNamed<Control>(*this, "bloco" + std::to_string(block + 1));
    c.SetBounds(left, top, BlockWidth(), kTitleHeight + kRowPitch * (rows + 1));
    c.SetVisible(blocks_[block].visible);
    c.Invalidate();
}

void TForm36::ShowNational(int config) {
    const GameData& data = Game();
    view_ = kNational;
    for (auto& b : blocks_) b.visible = false;
    if (!InTable(data.league_configs, config)) {
        for (int b = 0; b < 8; ++b) PlaceBlock(b, 0, 0, 0);
        return;
    }
    league_ = config;
    const t_league_config& league = data.league_configs[config];
    title_ = "Campeonato " + NationalityAdjective(league.country);
    ControlNamed<Label>(*this, "lbtitulo").SetCaption(title_);
    const int divisions = std::clamp(league.division_count, 1, 4);
    const LeagueBands bands = LeagueTableBands(data, config);
    auto band_list = [&bands](int d, int rows) {
        return std::vector<int>(bands[d - 1].begin(), bands[d - 1].begin() + rows);
    };
    const bool of10 = data.game_state.league_format == kDivisionsOf10;
    for (const char* name : {"labeltt", "labeltt2", "labeltt3"})
        ControlNamed<Control>(*this, name).SetVisible(false);
    if (of10) {
        for (int d = 1; d <= divisions; ++d)
            SetBlock(d - 1, std::to_string(d) + "ª divisão", DivisionTable(data, config, d),
                     band_list(d, 10));
        const int lefts[] = {10, 383, 10, 383};
        const int tops[] = {24, 24, 242, 242};
        for (int b = 0; b < 8; ++b) PlaceBlock(b, b < 4 ? lefts[b] : 0, b < 4 ? tops[b] : 0, 10);
        return;
    }
    SetBlock(0, "1ª divisão", DivisionTable(data, config, 1), band_list(1, 20));
    ControlNamed<Control>(*this, "labeltt").SetVisible(divisions >= 3);
    ControlNamed<Control>(*this, "labeltt2").SetVisible(divisions >= 3);
    const bool regional = league.country == kHomeCountry &&
                          data.game_state.home_regional_division && divisions == 3 &&
                          data.game_state.match_kind == ckStateChampionship;
    Control& fourth = ControlNamed<Control>(*this, "labeltt3");
    fourth.SetVisible(divisions == 4 || regional);
    fourth.SetEnabled(
        !(league.country == kHomeCountry && data.game_state.match_kind == ckStateChampionship));
    PlaceBlock(0, 10, 44, 20);
    if (divisions > 1)
        ShowLowerDivision(2);
    else
        PlaceBlock(1, 383, 44, 20);
    for (int b = 2; b < 8; ++b) PlaceBlock(b, 0, 0, 0);
}

void TForm36::ShowLowerDivision(int division) {
    const GameData& data = Game();
    if (view_ != kNational || !InTable(data.league_configs, league_)) return;
    const LeagueBands bands = LeagueTableBands(data, league_);
    SetBlock(1, std::to_string(division) + "ª divisão", DivisionTable(data, league_, division),
             std::vector<int>(bands[division - 1].begin(), bands[division - 1].end()));
    const char* names[] = {"labeltt", "labeltt2", "labeltt3"};
    for (int d = 2; d <= 4; ++d)
        ControlNamed<TSchemeButton>(*this, names[d - 2])
            .SetColorScheme(d == division ? csGrass : csNeoDesert);
    PlaceBlock(1, 383, 44, 20);
}

void TForm36::ShowState(int state) {
    const GameData& data = Game();
    view_ = kState;
    for (auto& b : blocks_) b.visible = false;
    for (const char* name : {"labeltt", "labeltt2", "labeltt3"})
        ControlNamed<Control>(*this, name).SetVisible(false);
    state_ = state;
    auto& states = ControlNamed<ComboBox>(*this, "combobox1");
    for (std::size_t i = 0; i < states_.size(); ++i)
        if (states_[i] == state) states.SetItemIndex(static_cast<int>(i));
    title_ = state >= 0 && state < kStateCount
                 ? "Campeonato " + std::string(state_adjectives[state])
                 : std::string();
    ControlNamed<Label>(*this, "lbtitulo").SetCaption(title_);
    const int groups = state >= 0 && state < kStateCount
                           ? std::clamp(data.state_leagues[state].group_count, 0, 4)
                           : 0;
    for (int g = 0; g < groups; ++g) {
        const auto& teams = data.state_leagues[state].groups[g];
        std::vector<int> bands(6, kBandPlain);
        bands[0] = kBandUp;
        if (g == 0) bands[1] = kBandUp;
        bands[5] = kBandDown;
        SetBlock(g, std::to_string(g + 1) + "ª divisão",
                 GroupTable(data, std::span<const std::int32_t>(teams, 6), ckStateChampionship),
                 bands);
    }
    const int top2 = 240;
    for (int g = 0; g < 8; ++g) {
        int left = g % 2 == 0 ? 10 : 383;
        if (groups == 1 || (groups == 3 && g == 2)) left = 210;
        PlaceBlock(g, left, g < 2 ? 60 : top2, 6);
    }
}

void TForm36::ShowContinental(int kind, int region) {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    view_ = kContinental;
    for (auto& b : blocks_) b.visible = false;
    for (const char* name : {"labeltt", "labeltt2", "labeltt3"})
        ControlNamed<Control>(*this, name).SetVisible(false);
    static const char* const kFirstCup[] = {"", "Libertadores", "Liga dos Campeões da Europa",
                                            "Liga Africana", "Liga Asiática"};
    title_ = kind == ckSecondContinentalCup
                 ? (region == crSouthAmerica ? "Copa Sul-Americana" : "Liga Europa")
                 : kFirstCup[std::clamp(region, 1, 4)];
    const bool drawn =
        gs.season > 1 || (kind == ckContinentalCup && gs.continental_cup_first_season);
    if (!drawn) title_ += " (grupos ainda não sorteados)";
    ControlNamed<Label>(*this, "lbtitulo").SetCaption(title_);
    static const std::int32_t kNoTeams[4] = {-1, -1, -1, -1};
    const auto* groups = ContinentalGroups(gs, kind, region);
    for (int g = 0; g < 8; ++g) {
        SetBlock(g, "Grupo " + std::to_string(g + 1),
                 drawn ? GroupTable(data, std::span<const std::int32_t>(groups[g], 4), kind)
                       : GroupTable(data, kNoTeams, kind),
                 {kBandUp, kBandUp, kBandPlain, kBandPlain});
        PlaceBlock(g, g < 4 ? 10 : 385, 26 + (g % 4) * 110, 4);
    }
}

std::string TForm36::BlockHint(int block, Point p) const {
    if (block < 0 || block >= 8 || !blocks_[block].visible) return {};
    const TableBlockRows& b = blocks_[block];
    if (p.y >= kTitleHeight && p.y < kTitleHeight + kRowHeight) {
        int x = kNameLeft + kNameWidth;
        for (int c = 0; c < 8; ++c) {
            if (p.x >= x && p.x < x + kNumberWidths[c]) return kHeaderHints[c];
            x += kNumberWidths[c];
        }
        return {};
    }
    // A club of the continental groups tells its country.
    const int row = (p.y - kTitleHeight) / kRowPitch - 1;
    if (view_ != kContinental || row < 0 || row >= static_cast<int>(b.rows.size())) return {};
    if (p.x < kNameLeft || p.x >= kNameLeft + kNameWidth) return {};
    const GameData& data = Game();
    const int team = b.rows[row].team;
    if (!InTable(data.teams, team) || data.teams[team].country <= 0) return {};
    return std::string(CountryName(data.teams[team].country));
}

void TForm36::PaintBlock(int block, Canvas& canvas) {
    const TableBlockRows& b = blocks_[block];
    if (!b.visible) return;
    const GameData& data = Game();
    canvas.bk_mode = BkMode::Transparent;
    canvas.font = {"Arial", 8, fsBold, clYellow};
    canvas.TextOut(2, 1, b.title);
    auto cell = [&canvas](const Rect& r, TColor back, TColor text, const std::string& s,
                          unsigned align) {
        canvas.brush.color = back;
        canvas.brush.style = bsSolid;
        canvas.FillRect(r);
        canvas.font.color = text;
        Rect inner = r;
        canvas.DrawText(s, inner,
                        align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    };
    const int name_left = kNameLeft;
    int y = kTitleHeight;
    canvas.font = {"Arial", 8, fsBold, clWhite};
    int x = name_left + kNameWidth;
    for (int c = 0; c < 8; ++c) {
        cell({x, y, x + kNumberWidths[c] - 1, y + kRowHeight}, kHeaderColour, clWhite, kHeaders[c],
             DT_CENTER);
        x += kNumberWidths[c];
    }
    for (std::size_t r = 0; r < b.rows.size(); ++r) {
        y = kTitleHeight + kRowPitch * static_cast<int>(r + 1);
        const TableRow& row = b.rows[r];
        const TColor band = kBandColours[std::clamp(b.bands[r], 1, 5)];
        canvas.font = {"Arial", 8, fsBold, clWhite};
        cell({0, y, 19, y + kRowHeight}, kHeaderColour, clWhite,
             row.team >= 0 ? b.positions[r] : "--", DT_CENTER);
        canvas.font = {"Arial", 8, 0, clBlack};
        const bool known = InTable(data.teams, row.team);
        cell({name_left, y, name_left + kNameWidth - 1, y + kRowHeight}, band, clBlack,
             known ? " " + data.teams[row.team].name.str() : std::string(), DT_LEFT);
        if (known) {
            const int crest = crests_->Of(row.team);
            if (crest >= 0) crests_->list().StretchDraw(canvas, {20, y, 38, y + 18}, crest);
        }
        const int values[] = {row.points, row.played,    row.wins,          row.draws,
                              row.losses, row.goals_for, row.goals_against, row.goal_difference};
        x = name_left + kNameWidth;
        for (int c = 0; c < 8; ++c) {
            cell({x, y, x + kNumberWidths[c] - 1, y + kRowHeight}, band, clBlack,
                 known ? std::to_string(values[c]) : (row.team < 0 ? "0" : ""), DT_CENTER);
            x += kNumberWidths[c];
        }
    }
}

void ShowTablesWindow() {
    auto& form = CreateWhileBusy<TForm36>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
