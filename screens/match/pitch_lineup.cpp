#include "screens/match/pitch_lineup.h"

#include <algorithm>

#include "core/markup_escape.h"
#include "core/text_tables.h"
#include "match/match_tables.h"
#include "match/match_view_texts.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/image.h"
#include "screens/match/match_pictures.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

constexpr PitchPlace kPlaces[26] = {
    {0, 0},     {165, 528}, {25, 392},  {98, 470},  {165, 470}, {237, 470}, {98, 400},
    {165, 400}, {237, 400}, {305, 392}, {25, 265},  {98, 300},  {165, 300}, {237, 300},
    {98, 220},  {165, 220}, {237, 220}, {305, 265}, {25, 100},  {98, 140},  {165, 140},
    {237, 140}, {98, 60},   {165, 60},  {237, 60},  {305, 100},
};
constexpr int kBenchTops[7] = {56, 117, 186, 247, 308, 369, 430};
constexpr int kLabelWidth = 80;

Font LabelFont() {
    Font f;
    f.name = "Arial";
    f.size = 8;
    f.style = fsBold;
    f.color = clWhite;
    return f;
}

}  // namespace

PitchPlace PitchPlaceOf(int code) {
    return kPlaces[code >= 1 && code <= 25 ? code : 0];
}

int PitchCodeAt(int x, int y) {
    for (int code = 1; code <= 25; ++code) {
        const PitchPlace p = kPlaces[code];
        const int l = p.left + (kShirtSide - 42) / 2;
        const int t = p.top + (kShirtSide - 42) / 2;
        if (x >= l && x < l + 42 && y >= t && y < t + 42) return code;
    }
    return 0;
}

std::string ShortShirtName(const std::string& name, int max_width) {
    const std::size_t blank = name.find(' ');
    if (blank == std::string::npos || blank + 1 >= name.size()) return name;
    if (MeasureTextWidth(LabelFont(), name) <= max_width) return name;
    std::size_t letter_end = blank + 2;
    // The first letter after the blank may take more than one byte.
    while (letter_end < name.size() &&
           (static_cast<unsigned char>(name[letter_end]) & 0xC0) == 0x80)
        ++letter_end;
    return name.substr(0, blank) + " " + name.substr(blank + 1, letter_end - blank - 1) + ".";
}

std::string SlotLetterOf(int strength, int player) {
    const t_match_strength* s = StrengthAt(strength);
    for (int slot = 0; s && slot < 11; ++slot) {
        const int code = s->slot_positions[slot];
        if (s->players[slot] == player && code >= 1 && code <= 25)
            return std::string(pitch_position_letters[code - 1]);
    }
    return {};
}

std::vector<std::string> PlayerRowCells(int player) {
    const t_player* p = PlayerAt(player);
    if (!p) return {};
    return {p->name.str(), std::to_string(p->strength), std::to_string(p->energy) + "%",
            std::to_string(player)};
}

void PitchLineup::Create(Control& pitch, Control& bench, int numerator, int denominator) {
    if (numerator > 0 && denominator > 0) numerator_ = numerator, denominator_ = denominator;
    for (int n = 1; n <= kPlaces; ++n) {
        Control& parent = n <= 11 ? pitch : bench;
        auto& shirt = parent.Add<Image>("camisa" + std::to_string(n));
        shirt.SetBounds(0, 0, kShirtSide, kShirtSide);
        shirt.center = true;
        shirt.tag = n;
        auto& label = parent.Add<TMarkupLabel>("labescal" + std::to_string(n));
        label.SetBounds(0, 0, Scaled(kLabelWidth), Scaled(28));
        Font font = LabelFont();
        font.size = std::max(1, Scaled(font.size));
        label.SetFont(font);
        label.SetTransparent(true);
        label.show_hint = true;
        label.tag = n;
        shirts_[n - 1] = &shirt;
        labels_[n - 1] = &label;
        HidePlace(n);
    }
}

int PitchLineup::Scaled(int v) const {
    return MulDiv(v, numerator_, denominator_);
}

int PitchLineup::CodeAt(int x, int y) const {
    return PitchCodeAt(MulDiv(x, denominator_, numerator_), MulDiv(y, denominator_, numerator_));
}

void PitchLineup::HidePlace(int n) {
    shirts_[n - 1]->SetVisible(false);
    labels_[n - 1]->SetVisible(false);
}

void PitchLineup::ShowPlace(int n, int player, int code, const Picture& shirt, bool with_energy) {
    Image& image = *shirts_[n - 1];
    TMarkupLabel& label = *labels_[n - 1];
    codes_[n - 1] = code;
    int left = 0;
    int top = 0;
    if (n <= 11) {
        const PitchPlace p = PitchPlaceOf(code);
        left = p.left;
        top = p.top;
    }
    // The shirt picture keeps its size, centred in its scaled square.
    image.SetBounds(Scaled(left), Scaled(top), Scaled(kShirtSide), Scaled(kShirtSide));
    label.SetBounds(Scaled(left - 13), Scaled(top + 42), Scaled(kLabelWidth), Scaled(28));
    image.SetVisible(true);
    const t_player* p = PlayerAt(player);
    if (!p) {
        image.SetPicture(MatchPicture("camisa0"));
        label.SetHTMLText("");
        label.SetVisible(false);
        return;
    }
    image.SetPicture(shirt);
    const int letter_of = n <= 11 ? code : -1;
    std::string letter;
    if (letter_of >= 1 && letter_of <= 25)
        letter = std::string(pitch_position_letters[letter_of - 1]);
    else if (p->position >= 0 && p->position < 5)
        letter = std::string(position_letters[p->position]);
    const bool misplaced = n <= 11 && PlaysOutOfPosition(player, code);
    std::string name = EscapeMarkupText(ShortShirtName(p->name.str(), kShirtSide));
    if (p->shirt_number > 0) name = std::to_string(p->shirt_number) + " - " + name;
    std::string second = letter;
    if (with_energy) second += " (" + std::to_string(p->energy) + "%)";
    const std::string open = misplaced ? "<FONT color=\"#DFDF00\">" : "";
    const std::string close = misplaced ? "</font>" : "";
    label.SetHTMLText("<P align=\"center\"><shad><B>" + open + name + "</shad></B><BR><shad>" +
                      second + "</shad>" + close + "</P>");
    label.hint =
        misplaced && p->position >= 0 && p->position < 5
            ? std::string(position_names[p->position].substr(0, 1)) + " improvisado como " + letter
            : "Energia:" + std::to_string(p->energy) + "% Força:" + std::to_string(p->strength);
    label.SetVisible(true);
}

void PitchLineup::PackBench() {
    int row = 0;
    for (int n = 12; n <= kPlaces; ++n) {
        Image& image = *shirts_[n - 1];
        if (!image.Visible()) continue;
        const int top = kBenchTops[std::min(row++, 6)];
        image.SetBounds(0, Scaled(top), Scaled(kShirtSide), Scaled(kShirtSide));
        labels_[n - 1]->SetBounds(Scaled(kShirtSide + 2), Scaled(top + 12),
                                  Scaled(kLabelWidth + 20), Scaled(28));
    }
}

}  // namespace kv
