#pragma once
// The country list of the editor's dialogs: the 202 countries with national teams, each with
// its flag from the title window's flag list when the title window is there.

namespace kv {

class ComboBox;

void FillCountryCombo(ComboBox& combo);

}  // namespace kv
