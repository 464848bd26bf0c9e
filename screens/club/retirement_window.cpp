#include "screens/club/retirement_window.h"

#include <algorithm>
#include <string>

#include "core/game_data.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/screen.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/retirement.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

void RegisterRetirementClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
}

constexpr LayoutFont kText = {"Arial", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .bounds = {14, 12, 324, 20},
     .caption = "<SHAD>Aposentadoria do jogador</SHAD>",
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {14, 36, 324, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kMarkup},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {14, 64, 324, 190},
     .caption = "<SHAD>Ao aposentar um jogador você ganha a oportunidade de promover um novo "
                "jogador dos juniores do seu time para substituir o jogador aposentado.<BR><BR>"
                "Este novo jogador promovido terá entre 17 e 20 anos e sua força será conhecida "
                "após a promoção.<BR><BR>Escolha um nome e a posição do o novo jogador dos "
                "juniores ou se quiser poderá deixar o mesmo nome do jogador que vai se "
                "aposentar.</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .bounds = {14, 206, 324, 16},
     .caption = "<SHAD>Nome do jogador a ser promovido:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {14, 226, 220, 21},
     .properties = {{"MaxLength", "30"}, {"TabOrder", "0"}}},
    {.name = "Label5",
     .class_name = "TMarkupLabel",
     .bounds = {14, 256, 324, 16},
     .caption = "<SHAD>Posição:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "combopos",
     .class_name = "TComboBox",
     .bounds = {14, 276, 160, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "CHButton1",
     .class_name = "TUiGlowButton",
     .bounds = {96, 318, 116, 28},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "3"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {222, 318, 116, 28},
     .caption = "Aposentar",
     .properties = {{"TabOrder", "2"}}},
};

}  // namespace

const WindowLayout kForm48Layout = {
    .name = "Form48",
    .class_name = "TForm48",
    .client_width = 351,
    .client_height = 360,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterRetirementClasses,
};

TForm48::TForm48(int player) : Form("Form48"), player_(player) {
    BuildWindowLayout(*this, kForm48Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.before_controls = true});
    const t_player& p = Game().players[player];
    ControlNamed<TMarkupLabel>(*this, "Label2").SetHTMLText("<SHAD>" + p.name.str() + "</SHAD>");
    ControlNamed<Edit>(*this, "Edit1").SetText(p.name.str());
    auto& combo = ControlNamed<ComboBox>(*this, "combopos");
    combo.SetItems({"Goleiro", "Lateral", "Zagueiro", "Meio-Campo", "Atacante"});
    combo.SetItemIndex(std::clamp(p.position, 0, 4));
    ControlNamed<TUiGlowButton>(*this, "CHButton1").on_click = [this] { Close(); };
    ControlNamed<TUiGlowButton>(*this, "SchemeButton1").on_click = [this] { RetireClick(); };
    DoCreate();
}

void TForm48::RetireClick() {
    const std::string name = ControlNamed<Edit>(*this, "Edit1").Text();
    if (name.empty()) return;
    successor_ =
        PromoteYouth(Game(), player_, name, ControlNamed<ComboBox>(*this, "combopos").ItemIndex());
    Close();
}

int ShowRetirementWindow(int player) {
    if (!InTable(Game().players, player) || player == 0) return -1;
    TForm48& form = Screen::Get().Create<TForm48>(player);
    form.ShowModal();
    const int successor = form.successor();
    form.Release();
    return successor;
}

}  // namespace kv
