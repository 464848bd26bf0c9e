#include "screens/club/team_view_window.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "platform/gfx/canvas.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "screens/club/club_money_window_parts.h"
#include "screens/club/club_window_parts.h"
#include "screens/club/purchase_windows.h"
#include "screens/club/transfer_list_window.h"
#include "screens/main/main_window.h"
#include "screens/main/main_window_pictures.h"
#include "screens/main/main_window_texts.h"
#include "screens/match/match_pictures.h"
#include "screens/start/game_pictures.h"
#include "screens/start/window_background.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/career_texts.h"
#include "season/loans.h"
#include "season/player_economy.h"
#include "season/purchase_negotiation.h"
#include "season/transfers.h"
#include "ui/controls/control_classes.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_control_classes.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

void RegisterTeamViewClasses() {
    RegisterSmoothControlClasses();
    RegisterMarkupControlClasses();
    RegisterGridControlClasses();
}

constexpr LayoutFont kText = {"Arial", 8, fsBold, clWhite};
const std::initializer_list<LayoutProperty> kMarkup = {{"Transparent", "True"}};

const LayoutControl kControls[] = {
    {.name = "ReportGrid1",
     .class_name = "TReportGrid",
     .bounds = {8, 8, 190, 584},
     .properties = {{"Options", "goSelectFullRow"}, {"RowSize", "18"}, {"TabOrder", "0"}}},
    {.name = "mainpanel", .class_name = "TUiSmoothPanel", .bounds = {206, 8, 586, 130}},
    {.name = "escudo",
     .class_name = "TImage",
     .parent = "mainpanel",
     .bounds = {10, 10, 88, 88},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}, {"Center", "True"}}},
    {.name = "Image7", .class_name = "TImage", .parent = "mainpanel", .bounds = {108, 12, 24, 16}},
    {.name = "Label4",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {140, 10, 300, 20},
     .font = {"Arial", 12, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "Label3",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {108, 36, 300, 16},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label5",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {108, 56, 300, 16},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label1",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {108, 76, 300, 16},
     .font = kText,
     .properties = kMarkup},
    {.name = "Label9",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {420, 14, 150, 16},
     .caption = "<SHAD>Confiança diretoria:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "gp1",
     .class_name = "TUiSmoothProgressBar",
     .parent = "mainpanel",
     .bounds = {420, 32, 150, 16},
     .properties = {{"TabStop", "False"}}},
    {.name = "Label10",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {420, 56, 150, 16},
     .caption = "<SHAD>Confiança torcida:</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "gp2",
     .class_name = "TUiSmoothProgressBar",
     .parent = "mainpanel",
     .bounds = {420, 74, 150, 16},
     .properties = {{"TabStop", "False"}}},
    {.name = "Image2",
     .class_name = "TImage",
     .parent = "mainpanel",
     .bounds = {108, 104, 18, 18},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label11",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {130, 105, 90, 16},
     .caption = "<SHAD><U>Retrospecto</U></SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Image3",
     .class_name = "TImage",
     .parent = "mainpanel",
     .bounds = {224, 104, 18, 18},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label12",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {246, 105, 80, 16},
     .caption = "<SHAD><U>Calendário</U></SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Image5",
     .class_name = "TImage",
     .parent = "mainpanel",
     .bounds = {330, 104, 18, 18},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label26",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {352, 105, 80, 16},
     .caption = "<SHAD><U>Transfers</U></SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Image6",
     .class_name = "TImage",
     .parent = "mainpanel",
     .bounds = {436, 104, 18, 18},
     .properties = {{"Stretch", "True"}, {"Proportional", "True"}}},
    {.name = "Label28",
     .class_name = "TMarkupLabel",
     .parent = "mainpanel",
     .bounds = {458, 105, 80, 16},
     .caption = "<SHAD><U>Troféus</U></SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "joglist",
     .class_name = "TReportGrid",
     .bounds = {206, 146, 586, 246},
     .properties = {{"Options", "goHeader, goSelectFullRow"},
                    {"RowSize", "18"},
                    {"TabOrder", "1"}}},
    {.name = "Label27",
     .class_name = "TMarkupLabel",
     .bounds = {206, 398, 586, 18},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = {{"Transparent", "True"}, {"Visible", "False"}}},
    {.name = "infojt", .class_name = "TUiSmoothPanel", .bounds = {206, 420, 400, 172}},
    {.name = "Image1", .class_name = "TImage", .parent = "infojt", .bounds = {366, 10, 24, 16}},
    {.name = "cardtext",
     .class_name = "TMarkupLabel",
     .parent = "infojt",
     .bounds = {10, 8, 352, 158},
     .font = kText,
     .properties = kMarkup},
    {.name = "Image13",
     .class_name = "TImage",
     .parent = "infojt",
     .bounds = {368, 34, 20, 20},
     .properties = {{"Center", "True"}, {"ShowHint", "True"}, {"Hint", "Histórico confrontos"}}},
    {.name = "Image4",
     .class_name = "TImage",
     .parent = "infojt",
     .bounds = {368, 34, 20, 20},
     .properties = {{"Center", "True"},
                    {"ShowHint", "True"},
                    {"Hint", "Histórico confrontos"},
                    {"Visible", "False"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .parent = "infojt",
     .bounds = {246, 140, 144, 24},
     .caption = "Histórico Completo",
     .properties = {{"TabOrder", "0"}, {"Visible", "False"}}},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {616, 420, 176, 28},
     .caption = "Comprar",
     .properties = {{"TabOrder", "2"}}},
    {.name = "bt2",
     .class_name = "TUiGlowButton",
     .bounds = {616, 454, 176, 28},
     .caption = "Fazer uma oferta",
     .properties = {{"TabOrder", "3"}}},
    {.name = "bt4",
     .class_name = "TUiGlowButton",
     .bounds = {616, 488, 176, 28},
     .caption = "Pegar por empréstimo",
     .properties = {{"TabOrder", "4"}}},
    {.name = "Label21",
     .class_name = "TMarkupLabel",
     .bounds = {616, 524, 176, 16},
     .caption = "<SHAD>Dinheiro em caixa do seu time</SHAD>",
     .font = kText,
     .properties = kMarkup},
    {.name = "Label22",
     .class_name = "TMarkupLabel",
     .bounds = {616, 542, 176, 16},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kMarkup},
    {.name = "bt3",
     .class_name = "TUiGlowButton",
     .bounds = {616, 564, 176, 28},
     .caption = "Fechar",
     .properties = {{"TabOrder", "5"}}},
};

enum class ColumnKind { kText, kStatus, kFlag, kMark };
struct Column {
    const char* name;
    const char* header;
    int width;
    ColumnKind kind = ColumnKind::kText;
};
constexpr Column kSquadColumns[] = {
    {"id", "", 0},
    {"status", "", 22, ColumnKind::kStatus},
    {"posicaojog", "P", 22},
    {"gclado", "L", 20},
    {"paisjog", "", 28, ColumnKind::kFlag},
    {"nomejog", "Nome", 112},
    {"forca", "F", 28},
    {"energia", "E", 40},
    {"passe", "Passe", 64},
    {"salario", "salario", 60},
    {"idade", "I", 24},
    {"gols", "G", 28},
    {"habilidadejog", "Habil.", 60},
    {"avenda", "Vda", 30, ColumnKind::kMark},
    {"gcemp", "Emp", 30, ColumnKind::kMark},
};

// The marks of the sale and loan columns, by the cells' numbers: 0 on sale, 1 nothing,
// 2 offered for loan.
ImageList& SquadMarks() {
    static ImageList marks = [] {
        constexpr int kSide = 14;
        ImageList list(kSide, kSide);
        auto mark = [](TColor colour) {
            Picture picture(kSide, kSide);
            Canvas canvas(picture);
            canvas.pen.color = static_cast<TColor>(0x404040);
            canvas.brush.color = colour;
            canvas.Ellipse({3, 3, 11, 11});
            return picture;
        };
        list.Add(mark(static_cast<TColor>(0x00B000)));
        list.Add(Picture(kSide, kSide));
        list.Add(mark(static_cast<TColor>(0xE08000)));
        return list;
    }();
    return marks;
}

ImageList& StatusPictures() {
    static ImageList pictures = [] {
        ImageList list;
        FillAvailabilityPictures(list);
        return list;
    }();
    return pictures;
}

TGrCustomColumn& AddSquadColumn(TReportGrid& grid, const Column& c) {
    std::unique_ptr<TGrCustomColumn> made;
    switch (c.kind) {
        case ColumnKind::kText:
            made = std::make_unique<TGrTextColumn>(c.name);
            break;
        case ColumnKind::kStatus:
        case ColumnKind::kMark: {
            auto image = std::make_unique<TGrImageColumn>(c.name);
            image->Images = c.kind == ColumnKind::kStatus ? &StatusPictures() : &SquadMarks();
            made = std::move(image);
            break;
        }
        case ColumnKind::kFlag: {
            auto flag = std::make_unique<TGrGraphicColumn>(c.name);
            flag->BorderWidth = 0;
            flag->Margin = 2;
            made = std::move(flag);
            break;
        }
    }
    TGrCustomColumn& column = grid.Columns().Add(std::move(made));
    if (c.kind == ColumnKind::kStatus || c.kind == ColumnKind::kMark)
        column.SetColumnKind(ckInteger);
    column.Header().SetCaption(c.header);
    column.SetWidth(c.width);
    column.SetVisible(c.width > 0);
    return column;
}

const Picture& LinkIcon(std::string_view name) {
    static const Picture history = MainWindowIcon("historico");
    static const Picture fixtures = MainWindowIcon("confrontos");
    static const Picture money = MainWindowIcon("dinheiro");
    static const Picture squad = MainWindowIcon("elenco");
    if (name == "historico") return history;
    if (name == "confrontos") return fixtures;
    if (name == "dinheiro") return money;
    return squad;
}

std::string Shad(const std::string& text) {
    return "<SHAD>" + text + "</SHAD>";
}

std::string PositionLetter(int position) {
    const auto name = position_names[static_cast<std::size_t>(std::clamp(position, 0, 4))];
    return std::string(name.substr(0, 1));
}

}  // namespace

std::string TeamViewPlayerCard(const GameData& data, int player) {
    const t_player& p = data.players[player];
    const int kind = std::clamp(data.game_state.match_kind, 0, 10);
    const auto c1 = static_cast<std::size_t>(std::clamp(p.characteristic1, 0, 13));
    const auto c2 = static_cast<std::size_t>(std::clamp(p.characteristic2, 0, 13));
    std::string traits(characteristic_names[c1]);
    if (c1 != c2) traits += "/" + std::string(characteristic_names[c2]);
    std::string sale = p.on_sale ? "Disponível para venda" : "Não disponível para venda";
    if (p.loan_status == 2) sale = "Emprestado até " + FormatDate(p.contract_end);
    std::string status;
    if (p.yellow_cards[kind] >= 3)
        status = "Suspenso por 1 jogo";
    else if (p.suspension[kind] > 0)
        status = "Suspenso por " + std::to_string(p.suspension[kind]) + " jogo(s)";
    else if (p.injured_until > TodayDate(data))
        status = "Jogador contundido até " + FormatDate(p.injured_until);
    const std::string ind = "<IND x=\"200\">";
    return "<FONT size=\"10\" face=\"Arial\" color=\"#FFFF00\"><SHAD>" +
           PositionLetter(p.position) + " - " + p.name.str() + "</SHAD></FONT><br><br>" +
           "<SHAD><B>Força:</B>" + std::to_string(p.strength) + ind +
           "<B>Idade</B>:" + std::to_string(p.age) + "<BR><br>" + "<B>Valor Passe:</B>$" +
           FormatDigitGroups(MoneyToWholeUnits(p.value)) + ind + "<B>Salário</B>:$" +
           FormatDigitGroups(MoneyToWholeUnits(p.wage)) + "<BR><br>" + "<B>Jogos:</B>" +
           std::to_string(p.games) + " <B>Gols:</B>" + std::to_string(p.goals) +
           " <B>Cartões:</B>" + std::to_string(p.yellow_cards[kind]) + "<BR><br>" +
           "<B>Características:</B>" + traits + "<BR><br>" + "<B></B>" + sale + "<BR><br>" +
           "</shad><shad><B>" + status + "</B></SHAD>";
}

std::string TeamViewPlayerHistory(GameData& data, int player) {
    const t_player& p = data.players[player];
    return "<FONT size=\"10\" face=\"Arial\" color=\"#FFFF00\"><SHAD>" +
           PositionLetter(p.position) + " - " + p.name.str() + "</SHAD></FONT><br><br>" +
           PlayerCareerPage(data, player, -1).text;
}

const WindowLayout kForm14Layout = {
    .name = "Form14",
    .class_name = "TForm14",
    .client_width = 800,
    .client_height = 600,
    .font = {"Arial", 8, 0, clWindowText},
    .color = static_cast<TColor>(0x3A5A2A),
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .register_classes = RegisterTeamViewClasses,
};

TForm14::TForm14(int team) : Form("Form14") {
    BuildWindowLayout(*this, kForm14Layout);
    TileGameBackground(*this);
    AnswerWindowKeys(*this, {.escape = [this] { Close(); },
                             .enter = [this] { Close(); },
                             .before_controls = true,
                             .pass_keys_on = true});
    auto& tree = ControlNamed<TReportGrid>(*this, "ReportGrid1");
    tree.Columns().Add("treeid", ckString).SetVisible(false);
    TGrCustomColumn& names = tree.Columns().Add(std::make_unique<TGrTreeColumn>("treetree"));
    names.SetWidth(170);
    tree.on_select_cell = [this, &tree](int, int row) {
        if (row < 0 || row >= tree.GetRowCount()) return;
        const std::string id = tree.GetCellTextByVariant("treeid", row);
        if (!id.empty()) ShowTeam(std::stoi(id));
    };

    auto& squad = ControlNamed<TReportGrid>(*this, "joglist");
    for (const Column& c : kSquadColumns) AddSquadColumn(squad, c);
    BandReportRows(squad);
    squad.on_select_cell = [this](int, int row) { SelectPlayerRow(row); };
    squad.on_dbl_click = [this] { OpenPlayerHistory(); };
    PopupMenu& menu = AddComponent<PopupMenu>("PopupMenu1");
    menu.Add("Histricodejogos1", "Histórico de jogos", [this] { OpenPlayerHistory(); });
    squad.popup_menu = &menu;
    squad.on_cell_formating = [this, &squad](int, int row, TColor& color, FontStyles&, TCellState) {
        const std::string id = squad.GetCellTextByVariant("id", row);
        if (!id.empty() && Game().players[std::stoi(id)].loan_status == 2)
            color = static_cast<TColor>(0x008000);
    };

    const GameData& data = Game();
    const int user = data.game_state.user_club;
    if (InTable(data.teams, user) && data.teams[user].squad_size > kMaxHumanSquad - 1)
        ShowMessageLine(
            "Você não pode adquirir mais jogadores pois já têm o limite de 28 no seu elenco");
    ControlNamed<TUiGlowButton>(*this, "bt1").on_click = [this] { Bt1Click(); };
    ControlNamed<TUiGlowButton>(*this, "bt2").on_click = [this] { Bt2Click(); };
    ControlNamed<TUiGlowButton>(*this, "bt4").on_click = [this] { Bt4Click(); };
    ControlNamed<TUiGlowButton>(*this, "bt3").on_click = [this] { Close(); };
    LinkHistories();
    on_close = [](CloseAction&) { RefreshMainWindowSquad(); };
    BuildTeamTree();
    const bool limit_shown = ControlNamed<Control>(*this, "Label27").Visible();
    ShowTeam(team);
    if (limit_shown) ControlNamed<Control>(*this, "Label27").SetVisible(true);
    DoCreate();
}

void TForm14::BuildTeamTree() {
    const GameData& data = Game();
    auto& tree = ControlNamed<TReportGrid>(*this, "ReportGrid1");
    const bool custom = data.game_state.main_country > 201;
    const int per_division = ClubsPerDivision(data);
    auto add_children = [&](int parent, std::vector<int> clubs, bool sorted) {
        if (sorted)
            std::stable_sort(clubs.begin(), clubs.end(), [&data](int a, int b) {
                return data.teams[a].name.raw() < data.teams[b].name.raw();
            });
        for (const int club : clubs) {
            const int row = tree.AddChildRow(parent);
            tree.SetCellTextByVariant("treetree", row, data.teams[club].name.str());
            tree.SetCellTextByVariant("treeid", row, std::to_string(club));
        }
        tree.SetRowExpanded(parent, false);
    };
    const int clubs = ClubCount(data);
    for (const t_league_config& config : data.league_configs) {
        const int root = tree.AddRow();
        tree.SetCellTextByVariant(
            "treetree", root, custom ? "Personalizado" : std::string(CountryName(config.country)));
        for (int d = 0; d < std::min(config.division_count, 4); ++d) {
            if (config.division_clubs[d][0] < 0) continue;
            const int row = tree.AddChildRow(root);
            tree.SetCellTextByVariant("treetree", row, std::to_string(d + 1) + "ª divisão");
            std::vector<int> members;
            for (int k = 0; k < per_division; ++k)
                if (IsClub(data, config.division_clubs[d][k]))
                    members.push_back(config.division_clubs[d][k]);
            add_children(row, members, true);
        }
        const int regional = tree.AddChildRow(root);
        tree.SetCellTextByVariant("treetree", regional, custom ? "Outros" : "Regional");
        std::vector<int> members;
        for (int c = 0; c < clubs; ++c)
            if (data.teams[c].country == config.country && data.teams[c].division == 0)
                members.push_back(c);
        add_children(regional, members, false);
        tree.SetRowExpanded(root, false);
    }
    if (!custom) {
        const int others = tree.AddRow();
        tree.SetCellTextByVariant("treetree", others, "Outros");
        std::vector<int> members;
        for (int c = data.game_state.league_club_count; c < clubs; ++c) members.push_back(c);
        add_children(others, members, true);
    }
}

void TForm14::LinkHistories() {
    auto open = [](const char* window) {
        if (auto& opener = MainWindowOpener(window)) opener();
    };
    auto link = [this](std::initializer_list<const char*> names, std::function<void()> click) {
        for (const char* name : names) {
            Control& c = ControlNamed<Control>(*this, name);
            c.cursor = crHandPoint;
            c.on_click = click;
        }
    };
    link({"Label11", "Image2"}, [this, open] {
        MainWindowSelections().history_club = viewed_team_;
        open("TForm55");
    });
    link({"Label12", "Image3"}, [this, open] {
        MainWindowSelections().fixtures_team = viewed_team_;
        open("TForm18");
    });
    link({"Label26", "Image5"},
         [this] { ShowTransferListWindow(TransferListMode::kClubTransfers, viewed_team_); });
    link({"Label28", "Image6"}, [this, open] {
        MainWindowSelections().trophy_club = viewed_team_;
        open("TForm74");
    });
    // A club without a coach has no coach page to open.
    link({"Label3"}, [this, open] {
        const GameData& data = Game();
        const int coach = InTable(data.teams, viewed_team_) ? data.teams[viewed_team_].coach : -1;
        if (!InTable(data.coaches, coach)) return;
        MainWindowSelection& s = MainWindowSelections();
        s.career_subject_kind = 2;
        s.career_subject = coach;
        open("TForm47");
    });
    const std::pair<const char*, const char*> icons[] = {
        {"Image2", "historico"}, {"Image3", "confrontos"}, {"Image5", "dinheiro"},
        {"Image6", "elenco"},    {"Image13", "historico"}, {"Image4", "elenco"}};
    for (const auto& [image, icon] : icons)
        ControlNamed<Image>(*this, image).SetPicture(LinkIcon(icon));
    link({"Image13"}, [this] { SetCardMode(false); });
    link({"Image4"}, [this] { SetCardMode(true); });
    ControlNamed<TUiGlowButton>(*this, "SchemeButton2").on_click = [this] { OpenPlayerHistory(); };
    AddEventIcons(icons_);
    ControlNamed<TMarkupLabel>(*this, "cardtext").SetPictureContainer(&icons_);
}

void TForm14::SetCardMode(bool card) {
    card_mode_ = card;
    ControlNamed<Control>(*this, "Image13").SetVisible(card);
    ControlNamed<Control>(*this, "Image4").SetVisible(!card);
    const int player = SelectedPlayer();
    if (player < 0) return;
    ShowPlayerCard(player);
    // After a change of card mode the card's own rule decides "Comprar".
    const GameData& data = Game();
    ControlNamed<Control>(*this, "bt1")
        .SetEnabled(TeamViewCardAllowsPurchase(data, player, data.game_state.user_club));
}

void TForm14::OpenPlayerHistory() {
    const int player = SelectedPlayer();
    if (player < 0) return;
    MainWindowSelection& s = MainWindowSelections();
    s.career_subject_kind = 1;
    s.career_subject = player;
    if (auto& opener = MainWindowOpener("TForm16")) opener();
}

void TForm14::ShowMessageLine(const std::string& text) {
    auto& line = ControlNamed<TMarkupLabel>(*this, "Label27");
    line.SetHTMLText(Shad(text));
    line.SetVisible(true);
}

void TForm14::RefreshMoney() {
    const GameData& data = Game();
    const int user = data.game_state.user_club;
    if (!InTable(data.teams, user)) return;
    ControlNamed<TMarkupLabel>(*this, "Label22")
        .SetHTMLText(Shad(FormatMoneyInWords(MoneyToWholeUnits(data.teams[user].cash))));
}

void TForm14::ShowTeam(int team) {
    GameData& data = Game();
    if (!InTable(data.teams, team)) return;
    viewed_team_ = team;
    CountSquad(data, team);
    const t_team& t = data.teams[team];
    auto& squad = ControlNamed<TReportGrid>(*this, "joglist");
    squad.ClearRows();
    const int kind = std::clamp(data.game_state.match_kind, 0, 10);
    const auto& flags = flag_pictures();
    for (int position = 0; position < 5; ++position)
        for (std::size_t i = 1; i < data.players.size(); ++i) {
            const t_player& p = data.players[i];
            if (p.team != team || p.position != position) continue;
            const int player = static_cast<int>(i);
            const int row = squad.AddRow();
            auto set = [&squad, row](const char* column, const std::string& text) {
                squad.SetCellTextByVariant(column, row, text);
            };
            auto hint = [&squad, row](const char* column, std::string text) {
                squad.GetCellByVariant(column, row).SetHint(std::move(text));
            };
            set("id", std::to_string(player));
            // The same picture coding as the main window's squad list.
            set("status", std::to_string(AvailabilityPicture(data, player, kind).first));
            set("posicaojog", PositionLetter(p.position));
            if (p.nationality >= 0 && p.nationality < static_cast<int>(flags.size()))
                squad.GetCellByVariant("paisjog", row).ObjectReference =
                    &flags[static_cast<std::size_t>(p.nationality)];
            hint("paisjog", std::string(CountryName(p.nationality)));
            set("nomejog", p.name.str());
            set("forca", std::to_string(p.strength));
            set("energia", std::to_string(p.energy) + "%");
            set("gclado", p.side == 1 ? "E" : "D");
            const Money price = t.human && p.on_sale ? p.asking_price : p.value;
            set("passe", FormatMoneyShort(MoneyToWholeUnits(price)));
            hint("passe", FormatMoneyInWords(MoneyToWholeUnits(price)));
            set("salario", FormatDigitGroups(MoneyToWholeUnits(p.wage)));
            set("idade", std::to_string(p.age));
            set("gols", std::to_string(p.goals));
            // One characteristic twice: its full name, and twice in the hint.
            const auto [abilities, abilities_hint] = CharacteristicsCell(data, player);
            set("habilidadejog", abilities);
            hint("habilidadejog",
                 abilities_hint.empty() ? abilities + "/" + abilities : abilities_hint);
            set("avenda", p.on_sale ? "0" : "1");
            if (p.on_sale) hint("avenda", "A venda");
            set("gcemp", p.loan_status == 1 ? "2" : "1");
            if (p.loan_status == 1) hint("gcemp", "Disponível para empréstimo");
        }
    RefreshMoney();
    auto markup = [this](const char* name, const std::string& text) {
        ControlNamed<TMarkupLabel>(*this, name).SetHTMLText(text);
    };
    const std::string coach =
        InTable(data.coaches, t.coach) ? data.coaches[t.coach].name.str() : "(técnico interino)";
    markup("Label3", Shad("<B>Técnico:</B> " + coach));
    markup("Label4", Shad(t.name.str()));
    markup("Label1",
           Shad(std::string(
               reputation_names[static_cast<std::size_t>(std::clamp(t.reputation, 0, 5))])));
    std::string division;
    if (IsClub(data, team) && t.division >= 1 && t.division <= 4) {
        division = std::to_string(t.division) + "ª divisão";
        const int place = t.table_position[ckNationalLeague];
        if (place >= 1) division += " - " + std::to_string(place) + "º colocado";
    } else if (IsClub(data, team) && t.division == 0) {
        division = "Divisão regional";
    }
    markup("Label5", Shad(division));
    Picture crest;
    const std::string path = BuildCrestPath(data, team);
    auto& escudo = ControlNamed<Image>(*this, "escudo");
    escudo.SetPicture(!path.empty() && crest.LoadFromFile(path) ? crest : Picture());
    auto& flag = ControlNamed<Image>(*this, "Image7");
    flag.SetPicture(t.country >= 0 && t.country < static_cast<int>(flags.size())
                        ? flags[static_cast<std::size_t>(t.country)]
                        : Picture());
    flag.SetVisible(data.game_state.main_country != 202);
    flag.hint = std::string(CountryName(t.country));
    flag.show_hint = true;
    // The confidences are shown as they stand when the window opens, not glided to from empty.
    const std::pair<const char*, int> confidences[] = {
        {"gp1", t.board_confidence}, {"gp2", std::max(t.supporter_confidence, 0)}};
    for (const auto& [name, value] : confidences) {
        auto& bar = ControlNamed<TUiSmoothProgressBar>(*this, name);
        bar.SetProgressAnimation(false);
        // A green fill on a white track, and the figure in black, so that both read.
        const ProgressPresetColors colours{clWhite,
                                           static_cast<TColor>(0xE0E0E0),
                                           static_cast<TColor>(0x808080),
                                           static_cast<TColor>(0x40C040),
                                           static_cast<TColor>(0x208020),
                                           static_cast<TColor>(0x60D060),
                                           static_cast<TColor>(0x30A030),
                                           static_cast<TColor>(0x206020)};
        ApplyProgressPreset(bar.Appearance(), colours, true);
        bar.Appearance().SetValueVisible(true);
        bar.Appearance().SetValueType(vtAbsolute);
        bar.Appearance().SetValueFormat("%.0f%%");
        Font font = bar.Appearance().ProgressFont();
        font.color = clBlack;
        bar.Appearance().SetProgressFont(font);
        bar.SetPosition(value);
    }
    for (const char* b : {"bt1", "bt2", "bt4"}) ControlNamed<Control>(*this, b).SetEnabled(false);
    ControlNamed<Control>(*this, "Label27").SetVisible(false);
    if (squad.GetRowCount() > 0) {
        squad.SelectFirstRow();
        SelectPlayerRow(squad.SelectedRow());
    } else {
        ControlNamed<TMarkupLabel>(*this, "cardtext").SetHTMLText("");
    }
}

int TForm14::SelectedPlayer() {
    auto& squad = ControlNamed<TReportGrid>(*this, "joglist");
    const int row = squad.SelectedRow();
    if (row < 0 || row >= squad.GetRowCount()) return -1;
    const std::string id = squad.GetCellTextByVariant("id", row);
    return id.empty() ? -1 : std::stoi(id);
}

void TForm14::SelectPlayerRow(int row) {
    auto& squad = ControlNamed<TReportGrid>(*this, "joglist");
    if (row < 0 || row >= squad.GetRowCount()) return;
    const int player = std::stoi(squad.GetCellTextByVariant("id", row));
    const GameData& data = Game();
    const TeamViewActions actions = TeamViewActionsFor(data, player, data.game_state.user_club);
    ControlNamed<Control>(*this, "bt1").SetEnabled(actions.buy);
    ControlNamed<Control>(*this, "bt2").SetEnabled(actions.offer);
    ControlNamed<Control>(*this, "bt4").SetEnabled(actions.loan);
    ShowPlayerCard(player);
    ControlNamed<Control>(*this, "Label27").SetVisible(false);
}

void TForm14::ShowPlayerCard(int player) {
    GameData& data = Game();
    ControlNamed<Control>(*this, "SchemeButton2").SetVisible(!card_mode_);
    ControlNamed<TMarkupLabel>(*this, "cardtext")
        .SetHTMLText(card_mode_ ? TeamViewPlayerCard(data, player)
                                : TeamViewPlayerHistory(data, player));
    const auto& flags = flag_pictures();
    const int country = data.players[player].nationality;
    ControlNamed<Image>(*this, "Image1")
        .SetPicture(country >= 0 && country < static_cast<int>(flags.size())
                        ? flags[static_cast<std::size_t>(country)]
                        : Picture());
}

void TForm14::Bt1Click() {
    GameData& data = Game();
    const int user = data.game_state.user_club;
    const int player = SelectedPlayer();
    if (player < 0 || !InTable(data.teams, user) || data.teams[user].squad_size >= kMaxHumanSquad)
        return;
    const Willingness w = CheckPlayerWillingness(data, player);
    const std::int32_t price = MoneyToWholeUnits(data.players[player].asking_price);
    if (w.refuses) {
        ShowMessageLine(data.players[player].name.str() +
                        " se recusou a transferir para o seu time.");
    } else if (w.salary_demand) {
        OfferDecision deal;
        deal.salary_demand = true;
        deal.salary_demand_factor = w.salary_demand_factor;
        if (ShowPurchaseOutcome(player, price, deal)) {
            ShowTeam(viewed_team_);
            ShowMessageLine("Jogador comprado com sucesso.");
        }
    } else if (CompletePurchase(data, player, user, price, -1, false, 0)) {
        ShowTeam(viewed_team_);
        ControlNamed<Control>(*this, "bt1").SetEnabled(false);
        ControlNamed<Control>(*this, "bt4").SetEnabled(false);
        ShowMessageLine("Jogador comprado com sucesso.");
    }
    RefreshMoney();
    RefreshMainWindowSquad();
}

void TForm14::Bt2Click() {
    const GameData& data = Game();
    const int user = data.game_state.user_club;
    const int player = SelectedPlayer();
    if (player < 0 || !InTable(data.teams, user) || data.teams[user].squad_size >= kMaxHumanSquad) {
        ControlNamed<Control>(*this, "bt2").SetEnabled(false);
        return;
    }
    const std::string message = ShowPurchaseProposal(player);
    if (!message.empty()) {
        ShowTeam(viewed_team_);
        ShowMessageLine(message);
    }
    RefreshMoney();
    if (Game().teams[user].squad_size > kMaxHumanSquad - 1)
        ControlNamed<Control>(*this, "bt2").SetEnabled(false);
    RefreshMainWindowSquad();
}

void TForm14::Bt4Click() {
    GameData& data = Game();
    const int user = data.game_state.user_club;
    const int player = SelectedPlayer();
    if (player < 0 || !InTable(data.teams, user)) return;
    if (CountLoanedIn(data, user) > 1) {
        ShowMessageLine("Você pode ter no máximo 2 jogadores emprestados no seu time.");
        return;
    }
    if (!AcceptsLoan(data, player, user)) {
        ShowMessageLine(data.players[player].name.str() +
                        " não demonstrou interesse em jogar, por empréstimo, no seu modesto time.");
        return;
    }
    const TDateTime end = TodayDate(data) + 180;
    AddLoan(data, player, viewed_team_, end);
    MovePlayerOnLoan(data, player, user, end);
    ShowTeam(viewed_team_);
    RefreshMainWindowSquad();
}

void ShowTeamView(int team) {
    TForm14& form = CreateWhileBusy<TForm14>(team);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
