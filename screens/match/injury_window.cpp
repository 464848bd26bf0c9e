#include "screens/match/injury_window.h"

#include "core/sound_effects.h"
#include "core/text_tables.h"
#include "match/injury_choice.h"
#include "match/match_tables.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_layout.h"
#include "ui/controls/scheme_button.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 8, 360, 18},
     .caption = "Contusão!",
     .font = {"Arial", 11, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {10, 30, 360, 16},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {10, 50, 360, 14},
     .caption = "Selecione o jogador para substituí-lo:",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "ListView1",
     .class_name = "TListView",
     .bounds = {10, 68, 360, 150},
     .properties = {{"TabOrder", "0"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {140, 226, 100, 26},
     .caption = "Substituir",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm53Layout = {
    .name = "Form53",
    .class_name = "TForm53",
    .client_width = 380,
    .client_height = 262,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x203060,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterMatchWindowClasses,
};

TForm53::TForm53(int match, int side, int injured_player) : Form("Form53") {
    BuildWindowLayout(*this, kForm53Layout);
    key_preview = true;
    on_key_down = [](int& key, ShiftState) { key = 0; };
    on_close = [](CloseAction& action) { action = caFree; };
    jogos* m = DayMatchAt(match);
    const int s = side == 2 ? 1 : 0;
    const t_team* team = m ? TeamAt(m->team[s]) : nullptr;
    const t_player* hurt = PlayerAt(injured_player);
    if (hurt) {
        const std::string position = hurt->position >= 0 && hurt->position < 5
                                         ? std::string(position_names[hurt->position].substr(0, 1))
                                         : std::string();
        ControlNamed<Label>(*this, "Label2")
            .SetCaption(hurt->name.str() + " - " + position + " - " +
                        (team ? team->name.str() : std::string()));
    }
    strength_ = m ? m->strength_slot[s] : -1;
    injured_ = injured_player;
    // With nobody to offer the team loses its remaining substitutions here, by the rule the
    // game without windows follows too.
    const InjuryChoice choice = OfferInjuryReplacement(match, side, injured_player);
    auto& list = ControlNamed<ListView>(*this, "ListView1");
    list.row_select = true;
    stars_.Add(MatchPicture("estrela"));
    list.small_images = &stars_;
    list.AddColumn("Jogador", 160);
    list.AddColumn("P", 30);
    list.AddColumn("F", 40, taRightJustify);
    list.AddColumn("Energia", 60, taRightJustify);
    list.AddColumn("id", 0);
    for (int player : choice.players) {
        const t_player& p = Game().players[player];
        list.AddItem(
            p.name.str(),
            {p.position >= 0 && p.position < 5
                 ? std::string(position_names[p.position].substr(0, 1))
                 : std::string(),
             std::to_string(p.strength), std::to_string(p.energy) + "%", std::to_string(player)},
            p.star ? 0 : -1);
    }
    auto& button = ControlNamed<Control>(*this, "bt1");
    button.on_click = [this] { Bt1Click(); };
    list.on_select_item = [this, &list](int, bool) {
        ControlNamed<Control>(*this, "bt1").SetEnabled(list.ItemIndex() >= 0 || nobody_);
    };
    if (choice.goalkeepers_only) {
        // A goalkeeper for the goalkeeper: no sound, the prompt as it is.
        button.SetEnabled(false);
        DoCreate();
        return;
    }
    if (choice.players.empty()) {
        nobody_ = true;
        button.SetCaption("Fechar");
        button.SetEnabled(true);
    } else {
        button.SetEnabled(false);
    }
    if (choice.improvise_in_goal)
        ControlNamed<Label>(*this, "Label3").SetCaption("Improvisar como goleiro:");
    if (Game().game_state.sound_on) PlaySoundAlias("contusao");
    DoCreate();
}

void TForm53::Bt1Click() {
    if (nobody_) return Close();
    auto& list = ControlNamed<ListView>(*this, "ListView1");
    if (list.ItemIndex() < 0) return;
    result_ = std::stoi(list.CellText(list.ItemIndex(), 4));
    Close();
}

}  // namespace kv
