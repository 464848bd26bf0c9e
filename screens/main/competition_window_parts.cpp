#include "screens/main/competition_window_parts.h"

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/colour_contrast.h"
#include "platform/window/combo_box.h"
#include "screens/main/main_window.h"
#include "screens/start/game_pictures.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/markup/markup_control_classes.h"

namespace kv {

void RegisterCompetitionScreenClasses() {
    RegisterSmoothControlClasses();
    RegisterGridControlClasses();
    RegisterMarkupControlClasses();
}

std::function<void(int, int)>& MatchViewOpener() {
    static std::function<void(int, int)> opener;
    return opener;
}

int CrestImages::Of(int team) {
    if (!InTable(Game().teams, team)) return -1;
    if (auto it = loaded_.find(team); it != loaded_.end()) return it->second;
    Picture crest;
    const std::string path = BuildCrestPath(team);
    const int index = !path.empty() && crest.LoadFromFile(path) ? list_.Add(crest) : -1;
    loaded_.emplace(team, index);
    return index;
}

int FillStateSelector(ComboBox& combo, std::vector<int>& states) {
    const GameData& data = Game();
    std::vector<std::string> items;
    int chosen = -1;
    for (int s = 0; s < kStateCount; ++s) {
        if (!data.state_leagues[s].active) continue;
        states.push_back(s);
        items.emplace_back(state_adjectives[s]);
        if (chosen < 0 && data.state_leagues[s].has_human_club) chosen = s;
    }
    if (chosen < 0) chosen = data.state_position;
    combo.SetItems(items);
    for (std::size_t i = 0; i < states.size(); ++i)
        if (states[i] == chosen) combo.SetItemIndex(static_cast<int>(i));
    return chosen;
}

ImageList& FlagImages(Form& form) {
    if (auto* list = dynamic_cast<ImageList*>(form.FindComponent("ImageListFlags"))) return *list;
    ImageList& list = form.AddComponent<ImageList>("ImageListFlags");
    list.width = 20;
    list.height = 14;
    for (const Picture& flag : flag_pictures()) list.Add(flag);
    return list;
}

int FillLeagueSelector(ComboBox& combo, int country) {
    const GameData& data = Game();
    std::vector<std::string> items;
    std::vector<int> images;
    const int flags = combo.images ? combo.images->Count() : 0;
    for (const t_league_config& config : data.league_configs) {
        const int c = config.country;
        items.emplace_back(CountryName(c));
        images.push_back(c >= 0 && c < flags ? c : -1);
    }
    combo.SetItems(std::move(items), std::move(images));
    int first = FindLeagueConfig(data, country);
    if (first < 0 || first >= combo.Count()) first = 0;
    combo.SetItemIndex(combo.Count() > 0 ? first : -1);
    combo.SetVisible(combo.Count() >= 2);
    return combo.Count() > 0 ? first : -1;
}

void PaintTeamBox(Canvas& canvas, const Rect& r, int team, bool bold) {
    const GameData& data = Game();
    const bool known = InTable(data.teams, team);
    canvas.brush.color = known ? static_cast<TColor>(data.teams[team].back_colour) : 0xC0C0C0;
    canvas.brush.style = bsSolid;
    canvas.FillRect(r);
    if (!known) return;
    canvas.font.name = "Arial";
    canvas.font.size = 8;
    canvas.font.style = bold ? fsBold : 0;
    // Some clubs' own colours barely differ (grey on grey): there the name goes black or white.
    canvas.font.color = static_cast<TColor>(
        ReadableTextColour(static_cast<std::uint32_t>(data.teams[team].text_colour),
                           {static_cast<std::uint32_t>(data.teams[team].back_colour)}));
    canvas.bk_mode = BkMode::Transparent;
    Rect text = {r.left + 3, r.top, r.right - 2, r.bottom};
    canvas.DrawText(data.teams[team].name.str(), text,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

std::vector<Rect> BracketPlaces(int first_ties, const std::vector<int>& lefts, int top, int pitch,
                                int width) {
    std::vector<Rect> places;
    std::vector<int> centres;
    for (int i = 0; i < first_ties; ++i) centres.push_back(top + i * pitch + pitch / 2);
    for (std::size_t column = 0; column < lefts.size() && !centres.empty(); ++column) {
        for (const int c : centres)
            places.push_back({lefts[column], c - 14, lefts[column] + width, c + 14});
        std::vector<int> next;
        for (std::size_t i = 0; i + 1 < centres.size(); i += 2)
            next.push_back((centres[i] + centres[i + 1]) / 2);
        centres = std::move(next);
    }
    return places;
}

void PaintBracket(Canvas& canvas, const std::vector<BracketBox>& boxes, bool linked,
                  const Rect& champion_box, int champion) {
    canvas.pen.color = clWhite;
    canvas.pen.width = 1;
    if (linked) {
        // Tie k of a column feeds tie k / 2 of the next; the columns follow each other in order.
        std::size_t first = 0, n = (boxes.size() + 1) / 2;
        while (n >= 2 && first + n < boxes.size()) {
            for (std::size_t k = 0; k < n && first + n + k / 2 < boxes.size(); ++k) {
                const Rect& from = boxes[first + k].rect;
                const Rect& to = boxes[first + n + k / 2].rect;
                // Under the score, from each tie to the left of the tie it feeds.
                const int x = to.left - 5;
                const int y = (from.top + from.bottom) / 2 + 7;
                canvas.MoveTo(from.right + 2, y);
                canvas.LineTo(x, y);
                canvas.LineTo(x, (to.top + to.bottom) / 2);
                canvas.LineTo(to.left, (to.top + to.bottom) / 2);
            }
            first += n;
            n /= 2;
        }
    }
    for (const BracketBox& box : boxes) {
        const Rect& r = box.rect;
        const int mid = (r.top + r.bottom) / 2;
        PaintTeamBox(canvas, {r.left, r.top, r.right, mid - 1}, box.team1);
        if (!box.hide_second) PaintTeamBox(canvas, {r.left, mid + 1, r.right, r.bottom}, box.team2);
        if (!box.score.empty()) {
            canvas.font = {"Arial", 7, fsBold, clYellow};
            canvas.bk_mode = BkMode::Transparent;
            Rect score = {r.right + 2, r.top, r.right + 60, mid + 3};
            canvas.DrawText(box.score, score, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    if (champion_box.right > champion_box.left) {
        PaintTeamBox(canvas, champion_box, champion);
        canvas.font = {"Arial", 8, fsBold, clYellow};
        canvas.bk_mode = BkMode::Transparent;
        canvas.TextOut(champion_box.left, champion_box.bottom + 2, "campeão");
    }
}

}  // namespace kv
