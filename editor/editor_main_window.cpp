#include "editor/editor_main_window.h"

#include <algorithm>

#include "core/text_tables.h"
#include "editor/add_player_window.h"
#include "editor/edit_club_window.h"
#include "editor/editor_session.h"
#include "editor/move_player_window.h"
#include "editor/national_team_window.h"
#include "editor/new_club_window.h"
#include "editor/picture_picker_window.h"
#include "platform/base/files.h"
#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/message_box.h"
#include "platform/window/panel.h"
#include "platform/window/screen.h"
#include "screens/start/title_window.h"
#include "screens/start/window_layout.h"
#include "core/screen_size.h"
#include "platform/gfx/canvas.h"
#include "platform/window/image_list.h"
#include "platform/window/popup_menu.h"
#include "screens/start/country_columns.h"
#include "screens/start/game_pictures.h"
#include "screens/start/star_points.h"
#include "screens/start/program_pictures.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/scheme_button.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr TColor kDarkGreen = 0x006600;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kPaleYellow = 0xECFFFF;
constexpr TColor kMaroon = 0x000080;

const std::initializer_list<LayoutProperty> kPlainLabel = {{"AutoSize", "False"},
                                                           {"Transparent", "True"}};
constexpr LayoutFont kWhite = {"Tahoma", 8, 0, clWhite};
constexpr LayoutFont kWhiteBold = {"Tahoma", 8, fsBold, clWhite};
constexpr LayoutFont kDetail = {"Tahoma", 8, 0, clBlack};
constexpr LayoutFont kDetailBold = {"Tahoma", 8, fsBold, clBlack};

const LayoutControl kForm3Controls[] = {
    {.name = "xbt1",
     .class_name = "TSchemeButton",
     .bounds = {10, 8, 90, 25},
     .caption = "Clubes",
     .font = kWhiteBold,
     .properties = {{"TabOrder", "0"}, {"ColorScheme", "csGrass"}}},
    {.name = "xbt2",
     .class_name = "TSchemeButton",
     .bounds = {104, 8, 90, 25},
     .caption = "Seleções",
     .font = kWhiteBold,
     .properties = {{"TabOrder", "1"}, {"ColorScheme", "csNeoSilver"}}},
    {.name = "gridtimes",
     .class_name = "TReportGrid",
     .bounds = {10, 40, 330, 380},
     .properties = {{"TabOrder", "2"}, {"Options", "goHeader,goSelectFullRow"}}},
    {.name = "gridselecoes",
     .class_name = "TReportGrid",
     .bounds = {10, 40, 330, 380},
     .properties = {{"TabOrder", "3"},
                    {"Options", "goHeader,goSelectFullRow"},
                    {"Visible", "False"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {10, 426, 104, 25},
     .caption = "Adicionar",
     .properties = {{"TabOrder", "4"}}},
    {.name = "UiGlowButton1",
     .class_name = "TUiGlowButton",
     .bounds = {123, 426, 104, 25},
     .caption = "Editar",
     .properties = {{"TabOrder", "5"}}},
    {.name = "UiGlowButton2",
     .class_name = "TUiGlowButton",
     .bounds = {236, 426, 104, 25},
     .caption = "Excluir",
     .properties = {{"TabOrder", "6"}}},
    {.name = "Panel2", .class_name = "TPanel", .bounds = {10, 458, 330, 134}, .color = 0x004400},
    {.name = "Label15",
     .class_name = "TLabel",
     .parent = "Panel2",
     .bounds = {8, 8, 110, 16},
     .caption = "Procurar time:",
     .font = kWhite,
     .properties = kPlainLabel},
    {.name = "Edit1",
     .class_name = "TEdit",
     .parent = "Panel2",
     .bounds = {120, 5, 120, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "btpt",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {246, 4, 76, 23},
     .caption = "Procurar",
     .properties = {{"TabOrder", "1"}}},
    {.name = "Label16",
     .class_name = "TLabel",
     .parent = "Panel2",
     .bounds = {8, 36, 110, 16},
     .caption = "Procurar jogador:",
     .font = kWhite,
     .properties = kPlainLabel},
    {.name = "Edit2",
     .class_name = "TEdit",
     .parent = "Panel2",
     .bounds = {120, 33, 120, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "btpj",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {246, 32, 76, 23},
     .caption = "Procurar",
     .properties = {{"TabOrder", "3"}}},
    {.name = "Button2",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {8, 64, 100, 23},
     .caption = "Sem Escudo",
     .properties = {{"TabOrder", "4"}}},
    {.name = "Button3",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {114, 64, 100, 23},
     .caption = "Sem Camisa",
     .properties = {{"TabOrder", "5"}}},
    {.name = "btelencos",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {220, 64, 102, 23},
     .caption = "Elencos",
     .properties = {{"TabOrder", "6"}}},
    {.name = "btdup",
     .class_name = "TButton",
     .parent = "Panel2",
     .bounds = {8, 94, 140, 23},
     .caption = "Jogadores duplicados",
     .properties = {{"TabOrder", "7"}}},
    {.name = "Label18",
     .class_name = "TLabel",
     .parent = "Panel2",
     .bounds = {154, 98, 170, 16},
     .font = kWhiteBold,
     .properties = kPlainLabel},
    {.name = "Panel1", .class_name = "TPanel", .bounds = {350, 40, 440, 156}, .color = clWhite},
    {.name = "Label4",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 4, 290, 24},
     .font = {"Tahoma", 14, fsBold, clBlack},
     .properties = kPlainLabel},
    {.name = "Label1",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 30, 290, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Label7",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 48, 80, 16},
     .caption = "Nível inicial:",
     .font = kDetailBold,
     .properties = kPlainLabel},
    {.name = "Label8",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {90, 48, 40, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Image2",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {8, 66, 18, 18},
     .properties = {{"Proportional", "True"}, {"Center", "True"}, {"Stretch", "True"}}},
    {.name = "Label9",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {30, 67, 160, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Image3",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {196, 66, 18, 18},
     .properties = {{"Proportional", "True"}, {"Center", "True"}, {"Stretch", "True"}}},
    {.name = "Label12",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {218, 67, 36, 16},
     .font = kDetailBold,
     .properties = kPlainLabel},
    {.name = "Label2",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 86, 80, 16},
     .caption = "Reputação:",
     .font = kDetailBold,
     .properties = kPlainLabel},
    {.name = "Label3",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {90, 86, 120, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Label10",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 104, 80, 16},
     .caption = "Estádio:",
     .font = kDetailBold,
     .properties = kPlainLabel},
    {.name = "Label11",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {90, 104, 208, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Label20",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {90, 120, 208, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Label5",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {8, 138, 80, 16},
     .caption = "Técnico:",
     .font = kDetailBold,
     .properties = kPlainLabel},
    {.name = "Label6",
     .class_name = "TLabel",
     .parent = "Panel1",
     .bounds = {90, 138, 208, 16},
     .font = kDetail,
     .properties = kPlainLabel},
    {.name = "Image1",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {306, 8, 60, 60},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image13",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {372, 8, 60, 60},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image14",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {306, 88, 60, 60},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image5",
     .class_name = "TImage",
     .parent = "Panel1",
     .bounds = {372, 88, 60, 60},
     .properties = {{"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Grid1",
     .class_name = "TReportGrid",
     .bounds = {350, 202, 440, 316},
     .properties = {{"TabOrder", "7"}, {"Options", "goHeader,goSelectFullRow"}}},
    {.name = "Label13",
     .class_name = "TLabel",
     .bounds = {350, 522, 100, 16},
     .font = kWhiteBold,
     .properties = kPlainLabel},
    {.name = "Label17",
     .class_name = "TLabel",
     .bounds = {460, 522, 70, 16},
     .caption = "Titulares:",
     .font = kWhite,
     .properties = kPlainLabel},
    {.name = "Label14",
     .class_name = "TLabel",
     .bounds = {530, 522, 40, 16},
     .font = kWhiteBold,
     .properties = kPlainLabel},
    {.name = "UiGlowButton3",
     .class_name = "TUiGlowButton",
     .bounds = {350, 544, 110, 25},
     .caption = "Adicionar [F1]",
     .properties = {{"TabOrder", "8"}}},
    {.name = "UiGlowButton4",
     .class_name = "TUiGlowButton",
     .bounds = {466, 544, 90, 25},
     .caption = "Editar",
     .properties = {{"TabOrder", "9"}}},
    {.name = "UiGlowButton5",
     .class_name = "TUiGlowButton",
     .bounds = {562, 544, 90, 25},
     .caption = "Excluir",
     .properties = {{"TabOrder", "10"}}},
    {.name = "UiGlowButton8",
     .class_name = "TUiGlowButton",
     .bounds = {658, 544, 90, 25},
     .caption = "Transferir",
     .properties = {{"TabOrder", "11"}}},
    {.name = "UiGlowButton7",
     .class_name = "TUiGlowButton",
     .bounds = {620, 572, 80, 25},
     .caption = "Início",
     .properties = {{"TabOrder", "12"}}},
    {.name = "UiGlowButton6",
     .class_name = "TUiGlowButton",
     .bounds = {710, 572, 80, 25},
     .caption = "Sair",
     .properties = {{"TabOrder", "13"}}},
};

TGrCustomColumn& AddColumn(TReportGrid& grid, std::string name, int width,
                           std::string_view caption) {
    TGrCustomColumn& column = grid.Columns().Add(std::move(name));
    column.SetWidth(width);
    column.Header().SetCaption(std::string(caption));
    return column;
}

void AddImageColumn(TReportGrid& grid, std::string name, int width, std::string_view caption,
                    const ImageList* images) {
    auto column = std::make_unique<TGrImageColumn>(std::move(name));
    column->Images = const_cast<ImageList*>(images);
    TGrCustomColumn& added = grid.Columns().Add(std::move(column));
    added.SetColumnKind(ckInteger);
    added.SetWidth(width);
    added.Header().SetCaption(std::string(caption));
}

// The squad list's marks, by the cells' numbers: 0 a reserve, 1 a starter, 3 a star player,
// 4 a player who is not (2 is left empty).
ImageList MakeSquadMarks() {
    constexpr int kSide = 16;
    ImageList list(kSide, kSide);
    list.Add(DiscMark(kSide, {3, 3, 13, 13}, static_cast<TColor>(0x909090), clWhite));
    Picture starter = DiscMark(kSide, {2, 2, 14, 14}, static_cast<TColor>(0x005000),
                               static_cast<TColor>(0x00B000));
    {
        Canvas canvas(starter);
        canvas.pen.color = clWhite;  // a tick: he plays
        canvas.MoveTo(5, 8);
        canvas.LineTo(7, 11);
        canvas.LineTo(11, 5);
    }
    list.Add(starter);
    list.Add(Picture(kSide, kSide));
    list.Add(
        StarMark(kSide, 7.0, 3.0, static_cast<TColor>(0x0080C0), static_cast<TColor>(0x00D7FF)));
    list.Add(
        StarMark(kSide, 7.0, 3.0, static_cast<TColor>(0xC8C8C8), static_cast<TColor>(0xF0F0F0)));
    return list;
}

}  // namespace

const ImageList& TForm3::ImageList1() {
    static const ImageList marks = MakeSquadMarks();
    return marks;
}

const WindowLayout kForm3Layout = {
    .name = "Form3",
    .class_name = "TForm3",
    .client_width = 800,
    .client_height = 600,
    .caption = "Editor de times",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = kDarkGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"KeyPreview", "True"}},
    .controls = kForm3Controls,
    // It fills the work area and scales itself by its own rule, once.
    .scales = false,
    .register_classes =
        [] {
            RegisterGridControlClasses();
            RegisterSmoothControlClasses();
        },
};

TForm3::TForm3() : Form("Form3") {
    BuildWindowLayout(*this, kForm3Layout);
    gridtimes_ = &ControlNamed<TReportGrid>(*this, "gridtimes");
    gridselecoes_ = &ControlNamed<TReportGrid>(*this, "gridselecoes");
    grid1_ = &ControlNamed<TReportGrid>(*this, "Grid1");

    gridtimes_->Columns().Add("id").SetVisible(false);
    AddColumn(*gridtimes_, "clube", 130, "Clube");
    AddFlagColumn(*gridtimes_, "paisimg").SetWidth(25);
    AddColumn(*gridtimes_, "paisnome", 95, "País");
    AddColumn(*gridtimes_, "nivel", 40, "Nível").SetSortType(stNumeric);
    TGrCustomColumn& errors = AddColumn(*gridtimes_, "erros", 20, "");
    errors.SetAlignment(taCenter);
    Font bold_maroon = errors.GetFont();
    bold_maroon.style = fsBold;
    bold_maroon.color = kMaroon;
    errors.SetFont(bold_maroon);
    gridselecoes_->Columns().Add("idsel").SetVisible(false);
    AddFlagColumn(*gridselecoes_, "paisimg2").SetWidth(25);
    AddColumn(*gridselecoes_, "selnome", 195, "Seleção Nacional");
    AddColumn(*gridselecoes_, "selnivel", 60, "Nível").SetSortType(stNumeric);
    grid1_->Columns().Add("idjog").SetVisible(false);
    AddImageColumn(*grid1_, "status", 22, "", &ImageList1());
    AddImageColumn(*grid1_, "estrela", 22, "", &ImageList1());
    AddColumn(*grid1_, "nome", 120, "Nome");
    AddColumn(*grid1_, "posicaojog", 70, "Posição");
    AddFlagColumn(*grid1_, "paisjog").Header().SetCaption("País");  // the hint names it
    AddColumn(*grid1_, "idade", 40, "Idade").SetAlignment(taCenter);
    AddColumn(*grid1_, "habilidadejog", 76, "Carac.");
    AddColumn(*grid1_, "gclado", 34, "Lado");
    // The squad's columns stay where they are: a drag of a row calls a player up.
    grid1_->SetOptions(grid1_->Options().With(goDisableColumnMoving));
    gridtimes_->on_cell_formating = [this](int col, int row, TColor& text, FontStyles&,
                                           TCellState) {
        if (col != 1 || row < 0 || row >= gridtimes_->GetRowCount()) return;
        const int club = std::stoi(gridtimes_->GetCellTextByVariant("id", row));
        if (Editor().db.clubs()[club].club.squad_complete == 0) text = kRed;
    };

    for (TReportGrid* grid : {gridtimes_, gridselecoes_, grid1_}) {
        grid->on_cell_coloring = [grid](int, int row, TColor& colour, TColor&, TCellState state) {
            if (state.Has(csSelected) || row < 0 || row >= grid->GetRowCount()) return;
            colour = row % 2 == 1 ? kPaleYellow : clWhite;
        };
    }
    gridtimes_->on_header_click = [this](int col, bool& sort) {
        if (gridtimes_->Columns().GetItem(col).Name() != "paisnome") return;
        sort = false;
        SortByCountry();
    };
    gridtimes_->on_select_cell = [this](int, int row) {
        if (row < 0 || row >= gridtimes_->GetRowCount()) return;
        Editor().current_club = std::stoi(gridtimes_->GetCellTextByVariant("id", row));
        ListClub(Editor().current_club);
    };
    gridselecoes_->on_select_cell = [this](int, int row) {
        if (row < 0 || row >= gridselecoes_->GetRowCount()) return;
        ListNationalTeam(std::stoi(gridselecoes_->GetCellTextByVariant("idsel", row)));
    };
    grid1_->on_mouse_down = [this](MouseButton button, ShiftState, int x, int y) {
        if (button != mbLeft) return;
        const int col = grid1_->ColumnAtX(x);
        const int row = grid1_->RowAtY(y);
        if (row < 0 || col < 0) return;
        if (grid1_->Columns().GetItem(col).Name() == "status")
            StatusClick(row);
        else
            grid1_->BeginDrag(false);  // a drag onto "Seleções" calls the player up
    };
    grid1_->on_dbl_click = [this] { EditPlayerClick(); };
    gridtimes_->on_dbl_click = [this] { EditTeamClick(); };
    auto button = [this](std::string_view name, std::function<void()> click) {
        ControlNamed<Control>(*this, name).on_click = std::move(click);
    };
    button("xbt1", [this] { xbt1Click(); });
    button("xbt2", [this] { xbt2Click(); });
    button("bt1", [this] { bt1Click(); });
    button("UiGlowButton2", [this] { DeleteClubClick(); });
    button("UiGlowButton3", [this] { AddPlayerClick(); });
    button("UiGlowButton4", [this] { EditPlayerClick(); });
    button("UiGlowButton5", [this] { DeletePlayerClick(); });
    button("UiGlowButton1", [this] { EditTeamClick(); });
    button("UiGlowButton8", [this] { MovePlayerClick(); });
    auto& xbt2 = ControlNamed<Control>(*this, "xbt2");
    xbt2.on_drag_over = [](Control& source, int, int, bool& accept) {
        accept = dynamic_cast<TReportGrid*>(&source) != nullptr;
    };
    xbt2.on_drag_drop = [this](Control&, int, int) { CopyToNationalTeamDrop(); };
    button("btpt", [this] { TeamSearchClick(); });
    button("btpj", [this] { PlayerSearchClick(); });
    button("Button2", [this] { MarkMissingPictures(true); });
    button("Button3", [this] { MarkMissingPictures(false); });
    button("btdup", [this] { DuplicatesClick(); });
    button("btelencos", [this] { SquadCheckClick(); });
    button("UiGlowButton7", [this] { HomeClick(); });
    button("UiGlowButton6", [] { Screen::Get().Terminate(); });
    ControlNamed<Edit>(*this, "Edit1").on_change = [this] {
        ControlNamed<Button>(*this, "btpt").SetCaption("Procurar");
        team_search_.Reset();
    };
    ControlNamed<Edit>(*this, "Edit2").on_change = [this] {
        ControlNamed<Button>(*this, "btpj").SetCaption("Procurar");
        player_search_.Reset();
    };
    for (const char* name : {"Image1", "Image13", "Image14", "Image5"})
        ControlNamed<Image>(*this, name).on_mouse_down = [this](MouseButton, ShiftState, int, int) {
            Image1MouseDown();
        };
    // The details open the edit dialog of the team they show.
    for (const char* name :
         {"Label4", "Label1", "Label8", "Label3", "Label11", "Label20", "Label6"})
        ControlNamed<Label>(*this, name).on_click = [this] { EditTeamClick(); };
    for (const char* name : {"Label4", "Label1", "Label8", "Label3", "Label11", "Label20",
                             "Label6"})
        ControlNamed<Control>(*this, name).cursor = crHandPoint;
    ControlNamed<Image>(*this, "Image3").on_click = [this] { EditTeamClick(); };
    PopupMenu& menu = AddComponent<PopupMenu>("PopupMenu1");
    menu.Add("Adicionarjogador1", "Adicionar jogador", [this] { AddPlayerClick(); });
    menu.Add("DeletarJogador1", "Deletar Jogador", [this] { DeletePlayerClick(); });
    menu.items.AddSeparator();
    menu.Add("EditarJogador1", "Editar Jogador", [this] { EditPlayerClick(); });
    menu.items.AddSeparator();
    menu.Add("Transferirjogador1", "Transferir jogador", [this] { MovePlayerClick(); });
    grid1_->popup_menu = &menu;
    on_key_down = [this](int& key, ShiftState) { KeyDown(key); };
    on_close = [](CloseAction& action) { action = caFree; };
    FillWorkArea();

    if (TForm1* title = Form1()) title->Hide();
    Editor().current_club = -1;
    FillClubList();
    FillNationalTeamList();
    if (gridtimes_->GetRowCount() > 0) SelectClubRow(0);
    DoCreate();
}

void TForm3::FillClubList() {
    FillClubRows(Editor().db.ListedClubs());
}

void TForm3::SortByCountry() {
    // The details keep showing the last club; no row stays selected.
    FillClubRows(SortByCountryLevelName(Editor().db, ClubRows()));
}

void TForm3::FillClubRows(const std::vector<int>& clubs) {
    const EditorDatabase& db = Editor().db;
    gridtimes_->BeginUpdate();
    gridtimes_->ClearRows();
    for (int club : clubs) {
        const t_club_file_record& c = db.clubs()[club].club;
        const int row = gridtimes_->AddRow();
        gridtimes_->SetCellTextByVariant("id", row, std::to_string(club));
        gridtimes_->SetCellTextByVariant("clube", row, c.short_name.str());
        // The flag column sorts on its text, the country index.
        gridtimes_->SetCellTextByVariant("paisimg", row, std::to_string(c.country));
        SetFlagCell(*gridtimes_, "paisimg", row, c.country);
        gridtimes_->SetCellTextByVariant("paisnome", row, CountryText(c.country));
        gridtimes_->SetCellTextByVariant("nivel", row, std::to_string(c.level));
    }
    gridtimes_->EndUpdate();
}

void TForm3::FillNationalTeamList() {
    const EditorDatabase& db = Editor().db;
    gridselecoes_->BeginUpdate();
    gridselecoes_->ClearRows();
    for (int country : db.ListedNationalTeams()) {
        const int row = gridselecoes_->AddRow();
        gridselecoes_->SetCellTextByVariant("idsel", row, std::to_string(country));
        gridselecoes_->SetCellTextByVariant("paisimg2", row, std::to_string(country));
        SetFlagCell(*gridselecoes_, "paisimg2", row, country);
        gridselecoes_->SetCellTextByVariant("selnome", row, CountryText(country));
        gridselecoes_->SetCellTextByVariant("selnivel", row,
                                            std::to_string(db.national_team(country).level));
    }
    gridselecoes_->EndUpdate();
}

void TForm3::SelectClubRow(int row) {
    gridtimes_->SetSelectedRow(row);
    Editor().current_club = std::stoi(gridtimes_->GetCellTextByVariant("id", row));
    ListClub(Editor().current_club);
}

namespace {

void AddSquadRow(TReportGrid& grid, int slot, const PlayerFields& p, int starter) {
    const int row = grid.AddRow();
    grid.SetCellTextByVariant("idjog", row, std::to_string(slot));
    grid.SetCellTextByVariant("status", row, starter != 0 ? "1" : "0");
    grid.SetCellTextByVariant("estrela", row, p.star ? "3" : "4");
    grid.SetCellTextByVariant("nome", row, p.name);
    grid.SetCellTextByVariant("posicaojog", row, PositionText(p.position));
    grid.SetCellTextByVariant("paisjog", row, std::to_string(p.nationality));
    SetFlagCell(grid, "paisjog", row, p.nationality);
    grid.GetCellByVariant("paisjog", row).SetHint(CountryText(p.nationality));
    grid.SetCellTextByVariant("idade", row, std::to_string(p.age));
    grid.SetCellTextByVariant("gclado", row, p.side != 0 ? "E" : "D");
    grid.SetCellTextByVariant("habilidadejog", row,
                              CharacteristicsText(p.characteristic1, p.characteristic2));
}

Picture FlagPicture(int country) {
    const std::vector<Picture>& flags = flag_pictures();
    if (country < 0 || country >= kFlagCountries || country >= static_cast<int>(flags.size()))
        return {};
    return flags[static_cast<std::size_t>(country)];
}

void SetTextColour(Panel& panel, TColor colour) {
    for (const auto& child : panel.Children()) {
        auto* label = dynamic_cast<Label*>(child.get());
        if (!label) continue;
        Font font = label->font();
        font.color = colour;
        label->SetFont(font);
    }
}

Picture PictureOrNothing(const std::string& path) {
    Picture picture;
    if (FileExists(path)) picture.LoadFromFile(ResolvePath(path));
    return picture;
}

}  // namespace

void TForm3::ListClub(int club) {
    const EditorDatabase& db = Editor().db;
    if (club < 0 || club >= static_cast<int>(db.clubs().size())) return;
    const EditorClub& e = db.clubs()[club];
    const t_club_file_record& c = e.club;
    auto label = [this](std::string_view name, const std::string& text) {
        ControlNamed<Label>(*this, name).SetCaption(text);
    };
    label("Label1", c.full_name.str());
    label("Label4", c.short_name.str());
    label("Label8", std::to_string(c.level));
    label("Label9", CountryText(c.country));
    ControlNamed<Image>(*this, "Image2").SetPicture(FlagPicture(c.country));
    // Only clubs of Brasil have a state.
    const bool home = c.country == kHomeCountry;
    auto& state_picture = ControlNamed<Image>(*this, "Image3");
    state_picture.SetPicture(home ? StateFlagPicture(c.state) : Picture{});
    state_picture.SetVisible(home);
    ControlNamed<Label>(*this, "Label12").SetVisible(home);
    label("Label12", home ? StateText(c.state) : "");
    label("Label6", c.coach_name.str());
    label("Label11", c.stadium.str());
    label("Label20", std::to_string(c.capacity) + " lugares");
    label("Label3", ReputationText(c.reputation));
    auto& panel = ControlNamed<Panel>(*this, "Panel1");
    panel.SetColor(static_cast<TColor>(c.back_colour));
    SetTextColour(panel, static_cast<TColor>(c.text_colour));
    const std::string folder = NativePath(db.teams_folder());
    const std::string picture = c.picture_name.str();
    ControlNamed<Image>(*this, "Image1")
        .SetPicture(PictureOrNothing(JoinPath(JoinPath(folder, "escudos"), picture + ".png")));
    ControlNamed<Image>(*this, "Image13")
        .SetPicture(PictureOrNothing(JoinPath(JoinPath(folder, "camisas"), picture + ".png")));
    ControlNamed<Image>(*this, "Image14")
        .SetPicture(PictureOrNothing(JoinPath(JoinPath(folder, "camisas2"), picture + ".png")));
    ControlNamed<Image>(*this, "Image5")
        .SetPicture(PictureOrNothing(JoinPath(JoinPath(folder, "camisas3"), picture + ".png")));

    grid1_->BeginUpdate();
    grid1_->ClearRows();
    for (int position = 0; position <= 4; ++position)
        for (int slot = 1; slot <= kClubSquadSlots; ++slot) {
            const auto& name = e.squad.player_names[slot - 1];
            if (!IsNamedSlot(name) || e.squad.position[slot - 1] != position) continue;
            AddSquadRow(*grid1_, slot, db.ClubPlayer(club, slot), e.squad.starter[slot - 1]);
        }
    grid1_->EndUpdate();
    ShowSquadCounts();
}

void TForm3::ListNationalTeam(int country) {
    const EditorDatabase& db = Editor().db;
    if (!db.IsListedNationalTeam(country)) return;
    Editor().current_national_team = country;
    const t_national_team_file_record& n = db.national_team(country);
    ControlNamed<Label>(*this, "Label4").SetCaption(CountryText(country));
    ControlNamed<Label>(*this, "Label6").SetCaption(n.coach_name.str());
    ControlNamed<Label>(*this, "Label8").SetCaption(std::to_string(n.level));
    auto& panel = ControlNamed<Panel>(*this, "Panel1");
    panel.SetColor(static_cast<TColor>(n.back_colour));
    SetTextColour(panel, static_cast<TColor>(n.text_colour));
    const std::string folder = JoinPath(NativePath(db.teams_folder()), "selecoes");
    Picture symbol;
    for (const char* ext : {".png", ".gif", ".bmp"}) {
        symbol = PictureOrNothing(JoinPath(folder, n.picture_name.str() + ext));
        if (!symbol.empty()) break;
    }
    ControlNamed<Image>(*this, "Image1").SetPicture(symbol);
    ControlNamed<Image>(*this, "Image13")
        .SetPicture(PictureOrNothing(JoinPath(folder, "c_" + n.picture_name.str() + ".png")));
    ControlNamed<Image>(*this, "Image14")
        .SetPicture(PictureOrNothing(JoinPath(folder, "c2_" + n.picture_name.str() + ".png")));
    ControlNamed<Image>(*this, "Image5").SetPicture(Picture{});
    grid1_->BeginUpdate();
    grid1_->ClearRows();
    for (int position = 0; position <= 4; ++position)
        for (int slot = 1; slot <= kNationalSquadSlots; ++slot) {
            if (!IsNamedSlot(n.player_names[slot - 1]) || n.position[slot - 1] != position)
                continue;
            AddSquadRow(*grid1_, slot, db.NationalPlayer(country, slot), n.starter[slot - 1]);
        }
    grid1_->EndUpdate();
    ShowSquadCounts();
}

void TForm3::ShowSquadCounts() {
    int starters = 0;
    for (int r = 0; r < grid1_->GetRowCount(); ++r)
        if (grid1_->GetCellTextByVariant("status", r) == "1") ++starters;
    ControlNamed<Label>(*this, "Label13")
        .SetCaption(std::to_string(grid1_->GetRowCount()) + " jogadores");
    ControlNamed<Label>(*this, "Label14").SetCaption(std::to_string(starters));
}

std::vector<int> TForm3::ClubRows() {
    std::vector<int> rows;
    for (int i = 0; i < gridtimes_->GetRowCount(); ++i)
        rows.push_back(std::stoi(gridtimes_->GetCellTextByVariant("id", i)));
    return rows;
}

int TForm3::SelectedSlot() {
    const int row = grid1_->SelectedRow();
    if (row < 0 || row >= grid1_->GetRowCount()) return 0;
    return std::stoi(grid1_->GetCellTextByVariant("idjog", row));
}

void TForm3::ShowPageSchemes() {
    // The button of the page shown is green, the other silver.
    ControlNamed<TSchemeButton>(*this, "xbt1").SetColorScheme(national_mode_ ? csNeoSilver
                                                                             : csGrass);
    ControlNamed<TSchemeButton>(*this, "xbt2").SetColorScheme(national_mode_ ? csGrass
                                                                             : csNeoSilver);
}

void TForm3::FillWorkArea() {
    Screen& screen = Screen::Get();
    const Rect work = screen.WorkArea();
    const WindowScale scale = WindowScaleFor({screen.Width(), screen.Height()});
    if (scale.scaled) ScaleBy(scale.numerator, scale.denominator);
    const int design_w = ClientWidth();
    const int design_h = ClientHeight();
    SetBounds(work.left, work.top, work.right - work.left, work.bottom - work.top);
    const int spare_w = std::max(0, ClientWidth() - design_w);
    const int spare_h = std::max(0, ClientHeight() - design_h);
    if (spare_w == 0 && spare_h == 0) return;
    // The left column (the team lists and their panel) takes the spare width; the squad list
    // the spare height, with what lies under it moving down.
    const int right_column = gridtimes_->Left() + gridtimes_->Width();
    const int left_bottom = gridtimes_->Top() + gridtimes_->Height();
    const int right_bottom = grid1_->Top() + grid1_->Height();
    for (const auto& child : Children()) {
        Control& c = *child;
        int left = c.Left(), top = c.Top(), width = c.Width(), height = c.Height();
        const bool right = left >= right_column;
        if (right) left += spare_w;
        if (&c == gridtimes_ || &c == gridselecoes_ || &c == grid1_) {
            if (!right) width += spare_w;
            height += spare_h;
        } else if (top >= (right ? right_bottom : left_bottom)) {
            top += spare_h;
        }
        if (c.Name() == "Panel2") width += spare_w;
        c.SetBounds(left, top, width, height);
    }
    // The lists' widest text column takes the extra width.
    auto widen = [](TReportGrid& grid, std::string_view column, int extra) {
        if (TGrCustomColumn* c = grid.Columns().ColumnByName(column))
            c->SetWidth(c->Width() + extra);
    };
    widen(*gridtimes_, "clube", spare_w / 2);
    widen(*gridtimes_, "paisnome", spare_w - spare_w / 2);
    widen(*gridselecoes_, "selnome", spare_w);
}

void TForm3::xbt1Click() {
    const bool was_national = national_mode_;
    national_mode_ = false;
    gridselecoes_->Hide();
    gridtimes_->Show();
    ControlNamed<Panel>(*this, "Panel2").Show();
    ShowPageSchemes();
    for (const char* name : {"Label1", "Label9", "Label10", "Label11", "Label12", "Label20",
                             "Label2", "Label3", "Label7", "Image2", "Image3"})
        ControlNamed<Control>(*this, name).Show();
    if (was_national && gridtimes_->GetRowCount() > 0) SelectClubRow(0);
    gridtimes_->SetFocus();
}

void TForm3::xbt2Click() {
    national_mode_ = true;
    ShowPageSchemes();
    gridtimes_->Hide();
    gridselecoes_->Show();
    ControlNamed<Panel>(*this, "Panel2").Hide();
    for (const char* name : {"Label1", "Label9", "Label10", "Label11", "Label12", "Label20",
                             "Label2", "Label3", "Image2", "Image3"})
        ControlNamed<Control>(*this, name).Hide();
    if (gridselecoes_->GetRowCount() > 0) {
        gridselecoes_->SetSelectedRow(0);
        ListNationalTeam(std::stoi(gridselecoes_->GetCellTextByVariant("idsel", 0)));
    }
}

void TForm3::bt1Click() {
    if (national_mode_) {
        auto& dialog = Screen::Get().Create<TForm73>(false);
        const int added = dialog.ShowModal() == mrOk ? dialog.Country() : -1;
        dialog.Release();
        if (added < 0) return;
        FillNationalTeamList();
        for (int r = 0; r < gridselecoes_->GetRowCount(); ++r)
            if (gridselecoes_->GetCellTextByVariant("idsel", r) == std::to_string(added))
                gridselecoes_->SetSelectedRow(r);
        ListNationalTeam(added);
        return;
    }
    auto& dialog = Screen::Get().Create<TForm7>();
    const int added = dialog.ShowModal() == mrOk ? dialog.AddedClub() : -1;
    dialog.Release();
    if (added < 0) return;
    const t_club_file_record& c = Editor().db.clubs()[added].club;
    gridtimes_->InsertRow(0);
    gridtimes_->SetCellTextByVariant("id", 0, std::to_string(added));
    gridtimes_->SetCellTextByVariant("clube", 0, c.short_name.str());
    gridtimes_->SetCellTextByVariant("paisimg", 0, std::to_string(c.country));
    SetFlagCell(*gridtimes_, "paisimg", 0, c.country);
    gridtimes_->SetCellTextByVariant("paisnome", 0, CountryText(c.country));
    gridtimes_->SetCellTextByVariant("nivel", 0, std::to_string(c.level));
    SelectClubRow(0);
}

void TForm3::DeleteClubClick() {
    EditorSession& editor = Editor();
    const int row = gridtimes_->SelectedRow();
    if (national_mode_ || row < 0 || row >= gridtimes_->GetRowCount() || editor.current_club < 0)
        return;
    const int club = std::stoi(gridtimes_->GetCellTextByVariant("id", row));
    if (MessageDlg("Quer mesmo excluir o time " + editor.db.clubs()[club].club.short_name.str() +
                       ". Campeonatos podem deixar de funcionar corretamente por isso.",
                   mtConfirmation, mbYesNo) != mrYes)
        return;
    if (std::string error = editor.db.DeleteClub(club); !error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    gridtimes_->DeleteRow(row);
    editor.current_club = -1;
    if (gridtimes_->GetRowCount() > 0) SelectClubRow(0);
}

void TForm3::AddPlayerClick() {
    EditorSession& editor = Editor();
    if (!national_mode_ && editor.current_club < 0) return;
    if (national_mode_ && editor.current_national_team < 0) return;
    const bool full =
        national_mode_
            ? editor.db.NationalPlayerCount(editor.current_national_team) >= kNationalSquadSlots
            : editor.db.ClubPlayerCount(editor.current_club) >= kClubSquadSlots;
    if (full) {
        MessageDlg(
            national_mode_ ? "A seleção já tem 28 jogadores" : "Você já tem 25 jogadores no time",
            mtError, mbOK);
        return;
    }
    auto& dialog = Screen::Get().Create<TForm5>(national_mode_);
    const bool added = dialog.ShowModal() == mrOk;
    dialog.Release();
    if (!added) return;
    if (national_mode_)
        ListNationalTeam(editor.current_national_team);
    else
        ListClub(editor.current_club);
}

void TForm3::EditPlayerClick() {
    const int slot = SelectedSlot();
    if (slot == 0) return;
    auto& dialog = Screen::Get().Create<TForm6>(national_mode_, slot);
    const bool changed = dialog.ShowModal() == mrOk;
    dialog.Release();
    if (!changed) return;
    if (national_mode_)
        ListNationalTeam(Editor().current_national_team);
    else
        ListClub(Editor().current_club);
}

void TForm3::EditTeamClick() {
    EditorSession& editor = Editor();
    if (national_mode_) {
        if (editor.current_national_team < 0) return;
        auto& dialog = Screen::Get().Create<TForm73>(true);
        const bool changed = dialog.ShowModal() == mrOk;
        dialog.Release();
        if (!changed) return;
        const int row = gridselecoes_->SelectedRow();
        if (row >= 0 && row < gridselecoes_->GetRowCount())
            gridselecoes_->SetCellTextByVariant(
                "selnivel", row,
                std::to_string(editor.db.national_team(editor.current_national_team).level));
        ListNationalTeam(editor.current_national_team);
        return;
    }
    const int selected = gridtimes_->SelectedRow();
    if (editor.current_club < 0 || selected < 0 || selected >= gridtimes_->GetRowCount()) return;
    auto& dialog = Screen::Get().Create<TForm4>();
    const bool changed = dialog.ShowModal() == mrOk;
    dialog.Release();
    if (!changed) return;
    const int row = gridtimes_->SelectedRow();
    const t_club_file_record& c = editor.db.clubs()[editor.current_club].club;
    if (row >= 0 && row < gridtimes_->GetRowCount()) {
        gridtimes_->SetCellTextByVariant("clube", row, c.short_name.str());
        // The flag column sorts on its text, the country index.
        gridtimes_->SetCellTextByVariant("paisimg", row, std::to_string(c.country));
        SetFlagCell(*gridtimes_, "paisimg", row, c.country);
        gridtimes_->SetCellTextByVariant("paisnome", row, CountryText(c.country));
        gridtimes_->SetCellTextByVariant("nivel", row, std::to_string(c.level));
    }
    ListClub(editor.current_club);
}

void TForm3::MovePlayerClick() {
    // Only a club's player can move: a national-team slot names no club slot.
    if (national_mode_ || Editor().current_club < 0) return;
    auto& dialog = Screen::Get().Create<TForm79>(ClubRows(), SelectedSlot());
    const bool moved = dialog.ShowModal() == mrOk;
    dialog.Release();
    if (moved) ListClub(Editor().current_club);
}

void TForm3::CopyToNationalTeamDrop() {
    EditorSession& editor = Editor();
    const int slot = SelectedSlot();
    if (national_mode_ || editor.current_club < 0 || slot == 0) return;
    if (std::string error = editor.db.CopyPlayerToNationalTeam(editor.current_club, slot);
        !error.empty()) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FillNationalTeamList();
}

void TForm3::DeletePlayerClick() {
    const int slot = SelectedSlot();
    if (slot == 0) return;
    EditorSession& editor = Editor();
    const std::string error =
        national_mode_ ? editor.db.DeleteNationalPlayer(editor.current_national_team, slot)
                       : editor.db.DeleteClubPlayer(editor.current_club, slot);
    if (!error.empty()) MessageDlg(error, mtError, mbOK);
    if (national_mode_)
        ListNationalTeam(editor.current_national_team);
    else
        ListClub(editor.current_club);
}

void TForm3::StatusClick(int row) {
    const int slot = std::stoi(grid1_->GetCellTextByVariant("idjog", row));
    EditorSession& editor = Editor();
    std::string error;
    const bool changed =
        national_mode_ ? editor.db.ToggleNationalStarter(editor.current_national_team, slot, &error)
                       : editor.db.ToggleClubStarter(editor.current_club, slot, &error);
    if (!error.empty()) MessageDlg(error, mtError, mbOK);
    if (!changed) return;
    const bool starter = grid1_->GetCellTextByVariant("status", row) != "1";
    grid1_->SetCellTextByVariant("status", row, starter ? "1" : "0");
    ShowSquadCounts();
}

void TForm3::Image1MouseDown() {
    EditorSession& editor = Editor();
    if (national_mode_) {
        EditTeamClick();
        return;
    }
    if (editor.current_club < 0) return;
    editor.picker_for_existing = true;
    auto& picker = Screen::Get().Create<Tform43>(false);
    picker.ShowModal();
    picker.Release();
    ListClub(editor.current_club);
}

void TForm3::TeamSearchClick() {
    const std::vector<int> rows = ClubRows();
    const int row = team_search_.Find(Editor().db, rows, ControlNamed<Edit>(*this, "Edit1").Text());
    if (row < 0) return;
    SelectClubRow(row);
    gridtimes_->SetFocus();
    ControlNamed<Button>(*this, "btpt").SetCaption("Próximo");
}

void TForm3::PlayerSearchClick() {
    const std::vector<int> rows = ClubRows();
    const PlayerHit hit =
        player_search_.Find(Editor().db, rows, ControlNamed<Edit>(*this, "Edit2").Text());
    if (hit.row < 0) return;
    SelectClubRow(hit.row);
    ControlNamed<Button>(*this, "btpj").SetCaption("Próximo");
    for (int r = 0; r < grid1_->GetRowCount(); ++r)
        if (grid1_->GetCellTextByVariant("idjog", r) == std::to_string(hit.slot)) {
            grid1_->SetSelectedRow(r);
            break;
        }
    grid1_->SetFocus();
}

void TForm3::MarkMissingPictures(bool crests) {
    if (national_mode_) return;
    const std::vector<int> rows = ClubRows();
    const std::vector<bool> missing =
        crests ? ClubsWithoutCrest(Editor().db, rows) : ClubsWithoutKit(Editor().db, rows);
    for (int i = 0; i < gridtimes_->GetRowCount(); ++i)
        gridtimes_->SetCellTextByVariant("erros", i, missing[i] ? "X" : "");
}

void TForm3::DuplicatesClick() {
    if (national_mode_) return;
    const std::vector<int> rows = ClubRows();
    auto& label = ControlNamed<Label>(*this, "Label18");
    label.SetCaption("");
    const std::vector<DuplicatePlayer> found = DuplicatePlayers(Editor().db, rows);
    if (found.empty()) return;
    label.SetCaption(found.back().text);
    SelectClubRow(found.back().row);
    gridtimes_->SetFocus();
}

void TForm3::SquadCheckClick() {
    const std::vector<SquadFault> faults = CheckSquads(Editor().db);
    if (faults.empty()) {
        ShowMessage("Todos os elencos estão completos.");
        return;
    }
    std::string text = std::to_string(faults.size()) + " elencos incompletos:";
    for (const SquadFault& f : faults) text += "\n" + f.text;
    ShowMessage(text);
}

void TForm3::KeyDown(int& key) {
    EditorSession& editor = Editor();
    if (key == VK_F1) {
        key = 0;
        AddPlayerClick();
    } else if (key == VK_F2) {
        key = 0;
        if (std::string error = editor.db.WriteClub(editor.current_club); !error.empty())
            MessageDlg(error, mtError, mbOK);
    } else if (key == VK_DELETE && grid1_->Focused()) {
        key = 0;
        DeletePlayerClick();
    } else if (!national_mode_ && grid1_->Focused() &&
               (key == VK_F5 || key == VK_F8 || key == VK_F9)) {
        const int slot = SelectedSlot();
        if (slot == 0) return;
        std::string error;
        if (key == VK_F5)
            editor.db.AgeClubPlayer(editor.current_club, slot, &error);
        else
            editor.db.SetClubPlayerSide(editor.current_club, slot, key == VK_F8 ? 1 : 0, &error);
        key = 0;
        const int row = grid1_->SelectedRow();
        ListClub(editor.current_club);
        grid1_->SetSelectedRow(row);
        if (!error.empty()) MessageDlg(error, mtError, mbOK);
    } else if (!national_mode_ && gridtimes_->Focused()) {
        // Every key of the club list writes the club chosen before the key moves the choice;
        // F5 .. F11 first set its kit colour.
        std::string error;
        if (key >= VK_F5 && key <= VK_F11) {
            error = editor.db.SetClubKit(editor.current_club, key - VK_F5);
            key = 0;
        } else {
            error = editor.db.WriteClub(editor.current_club);
        }
        if (!error.empty()) MessageDlg(error, mtError, mbOK);
    }
}

void TForm3::HomeClick() {
    if (TForm1* title = Form1()) title->Show();
    Close();
}

}  // namespace kv
