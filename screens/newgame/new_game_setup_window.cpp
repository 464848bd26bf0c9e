#include "screens/newgame/new_game_setup_window.h"

#include <string>

#include "core/display_names.h"
#include "core/text_tables.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/memo.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/country_grid.h"
#include "screens/newgame/custom_championship_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/start/game_pictures.h"
#include "screens/start/title_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

constexpr LayoutFont kText = {"Tahoma", 8, 0, clWhite};
constexpr LayoutFont kHeading = {"Tahoma", 10, fsBold, clYellow};
const std::initializer_list<LayoutProperty> kTransparent = {{"Transparent", "True"}};

constexpr const char* kShowMatchBoxes[] = {"ck_verjlib", "ck_verjlig", "ck_verjafr", "ck_verjasi"};
constexpr const char* kFurtherLeaguesNote =
    "Outras ligas podem ser jogadas: copie os arquivos de times (.b14) de cada país para a "
    "pasta teams e elas aparecem nesta lista.";

const LayoutControl kControls[] = {
    {.name = "Panel1",
     .class_name = "TUiSmoothPanel",
     .bounds = {10, 10, 780, 580},
     .color = 0x3A2A10},
    {.name = "rd1",
     .class_name = "TMarkupRadioButton",
     .parent = "Panel1",
     .bounds = {20, 12, 360, 20},
     .caption = "Jogar campeonatos por países (modo real)",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "0"}}},
    {.name = "rd2",
     .class_name = "TMarkupRadioButton",
     .parent = "Panel1",
     .bounds = {390, 12, 370, 20},
     .caption = "Jogar campeonato personalizado (modo fantasia)",
     .font = kText,
     .properties = {{"Transparent", "True"}, {"TabOrder", "1"}}},
    {.name = "LabelClubes",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {20, 44, 340, 20},
     .caption = "Campeonatos de Clubes",
     .font = kHeading,
     .properties = kTransparent},
    {.name = "LabelSistema",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {20, 72, 110, 18},
     .caption = "Sistema de disputa:",
     .font = kText,
     .properties = kTransparent},
    {.name = "ComboBox1",
     .class_name = "TUiComboBox",
     .parent = "Panel1",
     .bounds = {135, 68, 220, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "ckestadual",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 96, 360, 20},
     .caption = "Jogar Estaduais",
     .font = kText,
     .properties = {{"Transparent", "True"}, {"TabOrder", "3"}}},
    {.name = "ckcopa",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 118, 360, 20},
     .caption = "Jogar Copa",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "4"}}},
    {.name = "ckinter1",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 140, 360, 20},
     .caption = "Jogar Libertadores/Liga Campões/Liga Africana/Liga Asiática",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "5"}}},
    {.name = "ck_verjlib",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {36, 162, 80, 20},
     .caption = "Ver jogos",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "6"}}},
    {.name = "ck_verjlig",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {122, 162, 80, 20},
     .caption = "Ver jogos",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "7"}}},
    {.name = "ck_verjafr",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {208, 162, 80, 20},
     .caption = "Ver jogos",
     .font = kText,
     .properties = {{"Transparent", "True"}, {"TabOrder", "8"}}},
    {.name = "ck_verjasi",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {294, 162, 80, 20},
     .caption = "Ver jogos",
     .font = kText,
     .properties = {{"Transparent", "True"}, {"TabOrder", "9"}}},
    {.name = "ckinter1_grupos",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {36, 184, 300, 20},
     .caption = "Jogar na 1ª temporada",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "10"}}},
    {.name = "ckinter2",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 206, 360, 20},
     .caption = "Jogar Copa Sul-Americana/Liga Uefa",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "11"}}},
    {.name = "LabelSelecoes",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {20, 238, 340, 20},
     .caption = "Campeonatos de Seleções",
     .font = kHeading,
     .properties = kTransparent},
    {.name = "ckcopamundo",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 264, 360, 20},
     .caption = "Jogar Copa do Mundo",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "12"}}},
    {.name = "ckgruposcopamundo",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {36, 286, 300, 20},
     .caption = "Grupos reais em 2014",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "13"}}},
    {.name = "ckeurocopa",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 308, 360, 20},
     .caption = "Jogar Eurocopa",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "14"}}},
    {.name = "ckcopaamerica",
     .class_name = "TMarkupCheckBox",
     .parent = "Panel1",
     .bounds = {20, 330, 360, 20},
     .caption = "Jogar Copa América",
     .font = kText,
     .properties = {{"Checked", "True"}, {"Transparent", "True"}, {"TabOrder", "15"}}},
    {.name = "LabelHumanos",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {20, 364, 240, 34},
     .caption = "Número de times controlados por<BR>jogadores humanos:",
     .font = kText,
     .properties = kTransparent},
    {.name = "ComboBox2",
     .class_name = "TUiComboBox",
     .parent = "Panel1",
     .bounds = {270, 370, 60, 21},
     .properties = {{"TabOrder", "16"}}},
    {.name = "Memo1",
     .class_name = "TMemo",
     .parent = "Panel1",
     .bounds = {20, 408, 350, 110},
     .properties = {{"Visible", "False"}, {"TabOrder", "17"}}},
    {.name = "LabelLigas",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {390, 44, 370, 20},
     .caption = "Seleciones as ligas que vão ser jogadas:",
     .font = kText,
     .properties = kTransparent},
    {.name = "list1",
     .class_name = "TReportGrid",
     .parent = "Panel1",
     .bounds = {390, 68, 370, 380},
     .properties = {{"TabOrder", "18"}}},
    {.name = "SchemeButton3",
     .class_name = "TUiGlowButton",
     .parent = "Panel1",
     .bounds = {390, 454, 100, 25},
     .caption = "Sel. todas",
     .properties = {{"TabOrder", "19"}}},
    {.name = "LabelNota",
     .class_name = "TMarkupLabel",
     .parent = "Panel1",
     .bounds = {390, 484, 370, 40},
     .caption = kFurtherLeaguesNote,
     .font = kText,
     .properties = kTransparent},
    {.name = "combo1",
     .class_name = "TComboBox",
     .parent = "Panel1",
     .bounds = {500, 456, 150, 21},
     .properties = {{"Visible", "False"}, {"Enabled", "False"}, {"TabOrder", "20"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .parent = "Panel1",
     .bounds = {20, 532, 170, 32},
     .caption = "<< Voltar ao início",
     .properties = {{"TabOrder", "21"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .parent = "Panel1",
     .bounds = {590, 532, 170, 32},
     .caption = "Iniciar Jogo >>",
     .properties = {{"TabOrder", "22"}}},
};

// The boxes the custom mode switches off along with the league grid.
constexpr const char* kRealModeControls[] = {
    "combo1",     "ComboBox1",     "ckestadual",  "ckcopa",
    "ckinter1",   "ckinter2",      "ckcopamundo", "ckgruposcopamundo",
    "ckeurocopa", "ckcopaamerica", "list1",       "ckinter1_grupos",
    "ck_verjlib", "ck_verjlig",    "ck_verjafr",  "ck_verjasi",
};

}  // namespace

const WindowLayout kForm9Layout = {
    .name = "Form9",
    .class_name = "TForm9",
    .client_width = 800,
    .client_height = 600,
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"KeyPreview", "True"}},
    .controls = kControls,
    .register_classes = RegisterNewGameControlClasses,
};

TForm9::TForm9() : Form("Form9") {
    BuildWindowLayout(*this, kForm9Layout);
    FillScreen(*this);
    TileGameBackground(*this);
    list1_ = &ControlNamed<TReportGrid>(*this, "list1");
    combo1_ = &ControlNamed<ComboBox>(*this, "combo1");
    combo_box1_ = &ControlNamed<ComboBox>(*this, "ComboBox1");
    combo_box2_ = &ControlNamed<ComboBox>(*this, "ComboBox2");
    rd1_ = &ControlNamed<TMarkupRadioButton>(*this, "rd1");
    rd2_ = &ControlNamed<TMarkupRadioButton>(*this, "rd2");

    combo_box1_->SetItems({"Divisões com 10 times cada", "Divisões com 20 times cada"});
    combo_box1_->SetItemIndex(0);
    combo_box2_->SetItems({"1", "2", "3", "4", "5", "6"});
    combo_box2_->SetItemIndex(0);
    if (Form1()) combo1_->images = &Form1()->ImageList1();

    SetUpCountryGrid(*list1_);
    OnCountryCellClick(*list1_, [this](int col, int row) { list1CellClick(col, row); });

    rd1_->on_click = [this] { rd1Click(); };
    rd2_->on_click = [this] { rd2Click(); };
    Check("ckinter1").on_click = [this] { ckinter1Click(); };
    Check("ckcopa").on_click = [this] { ckinter1Click(); };
    Check("ckestadual").on_click = [this] { ckinter1Click(); };
    for (const char* name : {"ckinter2", "ckcopamundo", "ckgruposcopamundo", "ckeurocopa",
                             "ckcopaamerica", "ckinter1_grupos"})
        Check(name).on_click = [this] { ckinter2Click(); };
    for (const char* name : kShowMatchBoxes) Check(name).on_click = [this] { ckinter2Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SchemeButton2Click(); };
    ControlNamed<Control>(*this, "SchemeButton3").on_click = [this] { SchemeButton3Click(); };
    // Alt+F4 is swallowed: the window is left only by its two buttons.
    on_close_query = [](bool& can_close) { can_close = false; };
    ScanClubFiles();
    DoCreate();
}

TMarkupCheckBox& TForm9::Check(std::string_view name) const {
    return ControlNamed<TMarkupCheckBox>(const_cast<TForm9&>(*this), name);
}

void TForm9::ScanClubFiles() {
    NewGameSetup& setup = StartNewGameSetup();
    const std::string folder = NewGameTeamsFolder();
    setup.scan = kv::ScanClubFiles(folder);
    listed_ = ListedCountries(setup.scan);

    list1_->ClearRows();
    combo1_->Clear();
    for (const CountryClubs& c : listed_) {
        combo1_->SetEnabled(true);
        const std::string adjective = NationalityAdjective(c.country);
        combo1_->AddItem(adjective.empty() ? std::string(CountryName(c.country)) : adjective,
                         c.country);
        AddCountryRow(*list1_, c, c.country == kHomeCountry);
    }
    const int main_country = DefaultMainCountry(listed_);
    for (int i = 0; i < combo1_->Count(); ++i)
        if (combo1_->ItemImage(i) == main_country) combo1_->SetItemIndex(i);

    const NewGameChoices defaults = DefaultChoices(listed_);
    for (int i = 0; i < 4; ++i)
        Check(kShowMatchBoxes[i]).SetChecked(defaults.show_continental_matches[i]);

    std::string notice = TeamsFolderProblem(setup.scan, folder);
    const std::string skipped = SkippedFilesNotice(setup.scan);
    if (!skipped.empty()) notice += (notice.empty() ? "" : "\n") + skipped;
    Memo& memo = ControlNamed<Memo>(*this, "Memo1");
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < notice.size();) {
        const std::size_t end = notice.find('\n', from);
        lines.push_back(notice.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 1;
    }
    memo.SetLines(std::move(lines));
    memo.SetVisible(!notice.empty());
}

void TForm9::list1CellClick(int col, int row) {
    ToggleCountryTick(*list1_, col, row);
}

void TForm9::SchemeButton3Click() {
    for (int row = 0; row < list1_->GetRowCount(); ++row)
        list1_->SetCellTextByVariant(kCountryTick, row, "1");
}

void TForm9::ckinter1Click() {
    if (!Check("ckinter1").Checked()) Check("ckinter2").SetChecked(false);
}

void TForm9::ckinter2Click() {
    if (Check("ckinter2").Checked() && !Check("ckinter1").Checked())
        Check("ckinter1").SetChecked(true);
}

void TForm9::EnableRealModeControls(bool enabled) {
    for (const char* name : kRealModeControls)
        ControlNamed<Control>(*this, name).SetEnabled(enabled);
}

void TForm9::rd1Click() {
    rd2_->SetChecked(false);
    EnableRealModeControls(true);
}

void TForm9::rd2Click() {
    rd1_->SetChecked(false);
    EnableRealModeControls(false);
}

NewGameChoices TForm9::Choices() const {
    NewGameChoices choices;
    choices.leagues = TickedCountries(*list1_);
    choices.main_country = combo1_->ItemIndex() >= 0 ? combo1_->ItemImage(combo1_->ItemIndex())
                                                     : DefaultMainCountry(listed_);
    choices.league_format = combo_box1_->ItemIndex() == 1 ? kDivisionsOf20 : kDivisionsOf10;
    choices.state_leagues = Check("ckestadual").Checked();
    choices.national_cup = Check("ckcopa").Checked();
    choices.continental_cup = Check("ckinter1").Checked();
    choices.continental_cup_first_season = Check("ckinter1_grupos").Checked();
    choices.second_continental_cup = Check("ckinter2").Checked() && choices.continental_cup;
    for (int i = 0; i < 4; ++i)
        choices.show_continental_matches[i] = Check(kShowMatchBoxes[i]).Checked();
    choices.world_cup = Check("ckcopamundo").Checked();
    choices.real_world_cup_groups = Check("ckgruposcopamundo").Checked();
    choices.euro = Check("ckeurocopa").Checked();
    choices.copa_america = Check("ckcopaamerica").Checked();
    choices.human_count = combo_box2_->ItemIndex() + 1;
    return choices;
}

void TForm9::SchemeButton1Click() {
    DiscardNewGameSetup();
    if (Form1()) Form1()->Show();
    CloseForGood(*this);
}

void TForm9::SchemeButton2Click() {
    NewGameSetup* setup = NewGameInProgress();
    if (!setup) return;
    if (rd2_->Checked()) {
        Form* custom = nullptr;
        {
            BusyCursor busy;
            custom = &Screen::Get().Create<TForm39>(combo_box2_->ItemIndex() + 1);
            Hide();
        }
        custom->Show();
        return;
    }
    const NewGameChoices choices = Choices();
    if (choices.leagues.empty()) {
        ShowMessage(std::string(kNoLeagueChosen));
        return;
    }
    // Dealing the clubs into divisions and reading the crests for the club choice take a
    // moment; the hourglass is gone again before any message or the next window.
    Form* next = nullptr;
    std::string message;
    {
        BusyCursor busy;
        message = StartRealCountriesGame(*setup, choices);
        if (message.empty())
            next = choices.league_format == kDivisionsOf20
                       ? static_cast<Form*>(&Screen::Get().Create<TForm56>())
                       : static_cast<Form*>(&Screen::Get().Create<TForm11>());
    }
    if (!next) {
        ShowMessage(message);
        return;
    }
    CloseForGood(*this);
    next->Show();
}

}  // namespace kv
