#include "screens/newgame/custom_championship_window.h"

#include <string>

#include "core/display_names.h"
#include "core/text_tables.h"
#include "platform/window/combo_box.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/country_grid.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/start/title_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr LayoutFont kText = {"Tahoma", 8, 0, clWhite};
const std::initializer_list<LayoutProperty> kLabel = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "Panel1",
     .class_name = "TUiSmoothPanel",
     .bounds = {110, 20, 580, 560},
     .color = 0x3A2A10},
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {16, 10, 548, 22},
     .caption = "Campeonato personalizado",
     .font = {"Tahoma", 12, fsBold, clYellow},
     .properties = kLabel},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {16, 36, 548, 18},
     .caption = "(neste tipo de camp. só é disputado a liga e a copa nacional)",
     .font = kText,
     .properties = kLabel},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {16, 62, 548, 18},
     .caption = "Selecione os países que vão participar do campeonato:",
     .font = kText,
     .properties = kLabel},
    {.name = "list1",
     .class_name = "TReportGrid",
     .parent = "Panel1",
     .bounds = {16, 84, 360, 330},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {390, 84, 174, 18},
     .caption = "Países: 0",
     .font = kText,
     .properties = kLabel},
    {.name = "Label5",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {390, 106, 174, 18},
     .caption = "Selecionados: 0",
     .font = kText,
     .properties = kLabel},
    {.name = "Label7",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {390, 128, 174, 18},
     .caption = "Times: 0",
     .font = kText,
     .properties = kLabel},
    {.name = "Label8",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {16, 424, 120, 18},
     .caption = "Sistema de disputa:",
     .font = kText,
     .properties = kLabel},
    {.name = "formulaper",
     .class_name = "TUiComboBox",
     .parent = "Panel1",
     .bounds = {140, 420, 236, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "ckcopaper",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {16, 450, 360, 20},
     .caption = "Jogar Copa de clubes",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "2"}}},
    {.name = "Label9",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {16, 474, 548, 34},
     .caption = "(o limite para este campeonato é de 1000 clubes, alguns clubes selecionados não "
                "serão incluídos)",
     .font = {"Tahoma", 8, 0, clYellow},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .parent = "Panel1",
     .bounds = {16, 516, 120, 28},
     .caption = "<< Voltar",
     .properties = {{"TabOrder", "3"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .parent = "Panel1",
     .bounds = {444, 516, 120, 28},
     .caption = "Continuar >>",
     .properties = {{"Enabled", "False"}, {"TabOrder", "4"}}},
};

}  // namespace

const WindowLayout kForm39Layout = {
    .name = "Form39",
    .class_name = "TForm39",
    .client_width = 800,
    .client_height = 600,
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterNewGameControlClasses,
};

TForm39::TForm39(int human_count) : Form("Form39"), human_count_(human_count) {
    BuildWindowLayout(*this, kForm39Layout);
    TileGameBackground(*this);
    list1_ = &ControlNamed<TReportGrid>(*this, "list1");
    ComboBox& format = ControlNamed<ComboBox>(*this, "formulaper");
    format.SetItems({"4 divisões com 10 times cada", "2 divisões com 20 times cada"});
    format.SetItemIndex(0);
    SetUpCountryGrid(*list1_);
    OnCountryCellClick(*list1_, [this](int col, int row) { list1CellClick(col, row); });
    if (const NewGameSetup* setup = NewGameInProgress())
        for (const CountryClubs& c : CustomChampionshipCountries(setup->scan))
            AddCountryRow(*list1_, c, false);
    ControlNamed<TMarkupLabel>(*this, "Label4")
        .SetHTMLText("Países: " + std::to_string(list1_->GetRowCount()));
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    on_close = [](CloseAction& action) { action = caFree; };
    DoCreate();
}

CustomChoices TForm39::Choices() const {
    CustomChoices choices;
    choices.countries = TickedCountries(*list1_);
    choices.league_format =
        ControlNamed<ComboBox>(const_cast<TForm39&>(*this), "formulaper").ItemIndex() == 1
            ? kDivisionsOf20
            : kDivisionsOf10;
    choices.national_cup =
        ControlNamed<TMarkupCheckBox>(const_cast<TForm39&>(*this), "ckcopaper").Checked();
    return choices;
}

void TForm39::Recount() {
    const CustomChoices choices = Choices();
    const NewGameSetup* setup = NewGameInProgress();
    const int clubs = setup ? SelectedCustomClubs(setup->scan, choices.countries) : 0;
    ControlNamed<TMarkupLabel>(*this, "Label5")
        .SetHTMLText("Selecionados: " + std::to_string(choices.countries.size()));
    ControlNamed<TMarkupLabel>(*this, "Label7").SetHTMLText("Times: " + std::to_string(clubs));
    ControlNamed<Control>(*this, "bt1").SetEnabled(clubs >= kClubsForCustomGame);
    ControlNamed<Control>(*this, "Label9").SetVisible(clubs > kCustomClubNotice);
}

void TForm39::list1CellClick(int col, int row) {
    if (ToggleCountryTick(*list1_, col, row)) Recount();
}

void TForm39::SchemeButton1Click() {
    DiscardNewGameSetup();
    CloseSetupWindow();
    if (Form1()) Form1()->Show();
    Close();
}

void TForm39::bt1Click() {
    NewGameSetup* setup = NewGameInProgress();
    if (!setup) return;
    if (std::string message = StartCustomChampionship(*setup, Choices(), human_count_);
        !message.empty()) {
        ShowMessage(message);
        return;
    }
    CloseSetupWindow();
    TForm11& choice = Screen::Get().Create<TForm11>();
    Close();
    choice.Show();
}

}  // namespace kv
