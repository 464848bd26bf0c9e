#include "screens/club/club_colours_window.h"

#include "core/game_data.h"
#include "platform/window/color_dialog.h"
#include "platform/window/screen.h"
#include "platform/window/shape.h"
#include "screens/club/club_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {14, 10, 280, 22},
     .caption = "Cores do time",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {14, 56, 130, 16},
     .caption = "Cor principal:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Shape1", .class_name = "TShape", .bounds = {150, 46, 140, 36}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {14, 116, 130, 16},
     .caption = "Cor secundária:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Shape2", .class_name = "TShape", .bounds = {150, 106, 140, 36}},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {190, 212, 100, 28},
     .caption = "OK",
     .properties = {{"TabOrder", "0"}}},
};

TColor ClubColour(bool back) {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return clBlack;
    return static_cast<TColor>(back ? data.teams[club].back_colour : data.teams[club].text_colour);
}

}  // namespace

const WindowLayout kForm86Layout = {
    .name = "Form86",
    .class_name = "TForm86",
    .client_width = 314,
    .client_height = 259,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00206020),
    .properties = {{"BorderStyle", "bsDialog"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm86::TForm86() : Form("Form86") {
    BuildWindowLayout(*this, kForm86Layout);
    AnswerWindowKeys(*this, {.escape = EndWith(*this, mrCancel), .before_controls = true});
    ControlNamed<Shape>(*this, "Shape1").brush.color = ClubColour(true);
    ControlNamed<Shape>(*this, "Shape2").brush.color = ClubColour(false);
    ControlNamed<Control>(*this, "Shape1").on_click = [this] { ShapeMouseDown("Shape1"); };
    ControlNamed<Control>(*this, "Shape2").on_click = [this] { ShapeMouseDown("Shape2"); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SchemeButton1Click(); };
    DoCreate();
}

void TForm86::ShapeMouseDown(const char* shape) {
    Shape& square = ControlNamed<Shape>(*this, shape);
    ColorDialog dialog;
    dialog.color = square.brush.color;
    if (!dialog.Execute()) return;
    square.brush.color = dialog.color;
    square.Invalidate();
}

void TForm86::SchemeButton1Click() {
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const TColor back = ControlNamed<Shape>(*this, "Shape1").brush.color;
    const TColor text = ControlNamed<Shape>(*this, "Shape2").brush.color;
    if (club >= 0 && club < static_cast<int>(data.teams.size()) &&
        (back != ClubColour(true) || text != ClubColour(false))) {
        data.teams[club].back_colour = static_cast<std::int32_t>(back);
        data.teams[club].text_colour = static_cast<std::int32_t>(text);
        if (TForm13* main = MainWindow()) {
            main->RefreshClubPanel();
            main->RefreshSquadGrid();
        }
    }
    SetModalResult(mrOk);
}

void ShowClubColoursWindow() {
    TForm86& form = Screen::Get().Create<TForm86>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
