#include "screens/match/engine_test_bench_window.h"

#include <charconv>
#include <string>

#include "core/game_data.h"
#include "match/lineup_strength.h"
#include "match/match_day_helpers.h"
#include "match/match_tables.h"
#include "match/result_model.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/match/match_decision_windows.h"
#include "screens/match/shootout_order_window.h"
#include "screens/start/window_layout.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kFixedLabel = {{"AutoSize", "False"}};
const std::initializer_list<LayoutProperty> kGrowingMarkup = {{"AutoSizing", "True"}};

const LayoutControl kControls[] = {
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {8, 8, 190, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combo2",
     .class_name = "TComboBox",
     .bounds = {206, 8, 190, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {406, 12, 36, 13},
     .caption = "Jogos:",
     .properties = kFixedLabel},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {444, 8, 60, 21},
     .caption = "1",
     .properties = {{"TabOrder", "2"}}},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {512, 12, 50, 13},
     .caption = "Semente:",
     .properties = kFixedLabel},
    {.name = "Edit2",
     .class_name = "TEdit",
     .bounds = {564, 8, 70, 21},
     .caption = "1",
     .properties = {{"TabOrder", "3"}}},
    {.name = "CheckBox1",
     .class_name = "TCheckBox",
     .bounds = {644, 10, 140, 17},
     .caption = "sem eventos hum.",
     .properties = {{"TabOrder", "4"}, {"Checked", "True"}}},
    {.name = "Button3",
     .class_name = "TButton",
     .bounds = {8, 36, 75, 25},
     .caption = "run",
     .properties = {{"TabOrder", "5"}}},
    {.name = "Button6",
     .class_name = "TButton",
     .bounds = {88, 36, 75, 25},
     .caption = "nsr",
     .properties = {{"TabOrder", "6"}}},
    {.name = "Button1",
     .class_name = "TButton",
     .bounds = {168, 36, 75, 25},
     .caption = "Button1",
     .properties = {{"TabOrder", "7"}}},
    {.name = "Button2",
     .class_name = "TButton",
     .bounds = {248, 36, 75, 25},
     .caption = "Button2",
     .properties = {{"TabOrder", "8"}}},
    {.name = "Button8",
     .class_name = "TButton",
     .bounds = {328, 36, 80, 25},
     .caption = "show rating",
     .properties = {{"TabOrder", "9"}}},
    {.name = "Button5",
     .class_name = "TButton",
     .bounds = {413, 36, 75, 25},
     .caption = "res",
     .properties = {{"TabOrder", "10"}}},
    {.name = "Button4",
     .class_name = "TButton",
     .bounds = {493, 36, 75, 25},
     .caption = "escalacao",
     .properties = {{"TabOrder", "11"}}},
    {.name = "Button7",
     .class_name = "TButton",
     .bounds = {573, 36, 75, 25},
     .caption = "penaltis",
     .properties = {{"TabOrder", "12"}}},
    {.name = "Button9",
     .class_name = "TButton",
     .bounds = {8, 66, 75, 25},
     .caption = "tabela",
     .properties = {{"TabOrder", "13"}}},
    {.name = "Button10",
     .class_name = "TButton",
     .bounds = {88, 66, 100, 25},
     .caption = "tabela neutro",
     .properties = {{"TabOrder", "14"}}},
    {.name = "Button11",
     .class_name = "TButton",
     .bounds = {193, 66, 160, 25},
     .caption = "tabela peso maior campo",
     .properties = {{"TabOrder", "15"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {8, 100, 40, 13},
     .properties = kFixedLabel},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {52, 100, 40, 13},
     .properties = kFixedLabel},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {96, 100, 50, 13},
     .properties = kFixedLabel},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {150, 100, 50, 13},
     .properties = kFixedLabel},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {206, 100, 400, 13},
     .properties = kFixedLabel},
    {.name = "placar",
     .class_name = "TLabel",
     .bounds = {664, 68, 120, 24},
     .font = {"Tahoma", 14, fsBold, clWindowText},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}}},
    {.name = "ScrollBox1", .class_name = "TScrollBox", .bounds = {8, 120, 200, 442}},
    {.name = "MarkupLabel1",
     .class_name = "TMarkupLabel",
     .parent = "ScrollBox1",
     .bounds = {2, 2, 176, 14},
     .properties = kGrowingMarkup},
    {.name = "MarkupLabel2", .class_name = "TMarkupLabel", .bounds = {216, 120, 240, 16}},
    {.name = "MarkupLabel3", .class_name = "TMarkupLabel", .bounds = {216, 138, 240, 16}},
    {.name = "MarkupLabel4", .class_name = "TMarkupLabel", .bounds = {216, 156, 240, 16}},
    {.name = "MarkupLabel5", .class_name = "TMarkupLabel", .bounds = {216, 174, 240, 16}},
    {.name = "MarkupLabel6", .class_name = "TMarkupLabel", .bounds = {216, 192, 240, 16}},
    {.name = "MarkupLabel7", .class_name = "TMarkupLabel", .bounds = {216, 210, 240, 16}},
    {.name = "MarkupLabel10", .class_name = "TMarkupLabel", .bounds = {216, 228, 240, 16}},
    {.name = "MarkupLabel8", .class_name = "TMarkupLabel", .bounds = {216, 246, 240, 16}},
    {.name = "MarkupLabel11", .class_name = "TMarkupLabel", .bounds = {216, 264, 240, 44}},
    {.name = "MarkupLabel9",
     .class_name = "TMarkupLabel",
     .bounds = {216, 312, 240, 250},
     .properties = {{"BevelOuter", "bvLowered"}}},
    {.name = "MarkupLabel12",
     .class_name = "TMarkupLabel",
     .bounds = {464, 120, 320, 250},
     .properties = {{"BevelOuter", "bvLowered"}}},
    {.name = "ScrollBox2", .class_name = "TScrollBox", .bounds = {464, 376, 320, 90}},
    {.name = "MarkupLabel14",
     .class_name = "TMarkupLabel",
     .parent = "ScrollBox2",
     .bounds = {2, 2, 296, 14},
     .properties = kGrowingMarkup},
    {.name = "ScrollBox3", .class_name = "TScrollBox", .bounds = {464, 472, 320, 90}},
    {.name = "MarkupLabel15",
     .class_name = "TMarkupLabel",
     .parent = "ScrollBox3",
     .bounds = {2, 2, 296, 14},
     .properties = kGrowingMarkup},
};

std::string Joined(const std::int32_t (&values)[2]) {
    return std::to_string(values[0]) + "x" + std::to_string(values[1]);
}

// The bench's table as mark-up: each quantity, what the batch gave with its interval, and what
// the result model implies where it says.
std::string TableMarkup(const std::vector<BenchTableRow>& rows) {
    std::string s = "<b>intervalos de 95 %</b><br>";
    for (const BenchTableRow& r : rows) {
        if (!r.observed) continue;
        s += r.name + ": " + FormatEstimate(r.observed, r.share);
        if (r.expected)
            s += " <font color=\"clGray\">(modelo " + FormatExpected(r.expected, r.share) +
                 ")</font>";
        s += "<br>";
    }
    return s;
}

}  // namespace

const WindowLayout kForm89Layout = {
    .name = "form89",
    .class_name = "Tform89",
    .client_width = 792,
    .client_height = 570,
    .caption = "Banco de testes do motor",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterMarkupControlClasses,
};

Tform89::Tform89() : Form("form89") {
    BuildWindowLayout(*this, kForm89Layout);
    std::vector<std::string> rows;
    for (int s = 0; s < static_cast<int>(Game().match_strengths.size()); ++s)
        rows.push_back(BenchStrengthLabel(s));
    ControlNamed<ComboBox>(*this, "combo1").SetItems(rows);
    ControlNamed<ComboBox>(*this, "combo2").SetItems(rows);
    auto wire = [this](std::string_view name, std::function<void()> handler) {
        ControlNamed<Button>(*this, name).on_click = std::move(handler);
    };
    wire("Button1", [this] { Button1Click(); });
    wire("Button2", [this] { Button2Click(); });
    wire("Button3", [this] { Button3Click(); });
    wire("Button4", [this] { Button4Click(); });
    wire("Button5", [this] { Button5Click(); });
    wire("Button6", [this] { Button6Click(); });
    wire("Button7", [this] { Button7Click(); });
    wire("Button8", [this] { Button8Click(); });
    wire("Button9", [this] { ResultTableClick(0); });
    wire("Button10", [this] { ResultTableClick(1); });
    wire("Button11", [this] { ResultTableClick(2); });
    DoCreate();
}

std::optional<BenchPair> Tform89::ChosenPair() {
    const BenchPair pair{ControlNamed<ComboBox>(*this, "combo1").ItemIndex(),
                         ControlNamed<ComboBox>(*this, "combo2").ItemIndex()};
    if (const std::string why = CheckBenchPair(pair); !why.empty()) {
        ShowMessage(why);
        return std::nullopt;
    }
    return pair;
}

std::optional<int> Tform89::MatchCount() {
    const BenchCount n = ParseBenchMatchCount(ControlNamed<Edit>(*this, "Edit1").Text());
    if (!n.error.empty()) {
        ShowMessage(n.error);
        return std::nullopt;
    }
    return n.value;
}

std::optional<std::uint64_t> Tform89::Seed() {
    const std::string& text = ControlNamed<Edit>(*this, "Edit2").Text();
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        ShowMessage("A semente deve ser um número inteiro não negativo.");
        return std::nullopt;
    }
    return seed;
}

void Tform89::SetMarkup(std::string_view name, const std::string& text) {
    ControlNamed<TMarkupLabel>(*this, name).SetHTMLText(text);
}

void Tform89::SaveChosen(BenchPair pair) {
    saved_pair_ = pair;
    saved_[0] = Game().match_strengths[pair.first];
    saved_[1] = Game().match_strengths[pair.second];
}

void Tform89::ShowRatings(BenchPair pair) {
    ControlNamed<Label>(*this, "Label1").SetCaption(std::to_string(pair.first));
    ControlNamed<Label>(*this, "Label2").SetCaption(std::to_string(pair.second));
    ControlNamed<Label>(*this, "Label3").SetCaption(FormationText(pair.first));
    ControlNamed<Label>(*this, "Label4").SetCaption(FormationText(pair.second));
}

void Tform89::ShowMatchValues(const jogos& m) {
    ControlNamed<Label>(*this, "placar").SetCaption(Joined(m.goals));
    SetMarkup("MarkupLabel2", "chutes " + Joined(m.shots));
    SetMarkup("MarkupLabel3", "roubadas " + Joined(m.tackles));
    SetMarkup("MarkupLabel4", "faltas cometidas " + Joined(m.fouls));
    SetMarkup("MarkupLabel5", "passes errados " + Joined(m.wrong_passes));
    SetMarkup("MarkupLabel6", "passes certos " + Joined(m.passes));
    SetMarkup("MarkupLabel7", "penaltys " + Joined(m.penalties_taken));
}

void Tform89::ShowStatistics(BenchMode mode, const BenchResult& result) {
    SetMarkup("MarkupLabel1", result.listing);
    SetMarkup("MarkupLabel9", BenchSummaryMarkup(mode, result.tally));
    SetMarkup("MarkupLabel12", TableMarkup(BenchTable(mode, result.tally, result.expected)));
}

void Tform89::Button1Click() {
    const auto pair = ChosenPair();
    if (!pair) return;
    const auto seed = Seed();
    if (!seed) return;
    const BenchResult r = RunBenchBatch(BenchMode::kZoneEngine, *pair, kZoneBenchMatches, *seed);
    ShowMatchValues(r.last_match);
    const jogos& m = r.last_match;
    auto percent = [](int ticks) {
        return std::to_string((ticks * 100 + kZoneBenchMoves / 2) / kZoneBenchMoves);
    };
    SetMarkup("MarkupLabel10",
              "posse bola:" + percent(m.possession[0]) + "% -" + percent(m.possession[1]) + "%");
    std::string zones;
    for (int k = 0; k < 12; ++k)
        zones +=
            " q" + std::to_string(k + 1) + "=" + std::to_string(r.tally.goals_by_zone[k]) + " ";
    SetMarkup("MarkupLabel11", zones);
    SetMarkup("MarkupLabel14", "");
    ShowStatistics(BenchMode::kZoneEngine, r);
}

void Tform89::Button2Click() {
    const auto seed = Seed();
    if (!seed) return;
    SetMarkup("MarkupLabel8", std::to_string(BenchLowDrawCount(*seed)));
}

void Tform89::Button3Click() {
    const auto pair = ChosenPair();
    if (!pair) return;
    const auto n = MatchCount();
    if (!n) return;
    const auto seed = Seed();
    if (!seed) return;
    SaveChosen(*pair);
    const BenchResult r = RunBenchBatch(BenchMode::kResultModel, *pair, *n, *seed);
    const std::string names =
        BenchStrengthLabel(pair->first) + " " + BenchStrengthLabel(pair->second);
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(names + " " + std::to_string(r.rating_difference));
    ShowRatings(*pair);
    ShowStatistics(BenchMode::kResultModel, r);
}

void Tform89::Button4Click() {
    if (!open_match_lineup) {
        ShowMessage("A janela de escalação durante o jogo ainda não está disponível.");
        return;
    }
    Game().lineup_side = 1;
    Game().current_match = 1;
    open_match_lineup();
}

void Tform89::Button5Click() {
    const auto pair = ChosenPair();
    if (!pair) return;
    if (!saved_pair_ || saved_pair_->first != pair->first || saved_pair_->second != pair->second)
        return;
    GameData& gd = Game();
    gd.match_strengths[pair->first] = saved_[0];
    gd.match_strengths[pair->second] = saved_[1];
    for (const t_match_strength& s : saved_)
        for (int p : s.players)
            if (t_player* player = PlayerAt(p)) player->on_pitch = 1;
}

void Tform89::Button6Click() {
    const auto pair = ChosenPair();
    if (!pair) return;
    const auto n = MatchCount();
    if (!n) return;
    const auto seed = Seed();
    if (!seed) return;
    SaveChosen(*pair);
    const bool quick = ControlNamed<CheckBox>(*this, "CheckBox1").Checked();
    const BenchResult r = RunBenchBatch(BenchMode::kFullEngine, *pair, *n, *seed, quick);
    ShowMatchValues(r.last_match);
    SetMarkup("MarkupLabel10", "");
    SetMarkup("MarkupLabel11", "");
    SetMarkup("MarkupLabel14", BenchEventsMarkup(r.last_events));
    ShowStatistics(BenchMode::kFullEngine, r);
}

void Tform89::Button7Click() {
    if (!open_penalty_order) {
        ShowMessage("A janela da ordem dos cobradores de pênaltis ainda não está disponível.");
        return;
    }
    const auto pair = ChosenPair();
    if (!pair) return;
    // The taker order window works on day match 1 between the two teams as a shoot-out tie.
    GameData& gd = Game();
    gd.day_matches.assign(2, jogos{});
    gd.current_match = 1;
    gd.shootout_tie = 1;
    gd.shootout_order_turn = 1;
    gd.shootout_team_a = gd.day_matches[1].team[0] = BenchTeamOfStrength(pair->first);
    gd.shootout_team_b = gd.day_matches[1].team[1] = BenchTeamOfStrength(pair->second);
    open_penalty_order();
}

void Tform89::Button8Click() {
    const auto pair = ChosenPair();
    if (!pair) return;
    const GameData& gd = Game();
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(std::to_string(gd.match_strengths[pair->first].attack_total) + " " +
                    std::to_string(gd.match_strengths[pair->second].attack_total) + " " +
                    std::to_string(RatingDifference(pair->first, pair->second)));
    ShowRatings(*pair);
}

void Tform89::ResultTableClick(int kind) {
    SetMarkup("MarkupLabel15", ResultTableMarkup(kind));
}

void OpenEngineTestBench(bool give_every_team_a_lineup) {
    if (give_every_team_a_lineup) GiveComputerLineupsForBench();
    Tform89& form = Screen::Get().Create<Tform89>();
    form.open_match_lineup = [] {
        OpenMatchLineupWindow(Game().current_match, Game().lineup_side);
    };
    form.open_penalty_order = [] {
        const GameData& gd = Game();
        Screen::Get().Create<TForm37>(gd.shootout_team_a, gd.shootout_team_b).ShowModal();
    };
    form.ShowModal();
    form.Release();
}

}  // namespace kv
