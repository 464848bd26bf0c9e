#include "screens/club/shirt_number_window.h"

#include <string>

#include "core/game_data.h"
#include "core/text_tables.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "season/shirt_numbers.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {14, 10, 300, 22},
     .caption = "Escolher número",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {14, 44, 352, 18},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {14, 84, 70, 16},
     .caption = "Número:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {88, 80, 278, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "button1",
     .class_name = "TUiGlowButton",
     .bounds = {156, 150, 100, 28},
     .caption = "OK",
     .properties = {{"TabOrder", "1"}}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {266, 150, 100, 28},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "2"}}},
};

}  // namespace

const WindowLayout kForm82Layout = {
    .name = "Form82",
    .class_name = "TForm82",
    .client_width = 380,
    .client_height = 193,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00206020),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm82::TForm82(int shirt_number_player)
    : Form("Form82"), shirt_number_player_(shirt_number_player) {
    BuildWindowLayout(*this, kForm82Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = EndWith(*this, mrCancel), .before_controls = true});
    const GameData& data = Game();
    const t_player& player = data.players[shirt_number_player];
    std::string position;
    if (player.position >= 0 && player.position < static_cast<int>(position_names.size()))
        position = std::string(position_names[player.position].substr(0, 1));
    ControlNamed<Label>(*this, "Label3").SetCaption(player.name.str() + " - " + position);
    std::vector<std::string> items{"Sem número"};
    for (int n = 1; n <= kHighestShirtNumber; ++n) items.push_back(std::to_string(n) + " - ");
    for (const int p : data.PlayersOf(player.team)) {
        const int n = data.players[p].shirt_number;
        if (n > 0 && n <= kHighestShirtNumber)
            items[n] = std::to_string(n) + " - " + data.players[p].name.str();
    }
    auto& combo = ControlNamed<ComboBox>(*this, "combo1");
    combo.SetItems(std::move(items));
    combo.SetItemIndex(player.shirt_number >= 0 && player.shirt_number <= kHighestShirtNumber
                           ? player.shirt_number
                           : 0);
    ControlNamed<Control>(*this, "button1").on_click = [this] { button1Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrCancel); };
    DoCreate();
}

void TForm82::button1Click() {
    const int n = ControlNamed<ComboBox>(*this, "combo1").ItemIndex();
    if (n >= 0 && SetShirtNumber(Game(), shirt_number_player_, n)) RefreshMainWindowSquad();
    SetModalResult(mrOk);
}

void ShowShirtNumberWindow(int shirt_number_player) {
    const GameData& data = Game();
    if (shirt_number_player <= 0 || shirt_number_player >= static_cast<int>(data.players.size()) ||
        data.players[shirt_number_player].team < 0)
        return;
    TForm82& form = Screen::Get().Create<TForm82>(shirt_number_player);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
