#include "screens/match/penalty_window.h"

#include <array>
#include <string_view>

#include "core/markup_escape.h"
#include "core/random.h"
#include "core/sound_effects.h"
#include "core/text_tables.h"
#include "match/match_tables.h"
#include "match/shootout_kicks.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "screens/match/match_pictures.h"
#include "screens/match/pitch_lineup.h"
#include "screens/start/window_layout.h"
#include "ui/controls/scheme_button.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 8, 420, 18},
     .caption = "Pênalti!",
     .font = {"Arial", 11, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {10, 30, 420, 14},
     .caption = "Escolha o batedor:",
     .font = {"Arial", 8, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "ListView1",
     .class_name = "TListView",
     .bounds = {10, 48, 420, 214},
     .properties = {{"TabOrder", "0"}}},
    {.name = "MarkupLabel1",
     .class_name = "TMarkupLabel",
     .bounds = {10, 96, 420, 80},
     .font = {"Arial", 11, fsBold, clWhite},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {170, 268, 100, 26},
     .caption = "Bater",
     .properties = {{"TabOrder", "1"}}},
};

constexpr std::array<std::string_view, 5> kLeadIns = {
    " coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.",
    " se concentra para chutar.", " parece um pouco nervoso,<br> mas mesmo assim vai bater."};
constexpr std::array<std::string_view, 4> kRunUps = {"Corre pra bola, bate o penalty e...",
                                                     "Enfia um bicudo na bola e...",
                                                     "Bate com força e...", "Manda uma bomba e..."};
constexpr std::array<std::string_view, 11> kMisses = {
    "O goleiro defendeu!",
    "Explode no travessão!",
    "Pra fora, longe do gol!",
    "A bola bate na trave e sai!",
    "O goleiro fez grande defesa!",
    "Chuta a bola por cima!",
    "Isola a bola na arquibancada!",
    "Mas o que é isso? Escorregou e chutou fraquinho nas mãos do goleiro!",
    "Perde bisonhamente o penalti, chutando na arquibancada!",
    "Bola no cantinho! O goleiro defende!!!",
    "Fraquinho, fraquinho. O goleiro até riu do batedor!"};

std::string NameOf(int player) {
    const t_player* p = PlayerAt(player);
    return p ? EscapeMarkupText(p->name.str()) : std::string();
}

}  // namespace

const WindowLayout kForm34Layout = {
    .name = "Form34",
    .class_name = "TForm34",
    .client_width = 440,
    .client_height = 304,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x204010,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterMatchWindowClasses,
};

TForm34::TForm34(int match, int taking_side)
    : PenaltyKickForm("Form34", match, taking_side, false) {
    BuildWindowLayout(*this, kForm34Layout);
    const jogos* m = DayMatchAt(match);
    if (const t_team* t = m ? TeamAt(m->team[taking_side == 2 ? 1 : 0]) : nullptr)
        ControlNamed<Label>(*this, "Label1").SetCaption("Pênalti para o " + t->name.str() + "!");
    auto& list = ControlNamed<ListView>(*this, "ListView1");
    list.row_select = true;
    stars_.Add(MatchPicture("estrela"));
    list.small_images = &stars_;
    list.AddColumn("P", 40);
    list.AddColumn("Jogador", 150);
    list.AddColumn("F", 40, taRightJustify);
    list.AddColumn("Energia", 60, taRightJustify);
    list.AddColumn("id", 0);
    list.AddColumn("Característ.", 110);
    auto abbrev = [](int c) {
        return c >= 0 && c < static_cast<int>(characteristic_abbrevs.size())
                   ? std::string(characteristic_abbrevs[c])
                   : std::string();
    };
    for (int player : AvailableTakers(taking_strength())) {
        const t_player& p = Game().players[player];
        std::vector<std::string> cells = PlayerRowCells(player);
        cells.push_back(abbrev(p.characteristic1) + "/" + abbrev(p.characteristic2));
        list.AddItem(SlotLetterOf(taking_strength(), player), cells, p.star ? 0 : -1);
    }
    auto& bater = ControlNamed<Control>(*this, "bt1");
    bater.SetEnabled(false);
    bater.on_click = [this] { Bt1Click(); };
    list.on_select_item = [this, &list](int, bool) {
        ControlNamed<Control>(*this, "bt1").SetEnabled(list.ItemIndex() >= 0);
    };
    if (Game().game_state.sound_on) PlaySoundAlias("penalty");
    DoCreate();
}

void TForm34::Bt1Click() {
    auto& list = ControlNamed<ListView>(*this, "ListView1");
    if (list.ItemIndex() < 0 || taker_ > 0) return;
    const int player = std::stoi(list.CellText(list.ItemIndex(), 4));
    ControlNamed<Control>(*this, "bt1").SetVisible(false);
    list.SetVisible(false);
    ControlNamed<Control>(*this, "Label2").SetVisible(false);
    ControlNamed<Control>(*this, "MarkupLabel1").SetVisible(true);
    StartKick(player);
}

std::string TForm34::LeadIn(int taker) {
    return NameOf(taker) + std::string(kLeadIns[RandomWording(5)]);
}

std::string TForm34::RunUp() {
    return std::string(kRunUps[RandomWording(4)]);
}

std::string TForm34::Result(bool scored) {
    if (Game().game_state.sound_on) PlaySoundAlias(scored ? "gol" : "goladv");
    if (!scored) return std::string(kMisses[RandomWording(11)]);
    const std::string t = NameOf(taker_);
    const std::string goals[11] = {"Golaço! O goleiro nem saiu na foto!",
                                   "Bola no cantinho! Gol!!!",
                                   "A torcida vibra, é gol!!!",
                                   "Bola no fundo das redes! Gol!!!",
                                   "O goleiro nem viu a bola! É gol!!!",
                                   "Cobrança perfeita de " + t + "! Gol!!!",
                                   t + " não titubeou <br> e mandou a bola no fundo das redes!!!",
                                   "Bola pra um lado goleiro pro outro, gol!!!",
                                   "Cobrança magnífica! Gol!!!",
                                   "Vibração no estádio! Gol!!!",
                                   "Quase perdeu! Mas é gol!!!"};
    return goals[RandomWording(11)];
}

void TForm34::ShowText(const std::string& text) {
    ControlNamed<TMarkupLabel>(*this, "MarkupLabel1")
        .SetHTMLText("<SHAD><B><FONT color=\"#FFFFFF\"><P align=\"center\">" + text +
                     "</P></FONT></B></SHAD>");
}

}  // namespace kv
