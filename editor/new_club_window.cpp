#include "editor/new_club_window.h"

#include "core/text_tables.h"
#include "editor/colour_shapes.h"
#include "editor/country_combo.h"
#include "editor/editor_session.h"
#include "editor/picture_picker_window.h"
#include "platform/base/files.h"
#include "platform/window/button.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "platform/window/shape.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

constexpr TColor kGreen = 0x006600;
constexpr LayoutFont kCaption = {"Tahoma", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

#define KV_FIELD(label_name, caption_text, top, edit_name, max_length, tab)                      \
    {.name = label_name,                                                                         \
     .class_name = "TLabel",                                                                     \
     .bounds = {12, top + 3, 110, 16},                                                           \
     .caption = caption_text,                                                                    \
     .font = kCaption,                                                                           \
     .properties = kPlain},                                                                      \
    {                                                                                            \
        .name = edit_name, .class_name = "TEdit", .bounds = {124, top, 200, 21}, .properties = { \
            {"MaxLength", max_length},                                                           \
            {"TabOrder", tab}                                                                    \
        }                                                                                        \
    }

const LayoutControl kForm7Controls[] = {
    {.name = "Label12",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 20},
     .caption = "Adicionar Equipe",
     .font = {"Tahoma", 11, fsBold, clWhite},
     .properties = kPlain},
    KV_FIELD("Label1", "Nome Completo:", 36, "Edit1", "25", "0"),
    KV_FIELD("Label2", "Nome Abreviado:", 62, "Edit2", "25", "1"),
    KV_FIELD("Label3", "Técnico:", 88, "Edit3", "25", "2"),
    KV_FIELD("Label5", "Estadio:", 114, "Edit5", "30", "3"),
    KV_FIELD("Label6", "Capacidade:", 140, "Edit6", "6", "4"),
    KV_FIELD("Label4", "Nome do arquivo:", 166, "Edit4", "21", "5"),
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {12, 195, 110, 16},
     .caption = "Nível inicial:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "ComboBox1",
     .class_name = "TComboBox",
     .bounds = {124, 192, 60, 21},
     .properties = {{"TabOrder", "6"}}},
    {.name = "Label8",
     .class_name = "TLabel",
     .bounds = {12, 221, 110, 16},
     .caption = "Reputação:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "ComboBox2",
     .class_name = "TComboBox",
     .bounds = {124, 218, 120, 21},
     .properties = {{"TabOrder", "7"}}},
    {.name = "Label9",
     .class_name = "TLabel",
     .bounds = {12, 247, 110, 16},
     .caption = "País:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {124, 244, 200, 21},
     .properties = {{"TabOrder", "8"}}},
    {.name = "Label10",
     .class_name = "TLabel",
     .bounds = {12, 273, 110, 16},
     .caption = "Estado:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "estadocombo",
     .class_name = "TComboBox",
     .bounds = {124, 270, 80, 21},
     .properties = {{"TabOrder", "9"}}},
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {340, 36, 80, 80},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label11",
     .class_name = "TLabel",
     .bounds = {330, 120, 100, 30},
     .caption = "Clique para selecionar",
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = {{"AutoSize", "False"},
                    {"Transparent", "True"},
                    {"WordWrap", "True"},
                    {"Alignment", "taCenter"}}},
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {330, 180, 90, 16},
     .caption = "Cor de fundo:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape1", .class_name = "TShape", .bounds = {330, 198, 40, 20}},
    {.name = "Label15",
     .class_name = "TLabel",
     .bounds = {330, 230, 90, 16},
     .caption = "Cor de texto:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape2", .class_name = "TShape", .bounds = {330, 250, 40, 20}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {250, 306, 84, 25},
     .caption = "Adicionar",
     .properties = {{"TabOrder", "10"}, {"Default", "True"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {340, 306, 84, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "11"}, {"Cancel", "True"}}},
};
#undef KV_FIELD

}  // namespace

const WindowLayout kForm7Layout = {
    .name = "Form7",
    .class_name = "TForm7",
    .client_width = 436,
    .client_height = 342,
    .caption = "Adicionar Equipe",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm7Controls,
};

TForm7::TForm7() : Form("Form7") {
    BuildWindowLayout(*this, kForm7Layout);
    std::vector<std::string> levels;
    for (int l = 0; l <= 25; ++l) levels.push_back(std::to_string(l));
    auto& level = ControlNamed<ComboBox>(*this, "ComboBox1");
    level.SetItems(levels);
    level.SetItemIndex(10);
    auto& reputation = ControlNamed<ComboBox>(*this, "ComboBox2");
    reputation.SetItems({reputation_names.begin(), reputation_names.end()});
    reputation.SetItemIndex(0);
    auto& country = ControlNamed<ComboBox>(*this, "combo1");
    FillCountryCombo(country);
    country.SetItemIndex(kHomeCountry);
    country.on_change = [this] { combo1Change(); };
    ControlNamed<ComboBox>(*this, "estadocombo").SetItems({state_codes.begin(), state_codes.end()});
    ControlNamed<Image>(*this, "Image1").on_mouse_down = [this](MouseButton, ShiftState, int, int) {
        Image1MouseDown();
    };
    ControlNamed<Label>(*this, "Label11").on_mouse_down = [this](MouseButton, ShiftState, int,
                                                                 int) { Image1MouseDown(); };
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape1"), clWhite);
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape2"), clBlack);
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { BitBtn1Click(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    DoCreate();
}

void TForm7::combo1Change() {
    const bool home = ControlNamed<ComboBox>(*this, "combo1").ItemIndex() == kHomeCountry;
    ControlNamed<Label>(*this, "Label10").SetVisible(home);
    ControlNamed<ComboBox>(*this, "estadocombo").SetVisible(home);
}

void TForm7::Image1MouseDown() {
    EditorSession& editor = Editor();
    editor.picker_for_existing = false;
    auto& picker = Screen::Get().Create<Tform43>(false);
    const bool chosen = picker.ShowModal() == mrOk;
    picker.Release();
    if (!chosen) return;
    const std::string folder = JoinPath(NativePath(editor.db.teams_folder()), "escudos");
    for (const char* ext : {".png", ".gif", ".bmp"}) {
        const std::string path = JoinPath(folder, editor.picked_picture_name + ext);
        if (!FileExists(path)) continue;
        Picture picture;
        if (!picture.LoadFromFile(ResolvePath(path))) continue;
        ControlNamed<Image>(*this, "Image1").SetPicture(picture);
        ControlNamed<Label>(*this, "Label11").Hide();
        break;
    }
}

void TForm7::BitBtn1Click() {
    auto text = [this](std::string_view name) { return ControlNamed<Edit>(*this, name).Text(); };
    NewClubFields f;
    f.full_name = text("Edit1");
    f.short_name = text("Edit2");
    f.coach_name = text("Edit3");
    f.stadium = text("Edit5");
    f.file_name = text("Edit4");
    f.capacity = text("Edit6");
    f.level = ControlNamed<ComboBox>(*this, "ComboBox1").ItemIndex();
    f.reputation = std::max(0, ControlNamed<ComboBox>(*this, "ComboBox2").ItemIndex());
    f.country = ControlNamed<ComboBox>(*this, "combo1").ItemIndex();
    const int state = ControlNamed<ComboBox>(*this, "estadocombo").ItemIndex();
    f.state = state >= 0 ? state : kNoState;
    EditorSession& editor = Editor();
    f.picture_name = editor.picked_picture_name;
    f.back_colour = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape1")));
    f.text_colour = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape2")));
    int added = -1;
    if (std::string error = editor.db.AddClub(f, &added); !error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    editor.picked_picture_name.clear();
    editor.current_club = added;
    added_ = added;
    SetModalResult(mrOk);  // ends the modal loop with this result
}

}  // namespace kv
