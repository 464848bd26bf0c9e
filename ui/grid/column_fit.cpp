#include "ui/grid/column_fit.h"

#include <algorithm>
#include <cstddef>
#include <functional>

#include "platform/gfx/geometry.h"

namespace kv {
namespace {

// Shares `amount` (positive: added, negative: taken) among the columns `chosen` picks, in
// proportion to their widths; a column gives up no more than down to its floor.
int Share(std::vector<int>& widths, const std::vector<int>& floors, int amount,
          const std::function<bool(std::size_t)>& chosen) {
    int total = 0;
    for (std::size_t i = 0; i < widths.size(); ++i)
        if (chosen(i)) total += amount > 0 ? widths[i] : widths[i] - floors[i];
    if (total <= 0) return amount;
    const int shared = amount < 0 ? std::max(amount, -total) : amount;
    int left = shared, weights = total;
    for (std::size_t i = 0; i < widths.size() && weights > 0; ++i) {
        if (!chosen(i)) continue;
        const int weight = amount > 0 ? widths[i] : widths[i] - floors[i];
        const int part = static_cast<int>(static_cast<long long>(left) * weight / weights);
        widths[i] += part;
        left -= part;
        weights -= weight;
    }
    return amount - shared + left;
}

// Text columns whose measured texts are cut take the width other measured columns leave
// unused, the most cut first, each from the columns with the most to spare.
void TakeUnusedWidth(std::span<const FitColumn> columns, std::vector<int>& widths) {
    auto unused = [&](std::size_t i) {
        const FitColumn& c = columns[i];
        return c.need > 0 ? widths[i] - std::max(c.need, c.min_width) : 0;
    };
    for (;;) {
        std::size_t cut = columns.size();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].text && columns[i].need > widths[i] &&
                (cut == columns.size() ||
                 columns[i].need - widths[i] > columns[cut].need - widths[cut]))
                cut = i;
        if (cut == columns.size()) return;
        std::size_t giver = columns.size();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (i != cut && unused(i) > 0 && (giver == columns.size() || unused(i) > unused(giver)))
                giver = i;
        if (giver == columns.size()) return;
        const int moved = std::min(unused(giver), columns[cut].need - widths[cut]);
        widths[giver] -= moved;
        widths[cut] += moved;
    }
}

}  // namespace

std::vector<int> FitColumnWidths(std::span<const FitColumn> columns, int room, int numerator,
                                 int denominator) {
    std::vector<int> widths, floors;
    int total = 0;
    for (const FitColumn& c : columns) {
        const int w = denominator > 0
                          ? std::max(MulDiv(c.designed, numerator, denominator), c.min_width)
                          : c.designed;
        widths.push_back(w);
        floors.push_back(c.min_width);
        total += w;
    }
    if (widths.empty() || room <= 0) return widths;
    const int spare = room - total;
    if (spare > 0) {
        const bool named = std::any_of(columns.begin(), columns.end(),
                                       [](const FitColumn& c) { return c.takes_spare; });
        std::size_t widest = columns.size();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].text && (widest == columns.size() || widths[i] > widths[widest]))
                widest = i;
        Share(widths, floors, spare,
              [&](std::size_t i) { return named ? columns[i].takes_spare : i == widest; });
    } else if (spare < 0) {
        std::vector<int> halves(widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i)
            halves[i] = columns[i].text ? std::max(widths[i] / 2, floors[i]) : widths[i];
        int excess = Share(widths, halves, spare, [&](std::size_t i) { return columns[i].text; });
        if (excess < 0) Share(widths, floors, excess, [](std::size_t) { return true; });
    }
    TakeUnusedWidth(columns, widths);
    return widths;
}

}  // namespace kv
