#include "screens/main/cup_bracket_window.h"

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/screen_size.h"
#include "core/table_index.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/calendar.h"
#include "season/fixture_list.h"
#include "season/histories.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {20, 8, 300, 24},
     .caption = "Tabela Copa",
     .font = {"Arial", 13, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {330, 12, 140, 16},
     .caption = "<< Fase Preliminar",
     .font = {"Arial", 8, fsBold | fsUnderline, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "combopais",
     .class_name = "TComboBox",
     .bounds = {480, 10, 180, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {766, 6, 25, 22},
     .caption = "X",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = {{"TabOrder", "1"}}},
    {.name = "chave",
     .class_name = "TPanel",
     .bounds = {0, 36, 800, 544},
     .color = 0x1F5A02,
     .properties = {{"BevelOuter", "bvNone"}}},
};

constexpr int kPitch = 33;
constexpr int kWidth = 96;

}  // namespace

const WindowLayout kForm35Layout = {
    .name = "Form35",
    .class_name = "TForm35",
    .client_width = 800,
    .client_height = 580,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm35::TForm35(int cup_bracket_kind) : Form("Form35") {
    BuildWindowLayout(*this, kForm35Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    CloseOnEscape(*this);
    kind_ = cup_bracket_kind == ckSecondContinentalCup ? ckSecondContinentalCup : ckNationalCup;
    const GameData& data = Game();
    auto& leagues = ControlNamed<ComboBox>(*this, "combopais");
    leagues.images = &FlagImages(*this);
    league_ = std::max(0, FillLeagueSelector(leagues, kHomeCountry));
    leagues.on_change = [this, &leagues] {
        preliminary_ = false;
        FillBracket(std::max(0, leagues.ItemIndex()));
    };
    if (kind_ == ckSecondContinentalCup) leagues.SetVisible(false);
    const bool home = InTable(data.league_configs, league_) &&
                      data.league_configs[league_].country == kHomeCountry;
    preliminary_ = kind_ == ckNationalCup && home && NationalCupHasExtraRound(data) &&
                   data.game_state.national_cup_round == 0;
    ControlNamed<Control>(*this, "Label3").on_click = [this] { TogglePhase(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    crests_ = std::make_unique<CrestImages>(AddComponent<ImageList>("ImageListCrests"));
    crests_->list().width = 14;
    crests_->list().height = 14;
    ControlNamed<Control>(*this, "chave").on_paint = [this](Canvas& canvas) { PaintBoard(canvas); };
    FillBracket(league_);
    DoCreate();
}

TForm35::~TForm35() = default;

BracketTie TForm35::Slot(int slot) const {
    return slot >= 1 && slot <= static_cast<int>(slots_.size()) ? slots_[slot - 1] : BracketTie{};
}

void TForm35::TogglePhase() {
    preliminary_ = !preliminary_;
    FillBracket(league_);
}

void TForm35::FillBracket(int league) {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    league_ = league;
    slots_.assign(32, BracketTie{});
    phase1_.clear();
    entrants_.clear();
    champion_ = -1;
    const bool home =
        InTable(data.league_configs, league) && data.league_configs[league].country == kHomeCountry;
    const bool extra = kind_ == ckNationalCup && home && NationalCupHasExtraRound(data);
    Label& link = ControlNamed<Label>(*this, "Label3");
    link.SetVisible(extra && gs.national_cup_round > 0);
    link.SetCaption(preliminary_ ? "Próxima fase >>" : "<< Fase Preliminar");
    ControlNamed<Label>(*this, "Label1")
        .SetCaption(kind_ == ckSecondContinentalCup ? "Tabela Copa Sul-Americana"
                    : preliminary_                  ? "Copa do Brasil Fase Preliminar"
                                                    : "Tabela Copa");
    const int owner = kind_ == ckSecondContinentalCup ? crSouthAmerica : league;
    if (preliminary_) {
        const std::vector<BracketTie> ties =
            WalkBracket(data, FindFixture(data, owner, kind_, 0), 32);
        std::copy(ties.begin(), ties.end(), slots_.begin());
        if (gs.national_cup_round > 0)
            phase1_ = WalkBracket(data, FindFixture(data, owner, kind_, 1), 16);
        ControlNamed<Control>(*this, "chave").Invalidate();
        return;
    }
    int first = FindFixture(data, owner, kind_, 1);
    int start_slot = 1;
    if (first < 0) {
        first = FindFixture(data, owner, kind_, 2);
        start_slot = 17;
    }
    if (first >= 0) {
        const std::vector<BracketTie> ties = WalkBracket(data, first, 31 - start_slot + 1);
        std::copy(ties.begin(), ties.end(), slots_.begin() + (start_slot - 1));
        if (start_slot == 17)
            for (const BracketTie& tie : std::vector<BracketTie>(
                     ties.begin(), ties.begin() + std::min<std::size_t>(8, ties.size()))) {
                entrants_.push_back(tie.team1);
                entrants_.push_back(tie.team2);
            }
        if (kind_ == ckSecondContinentalCup) {
            champion_ = FindChampion(data, ckSecondContinentalCup, kSouthAmericaCountry, gs.season);
        } else if (gs.national_cup_round > 5 && InTable(data.league_configs, league)) {
            const int competition = FindCompetitionId(
                data, ckNationalCup, data.league_configs[league].country, 1, -1, -1);
            for (auto it = data.honours.rbegin(); it != data.honours.rend(); ++it)
                if (it->season == gs.season && it->competition == competition && it->placing == 1) {
                    champion_ = it->team;
                    break;
                }
        }
    }
    ControlNamed<Control>(*this, "chave").Invalidate();
}

void TForm35::PaintBoard(Canvas& canvas) {
    std::vector<BracketBox> boxes;
    if (preliminary_) {
        // Two columns of sixteen ties facing each other, the next phase's ties beside them.
        for (int s = 0; s < 32; ++s) {
            const int left = s < 16 ? 27 : 669;
            const int top = 8 + (s % 16) * kPitch;
            const BracketTie& tie = slots_[s];
            boxes.push_back(
                {{left, top, left + kWidth, top + 28}, tie.team1, tie.team2, tie.score});
        }
        for (std::size_t k = 0; k < phase1_.size(); ++k) {
            const int left = k < 8 ? 190 : 506;
            const int top = 8 + static_cast<int>(k % 8) * 2 * kPitch + kPitch / 2;
            boxes.push_back(
                {{left, top, left + kWidth, top + 28}, phase1_[k].team1, phase1_[k].team2, {}});
        }
        PaintBracket(canvas, boxes, false, {}, -1);
        return;
    }
    const std::vector<Rect> places = BracketPlaces(16, {27, 173, 316, 460, 606}, 8, kPitch, kWidth);
    for (int s = 0; s < 31; ++s) {
        const BracketTie& tie = slots_[s];
        boxes.push_back({places[s], tie.team1, tie.team2, tie.score, tie.team2 < 0});
    }
    if (!entrants_.empty())
        for (std::size_t k = 0; k < entrants_.size() && k < 16; ++k) {
            boxes[k].team1 = entrants_[k];
            boxes[k].hide_second = true;
        }
    // The crests of the first column beside its ties.
    for (int s = 0; s < 16; ++s) {
        const Rect& r = boxes[s].rect;
        const int mid = (r.top + r.bottom) / 2;
        const int a = crests_->Of(boxes[s].team1);
        if (a >= 0) crests_->list().Draw(canvas, 10, r.top, a);
        const int b = boxes[s].hide_second ? -1 : crests_->Of(boxes[s].team2);
        if (b >= 0) crests_->list().Draw(canvas, 10, mid + 1, b);
    }
    const Rect& final_place = places[30];
    PaintBracket(canvas, boxes, true,
                 {final_place.left + 64, final_place.bottom + 40, final_place.left + 180,
                  final_place.bottom + 60},
                 champion_);
}

void ShowCupBracketWindow(int cup_bracket_kind) {
    auto& form = CreateWhileBusy<TForm35>(cup_bracket_kind);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
