#include "screens/match/penalty_faced_window.h"

#include <array>
#include <string_view>

#include "core/random.h"
#include "core/sound_effects.h"
#include "match/match_tables.h"
#include "match/penalty_kick.h"
#include "platform/window/label.h"
#include "screens/match/match_pictures.h"
#include "screens/start/window_layout.h"

namespace kv {
namespace {

const LayoutControl kControls[] = {
    {.name = "Label2",
     .class_name = "TLabel",
     .bounds = {10, 8, 360, 18},
     .caption = "Pênalti!",
     .font = {"Arial", 11, fsBold, clWhite},
     .properties = {{"AutoSize", "False"}, {"Alignment", "taCenter"}, {"Transparent", "True"}}},
    {.name = "Label1",
     .class_name = "TLabel",
     .bounds = {10, 40, 360, 60},
     .font = {"Arial", 10, fsBold, clWhite},
     .properties = {{"AutoSize", "False"},
                    {"Alignment", "taCenter"},
                    {"WordWrap", "True"},
                    {"Transparent", "True"}}},
};

constexpr std::array<std::string_view, 5> kLeadIns = {
    "coloca a bola na marca.", "prepara para bater.", "ajeita com carinho.",
    "caminha em direção a marca.", "parece confiante pra bater."};
constexpr std::array<std::string_view, 4> kRunUps = {"Chuta forte e...",
                                                     "Enfia um bicudo na bola e...",
                                                     "Bate com força e...", "Manda uma bomba e..."};

std::string NameOf(int player) {
    const t_player* p = PlayerAt(player);
    return p ? p->name.str() : std::string();
}

}  // namespace

const WindowLayout kForm54Layout = {
    .name = "Form54",
    .class_name = "TForm54",
    .client_width = 380,
    .client_height = 110,
    .font = {"Arial", 8, 0, clWindowText},
    .color = 0x102060,
    .properties = {{"BorderStyle", "bsNone"}, {"Position", "poScreenCenter"}},
    .controls = kControls,
    .scales = false,
    .register_classes = RegisterMatchWindowClasses,
};

TForm54::TForm54(int match, int taking_side) : PenaltyKickForm("Form54", match, taking_side, true) {
    BuildWindowLayout(*this, kForm54Layout);
    form_style = fsStayOnTop;
    const jogos* m = DayMatchAt(match);
    if (const t_team* t = m ? TeamAt(m->team[taking_side == 2 ? 1 : 0]) : nullptr)
        ControlNamed<Label>(*this, "Label2").SetCaption("Pênalti para o " + t->name.str() + "!");
    if (Game().game_state.sound_on) PlaySoundAlias("penalty");
    DoCreate();
    StartKick(ComputerPenaltyTaker(taking_strength()));
}

std::string TForm54::LeadIn(int taker) {
    return NameOf(taker) + " " + std::string(kLeadIns[RandomWording(5)]);
}

std::string TForm54::RunUp() {
    return std::string(kRunUps[RandomWording(4)]);
}

std::string TForm54::Result(bool scored) {
    const std::string t = NameOf(taker_);
    const std::string g = NameOf(keeper());
    if (!scored) {
        const std::string misses[6] = {
            "Grande defesa de " + g + "!",
            "Explode na trave!!!",
            "Pra fora, longe do gol!",
            g + " faz uma brilhante defesa!",
            "Será que o batedor não sabe chutar? A bola foi parar na arquibancada!",
            t + " escorregou na hora de chutar e o goleiro fez uma fácil defesa!"};
        return misses[RandomWording(6)];
    }
    const std::string goals[6] = {"Gol!!!!",
                                  "Um chute forte e a bola estufa as redes! Gol!!!",
                                  "Goleiro de um lado e bola do outro! Gol!!!",
                                  "A torcida vibra, é gol!!!",
                                  t + " executa uma cobrança perfeita! É gol!!!",
                                  t + " bate bem no canto, sem chances para o goleiro! É gol!!!"};
    return goals[RandomWording(6)];
}

void TForm54::ShowText(const std::string& text) {
    ControlNamed<Label>(*this, "Label1").SetCaption(text);
}

}  // namespace kv
