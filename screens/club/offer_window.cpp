#include "screens/club/offer_window.h"

#include <string>

#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/text_tables.h"
#include "game/club_offers.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

constexpr LayoutFont kCard = {"Arial", 8, fsBold, clWhite};

const LayoutControl kControls[] = {
    {.name = "Shape5",
     .class_name = "TShape",
     .bounds = {0, 0, 420, 40},
     .properties = {{"BrushColor", "$00004000"}, {"PenColor", "$00004000"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 10, 300, 22},
     .caption = "Proposta de compra",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {14, 50, 48, 48},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {72, 56, 336, 18},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {72, 78, 240, 16},
     .caption = "Está querendo comprar o jogador:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {72, 96, 336, 16},
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {14, 120, 130, 16},
     .caption = "Valor da proposta:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {150, 120, 258, 16},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Shape1",
     .class_name = "TShape",
     .bounds = {14, 144, 392, 86},
     .properties = {{"BrushStyle", "bsClear"}, {"PenColor", "clWhite"}}},
    {.name = "Label8",
     .class_name = "TLabel",
     .bounds = {22, 150, 376, 16},
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label9",
     .class_name = "TLabel",
     .bounds = {22, 170, 120, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label10",
     .class_name = "TLabel",
     .bounds = {22, 188, 120, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label13",
     .class_name = "TLabel",
     .bounds = {22, 206, 120, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label11",
     .class_name = "TLabel",
     .bounds = {150, 170, 250, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label12",
     .class_name = "TLabel",
     .bounds = {150, 188, 250, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {150, 206, 250, 14},
     .font = kCard,
     .properties = kClubWindowText},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {14, 242, 392, 16},
     .caption = "Deseja aceitar a proposta e vender o jogador?",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {196, 270, 100, 28},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {306, 270, 100, 28},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm68Layout = {
    .name = "Form68",
    .class_name = "TForm68",
    .client_width = 420,
    .client_height = 310,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00206020),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm68::TForm68(int player, int club) : Form("Form68"), deal_player_(player), offer_club_(club) {
    BuildWindowLayout(*this, kForm68Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = EndWith(*this, mrNo), .before_controls = true});
    const GameData& data = Game();
    offer_price_ = OfferPrice(data, player);
    if (player > 0 && player < static_cast<int>(data.players.size()) && club >= 0 &&
        club < static_cast<int>(data.teams.size())) {
        const t_player& p = data.players[player];
        ShowClubCrest(ControlNamed<Image>(*this, "escudo"), club);
        ControlNamed<Label>(*this, "Label2").SetCaption(data.teams[club].name.str());
        ControlNamed<Label>(*this, "Label7").SetCaption(p.name.str());
        ControlNamed<Label>(*this, "Label8").SetCaption(p.name.str());
        ControlNamed<Label>(*this, "Label5").SetCaption(FormatMoneyInWords(offer_price_));
        ControlNamed<Label>(*this, "Label9").SetCaption("Força: " + std::to_string(p.strength));
        ControlNamed<Label>(*this, "Label10").SetCaption("Idade: " + std::to_string(p.age));
        auto characteristic = [](int c) {
            return c >= 0 && c < static_cast<int>(characteristic_names.size())
                       ? std::string(characteristic_names[c])
                       : std::string();
        };
        ControlNamed<Label>(*this, "Label11").SetCaption(characteristic(p.characteristic1));
        ControlNamed<Label>(*this, "Label12").SetCaption(characteristic(p.characteristic2));
        if (p.position >= 0 && p.position < static_cast<int>(position_names.size()))
            ControlNamed<Label>(*this, "Label13")
                .SetCaption(std::string(position_names[p.position]));
        ControlNamed<Label>(*this, "Label14")
            .SetCaption("Passe: " + FormatMoneyInWords(MoneyToWholeUnits(p.value)));
    }
    ControlNamed<Control>(*this, "bt3").on_click = [this] { bt3Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrNo); };
    DoCreate();
}

void TForm68::bt3Click() {
    AcceptPlayerOffer(Game(), deal_player_, offer_club_, offer_price_);
    deal_player_ = -1;
    offer_club_ = -1;
    RefreshMainWindowSquad();
    SetModalResult(mrYes);
}

bool ShowPlayerOfferWindow(int player, int club) {
    if (!DealPlayerAtClub(Game(), player, Game().game_state.user_club)) return false;
    TForm68& form = Screen::Get().Create<TForm68>(player, club);
    const bool sold = form.ShowModal() == mrYes;
    form.Release();
    return sold;
}

}  // namespace kv
