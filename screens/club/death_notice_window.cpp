#include "screens/club/death_notice_window.h"

#include "core/game_data.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kWrapped = {
    {"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}};

const LayoutControl kControls[] = {
    {.name = "Shape5",
     .class_name = "TShape",
     .bounds = {0, 0, 337, 36},
     .properties = {{"BrushColor", "clBlack"}, {"PenColor", "clBlack"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 8, 310, 22},
     .caption = "Falecimento do jogador",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 44, 313, 18},
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 68, 313, 60},
     .caption = "Temos o pesar de comunicar que o jogador faleceu após o treinamento de hoje, "
                "teve um infarto cardíaco. Sua idade avançada contribuiu pra isso.",
     .font = kClubWindowBody,
     .properties = kWrapped},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {12, 132, 313, 32},
     .caption = "O seu clube foi responsabilizado pela morte e irá perder 5 pontos no "
                "campeonato.",
     .font = kClubWindowBody,
     .properties = kWrapped},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {225, 172, 100, 28},
     .caption = "Fechar",
     .properties = {{"TabOrder", "0"}}},
};

}  // namespace

const WindowLayout kForm72Layout = {
    .name = "Form72",
    .class_name = "TForm72",
    .client_width = 337,
    .client_height = 209,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00303030),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm72::TForm72(int deceased_player) : Form("Form72") {
    BuildWindowLayout(*this, kForm72Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this,
        {.escape = EndWith(*this, mrOk), .enter = EndWith(*this, mrOk), .before_controls = true});
    const GameData& data = Game();
    if (deceased_player > 0 && deceased_player < static_cast<int>(data.players.size()))
        ControlNamed<Label>(*this, "Label3").SetCaption(data.players[deceased_player].name.str());
    ControlNamed<Control>(*this, "bt3").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

void ShowDeathNotice(int deceased_player) {
    TForm72& form = Screen::Get().Create<TForm72>(deceased_player);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
