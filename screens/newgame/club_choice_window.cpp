#include "screens/newgame/club_choice_window.h"

#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/gfx/picture.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/panel.h"
#include "platform/window/radio_button.h"
#include "platform/window/screen.h"
#include "platform/window/scroll_box.h"
#include "screens/newgame/new_game_builder_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/start/title_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

constexpr LayoutFont kText = {"Tahoma", 8, fsBold, clWhite};
constexpr TColor kDivisionPanelColour = 5938432;
constexpr int kBaseWidth = 800;
constexpr int kClubAreaTop = 122;  // on the 800-pixel base, below the coach's panel

const LayoutControl kControls[] = {
    {.name = "Panel1",
     .class_name = "TUiSmoothPanel",
     .bounds = {10, 10, 780, 110},
     .color = 0x3A2A10},
    {.name = "Label1",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {16, 14, 140, 16},
     .caption = "Treinar time do país:",
     .font = kText,
     .properties = {{"Transparent", "True"}}},
    {.name = "Combo1",
     .class_name = "TUiComboBox",
     .parent = "Panel1",
     .bounds = {160, 10, 200, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label10",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {390, 14, 120, 16},
     .caption = "Time 1",
     .font = {"Tahoma", 10, fsBold, clYellow},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {16, 46, 140, 16},
     .caption = "Nome do treinador:",
     .font = kText,
     .properties = {{"Transparent", "True"}}},
    {.name = "Edit1",
     .class_name = "TEdit",
     .parent = "Panel1",
     .bounds = {160, 42, 200, 21},
     .properties = {{"MaxLength", "25"}, {"TabOrder", "1"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {16, 78, 140, 16},
     .caption = "Nacionalidade:",
     .font = kText,
     .properties = {{"Transparent", "True"}}},
    {.name = "combonac",
     .class_name = "TUiComboBox",
     .parent = "Panel1",
     .bounds = {160, 74, 200, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "Button1",
     .class_name = "TSchemeButton",
     .parent = "Panel1",
     .bounds = {600, 70, 160, 28},
     .caption = "Iniciar jogo",
     .properties = {{"Enabled", "False"}, {"TabOrder", "3"}}},
};

const std::initializer_list<LayoutProperty> kFormProperties = {
    {"BorderStyle", "bsNone"}, {"KeyPreview", "True"}, {"Position", "poScreenCenter"}};

WindowLayout ClubChoiceLayout(std::string_view name, std::string_view class_name) {
    return {
        .name = name,
        .class_name = class_name,
        .client_width = kBaseWidth,
        .client_height = 600,
        .font = {"Tahoma", 8, 0, clWindowText},
        .color = clBlack,
        .properties = kFormProperties,
        .controls = kControls,
        .register_classes = RegisterNewGameControlClasses,
    };
}

}  // namespace

const WindowLayout kForm11Layout = ClubChoiceLayout("Form11", "TForm11");
const WindowLayout kForm56Layout = ClubChoiceLayout("Form56", "TForm56");

ClubChoiceWindow::ClubChoiceWindow(std::string name, const WindowLayout& layout)
    : Form(std::move(name)) {
    BuildWindowLayout(*this, layout);
    TileGameBackground(*this);
    setup_ = NewGameInProgress();
    if (!setup_) throw std::logic_error("club choice without a new game");
    ControlNamed<Edit>(*this, "Edit1").on_change = [this] { UpdateButton(); };
    ControlNamed<ComboBox>(*this, "Combo1").on_change = [this] { Combo1Change(); };
    ControlNamed<Control>(*this, "Button1").on_click = [this] { Button1Click(); };
    // No way back: the window stays until the builder takes over.
    on_close_query = [](bool& can_close) { can_close = false; };
}

void ClubChoiceWindow::Open() {
    const int first = OpenClubChoice(Setup());
    coach_ = 1;
    const GameData& world = *Setup().world;
    ComboBox& combo = ControlNamed<ComboBox>(*this, "Combo1");
    ComboBox& nationality = ControlNamed<ComboBox>(*this, "combonac");
    if (Form1()) combo.images = nationality.images = &Form1()->ImageList1();
    leagues_.clear();
    if (world.game_state.main_country >= kRealCountries) {
        // The custom championship has one league: no list to choose it from.
        combo.Hide();
        ControlNamed<Control>(*this, "Label1").Hide();
        leagues_.push_back(0);
    } else {
        for (std::size_t i = 0; i < world.league_configs.size(); ++i) {
            const int country = world.league_configs[i].country;
            combo.AddItem(std::string(CountryName(country)), country);
            leagues_.push_back(static_cast<int>(i));
        }
    }
    for (std::size_t i = 0; i < leagues_.size(); ++i)
        if (leagues_[i] == first && combo.Count() > 0) combo.SetItemIndex(static_cast<int>(i));
    league_ = first;
    ShowLists(ShowLeagueClubs(Setup(), league_));
    for (int country = 0; country < kRealCountries; ++country)
        nationality.AddItem(std::string(CountryName(country)), country);
    nationality.SetItemIndex(kHomeCountry);
    UpdateButton();
}

void ClubChoiceWindow::Combo1Change() {
    const ComboBox& combo = ControlNamed<ComboBox>(*this, "Combo1");
    if (combo.ItemIndex() < 0 || combo.ItemIndex() >= static_cast<int>(leagues_.size())) return;
    league_ = leagues_[combo.ItemIndex()];
    ShowLists(ShowLeagueClubs(Setup(), league_));
    UpdateButton();
}

void ClubChoiceWindow::ClubChosen() {
    UpdateButton();
}

void ClubChoiceWindow::UpdateButton() {
    const int coaches = Setup().world->game_state.human_count;
    Control& button = ControlNamed<Control>(*this, "Button1");
    button.SetCaption(coach_ >= coaches ? "Iniciar jogo"
                                        : "Escolher time " + std::to_string(coach_ + 1));
    button.SetEnabled(!ControlNamed<Edit>(*this, "Edit1").Text().empty() && ChosenClub() >= 0);
}

void ClubChoiceWindow::Button1Click() {
    const int club = ChosenClub();
    const Edit& edit = ControlNamed<Edit>(*this, "Edit1");
    const ComboBox& nationality = ControlNamed<ComboBox>(*this, "combonac");
    const std::string message =
        ChooseHumanClub(Setup(), club, edit.Text(), nationality.ItemImage(nationality.ItemIndex()));
    if (!message.empty()) {
        ShowMessage(message);
        return;
    }
    ClubTaken(club);
    if (CoachChoosing(Setup()) > Setup().world->game_state.human_count) {
        Screen::Get().SetScreenCursor(crHourGlass);
        TForm12& builder = Screen::Get().Create<TForm12>(*this);
        builder.ShowModal();
        return;
    }
    coach_ = CoachChoosing(Setup());
    Control& heading = ControlNamed<Control>(*this, "Label10");
    heading.SetCaption("Time " + std::to_string(coach_));
    heading.Show();
    ControlNamed<Edit>(*this, "Edit1").SetText("");
    UpdateButton();
}

TForm11::TForm11() : ClubChoiceWindow("Form11", kForm11Layout) {
    // Below the coach's panel down to the bottom of the window or of the screen, whichever
    // comes first; the background shows through it.
    club_area_ = &Add<ScrollBox>("ScrollBox1");
    club_area_->border = false;
    club_area_->transparent = true;
    const double scale = static_cast<double>(ClientWidth()) / kBaseWidth;
    const int top = static_cast<int>(kClubAreaTop * scale + 0.5);
    const int bottom = std::min(ClientHeight(), Screen::Get().Height() - Top());
    club_area_->SetBounds(0, top, ClientWidth(), std::max(0, bottom - top));
    // The wheel scrolls the clubs wherever the focus is (it starts in the name field).
    on_mouse_wheel = [this](ShiftState, int delta, int x, int y, bool& handled) {
        if (!club_area_->BoundsRect().contains({x, y}) || !club_area_->VertBarShown()) return;
        club_area_->SetScrollPos(club_area_->ScrollPos() -
                                 ScrollBar::WheelLines(delta) * club_area_->line_step);
        handled = true;
    };
    Open();
    DoCreate();
}

RadioButton* TForm11::ClubButton(int division, int slot) const {
    if (division < 1 || division > static_cast<int>(divisions_.size())) return nullptr;
    const Division& d = divisions_[division - 1];
    if (slot < 0 || slot >= static_cast<int>(d.buttons.size())) return nullptr;
    return d.buttons[slot];
}

void TForm11::ShowLists(const std::vector<ClubChoiceList>& lists) {
    // As many panels and buttons as the league has divisions, laid out in rows of panels.
    for (Division& d : divisions_) d.panel->Free();
    divisions_.clear();
    club_area_->SetScrollPos(0);
    const double scale = static_cast<double>(ClientWidth()) / kBaseWidth;
    auto scaled = [scale](int v) { return static_cast<int>(v * scale + 0.5); };
    constexpr int kButtonWidth = 175, kButtonHeight = 18, kHeading = 22, kGap = 8;
    // Positions inside the club area, which begins a gap below the coach's panel.
    int left = 10, top = kGap, row_height = 0;
    for (std::size_t n = 0; n < lists.size(); ++n) {
        const ClubChoiceList& list = lists[n];
        const int rows = (static_cast<int>(list.clubs.size()) + 1) / 2;
        const int width = 2 * kButtonWidth + 3 * kGap;
        const int height = kHeading + rows * (kButtonHeight + 2) + kGap;
        if (left + width > kBaseWidth - 10) {
            left = 10;
            top += row_height + kGap;
            row_height = 0;
        }
        Division division;
        Panel& panel = club_area_->Add<Panel>("PanelDivisao" + std::to_string(n + 1));
        panel.SetColor(kDivisionPanelColour);
        panel.SetBounds(scaled(left), scaled(top), scaled(width), scaled(height));
        Label& heading = panel.Add<Label>("LabelDivisao" + std::to_string(n + 1));
        heading.SetCaption(list.heading);
        heading.SetFont({"Tahoma", scaled(9), fsBold, clWhite});
        heading.SetBounds(scaled(kGap), scaled(4), scaled(width - 2 * kGap), scaled(16));
        division.panel = &panel;
        for (std::size_t j = 0; j < list.clubs.size(); ++j) {
            const int club = list.clubs[j];
            RadioButton& button = panel.Add<RadioButton>("Time" + std::to_string(n + 1) + "_" +
                                                         std::to_string(j + 1));
            const int column = static_cast<int>(j) / rows, row = static_cast<int>(j) % rows;
            button.SetBounds(scaled(kGap + column * (kButtonWidth + kGap)),
                             scaled(kHeading + row * (kButtonHeight + 2)), scaled(kButtonWidth),
                             scaled(kButtonHeight));
            button.SetFont({"Tahoma", scaled(8), 0, clYellow});
            button.SetColor(kDivisionPanelColour);
            button.SetCaption(Setup().world->teams[club].name.str());
            button.tag = club;
            button.SetEnabled(!Setup().world->teams[club].human);
            button.on_click = [this, &button] {
                // One club at a time, whichever division it stands in.
                for (Division& d : divisions_)
                    for (RadioButton* b : d.buttons)
                        if (b != &button) b->SetChecked(false);
                ClubChosen();
            };
            division.buttons.push_back(&button);
            division.clubs.push_back(club);
        }
        divisions_.push_back(std::move(division));
        left += width + kGap;
        row_height = std::max(row_height, height);
    }
}

int TForm11::ChosenClub() const {
    for (const Division& d : divisions_)
        for (std::size_t j = 0; j < d.buttons.size(); ++j)
            if (d.buttons[j]->Checked() && d.buttons[j]->Enabled()) return d.clubs[j];
    return -1;
}

void TForm11::ClubTaken(int club) {
    for (Division& d : divisions_)
        for (std::size_t j = 0; j < d.buttons.size(); ++j)
            if (d.clubs[j] == club) {
                d.buttons[j]->SetChecked(false);
                d.buttons[j]->SetEnabled(false);
            }
}

TForm56::TForm56() : ClubChoiceWindow("Form56", kForm56Layout) {
    crests_ = &AddComponent<ImageList>("ImageList1");
    crests_->width = 18;
    crests_->height = 18;
    Open();
    DoCreate();
}

ComboBox* TForm56::DivisionList(int list) const {
    if (list < 1 || list > static_cast<int>(lists_.size())) return nullptr;
    return lists_[list - 1];
}

void TForm56::ShowLists(const std::vector<ClubChoiceList>& lists) {
    for (ComboBox* list : lists_) list->Free();
    lists_.clear();
    clubs_.clear();
    crests_->Clear();
    const double scale = static_cast<double>(ClientWidth()) / kBaseWidth;
    auto scaled = [scale](int v) { return static_cast<int>(v * scale + 0.5); };
    const GameData& world = *Setup().world;
    for (std::size_t n = 0; n < lists.size(); ++n) {
        ComboBox& combo = Add<ComboBox>("ComboDivisao" + std::to_string(n + 1));
        combo.SetBounds(scaled(20 + static_cast<int>(n % 2) * 390),
                        scaled(140 + static_cast<int>(n / 2) * 40), scaled(360), scaled(21));
        std::vector<std::string> items{lists[n].heading};
        std::vector<int> images{-1};
        for (const int club : lists[n].clubs) {
            // The club's crest, or no picture when its file is missing.
            Picture crest;
            const std::string path = BuildCrestPath(world, club);
            images.push_back(!path.empty() && crest.LoadFromFile(path) ? crests_->Add(crest) : -1);
            const t_team& team = world.teams[club];
            std::string caption = team.name.str();
            for (int k = 0; k < kHumanSlots; ++k)
                if (team.human && world.game_state.human_clubs[k] == club)
                    caption = "[" + world.human_coach_names[k].str() + "]";
            items.push_back(std::move(caption));
        }
        combo.images = crests_;
        combo.SetItems(std::move(items), std::move(images));
        combo.SetItemIndex(0);
        const int list = static_cast<int>(n);
        combo.on_change = [this, list] { ListChange(list); };
        lists_.push_back(&combo);
        clubs_.push_back(lists[n].clubs);
    }
}

void TForm56::ListChange(int list) {
    // Choosing in one division resets the others to their headings.
    for (int n = 0; n < static_cast<int>(lists_.size()); ++n)
        if (n != list) lists_[n]->SetItemIndex(0);
    ClubChosen();
}

int TForm56::ChosenClub() const {
    for (std::size_t n = 0; n < lists_.size(); ++n) {
        const int item = lists_[n]->ItemIndex();
        if (item >= 1 && item <= static_cast<int>(clubs_[n].size())) return clubs_[n][item - 1];
    }
    return -1;
}

void TForm56::ClubTaken(int club) {
    for (std::size_t n = 0; n < lists_.size(); ++n)
        for (std::size_t k = 0; k < clubs_[n].size(); ++k)
            if (clubs_[n][k] == club) {
                // The entry shows whose club it now is.
                std::vector<std::string> items = lists_[n]->Items();
                std::vector<int> images;
                for (int i = 0; i < lists_[n]->Count(); ++i)
                    images.push_back(lists_[n]->ItemImage(i));
                items[k + 1] = "[" + ControlNamed<Edit>(*this, "Edit1").Text() + "]";
                lists_[n]->SetItems(std::move(items), std::move(images));
                lists_[n]->SetItemIndex(0);
            }
}

}  // namespace kv
