#include "editor/edit_club_window.h"

#include "core/text_tables.h"
#include "editor/colour_shapes.h"
#include "editor/country_combo.h"
#include "editor/editor_session.h"
#include "platform/window/button.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/shape.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

constexpr LayoutFont kCaption = {"Tahoma", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

#define KV_ROW(label_name, caption_text, top, control_name, control_class, width, tab)      \
    {.name = label_name,                                                                    \
     .class_name = "TLabel",                                                                \
     .bounds = {12, top + 3, 110, 16},                                                      \
     .caption = caption_text,                                                               \
     .font = kCaption,                                                                      \
     .properties = kPlain},                                                                 \
    {                                                                                       \
        .name = control_name, .class_name = control_class, .bounds = {124, top, width, 21}, \
        .properties = {                                                                     \
            {"TabOrder", tab}                                                               \
        }                                                                                   \
    }

const LayoutControl kForm4Controls[] = {
    {.name = "Label13",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 20},
     .caption = "Editar Equipe",
     .font = {"Tahoma", 11, fsBold, clWhite},
     .properties = kPlain},
    KV_ROW("Label1", "Nome completo:", 36, "Edit1", "TEdit", 200, "0"),
    KV_ROW("Label2", "Nome abreviado:", 62, "Edit2", "TEdit", 200, "1"),
    KV_ROW("Label3", "Técnico:", 88, "Edit3", "TEdit", 200, "2"),
    KV_ROW("Label5", "Estádio:", 114, "Edit4", "TEdit", 200, "3"),
    KV_ROW("Label6", "Capacidade:", 140, "Edit6", "TEdit", 80, "4"),
    KV_ROW("Label7", "Nível Inicial:", 166, "ComboBox1", "TComboBox", 60, "5"),
    KV_ROW("Label8", "Reputação:", 192, "ComboBox2", "TComboBox", 120, "6"),
    KV_ROW("Label9", "País:", 218, "combo1", "TComboBox", 200, "7"),
    KV_ROW("Label10", "Estado:", 244, "estadocombo", "TComboBox", 80, "8"),
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {340, 40, 90, 16},
     .caption = "Cor de fundo:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape1", .class_name = "TShape", .bounds = {340, 58, 40, 20}},
    {.name = "Label15",
     .class_name = "TLabel",
     .bounds = {340, 88, 90, 16},
     .caption = "Cor de texto:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape2", .class_name = "TShape", .bounds = {340, 106, 40, 20}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {250, 280, 84, 25},
     .caption = "Ok",
     .properties = {{"TabOrder", "9"}, {"Default", "True"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {340, 280, 84, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "10"}, {"Cancel", "True"}}},
};
#undef KV_ROW

}  // namespace

const WindowLayout kForm4Layout = {
    .name = "Form4",
    .class_name = "TForm4",
    .client_width = 436,
    .client_height = 316,
    .caption = "Editar Equipe",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x006600,
    .properties = {{"BorderStyle", "bsNone"},
                   {"Position", "poScreenCenter"},
                   {"KeyPreview", "True"}},
    .controls = kForm4Controls,
};

TForm4::TForm4() : Form("Form4") {
    BuildWindowLayout(*this, kForm4Layout);
    const EditorSession& editor = Editor();
    // With no club chosen (no database loaded) the fields stay empty and saving does nothing.
    static const t_club_file_record kNoClub{};
    const t_club_file_record* chosen = editor.db.ClubRecord(editor.current_club);
    const t_club_file_record& c = chosen ? *chosen : kNoClub;
    ControlNamed<Edit>(*this, "Edit1").SetText(c.full_name.str());
    ControlNamed<Edit>(*this, "Edit2").SetText(c.short_name.str());
    ControlNamed<Edit>(*this, "Edit3").SetText(c.coach_name.str());
    ControlNamed<Edit>(*this, "Edit4").SetText(c.stadium.str());
    ControlNamed<Edit>(*this, "Edit6").SetText(std::to_string(c.capacity));
    std::vector<std::string> levels;
    for (int l = 0; l <= 25; ++l) levels.push_back(std::to_string(l));
    auto& level = ControlNamed<ComboBox>(*this, "ComboBox1");
    level.SetItems(levels);
    // A stored level above 25 shows as the level the writer will store for it.
    level.SetItemIndex(ClubLevelAsWritten(c.level));
    auto& reputation = ControlNamed<ComboBox>(*this, "ComboBox2");
    reputation.SetItems({reputation_names.begin(), reputation_names.end()});
    reputation.SetItemIndex(c.reputation);
    auto& country = ControlNamed<ComboBox>(*this, "combo1");
    FillCountryCombo(country);
    country.SetItemIndex(c.country < kEditorNationalTeams ? c.country : -1);
    country.on_change = [this] { combo1Change(); };
    auto& state = ControlNamed<ComboBox>(*this, "estadocombo");
    state.SetItems({state_codes.begin(), state_codes.end()});
    state.SetItemIndex(c.state < state_codes.size() ? c.state : -1);
    combo1Change();
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape1"), static_cast<TColor>(c.back_colour));
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape2"), static_cast<TColor>(c.text_colour));
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { BitBtn1Click(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] { SetModalResult(mrCancel); };
    DoCreate();
}

void TForm4::combo1Change() {
    const bool home = ControlNamed<ComboBox>(*this, "combo1").ItemIndex() == kHomeCountry;
    ControlNamed<Label>(*this, "Label10").SetVisible(home);
    ControlNamed<ComboBox>(*this, "estadocombo").SetVisible(home);
}

void TForm4::BitBtn1Click() {
    EditorSession& editor = Editor();
    const t_club_file_record* chosen = editor.db.ClubRecord(editor.current_club);
    if (!chosen) return SetModalResult(mrCancel);
    const t_club_file_record& c = *chosen;
    auto changed = [this](std::string_view name, const std::string& before) {
        const std::string& text = ControlNamed<Edit>(*this, name).Text();
        return text != before ? text : std::string();
    };
    ClubChanges ch;
    ch.full_name = changed("Edit1", c.full_name.str());
    ch.short_name = changed("Edit2", c.short_name.str());
    ch.coach_name = changed("Edit3", c.coach_name.str());
    ch.stadium = changed("Edit4", c.stadium.str());
    ch.capacity = changed("Edit6", std::to_string(c.capacity));
    auto index = [this](std::string_view name) {
        return ControlNamed<ComboBox>(*this, name).ItemIndex();
    };
    if (index("ComboBox1") != ClubLevelAsWritten(c.level)) ch.level = index("ComboBox1");
    if (index("ComboBox2") != c.reputation) ch.reputation = index("ComboBox2");
    if (index("combo1") >= 0 && index("combo1") != c.country) ch.country = index("combo1");
    const auto back = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape1")));
    const auto text = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape2")));
    if (back != c.back_colour) ch.back_colour = back;
    if (text != c.text_colour) ch.text_colour = text;
    const int state = index("estadocombo");
    if (state >= 0 && state != c.state) ch.state = state;
    if (std::string error = editor.db.EditClub(editor.current_club, ch); !error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}

}  // namespace kv
