#include "editor/picture_picker_window.h"

#include "editor/editor_session.h"
#include "platform/base/files.h"
#include "platform/window/button.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/message_box.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

const LayoutControl kform43Controls[] = {
    {.name = "list1",
     .class_name = "TListBox",
     .bounds = {8, 8, 200, 220},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {220, 8, 80, 16},
     .caption = "Prévia",
     .font = {"Tahoma", 8, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "Image1",
     .class_name = "TImage",
     .bounds = {220, 28, 73, 73},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "BitBtn1",
     .class_name = "TButton",
     .bounds = {220, 172, 80, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
    {.name = "BitBtn2",
     .class_name = "TButton",
     .bounds = {220, 203, 80, 25},
     .caption = "Cancelar",
     .properties = {{"TabOrder", "2"}}},
};

std::string WithoutPictureExtensions(std::string name) {
    for (std::string_view ext : {".png", ".gif", ".bmp"})
        for (std::size_t at; (at = name.find(ext)) != std::string::npos;)
            name.erase(at, ext.size());
    return name;
}

}  // namespace

const WindowLayout kform43Layout = {
    .name = "form43",
    .class_name = "Tform43",
    .client_width = 312,
    .client_height = 236,
    .caption = "Selecione o arquivo",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = 0x003700,
    .properties = {{"Position", "poScreenCenter"}},
    .controls = kform43Controls,
};

Tform43::Tform43(bool national) : Form("form43") {
    BuildWindowLayout(*this, kform43Layout);
    list1_ = &ControlNamed<ListBox>(*this, "list1");
    folder_ = JoinPath(NativePath(Editor().db.teams_folder()), national ? "selecoes" : "escudos");
    // Filled once, when the window is made: coming back to it must not list the files again.
    std::vector<std::string> names;
    for (const char* pattern : {"*.gif", "*.bmp", "*.png"})
        for (std::string& name : ListFiles(folder_, pattern)) names.push_back(std::move(name));
    std::sort(names.begin(), names.end());
    list1_->SetItems(std::move(names));
    list1_->on_click = [this] { list1SelectItem(); };
    ControlNamed<Button>(*this, "BitBtn1").on_click = [this] { BitBtn1Click(); };
    ControlNamed<Button>(*this, "BitBtn2").on_click = [this] {
        SetModalResult(mrCancel);
        Close();
    };
    DoCreate();
}

void Tform43::list1SelectItem() {
    const int index = list1_->ItemIndex();
    if (index < 0) return;
    const std::string& caption = list1_->Items()[index];
    Picture preview;
    preview.LoadFromFile(JoinPath(folder_, caption));
    ControlNamed<Image>(*this, "Image1").SetPicture(preview);
    Editor().picked_picture_name = WithoutPictureExtensions(caption);
    ControlNamed<Button>(*this, "BitBtn1").SetEnabled(true);
}

void Tform43::BitBtn1Click() {
    EditorSession& editor = Editor();
    if (editor.picker_for_existing) {
        const std::string error = editor.db.SetClubPicture(
            editor.current_club, editor.picked_picture_name,
            [](const std::string& path) { return Picture().LoadFromFile(path); });
        if (!error.empty()) {
            MessageDlg(error, mtError, mbOK);
            return;  // stays open for another choice
        }
    }
    SetModalResult(mrOk);  // ends the modal loop with this result
}

}  // namespace kv
