#include "screens/club/expansion_window.h"

#include <charconv>
#include <string>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr const char* kSectorKeys[kSectorCount] = {"g", "a", "c", "cm"};

// The hint under a sector's box: one line a point smaller than the window's text and narrower
// than the 100 pixels between the boxes, so that the hints of large figures keep apart.
LayoutControl MaximumHint(std::string_view name, int x) {
    LayoutControl hint = ClubLabel(name, x, 108, 94, "(máximo + 0)",
                                   {kClubTextFont.name, 7, kClubTextFont.style,
                                    kClubTextFont.color});
    return hint;
}

std::string Named(const char* prefix, int sector) {
    return std::string(prefix) + kSectorKeys[sector];
}

// A box counts only when it holds a whole number above 0.
std::int32_t SeatsIn(const std::string& text) {
    std::int32_t seats = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, seats);
    if (error != std::errc() || at != end || seats <= 0) return 0;
    return seats;
}

const LayoutControl kControls[] = {
    ClubLabel("Label3", 16, 12, 300, "Expansão do estádio", kClubHeadingFont),
    ClubLabel("lbatual", 16, 38, 390, "Capacidade atual:"),
    ClubLabel("lbg", 16, 64, 96, "Geral:"),
    {.name = "Editg",
     .class_name = "TEdit",
     .bounds = {16, 82, 80, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "0"}}},
    MaximumHint("maxg", 16),
    ClubLabel("lba", 116, 64, 96, "Arquibancada:"),
    {.name = "Edita",
     .class_name = "TEdit",
     .bounds = {116, 82, 80, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "1"}}},
    MaximumHint("maxa", 116),
    ClubLabel("lbc", 216, 64, 96, "Cadeiras:"),
    {.name = "Editc",
     .class_name = "TEdit",
     .bounds = {216, 82, 80, 21},
     .properties = {{"MaxLength", "6"}, {"TabOrder", "2"}}},
    MaximumHint("maxc", 216),
    ClubLabel("lbcm", 316, 64, 96, "Camarotes:"),
    {.name = "Editcm",
     .class_name = "TEdit",
     .bounds = {316, 82, 80, 21},
     .properties = {{"MaxLength", "4"}, {"TabOrder", "3"}}},
    MaximumHint("maxcm", 316),
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {16, 134, 130, 26},
     .caption = "Pedir orçamento",
     .properties = {{"TabOrder", "4"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {16, 168, 390, 30},
     .font = {"Tahoma", 8, fsBold, static_cast<TColor>(0x80FFFF)},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}}},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {16, 168, 390, 34},
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = kClubMarkup},
    {.name = "btconstruir",
     .class_name = "TUiGlowButton",
     .bounds = {16, 208, 120, 26},
     .caption = "Construir",
     .properties = {{"TabOrder", "5"}, {"Visible", "False"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {390, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "6"}}},
};

}  // namespace

const WindowLayout kForm10Layout =
    ClubWindowLayout("Form10", "TForm10", 420, 246, "Expansão", kControls);

TForm10::TForm10() : Form("Form10") {
    BuildClubWindow(*this, kForm10Layout, "bt3");
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Control>(*this, "btconstruir").on_click = [this] { btconstruirClick(); };
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (InTable(data.teams, club)) {
        const t_team& t = data.teams[club];
        const SectorSeats ceilings = ExpansionCeilings(data, club);
        const auto& c = t.sector_capacity;
        ControlNamed<Label>(*this, "lbatual")
            .SetCaption("Capacidade atual:G:" + std::to_string(c[0]) +
                        " A:" + std::to_string(c[1]) + " C:" + std::to_string(c[2]) +
                        " Cm:" + std::to_string(c[3]));
        for (int s = 0; s < kSectorCount; ++s)
            ControlNamed<Label>(*this, Named("max", s))
                .SetCaption("(máximo + " + FormatDigitGroups(ceilings[s] - c[s]) + ")");
    }
    DoCreate();
}

void TForm10::SchemeButton1Click() {
    auto& message = ControlNamed<Label>(*this, "Label1");
    auto& budget = ControlNamed<TMarkupLabel>(*this, "Label2");
    auto& build = ControlNamed<Control>(*this, "btconstruir");
    message.SetCaption("");
    budget.SetHTMLText("");
    build.SetVisible(false);
    SectorSeats seats{};
    for (int s = 0; s < kSectorCount; ++s)
        seats[s] = SeatsIn(ControlNamed<Edit>(*this, Named("Edit", s)).Text());
    const GameData& data = Game();
    quote_ = QuoteExpansion(data, data.game_state.user_club, seats);
    switch (quote_.status) {
        case ExpansionQuote::kBeyondCeiling:
            message.SetCaption(
                "Nossos engenheiros informaram que ainda não existe tecnologia suficiente para "
                "expandir o estádio com o número solicitado.");
            return;
        case ExpansionQuote::kNothingAsked:
            return;
        case ExpansionQuote::kQuoted:
            break;
    }
    budget.SetHTMLText("Custo total da obra, incluindo o custo do projeto inicial: $" +
                       FormatDigitGroups(quote_.cost) +
                       "<BR>Data prevista para o fim da obra:" + FormatDate(quote_.end_date));
    build.SetVisible(true);
}

void TForm10::btconstruirClick() {
    GameData& data = Game();
    if (OrderExpansion(data, data.game_state.user_club, quote_)) {
        built_ = true;
        ShowCashOnMainWindow();
        Close();
        return;
    }
    ControlNamed<TMarkupLabel>(*this, "Label2").SetHTMLText("");
    ControlNamed<Label>(*this, "Label1").SetCaption("Dinheiro insuficiente para esta obra.");
    ShowCashOnMainWindow();
}

bool ShowExpansionWindow() {
    auto& form = Screen::Get().Create<TForm10>();
    form.ShowModal();
    const bool built = form.built();
    form.Release();
    return built;
}

}  // namespace kv
