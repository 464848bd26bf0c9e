#include "screens/club/loan_request_window.h"

#include <string>

#include "core/game_data.h"
#include "game/club_offers.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Shape5",
     .class_name = "TShape",
     .bounds = {0, 0, 400, 40},
     .properties = {{"BrushColor", "$00004000"}, {"PenColor", "$00004000"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 10, 300, 22},
     .caption = "Proposta de empréstimo",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {14, 50, 48, 48},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {72, 56, 316, 18},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {72, 80, 316, 16},
     .caption = "Está querendo por empréstimo o jogador:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {72, 100, 316, 16},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {14, 130, 374, 16},
     .caption = "Deseja emprestar o jogador?",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {176, 158, 100, 28},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {286, 158, 100, 28},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm59Layout = {
    .name = "Form59",
    .class_name = "TForm59",
    .client_width = 400,
    .client_height = 198,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00206020),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm59::TForm59(int player, int club)
    : Form("Form59"), loan_request_player_(player), loan_request_club_(club) {
    BuildWindowLayout(*this, kForm59Layout);
    AnswerWindowKeys(*this, {.escape = EndWith(*this, mrNo), .before_controls = true});
    const GameData& data = Game();
    if (player > 0 && player < static_cast<int>(data.players.size()))
        ControlNamed<Label>(*this, "Label7").SetCaption(data.players[player].name.str());
    if (club >= 0 && club < static_cast<int>(data.teams.size())) {
        const t_team& t = data.teams[club];
        ControlNamed<Label>(*this, "Label2")
            .SetCaption(t.name.str() + " (" + std::to_string(t.division) + "ª divisão)");
        ShowClubCrest(ControlNamed<Image>(*this, "escudo"), club);
    }
    ControlNamed<Control>(*this, "bt3").on_click = [this] { bt3Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrNo); };
    DoCreate();
}

void TForm59::bt3Click() {
    AcceptLoanRequest(Game(), loan_request_player_, loan_request_club_);
    loan_request_player_ = -1;
    loan_request_club_ = -1;
    RefreshMainWindowSquad();
    SetModalResult(mrYes);
}

bool ShowLoanRequestWindow(int player, int club) {
    if (!DealPlayerAtClub(Game(), player, Game().game_state.user_club)) return false;
    TForm59& form = Screen::Get().Create<TForm59>(player, club);
    const bool lent = form.ShowModal() == mrYes;
    form.Release();
    return lent;
}

}  // namespace kv
