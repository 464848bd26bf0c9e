#include "screens/career/job_offer_window.h"

#include <string>

#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "platform/window/radio_button.h"
#include "platform/window/screen.h"
#include "screens/main/main_window.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "season/job_offers.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kText = {{"AutoSize", "False"},
                                                     {"Transparent", "True"}};
constexpr LayoutFont kBody = {"Arial", 9, fsBold, clWhite};
constexpr LayoutFont kChoice = {"Arial", 9, fsBold, clYellow};

const LayoutControl kControls[] = {
    {.name = "Shape5",
     .class_name = "TShape",
     .bounds = {0, 0, 620, 40},
     .properties = {{"BrushColor", "$00400000"}, {"PenColor", "$00400000"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {12, 9, 330, 22},
     .caption = "Convite para ser técnico",
     .font = {"Arial", 13, fsBold, clYellow},
     .properties = kText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {350, 11, 258, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"},
                    {"Transparent", "True"},
                    {"Alignment", "taRightJustify"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 48, 596, 16},
     .caption = "Os clubes abaixo lhe convidaram para ser técnico, deseja aceitar algum convite?",
     .font = kBody,
     .properties = kText},
    {.name = "image0",
     .class_name = "TImage",
     .bounds = {14, 72, 20, 20},
     .properties = {{"Stretch", "True"}}},
    {.name = "r1",
     .class_name = "TRadioButton",
     .bounds = {40, 73, 420, 18},
     .font = kChoice,
     .properties = {{"Visible", "False"}, {"Tag", "1"}, {"TabOrder", "0"}}},
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {14, 96, 20, 20},
     .properties = {{"Stretch", "True"}}},
    {.name = "r2",
     .class_name = "TRadioButton",
     .bounds = {40, 97, 420, 18},
     .font = kChoice,
     .properties = {{"Visible", "False"}, {"Tag", "2"}, {"TabOrder", "1"}}},
    {.name = "Image2",
     .class_name = "TImage",
     .bounds = {14, 120, 20, 20},
     .properties = {{"Stretch", "True"}}},
    {.name = "r3",
     .class_name = "TRadioButton",
     .bounds = {40, 121, 420, 18},
     .font = kChoice,
     .properties = {{"Visible", "False"}, {"Tag", "3"}, {"TabOrder", "2"}}},
    {.name = "Image3",
     .class_name = "TImage",
     .bounds = {14, 144, 20, 20},
     .properties = {{"Stretch", "True"}}},
    {.name = "r4",
     .class_name = "TRadioButton",
     .bounds = {40, 145, 420, 18},
     .font = kChoice,
     .properties = {{"Visible", "False"}, {"Tag", "4"}, {"TabOrder", "3"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {12, 168, 596, 32},
     .caption = "Plantel do time:",
     .font = kBody,
     .properties = kText},
    {.name = "ljog",
     .class_name = "TListView",
     .bounds = {12, 204, 596, 220},
     .properties = {{"TabOrder", "4"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {12, 436, 120, 28},
     .caption = "Classificação",
     .properties = {{"TabOrder", "7"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {358, 436, 120, 28},
     .caption = "Rejeitar todos",
     .properties = {{"TabOrder", "6"}}},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {488, 436, 120, 28},
     .caption = "Assumir time",
     .properties = {{"TabOrder", "5"}}},
};

constexpr const char* kChoices[] = {"r1", "r2", "r3", "r4"};
constexpr const char* kCrests[] = {"image0", "Image1", "Image2", "Image3"};

// The small star that marks a star player's row.
Picture StarPicture() {
    Picture star(16, 16);
    Canvas canvas(star);
    canvas.pen.color = TColor(0x0000A0C0);
    canvas.brush.color = clYellow;
    canvas.Polygon(
        {{8, 1}, {10, 6}, {15, 6}, {11, 9}, {13, 14}, {8, 11}, {3, 14}, {5, 9}, {1, 6}, {6, 6}});
    return star;
}

bool ClubHasLeague(const GameData& data, int club) {
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return false;
    for (const t_league_config& config : data.league_configs)
        if (config.country == data.teams[club].country) return true;
    return false;
}

}  // namespace

const WindowLayout kForm30Layout = {
    .name = "Form30",
    .class_name = "TForm30",
    .client_width = 620,
    .client_height = 476,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00602010),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm30::TForm30() : Form("Form30") {
    BuildWindowLayout(*this, kForm30Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.before_controls = true});
    const GameData& data = Game();
    const int coach = data.game_state.current_coach;
    if (coach >= 0 && coach < static_cast<int>(data.coaches.size()))
        ControlNamed<Label>(*this, "Label2").SetCaption(data.coaches[coach].name.str());

    auto& list = ControlNamed<ListView>(*this, "ljog");
    star_images_ = &AddComponent<ImageList>("ImageList1");
    star_images_->Add(Picture(16, 16));
    star_images_->Add(StarPicture());
    list.small_images = star_images_;
    list.row_select = true;
    list.AddColumn("P", 40);
    list.AddColumn("Nome", 130);
    list.AddColumn("Força", 44, taRightJustify);
    list.AddColumn("Energia", 54, taRightJustify);
    list.AddColumn("Salário", 80, taRightJustify);
    list.AddColumn("Passe", 84, taRightJustify);
    list.AddColumn("Característica", 90);
    list.AddColumn("Idade", 40, taRightJustify);

    for (int place = 0; place < 4; ++place) {
        const int club = data.job_offers[place];
        const bool shown = place == 0 ? club >= 0 && club < static_cast<int>(data.teams.size())
                                      : ClubHasLeague(data, club);
        if (!shown) continue;
        auto& choice = ControlNamed<RadioButton>(*this, kChoices[place]);
        choice.SetCaption(JobOfferCaption(data, club));
        choice.SetVisible(true);
        choice.on_click = [this, place] { ShowSquad(place); };
        auto& crest = ControlNamed<Image>(*this, kCrests[place]);
        const std::string path = BuildCrestPath(data, club);
        if (!path.empty()) crest.LoadFromFile(path);
    }
    if (ControlNamed<RadioButton>(*this, "r1").Visible())
        ControlNamed<RadioButton>(*this, "r1").SetChecked(true);

    ControlNamed<Control>(*this, "bt3").on_click = [this] { bt3Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrNo); };
    ControlNamed<Control>(*this, "bt2").on_click = [] {
        if (auto& tables = MainWindowOpener("TForm36")) {
            BusyCursor busy;
            tables();
        }
    };
    DoCreate();
}

void TForm30::ShowSquad(int place) {
    const GameData& data = Game();
    const int club = data.job_offers[place];
    auto& list = ControlNamed<ListView>(*this, "ljog");
    list.Clear();
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    ControlNamed<Label>(*this, "Label6").SetCaption("\nPlantel - " + data.teams[club].name.str());
    auto abbrev = [](int c) {
        return c >= 0 && c < static_cast<int>(characteristic_abbrevs.size())
                   ? std::string(characteristic_abbrevs[c])
                   : std::string();
    };
    for (int position = 0; position < 5; ++position)
        for (int p = 1; p < static_cast<int>(data.players.size()); ++p) {
            const t_player& player = data.players[p];
            if (player.team != club || player.position != position) continue;
            list.AddItem(std::string(1, position_names[position][0]),
                         {player.name.str(), std::to_string(player.strength),
                          std::to_string(player.energy) + "%",
                          FormatDigitGroups(MoneyToWholeUnits(player.wage)),
                          FormatDigitGroups(MoneyToWholeUnits(player.value)),
                          abbrev(player.characteristic1) + "/" + abbrev(player.characteristic2),
                          std::to_string(player.age)},
                         player.star ? 1 : -1);
        }
}

void TForm30::bt3Click() {
    GameData& data = Game();
    for (int place = 0; place < 4; ++place) {
        if (!ControlNamed<RadioButton>(*this, kChoices[place]).Checked()) continue;
        const int club = data.job_offers[place];
        if (club < 0) return;
        AcceptJobOffer(data, data.game_state.current_coach, club);
        SetModalResult(mrYes);
        return;
    }
}

bool ShowJobOfferWindow() {
    TForm30& form = Screen::Get().Create<TForm30>();
    const bool taken = form.ShowModal() == mrYes;
    form.Release();
    ClearJobOffers(Game());
    return taken;
}

}  // namespace kv
