#include "screens/club/referee_card_window.h"

#include <string>

#include "core/game_data.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/progress_cyl.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kCaption = {{"AutoSize", "False"}};
constexpr LayoutFont kBold = {"Arial", 9, fsBold, clWindowText};

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 10, 280, 20},
     .font = {"Arial", 11, fsBold, clNavy},
     .properties = kCaption},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 48, 70, 16},
     .caption = "Técnica:",
     .font = kBold,
     .properties = kCaption},
    {.name = "gp1", .class_name = "TProgressCyl", .bounds = {86, 44, 160, 22}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {256, 48, 36, 16},
     .font = kBold,
     .properties = kCaption},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 88, 70, 16},
     .caption = "Rigor:",
     .font = kBold,
     .properties = kCaption},
    {.name = "gp2", .class_name = "TProgressCyl", .bounds = {86, 84, 160, 22}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {256, 88, 36, 16},
     .font = kBold,
     .properties = kCaption},
};

}  // namespace

const WindowLayout kForm80Layout = {
    .name = "Form80",
    .class_name = "TForm80",
    .client_width = 305,
    .client_height = 130,
    .caption = "Árbitro",
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"BorderStyle", "bsDialog"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterProgressBarClasses,
};

TForm80::TForm80(int viewed_referee) : Form("Form80") {
    BuildWindowLayout(*this, kForm80Layout);
    AnswerWindowKeys(
        *this,
        {.escape = EndWith(*this, mrOk), .enter = EndWith(*this, mrOk), .before_controls = true});
    // A number that names no referee gets a blank card.
    const bool known = viewed_referee >= 1 && viewed_referee <= kRefereeCount;
    const arbitro_ referee = known ? Game().referees[viewed_referee - 1] : arbitro_{};
    ControlNamed<Label>(*this, "Label1").SetCaption(referee.name.str());
    auto bar = [this, known](const char* name, const char* label, int value) {
        auto& cyl = ControlNamed<TProgressCyl>(*this, name);
        cyl.SetMax(5);
        cyl.SetPosition(value);
        cyl.SetShowText(false);
        cyl.SetTextDone("");
        ControlNamed<Label>(*this, label).SetCaption(known ? std::to_string(value) : "");
    };
    bar("gp1", "Label4", referee.technique);
    bar("gp2", "Label5", referee.strictness);
    DoCreate();
}

void ShowRefereeCard(int viewed_referee) {
    if (viewed_referee < 1 || viewed_referee > kRefereeCount) return;
    TForm80& form = Screen::Get().Create<TForm80>(viewed_referee);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
