#include "screens/main/dismissal_window.h"

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/main/main_window_texts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kWhiteText = {{"AutoSize", "False"},
                                                          {"Transparent", "True"}};
const LayoutFont kBody = {"Arial", 10, fsBold, clWhite};

const LayoutControl kControls[] = {
    {.name = "Shape5",
     .class_name = "TShape",
     .bounds = {0, 0, 530, 40},
     .properties = {{"BrushColor", "$00000080"}, {"PenColor", "$00000080"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 8, 200, 24},
     .caption = "Demitido!",
     .font = {"Arial", 14, fsBold, clYellow},
     .properties = kWhiteText},
    {.name = "escudo",
     .class_name = "TImage",
     .bounds = {470, 2, 36, 36},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Shape1",
     .class_name = "TShape",
     .bounds = {8, 48, 514, 190},
     .properties = {{"BrushStyle", "bsClear"}, {"PenColor", "$00000080"}, {"PenWidth", "3"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {20, 58, 490, 18},
     .font = kBody,
     .properties = kWhiteText},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {20, 80, 490, 73},
     .font = kBody,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {20, 160, 490, 18},
     .font = kBody,
     .properties = kWhiteText},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {20, 186, 490, 18},
     .caption = "Espere agora que outro time resolva contratá-lo.",
     .font = kBody,
     .properties = kWhiteText},
    {.name = "schemebutton2",
     .class_name = "TUiGlowButton",
     .bounds = {400, 248, 120, 28},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "0"}}},
};

}  // namespace

const WindowLayout kForm31Layout = {
    .name = "Form31",
    .class_name = "TForm31",
    .client_width = 530,
    .client_height = 284,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm31::TForm31(int club, int coach, int successor, DismissalReason reason) : Form("Form31") {
    BuildWindowLayout(*this, kForm31Layout);
    TileGameBackground(*this);
    const GameData& data = Game();
    const bool known = club >= 0 && club < static_cast<int>(data.teams.size());
    auto coach_name = [&data](int c) {
        return c >= 0 && c < static_cast<int>(data.coaches.size()) ? data.coaches[c].name.str()
                                                                   : std::string();
    };
    if (known) {
        const std::string crest = BuildCrestPath(club);
        if (!crest.empty()) ControlNamed<Image>(*this, "escudo").LoadFromFile(crest);
    }
    ControlNamed<Label>(*this, "Label3").SetCaption(coach_name(coach));
    if (known)
        ControlNamed<Label>(*this, "Label4").SetCaption(DismissalText(data, club, coach, reason));
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(successor >= 0 ? "Para seu lugar foi contratado " + coach_name(successor)
                                   : std::string());
    ControlNamed<TUiGlowButton>(*this, "schemebutton2").on_click = [this] { SetModalResult(mrOk); };
    AnswerWindowKeys(
        *this,
        {.escape = EndWith(*this, mrOk), .enter = EndWith(*this, mrOk), .before_controls = true});
    DoCreate();
}

void ShowDismissalScreen(int club, int coach, int successor, DismissalReason reason) {
    TForm31& form = Screen::Get().Create<TForm31>(club, coach, successor, reason);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
