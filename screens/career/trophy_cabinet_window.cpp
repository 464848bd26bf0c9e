#include "screens/career/trophy_cabinet_window.h"

#include "core/display_names.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/career/trophy_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/club_record.h"

namespace kv {
namespace {

constexpr int kTrophySlots = 7;
constexpr int kTrophyTop = 120;

const std::initializer_list<LayoutProperty> kHiddenLabel = {
    {"AutoSize", "False"}, {"Visible", "False"}, {"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kHiddenCount = {{"AutoSize", "False"},
                                                            {"Visible", "False"},
                                                            {"Transparent", "True"},
                                                            {"Alignment", "taCenter"}};

#define KV_TROPHY_SLOT(n)                                                      \
    {.name = "trofeu" #n,                                                      \
     .class_name = "TImage",                                                   \
     .bounds = {0, kTrophyTop, 70, 110},                                       \
     .properties = {{"Visible", "False"}, {"Transparent", "True"}}},           \
        {.name = "lab" #n,                                                     \
         .class_name = "TLabel",                                               \
         .bounds = {0, 100, 85, 16},                                           \
         .font = {"Tahoma", 8, fsBold, clYellow},                              \
         .properties = kHiddenLabel},                                          \
    {                                                                          \
        .name = "labc" #n, .class_name = "TLabel", .bounds = {0, 236, 70, 14}, \
        .font = {"Tahoma", 9, fsBold, clWhite}, .properties = kHiddenCount     \
    }

const LayoutControl kControls[] = {
    {.name = "escudoimg",
     .class_name = "TImage",
     .bounds = {12, 6, 44, 44},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {64, 8, 250, 18},
     .caption = "Galeria de Troféus",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {64, 28, 400, 18},
     .font = {"Tahoma", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {0, 150, 580, 16},
     .caption = "(galeria de troféus vazia)",
     .font = {"Tahoma", 9, 0, clWhite},
     .properties = {{"AutoSize", "False"},
                    {"Visible", "False"},
                    {"Alignment", "taCenter"},
                    {"Transparent", "True"}}},
    KV_TROPHY_SLOT(1),
    KV_TROPHY_SLOT(2),
    KV_TROPHY_SLOT(3),
    KV_TROPHY_SLOT(4),
    KV_TROPHY_SLOT(5),
    KV_TROPHY_SLOT(6),
    KV_TROPHY_SLOT(7),
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {548, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "0"}}},
};
#undef KV_TROPHY_SLOT

std::string NationalTrophy(const char* prefix, int country) {
    switch (country) {
        case 29:
            return std::string(prefix) + "bra";
        case 97:
            return std::string(prefix) + "eng";
        case 104:
            return std::string(prefix) + "ita";
        case 65:
            return std::string(prefix) + "esp";
        default:
            return std::string(prefix) + "gen";
    }
}

}  // namespace

const WindowLayout kForm74Layout = {
    .name = "Form74",
    .class_name = "TForm74",
    .client_width = 580,
    .client_height = 262,
    .caption = "Troféus",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poDesktopCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm74::TForm74(int club) : Form("Form74") {
    BuildWindowLayout(*this, kForm74Layout);
    TileGameBackground(*this);
    CloseOnEscape(*this);
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };
    const GameData& data = Game();
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    const t_team& team = data.teams[club];
    if (const std::string crest = BuildCrestPath(club); !crest.empty())
        ControlNamed<Image>(*this, "escudoimg").LoadFromFile(crest);
    ControlNamed<Label>(*this, "Label1").SetCaption(team.name.str());

    const TitleCounters t = CountTitles(data, club);
    const int state_titles = team.state_titles;
    const ContinentalCupNames cups = ContinentalCupNamesOf(team.country);
    // Super cups alone leave the cabinet empty.
    if (t[0] <= 0 && t[1] <= 0 && state_titles <= 0 && t[3] <= 0 && t[4] <= 0 && t[5] <= 0) {
        ControlNamed<Label>(*this, "Label2").Show();
        return;
    }
    const TContinent continent = ContinentOfCountry(team.country);
    const bool south = continent == ctSouthAmerica;
    int x = 22;
    if (t[4] > 0) Place("tr_mundial", "Mundial", t[4], 0, x, 12);
    if (t[3] > 0) {
        const char* picture = south                   ? "tr_lib"
                              : continent == ctEurope ? "tr_cl"
                              : continent == ctAfrica ? "tr_cafr"
                                                      : "tr_casi";
        Place(picture, cups.first, t[3], 0, x, south ? 17 : 15);
    }
    if (t[5] > 0) Place(south ? "tr_sul" : "tr_uefa", cups.second, t[5], south ? 5 : 0, x, 15);
    if (t[9] > 0) Place(south ? "tr_recopas" : "tr_recopae", "Recopa", t[9], south ? 5 : 0, x, 15);
    if (t[0] > 0)
        Place(NationalTrophy("tr_nac", team.country), NationalityAdjective(team.country), t[0], 0,
              x, 15);
    if (t[1] > 0) {
        const std::string picture = NationalTrophy("tr_copa", team.country);
        Place(picture, "C. " + CountryWithArticle(team.country), t[1],
              picture == "tr_copabra" ? -5 : 0, x, 15);
    }
    if (state_titles > 0) {
        const std::string name = team.state >= 0 && team.state < kStateCount
                                     ? std::string(state_adjectives[team.state])
                                     : std::string();
        Place("tr_estadual", name, state_titles, 0, x, 15);
    }
}

void TForm74::Place(const std::string& picture_name, const std::string& name, int count,
                    int x_offset, int& x, int gap) {
    if (static_cast<int>(trophies_.size()) >= kTrophySlots) return;
    trophies_.push_back(picture_name);
    const std::string n = std::to_string(trophies_.size());
    const Picture& picture = TrophyPicture(picture_name);
    const int left = x + x_offset;
    auto& image = ControlNamed<Image>(*this, "trofeu" + n);
    image.SetPicture(picture);
    image.SetBounds(left, kTrophyTop, picture.width(), picture.height());
    image.hint = picture_name;
    image.Show();
    auto& label = ControlNamed<Label>(*this, "lab" + n);
    label.SetCaption(name);
    label.SetBounds(left, label.Top(), picture.width() + 15, label.Height());
    label.Show();
    auto& count_label = ControlNamed<Label>(*this, "labc" + n);
    count_label.SetCaption("[" + std::to_string(count) + "]");
    count_label.SetBounds(left, count_label.Top(), picture.width(), count_label.Height());
    count_label.Show();
    x = x + picture.width() + gap;
}

void ShowTrophyCabinet(int club) {
    auto& form = Screen::Get().Create<TForm74>(club);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
