#include "screens/start/TForm1.h"

#include <string>

#include "core/game_data.h"
#include "core/random.h"
#include "core/sound_effects.h"
#include "core/text_tables.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/shell.h"
#include "screens/start/TForm17.h"
#include "screens/start/TitleCreditLabel.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/title_menu.h"

namespace kv {
namespace {

TForm1* g_form1 = nullptr;

struct MenuButtonPlace {
    int left, top;
};
constexpr std::array<MenuButtonPlace, kMenuButtons> kMenuButtonPlaces = {{
    {306, 99},
    {308, 144},
    {305, 189},
}};

constexpr const char* kCredits =
    "<P align=\"center\"><SHAD>www.korvanel.example</SHAD><BR>"
    "<SHAD>© 2014 Korvanel</SHAD></P>";

}  // namespace

TForm1* Form1() {
    return g_form1;
}

TForm1::TForm1() : Form("Form1") {
    g_form1 = this;
    SetBorderStyle(bsNone);
    SetClientSize(514, 304);
    SetColor(clBlack);

    label2_ = &Add<Label>("Label2");
    label2_->SetFont({"Tahoma", 8, fsBold, clWhite});
    label2_->transparent = true;
    label2_->SetBounds(360, 248, 80, 13);
    label2_->SetCaption("carregando...");
    label2_->Hide();

    image1_ = &Add<Image>("Image1");
    image1_->SetBounds(0, 0, kDefaultFlagSide, kDefaultFlagSide);
    image1_->SetPicture(ProgramPicture("bandeira"));
    image1_->Hide();

    Add<Image>("Image2").SetBounds(0, 0, 105, 105);

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

    img20111_ = &Add<Image>("img20111");
    img20111_->SetBounds(0, 0, kTitlePictureWidth, kTitlePictureHeight);
    img20111_->center = true;
    img20111_->SetPicture(ProgramPicture("tinicio"));
    img20111_->BringToFront();
    img20111_->on_mouse_down = [this](MouseButton, ShiftState, int x, int y) {
        Image2MouseDown(x, y);
    };
    img20111_->on_mouse_move = [this](ShiftState, int x, int y) { Image2MouseMove(x, y); };
    Find("Image2")->Hide();

    for (int n = 1; n <= kMenuButtons; ++n) {
        normal_[n - 1] = ProgramPicture("bt" + std::to_string(n));
        hover_pictures_[n - 1] = ProgramPicture("bt" + std::to_string(n + 4));
        Image& button = Add<Image>("botoes" + std::to_string(n));
        button.SetBounds(kMenuButtonPlaces[n - 1].left, kMenuButtonPlaces[n - 1].top,
                         kMenuButtonWidth, kMenuButtonHeight);
        button.center = true;
        button.tag = n;
        button.SetPicture(normal_[n - 1]);
        button.BringToFront();
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
    credits_ = &Add<TitleCreditLabel>("creditos");
    credits_->SetFont({"Tahoma", 8, 0, clWhite});
    credits_->SetBounds(15, 235, 120, 30);
    credits_->SetTransparent(true);
    credits_->SetShadowColor(clBlack);
    credits_->SetShadowOffset(1);
    credits_->SetVAlignment(tvaCenter);
    credits_->SetHTMLText(kCredits);
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
