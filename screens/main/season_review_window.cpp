#include "screens/main/season_review_window.h"

#include <string_view>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/table_index.h"
#include "game/headless_game.h"
#include "game/season_rollover.h"
#include "platform/gfx/canvas.h"
#include "platform/window/combo_box.h"
#include "platform/window/screen.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "lbtitulo",
     .class_name = "TLabel",
     .bounds = {20, 10, 500, 26},
     .caption = "Fim de temporada",
     .font = {"Arial", 16, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "combopais",
     .class_name = "TComboBox",
     .bounds = {20, 48, 200, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "gridc",
     .class_name = "TReportGrid",
     .bounds = {20, 76, 375, 456},
     .properties = {{"TabOrder", "0"}, {"Options", "goSelectFullRow"}}},
    {.name = "gridi",
     .class_name = "TReportGrid",
     .bounds = {405, 76, 375, 456},
     .properties = {{"TabOrder", "1"}, {"Options", "goSelectFullRow"}}},
    {.name = "bttimeano",
     .class_name = "TUiGlowButton",
     .bounds = {20, 548, 120, 30},
     .caption = "Time do ano",
     .properties = {{"TabOrder", "3"}}},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {660, 548, 120, 30},
     .caption = "Continuar >>",
     .properties = {{"TabOrder", "4"}}},
};

// The icons of the rows, drawn here: a gold and a silver medal and a ball.
Picture ReviewIcon(int icon) {
    Picture picture(18, 22);
    Canvas canvas(picture);
    canvas.pen.color = 0x303030;
    if (icon == 5) {
        canvas.brush.color = clWhite;
        canvas.Ellipse({2, 4, 16, 18});
        canvas.brush.color = clBlack;
        canvas.Ellipse({7, 9, 11, 13});
        return picture;
    }
    canvas.brush.color = icon == 1 ? 0x00C8FF : 0xC0C0C0;
    canvas.Ellipse({2, 5, 16, 19});
    canvas.brush.color = 0xC00000;
    canvas.FillRect({6, 0, 12, 6});
    return picture;
}

}  // namespace

const WindowLayout kForm26Layout = {
    .name = "Form26",
    .class_name = "TForm26",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 3379527,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterCompetitionScreenClasses,
};

std::function<void(NextScreen)>& SeasonReviewNextScreen() {
    static std::function<void(NextScreen)> next;
    return next;
}

TForm26::TForm26() : Form("Form26") {
    BuildWindowLayout(*this, kForm26Layout);
    TileGameBackground(*this);
    GameData& data = Game();
    const int user = data.game_state.user_club;
    auto& leagues = ControlNamed<ComboBox>(*this, "combopais");
    leagues.images = &FlagImages(*this);
    review_league_ =
        std::max(0, FillLeagueSelector(leagues, InTable(data.teams, user) ? data.teams[user].country
                                                                          : kHomeCountry));
    // The season turns over as the review opens; it shows the season just closed.
    review_season_ = EndSeason(data);

    ImageList& icons = AddComponent<ImageList>("ImageList1");
    icons.width = 18;
    icons.height = 22;
    for (int icon : {0, 1, 2, 3, 4, 5}) icons.Add(icon == 0 ? Picture(18, 22) : ReviewIcon(icon));
    crests_ = std::make_unique<CrestImages>(AddComponent<ImageList>("ImageListCrests"));
    crests_->list().width = 20;
    crests_->list().height = 20;
    for (const char* name : {"gridc", "gridi"}) {
        auto& grid = ControlNamed<TReportGrid>(*this, name);
        grid.SetRowSize(22);
        auto icon = std::make_unique<TGrImageColumn>("gcimg1");
        icon->Images = &icons;
        grid.Columns().Add(std::move(icon)).SetWidth(22);
        auto crest = std::make_unique<TGrImageColumn>("gcimg2");
        crest->Images = &crests_->list();
        grid.Columns().Add(std::move(crest)).SetWidth(24);
        grid.Columns().Add("gcinfo1").SetWidth(305);
        grid.on_cell_formating = [&grid](int col, int row, TColor& text, FontStyles& style,
                                         TCellState) {
            if (col == 2 && grid.GetCellTextByVariant("gcimg1", row) == "0") {
                text = 0x800000;
                style = fsBold;
            }
        };
    }
    leagues.on_change = [this, &leagues] { FillNationalGrid(leagues.ItemIndex()); };
    FillNationalGrid(review_league_);
    if (ReviewShowsInternational(data, review_season_)) {
        international_ = InternationalReviewRows(data, review_season_);
        Fill(ControlNamed<TReportGrid>(*this, "gridi"), international_);
    } else {
        ControlNamed<Control>(*this, "gridi").SetVisible(false);
        // Alone, the national list takes the middle and room for its longest lines.
        for (const char* name : {"gridc", "combopais", "bttimeano"}) {
            Control& c = ControlNamed<Control>(*this, name);
            c.SetBounds(ScaledToScreen(160), c.Top(),
                        std::string_view(name) == "gridc" ? ScaledToScreen(480) : c.Width(),
                        c.Height());
        }
        ControlNamed<TReportGrid>(*this, "gridc").GetColumnByName("gcinfo1")->SetWidth(410);
    }
    ControlNamed<Control>(*this, "bttimeano").on_click = [] { ShowBestElevenWindow(2); };
    ControlNamed<Control>(*this, "bt3").on_click = [this] { Continue(); };
    AnswerWindowKeys(*this, {.enter = [this] { Continue(); }, .before_controls = true});
    DoCreate();
}

TForm26::~TForm26() = default;

void TForm26::FillNationalGrid(int config) {
    if (config < 0) return;
    review_league_ = config;
    national_ = NationalReviewRows(Game(), config, review_season_);
    Fill(ControlNamed<TReportGrid>(*this, "gridc"), national_);
}

void TForm26::Fill(TReportGrid& grid, const std::vector<ReviewRow>& rows) {
    grid.BeginUpdate();
    grid.ClearRows();
    for (const ReviewRow& row : rows) {
        const int r = grid.AddRow();
        grid.SetCellTextByVariant("gcimg1", r, std::to_string(row.icon));
        grid.SetCellTextByVariant("gcimg2", r, std::to_string(crests_->Of(row.team)));
        grid.SetCellTextByVariant("gcinfo1", r, row.text);
    }
    grid.EndUpdate();
}

void TForm26::Continue() {
    if (continued_) return;
    continued_ = true;
    EventHookWindows windows;
    const NextScreen next = StartNewSeason(Game(), windows);
    SetModalResult(mrOk);
    Close();
    if (const auto& hook = SeasonReviewNextScreen()) hook(next);
}

TForm26* ShowSeasonReviewWindow() {
    auto& form = Screen::Get().Create<TForm26>();
    form.Show();
    return &form;
}

}  // namespace kv
