#include "screens/main/second_phase_window.h"

#include "core/game_data.h"
#include "core/screen_size.h"
#include "core/table_index.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/competition_window_parts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/fixture_list.h"
#include "season/histories.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {20, 8, 440, 24},
     .font = {"Arial", 13, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combo1",
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
     .bounds = {0, 40, 800, 500},
     .color = 0x1F5A02,
     .properties = {{"BevelOuter", "bvNone"}}},
};

struct Choice {
    const char* title;
    int kind, region;
};
constexpr Choice kChoices[] = {
    {"Libertadores - 2ª Fase", ckContinentalCup, crSouthAmerica},
    {"Liga dos Campeões - 2ª Fase", ckContinentalCup, crEurope},
    {"Liga Africana - 2ª Fase", ckContinentalCup, crAfrica},
    {"Liga Asiática - 2ª Fase", ckContinentalCup, crAsia},
    {"Copa Sul-Americana - 2ª Fase", ckSecondContinentalCup, crSouthAmerica},
    {"Liga Europa da UEFA - 2ª Fase", ckSecondContinentalCup, crEurope},
};

const std::vector<int> kLefts = {27, 173, 316, 460};

}  // namespace

const WindowLayout kForm69Layout = {
    .name = "Form69",
    .class_name = "TForm69",
    .client_width = 800,
    .client_height = 560,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x1F5A02,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterCompetitionScreenClasses,
};

TForm69::TForm69(int second_phase_kind) : Form("Form69") {
    BuildWindowLayout(*this, kForm69Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    CloseOnEscape(*this);
    const t_game_state& gs = Game().game_state;
    auto& combo = ControlNamed<ComboBox>(*this, "combo1");
    std::vector<std::string> items = {"Libertadores", "Liga dos Campões", "Liga Africana",
                                      "Liga Asiática"};
    if (gs.second_continental_cup_on && gs.season > 1) {
        items.push_back("Sul-Americana");
        items.push_back("Liga Europa");
    }
    combo.SetItems(items);
    combo.on_change = [this, &combo] {
        const int i = combo.ItemIndex();
        if (i < 0 || i >= 6) return;
        ControlNamed<Label>(*this, "Label1").SetCaption(kChoices[i].title);
        FillBracket(kChoices[i].kind, kChoices[i].region);
    };
    const int first = second_phase_kind == ckContinentalCup ? 0 : 4;
    combo.SetItemIndex(first < combo.Count() ? first : -1);
    ControlNamed<Label>(*this, "Label1").SetCaption(kChoices[first].title);
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    Control& board = ControlNamed<Control>(*this, "chave");
    board.on_paint = [this](Canvas& canvas) {
        const std::vector<Rect> places = BracketPlaces(8, kLefts, 10, 60, 100);
        std::vector<BracketBox> boxes;
        for (std::size_t s = 0; s < places.size(); ++s) {
            const BracketTie tie = Slot(static_cast<int>(s) + 1);
            boxes.push_back({places[s], tie.team1, tie.team2, tie.score});
        }
        PaintBracket(canvas, boxes, true, {606, 220, 736, 244}, champion_);
    };
    FillBracket(kChoices[first].kind, kChoices[first].region);
    DoCreate();
}

BracketTie TForm69::Slot(int slot) const {
    return slot >= 1 && slot <= static_cast<int>(ties_.size()) ? ties_[slot - 1] : BracketTie{};
}

void TForm69::FillBracket(int kind, int region) {
    const GameData& data = Game();
    ties_ = WalkBracket(data, FindFixture(data, region, kind, 4), 15);
    static constexpr int kRegionCountry[] = {0, kSouthAmericaCountry, kEuropeCountry,
                                             kAfricaCountry, kAsiaCountry};
    champion_ = FindChampion(data, kind, kRegionCountry[region >= 1 && region <= 4 ? region : 1],
                             data.game_state.season);
    ControlNamed<Control>(*this, "chave").Invalidate();
}

void ShowSecondPhaseWindow(int second_phase_kind) {
    auto& form = Screen::Get().Create<TForm69>(second_phase_kind);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
