#include "screens/club/bank_loan_window.h"

#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "season/club_finances.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    ClubLabel("Label1", 16, 12, 220, "Empréstimo bancário", kClubHeadingFont),
    ClubLabel("Label2", 16, 44, 130, "Dinheiro em caixa:"),
    ClubLabel("lbcaixa", 150, 44, 170, "0 mil"),
    ClubLabel("Label3", 16, 64, 130, "Valor já emprestado:"),
    ClubLabel("lbemprestado", 150, 64, 170, "0 mil"),
    ClubLabel("Label4", 16, 84, 130, "Juros semanais:"),
    ClubLabel("lbjuros", 150, 84, 170, "0 mil"),
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {16, 116, 170, 26},
     .caption = "Pegar 500 mil emprestado",
     .properties = {{"TabOrder", "0"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {196, 116, 120, 26},
     .caption = "Pagar 500 mil",
     .properties = {{"TabOrder", "1"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {302, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "2"}}},
};

}  // namespace

const WindowLayout kForm28Layout =
    ClubWindowLayout("Form28", "TForm28", 332, 154, "Empréstimo", kControls);

TForm28::TForm28() : Form("Form28") {
    BuildClubWindow(*this, kForm28Layout, "bt3");
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    ControlNamed<Control>(*this, "bt2").on_click = [this] { bt2Click(); };
    ShowFigures();
    DoCreate();
}

void TForm28::ShowFigures() {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club) || !InTable(data.finances, club)) return;
    const std::int32_t loan = data.finances[club].loan;
    ControlNamed<Label>(*this, "lbcaixa")
        .SetCaption(FormatMoneyInWords(MoneyToWholeUnits(data.teams[club].cash)));
    ControlNamed<Label>(*this, "lbemprestado")
        .SetCaption(loan > 0 ? FormatMoneyInWords(loan) : "0 mil");
    ControlNamed<Label>(*this, "lbjuros").SetCaption(FormatMoneyInWords(WeeklyLoanInterest(loan)));
    ControlNamed<Control>(*this, "bt1").SetEnabled(CanBorrow(data, club));
    ControlNamed<Control>(*this, "bt2").SetEnabled(loan > 0);
}

void TForm28::bt1Click() {
    GameData& data = Game();
    if (BorrowLoanStep(data, data.game_state.user_club)) ShowCashOnMainWindow();
    ShowFigures();
}

void TForm28::bt2Click() {
    GameData& data = Game();
    if (RepayLoanStep(data, data.game_state.user_club)) ShowCashOnMainWindow();
    ShowFigures();
}

void ShowBankLoanWindow() {
    ShowClubWindow<TForm28>();
}

}  // namespace kv
