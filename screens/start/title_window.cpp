#include "screens/start/title_window.h"

#include <string>

#include "core/game_data.h"
#include "core/game_site.h"
#include "core/random.h"
#include "core/sound_effects.h"
#include "core/text_tables.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/shell.h"
#include "screens/start/large_fonts_warning.h"
#include "screens/start/TitleCreditLabel.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/title_menu.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

TForm1* g_form1 = nullptr;

// The credit lines, with the game's own address.
std::string CreditsText() {
    return std::string("<P align=\"center\"><SHAD>") + std::string(kGameWebAddress) +
           "</SHAD><BR><SHAD>© 2014 Korvanel</SHAD></P>";
}

const LayoutControl kControls[] = {
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {360, 248, 80, 13},
     .caption = "carregando...",
     .font = {"Tahoma", 8, fsBold, clWhite},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {0, 0, kDefaultFlagSide, kDefaultFlagSide},
     .properties = {{"Picture", "bandeira"}, {"Visible", "False"}}},
    {.name = "Image2",
     .class_name = "TImage",
     .bounds = {0, 0, 105, 105},
     .properties = {{"Visible", "False"}}},
    {.name = "img20111",
     .class_name = "TImage",
     .bounds = {0, 0, kTitlePictureWidth, kTitlePictureHeight},
     .properties = {{"Picture", "tinicio"}, {"Center", "True"}}},
    {.name = "botoes1",
     .class_name = "TImage",
     .bounds = {306, 99, kMenuButtonWidth, kMenuButtonHeight},
     .properties = {{"Picture", "bt1"}, {"Center", "True"}, {"Tag", "1"}}},
    {.name = "botoes2",
     .class_name = "TImage",
     .bounds = {308, 144, kMenuButtonWidth, kMenuButtonHeight},
     .properties = {{"Picture", "bt2"}, {"Center", "True"}, {"Tag", "2"}}},
    {.name = "botoes3",
     .class_name = "TImage",
     .bounds = {305, 189, kMenuButtonWidth, kMenuButtonHeight},
     .properties = {{"Picture", "bt3"}, {"Center", "True"}, {"Tag", "3"}}},
    // Two lines between the penalty area and the "Sair" plate, clear of both.
    {.name = "creditos",
     .class_name = "TitleCreditLabel",
     .bounds = {15, 227, 120, 30},
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = {{"Transparent", "True"},
                    {"ShadowColor", "clBlack"},
                    {"ShadowOffset", "1"},
                    {"VAlignment", "tvaCenter"}}},
};

}  // namespace

// The title picture is the window's face, so the window keeps its size on every screen.
const WindowLayout kForm1Layout = {
    .name = "Form1",
    .class_name = "TForm1",
    .client_width = 514,
    .client_height = 304,
    .color = clBlack,
    .properties = {{"BorderStyle", "bsNone"}},
    .controls = kControls,
    .scales = false,
    .pictures = ProgramPicture,
    .register_classes = RegisterTitleCreditLabel,
};

TForm1* Form1() {
    return g_form1;
}

TForm1::TForm1() : Form("Form1") {
    g_form1 = this;
    BuildWindowLayout(*this, kForm1Layout);
    ControlNamed<TMarkupLabel>(*this, "creditos").SetHTMLText(CreditsText());
    image_list1_ = &AddComponent<ImageList>("ImageList1");
    image_list1_->width = 18;
    image_list1_->height = 18;

    on_show = [this] { FormShow(); };
    on_activate = [this] { FormActivate(); };
    on_close = [](CloseAction& action) { action = caFree; };
    on_key_down = [](int&, ShiftState) {};
    FormCreate();
    DoCreate();
}

TForm1::~TForm1() {
    if (g_form1 == this) g_form1 = nullptr;
}

void TForm1::FormCreate() {
    GameData& game = Game();
    game.regional_cup_entrants.fill(-1);
    large_fonts_warned_ = false;

    LoadBackgroundBitmap();

    label2_ = &ControlNamed<Label>(*this, "Label2");
    image1_ = &ControlNamed<Image>(*this, "Image1");
    img20111_ = &ControlNamed<Image>(*this, "img20111");
    img20111_->on_mouse_down = [this](MouseButton, ShiftState, int x, int y) {
        Image2MouseDown(x, y);
    };
    img20111_->on_mouse_move = [this](ShiftState, int x, int y) { Image2MouseMove(x, y); };

    for (int n = 1; n <= kMenuButtons; ++n) {
        Image& button = ControlNamed<Image>(*this, "botoes" + std::to_string(n));
        normal_[n - 1] = button.GetPicture();
        hover_pictures_[n - 1] = ProgramPicture("bt" + std::to_string(n + 4));
        button.on_click = [this, &button] { PictureButtonClick(button); };
        button.on_mouse_move = [this, &button](ShiftState, int, int) {
            PictureButtonMouseMove(button);
        };
        buttons_[n - 1] = &button;
    }

    RandomizeFromClock();
    game.auction_price_factor = 0;
    OpenSoundAliases();
    game.auction_player = -1;
    game.game_state.home_regional_division = 0;

    if (Screen* screen = Screen::Current())
        screen->SetCursorImage(kFootballCursor, ProgramPicture("cursor5"),
                               {kFootballCursorSide / 2, kFootballCursorSide / 2});
    credits_ = &ControlNamed<TitleCreditLabel>(*this, "creditos");
    credits_->beneath = img20111_;

    LoadReferees(game);

    LoadFlagPictures(image1_->GetPicture());
    image_list1_->Clear();
    for (int n = 0; n < kFlagCountries; ++n) image_list1_->Add(flag_pictures()[n]);
}

void TForm1::FormShow() {
    const Screen& screen = Screen::Get();
    SetBounds((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2, Width(), Height());
}

void TForm1::FormActivate() {
    if (large_fonts_warned_ || Screen::Get().PixelsPerInch() == 96) return;
    Screen::Get().Create<TForm17>().Show();
    large_fonts_warned_ = true;
}

void TForm1::PictureButtonClick(Image& button) {
    const TitleMenuWindows& menu = TitleMenu();
    Screen& screen = Screen::Get();
    switch (button.tag) {
        case 1: {
            if (!menu.new_game) return;
            auto restore = [&] {
                label2_->Hide();
                screen.SetScreenCursor(crDefault);
                for (Image* b : buttons_) b->cursor = crDefault;
            };
            screen.SetScreenCursor(crHourGlass);
            for (Image* b : buttons_) b->cursor = crHourGlass;
            label2_->Show();
            label2_->BringToFront();
            ProcessMessages();
            try {
                menu.new_game().Show();
            } catch (...) {
                restore();
                throw;
            }
            label2_->Hide();
            Hide();
            restore();
            break;
        }
        case 2:
            if (menu.load_game) menu.load_game().ShowModal();
            break;
        case 3:
            if (menu.editor) menu.editor().ShowModal();
            break;
        default:
            break;
    }
}

void TForm1::PictureButtonMouseMove(Image& button) {
    if (Screen::Get().ScreenCursor() != crHourGlass) button.cursor = crHandPoint;
    for (int n = 0; n < kMenuButtons; ++n) {
        if (buttons_[n] == &button) {
            if (!hover_[n]) {
                button.SetPicture(hover_pictures_[n]);
                hover_[n] = true;
            }
        } else if (hover_[n]) {
            buttons_[n]->SetPicture(normal_[n]);
            hover_[n] = false;
        }
    }
    any_hover_ = true;
}

void TForm1::Image2MouseMove(int x, int y) {
    if (!img20111_) return;
    img20111_->cursor =
        kExitZone.Contains(x, y) || kWebSiteZone.Contains(x, y) ? crHandPoint : crDefault;
    if (!any_hover_) return;
    for (int n = 0; n < kMenuButtons; ++n) {
        buttons_[n]->SetPicture(normal_[n]);
        hover_[n] = false;
    }
    any_hover_ = false;
}

void TForm1::Image2MouseDown(int x, int y) {
    if (!img20111_) return;
    img20111_->cursor = crDefault;
    if (kExitZone.Contains(x, y)) {
        img20111_->Free();
        img20111_ = nullptr;
        credits_->beneath = nullptr;
        Screen::Get().Terminate();
    } else if (kWebSiteZone.Contains(x, y)) {
        OpenUrl(kWebSiteAddress);
    }
}

}  // namespace kv
