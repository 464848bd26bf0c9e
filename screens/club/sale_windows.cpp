#include "screens/club/sale_windows.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/timer.h"
#include "screens/main/main_window.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/purchase_negotiation.h"
#include "season/transfers.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

void RegisterSaleClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
}

constexpr LayoutFont kText = {"Arial", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

LayoutControl Text(const char* name, LayoutBounds bounds, const char* caption = "",
                   const char* parent = "") {
    return {.name = name,
            .class_name = "TMarkupLabel",
            .parent = parent,
            .bounds = bounds,
            .caption = caption,
            .font = kText,
            .properties = kMarkup};
}

const LayoutControl kSaleControls[] = {
    Text("Label2", {16, 14, 130, 18}, "<SHAD>Venda do jogador:</SHAD>"),
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {146, 12, 230, 20},
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = kMarkup},
    Text("Label7", {16, 44, 300, 18}, "<SHAD>Escolha uma opção:</SHAD>"),
    {.name = "ck1",
     .class_name = "TMarkupRadioButton",
     .bounds = {16, 70, 340, 18},
     .caption = "<SHAD>Vender jogador no leilão</SHAD>",
     .font = kText,
     .properties = {{"TabOrder", "0"}, {"Transparent", "True"}, {"Checked", "True"}}},
    Text("Label5", {40, 98, 100, 18}, "<SHAD>Preço inicial:</SHAD>"),
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {140, 94, 70, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "1"}}},
    Text("Label4", {216, 98, 140, 18}, "<SHAD>(em milhares de $)</SHAD>"),
    Text("Label6", {140, 120, 220, 18}),
    {.name = "ck2",
     .class_name = "TMarkupRadioButton",
     .bounds = {16, 150, 340, 18},
     .caption = "<SHAD>Colocar à venda à espera de um comprador:</SHAD>",
     .font = kText,
     .properties = {{"TabOrder", "2"}, {"Transparent", "True"}}},
    Text("Label8", {40, 178, 100, 18}, "<SHAD>Preço fixado:</SHAD>"),
    {.name = "Edit2",
     .class_name = "TEdit",
     .bounds = {140, 174, 70, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "3"}, {"Enabled", "False"}}},
    Text("Label9", {216, 178, 140, 18}, "<SHAD>(em milhares de $)</SHAD>"),
    Text("Label10", {140, 200, 220, 18}),
    Text("Label11", {16, 228, 350, 32},
         "<SHAD>(jogadores com contrato pagam uma multa de rescisão na venda de acordo com o "
         "tempo de contrato que falta)</SHAD>"),
    Text("Label12", {16, 266, 220, 18}, "<SHAD>Multa estimada para este jogador:</SHAD>"),
    {.name = "Label13",
     .class_name = "TMarkupLabel",
     .bounds = {236, 266, 140, 18},
     .font = {"Arial", 8, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {112, 300, 120, 28},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "5"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {242, 300, 130, 28},
     .caption = "Iniciar leilão",
     .properties = {{"TabOrder", "4"}}},
};

const LayoutControl kAuctionControls[] = {
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {16, 12, 56, 56},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "l1",
     .class_name = "TMarkupLabel",
     .bounds = {80, 28, 420, 20},
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "cardpanel", .class_name = "TUiSmoothPanel", .bounds = {16, 76, 488, 150}},
    {.name = "jlnome",
     .class_name = "TMarkupLabel",
     .parent = "cardpanel",
     .bounds = {10, 8, 300, 20},
     .font = {"Arial", 11, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Image1", .class_name = "TImage", .parent = "cardpanel", .bounds = {452, 10, 24, 16}},
    Text("jlpos", {10, 34, 150, 16}, "", "cardpanel"),
    Text("jlforca", {170, 34, 150, 16}, "", "cardpanel"),
    Text("jlage", {330, 34, 150, 16}, "", "cardpanel"),
    Text("Label6", {10, 54, 466, 16}, "", "cardpanel"),
    Text("jlenergia", {10, 74, 150, 16}, "", "cardpanel"),
    Text("jlpais", {170, 74, 150, 16}, "", "cardpanel"),
    Text("jlsalario", {330, 74, 150, 16}, "", "cardpanel"),
    Text("jlj", {10, 94, 150, 16}, "", "cardpanel"),
    Text("jlg", {170, 94, 150, 16}, "", "cardpanel"),
    Text("jlca", {330, 94, 150, 16}, "", "cardpanel"),
    Text("jlstatus", {10, 114, 300, 16}, "", "cardpanel"),
    Text("jlpasse", {10, 130, 466, 16}, "", "cardpanel"),
    {.name = "page0", .class_name = "TUiSmoothPanel", .bounds = {16, 234, 488, 150}},
    Text("Label3", {10, 6, 466, 32},
         "<SHAD>Faça aqui sua oferta em milhares de $, por exemplo: 300 equivale a 300 mil, "
         "1200 à 1 milhão e duzentos etc</SHAD>",
         "page0"),
    {.name = "Label15",
     .class_name = "TMarkupLabel",
     .parent = "page0",
     .bounds = {10, 42, 466, 18},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kMarkup},
    Text("Label4", {10, 70, 80, 18}, "<SHAD>Sua oferta:</SHAD>", "page0"),
    {.name = "Edit1",
     .class_name = "TEdit",
     .parent = "page0",
     .bounds = {90, 66, 80, 21},
     .properties = {{"MaxLength", "5"}, {"TabOrder", "0"}}},
    Text("Label18", {180, 70, 200, 18}, "", "page0"),
    {.name = "CHButton1",
     .class_name = "TUiGlowButton",
     .parent = "page0",
     .bounds = {376, 64, 100, 26},
     .caption = "Ofertar",
     .properties = {{"TabOrder", "1"}}},
    {.name = "Label7",
     .class_name = "TMarkupLabel",
     .parent = "page0",
     .bounds = {10, 98, 466, 18},
     .caption = "<SHAD>Valor maior que seu dinheiro em caixa</SHAD>",
     .font = {"Arial", 8, fsBold, static_cast<TColor>(0x4040FF)},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "Label17",
     .class_name = "TMarkupLabel",
     .parent = "page0",
     .bounds = {10, 118, 466, 18},
     .caption = "<SHAD>Saldo negativo, seu lance foi 0.</SHAD>",
     .font = {"Arial", 8, fsBold, static_cast<TColor>(0x4040FF)},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "page1",
     .class_name = "TUiSmoothPanel",
     .bounds = {16, 234, 488, 150},
     .properties = {{"Visible", "False"}}},
    {.name = "escudo2",
     .class_name = "TImage",
     .parent = "page1",
     .bounds = {10, 40, 64, 64},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label16",
     .class_name = "TMarkupLabel",
     .parent = "page1",
     .bounds = {84, 62, 392, 20},
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = kMarkup},
};

std::string Shad(const std::string& text) {
    return "<SHAD>" + text + "</SHAD>";
}

bool WholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

Picture CrestOf(const GameData& data, int team) {
    Picture crest;
    const std::string path = InTable(data.teams, team) ? BuildCrestPath(data, team) : "";
    if (path.empty() || !crest.LoadFromFile(path)) return Picture();
    return crest;
}

}  // namespace

std::string ReleasePenaltyNote(const GameData& data, int player) {
    const t_player& p = data.players[player];
    const TDateTime today = TodayDate(data);
    if (!(p.contract_end > today)) return {};
    const int days = static_cast<int>(std::nearbyint(p.contract_end - today));
    const double rate = ReleasePenaltyRate(days);
    if (rate <= 0) return {};
    return std::to_string(static_cast<int>(std::lround(rate * 100))) + "% do valor total";
}

const WindowLayout kForm44Layout = {
    .name = "Form44",
    .class_name = "TForm44",
    .client_width = 388,
    .client_height = 340,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kSaleControls,
    .register_classes = RegisterSaleClasses,
};

const WindowLayout kForm23Layout = {
    .name = "Form23",
    .class_name = "TForm23",
    .client_width = 520,
    .client_height = 396,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kAuctionControls,
    .register_classes = RegisterSaleClasses,
};

TForm44::TForm44(int player) : Form("Form44"), player_(player) {
    BuildWindowLayout(*this, kForm44Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this, {.escape = [this] { Close(); }, .before_controls = true, .pass_keys_on = true});
    const GameData& data = Game();
    const t_player& p = data.players[player];
    ControlNamed<TMarkupLabel>(*this, "Label3").SetHTMLText(Shad(p.name.str()));
    const std::string thousands = std::to_string(MoneyToWholeUnits(p.value) / 1000);
    auto& edit1 = ControlNamed<Edit>(*this, "Edit1");
    auto& edit2 = ControlNamed<Edit>(*this, "Edit2");
    edit1.on_change = [this] { Edit1Change(); };
    edit2.on_change = [this] { Edit2Change(); };
    edit1.SetText(thousands);
    edit2.SetText(p.on_sale ? std::to_string(MoneyToWholeUnits(p.asking_price) / 1000) : thousands);
    Edit1Change();
    auto& ck1 = ControlNamed<TMarkupRadioButton>(*this, "ck1");
    auto& ck2 = ControlNamed<TMarkupRadioButton>(*this, "ck2");
    ck1.on_click = [this] { OptionClick(true); };
    ck2.on_click = [this] { OptionClick(false); };
    if (p.on_sale) {
        ck2.SetChecked(true);
        OptionClick(false);
    }
    const std::string note = ReleasePenaltyNote(data, player);
    if (note.empty()) {
        for (const char* name : {"Label11", "Label12", "Label13"})
            ControlNamed<Control>(*this, name).SetVisible(false);
        // No penalty to explain: the buttons move up into the freed space.
        for (const char* name : {"SchemeButton1", "bt1"}) {
            Control& button = ControlNamed<Control>(*this, name);
            button.SetTop(button.Top() - 76);
        }
        SetClientSize(ClientWidth(), ClientHeight() - 76);
    } else {
        ControlNamed<TMarkupLabel>(*this, "Label13").SetHTMLText(Shad(note));
    }
    ControlNamed<TUiGlowButton>(*this, "bt1").on_click = [this] { Bt1Click(); };
    ControlNamed<TUiGlowButton>(*this, "SchemeButton1").on_click = [this] { Close(); };
    DoCreate();
}

void TForm44::PriceChange(const char* edit_name, const char* words) {
    auto& edit = ControlNamed<Edit>(*this, edit_name);
    auto& button = ControlNamed<Control>(*this, "bt1");
    const std::string text = edit.Text();
    if (text.empty()) {
        ControlNamed<TMarkupLabel>(*this, words).SetHTMLText("");
        button.SetEnabled(false);
        return;
    }
    if (!WholeNumber(text) || std::stoll(text) <= 0) {
        button.SetEnabled(false);
        edit.SetText("1000");
        return;
    }
    button.SetEnabled(true);
    ControlNamed<TMarkupLabel>(*this, words)
        .SetHTMLText(Shad(FormatMoneyInWords(static_cast<std::int32_t>(std::stoll(text) * 1000))));
}

void TForm44::Edit1Change() {
    PriceChange("Edit1", "Label6");
}

void TForm44::Edit2Change() {
    PriceChange("Edit2", "Label10");
}

void TForm44::OptionClick(bool auction) {
    ControlNamed<Control>(*this, "Edit1").SetEnabled(auction);
    ControlNamed<Control>(*this, "Edit2").SetEnabled(!auction);
    ControlNamed<Control>(*this, "bt1").SetCaption(auction ? "Iniciar Leilão" : "Colocar à venda");
}

void TForm44::Bt1Click() {
    GameData& data = Game();
    const bool auction = ControlNamed<TMarkupRadioButton>(*this, "ck1").Checked();
    auto price = [this](const char* name) {
        auto& edit = ControlNamed<Edit>(*this, name);
        if (edit.Text().empty()) edit.SetText("100");
        return WholeNumber(edit.Text()) ? static_cast<std::int32_t>(std::stoll(edit.Text()) * 1000)
                                        : 100'000;
    };
    if (auction) {
        start_price_ = price("Edit1");
        auction_chosen_ = true;
        Close();
        return;
    }
    const std::int32_t asking = price("Edit2");
    if (!CanListForSale(data, player_)) {
        ShowMessage(
            "Não é possível colocar este jogador à venda: o elenco ficaria com menos de "
            "11 jogadores fora da lista de venda.");
        return;
    }
    t_player& p = data.players[player_];
    p.on_sale = 1;
    p.asking_price = MoneyFromUnits(asking);
    Close();
}

TForm23::TForm23(const AuctionStart& start)
    : Form("Form23"), auction_(std::make_unique<Auction>(Game(), start)) {
    BuildWindowLayout(*this, kForm23Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.before_controls = true});
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    edit.on_change = [this, &edit] {
        ControlNamed<TMarkupLabel>(*this, "Label18")
            .SetHTMLText(WholeNumber(edit.Text())
                             ? Shad(FormatMoneyInWords(
                                   static_cast<std::int32_t>(std::stoll(edit.Text()) * 1000)))
                             : "");
    };
    ControlNamed<TUiGlowButton>(*this, "CHButton1").on_click = [this] { OfferClick(); };
    // The pause after each result runs on the window's clock.
    Timer& timer = AddComponent<Timer>("Timer1");
    timer.SetInterval(250);
    timer.on_timer = [this] {
        auction_->Tick(Screen::Get().Now());
        Step();
    };
    timer.SetEnabled(true);
    auction_->Begin(Screen::Get().Now());
    DoCreate();
    Step();
}

void TForm23::Step() {
    switch (auction_->phase()) {
        case AuctionPhase::kFinished:
            Close();
            return;
        case AuctionPhase::kHumanBids:
            if (shown_auction_ != auction_->auctions_held()) ShowAuction();
            ShowBidder();
            return;
        case AuctionPhase::kResult:
            if (shown_auction_ != auction_->auctions_held() - 1) ShowAuction();
            if (!result_shown_) ShowResult();
            return;
    }
}

void TForm23::ShowAuction() {
    const GameData& data = Game();
    const int player = auction_->player();
    shown_auction_ = auction_->auctions_held();
    if (auction_->phase() == AuctionPhase::kResult) shown_auction_ -= 1;
    result_shown_ = false;
    const t_player& p = data.players[player];
    const int seller = auction_->seller();
    auto markup = [this](const char* name, const std::string& text) {
        ControlNamed<TMarkupLabel>(*this, name).SetHTMLText(text);
    };
    markup("l1", Shad(data.teams[seller].name.str() + " está leiloando o jogador:"));
    ControlNamed<Image>(*this, "escudo").SetPicture(CrestOf(data, seller));
    const int kind = std::clamp(data.game_state.match_kind, 0, 10);
    const auto position = position_names[static_cast<std::size_t>(std::clamp(p.position, 0, 4))];
    const auto c1 = static_cast<std::size_t>(std::clamp(p.characteristic1, 0, 13));
    const auto c2 = static_cast<std::size_t>(std::clamp(p.characteristic2, 0, 13));
    markup("jlnome", Shad(p.name.str()));
    markup("jlpos",
           Shad(std::string(position.substr(0, 1)) + "(" + (p.side == 1 ? "E" : "D") + ")"));
    markup("jlforca", Shad("<B>Força:</B> " + std::to_string(p.strength)));
    markup("Label6",
           Shad("<B>Principal característica:</B> " + std::string(characteristic_names[c1]) + "/" +
                std::string(characteristic_names[c2])));
    markup("jlage", Shad("<B>Idade:</B> " + std::to_string(p.age)));
    markup("jlenergia", Shad("<B>Energia:</B> " + std::to_string(p.energy) + "%"));
    markup("jlpais", Shad(std::string(CountryName(p.nationality))));
    markup("jlsalario", Shad("<B>Salário:</B> $" + FormatDigitGroups(MoneyToWholeUnits(p.wage))));
    markup("jlj", Shad("<B>Jogos:</B> " + std::to_string(PlayerStatCount(player, 1))));
    markup("jlg", Shad("<B>Gols:</B> " + std::to_string(PlayerStatCount(player, 0))));
    markup("jlca", Shad("<B>Cartões:</B> " + std::to_string(p.yellow_cards[kind])));
    const std::string status = AuctionStatusText(data, player);
    markup("jlstatus", status.empty() ? "" : Shad("<B>Status:</B> " + status));
    markup("jlpasse",
           Shad("<B>Preço inicial:</B> " + FormatMoneyInWords(auction_->current_price())));
    const auto& flags = flag_pictures();
    ControlNamed<Image>(*this, "Image1")
        .SetPicture(p.nationality >= 0 && p.nationality < static_cast<int>(flags.size())
                        ? flags[static_cast<std::size_t>(p.nationality)]
                        : Picture());
    ControlNamed<Control>(*this, "page0").SetVisible(true);
    ControlNamed<Control>(*this, "page1").SetVisible(false);
    ControlNamed<Edit>(*this, "Edit1").SetText("");
}

void TForm23::ShowBidder() {
    const GameData& data = Game();
    const int club = auction_->bidding_club();
    if (club < 0) return;
    const t_team& t = data.teams[club];
    const std::string coach =
        InTable(data.coaches, t.coach) ? data.coaches[t.coach].name.str() : std::string();
    ControlNamed<TMarkupLabel>(*this, "Label15")
        .SetHTMLText(Shad(coach + " (" + t.name.str() + ")" + " - Dinheiro em caixa: $" +
                          FormatMoneyInWords(MoneyToWholeUnits(t.cash))));
}

void TForm23::ShowResult() {
    result_shown_ = true;
    const GameData& data = Game();
    ControlNamed<Control>(*this, "page0").SetVisible(false);
    ControlNamed<Control>(*this, "page1").SetVisible(true);
    ControlNamed<TMarkupLabel>(*this, "Label16")
        .SetHTMLText(Shad(AuctionResultText(data, auction_->buyer(), auction_->price())));
    ControlNamed<Image>(*this, "escudo2").SetPicture(CrestOf(data, auction_->buyer()));
}

void TForm23::OfferClick() {
    ControlNamed<Control>(*this, "Label7").SetVisible(false);
    ControlNamed<Control>(*this, "Label17").SetVisible(false);
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    const std::string text = edit.Text();
    if (!text.empty() && !WholeNumber(text)) return;
    const auto bid = static_cast<std::int32_t>(text.empty() ? 0 : std::stoll(text) * 1000);
    const BidAnswer answer = auction_->Bid(bid, Screen::Get().Now());
    if (answer == BidAnswer::kAboveCash) {
        ControlNamed<Control>(*this, "Label7").SetVisible(true);
        return;
    }
    if (answer == BidAnswer::kNegativeBalance)
        ControlNamed<Control>(*this, "Label17").SetVisible(true);
    ControlNamed<TMarkupLabel>(*this, "Label18").SetHTMLText("");
    edit.SetText("");
    Step();
}

void ShowAuctionWindow(const AuctionStart& start) {
    TForm23& form = Screen::Get().Create<TForm23>(start);
    if (form.auction().phase() != AuctionPhase::kFinished) form.ShowModal();
    form.Release();
}

void ShowRoundCloseAuctions(int count) {
    ShowAuctionWindow({.count = count});
    ShowMainWindow();
}

void ShowSaleWindow(int player) {
    if (!InTable(Game().players, player) || player == 0) return;
    TForm44& form = Screen::Get().Create<TForm44>(player);
    form.ShowModal();
    const bool auction = form.auction_chosen();
    const std::int32_t price = form.start_price();
    form.Release();
    // Modal as well, so that nothing behind it closes while the auction runs.
    if (auction)
        ShowAuctionWindow({.player = player, .start_price = price, .from_sell_window = true});
}

}  // namespace kv
