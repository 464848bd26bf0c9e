#include "screens/career/coach_changes_window.h"

#include <algorithm>

#include "core/game_data.h"
#include "platform/window/screen.h"
#include "screens/career/career_lists.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/coach_dismissals.h"
#include "ui/controls/control_classes.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

void RegisterCoachChangesClasses() {
    RegisterMarkupControlClasses();
    RegisterSmoothControlClasses();
}

constexpr int kRowHeight = 20;

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 10, 400, 24},
     .caption = "Demissões na rodada!",
     .font = {"Arial", 14, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label2",
     .class_name = "TMarkupLabel",
     .bounds = {14, 42, 660, 16},
     .font = {"Arial", 8, fsBold, clWhite}},
    {.name = "ScrollBox1",
     .class_name = "TScrollBox",
     .bounds = {12, 60, 676, 240},
     .properties = {{"TabOrder", "1"}}},
    {.name = "p_camp",
     .class_name = "TUiSmoothPanel",
     .parent = "ScrollBox1",
     .bounds = {0, 0, 650, 220},
     .font = {"Arial", 8, fsBold, clWindowText}},
    {.name = "schemebutton2",
     .class_name = "TUiGlowButton",
     .bounds = {568, 310, 120, 28},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "0"}}},
};

std::string CoachName(const GameData& data, int coach) {
    return coach >= 0 && coach < static_cast<int>(data.coaches.size())
               ? data.coaches[coach].name.str()
               : std::string();
}

}  // namespace

std::string CoachChangeRows(const GameData& data, const std::vector<t_coach_dismissal>& changes,
                            MarkupPictureList& crests) {
    std::string rows;
    for (const t_coach_dismissal& change : changes) {
        const bool known = change.team >= 0 && change.team < static_cast<int>(data.teams.size());
        const std::string club = known ? data.teams[change.team].name.str() : std::string();
        std::string crest;
        if (Picture picture = known ? CrestThumbnail(change.team, 18) : Picture{};
            !picture.empty()) {
            crests.Add(std::move(picture));
            crest = "idx:" + std::to_string(crests.Count() - 1);
        }
        rows += "<FONT color=\"#008040\"><IMG src=\"" + crest + "\"><IND x=\"22\">" + club +
                "<IND x=\"172\">" + CoachName(data, change.old_coach) + "<IND x=\"340\">" +
                CoachName(data, change.new_coach) + "<IND x=\"500\">" +
                std::string(DismissalReasonText(change.reason)) + "</FONT><br>";
    }
    return rows;
}

const WindowLayout kForm57Layout = {
    .name = "Form57",
    .class_name = "TForm57",
    .client_width = 700,
    .client_height = 350,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00602010),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterCoachChangesClasses,
};

TForm57::TForm57(const std::vector<t_coach_dismissal>& changes) : Form("Form57") {
    BuildWindowLayout(*this, kForm57Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(
        *this,
        {.escape = EndWith(*this, mrOk), .enter = EndWith(*this, mrOk), .before_controls = true});
    // The header on the rows' own columns.
    ControlNamed<TMarkupLabel>(*this, "Label2")
        .SetHTMLText(
            "<IND x=\"22\">Clube<IND x=\"172\">Técnico Demitido<IND x=\"340\">"
            "Substituto<IND x=\"500\">Motivo");
    auto& rows = ControlNamed<TUiSmoothPanel>(*this, "p_camp");
    // Taller than the box once the rows need it, so the box scrolls.
    const int height = static_cast<int>(changes.size()) * kRowHeight + 40;
    rows.SetBounds(rows.Left(), rows.Top(), rows.Width(), std::max(rows.Height(), height));
    rows.SetImages(&crests_);
    rows.Caption().SetHTMLText(CoachChangeRows(Game(), changes, crests_));
    ControlNamed<Control>(*this, "schemebutton2").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

void ShowCoachChangesWindow(const std::vector<t_coach_dismissal>& changes) {
    TForm57& form = Screen::Get().Create<TForm57>(changes);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
