#include "editor/add_player_window.h"

#include "core/text_tables.h"
#include "editor/country_combo.h"
#include "editor/editor_session.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/track_bar.h"
#include "screens/start/window_layout.h"

#include <algorithm>

namespace kv {
namespace {

constexpr LayoutFont kCaption = {"Tahoma", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

#define KV_CAPTION(label_name, text, top)                                            \
    {                                                                                \
        .name = label_name, .class_name = "TLabel", .bounds = {12, top + 3, 80, 16}, \
        .caption = text, .font = kCaption, .properties = kPlain                      \
    }

#define KV_PLAYER_ROWS(title)                                                         \
    {.name = "Label8",                                                                \
     .class_name = "TLabel",                                                          \
     .bounds = {12, 8, 250, 20},                                                      \
     .caption = title,                                                                \
     .font = {"Tahoma", 11, fsBold, clWhite},                                         \
     .properties = kPlain},                                                           \
        KV_CAPTION("Label1", "Nome:", 36),                                            \
        {.name = "Edit1",                                                             \
         .class_name = "TEdit",                                                       \
         .bounds = {96, 36, 200, 21},                                                 \
         .properties = {{"TabOrder", "0"}, {"MaxLength", "30"}}},                     \
        KV_CAPTION("Label2", "Posição:", 62),                                         \
        {.name = "ComboBox1",                                                         \
         .class_name = "TComboBox",                                                   \
         .bounds = {96, 62, 120, 21},                                                 \
         .properties = {{"TabOrder", "1"}}},                                          \
        KV_CAPTION("Label3", "Lado:", 88),                                            \
        {.name = "ComboBox4",                                                         \
         .class_name = "TComboBox",                                                   \
         .bounds = {96, 88, 120, 21},                                                 \
         .properties = {{"TabOrder", "2"}}},                                          \
        KV_CAPTION("Label4", "País:", 114),                                           \
        {.name = "combo1",                                                            \
         .class_name = "TComboBox",                                                   \
         .bounds = {96, 114, 200, 21},                                                \
         .properties = {{"TabOrder", "3"}}},                                          \
        KV_CAPTION("Label6", "Caract. 1:", 140),                                      \
        {.name = "ComboBox2",                                                         \
         .class_name = "TComboBox",                                                   \
         .bounds = {96, 140, 200, 21},                                                \
         .properties = {{"TabOrder", "4"}}},                                          \
        KV_CAPTION("Label7", "Caract. 2:", 166),                                      \
        {.name = "ComboBox3",                                                         \
         .class_name = "TComboBox",                                                   \
         .bounds = {96, 166, 200, 21},                                                \
         .properties = {{"TabOrder", "5"}}},                                          \
        KV_CAPTION("Label9", "Idade:", 194),                                          \
        {.name = "TrackBar1",                                                         \
         .class_name = "TTrackBar",                                                   \
         .bounds = {96, 192, 160, 26},                                                \
         .color = 0x006600,                                                           \
         .properties = {{"TabOrder", "6"}}},                                          \
        {.name = "Label5",                                                            \
         .class_name = "TLabel",                                                      \
         .bounds = {262, 197, 34, 16},                                                \
         .caption = "25",                                                             \
         .font = kCaption,                                                            \
         .properties = kPlain},                                                       \
    {                                                                                 \
        .name = "CheckBox1", .class_name = "TCheckBox", .bounds = {96, 224, 100, 17}, \
        .caption = "Estrela", .font = kCaption, .color = 0x006600, .properties = {    \
            {"TabOrder", "7"}                                                         \
        }                                                                             \
    }

const LayoutControl kForm5Controls[] = {
    KV_PLAYER_ROWS("Adicionar jogador"),
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {124, 252, 84, 25},
     .caption = "Adicionar",
     .properties = {{"TabOrder", "8"}, {"Default", "True"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {214, 252, 84, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "9"}, {"Cancel", "True"}}},
};

const LayoutControl kForm6Controls[] = {
    KV_PLAYER_ROWS("Editar jogador"),
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {124, 252, 84, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "8"}, {"Default", "True"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {214, 252, 84, 25},
     .caption = "Cancel",
     .properties = {{"TabOrder", "9"}, {"Cancel", "True"}}},
};
#undef KV_PLAYER_ROWS
#undef KV_CAPTION

}  // namespace

const WindowLayout kForm5Layout = {
    .name = "Form5",
    .class_name = "TForm5",
    .client_width = 310,
    .client_height = 288,
    .caption = "Adicionar jogador",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x006600,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm5Controls,
};

const WindowLayout kForm6Layout = {
    .name = "Form6",
    .class_name = "TForm6",
    .client_width = 310,
    .client_height = 288,
    .caption = "Editar jogador",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x006600,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm6Controls,
};

std::vector<std::string> FirstCharacteristics(int position) {
    std::vector<std::string> items;
    const int count = position == 0 ? 4 : 10;
    const int base = position == 0 ? 0 : 4;
    for (int k = 1; k <= count; ++k)
        items.push_back("F" + std::to_string(k) + " - " +
                        std::string(characteristic_names[base + k - 1]));
    return items;
}

std::vector<std::string> SecondCharacteristics(int position) {
    std::vector<std::string> items;
    const int count = position == 0 ? 4 : 10;
    const int base = position == 0 ? 0 : 4;
    for (int k = 0; k < count; ++k)
        items.push_back(std::to_string(k) + " - " + std::string(characteristic_names[base + k]));
    return items;
}

PlayerDialog::PlayerDialog(std::string name, const WindowLayout& layout, bool national, int slot)
    : Form(std::move(name)), national_(national), slot_(slot) {
    BuildWindowLayout(*this, layout);
    auto& position = ControlNamed<ComboBox>(*this, "ComboBox1");
    position.SetItems({"Goleiro", "Lateral", "Zagueiro", "Meio Campo", "Atacante"});
    position.SetItemIndex(0);
    position.on_change = [this] { ComboBox1Change(); };
    auto& side = ControlNamed<ComboBox>(*this, "ComboBox4");
    side.SetItems({"Direito", "Esquerdo"});
    side.SetItemIndex(0);
    auto& country = ControlNamed<ComboBox>(*this, "combo1");
    FillCountryCombo(country);
    const int last = Editor().db.last_nationality();
    country.SetItemIndex(last > 0 ? last : kHomeCountry);
    if (national_) {
        country.Hide();
        ControlNamed<Label>(*this, "Label4").Hide();
    }
    ComboBox1Change();
    auto& age = ControlNamed<TrackBar>(*this, "TrackBar1");
    age.SetRange(kMinPlayerAge, kMaxPlayerAge);
    age.SetPosition(25);
    age.on_change = [this] { TrackBar1Change(); };
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { BitBtn1Click(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    key_preview = true;
    on_key_down = [this](int& key, ShiftState) {
        if (key >= '0' && key <= '9') {
            // The digit is typed as well when the name box has the focus.
            auto& second = ControlNamed<ComboBox>(*this, "ComboBox3");
            const int index = key - '0';
            if (index < second.Count()) second.SetItemIndex(index);
        } else if (key >= VK_F1 && key <= VK_F10) {
            auto& first = ControlNamed<ComboBox>(*this, "ComboBox2");
            const int index = key - VK_F1;
            if (index < first.Count()) first.SetItemIndex(index);
            key = 0;
        }
    };
    if (slot_ > 0) ShowSlot();
    DoCreate();
}

void PlayerDialog::ShowSlot() {
    EditorSession& editor = Editor();
    const PlayerFields p = national_ ? editor.db.NationalPlayer(editor.current_national_team, slot_)
                                     : editor.db.ClubPlayer(editor.current_club, slot_);
    const int position = std::clamp(p.position, 0, 4);
    ControlNamed<ComboBox>(*this, "ComboBox1").SetItemIndex(position);
    ComboBox1Change();
    ControlNamed<Edit>(*this, "Edit1").SetText(p.name);
    const int offset = position == 0 ? 0 : 4;
    ControlNamed<ComboBox>(*this, "ComboBox2").SetItemIndex(p.characteristic1 - offset);
    ControlNamed<ComboBox>(*this, "ComboBox3").SetItemIndex(p.characteristic2 - offset);
    ControlNamed<ComboBox>(*this, "ComboBox4").SetItemIndex(p.side != 0 ? 1 : 0);
    ControlNamed<TrackBar>(*this, "TrackBar1").SetPosition(p.age);
    TrackBar1Change();
    if (!national_) ControlNamed<ComboBox>(*this, "combo1").SetItemIndex(p.nationality);
    ControlNamed<CheckBox>(*this, "CheckBox1").SetChecked(p.star);
}

void PlayerDialog::ComboBox1Change() {
    const int position = std::max(0, ControlNamed<ComboBox>(*this, "ComboBox1").ItemIndex());
    auto& first = ControlNamed<ComboBox>(*this, "ComboBox2");
    auto& second = ControlNamed<ComboBox>(*this, "ComboBox3");
    first.SetItems(FirstCharacteristics(position));
    second.SetItems(SecondCharacteristics(position));
    first.SetItemIndex(0);
    second.SetItemIndex(0);
}

void PlayerDialog::TrackBar1Change() {
    ControlNamed<Label>(*this, "Label5")
        .SetCaption(std::to_string(ControlNamed<TrackBar>(*this, "TrackBar1").Position()));
}

void PlayerDialog::BitBtn1Click() {
    PlayerFields f;
    f.name = ControlNamed<Edit>(*this, "Edit1").Text();
    f.position = std::max(0, ControlNamed<ComboBox>(*this, "ComboBox1").ItemIndex());
    f.side = std::max(0, ControlNamed<ComboBox>(*this, "ComboBox4").ItemIndex());
    f.nationality = std::max(0, ControlNamed<ComboBox>(*this, "combo1").ItemIndex());
    // A list left with no choice stores the first entry rather than a value off the table.
    const int offset = f.position == 0 ? 0 : 4;
    f.characteristic1 =
        std::max(0, ControlNamed<ComboBox>(*this, "ComboBox2").ItemIndex()) + offset;
    f.characteristic2 =
        std::max(0, ControlNamed<ComboBox>(*this, "ComboBox3").ItemIndex()) + offset;
    f.age = ControlNamed<TrackBar>(*this, "TrackBar1").Position();
    f.star = ControlNamed<CheckBox>(*this, "CheckBox1").Checked();
    EditorSession& editor = Editor();
    std::string error;
    if (slot_ > 0)
        error = national_ ? editor.db.EditNationalPlayer(editor.current_national_team, slot_, f)
                          : editor.db.EditClubPlayer(editor.current_club, slot_, f);
    else
        error = national_ ? editor.db.AddNationalPlayer(editor.current_national_team, f)
                          : editor.db.AddClubPlayer(editor.current_club, f);
    if (!error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);  // ends the modal loop with this result
}

TForm5::TForm5(bool national) : PlayerDialog("Form5", kForm5Layout, national, 0) {}

TForm6::TForm6(bool national, int slot) : PlayerDialog("Form6", kForm6Layout, national, slot) {}

}  // namespace kv
