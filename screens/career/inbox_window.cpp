#include "screens/career/inbox_window.h"

#include <string>

#include "core/game_data.h"
#include "platform/gfx/canvas.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/memo.h"
#include "platform/window/screen.h"
#include "screens/main/main_window.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_background.h"
#include "screens/start/window_layout.h"
#include "season/news.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Image1", .class_name = "TImage", .bounds = {12, 8, 32, 24}},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {52, 10, 300, 22},
     .caption = "Sua caixa de emails",
     .font = {"Arial", 13, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"Transparent", "True"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {584, 8, 28, 24},
     .caption = "X",
     .properties = {{"TabOrder", "3"}}},
    {.name = "grid1",
     .class_name = "TReportGrid",
     .bounds = {12, 40, 600, 230},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Memo1",
     .class_name = "TMemo",
     .bounds = {12, 278, 600, 96},
     .font = {"Arial", 10, 0, clWindowText},
     .properties = {{"TabOrder", "1"}}},
    {.name = "Panel1",
     .class_name = "TPanel",
     .bounds = {12, 380, 600, 36},
     .properties = {{"Visible", "False"}, {"TabOrder", "2"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {10, 10, 330, 16},
     .caption = "Deseja multar o jogador em 30% do salário?",
     .font = {"Arial", 9, fsBold, clWindowText},
     .properties = {{"AutoSize", "False"}}},
    {.name = "SchemeButton1",
     .class_name = "TSchemeButton",
     .parent = "Panel1",
     .bounds = {400, 6, 90, 24},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .parent = "Panel1",
     .bounds = {500, 6, 90, 24},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

void RegisterInboxClasses() {
    RegisterGridControlClasses();
    RegisterSmoothControlClasses();
}

constexpr TColor kOddRow = TColor(0x00ECFFFF);

Picture ReadMark(bool read) {
    Picture mark(16, 16);
    Canvas canvas(mark);
    canvas.pen.color = TColor(0x00404040);
    canvas.brush.color = read ? TColor(0x00E0E0E0) : clYellow;
    canvas.Rectangle(1, 3, 15, 13);
    canvas.MoveTo(1, 3);
    canvas.LineTo(8, 9);
    canvas.LineTo(15, 3);
    return mark;
}

}  // namespace

const WindowLayout kForm62Layout = {
    .name = "Form62",
    .class_name = "TForm62",
    .client_width = 624,
    .client_height = 424,
    .font = {"Arial", 8, 0, clWindowText},
    .color = TColor(0x00602010),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterInboxClasses,
};

TForm62::TForm62() : Form("Form62") {
    BuildWindowLayout(*this, kForm62Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = [this] { bt1Click(); }, .before_controls = true});
    ImageList& marks = AddComponent<ImageList>("imlGrid");
    marks.Add(ReadMark(false));
    marks.Add(ReadMark(true));
    Picture envelope(32, 24);
    {
        Canvas canvas(envelope);
        canvas.pen.color = clBlack;
        canvas.brush.color = clWhite;
        canvas.Rectangle(1, 2, 31, 22);
        canvas.MoveTo(1, 2);
        canvas.LineTo(16, 13);
        canvas.LineTo(31, 2);
    }
    ControlNamed<Image>(*this, "Image1").SetPicture(envelope);

    grid1_ = &ControlNamed<TReportGrid>(*this, "grid1");
    grid1_->SetOptions({goHeader, goSelectFullRow});
    grid1_->HighlightedTextColor = clWhite;
    grid1_->Columns().Add("id", ckInteger).SetVisible(false);
    auto lido = std::make_unique<TGrImageColumn>("lido");
    lido->Images = &marks;
    grid1_->Columns().Add(std::move(lido)).SetWidth(25);
    grid1_->Columns().Add("assunto").SetWidth(250);
    grid1_->Columns().ColumnByName("assunto")->Header().SetCaption("Assunto");
    grid1_->Columns().Add("from").SetWidth(200);
    grid1_->Columns().ColumnByName("from")->Header().SetCaption("De");
    grid1_->Columns().Add("gcdata").SetWidth(100);
    grid1_->Columns().ColumnByName("gcdata")->Header().SetCaption("Data");
    grid1_->on_cell_coloring = [](int, int row, TColor& color, TColor&, TCellState state) {
        if (!state.Has(csSelected)) color = row % 2 == 1 ? kOddRow : clWhite;
    };
    grid1_->on_cell_formating = [this](int col, int row, TColor&, FontStyles& style, TCellState) {
        if (!grid1_->Columns().IsValidIndex(col)) return;
        const std::string& name = grid1_->Columns().GetItem(col).Name();
        if (name != "assunto" && name != "from" && name != "gcdata") return;
        if (grid1_->GetCellTextByVariant("lido", row) == "0") style |= fsBold;
    };
    grid1_->on_select_cell = [this](int, int row) { grid1SelectCell(row); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { Answer(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { Answer(); };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    FillList();
    DoCreate();
}

void TForm62::FillList() {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    grid1_->ClearRows();
    ControlNamed<Memo>(*this, "Memo1").Clear();
    grid1_->BeginUpdate();
    for (int i = static_cast<int>(data.inbox.size()) - 1; i >= 0; --i) {
        const t_news_item& item = data.inbox[i];
        if (item.club != club || club < 0) continue;
        const int row = grid1_->AddRow();
        grid1_->SetCellTextByVariant("id", row, std::to_string(i));
        grid1_->SetCellTextByVariant("lido", row, item.read ? "1" : "0");
        grid1_->SetCellTextByVariant("assunto", row, NewsTitle(data, item));
        grid1_->SetCellTextByVariant("from", row, NewsSenderName(data, item));
        grid1_->SetCellTextByVariant("gcdata", row, FormatDateMask(item.date, "dd/mm/yyyy"));
    }
    grid1_->EndUpdate();
}

void TForm62::grid1SelectCell(int row) {
    GameData& data = Game();
    const std::string id = grid1_->GetCellTextByVariant("id", row);
    if (id.empty()) return;
    const int index = std::stoi(id);
    if (index < 0 || index >= static_cast<int>(data.inbox.size())) return;
    t_news_item& item = data.inbox[index];
    shown_item_ = index;
    ControlNamed<Memo>(*this, "Memo1").SetText(NewsText(item));
    ControlNamed<Control>(*this, "Panel1").SetVisible(item.answer_wanted == 1);
    item.read = 1;
    grid1_->SetCellTextByVariant("lido", row, "1");
}

void TForm62::Answer() {
    GameData& data = Game();
    if (shown_item_ >= 0 && shown_item_ < static_cast<int>(data.inbox.size()))
        data.inbox[shown_item_].answer_wanted = 0;
    ControlNamed<Control>(*this, "Panel1").SetVisible(false);
}

void TForm62::bt1Click() {
    if (TForm13* main = MainWindow()) main->RefreshUnreadNews();
    SetModalResult(mrOk);
}

void ShowInboxWindow() {
    TForm62& form = Screen::Get().Create<TForm62>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
