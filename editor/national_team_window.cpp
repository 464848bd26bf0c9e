#include "editor/national_team_window.h"

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

constexpr LayoutFont kCaption = {"Tahoma", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kPlain = {{"AutoSize", "False"},
                                                      {"Transparent", "True"}};

const LayoutControl kForm73Controls[] = {
    {.name = "Label12",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 20},
     .caption = "Adicionar Seleção",
     .font = {"Tahoma", 11, fsBold, clWhite},
     .properties = kPlain},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {12, 43, 80, 16},
     .caption = "Pais:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {96, 40, 200, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {12, 69, 80, 16},
     .caption = "Nível:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "ComboBox1",
     .class_name = "TComboBox",
     .bounds = {96, 66, 60, 21},
     .properties = {{"TabOrder", "1"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {12, 95, 80, 16},
     .caption = "Técnico:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Edit3",
     .class_name = "TEdit",
     .bounds = {96, 92, 200, 21},
     .properties = {{"TabOrder", "2"}, {"MaxLength", "30"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {12, 124, 150, 16},
     .caption = "Símbolo (opcional):",
     .font = kCaption,
     .properties = kPlain},
    {.name = "image1",
     .class_name = "TImage",
     .bounds = {96, 146, 80, 80},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {186, 176, 150, 16},
     .caption = "Clique para selecionar",
     .font = {"Tahoma", 8, 0, clWhite},
     .properties = kPlain},
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {186, 206, 90, 16},
     .caption = "Cor de fundo:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape1", .class_name = "TShape", .bounds = {280, 204, 40, 20}},
    {.name = "Label15",
     .class_name = "TLabel",
     .bounds = {186, 232, 90, 16},
     .caption = "Cor de texto:",
     .font = kCaption,
     .properties = kPlain},
    {.name = "Shape2", .class_name = "TShape", .bounds = {280, 230, 40, 20}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {150, 282, 84, 25},
     .caption = "Adicionar",
     .properties = {{"TabOrder", "3"}, {"Default", "True"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {240, 282, 84, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "4"}, {"Cancel", "True"}}},
};

Picture FirstPicture(const std::string& folder, const std::string& name) {
    for (const char* ext : {".png", ".gif", ".bmp"}) {
        const std::string path = JoinPath(folder, name + ext);
        Picture picture;
        if (FileExists(path) && picture.LoadFromFile(ResolvePath(path))) return picture;
    }
    return {};
}

}  // namespace

const WindowLayout kForm73Layout = {
    .name = "Form73",
    .class_name = "TForm73",
    .client_width = 344,
    .client_height = 319,
    .caption = "Seleção",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x006600,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm73Controls,
};

TForm73::TForm73(bool edit) : Form("Form73"), edit_(edit) {
    BuildWindowLayout(*this, kForm73Layout);
    auto& country = ControlNamed<ComboBox>(*this, "combo1");
    FillCountryCombo(country);
    std::vector<std::string> levels;
    for (int l = 1; l <= 25; ++l) levels.push_back(std::to_string(l));
    auto& level = ControlNamed<ComboBox>(*this, "ComboBox1");
    level.SetItems(levels);
    level.SetItemIndex(14);
    const EditorSession& editor = Editor();
    TColor back = clWhite;
    TColor text = clBlack;
    if (edit_ && editor.db.IsListedNationalTeam(editor.current_national_team)) {
        const t_national_team_file_record& n =
            editor.db.national_team(editor.current_national_team);
        country_ = editor.current_national_team;
        country.SetItemIndex(country_);
        country.SetEnabled(false);
        level.SetItemIndex(std::clamp(n.level, 1, 25) - 1);
        ControlNamed<Edit>(*this, "Edit3").SetText(n.coach_name.str());
        back = static_cast<TColor>(n.back_colour);
        text = static_cast<TColor>(n.text_colour);
        ControlNamed<Label>(*this, "Label12").SetCaption("Editar Seleção");
        ControlNamed<Button>(*this, "BitBtn1").SetCaption("Ok");
        ControlNamed<Image>(*this, "image1")
            .SetPicture(FirstPicture(JoinPath(NativePath(editor.db.teams_folder()), "selecoes"),
                                     n.picture_name.str()));
    }
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape1"), back);
    ConnectColourShape(ControlNamed<Shape>(*this, "Shape2"), text);
    ControlNamed<Image>(*this, "image1").on_click = [this] { image1Click(); };
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { BitBtn1Click(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] { SetModalResult(mrCancel); };
    DoCreate();
}

void TForm73::image1Click() {
    EditorSession& editor = Editor();
    editor.picker_for_existing = false;  // the dialog keeps the name until "Adicionar" or "Ok"
    auto& picker = Screen::Get().Create<Tform43>(true);
    const bool chosen = picker.ShowModal() == mrOk;
    picker.Release();
    if (!chosen) return;
    symbol_ = editor.picked_picture_name;
    ControlNamed<Image>(*this, "image1")
        .SetPicture(
            FirstPicture(JoinPath(NativePath(editor.db.teams_folder()), "selecoes"), symbol_));
    ControlNamed<Label>(*this, "Label7").Hide();
}

void TForm73::BitBtn1Click() {
    EditorSession& editor = Editor();
    NationalTeamFields f;
    f.country = edit_ ? country_ : ControlNamed<ComboBox>(*this, "combo1").ItemIndex();
    f.level = ControlNamed<ComboBox>(*this, "ComboBox1").ItemIndex() + 1;
    f.coach_name = ControlNamed<Edit>(*this, "Edit3").Text();
    f.picture_name = symbol_;
    f.back_colour = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape1")));
    f.text_colour = static_cast<std::int32_t>(ShapeColour(ControlNamed<Shape>(*this, "Shape2")));
    std::string error;
    if (edit_) {
        error = editor.db.EditNationalTeam(country_, f);
        if (error.empty() && !symbol_.empty())
            error = editor.db.SetNationalTeamPicture(country_, symbol_);
    } else {
        error = editor.db.AddNationalTeam(f);
    }
    if (!error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    country_ = f.country;
    editor.current_national_team = country_;
    SetModalResult(mrOk);
}

}  // namespace kv
