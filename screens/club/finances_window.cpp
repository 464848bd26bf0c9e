#include "screens/club/finances_window.h"

#include <cstdint>
#include <string>

#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "season/club_finances.h"

namespace kv {
namespace {

constexpr int kCaptionX = 20;
constexpr int kFigureX = 150;
constexpr int kFigureWidth = 120;
constexpr int Row(int n) {
    return 40 + n * 17;
}

const LayoutControl kControls[] = {
    ClubLabel("Label1", kCaptionX, 12, 200, "Finanças do Time", kClubHeadingFont),
    ClubLabel("Label2", kCaptionX, Row(0), 120, "Entradas:", kClubHeadingFont),
    ClubLabel("Label3", kCaptionX, Row(1), 125, "Ingressos...........:"),
    ClubFigure("valingressos", kFigureX, Row(1), kFigureWidth),
    ClubLabel("Label4", kCaptionX, Row(2), 125, "Venda jogadores:"),
    ClubFigure("valvendas", kFigureX, Row(2), kFigureWidth),
    ClubLabel("Label5", kCaptionX, Row(3), 125, "Prêmios..............:"),
    ClubFigure("valpremios", kFigureX, Row(3), kFigureWidth),
    ClubLabel("Label6", kCaptionX, Row(4), 125, "Empréstimo........:"),
    ClubFigure("valemprestimo", kFigureX, Row(4), kFigureWidth),
    ClubLabel("Label7", kCaptionX, Row(5), 125, "Patrocínio.........:"),
    ClubFigure("valpatrocinio", kFigureX, Row(5), kFigureWidth),
    ClubLabel("Label8", kCaptionX, Row(6), 125, "Sub-total:", kClubHeadingFont),
    ClubFigure("valentradas", kFigureX, Row(6), kFigureWidth, kClubHeadingFont),
    ClubLabel("Label9", kCaptionX, Row(7) + 6, 120, "Saídas:", kClubHeadingFont),
    ClubLabel("Label10", kCaptionX, Row(8) + 6, 125, "Compra jogadores:"),
    ClubFigure("valcompras", kFigureX, Row(8) + 6, kFigureWidth),
    ClubLabel("Label11", kCaptionX, Row(9) + 6, 125, "Estádio................:"),
    ClubFigure("valestadio", kFigureX, Row(9) + 6, kFigureWidth),
    ClubLabel("Label12", kCaptionX, Row(10) + 6, 125, "Salários...............:"),
    ClubFigure("valsalarios", kFigureX, Row(10) + 6, kFigureWidth),
    ClubLabel("Label13", kCaptionX, Row(11) + 6, 125, "Juros empréstimo:"),
    ClubFigure("valjuros", kFigureX, Row(11) + 6, kFigureWidth),
    ClubLabel("Label14", kCaptionX, Row(12) + 6, 125, "Multa rescisão....:"),
    ClubFigure("valmulta", kFigureX, Row(12) + 6, kFigureWidth),
    ClubLabel("Label15", kCaptionX, Row(13) + 6, 125, "Diversos.............:"),
    ClubFigure("valdiversos", kFigureX, Row(13) + 6, kFigureWidth),
    ClubLabel("Label16", kCaptionX, Row(14) + 6, 125, "Sub-total:", kClubHeadingFont),
    ClubFigure("valsaidas", kFigureX, Row(14) + 6, kFigureWidth, kClubHeadingFont),
    ClubLabel("Label17", kCaptionX, Row(15) + 14, 125, "Saldo:", kClubHeadingFont),
    ClubFigure("valsaldo", kFigureX, Row(15) + 14, kFigureWidth, kClubHeadingFont),
    ClubLabel("Label18", kCaptionX, Row(16) + 22, 125, "Juros semanais:"),
    ClubFigure("valjurossemanais", kFigureX, Row(16) + 22, kFigureWidth),
    ClubLabel("Label19", kCaptionX, Row(17) + 22, 125, "Salário semanal:"),
    ClubFigure("valsalario", kFigureX, Row(17) + 22, kFigureWidth),
    ClubLabel("Label20", kCaptionX, Row(18) + 22, 125, "Dinheiro em caixa:"),
    ClubFigure("valcaixa", kFigureX, Row(18) + 22, kFigureWidth),
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {262, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "0"}}},
};

// Totals may pass the int32 range only on damaged books; they show at its edge.
std::string Figure(std::int64_t units) {
    const auto shown = static_cast<std::int32_t>(
        units > INT32_MAX ? INT32_MAX : (units < INT32_MIN ? INT32_MIN : units));
    return "$" + FormatDigitGroups(shown);
}

}  // namespace

const WindowLayout kForm22Layout =
    ClubWindowLayout("Form22", "TForm22", 292, 408, "Finanças", kControls);

TForm22::TForm22() : Form("Form22") {
    BuildClubWindow(*this, kForm22Layout, "SchemeButton2");

    const GameData& data = Game();
    const ClubAccounts a = AccountsOf(data, data.game_state.user_club);
    auto show = [this](const char* name, std::int64_t units) {
        ControlNamed<Label>(*this, name).SetCaption(Figure(units));
    };
    const char* income[] = {"valingressos", "valvendas", "valpremios", "valemprestimo",
                            "valpatrocinio"};
    const char* expenses[] = {"valcompras", "valestadio", "valsalarios",
                              "valjuros",   "valmulta",   "valdiversos"};
    for (std::size_t i = 0; i < a.income.size(); ++i) show(income[i], a.income[i]);
    for (std::size_t i = 0; i < a.expenses.size(); ++i) show(expenses[i], a.expenses[i]);
    show("valentradas", a.income_total);
    show("valsaidas", a.expense_total);
    show("valsaldo", a.balance);
    if (a.weekly_interest > 0) show("valjurossemanais", a.weekly_interest);
    show("valsalario", a.wage_bill);
    show("valcaixa", a.cash);
    DoCreate();
}

void ShowFinancesWindow() {
    ShowClubWindow<TForm22>();
}

}  // namespace kv
