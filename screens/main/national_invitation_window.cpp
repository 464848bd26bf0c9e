#include "screens/main/national_invitation_window.h"

#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/types.h"
#include "game/national_team_turn.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/radio_button.h"
#include "platform/window/screen.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kPlainText = {{"AutoSize", "False"},
                                                          {"Transparent", "True"}};
// The choices come first in the tab order, then the buttons.
const std::initializer_list<LayoutProperty> kChoiceProperties[] = {
    {{"Transparent", "True"}, {"TabOrder", "0"}}, {{"Transparent", "True"}, {"TabOrder", "1"}},
    {{"Transparent", "True"}, {"TabOrder", "2"}}, {{"Transparent", "True"}, {"TabOrder", "3"}},
    {{"Transparent", "True"}, {"TabOrder", "4"}}, {{"Transparent", "True"}, {"TabOrder", "5"}},
    {{"Transparent", "True"}, {"TabOrder", "6"}}, {{"Transparent", "True"}, {"TabOrder", "7"}}};
const std::initializer_list<LayoutProperty> kStretch = {{"Stretch", "True"}};
const LayoutFont kBody = {"Arial", 10, fsBold, clWhite};

LayoutControl Choice(const char* name, int n) {
    return {.name = name,
            .class_name = "TRadioButton",
            .bounds = {60, 92 + 26 * n, 300, 20},
            .font = kBody,
            .properties = kChoiceProperties[n]};
}
LayoutControl Flag(const char* name, int n) {
    return {.name = name,
            .class_name = "TImage",
            .bounds = {34, 93 + 26 * n, 18, 18},
            .properties = kStretch};
}

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {16, 12, 448, 22},
     .caption = "Escolha da seleção para treinar na Copa do Mundo",
     .font = {"Arial", 12, fsBold, clYellow},
     .properties = kPlainText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {16, 40, 448, 44},
     .font = kBody,
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}}},
    Choice("r1", 0),
    Choice("r2", 1),
    Choice("r3", 2),
    Choice("r4", 3),
    Choice("r5", 4),
    Choice("r6", 5),
    Choice("r7", 6),
    Choice("r8", 7),
    Flag("image0", 0),
    Flag("Image1", 1),
    Flag("Image2", 2),
    Flag("Image3", 3),
    Flag("Image4", 4),
    Flag("Image5", 5),
    Flag("Image6", 6),
    Flag("Image7", 7),
    {.name = "btrecusar",
     .class_name = "TUiGlowButton",
     .bounds = {224, 312, 110, 28},
     .caption = "Recusar",
     .properties = {{"TabOrder", "9"}}},
    {.name = "btfechar",
     .class_name = "TUiGlowButton",
     .bounds = {346, 312, 110, 28},
     .caption = "OK",
     .properties = {{"TabOrder", "8"}, {"Enabled", "False"}}},
};

const char* const kChoices[kInvitationSlots] = {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"};
const char* const kFlags[kInvitationSlots] = {"image0", "Image1", "Image2", "Image3",
                                              "Image4", "Image5", "Image6", "Image7"};

}  // namespace

const WindowLayout kForm76Layout = {
    .name = "Form76",
    .class_name = "TForm76",
    .client_width = 480,
    .client_height = 352,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm76::TForm76(int kind, int tier, int coach) : Form("Form76"), tier_(tier), coach_(coach) {
    BuildWindowLayout(*this, kForm76Layout);
    TileGameBackground(*this);
    // The choice is asked while the turn goes on behind it: nothing may cover it.
    form_style = fsStayOnTop;
    key_preview = true;
    const GameData& data = Game();
    if (kind == ckAmericasNationsCup)
        ControlNamed<Label>(*this, "Label1")
            .SetCaption("Escolha da seleção para treinar na Copa América");
    if (kind == ckEuropeanNationsCup)
        ControlNamed<Label>(*this, "Label1")
            .SetCaption("Escolha da seleção para treinar na Eurocopa");
    ControlNamed<Label>(*this, "Label2")
        .SetCaption(
            "Algumas seleções lhe convidaram para treiná-las na próxima Copa.\n Abaixo listamos "
            "os convites. Escolha a seleção que você quer treinar:");
    auto& ok = ControlNamed<TUiGlowButton>(*this, "btfechar");
    const auto offers = InvitationOffers(data, tier_);
    for (int n = 0; n < kInvitationSlots; ++n) {
        auto& choice = ControlNamed<RadioButton>(*this, kChoices[n]);
        auto& flag = ControlNamed<Image>(*this, kFlags[n]);
        const InvitationOffer& offer = offers[n];
        if (offer.team < 0) {
            choice.Hide();
            flag.Hide();
            continue;
        }
        choice.SetCaption(data.teams[offer.team].name.str());
        choice.SetEnabled(offer.enabled);
        const int country = data.teams[offer.team].country;
        if (country >= 0 && country < static_cast<int>(flag_pictures().size()))
            flag.SetPicture(flag_pictures()[country]);
        choice.on_click = [this, n, &ok] {
            chosen_ = n + 1;
            ok.SetEnabled(true);
        };
    }
    ok.on_click = [this] {
        const auto chosen = InvitationOffers(Game(), tier_);
        if (chosen_ < 1 || !AcceptInvitation(Game(), chosen[chosen_ - 1].team, coach_)) return;
        SetModalResult(mrOk);
    };
    ControlNamed<TUiGlowButton>(*this, "btrecusar").on_click = [this] { SetModalResult(mrCancel); };
    on_key_down = [](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt) key = 0;
    };
    DoCreate();
}

bool ShowNationalTeamInvitation(int kind, int tier, int coach) {
    if (!AnyInvitationOpen(InvitationOffers(Game(), tier))) return false;
    TForm76& form = Screen::Get().Create<TForm76>(kind, tier, coach);
    const bool taken = form.ShowModal() == mrOk;
    form.Release();
    return taken;
}

}  // namespace kv
