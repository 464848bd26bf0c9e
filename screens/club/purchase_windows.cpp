#include "screens/club/purchase_windows.h"

#include <string>

#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/human_involvement.h"
#include "season/transfers.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/smooth_message_dialog.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

void RegisterPurchaseClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
}

constexpr LayoutFont kText = {"Arial", 9, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kProposalControls[] = {
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {12, 10, 336, 20},
     .caption = "<SHAD>Fazer proposta pelo jogador</SHAD>",
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .bounds = {12, 36, 336, 18},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {12, 62, 110, 18},
     .caption = "<SHAD>Valor do passe:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Label5",
     .class_name = "TMarkupLabel",
     .bounds = {124, 62, 224, 18},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .bounds = {12, 92, 110, 18},
     .caption = "<SHAD>Sua proposta:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {124, 88, 80, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "0"}}},
    {.name = "Label7",
     .class_name = "TMarkupLabel",
     .bounds = {210, 92, 140, 18},
     .caption = "<SHAD>(em milhares de $)</SHAD>",
     .font = {"Arial", 8, 0, clWhite},
     .properties = kMarkup},
    {.name = "Label6",
     .class_name = "TMarkupLabel",
     .bounds = {124, 116, 224, 18},
     .font = kText,
     .properties = kMarkup},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {120, 146, 110, 26},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {238, 146, 110, 26},
     .caption = "Propor compra",
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
};

const LayoutControl kOutcomeControls[] = {
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .bounds = {14, 14, 332, 72},
     .caption = "<SHAD>Sua proposta não foi aceita</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "btconf",
     .class_name = "TUiGlowButton",
     .bounds = {120, 94, 110, 26},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "1"}, {"Visible", "False"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {238, 94, 110, 26},
     .caption = "OK",
     .properties = {{"TabOrder", "0"}}},
};

const LayoutControl kSellerAnswerControls[] = {
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {14, 14, 64, 64},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {90, 14, 296, 20},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {90, 40, 296, 36},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label5",
     .class_name = "TMarkupLabel",
     .bounds = {90, 82, 296, 18},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .bounds = {14, 116, 372, 18},
     .caption = "<SHAD>Deseja vende-lo por este preço?</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {176, 146, 100, 28},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {286, 146, 100, 28},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

std::string Shad(const std::string& text) {
    return "<SHAD>" + text + "</SHAD>";
}

void SetMarkup(Form& form, const char* name, const std::string& text) {
    ControlNamed<TMarkupLabel>(form, name).SetHTMLText(text);
}

}  // namespace

const WindowLayout kForm60Layout = {
    .name = "Form60",
    .class_name = "TForm60",
    .client_width = 360,
    .client_height = 184,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kProposalControls,
    .register_classes = RegisterPurchaseClasses,
};

const WindowLayout kForm61Layout = {
    .name = "Form61",
    .class_name = "TForm61",
    .client_width = 360,
    .client_height = 132,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kOutcomeControls,
    .register_classes = RegisterPurchaseClasses,
};

const WindowLayout kForm49Layout = {
    .name = "Form49",
    .class_name = "TForm49",
    .client_width = 400,
    .client_height = 186,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kSellerAnswerControls,
    .register_classes = RegisterPurchaseClasses,
};

TForm60::TForm60(int player) : Form("Form60"), player_(player) {
    BuildWindowLayout(*this, kForm60Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this, {.escape = [this] { Close(); }, .before_controls = true, .pass_keys_on = true});
    const t_player& p = Game().players[player];
    const std::int32_t value = MoneyToWholeUnits(p.value);
    offer_ = value;
    SetMarkup(*this, "Label1", Shad(p.name.str()));
    SetMarkup(*this, "Label5", Shad(FormatMoneyInWords(value)));
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    edit.on_change = [this] { Edit1Change(); };
    edit.SetText(std::to_string(value / 1000));
    ControlNamed<TUiGlowButton>(*this, "bt1").on_click = [this] { Bt1Click(); };
    ControlNamed<TUiGlowButton>(*this, "bt2").on_click = [this] { Close(); };
    AddClubMessageDialog(*this);
    Edit1Change();
    DoCreate();
}

void TForm60::Edit1Change() {
    const std::string text = ControlNamed<Edit>(*this, "Edit1").Text();
    auto& button = ControlNamed<Control>(*this, "bt1");
    button.SetEnabled(false);
    if (text.empty()) {
        SetMarkup(*this, "Label6", "");
        return;
    }
    if (text.find_first_not_of("0123456789") != std::string::npos) return;
    const long long n = std::stoll(text);
    if (n <= 0) return;
    offer_ = static_cast<std::int32_t>(n * 1000);
    const GameData& data = Game();
    const bool covered = data.teams[data.game_state.user_club].cash >= MoneyFromUnits(offer_);
    button.SetEnabled(covered);
    const std::string words = FormatMoneyInWords(offer_);
    SetMarkup(*this, "Label6",
              Shad(covered ? words : "<FONT color=\"#FF4040\">" + words + "</FONT>"));
}

void TForm60::Bt1Click() {
    GameData& data = Game();
    const int user = data.game_state.user_club;
    const int seller = data.players[player_].team;
    const std::string name = data.players[player_].name.str();
    OfferDecision deal;
    if (IsHumanManaged(data, seller)) {
        // The other human coach answers for his club; his "Não" ends the proposal.
        if (!ShowSellerAnswer(player_, offer_)) {
            Close();
            return;
        }
        deal.accepted = true;
    } else {
        deal = DecideOfferForComputerPlayer(data, player_, user, offer_);
    }
    // The proposal goes out of sight before the outcome or the player's answer shows.
    Close();
    Hide();
    if (!deal.accepted) {
        if (ShowPurchaseOutcome(player_, offer_, deal)) result_ = "Jogador comprado com sucesso.";
        return;
    }
    const Willingness w = CheckPlayerWillingness(data, player_);
    if (w.refuses) {
        result_ = name + " se recusou a transferir para o seu time.";
        auto& dialog = *static_cast<TUiSmoothMessageDialog*>(FindComponent("info1"));
        dialog.HTMLText().SetText(
            "<BR><FONT size=\"10\"><FONT face=\"Arial Black\"><FONT color=\"#FFFFFF\"><SHAD>"
            "<P align=\"center\">" +
            name + " se recusou a transferir para o seu time.</p></SHAD></FONT></FONT></FONT>");
        dialog.ShowDialog();
    } else if (w.salary_demand) {
        deal.salary_demand = true;
        deal.salary_demand_factor = w.salary_demand_factor;
        if (ShowPurchaseOutcome(player_, offer_, deal)) result_ = "Jogador comprado com sucesso.";
    } else if (CompletePurchase(data, player_, user, offer_, -1, deal.replacement_needed,
                                deal.replacement_position)) {
        result_ = "Jogador comprado com sucesso.";
    }
}

TForm61::TForm61(int player, std::int32_t fee, const OfferDecision& deal)
    : Form("Form61"), player_(player), fee_(fee), deal_(deal) {
    BuildWindowLayout(*this, kForm61Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = [this] { Bt2Click(); },
                             .swallow_alt_f4 = false,
                             .before_controls = true,
                             .pass_keys_on = true});
    std::string message = deal.message;
    if (deal.salary_demand) {
        const t_player& p = Game().players[player];
        const std::int32_t wage = RaisedWage(MoneyToWholeUnits(p.wage), deal.salary_demand_factor);
        message = SalaryDemandText(p.name.str(), deal.salary_demand_factor, wage);
        ControlNamed<Control>(*this, "bt2").SetCaption("Aceitar");
        auto& refuse = ControlNamed<Control>(*this, "btconf");
        refuse.SetCaption("Recusar");
        refuse.SetVisible(true);
    }
    SetMarkup(*this, "Label1", Shad(message));
    ControlNamed<TUiGlowButton>(*this, "bt2").on_click = [this] { Bt2Click(); };
    ControlNamed<TUiGlowButton>(*this, "btconf").on_click = [this] { Close(); };
    DoCreate();
}

void TForm61::Bt2Click() {
    if (deal_.salary_demand) {
        GameData& data = Game();
        const std::int32_t wage =
            RaisedWage(MoneyToWholeUnits(data.players[player_].wage), deal_.salary_demand_factor);
        bought_ = CompletePurchase(data, player_, data.game_state.user_club, fee_, wage,
                                   deal_.replacement_needed, deal_.replacement_position);
    }
    Close();
}

TForm49::TForm49(int player, std::int32_t offer) : Form("Form49") {
    BuildWindowLayout(*this, kForm49Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.before_controls = true});
    const GameData& data = Game();
    const int seller = data.players[player].team;
    const int user = data.game_state.user_club;
    ShowClubCrest(ControlNamed<Image>(*this, "escudo"), seller);
    if (InTable(data.teams, seller)) {
        const int coach = data.teams[seller].coach;
        SetMarkup(*this, "Label2",
                  Shad(InTable(data.coaches, coach) ? data.coaches[coach].name.str()
                                                    : data.teams[seller].name.str()));
    }
    SetMarkup(*this, "Label3",
              Shad((InTable(data.teams, user) ? data.teams[user].name.str() : std::string()) +
                   " está querendo comprar o jogador: " + data.players[player].name.str()));
    SetMarkup(*this, "Label5", Shad(FormatMoneyInWords(offer)));
    ControlNamed<TUiGlowButton>(*this, "bt1").on_click = [this] {
        accepted_ = true;
        SetModalResult(mrYes);
    };
    ControlNamed<TUiGlowButton>(*this, "bt2").on_click = [this] { SetModalResult(mrNo); };
    DoCreate();
}

bool ShowSellerAnswer(int player, std::int32_t offer) {
    if (!InTable(Game().players, player) || player == 0) return false;
    TForm49& form = Screen::Get().Create<TForm49>(player, offer);
    form.ShowModal();
    const bool accepted = form.accepted();
    form.Release();
    return accepted;
}

std::string ShowPurchaseProposal(int player) {
    TForm60& form = Screen::Get().Create<TForm60>(player);
    form.ShowModal();
    const std::string result = form.result();
    form.Release();
    return result;
}

bool ShowPurchaseOutcome(int player, std::int32_t fee, const OfferDecision& deal) {
    TForm61& form = Screen::Get().Create<TForm61>(player, fee, deal);
    form.ShowModal();
    const bool bought = form.bought();
    form.Release();
    return bought;
}

}  // namespace kv
