#include "screens/match/shootout_order_window.h"

#include <vector>

#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "match/match_tables.h"
#include "match/shootout_kicks.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "platform/window/screen.h"
#include "screens/match/match_pictures.h"
#include "screens/match/pitch_lineup.h"
#include "screens/match/shootout_window.h"
#include "screens/start/window_layout.h"
#include "ui/controls/scheme_button.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {70, 8, 480, 20},
     .caption = "Desempate por Penaltis - Seleção dos batedores",
     .font = {"Arial", 11, fsBold, clWhite},
     .properties = kPlain},
    {.name = "esc", .class_name = "TImage", .bounds = {10, 6, 50, 50}},
    {.name = "nometime",
     .class_name = "TLabel",
     .bounds = {70, 32, 480, 18},
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = kPlain},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {10, 62, 250, 14},
     .caption = "Jogadores disponíveis:",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = kPlain},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {330, 62, 250, 14},
     .caption = "Batedores na ordem:",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = kPlain},
    {.name = "ListView1",
     .class_name = "TListView",
     .bounds = {10, 80, 270, 240},
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {288, 180, 34, 26},
     .caption = ">>",
     .properties = {{"TabOrder", "1"}}},
    {.name = "ListView2",
     .class_name = "TListView",
     .bounds = {330, 80, 270, 240},
     .properties = {{"TabOrder", "2"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {10, 330, 110, 26},
     .caption = "Automático",
     .properties = {{"TabOrder", "3"}}},
    {.name = "btp",
     .class_name = "TSchemeButton",
     .bounds = {490, 330, 110, 26},
     .caption = "Próximo >>",
     .properties = {{"TabOrder", "4"}}},
};

void SetUpColumns(ListView& list, bool with_index) {
    list.row_select = true;
    list.AddColumn("P", 40);
    list.AddColumn("Jogador", 150);
    list.AddColumn("F", 35, taRightJustify);
    list.AddColumn("Energia", 50, taRightJustify);
    if (with_index) list.AddColumn("", 0);
}

}  // namespace

const WindowLayout kForm37Layout = {
    .name = "Form37",
    .class_name = "TForm37",
    .client_width = 610,
    .client_height = 366,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x204010,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterMatchWindowClasses,
};

TForm37::TForm37(int team_a, int team_b) : Form("Form37"), teams_{team_a, team_b} {
    BuildWindowLayout(*this, kForm37Layout);
    key_preview = true;
    on_key_down = [](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) key = 0;
    };
    on_close = [](CloseAction& action) { action = caFree; };
    stars_.Add(MatchPicture("estrela"));
    SetUpColumns(ControlNamed<ListView>(*this, "ListView1"), true);
    SetUpColumns(ControlNamed<ListView>(*this, "ListView2"), true);
    ControlNamed<ListView>(*this, "ListView1").small_images = &stars_;
    ControlNamed<ListView>(*this, "ListView2").small_images = &stars_;
    const bool a_human = IsHumanTeam(team_a);
    humans_ = a_human && IsHumanTeam(team_b) ? 2 : 1;
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SchemeButton2Click(); };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { Bt1Click(); };
    ControlNamed<Control>(*this, "btp").on_click = [this] { BtpClick(); };
    FillAvailable(humans_ == 2 || a_human ? team_a : team_b);
    DoCreate();
}

void TForm37::FillAvailable(int team) {
    choosing_ = team;
    const t_team* t = TeamAt(team);
    ControlNamed<Label>(*this, "nometime").SetCaption(t ? t->name.str() : std::string());
    auto& crest = ControlNamed<Image>(*this, "esc");
    crest.stretch = crest.proportional = true;
    const std::string path = BuildCrestPath(team);
    if (path.empty() || !crest.LoadFromFile(path)) crest.SetPicture(Picture());
    auto& available = ControlNamed<ListView>(*this, "ListView1");
    available.Clear();
    ControlNamed<ListView>(*this, "ListView2").Clear();
    const int strength = t ? t->match_strength_index : -1;
    for (int player : AvailableTakers(strength))
        available.AddItem(SlotLetterOf(strength, player), PlayerRowCells(player),
                          Game().players[player].star ? 0 : -1);
    ControlNamed<Control>(*this, "btp").SetEnabled(available.Count() == 0);
}

void TForm37::MoveRow(int row) {
    auto& available = ControlNamed<ListView>(*this, "ListView1");
    auto& order = ControlNamed<ListView>(*this, "ListView2");
    if (row < 0 || row >= available.Count()) return;
    const int player = std::stoi(available.CellText(row, 4));
    const t_player& p = Game().players[player];
    const std::string letter = p.position >= 0 && p.position < 5
                                   ? std::string(position_names[p.position].substr(0, 1))
                                   : "";
    order.AddItem(letter,
                  {available.CellText(row, 1), available.CellText(row, 2),
                   available.CellText(row, 3), available.CellText(row, 4)},
                  available.Item(row).image_index);
    available.DeleteItem(row);
    if (available.Count() == 0) ControlNamed<Control>(*this, "btp").SetEnabled(true);
}

void TForm37::SchemeButton2Click() {
    MoveRow(ControlNamed<ListView>(*this, "ListView1").ItemIndex());
}

void TForm37::Bt1Click() {
    auto& available = ControlNamed<ListView>(*this, "ListView1");
    while (available.Count() > 0) MoveRow(available.Count() - 1);
}

void TForm37::BtpClick() {
    auto& order = ControlNamed<ListView>(*this, "ListView2");
    std::vector<int> players;
    for (int row = 0; row < order.Count(); ++row)
        players.push_back(std::stoi(order.CellText(row, 4)));
    const int side = choosing_ == teams_[0] ? 0 : 1;
    ShootoutTakerLists()[side] = TakerOrderOf(players);
    if (humans_ == 2 && !second_turn_) {
        second_turn_ = true;
        Game().shootout_order_turn = 2;
        FillAvailable(teams_[1]);
        return;
    }
    // The shoot-out itself; this window goes with it.
    TForm38& shootout = Screen::Get().Create<TForm38>(teams_[0], teams_[1]);
    shootout.ShowModal();
    score_ = shootout.score();
    Close();
}

}  // namespace kv
