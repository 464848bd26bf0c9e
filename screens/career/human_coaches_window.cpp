#include "screens/career/human_coaches_window.h"

#include <string>

#include "core/game_data.h"
#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/list_view.h"
#include "platform/window/message_box.h"
#include "platform/window/screen.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/human_coaches.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

constexpr int kHumanSlotCount = 6;

const LayoutControl kForm50Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 8, 200, 16},
     .caption = "Técnicos Humanos:",
     .font = {"Arial", 9, fsBold, clWindowText},
     .properties = {{"AutoSize", "False"}}},
    {.name = "list1",
     .class_name = "TListView",
     .bounds = {10, 28, 420, 150},
     .properties = {{"TabOrder", "0"}}},
    {.name = "bt1",
     .class_name = "TSchemeButton",
     .bounds = {10, 188, 140, 25},
     .caption = "Remover selecionado",
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
    {.name = "bt2",
     .class_name = "TSchemeButton",
     .bounds = {160, 188, 140, 25},
     .caption = "Adicionar novo",
     .properties = {{"TabOrder", "2"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {330, 188, 100, 25},
     .caption = "Fechar",
     .properties = {{"TabOrder", "3"}}},
};

const LayoutControl kForm51Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 10, 200, 16},
     .caption = "Nome do Técnico:",
     .properties = {{"AutoSize", "False"}}},
    {.name = "Edit1",
     .class_name = "TEdit",
     .bounds = {10, 30, 240, 21},
     .properties = {{"TabOrder", "0"}, {"MaxLength", "25"}}},
    {.name = "bt2",
     .class_name = "TSchemeButton",
     .bounds = {170, 62, 80, 25},
     .caption = "OK",
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
};

const LayoutControl kForm65Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 8, 280, 18},
     .caption = "Confirmação",
     .font = {"Arial", 11, fsBold, clNavy},
     .properties = {{"AutoSize", "False"}}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {10, 36, 280, 16},
     .caption = "Deseja mesmo se demitir do time atual?",
     .font = {"Arial", 9, 0, clWindowText},
     .properties = {{"AutoSize", "False"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {80, 66, 90, 25},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .bounds = {180, 66, 90, 25},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

}  // namespace

const WindowLayout kForm50Layout = {
    .name = "Form50",
    .class_name = "TForm50",
    .client_width = 440,
    .client_height = 222,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm50Controls,
    .register_classes = RegisterSmoothControlClasses,
};

const WindowLayout kForm51Layout = {
    .name = "Form51",
    .class_name = "TForm51",
    .client_width = 260,
    .client_height = 96,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm51Controls,
    .register_classes = RegisterSmoothControlClasses,
};

const WindowLayout kForm65Layout = {
    .name = "Form65",
    .class_name = "TForm65",
    .client_width = 300,
    .client_height = 100,
    .font = {"Arial", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"Position", "poScreenCenter"}, {"BorderStyle", "bsDialog"}},
    .controls = kForm65Controls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm50::TForm50() : Form("Form50") {
    BuildWindowLayout(*this, kForm50Layout);
    AnswerWindowKeys(*this, {.before_controls = true});
    list1_ = &ControlNamed<ListView>(*this, "list1");
    list1_->row_select = true;
    list1_->AddColumn("", 25);
    list1_->AddColumn("Técnico", 190);
    list1_->AddColumn("Clube Atual", 180);
    list1_->AddColumn("", 0);
    for (const std::int32_t coach : Game().game_state.human_coaches)
        if (coach >= 0) AddRow(coach);
    UpdateAddButton();
    list1_->on_select_item = [this](int, bool selected) {
        if (selected) ControlNamed<Control>(*this, "bt1").SetEnabled(true);
    };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    ControlNamed<Control>(*this, "bt2").on_click = [this] { bt2Click(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

void TForm50::AddRow(int coach) {
    const GameData& data = Game();
    if (coach < 0 || coach >= static_cast<int>(data.coaches.size())) return;
    const t_coach& c = data.coaches[coach];
    const bool has_club = c.club >= 0 && c.club < static_cast<int>(data.teams.size());
    list1_->AddItem(std::to_string(list1_->Count() + 1),
                    {c.name.str(), has_club ? data.teams[c.club].name.str() : std::string(),
                     std::to_string(coach)});
}

void TForm50::UpdateAddButton() {
    ControlNamed<Control>(*this, "bt2").SetEnabled(list1_->Count() < kHumanSlotCount);
}

void TForm50::bt1Click() {
    const int row = list1_->ItemIndex();
    if (row < 0) return;
    const int coach = std::stoi(list1_->CellText(row, 3));
    switch (RemoveHumanCoach(Game(), coach)) {
        case HumanCoachRemoval::kHasClub:
            MessageDlg("Para remover um técnico antes é necessário demiti-lo do time.",
                       mtInformation, mbOK);
            return;
        case HumanCoachRemoval::kNotHuman:
            return;
        case HumanCoachRemoval::kRemoved:
            break;
    }
    list1_->DeleteItem(row);
    for (int r = 0; r < list1_->Count(); ++r) list1_->SetCellText(r, 0, std::to_string(r + 1));
    ControlNamed<Control>(*this, "bt1").SetEnabled(false);
    UpdateAddButton();
}

void TForm50::bt2Click() {
    if (HumanCoachCount(Game()) >= kHumanSlotCount) return;
    TForm51& ask = Screen::Get().Create<TForm51>();
    ask.ShowModal();
    const std::string name = ask.EnteredName();
    ask.Release();
    const int coach = AddHumanCoach(Game(), name);
    if (coach < 0) return;
    AddRow(coach);
    UpdateAddButton();
}

TForm51::TForm51() : Form("Form51") {
    BuildWindowLayout(*this, kForm51Layout);
    AnswerWindowKeys(*this, {.before_controls = true});
    auto& edit = ControlNamed<Edit>(*this, "Edit1");
    edit.on_change = [this, &edit] {
        ControlNamed<Control>(*this, "bt2").SetEnabled(!edit.Text().empty());
    };
    ControlNamed<Control>(*this, "bt2").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

std::string TForm51::EnteredName() {
    return ControlNamed<Edit>(*this, "Edit1").Text();
}

TForm65::TForm65() : Form("Form65") {
    BuildWindowLayout(*this, kForm65Layout);
    AnswerWindowKeys(*this, {.before_controls = true});
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] {
        resignation_confirmed_ = true;
        SetModalResult(mrYes);
    };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrNo); };
    DoCreate();
}

void ShowHumanCoachesWindow() {
    TForm50& form = Screen::Get().Create<TForm50>();
    form.ShowModal();
    form.Release();
}

bool AskResignation() {
    TForm65& form = Screen::Get().Create<TForm65>();
    form.ShowModal();
    const bool confirmed = form.resignation_confirmed();
    form.Release();
    return confirmed;
}

}  // namespace kv
