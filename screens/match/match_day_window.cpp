#include "screens/match/match_day_window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/sound_effects.h"
#include "core/text_tables.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "game/round_close.h"
#include "match/match_engine.h"
#include "match/match_tables.h"
#include "match/match_view_texts.h"
#include "platform/base/files.h"
#include "platform/gfx/colour_contrast.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/gauge.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/shape.h"
#include "platform/window/timer.h"
#include "screens/match/match_decision_windows.h"
#include "screens/match/match_lineup_window.h"
#include "screens/match/match_pictures.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr int kRows = 40;
constexpr int kFrames = 8;
// The rows are laid out on a screen 1,024 pixels wide and scaled from it.
constexpr int kRowDesignWidth = 1024;
constexpr TColor kDarkGreen = 0x003A1E;  // dark green, as 0x00BBGGRR
// The last event's text, in points on the design screen.
constexpr int kEventTextSize = 11;

const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};
const std::initializer_list<LayoutProperty> kHidden = {{"Transparent", "True"},
                                                       {"Visible", "False"}};

const LayoutControl kControls[] = {
    {.name = "MarkupLabel3",
     .class_name = "TMarkupLabel",
     .bounds = {8, 6, 560, 22},
     .properties = kMarkup},
    {.name = "lcamp",
     .class_name = "TLabel",
     .bounds = {8, 30, 40, 13},
     .properties = {{"Visible", "False"}}},
    {.name = "labtempo",
     .class_name = "TLabel",
     .bounds = {580, 6, 70, 16},
     .caption = "1º tempo",
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {654, 6, 100, 16},
     .caption = "1'",
     .font = {"Arial", 10, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "g1", .class_name = "TGauge", .bounds = {580, 26, 174, 10}},
    {.name = "lab_div1",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "1ª divisão",
     .properties = kHidden},
    {.name = "lab_div2",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "2ª divisão",
     .properties = kHidden},
    {.name = "lab_div3",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "3ª divisão",
     .properties = kHidden},
    {.name = "lab_div4",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "4ª divisão",
     .properties = kHidden},
    {.name = "lab_div5",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "1ª divisão",
     .properties = kHidden},
    {.name = "lab_div6",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "1ª divisão",
     .properties = kHidden},
    {.name = "lab_div7",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "1ª divisão",
     .properties = kHidden},
    {.name = "lab_div8",
     .class_name = "TMarkupLabel",
     .bounds = {160, 32, 280, 16},
     .caption = "1ª divisão",
     .properties = kHidden},
    {.name = "labvn2",
     .class_name = "TMarkupLabel",
     .bounds = {606, 50, 110, 16},
     .caption = "<a href=\"2\">[ver 2ª divisão]</a>",
     .properties = kHidden},
    {.name = "labvn3",
     .class_name = "TMarkupLabel",
     .bounds = {606, 68, 110, 16},
     .caption = "<a href=\"3\">[ver 3ª divisão]</a>",
     .properties = kHidden},
    {.name = "labvn4",
     .class_name = "TMarkupLabel",
     .bounds = {606, 86, 110, 16},
     .caption = "<a href=\"4\">[ver 4ª divisão]</a>",
     .properties = kHidden},
};

std::string Centred(const std::string& text) {
    return "<P align=\"center\"><B><SHAD>" + text + "</SHAD></B></P>";
}

std::string ScoreMarkup(int goals) {
    return "<P align=\"center\"><B>" + std::to_string(goals) + "</b></p>";
}

std::string RowName(std::string_view prefix, int row) {
    return std::string(prefix) + std::to_string(row);
}

Font RowFont(int size, int width, FontStyles style, TColor colour) {
    Font f;
    f.name = "Arial";
    f.size = std::max(6, size * width / kRowDesignWidth);
    f.style = style;
    f.color = colour;
    return f;
}

// Shows `text` in the label at `size` points, up to two points smaller when it does not fit, and
// cut with an ellipsis when it still does not; the hint keeps the whole text.
void ShowFitting(Label& label, const std::string& text, int size) {
    Font f = label.font();
    const int room = std::max(0, label.Width() - 2);
    const int smallest = std::max(5, size - 2);
    for (f.size = size; f.size > smallest && MeasureTextWidth(f, text) > room; --f.size) {
    }
    std::string shown = text;
    if (MeasureTextWidth(f, shown) > room) {
        while (!shown.empty() && MeasureTextWidth(f, shown + "…") > room) {
            // Drop the last character, with every byte of it.
            while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80)
                shown.pop_back();
            if (!shown.empty()) shown.pop_back();
        }
        shown += "…";
    }
    label.SetFont(f);
    label.SetCaption(shown);
    label.hint = text;
    label.show_hint = shown != text;
}

}  // namespace

const WindowLayout kForm46Layout = {
    .name = "Form46",
    .class_name = "TForm46",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWhite},
    .color = 0x204010,
    .properties = {{"BorderStyle", "bsNone"}},
    .controls = kControls,
    .register_classes = RegisterMarkupControlClasses,
};

std::function<void()>& MatchDayHandOver() {
    static std::function<void()> hand_over;
    return hand_over;
}

std::function<void(NextScreen)>& MatchDayNextScreen() {
    static std::function<void(NextScreen)> next;
    return next;
}

TForm46::TForm46(MatchDecisions* decisions) : Form("Form46") {
    BuildWindowLayout(*this, kForm46Layout);
    TileGameBackground(*this);
    key_preview = true;
    if (!decisions) {
        own_decisions_ = std::make_unique<WindowMatchDecisions>();
        decisions = own_decisions_.get();
    }
    day_ = std::make_unique<MatchDay>(*this, *decisions, this);
    match_timer_ = &AddComponent<Timer>("ralt1");
    match_timer_->SetEnabled(false);
    match_timer_->SetInterval(1000);
    match_timer_->on_timer = [this] { day_->OnClockFired(); };
    // The day starts once the window is on screen, from the event loop, never inside the code
    // that opened the window; the hand-over likewise comes after the tick that ended the day.
    start_timer_ = &AddComponent<Timer>("start");
    start_timer_->SetEnabled(false);
    start_timer_->SetInterval(1);
    start_timer_->on_timer = [this] {
        start_timer_->SetEnabled(false);
        if (started_) return;
        started_ = true;
        day_->Begin();
    };
    hand_over_timer_ = &AddComponent<Timer>("handover");
    hand_over_timer_->SetEnabled(false);
    hand_over_timer_->SetInterval(1);
    hand_over_timer_->on_timer = [this] { HandOver(); };
    on_show = [this] {
        if (!started_) start_timer_->SetEnabled(true);
    };
    on_key_down = [this](int& key, ShiftState shift) { KeyPressed(key, shift); };
    // A substitution made in the in-match line-up shows in its row at once.
    MatchLineupEventShown() = [this](int event) { EventHappened(event); };

    Screen& screen = Screen::Get();
    // The window fills the screen's width: what the layout's scaling left is made up here.
    const int w = screen.Width();
    if (w != ClientWidth()) ScaleBy(w, ClientWidth());
    SetBounds(0, 0, w, screen.Height());
    ControlNamed<TMarkupLabel>(*this, "MarkupLabel3").SetWidth(ClientWidth() * 560 / 800);
    for (int n = 2; n <= 4; ++n) {
        auto& link = ControlNamed<TMarkupLabel>(*this, "labvn" + std::to_string(n));
        link.cursor = crHandPoint;
        link.SetURLColor(clYellow);
        link.on_anchor_click = [this, n](const std::string&) { ShowDivision(n); };
        link.on_click = [this, n] { ShowDivision(n); };
    }
    auto& gauge = ControlNamed<Gauge>(*this, "g1");
    gauge.max_value = 45;
    gauge.show_text = false;
    gauge.fore_color = 0x00C000;
    BuildRows();
}

TForm46::~TForm46() {
    MatchLineupEventShown() = nullptr;
}

int TForm46::Scaled(int design) const {
    return design * ClientWidth() / kRowDesignWidth;
}

void TForm46::BuildRows() {
    const int w = ClientWidth();
    for (int f = 1; f <= kFrames; ++f) {
        auto& frame = Add<Shape>(RowName("shap_main", f));
        frame.brush.color = kDarkGreen;
        frame.pen.color = 0x104010;
        frame.SetVisible(false);
        frame.SendToBack();
    }
    // Each frame's picture lies over the frame and under its rows.
    for (int f = 1; f <= kFrames; ++f) {
        auto& picture = Add<Image>(RowName("img_main", f));
        picture.center = true;
        picture.SetVisible(false);
    }
    auto row_click = [this](Control& c) {
        c.on_click = [this, &c] { RowClick(c.tag); };
        c.cursor = crHandPoint;
    };
    static_assert(kRowCount == kRows);
    for (int r = 1; r <= kRows; ++r) {
        // Made in the order the row is placed in, each kept in `all` as it is made.
        RowControls& row = rows_[static_cast<std::size_t>(r)];
        std::size_t made = 0;
        auto keep = [&](Control& c) { row.all[made++] = &c; };
        auto add_shape = [&](std::string_view prefix, TColor colour) -> Shape& {
            auto& s = Add<Shape>(RowName(prefix, r));
            s.brush.color = colour;
            s.pen.color = colour;
            keep(s);
            return s;
        };
        auto add_label = [&](std::string_view prefix, int size, FontStyles style) -> Label& {
            auto& l = Add<Label>(RowName(prefix, r));
            l.SetAutoSize(false);
            l.SetFont(RowFont(size, w, style, clWhite));
            l.transparent = true;
            keep(l);
            return l;
        };
        auto add_markup = [&](std::string_view prefix) -> TMarkupLabel& {
            auto& m = Add<TMarkupLabel>(RowName(prefix, r));
            m.SetFont(RowFont(9, w, 0, clWhite));
            keep(m);
            return m;
        };
        add_shape("shap_est", 0x1B3A1B);
        row.venue = &add_label("est", 6, 0);
        row.venue->SetAlignment(taRightJustify);
        row.attendance = &add_label("labpub", 6, 0);
        row.team_back[0] = &add_shape("shap_t1", clWhite);
        row.team_back[1] = &add_shape("shap_t2", clWhite);
        row.team[0] = &add_label("labt1", 8, fsBold);
        row.team[1] = &add_label("labt2", 8, fsBold);
        for (std::size_t side = 0; side < 2; ++side) {
            auto& img = Add<Image>(RowName(side == 0 ? "esc1" : "esc2", r));
            img.stretch = true;
            img.proportional = true;
            img.center = true;
            keep(img);
            row.crest[side] = &img;
        }
        for (std::size_t side = 0; side < 2; ++side) {
            auto& m = add_markup(side == 0 ? "labp1" : "labp2");
            m.SetColor(0x003000);
            m.SetHTMLText(ScoreMarkup(0));
            row.score[side] = &m;
        }
        auto& icon = Add<Image>(RowName("imgeven", r));
        icon.center = true;
        keep(icon);
        row.event_icon = &icon;
        auto& text = add_markup("labeven_n");
        text.SetFont(RowFont(kEventTextSize, w, 0, clWhite));
        text.SetTransparent(true);
        row.event_text = &text;
        for (Control* c : row.all) {
            c->tag = r;
            if (c != &icon) row_click(*c);
        }
        ShowRow(r, false);
    }
}

void TForm46::ShowRow(int r, bool visible) {
    for (Control* c : rows_[static_cast<std::size_t>(r)].all) c->SetVisible(visible);
}

void TForm46::PlaceRow(int r, int top) {
    struct Column {
        int left;
        int width;  // 0: the row's height
        bool text;  // a line of text, one pixel lower
    };
    // In the order of a row's controls.
    static constexpr Column kColumns[kRowControls] = {
        {32, 169, false}, {36, 97, true},   {136, 57, true},   {208, 137, false}, {395, 137, false},
        {230, 113, true}, {417, 113, true}, {212, 0, false},   {399, 0, false},   {346, 22, false},
        {370, 22, false}, {540, 0, false},  {557, 215, false},
    };
    const RowControls& row = rows_[static_cast<std::size_t>(r)];
    const int h = std::max(8, Scaled(row_height_));
    const int y = Scaled(top);
    for (std::size_t i = 0; i < row.all.size(); ++i) {
        const Column& c = kColumns[i];
        row.all[i]->SetBounds(Scaled(c.left), y + (c.text ? 1 : 0), c.width ? Scaled(c.width) : h,
                              h);
    }
    // The attendance keeps the right end of the stadium's box, the stadium's name the rest.
    const int w = ClientWidth();
    Label& attendance = *row.attendance;
    Label& venue = *row.venue;
    const int paid = MeasureTextWidth(attendance.font(), attendance.Caption()) + 4;
    const int box_right = Scaled(32 + 169) - 2;
    attendance.SetBounds(box_right - paid, attendance.Top(), paid, attendance.Height());
    venue.SetBounds(Scaled(36), venue.Top(), attendance.Left() - Scaled(36) - 3, venue.Height());
    ShowFitting(venue, venue.hint, RowFont(6, w, 0, clWhite).size);
    for (Label* label : row.team)
        ShowFitting(*label, label->hint, RowFont(8, w, fsBold, clWhite).size);
}

void TForm46::ShowFrame(int frame, int first_row, int last_row, const std::string& heading) {
    const Control& first = *rows_[static_cast<std::size_t>(first_row)].team[0];
    const Control& last = *rows_[static_cast<std::size_t>(last_row)].team[0];
    const int top = first.Top() - Scaled(10);
    const int bottom = last.Top() + last.Height() + Scaled(8);
    auto& shape = ControlNamed<Shape>(*this, RowName("shap_main", frame));
    shape.SetBounds(Scaled(26), top, Scaled(740), bottom - top);
    shape.SetVisible(true);
    auto& picture = ControlNamed<Image>(*this, RowName("img_main", frame));
    picture.SetBounds(Scaled(203), top, Scaled(335), bottom - top);
    const std::string path = GamePath("img\\f03.png");
    if (!FileExists(path) || !picture.LoadFromFile(path)) picture.SetPicture(Picture());
    picture.SetVisible(true);
    if (heading.empty()) return;
    auto& label = ControlNamed<TMarkupLabel>(*this, RowName("lab_div", frame));
    label.SetBounds(Scaled(203), top - Scaled(18), Scaled(335), Scaled(17));
    label.SetHTMLText(heading);
    label.SetVisible(true);
}

void TForm46::FillRow(int r) {
    const GameData& gd = Game();
    const jogos& m = gd.day_matches[r];
    const bool national = IsNationalTeamTournament(gd.game_state.match_kind);
    const RowControls& row = rows_[static_cast<std::size_t>(r)];
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        const t_team* t = TeamAt(m.team[side]);
        Label& name = *row.team[s];
        name.hint = t ? " " + t->name.str() : std::string();
        name.SetCaption(name.hint);
        Font f = name.font();
        // A club whose colours barely differ gets its name in black or white, so it reads.
        f.color = t ? static_cast<TColor>(
                          ReadableTextColour(static_cast<std::uint32_t>(t->text_colour),
                                             {static_cast<std::uint32_t>(t->back_colour)}))
                    : clWhite;
        name.SetFont(f);
        Shape& back = *row.team_back[s];
        back.brush.color = back.pen.color = t ? t->back_colour : clWhite;
        back.Invalidate();
        Image& crest = *row.crest[s];
        const std::vector<Picture>& flags = flag_pictures();
        if (national && t && t->country >= 0 && t->country < static_cast<int>(flags.size()) &&
            !flags[t->country].empty()) {
            // National teams show their country's flag in place of a crest.
            crest.SetPicture(flags[t->country]);
        } else {
            const std::string path = t ? BuildCrestPath(m.team[side]) : std::string();
            if (path.empty() || !crest.LoadFromFile(path)) crest.SetPicture(Picture());
        }
        row.score[s]->SetHTMLText(ScoreMarkup(m.goals[side]));
    }
    Label& venue = *row.venue;
    venue.hint = m.venue.str();
    venue.SetCaption(venue.hint);
    const bool paying = m.attendance > 0 || m.gate_income > 0;
    row.attendance->SetCaption(paying ? "| " + FormatThousands(m.attendance) : std::string());
    row.event_icon->SetPicture(Picture());
    row.event_text->SetHTMLText("");
}

void TForm46::LayOutRows() {
    const GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int count = std::min(gd.day_match_count, kRows);
    for (int r = 1; r <= kRows; ++r) ShowRow(r, false);
    for (int f = 1; f <= kFrames; ++f) {
        ControlNamed<Control>(*this, RowName("shap_main", f)).SetVisible(false);
        ControlNamed<Control>(*this, RowName("img_main", f)).SetVisible(false);
        ControlNamed<Control>(*this, RowName("lab_div", f)).SetVisible(false);
    }
    for (int n = 2; n <= 4; ++n)
        ControlNamed<Control>(*this, "labvn" + std::to_string(n)).SetVisible(false);
    const bool preliminary = gs.match_kind == ckNationalCup && gs.national_cup_round == 0;
    row_height_ = preliminary ? 15 : 17;
    row_top_ = preliminary ? 40 : 60;
    row_step_ = preliminary ? 18 : 20;
    for (int r = 1; r <= count; ++r) FillRow(r);

    struct Block {
        int first;
        int last;
        std::string heading;
    };
    std::vector<Block> blocks;
    int gap = 80;  // from the top of a block's last row to the top of the next block's first
    auto division = [](int d) { return Centred(std::to_string(d) + "ª divisão"); };
    auto group = [](const std::string& name) {
        return "<P align=\"center\"><FONT  size=\"9\" face=\"Arial\"><SHAD>" + name +
               "</SHAD></FONT></P>";
    };
    const int kind = gs.match_kind;
    const bool group_stage =
        (kind == ckContinentalCup && gs.continental_cup_round < 4) ||
        (kind == ckSecondContinentalCup && gd.match_day_group == crEurope &&
         gs.second_cup_round < 4) ||
        ((kind == ckWorldCup || kind == ckAmericasNationsCup || kind == ckEuropeanNationsCup) &&
         gs.tournament_round < 4);
    if (kind == ckNationalLeague && gs.league_format == 2) {
        const t_league_config* config =
            gd.match_day_group >= 0 &&
                    gd.match_day_group < static_cast<int>(gd.league_configs.size())
                ? &gd.league_configs[gd.match_day_group]
                : nullptr;
        const int divisions = config ? config->division_count : 1;
        blocks.push_back({1, std::min(10, count), division(1)});
        if (divisions > 1 && count > 10) {
            if (divisions > 2)
                for (int n = 2; n <= std::min(divisions, 4); ++n)
                    ControlNamed<Control>(*this, "labvn" + std::to_string(n)).SetVisible(true);
            int shown = shown_division_;
            if (gs.human_count == 1) {
                const t_team* user = TeamAt(gs.user_club);
                if (user && user->division >= 3 && user->division <= divisions)
                    shown = user->division;
            }
            shown_division_ = std::clamp(shown, 2, std::min(divisions, 4));
            MarkDivisionLinks();
            const int first = (shown_division_ - 1) * 10 + 1;
            blocks.push_back({first, std::min(first + 9, count), division(shown_division_)});
        }
    } else if (kind == ckNationalLeague && gs.league_format == 4) {
        gap = 65;
        for (int b = 0; b * 5 < count && b < 4; ++b)
            blocks.push_back({b * 5 + 1, std::min(b * 5 + 5, count), division(b + 1)});
    } else if (kind == ckStateChampionship && gs.state_league_round <= 5) {
        const int groups = std::max(1, (count + 2) / 3);
        gap = groups == 3 ? 70 : 80;
        for (int g = 0; g < groups && g < 4; ++g)
            blocks.push_back({g * 3 + 1, std::min(g * 3 + 3, count), division(g + 1)});
    } else if (kind == ckClubWorldCup && gs.club_world_cup_stage == 3 && count >= 2) {
        blocks.push_back({1, 1, Centred("Final")});
        blocks.push_back({2, 2, Centred("Decisão 3º lugar")});
    } else if (group_stage) {
        gap = 60;
        for (int g = 0; g * 2 < count && g < kFrames; ++g) {
            const std::string name = kind >= ckWorldCup && kind <= ckEuropeanNationsCup
                                         ? "Grupo " + std::string(group_letters[g])
                                         : "Grupo " + std::to_string(g + 1);
            blocks.push_back({g * 2 + 1, std::min(g * 2 + 2, count), group(name)});
        }
    } else if (count > 0) {
        blocks.push_back({1, count, std::string()});
    }
    // Many blocks (the eight groups of a continental day) on a wide, short screen would run
    // below its bottom edge: the rows and the space between blocks close up until they fit,
    // never below rows that still hold their texts and headings that still clear the frames.
    const auto bottom = [&] {
        int rows = 0;
        for (const Block& block : blocks) rows += block.last - block.first + 1;
        const int gaps = std::max(0, static_cast<int>(blocks.size()) - 1);
        return row_top_ + (rows - 1) * row_step_ + gaps * (gap - row_step_) + row_height_ + 8;
    };
    const int room = ClientHeight() * kRowDesignWidth / std::max(1, ClientWidth()) - 4;
    while (bottom() > room && row_step_ > 15) {
        --row_step_;
        row_height_ = std::min(row_height_, row_step_ - 2);
        // A block's heading sits 18 above its frame, which starts 10 above its first row and
        // ends 8 below its last.
        gap = std::max(row_height_ + 8 + 18 + 10 + 2, gap - 2);
    }
    int top = row_top_;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        if (b > 0) top += gap - row_step_;
        if (b == 1) second_block_top_ = top;
        for (int r = block.first; r <= block.last; ++r) {
            PlaceRow(r, top);
            ShowRow(r, true);
            top += row_step_;
        }
        ShowFrame(static_cast<int>(b) + 1, block.first, block.last, block.heading);
    }
    Invalidate();
}

void TForm46::ShowDivision(int division) {
    const GameData& gd = Game();
    if (division < 2 || division > 4 || gd.day_match_count <= 10) return;
    shown_division_ = division;
    MarkDivisionLinks();
    // The second block keeps its place; the division shown there changes.
    const int count = std::min(gd.day_match_count, kRows);
    for (int r = 11; r <= kRows; ++r) ShowRow(r, false);
    const int first = (division - 1) * 10 + 1;
    const int last = std::min(first + 9, count);
    int top = second_block_top_;
    for (int r = first; r <= last; ++r) {
        PlaceRow(r, top);
        ShowRow(r, true);
        top += row_step_;
    }
    if (first <= last) ShowFrame(2, first, last, Centred(std::to_string(division) + "ª divisão"));
}

void TForm46::MarkDivisionLinks() {
    // The link of the division on show is plain text; the others stay links.
    for (int n = 2; n <= 4; ++n) {
        auto& link = ControlNamed<TMarkupLabel>(*this, "labvn" + std::to_string(n));
        const std::string text = "[ver " + std::to_string(n) + "ª divisão]";
        const bool shown = n == shown_division_;
        link.cursor = shown ? crDefault : crHandPoint;
        link.SetHTMLText(shown ? "<FONT color=\"clyellow\">" + text + "</FONT>"
                               : "<a href=\"" + std::to_string(n) + "\">" + text + "</a>");
    }
}

void TForm46::ClearEventColumn() {
    for (int r = 1; r <= kRows; ++r) {
        rows_[static_cast<std::size_t>(r)].event_icon->SetPicture(Picture());
        rows_[static_cast<std::size_t>(r)].event_text->SetHTMLText("");
    }
}

void TForm46::GroupStarted(const std::string& heading, bool shown) {
    (void)shown;
    Label& minute = ControlNamed<Label>(*this, "Label1");
    minute.SetVisible(false);
    ControlNamed<Label>(*this, "labtempo").SetCaption("1º tempo");
    ControlNamed<Gauge>(*this, "g1").SetProgress(0);
    ControlNamed<Label>(*this, "lcamp").SetCaption(heading);
    ControlNamed<TMarkupLabel>(*this, "MarkupLabel3")
        .SetHTMLText("<IND x=\"12\"><FONT size=\"12\" face=\"Arial\"><B><SHAD>" + heading +
                     "</SHAD></B></FONT>");
    LayOutRows();
}

void TForm46::EventHappened(int e) {
    const GameData& gd = Game();
    if (e < 0 || e >= static_cast<int>(gd.match_events.size())) return;
    const t_match_event& ev = gd.match_events[e];
    const int row = ev.match;
    const jogos* m = DayMatchAt(row);
    if (!m || row > kRows) return;
    const bool home = ev.team == m->team[0];
    const int own = home ? 0 : 1;
    if (!gd.quick_mode && gd.game_state.sound_on) {
        const bool scored = ev.kind == meGoal || ev.kind == meFreeKickGoal || ev.kind == meOwnGoal;
        if (scored && IsHumanTeam(m->team[own]))
            PlaySoundAlias("gol");
        else if (scored && IsHumanTeam(m->team[1 - own]))
            PlaySoundAlias("goladv");
        if (ev.kind == meCard && ev.value > 1 && IsHumanTeam(ev.team)) PlaySoundAlias("expulsao");
    }
    const RowControls& controls = rows_[static_cast<std::size_t>(row)];
    controls.score[0]->SetHTMLText(ScoreMarkup(m->goals[0]));
    controls.score[1]->SetHTMLText(ScoreMarkup(m->goals[1]));
    controls.event_icon->SetPicture(MatchPicture(EventIconName(ev)));
    TMarkupLabel& text = *controls.event_text;
    // Red does not read on the rows' dark green: red lines are ringed in black.
    const bool red = EventRowColour(ev) == "clred";
    text.SetShadowRing(red);
    text.SetShadowColor(red ? clBlack : clGray);
    text.SetShadowOffset(red ? 1 : 2);
    text.SetHTMLText(EventRowMarkup(ev, home, gd.game_state.bold_home_events != 0));
}

void TForm46::ClockTicked(int tick) {
    Label& minute = ControlNamed<Label>(*this, "Label1");
    Gauge& gauge = ControlNamed<Gauge>(*this, "g1");
    if (tick == 1) {
        ControlNamed<Label>(*this, "labtempo").SetCaption("1º tempo");
        minute.SetCaption("1'");
        minute.SetVisible(true);
    }
    if (tick % 2 == 0 && tick <= kSecondHalfLastTick) {
        minute.SetCaption(std::to_string(TickToMinute(tick)) + "'");
        gauge.SetProgress(TickToMinute(tick));
    }
    if (tick == kFirstHalfLastTick) {
        minute.SetCaption("Intervalo");
        if (Game().game_state.sound_on) PlaySoundAlias("intervalo");
    }
    if (tick == kSecondHalfLastTick) minute.SetCaption("Acréscimos");
    if (tick == kLastTick) minute.SetCaption("Fim de Jogo");
}

void TForm46::SecondHalfStarts() {
    // Emptied here, not on the second half's first tick, which would wipe that tick's own events.
    ClearEventColumn();
    ControlNamed<Label>(*this, "labtempo").SetCaption("2º tempo");
    ControlNamed<Gauge>(*this, "g1").SetProgress(0);
}

void TForm46::ShootoutsDecided() {
    ControlNamed<Label>(*this, "Label1").SetCaption("Desempate por Penaltis");
    Update();
}

void TForm46::GroupBooked(bool shown) {
    if (shown && Game().game_state.sound_on) PlaySoundAlias("fimjogo");
}

void TForm46::DayFinished() {
    match_timer_->SetEnabled(false);
    hand_over_timer_->SetEnabled(true);
}

void TForm46::Start(int interval_ms) {
    match_timer_->SetInterval(std::max(1, interval_ms));
    match_timer_->SetEnabled(true);
}

void TForm46::Stop() {
    match_timer_->SetEnabled(false);
}

void TForm46::RowClick(int row) {
    if (!started_ || day_->finished()) return;
    day_->PauseForLineup(row);
}

void TForm46::KeyPressed(int& key, ShiftState shift) {
    if (key == VK_F4 && shift == ssAlt) {
        key = 0;
        return;
    }
    if (key >= VK_F1 && key <= VK_F6 && shift == 0) {
        day_->SetSpeedKey(key - VK_F1 + 1);
        key = 0;
        return;
    }
    if ((key == VK_RETURN || key == VK_SPACE) && started_ && !day_->finished()) {
        key = 0;
        const int row = Game().human_match_rows[0];
        if (row != 0) day_->PauseForLineup(row);
    }
}

void TForm46::HandOver() {
    hand_over_timer_->SetEnabled(false);
    Release();
    if (auto& hand_over = MatchDayHandOver()) return hand_over();
    // The round results window is not there: the round closes as the game without windows
    // closes it, every question of the close answered no.
    GameData& data = Game();
    OpenRoundResults(data);
    AutomaticWindows windows;
    const NextScreen next = CloseRound(data, windows).next;
    if (auto& go_on = MatchDayNextScreen()) go_on(next);
}

TForm46* ShowMatchDayWindow() {
    TForm46& form = Screen::Get().Create<TForm46>();
    form.Show();
    return &form;
}

}  // namespace kv
