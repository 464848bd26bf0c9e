#include "screens/newgame/country_grid.h"

#include <string>

#include "core/text_tables.h"
#include "screens/start/country_columns.h"
#include "ui/grid/report_grid.h"

namespace kv {

void SetUpCountryGrid(TReportGrid& grid) {
    grid.Columns().Clear();
    AddFlagColumn(grid, kCountryFlag);
    AddTickColumn(grid, kCountryTick);
    TGrCustomColumn& country = grid.Columns().Add("pais");
    country.Header().SetCaption("País");
    country.SetWidth(220);
    TGrCustomColumn& clubs = grid.Columns().Add(kCountryClubs);
    clubs.Header().SetCaption("Times");
    clubs.SetWidth(80);
    grid.Columns().Add(kCountryIndex).SetVisible(false);
}

void AddCountryRow(TReportGrid& grid, const CountryClubs& country, bool ticked) {
    const int row = grid.AddRow();
    SetFlagCell(grid, kCountryFlag, row, country.country);
    grid.SetCellTextByVariant(kCountryTick, row, ticked ? "1" : "0");
    grid.SetCellTextByVariant("pais", row, CountryName(country.country));
    grid.SetCellTextByVariant(kCountryClubs, row, std::to_string(country.clubs));
    grid.SetCellTextByVariant(kCountryIndex, row, std::to_string(country.country));
}

bool ToggleCountryTick(TReportGrid& grid, int col, int row) {
    if (col != kCountryTickColumn || row < 0 || row >= grid.GetRowCount() || !grid.Enabled())
        return false;
    const bool ticked = grid.GetCellTextByVariant(kCountryTick, row) == "1";
    grid.SetCellTextByVariant(kCountryTick, row, ticked ? "0" : "1");
    return true;
}

std::vector<int> TickedCountries(TReportGrid& grid) {
    std::vector<int> countries;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        if (grid.GetCellTextByVariant(kCountryTick, row) == "1")
            countries.push_back(std::stoi(grid.GetCellTextByVariant(kCountryIndex, row)));
    return countries;
}

}  // namespace kv
