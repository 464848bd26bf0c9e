#include "editor/country_combo.h"

#include "core/text_tables.h"
#include "editor/editor_database.h"
#include "platform/window/combo_box.h"
#include "screens/start/title_window.h"

namespace kv {

void FillCountryCombo(ComboBox& combo) {
    std::vector<std::string> names(country_names.begin(),
                                   country_names.begin() + kEditorNationalTeams);
    std::vector<int> flags;
    if (TForm1* title = Form1()) {
        combo.images = &title->ImageList1();
        for (int c = 0; c < kEditorNationalTeams; ++c) flags.push_back(c);
    }
    combo.SetItems(std::move(names), std::move(flags));
    // A letter goes to the first country with that initial ("M" to the first "Ma...").
    combo.on_key_press = [&combo](char32_t& key) {
        const int chosen = CountryForKey(key, combo.ItemIndex());
        if (chosen != combo.ItemIndex()) {
            combo.SetItemIndex(chosen);
            if (combo.on_change) combo.on_change();
        }
        if (chosen >= 0) key = 0;
    };
}

}  // namespace kv
