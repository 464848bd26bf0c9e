#include "screens/career/roll_of_honour_window.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/combo_box.h"
#include "platform/window/screen.h"
#include "platform/window/scroll_box.h"
#include "screens/career/career_lists.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/roll_of_honour.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;
constexpr int kLineHeight = 20;

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 18},
     .caption = "Campeões",
     .font = kCareerTitleFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 38, 28, 14},
     .caption = "Ver:",
     .font = kCareerTextFont,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combo1",
     .class_name = "TUiComboBox",
     .bounds = {42, 34, 190, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "combopais",
     .class_name = "TUiComboBox",
     .bounds = {240, 34, 160, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "combo2",
     .class_name = "TUiComboBox",
     .bounds = {408, 34, 160, 21},
     .properties = {{"TabOrder", "2"}, {"Visible", "False"}}},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .bounds = {14, 62, 740, 16},
     .caption = "<b>Ano<IND x=\"45\">Campeão<IND x=\"192\">Vice-Campeão<IND x=\"330\">"
                "Artilheiro<IND x=\"580\">Técnico Campeão</b>",
     .font = {"Tahoma", 8, 0, clYellow},
     .properties = {{"Transparent", "True"}}},
    {.name = "ScrollBox1", .class_name = "TScrollBox", .bounds = {12, 80, 756, 400}},
    {.name = "p_camp",
     .class_name = "TUiSmoothPanel",
     .parent = "ScrollBox1",
     .bounds = {0, 0, 736, 400},
     .font = {"Tahoma", 8, 0, clBlack}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {744, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "3"}}},
};

}  // namespace

const WindowLayout kForm29Layout = {
    .name = "Form29",
    .class_name = "TForm29",
    .client_width = 780,
    .client_height = 492,
    .caption = "Campeões",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kCareerBackground,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterCareerWindowClasses,
};

TForm29::TForm29() : Form("Form29") {
    BuildWindowLayout(*this, kForm29Layout);
    TileGameBackground(*this);
    // A list this large takes the whole of a screen of 800x600 or less.
    if (ScreenSizeClass() < 2) FillScreen(*this);
    AnswerWindowKeys(*this, {.escape = [this] { Close(); },
                             .enter = [this] { Close(); },
                             .swallow_alt_f4 = false,
                             .before_controls = true});
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Close(); };
    Competitions().on_change = [this] { combo1Change(); };
    Countries().on_change = [this] { combopaisChange(); };
    States().on_change = [this] { combo2Change(); };

    const GameData& data = Game();
    const int user = data.game_state.user_club;
    const bool has_user = user >= 0 && user < static_cast<int>(data.teams.size());
    league_ =
        std::max(0, FillLeagueCombo(Countries(), has_user ? data.teams[user].country : kBrazil));
    if (data.game_state.state_leagues_on) {
        int chosen = 0;
        for (int s = 0; s < kStateCount; ++s) {
            if (!data.state_leagues[s].active) continue;
            if (has_user && data.teams[user].state == s) chosen = static_cast<int>(states_.size());
            States().AddItem(std::string(state_adjectives[s]));
            states_.push_back(s);
        }
        if (!states_.empty()) States().SetItemIndex(chosen);
    }
    for (int n = 0; n < static_cast<int>(flag_pictures().size()); ++n)
        flags_.Add(flag_pictures()[n]);
    FillCompetitionList();
    ShowCompetition();
}

ComboBox& TForm29::Competitions() {
    return ControlNamed<ComboBox>(*this, "combo1");
}
ComboBox& TForm29::Countries() {
    return ControlNamed<ComboBox>(*this, "combopais");
}
ComboBox& TForm29::States() {
    return ControlNamed<ComboBox>(*this, "combo2");
}

void TForm29::FillCompetitionList() {
    const GameData& data = Game();
    const t_game_state& gs = data.game_state;
    const int index = Competitions().ItemIndex();
    const int previous_kind =
        index >= 0 && index < static_cast<int>(entries_.size()) ? entries_[index].kind : -1;
    entries_.clear();
    Competitions().Clear();
    auto add = [this](const std::string& caption, Entry entry) {
        Competitions().AddItem(caption);
        entries_.push_back(entry);
    };
    const int divisions = league_ < static_cast<int>(data.league_configs.size())
                              ? data.league_configs[league_].division_count
                              : 1;
    add("Nacional - 1ª divisão", {ckNationalLeague, league_, 1});
    if (divisions >= 2) add("Nacional - 2ª divisão", {ckNationalLeague, league_, 2});
    if (divisions >= 3) add("Nacional - 3ª divisão", {ckNationalLeague, league_, 3});
    if (OffersFourthDivision(data, league_))
        add("Nacional - 4ª divisão", {ckNationalLeague, league_, 4});
    if (gs.national_cup_on) add("Copa", {ckNationalCup, league_, -1});
    if (gs.state_leagues_on) add("Estadual", {ckStateChampionship, -1, -1});
    if (gs.continental_cup_on) {
        add("Libertadores", {ckContinentalCup, 29, -1});
        add("Liga dos Campeões", {ckContinentalCup, 3, -1});
        add(std::string(continental_cup_names[2]), {ckContinentalCup, 1, -1});
        add(std::string(continental_cup_names[3]), {ckContinentalCup, 49, -1});
    }
    if (gs.second_continental_cup_on) {
        add("Sul-Americana", {ckSecondContinentalCup, 29, -1});
        add("Liga Europa da UEFA", {ckSecondContinentalCup, 3, -1});
    }
    if (gs.continental_cup_on && gs.second_continental_cup_on && gs.season > 2) {
        add("Recopa Sul-Americana", {10, 29, -1});
        add("Recopa Europeia", {10, 3, -1});
    }
    if (gs.continental_cup_on) add("Mundial de Clubes", {5, -1, -1});
    if (gs.world_cup_on) add("Copa do Mundo", {7, -1, -1});
    if (gs.copa_america_on) add("Copa América", {8, -1, -1});
    if (gs.euro_on) add("Eurocopa", {9, -1, -1});
    int select = 0;
    if (previous_kind == ckNationalCup)
        for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
            if (entries_[i].kind == ckNationalCup) select = i;
    Competitions().SetItemIndex(select);
}

void TForm29::combo1Change() {
    ShowCompetition();
}

void TForm29::combopaisChange() {
    league_ = std::max(0, Countries().ItemIndex());
    FillCompetitionList();
    ShowCompetition();
}

void TForm29::combo2Change() {
    ShowCompetition();
}

std::string TForm29::TeamPicture(int team, bool national) {
    const GameData& data = Game();
    if (team < 0 || team >= static_cast<int>(data.teams.size())) return "";
    if (national) return "<IMG src=\"idx:" + std::to_string(data.teams[team].country) + "\">";
    Picture crest = CrestThumbnail(team, 18);
    if (crest.empty()) return "";
    crests_.Add(std::move(crest));
    return "<IMG src=\"idx:" + std::to_string(crests_.Count() - 1) + "\">";
}

void TForm29::ShowCompetition() {
    BusyCursor busy;
    const GameData& data = Game();
    const int index = Competitions().ItemIndex();
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    const Entry e = entries_[index];
    const bool national = e.kind >= 7 && e.kind <= 9;
    States().SetVisible(e.kind == ckStateChampionship);
    Countries().SetVisible((e.kind == ckNationalLeague || e.kind == ckNationalCup) &&
                           data.league_configs.size() > 1);
    int competition = 0;
    if (e.kind == ckStateChampionship) {
        const int i = States().ItemIndex();
        if (i >= 0 && i < static_cast<int>(states_.size()))
            competition = FindCompetitionId(data, e.kind, 0, 0, states_[i], 1);
    } else if (e.kind == ckNationalLeague || e.kind == ckNationalCup) {
        if (e.area < static_cast<int>(data.league_configs.size()))
            competition = FindCompetitionId(data, e.kind, data.league_configs[e.area].country,
                                            e.division, -1, -1);
    } else if (e.kind == 4 || e.kind == 6 || e.kind == 10) {
        competition = FindCompetitionId(data, e.kind, e.area, -1, -1, -1);
    } else {
        competition = FindCompetitionId(data, e.kind, -1, -1, -1, -1);
    }
    shown_competition_ = competition;

    auto name = [&](int team) {
        return team >= 0 && team < static_cast<int>(data.teams.size()) ? data.teams[team].name.str()
                                                                       : std::string();
    };
    std::string text;
    const auto lines = RollOfHonour(data, competition);
    for (const t_honour_line& line : lines) {
        text += "<FONT color=\"#008040\">" + std::to_string(2013 + line.season);
        text += "<IND x=\"38\">" + TeamPicture(line.champion, national) + "<IND x=\"45\">" +
                name(line.champion);
        text += "<IND x=\"185\">" + TeamPicture(line.runner_up, national) + "<IND x=\"192\">" +
                name(line.runner_up);
        text += national ? "<IND x=\"338\">" : "<IND x=\"330\">";
        if (line.scorer_entry >= 0) {
            const t_top_scorer& s = data.top_scorers[line.scorer_entry];
            const std::string player =
                s.player >= 0 && s.player < static_cast<int>(data.players.size())
                    ? data.players[s.player].name.str()
                    : std::string();
            text += national ? player + " - " : player + " (" + name(s.team) + ") - ";
            text += std::to_string(s.goals) + " gols";
        }
        text += "<IND x=\"580\">" + line.coach + "</FONT><br>";
    }
    text_ = text;
    auto& panel = ControlNamed<TUiSmoothPanel>(*this, "p_camp");
    panel.SetImages(national ? static_cast<const MarkupImageList*>(&flags_) : &crests_);
    const int needed = static_cast<int>(lines.size()) * kLineHeight;
    panel.SetHeight(needed > 400 ? needed + 40 : 400);
    panel.Caption().SetHTMLText(text_);
    ControlNamed<ScrollBox>(*this, "ScrollBox1").SetScrollPos(0);
}

void ShowRollOfHonourWindow() {
    auto& form = CreateWhileBusy<TForm29>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
