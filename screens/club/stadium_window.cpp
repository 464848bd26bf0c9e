#include "screens/club/stadium_window.h"

#include <numeric>
#include <string>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/club/expansion_window.h"
#include "season/stadium_works.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

// The sectors' control names end in these, in the game's order of sectors.
constexpr const char* kSectorKeys[kSectorCount] = {"g", "a", "c", "cm"};

std::string Named(const char* prefix, int sector, const char* suffix = "") {
    return std::string(prefix) + kSectorKeys[sector] + suffix;
}

const LayoutControl kControls[] = {
    {.name = "label1",
     .class_name = "TMarkupLabel",
     .bounds = {16, 12, 380, 18},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = kClubMarkup},
    ClubLabel("Label2", 16, 44, 110, "Setor", kClubHeadingFont),
    ClubLabel("Label3", 130, 44, 80, "Lugares", kClubHeadingFont),
    ClubLabel("Label4", 230, 44, 80, "Ingresso", kClubHeadingFont),
    ClubLabel("lbg", 16, 73, 110, "Geral:"),
    ClubFigure("capg", 130, 73, 70),
    ClubFigure("precog", 220, 73, 40),
    {.name = "upg_menos",
     .class_name = "TSchemeButton",
     .bounds = {270, 70, 22, 20},
     .caption = "-",
     .properties = {{"TabOrder", "0"}}},
    {.name = "upg_mais",
     .class_name = "TSchemeButton",
     .bounds = {296, 70, 22, 20},
     .caption = "+",
     .properties = {{"TabOrder", "1"}}},
    ClubLabel("lba", 16, 99, 110, "Arquibancada:"),
    ClubFigure("capa", 130, 99, 70),
    ClubFigure("precoa", 220, 99, 40),
    {.name = "upa_menos",
     .class_name = "TSchemeButton",
     .bounds = {270, 96, 22, 20},
     .caption = "-",
     .properties = {{"TabOrder", "2"}}},
    {.name = "upa_mais",
     .class_name = "TSchemeButton",
     .bounds = {296, 96, 22, 20},
     .caption = "+",
     .properties = {{"TabOrder", "3"}}},
    ClubLabel("lbc", 16, 125, 110, "Cadeiras:"),
    ClubFigure("capc", 130, 125, 70),
    ClubFigure("precoc", 220, 125, 40),
    {.name = "upc_menos",
     .class_name = "TSchemeButton",
     .bounds = {270, 122, 22, 20},
     .caption = "-",
     .properties = {{"TabOrder", "4"}}},
    {.name = "upc_mais",
     .class_name = "TSchemeButton",
     .bounds = {296, 122, 22, 20},
     .caption = "+",
     .properties = {{"TabOrder", "5"}}},
    ClubLabel("lbcm", 16, 151, 110, "Camarotes:"),
    ClubFigure("capcm", 130, 151, 70),
    ClubFigure("precocm", 220, 151, 40),
    {.name = "upcm_menos",
     .class_name = "TSchemeButton",
     .bounds = {270, 148, 22, 20},
     .caption = "-",
     .properties = {{"TabOrder", "6"}}},
    {.name = "upcm_mais",
     .class_name = "TSchemeButton",
     .bounds = {296, 148, 22, 20},
     .caption = "+",
     .properties = {{"TabOrder", "7"}}},
    ClubLabel("Label5", 16, 182, 220, "Preços de referência da divisão:", kClubHeadingFont),
    ClubLabel("Label6", 16, 200, 34, "Ger.:"),
    ClubLabel("refg", 50, 200, 56, "$0"),
    ClubLabel("Label7", 112, 200, 34, "Arq.:"),
    ClubLabel("refa", 146, 200, 56, "$0"),
    ClubLabel("Label8", 208, 200, 34, "Cad.:"),
    ClubLabel("refc", 242, 200, 56, "$0"),
    ClubLabel("Label9", 304, 200, 34, "Cam.:"),
    ClubLabel("refcm", 338, 200, 56, "$0"),
    {.name = "lbobra",
     .class_name = "TLabel",
     .bounds = {16, 224, 390, 14},
     .font = {"Tahoma", 8, fsBold, static_cast<TColor>(0x80FFFF)},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {16, 222, 140, 26},
     .caption = "Expandir Estádio",
     .properties = {{"TabOrder", "8"}}},
    {.name = "bt3",
     .class_name = "TSchemeButton",
     .bounds = {390, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "9"}}},
};

}  // namespace

const WindowLayout kForm8Layout =
    ClubWindowLayout("Form8", "TForm8", 420, 258, "Estádio", kControls);

TForm8::TForm8() : Form("Form8") {
    BuildClubWindow(*this, kForm8Layout, "bt3");
    for (int s = 0; s < kSectorCount; ++s) {
        ControlNamed<Control>(*this, Named("up", s, "_menos")).on_click = [this, s] {
            PriceArrowClick(s, -1);
        };
        ControlNamed<Control>(*this, Named("up", s, "_mais")).on_click = [this, s] {
            PriceArrowClick(s, +1);
        };
    }
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    Refresh();
    DoCreate();
}

void TForm8::Refresh() {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (!InTable(data.teams, club)) return;
    const t_team& t = data.teams[club];
    const int seats =
        std::accumulate(std::begin(t.sector_capacity), std::end(t.sector_capacity), 0);
    ControlNamed<TMarkupLabel>(*this, "label1")
        .SetHTMLText("<SHAD><B>" + t.stadium.str() + " - " + FormatDigitGroups(seats) +
                     " lugares</b></shad>");
    const int division = t.division >= 0 && t.division < kTicketPriceRows ? t.division : 0;
    for (int s = 0; s < kSectorCount; ++s) {
        ControlNamed<Label>(*this, Named("cap", s))
            .SetCaption(FormatDigitGroups(t.sector_capacity[s]));
        ControlNamed<Label>(*this, Named("preco", s))
            .SetCaption("$" + std::to_string(t.ticket_prices[s]));
        ControlNamed<Label>(*this, Named("ref", s))
            .SetCaption("$" + std::to_string(data.ticket_prices[division][s]));
    }
    const t_stadium_work* work = WorkInProgress(data, club);
    auto& line = ControlNamed<Label>(*this, "lbobra");
    line.SetVisible(work != nullptr);
    if (work)
        line.SetCaption("Expansão em andamento, previsão de término: " +
                        FormatDate(work->end_date));
    ControlNamed<Control>(*this, "bt1").SetVisible(work == nullptr);
}

void TForm8::PriceArrowClick(int sector, int step) {
    GameData& data = Game();
    if (StepTicketPrice(data, data.game_state.user_club, sector, step))
        ControlNamed<Label>(*this, Named("preco", sector))
            .SetCaption(
                "$" + std::to_string(data.teams[data.game_state.user_club].ticket_prices[sector]));
}

void TForm8::bt1Click() {
    if (WorkInProgress(Game(), Game().game_state.user_club)) return;
    ShowExpansionWindow();
    Refresh();
}

void ShowStadiumWindow() {
    ShowClubWindow<TForm8>();
}

}  // namespace kv
