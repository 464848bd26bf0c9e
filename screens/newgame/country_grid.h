#pragma once
// The grid of countries the setup windows tick: flag, tick ("0" or "1"), "País", "Times" and
// the hidden country index.

#include <vector>

#include "screens/start/country_columns.h"
#include "season/new_game_setup.h"

namespace kv {

class TReportGrid;

inline constexpr int kCountryTickColumn = 1;
inline constexpr const char* kCountryFlag = "gcpais";
inline constexpr const char* kCountryTick = "marca";
inline constexpr const char* kCountryClubs = "times";
inline constexpr const char* kCountryIndex = "indice";

void SetUpCountryGrid(TReportGrid& grid);
void AddCountryRow(TReportGrid& grid, const CountryClubs& country, bool ticked);
// A click: only the tick column flips the row's tick. True when it did.
bool ToggleCountryTick(TReportGrid& grid, int col, int row);
// The ticked countries, in grid order.
std::vector<int> TickedCountries(TReportGrid& grid);

}  // namespace kv
