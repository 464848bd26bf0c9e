#include "screens/club/contract_windows.h"

#include <string>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/button.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/contracts.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

void RegisterContractClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
}

constexpr LayoutFont kText = {"Arial", 9, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

LayoutControl Text(const char* name, LayoutBounds bounds, const char* caption = "") {
    return {.name = name,
            .class_name = "TMarkupLabel",
            .bounds = bounds,
            .caption = caption,
            .font = kText,
            .properties = kMarkup};
}

const LayoutControl kOfferControls[] = {
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .bounds = {16, 14, 324, 22},
     .font = {"Arial", 12, fsBold, clYellow},
     .properties = kMarkup},
    Text("Label7", {16, 46, 324, 18}),
    Text("Label2", {16, 86, 110, 18}, "<SHAD>Salário atual:</SHAD>"),
    Text("Label3", {130, 86, 200, 18}),
    Text("Label4", {16, 124, 110, 18}, "<SHAD>Novo salário:</SHAD>"),
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {130, 120, 90, 21},
     .properties = {{"MaxLength", "7"}, {"TabOrder", "0"}}},
    {.name = "UpDown1Up",
     .class_name = "TButton",
     .bounds = {224, 120, 22, 21},
     .caption = "+",
     .properties = {{"TabOrder", "1"}}},
    {.name = "UpDown1Down",
     .class_name = "TButton",
     .bounds = {248, 120, 22, 21},
     .caption = "-",
     .properties = {{"TabOrder", "2"}}},
    Text("Label5", {16, 164, 110, 18}, "<SHAD>Contrato por:</SHAD>"),
    {.name = "combom",
     .class_name = "TComboBox",
     .bounds = {130, 160, 140, 21},
     .properties = {{"TabOrder", "3"}}},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {90, 236, 120, 28},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "5"}}},
    {.name = "CHButton1",
     .class_name = "TUiGlowButton",
     .bounds = {220, 236, 120, 28},
     .caption = "Oferecer",
     .properties = {{"TabOrder", "4"}, {"Enabled", "False"}}},
};

const LayoutControl kCounterControls[] = {
    Text("Label1", {16, 24, 260, 18}, "<SHAD>Jogador recusou, exige um mínimo de: </SHAD>"),
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {276, 24, 96, 18},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "button2",
     .class_name = "TUiGlowButton",
     .bounds = {70, 104, 110, 28},
     .caption = "Recusar",
     .properties = {{"TabOrder", "1"}}},
    {.name = "button1",
     .class_name = "TUiGlowButton",
     .bounds = {198, 104, 110, 28},
     .caption = "Aceitar",
     .properties = {{"TabOrder", "0"}}},
};

std::string Shad(const std::string& text) {
    return "<SHAD>" + text + "</SHAD>";
}

bool WholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

const WindowLayout kForm24Layout = {
    .name = "Form24",
    .class_name = "TForm24",
    .client_width = 356,
    .client_height = 283,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kOfferControls,
    .register_classes = RegisterContractClasses,
};

const WindowLayout kForm25Layout = {
    .name = "Form25",
    .class_name = "TForm25",
    .client_width = 378,
    .client_height = 155,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kCounterControls,
    .register_classes = RegisterContractClasses,
};

TForm24::TForm24(int player) : Form("Form24"), player_(player) {
    BuildWindowLayout(*this, kForm24Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this, {.escape = [this] { Close(); }, .before_controls = true, .pass_keys_on = true});
    const GameData& data = Game();
    const t_player& p = data.players[player];
    auto markup = [this](const char* name, const std::string& text) {
        ControlNamed<TMarkupLabel>(*this, name).SetHTMLText(text);
    };
    markup("Label1", Shad(p.name.str()));
    markup("Label7", Shad("Contrato termina em: " + (p.contract_end < TodayDate(data)
                                                         ? std::string("expirado")
                                                         : FormatDate(p.contract_end))));
    const std::int32_t wage = MoneyToWholeUnits(p.wage);
    markup("Label3", Shad(FormatDigitGroups(wage)));
    auto& combo = ControlNamed<ComboBox>(*this, "combom");
    combo.SetItems({"6 meses", "1 ano", "2 anos"});
    combo.SetItemIndex(0);
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    edit.on_change = [this] { Edit1Change(); };
    edit.SetText(std::to_string(wage));
    Edit1Change();
    ControlNamed<Button>(*this, "UpDown1Up").on_click = [this] { UpDownClick(true); };
    ControlNamed<Button>(*this, "UpDown1Down").on_click = [this] { UpDownClick(false); };
    ControlNamed<TUiGlowButton>(*this, "bt3").on_click = [this] { Close(); };
    ControlNamed<TUiGlowButton>(*this, "CHButton1").on_click = [this] { OfferClick(); };
    DoCreate();
}

int TForm24::months() {
    const int index = ControlNamed<ComboBox>(*this, "combom").ItemIndex();
    return kContractLengths[index >= 0 && index < 3 ? index : 0];
}

void TForm24::Edit1Change() {
    const std::string text = ControlNamed<Edit>(*this, "Edit1").Text();
    ControlNamed<Control>(*this, "CHButton1").SetEnabled(WholeNumber(text) && std::stoll(text) > 0);
}

void TForm24::UpDownClick(bool up) {
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    if (!WholeNumber(edit.Text())) return;
    long long value = std::stoll(edit.Text());
    if (up && value <= 9'999'499) value += 500;
    if (!up && value > 500) value -= 500;
    edit.SetText(std::to_string(value < 0 ? 0 : value));
}

void TForm24::OfferClick() {
    const std::string text = ControlNamed<Edit>(*this, "Edit1").Text();
    if (!WholeNumber(text)) return;
    const auto offer = static_cast<std::int32_t>(std::stoll(text));
    GameData& data = Game();
    const std::int32_t demand = ContractDemand(data, player_, months());
    switch (AnswerContractOffer(offer, demand)) {
        case ContractAnswer::kAboveCeiling:
            ShowMessage("Salário maior que o limite para este jogador que é $" +
                        FormatDigitGroups(ContractCeiling(demand)));
            return;
        case ContractAnswer::kAccepted:
            SignNewContract(data, player_, offer, months());
            signed_ = true;
            Close();
            return;
        case ContractAnswer::kCounterDemand: {
            TForm25& counter = Screen::Get().Create<TForm25>(player_, demand, months());
            counter.ShowModal();
            const bool accepted = counter.accepted();
            counter.Release();
            if (accepted) {
                signed_ = true;
                Close();
            }
            return;
        }
    }
}

TForm25::TForm25(int player, std::int32_t demand, int months) : Form("Form25") {
    BuildWindowLayout(*this, kForm25Layout);
    TileGameBackground(*this);
    ControlNamed<TMarkupLabel>(*this, "Label2").SetHTMLText(Shad("$" + FormatDigitGroups(demand)));
    ControlNamed<TUiGlowButton>(*this, "button1").on_click = [this, player, demand, months] {
        SignNewContract(Game(), player, demand, months);
        accepted_ = true;
        Close();
    };
    ControlNamed<TUiGlowButton>(*this, "button2").on_click = [this] { Close(); };
    DoCreate();
}

bool ShowContractWindow(int player) {
    if (!InTable(Game().players, player) || player == 0) return false;
    TForm24& form = Screen::Get().Create<TForm24>(player);
    form.ShowModal();
    const bool done = form.signed_contract();
    form.Release();
    return done;
}

}  // namespace kv
