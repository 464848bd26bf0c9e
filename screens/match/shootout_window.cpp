#include "screens/match/shootout_window.h"

#include "match/match_tables.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "platform/window/timer.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kCentred = {
    {"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 8, 480, 22},
     .caption = "Decisão por Penaltis",
     .font = {"Arial", 13, fsBold, clWhite},
     .properties = kCentred},
    {.name = "nome1",
     .class_name = "TLabel",
     .bounds = {10, 38, 200, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kCentred},
    {.name = "nome2",
     .class_name = "TLabel",
     .bounds = {290, 38, 200, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kCentred},
    {.name = "placar1",
     .class_name = "TLabel",
     .bounds = {212, 34, 36, 26},
     .caption = "0",
     .font = {"Arial", 16, fsBold, clYellow},
     .properties = kCentred},
    {.name = "placar2",
     .class_name = "TLabel",
     .bounds = {252, 34, 36, 26},
     .caption = "0",
     .font = {"Arial", 16, fsBold, clYellow},
     .properties = kCentred},
    {.name = "lista1",
     .class_name = "TListView",
     .bounds = {10, 66, 236, 230},
     .properties = {{"TabOrder", "0"}}},
    {.name = "lista2",
     .class_name = "TListView",
     .bounds = {254, 66, 236, 230},
     .properties = {{"TabOrder", "1"}}},
    {.name = "labvenc",
     .class_name = "TLabel",
     .bounds = {10, 302, 480, 20},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kCentred},
};

int StrengthOf(int team) {
    const t_team* t = TeamAt(team);
    return t ? t->match_strength_index : -1;
}

TakerList OrderOf(int team, int side) {
    const TakerList& chosen = ShootoutTakerLists()[side];
    // A human coach kicks in the order he chose; a computer team, or a coach who chose none,
    // forwards first.
    if (IsHumanTeam(team) && chosen[0] > 0) return chosen;
    return ComputerTakerOrder(StrengthOf(team));
}

}  // namespace

const WindowLayout kForm38Layout = {
    .name = "Form38",
    .class_name = "TForm38",
    .client_width = 500,
    .client_height = 330,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x204010,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterMatchWindowClasses,
};

std::array<TakerList, 2>& ShootoutTakerLists() {
    static std::array<TakerList, 2> lists{};
    return lists;
}

TForm38::TForm38(int team_a, int team_b)
    : Form("Form38"), teams_{team_a, team_b}, kicks_(OrderOf(team_a, 0), OrderOf(team_b, 1)) {
    BuildWindowLayout(*this, kForm38Layout);
    key_preview = true;
    on_key_down = [](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) key = 0;
    };
    on_close = [](CloseAction& action) { action = caFree; };
    for (int side = 0; side < 2; ++side) {
        const t_team* t = TeamAt(teams_[side]);
        ControlNamed<Label>(*this, side == 0 ? "nome1" : "nome2")
            .SetCaption(t ? t->name.str() : std::string());
        auto& list = ControlNamed<ListView>(*this, side == 0 ? "lista1" : "lista2");
        list.AddColumn("Batedor", 160);
        list.AddColumn("", 60);
    }
    const char* names[5] = {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5"};
    const int intervals[5] = {1500, 1500, 1000, 1000, 1000};
    for (int i = 0; i < 5; ++i) {
        timers_[i] = &AddComponent<Timer>(names[i]);
        timers_[i]->SetEnabled(false);
        timers_[i]->SetInterval(intervals[i]);
    }
    // Timer3 and Timer4 name the next taker of A and of B, Timer1 and Timer2 play the kick.
    timers_[2]->on_timer = [this] { ShowTaker(1); };
    timers_[0]->on_timer = [this] { KickOf(1); };
    timers_[3]->on_timer = [this] { ShowTaker(2); };
    timers_[1]->on_timer = [this] { KickOf(2); };
    timers_[4]->on_timer = [this] {
        timers_[4]->SetEnabled(false);
        Close();
    };
    DoCreate();
    timers_[2]->SetEnabled(true);
}

std::optional<ShootoutScore> TForm38::score() const {
    if (!kicks_.winner()) return std::nullopt;
    return ShootoutScore{kicks_.goals_a(), kicks_.goals_b()};
}

void TForm38::ShowTaker(int side) {
    timers_[side == 1 ? 2 : 3]->SetEnabled(false);
    const t_player* p = PlayerAt(kicks_.NextTaker());
    auto& list = ControlNamed<ListView>(*this, side == 1 ? "lista1" : "lista2");
    list.AddItem(p ? p->name.str() : std::string("?"), {""});
    list.SetItemIndex(list.Count() - 1);
    timers_[side == 1 ? 0 : 1]->SetEnabled(true);
}

void TForm38::KickOf(int side) {
    timers_[side == 1 ? 0 : 1]->SetEnabled(false);
    const bool scored = ShootoutKickScores();
    auto& list = ControlNamed<ListView>(*this, side == 1 ? "lista1" : "lista2");
    if (list.Count() > 0) list.SetCellText(list.Count() - 1, 1, scored ? "Gol" : "Perdeu");
    const int winner = kicks_.Kick(scored);
    ControlNamed<Label>(*this, side == 1 ? "placar1" : "placar2")
        .SetCaption(std::to_string(side == 1 ? kicks_.goals_a() : kicks_.goals_b()));
    if (winner) return DeclareWinner(winner);
    timers_[side == 1 ? 3 : 2]->SetEnabled(true);
}

void TForm38::DeclareWinner(int side) {
    const t_team* t = TeamAt(teams_[side - 1]);
    ControlNamed<Label>(*this, "labvenc")
        .SetCaption((t ? t->name.str() : std::string()) + " venceu.");
    timers_[4]->SetEnabled(true);
}

}  // namespace kv
