#include "screens/club/friendlies_window.h"

#include <algorithm>
#include <string>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/combo_box.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "screens/club/club_window_parts.h"
#include "screens/start/window_keys.h"
#include "screens/start/window_layout.h"
#include "season/friendlies.h"
#include "season/human_involvement.h"
#include "ui/controls/control_classes.h"

namespace kv {
namespace {

const std::initializer_list<LayoutProperty> kWrapped = {
    {"AutoSize", "False"}, {"Transparent", "True"}, {"WordWrap", "True"}};

const LayoutControl kForm81Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {14, 10, 330, 22},
     .caption = "Marcar amistoso",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {380, 8, 28, 24},
     .caption = "X",
     .properties = {{"TabOrder", "4"}}},
    {.name = "Label6",
     .class_name = "TLabel",
     .bounds = {14, 36, 394, 16},
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "Label7",
     .class_name = "TLabel",
     .bounds = {14, 56, 394, 16},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {14, 82, 250, 16},
     .caption = "Escolha uma data disponível:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "combo1",
     .class_name = "TComboBox",
     .bounds = {14, 100, 180, 21},
     .properties = {{"TabOrder", "0"}}},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {14, 130, 250, 16},
     .caption = "Escolha um adversário:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "ComboBox1",
     .class_name = "TComboBox",
     .bounds = {14, 148, 260, 21},
     .properties = {{"TabOrder", "1"}, {"Enabled", "False"}}},
    {.name = "Label5",
     .class_name = "TLabel",
     .bounds = {290, 130, 118, 16},
     .caption = "Local do jogo:",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "combo3",
     .class_name = "TComboBox",
     .bounds = {290, 148, 118, 21},
     .properties = {{"TabOrder", "2"}}},
    {.name = "Label4",
     .class_name = "TLabel",
     .bounds = {14, 182, 394, 32},
     .font = {"Arial", 9, fsBold, clYellow},
     .properties = kWrapped},
    {.name = "bt1",
     .class_name = "TUiGlowButton",
     .bounds = {278, 222, 130, 28},
     .caption = "Marcar amistoso",
     .properties = {{"TabOrder", "3"}, {"Enabled", "False"}}},
};

const LayoutControl kForm84Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {14, 10, 330, 22},
     .caption = "Confirmação de amistoso",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {14, 42, 332, 36},
     .font = kClubWindowBody,
     .properties = kWrapped},
    {.name = "Label3",
     .class_name = "TLabel",
     .bounds = {14, 82, 332, 36},
     .caption = "O dinheiro será descontado imediatamente. Confirmar o amistoso?",
     .font = kClubWindowBody,
     .properties = kWrapped},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {136, 126, 100, 28},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .bounds = {246, 126, 100, 28},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

const LayoutControl kForm85Controls[] = {
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {14, 10, 330, 22},
     .caption = "Amistosos de Pré-temporada",
     .font = kClubWindowTitle,
     .properties = kClubWindowText},
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {14, 48, 332, 18},
     .caption = "Deseja marcar amistosos de pré-temporada?",
     .font = kClubWindowBody,
     .properties = kClubWindowText},
    {.name = "SchemeButton1",
     .class_name = "TUiGlowButton",
     .bounds = {136, 86, 100, 28},
     .caption = "Sim",
     .properties = {{"TabOrder", "0"}}},
    {.name = "SchemeButton2",
     .class_name = "TUiGlowButton",
     .bounds = {246, 86, 100, 28},
     .caption = "Não",
     .properties = {{"TabOrder", "1"}}},
};

constexpr LayoutFont kFormFont = {"Arial", 8, 0, clWindowText};
constexpr TColor kGreen = TColor(0x00206020);
// Darker, so the confirmation stands out over the booking window.
constexpr TColor kConfirmGreen = TColor(0x00103810);

// A yes/no window whose "Sim" is SchemeButton1 and "Não" SchemeButton2.
bool AskYesNo(Form& form) {
    AnswerWindowKeys(form, {.escape = EndWith(form, mrNo), .before_controls = true});
    ControlNamed<Control>(form, "SchemeButton1").on_click = [&form] { form.SetModalResult(mrYes); };
    ControlNamed<Control>(form, "SchemeButton2").on_click = [&form] { form.SetModalResult(mrNo); };
    const bool yes = form.ShowModal() == mrYes;
    form.Release();
    return yes;
}

class TForm84 : public Form {
  public:
    TForm84(int opponent, int fee) : Form("Form84") {
        BuildWindowLayout(*this, kForm84Layout);
        const GameData& data = Game();
        auto& text = ControlNamed<Label>(*this, "Label2");
        if (IsHumanManaged(data, opponent)) {
            text.SetCaption(
                "Este será um amistoso entre dois times humanos, clique em sim para que seja "
                "marcado.");
            ControlNamed<Control>(*this, "Label3").SetVisible(false);
        } else {
            text.SetCaption("O clube " + data.teams[opponent].name.str() + " quer uma cota de " +
                            FormatMoneyInWords(fee));
        }
        DoCreate();
    }
};

class TForm85 : public Form {
  public:
    TForm85() : Form("Form85") {
        BuildWindowLayout(*this, kForm85Layout);
        DoCreate();
    }
};

}  // namespace

const WindowLayout kForm81Layout = {
    .name = "Form81",
    .class_name = "TForm81",
    .client_width = 420,
    .client_height = 262,
    .font = kFormFont,
    .color = kGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm81Controls,
    .register_classes = RegisterSmoothControlClasses,
};

const WindowLayout kForm84Layout = {
    .name = "Form84",
    .class_name = "TForm84",
    .client_width = 360,
    .client_height = 166,
    .font = kFormFont,
    .color = kConfirmGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm84Controls,
    .register_classes = RegisterSmoothControlClasses,
};

const WindowLayout kForm85Layout = {
    .name = "Form85",
    .class_name = "TForm85",
    .client_width = 360,
    .client_height = 126,
    .font = kFormFont,
    .color = kGreen,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kForm85Controls,
    .register_classes = RegisterSmoothControlClasses,
};

TForm81::TForm81(bool preseason) : Form("Form81"), preseason_(preseason) {
    BuildWindowLayout(*this, kForm81Layout);
    AnswerWindowKeys(*this, {.escape = EndWith(*this, mrOk), .before_controls = true});
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (preseason_)
        ControlNamed<Label>(*this, "Label1").SetCaption("Marcar amistosos pré-temporada");
    ControlNamed<Label>(*this, "Label6").SetCaption("(" + data.teams[club].name.str() + ")");
    const int clubs =
        std::min<int>(data.game_state.league_club_count + data.game_state.background_club_count,
                      static_cast<int>(data.teams.size()));
    for (int t = 0; t < clubs; ++t)
        if (t != club) opponents_.push_back(t);
    // Plain byte order of the names, as the file bytes sort.
    std::stable_sort(opponents_.begin(), opponents_.end(), [&data](int a, int b) {
        return data.teams[a].name.str() < data.teams[b].name.str();
    });
    std::vector<std::string> names;
    for (const int t : opponents_) names.push_back(data.teams[t].name.str());
    auto& opponents = ControlNamed<ComboBox>(*this, "ComboBox1");
    opponents.SetItems(std::move(names));
    auto& place = ControlNamed<ComboBox>(*this, "combo3");
    place.SetItems({"Fora", "Em casa"});
    place.SetItemIndex(0);
    FillDays();
    ControlNamed<ComboBox>(*this, "combo1").on_change = [this, &opponents] {
        opponents.SetEnabled(true);
        ControlNamed<Label>(*this, "Label4").SetCaption("");
    };
    opponents.on_change = [this] { ControlNamed<Control>(*this, "bt1").SetEnabled(true); };
    ControlNamed<Control>(*this, "bt1").on_click = [this] { bt1Click(); };
    ControlNamed<Control>(*this, "SchemeButton1").on_click = [this] { SetModalResult(mrOk); };
    DoCreate();
}

void TForm81::FillDays() {
    const GameData& data = Game();
    const FriendlyDays free = FreeFriendlyDays(data, data.game_state.user_club, preseason_);
    days_ = free.days;
    ControlNamed<Label>(*this, "Label7").SetCaption(free.start_text);
    std::vector<std::string> dates;
    for (const int day : days_) dates.push_back(FormatDate(data.calendar[day - 1].date));
    ControlNamed<ComboBox>(*this, "combo1").SetItems(std::move(dates));
}

void TForm81::bt1Click() {
    const int date_item = ControlNamed<ComboBox>(*this, "combo1").ItemIndex();
    auto& opponents = ControlNamed<ComboBox>(*this, "ComboBox1");
    const int opponent_item = opponents.ItemIndex();
    if (date_item < 0 || date_item >= static_cast<int>(days_.size()) || opponent_item < 0 ||
        opponent_item >= static_cast<int>(opponents_.size()))
        return;
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const int opponent = opponents_[opponent_item];
    const int day = days_[date_item];
    const bool at_home = ControlNamed<ComboBox>(*this, "combo3").ItemIndex() == 1;
    const int fee = FriendlyFee(data, club, opponent, at_home);
    const std::string name = data.teams[opponent].name.str();
    auto& result = ControlNamed<Label>(*this, "Label4");
    switch (RequestFriendly(data, club, opponent, at_home, day)) {
        case FriendlyAnswer::kEngaged:
            result.SetCaption(name + " já tem amistoso nesta data");
            return;
        case FriendlyAnswer::kRefused:
            result.SetCaption(name + " rejeitou o amistoso.");
            return;
        case FriendlyAnswer::kCashShort:
            result.SetCaption("dinheiro insuficiente para a cota de " + FormatMoneyInWords(fee));
            return;
        case FriendlyAnswer::kAsk:
            break;
    }
    if (!ConfirmFriendly(opponent, fee)) {
        result.SetCaption("amistoso rejeitado");
        return;
    }
    BookFriendly(data, club, opponent, at_home, day);
    result.SetCaption("amistoso marcado");
    RefreshMainWindowSquad();
    ControlNamed<Control>(*this, "bt1").SetEnabled(false);
    opponents.SetItemIndex(-1);
    opponents.SetEnabled(false);
    FillDays();
}

bool ConfirmFriendly(int opponent, int fee) {
    return AskYesNo(Screen::Get().Create<TForm84>(opponent, fee));
}

bool AskPreseasonFriendlies() {
    return AskYesNo(Screen::Get().Create<TForm85>());
}

void ShowFriendlyBookingWindow(bool preseason) {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    if (club < 0 || club >= static_cast<int>(data.teams.size())) return;
    TForm81& form = Screen::Get().Create<TForm81>(preseason);
    form.ShowModal();
    form.Release();
}

}  // namespace kv
