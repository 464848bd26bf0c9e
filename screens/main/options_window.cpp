#include "screens/main/options_window.h"

#include <array>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/options.h"
#include "core/text_tables.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "screens/main/colours_window.h"
#include "screens/main/save_game_window.h"
#include "screens/start/country_columns.h"
#include "screens/start/window_layout.h"
#include "ui/controls/control_classes.h"
#include "ui/grid/grid_control_classes.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

void RegisterOptionsWindowClasses() {
    RegisterGridControlClasses();
    RegisterSmoothControlClasses();
}

const std::initializer_list<LayoutProperty> kCaption = {{"AutoSize", "False"}};

#define KV_OPTION_COMBO(label_name, label_top, label_text, combo_name, order)               \
    {.name = label_name,                                                                    \
     .class_name = "TLabel",                                                                \
     .bounds = {12, label_top + 3, 250, 14},                                                \
     .caption = label_text,                                                                 \
     .properties = kCaption},                                                               \
    {                                                                                       \
        .name = combo_name, .class_name = "TComboBox", .bounds = {264, label_top, 150, 21}, \
        .properties = {{"TabOrder", order}},                                                \
    }

const LayoutControl kForm32Controls[] = {
    {.name = "Label10",
     .class_name = "TLabel",
     .bounds = {12, 8, 300, 18},
     .caption = "Opções",
     .font = {"Tahoma", 10, fsBold, clWindowText},
     .properties = kCaption},
    {.name = "SchemeButton2",
     .class_name = "TSchemeButton",
     .bounds = {652, 6, 24, 22},
     .caption = "X",
     .properties = {{"TabOrder", "17"}}},
    KV_OPTION_COMBO("Label1", 36, "Velocidade do Jogo:", "ComboBox1", "0"),
    KV_OPTION_COMBO("Label4", 62, "Velocidade do Jogo sem times humanos:", "ComboBox4", "1"),
    KV_OPTION_COMBO("Label2", 88, "Salvar automaticamente:", "ComboBox2", "2"),
    KV_OPTION_COMBO("Label3", 114, "Ver disputas de penaltys não humanas:", "ComboBox3", "3"),
    KV_OPTION_COMBO("Label5", 140, "Mostrar mudança de técnicos:", "ComboBox5", "4"),
    KV_OPTION_COMBO("Label6", 166, "Abrir janela de substituições no intervalo:", "ComboBox6", "5"),
    KV_OPTION_COMBO("Label7", 192, "Receber avisos de término de contratos:", "ComboBox7", "6"),
    {.name = "cksom",
     .class_name = "TCheckBox",
     .bounds = {12, 224, 400, 17},
     .caption = "Usar sons nos eventos do jogo",
     .properties = {{"TabOrder", "7"}}},
    {.name = "cknegrito",
     .class_name = "TCheckBox",
     .bounds = {12, 246, 400, 17},
     .caption = "Mostrar em negrito os eventos do time da casa",
     .properties = {{"TabOrder", "8"}}},
    {.name = "ckcor",
     .class_name = "TCheckBox",
     .bounds = {12, 268, 370, 17},
     .caption = "Usar cores na lista de jogadores",
     .properties = {{"TabOrder", "9"}}},
    {.name = "Image1",
     .class_name = "TButton",
     .bounds = {384, 266, 30, 21},
     .caption = "...",
     .properties = {{"TabOrder", "10"}}},
    {.name = "ckcontrato",
     .class_name = "TCheckBox",
     .bounds = {12, 290, 400, 17},
     .caption = "Atualizar automaticamente contratos encerrados",
     .properties = {{"TabOrder", "11"}}},
    KV_OPTION_COMBO("Label41", 318, "Libertadores:", "combo41", "12"),
    KV_OPTION_COMBO("Label42", 344, "Liga Campeões:", "combo42", "13"),
    KV_OPTION_COMBO("Label61", 370, "Liga Africana:", "combo61", "14"),
    KV_OPTION_COMBO("Label62", 396, "Liga Asiática:", "combo62", "15"),
    {.name = "Label20",
     .class_name = "TLabel",
     .bounds = {432, 36, 244, 42},
     .caption = "Marque as ligas em que os jogos serão mostrados mesmo que não tenham times "
                "humanos:",
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}}},
    {.name = "list1",
     .class_name = "TReportGrid",
     .bounds = {432, 82, 244, 336},
     .properties = {{"TabOrder", "16"}}},
};

#undef KV_OPTION_COMBO

template <std::size_t N>
std::vector<std::string> Texts(const std::array<OptionItem, N>& items) {
    std::vector<std::string> texts;
    for (const OptionItem& item : items) texts.emplace_back(item.text);
    return texts;
}

// The item showing `value`, or `otherwise` when no item stands for it.
template <std::size_t N>
int ItemOf(const std::array<OptionItem, N>& items, std::int32_t value, int otherwise) {
    for (std::size_t i = 0; i < N; ++i)
        if (items[i].value == value) return static_cast<int>(i);
    return otherwise;
}

void WriteKey(std::string_view key, const std::string& value) {
    WriteOption(kOptionsSection, key, value);
}

constexpr std::string_view kContinentalCombos[4] = {"combo41", "combo42", "combo61", "combo62"};
constexpr std::string_view kContinentalKeys[4] = {"ver41", "ver42", "ver43", "ver44"};

}  // namespace

const WindowLayout kForm32Layout = {
    .name = "Form32",
    .class_name = "TForm32",
    .client_width = 688,
    .client_height = 430,
    .caption = "Opções",
    .font = {"Tahoma", 8, 0, clWindowText},
    .color = clBtnFace,
    .properties = {{"Position", "poScreenCenter"},
                   {"BorderStyle", "bsNone"},
                   {"KeyPreview", "True"}},
    .controls = kForm32Controls,
    .register_classes = RegisterOptionsWindowClasses,
};

std::function<void()>& RefreshSquadListHook() {
    static std::function<void()> refresh;
    return refresh;
}

TForm32::TForm32() : Form("Form32") {
    BuildWindowLayout(*this, kForm32Layout);
    list1_ = &ControlNamed<TReportGrid>(*this, "list1");
    AddFlagColumn(*list1_, "bandeira");
    AddTickColumn(*list1_, "marcado");
    list1_->Columns().Add("pais").Header().SetCaption("País");
    list1_->Columns().Add("indice").SetVisible(false);
    // A click anywhere on a row flips it; moving through the list with the keys does not.
    OnCountryCellClick(*list1_, [this](int, int row) { list1Click(row); });
    FormCreate();
}

void TForm32::FormCreate() {
    GameData& game = Game();
    t_game_state& s = game.game_state;
    list1_->BeginUpdate();
    for (std::size_t i = 0; i < game.league_configs.size(); ++i) {
        const int row = list1_->AddRow();
        SetFlagCell(*list1_, "bandeira", row, game.league_configs[i].country);
        list1_->SetCellTextByVariant("marcado", row,
                                     game.league_configs[i].show_matches ? "1" : "0");
        list1_->SetCellTextByVariant("pais", row,
                                     std::string(CountryName(game.league_configs[i].country)));
        list1_->SetCellTextByVariant("indice", row, std::to_string(i));
    }
    list1_->EndUpdate();
    if (s.match_delay == 0) s.match_delay = 600;

    auto combo = [this](std::string_view name) -> ComboBox& {
        return ControlNamed<ComboBox>(*this, name);
    };
    // Each list shows its field and, when changed, sets the field and writes the key.
    auto speed = [&](std::string_view name, const auto& items, std::int32_t& field, int otherwise,
                     std::string_view key) {
        ComboBox& c = combo(name);
        c.SetItems(Texts(items));
        c.SetItemIndex(ItemOf(items, field, otherwise));
        c.on_change = [&c, &field, &items, key] {
            if (c.ItemIndex() < 0) return;
            field = items[static_cast<std::size_t>(c.ItemIndex())].value;
            WriteKey(key, std::to_string(c.ItemIndex()));
        };
    };
    speed("ComboBox1", kMatchSpeedItems, s.match_delay, 1, "opvelocidade");
    speed("ComboBox4", kNoHumanMatchSpeedItems, s.match_delay_no_humans, 5, "opnhvelocidade");
    speed("ComboBox2", kAutosaveItems, s.autosave_mode, 0, "opsalvar");
    speed("ComboBox7", kContractNoticeItems, s.contract_notices, 0, "opemails");

    auto yes_no = [&](std::string_view name, std::uint8_t& field, std::string_view key) {
        ComboBox& c = combo(name);
        c.SetItems({"Não", "Sim"});
        c.SetItemIndex(field ? 1 : 0);
        c.on_change = [&c, &field, key] {
            field = c.ItemIndex() > 0;
            WriteKey(key, std::to_string(c.ItemIndex()));
        };
    };
    yes_no("ComboBox3", s.show_ai_shootouts, "op_verpenalty");
    yes_no("ComboBox5", s.show_coach_changes, "opvertrocatecnicos");
    yes_no("ComboBox6", s.halftime_window, "opintervalo");

    for (int k = 0; k < 4; ++k) {
        ComboBox& c = combo(kContinentalCombos[k]);
        std::uint8_t& field = s.show_continental_matches[k];
        c.SetItems({"Ver jogos", "Só resultados"});
        c.SetItemIndex(field ? 0 : 1);
        c.on_change = [&c, &field, key = kContinentalKeys[k]] {
            field = c.ItemIndex() == 0;
            WriteKey(key, field ? "1" : "0");
        };
    }

    auto check = [this](std::string_view name, std::uint8_t& field, std::string_view key,
                        std::function<void()> then = {}) {
        CheckBox& box = ControlNamed<CheckBox>(*this, name);
        box.SetChecked(field != 0);
        box.on_click = [&box, &field, key, then] {
            field = box.Checked();
            WriteKey(key, field ? "1" : "0");
            if (then) then();
        };
    };
    check("cksom", s.sound_on, "opsom");
    check("cknegrito", s.bold_home_events, "opnegrito");
    check("ckcor", s.list_colours_on, "opcornalista", [] {
        if (const auto& refresh = RefreshSquadListHook()) refresh();
    });
    check("ckcontrato", s.auto_renew_contracts, "opcontrato");

    ControlNamed<Button>(*this, "Image1").on_click = [] { ShowColoursWindow(); };
    ControlNamed<Control>(*this, "SchemeButton2").on_click = [this] { CloseClick(); };
    on_key_down = [this](int& key, ShiftState shift) {
        if (key == VK_ESCAPE) {
            key = 0;
            CloseClick();
        } else if (key == VK_F4 && (shift & ssAlt)) {
            key = 0;
        }
    };
}

void TForm32::list1Click(int row) {
    if (row < 0 || row >= list1_->GetRowCount()) return;
    const int league = std::stoi(list1_->GetCellTextByVariant("indice", row));
    auto& configs = Game().league_configs;
    if (league < 0 || league >= static_cast<int>(configs.size())) return;
    std::uint8_t& shown = configs[static_cast<std::size_t>(league)].show_matches;
    shown = !shown;
    list1_->SetCellTextByVariant("marcado", row, shown ? "1" : "0");
}

// Automatic saving needs a name: a game never saved asks for one before the window closes.
void TForm32::CloseClick() {
    const t_game_state& s = Game().game_state;
    if (s.autosave_mode > 0 && s.save_name.empty()) ShowSaveGameWindow();
    SetModalResult(mrOk);
    Close();
}

void ShowOptionsWindow() {
    auto& form = Screen::Get().Create<TForm32>();
    form.ShowModal();
    form.Release();
}

}  // namespace kv
