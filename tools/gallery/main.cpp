// Opens every window of the game on a prepared game (a new game from the sample database, a few
// rounds played so that tables and lists are full) on the headless back end and writes a PNG of
// each at 800x600 and 1280x800, with an index page listing them.
//
// Each window is opened in a child process of its own: a window that crashes on the prepared
// game is reported in the index and leaves the rest of the gallery to be drawn.
//
//   korvanel-gallery [--out FOLDER] [--only Form13,Form36,...] [--size WxH] [--rounds N]
//
// Exit code 1 when a window could not be opened, is blank (one colour), or, at 800x600, has a
// control outside the window or does not fit on the screen.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "editor/add_player_window.h"
#include "editor/edit_club_window.h"
#include "editor/editor_main_window.h"
#include "editor/loading_window.h"
#include "editor/move_player_window.h"
#include "editor/national_team_window.h"
#include "editor/new_club_window.h"
#include "game/headless_game.h"
#include "game/state_finals.h"
#include "match/human_lineup.h"
#include "platform/window/form.h"
#include "platform/window/test_driver.h"
#include "screens/career/coach_changes_window.h"
#include "screens/career/human_coaches_window.h"
#include "screens/career/inbox_window.h"
#include "screens/career/job_offer_window.h"
#include "screens/career/state_champions_window.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/death_notice_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/lineup_window.h"
#include "screens/club/loan_request_window.h"
#include "screens/club/national_callup_window.h"
#include "screens/club/offer_window.h"
#include "screens/club/referee_card_window.h"
#include "screens/club/saved_tactics_window.h"
#include "screens/club/shirt_number_window.h"
#include "screens/main/about_window.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/national_board_window.h"
#include "screens/main/colours_window.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/dismissal_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/options_window.h"
#include "screens/main/round_results_window.h"
#include "screens/main/save_game_window.h"
#include "screens/main/season_review_window.h"
#include "screens/main/second_phase_window.h"
#include "screens/main/tables_window.h"
#include "screens/match/injury_window.h"
#include "screens/match/match_day_window.h"
#include "screens/match/match_lineup_window.h"
#include "screens/match/match_view_window.h"
#include "screens/match/penalty_faced_window.h"
#include "screens/match/penalty_window.h"
#include "screens/match/shootout_order_window.h"
#include "screens/match/shootout_window.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/custom_championship_window.h"
#include "screens/newgame/new_game_builder_window.h"
#include "screens/newgame/new_game_setup_window.h"
#include "screens/routes/window_routes.h"
#include "screens/start/large_fonts_warning.h"
#include "screens/start/title_window.h"
#include "season/national_tournaments.h"

namespace kv {
namespace {

// What the windows are opened on: the player's club, one of its players, another club.
struct Prepared {
    int club = -1;
    int player = -1;
    int other_club = -1;
    int other_player = -1;
};

int StrongestPlayerOf(const GameData& data, int club) {
    int best = -1;
    for (int p = 1; p < static_cast<int>(data.players.size()); ++p)
        if (data.players[p].team == club &&
            (best < 0 || data.players[p].strength > data.players[best].strength))
            best = p;
    return best;
}

// The game the windows are opened on; each window's child process may play it on.
HeadlessGame* g_game = nullptr;

struct Entry {
    std::string id;  // the window's class, without its leading T
    std::string what;
    std::function<Form&(Screen&, const Prepared&)> open;
};

#define KV_WINDOW(cls, what, ...)                                   \
    Entry {                                                         \
#cls, what,                                                 \
            [](Screen & s, [[maybe_unused]] const Prepared& p)      \
                 -> Form& { return s.Create<T##cls>(__VA_ARGS__); } \
    }

std::vector<Entry> Windows() {
    static HumanLineup* lineup = nullptr;
    static StateChampionsTable champions;
    return {
        KV_WINDOW(Form1, "Abertura"),
        KV_WINDOW(Form17, "Aviso de fontes grandes"),
        KV_WINDOW(Form9, "Novo jogo"),
        KV_WINDOW(Form11, "Escolha do clube"),
        KV_WINDOW(Form56, "Escolha do clube (outros países)"),
        KV_WINDOW(Form39, "Campeonato personalizado", 1),
        // The main window fills itself only through its opener, on a day a human club plays.
        Entry{"Form13", "Janela principal",
              [](Screen&, const Prepared&) -> Form& {
                  TForm13* main = ShowMainWindow();
                  for (int day = 0; !main && day < 10; ++day) {
                      g_game->PlayRound();
                      main = ShowMainWindow();
                  }
                  if (!main) throw std::runtime_error("nenhum dia com jogo do clube humano");
                  return *main;
              }},
        KV_WINDOW(Form45, "Sobre"),
        KV_WINDOW(Form32, "Opções"),
        KV_WINDOW(Form64, "Cores"),
        KV_WINDOW(Form21, "Carregar jogo"),
        KV_WINDOW(Form40, "Salvar jogo"),
        KV_WINDOW(Form41, "Salvar jogo (nome)"),
        KV_WINDOW(Form36, "Tabelas"),
        KV_WINDOW(Form63, "Jogos por rodada"),
        KV_WINDOW(Form67, "Resultados da rodada"),
        KV_WINDOW(Form26, "Resumo da temporada"),
        KV_WINDOW(Form70, "Seleção do campeonato", 0),
        KV_WINDOW(Form35, "Chaves da copa", 0),
        KV_WINDOW(Form69, "Segunda fase", 0),
        KV_WINDOW(Form31, "Demissão", p.other_club, 0, 1, false),
        KV_WINDOW(Form87, "Escalação", false, p.other_club),
        Entry{"Form90", "Táticas salvas",
              [](Screen& s, const Prepared& p) -> Form& {
                  lineup = new HumanLineup(Game(), p.club, false);
                  return s.Create<TForm90>(*lineup);
              }},
        KV_WINDOW(Form81, "Amistosos", false),
        KV_WINDOW(Form86, "Cores do clube"),
        KV_WINDOW(Form82, "Número da camisa", p.player),
        KV_WINDOW(Form72, "Falecimento", p.player),
        KV_WINDOW(Form59, "Pedido de empréstimo", p.player, p.other_club),
        KV_WINDOW(Form68, "Proposta por jogador", p.player, p.other_club),
        KV_WINDOW(Form80, "Ficha do árbitro", 0),
        KV_WINDOW(Form57, "Troca de técnicos", std::vector<t_coach_dismissal>{}),
        KV_WINDOW(Form50, "Técnicos humanos"),
        KV_WINDOW(Form51, "Técnicos humanos (novo)"),
        KV_WINDOW(Form65, "Técnicos humanos (lista)"),
        KV_WINDOW(Form62, "Caixa de entrada"),
        KV_WINDOW(Form30, "Proposta de emprego"),
        KV_WINDOW(Form66, "Campeões estaduais", champions),
        KV_WINDOW(Form77, "Convocação da seleção",
                  FindNationalTeam(Game(), Game().teams[p.club].country)),
        KV_WINDOW(Form78, "Tabela da copa de seleções"),
        Entry{"Form46", "Dia de jogo",
              [](Screen&, const Prepared&) -> Form& {
                  g_game->PlayRound();
                  for (int day = 0; day < 10 && ShowMainWindow(); ++day) g_game->PlayRound();
                  TForm46* day = ShowMatchDayWindow();
                  if (!day) throw std::runtime_error("nenhuma rodada preparada");
                  return *day;
              }},
        KV_WINDOW(Form88, "Escalação na partida", 0, 0),
        KV_WINDOW(Form52, "Ver partida", 0, 1),
        KV_WINDOW(Form53, "Contusão", 0, 0, p.player),
        KV_WINDOW(Form34, "Pênalti a favor", 0, 0),
        KV_WINDOW(Form54, "Pênalti contra", 0, 1),
        KV_WINDOW(Form37, "Ordem dos pênaltis", p.club, p.other_club),
        KV_WINDOW(Form38, "Disputa de pênaltis", p.club, p.other_club),
        KV_WINDOW(Form2, "Editor: carregando"),
        KV_WINDOW(Form3, "Editor"),
        KV_WINDOW(Form4, "Editor: clube"),
        KV_WINDOW(Form7, "Editor: novo clube"),
        KV_WINDOW(Form5, "Editor: novo jogador", false),
        KV_WINDOW(Form6, "Editor: jogador", false, 0),
        KV_WINDOW(Form79, "Editor: mover jogador", std::vector<int>{p.club}, 0),
        KV_WINDOW(Form73, "Editor: seleção", false),
    };
}

// More than one colour inside the window.
bool Drawn(Screen& screen, const Rect& r) {
    const PixelView view = screen.BackBuffer();
    bool first = true;
    uint32_t colour = 0;
    for (int y = std::max(0, r.top); y < std::min(view.height, r.bottom); ++y)
        for (int x = std::max(0, r.left); x < std::min(view.width, r.right); ++x) {
            const uint32_t c = view.pixels[y * view.stride / 4 + x] & 0xFFFFFFu;
            if (first)
                colour = c, first = false;
            else if (c != colour)
                return true;
        }
    return false;
}

bool Scrolls(const Control& c) {
    return std::string(typeid(c).name()).find("Scroll") != std::string::npos;
}

// Visible controls that reach outside the client area of the control holding them.
void Outside(const Control& holder, const std::string& path, std::vector<std::string>& faults) {
    const Rect area = holder.ClientArea();
    for (const auto& child : holder.Children()) {
        if (!child->Visible()) continue;
        const Rect b = child->BoundsRect();
        if (b.left < 0 || b.top < 0 || b.right > area.width() || b.bottom > area.height())
            faults.push_back(path + child->Name() + " fora da janela (" + std::to_string(b.left) +
                             "," + std::to_string(b.top) + " " + std::to_string(b.width()) + "x" +
                             std::to_string(b.height()) + " em " + std::to_string(area.width()) +
                             "x" + std::to_string(area.height()) + ")");
        if (!Scrolls(*child)) Outside(*child, path + child->Name() + ".", faults);
    }
}

// Opens one window on a screen of that size, writes its picture and returns its faults.
std::vector<std::string> Draw(const Entry& e, const Prepared& p, int w, int h,
                              const std::string& png) {
    std::vector<std::string> faults;
    TestDriver driver(w, h);
    SetScreenSize({w, h});
    Form& form = e.open(driver.screen(), p);
    // A window that opens another one modally while it shows gets it closed straight away.
    for (int i = 0; i < 4; ++i)
        driver.Then([&driver] {
            for (Form* f = driver.screen().ActiveForm(); f && f->Modal(); f = nullptr)
                f->SetModalResult(2);
        });
    form.Show();
    driver.Pump();
    // Windows that fill themselves on a timer (the match day's clock) get their first ticks.
    driver.Advance(1500);
    driver.screen().Paint();
    if (driver.screen().SavePng(png) == false) faults.push_back("PNG não gravado");
    if (!Drawn(driver.screen(), form.BoundsRect())) faults.push_back("janela em branco");
    if (w == 800) {
        const Rect b = form.BoundsRect();
        if (b.width() > w || b.height() > h)
            faults.push_back("janela maior que a tela (" + std::to_string(b.width()) + "x" +
                             std::to_string(b.height()) + ")");
        Outside(form, "", faults);
    }
    return faults;
}

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    using namespace kv;
    std::string out = KORVANEL_GALLERY_OUT;
    std::set<std::string> only;
    int rounds = 4;
    std::vector<std::pair<int, int>> sizes = {{800, 600}, {1280, 800}};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--out" && i + 1 < argc)
            out = argv[++i];
        else if (a == "--size" && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 320 || h < 240) return 2;
            sizes = {{w, h}};
        } else if (a == "--rounds" && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else if (a == "--only" && i + 1 < argc) {
            std::stringstream ss(argv[++i]);
            for (std::string id; std::getline(ss, id, ',');) only.insert(id);
        } else {
            std::fprintf(stderr,
                         "uso: %s [--out PASTA] [--only Form13,Form36] [--size LxA] [--rounds N]\n",
                         argv[0]);
            return 2;
        }
    }
    std::filesystem::create_directories(out);

    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    HeadlessGame game;
    g_game = &game;
    if (const std::string error = game.StartNewGame(setup); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    for (int r = 0; r < rounds; ++r) game.PlayRound();
    game.PlayToResults();
    SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
    ConnectGameWindows();

    Prepared p;
    const GameData& data = Game();
    p.club = data.game_state.user_club;
    p.player = StrongestPlayerOf(data, p.club);
    for (int t = 0; t < data.game_state.league_club_count && p.other_club < 0; ++t)
        if (t != p.club && data.teams[t].country == data.teams[p.club].country) p.other_club = t;
    p.other_player = StrongestPlayerOf(data, p.other_club);

    std::ofstream index(out + "/index.html");
    index << "<!doctype html><meta charset=utf-8><title>Janelas</title>\n"
             "<style>figure{display:inline-block;margin:8px}.f{color:#b00}</style>\n";
    int failed = 0, shown = 0;
    for (const Entry& e : Windows()) {
        if (!only.empty() && !only.count(e.id)) continue;
        index << "<h2>T" << e.id << ": " << Escape(e.what) << "</h2>\n";
        for (const auto& [w, h] : sizes) {
            const std::string file = e.id + "_" + std::to_string(w) + "x" + std::to_string(h);
            const std::string report = out + "/" + file + ".txt";
            std::fflush(nullptr);
            const pid_t child = fork();
            if (child == 0) {
                std::ofstream r(report);
                try {
                    for (const std::string& f : Draw(e, p, w, h, out + "/" + file + ".png"))
                        r << f << "\n";
                } catch (const std::exception& ex) {
                    r << "erro ao abrir: " << ex.what() << "\n";
                }
                r.close();
                std::fflush(nullptr);
                _exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            std::string faults;
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                faults = "o programa caiu ao abrir a janela\n";
            } else {
                std::ifstream r(report);
                std::stringstream ss;
                ss << r.rdbuf();
                faults = ss.str();
            }
            std::filesystem::remove(report);
            ++shown;
            index << "<figure><img src=\"" << file << ".png\" width=" << w / 2 << "><figcaption>"
                  << w << "x" << h;
            if (!faults.empty()) {
                ++failed;
                index << "<pre class=f>" << Escape(faults) << "</pre>";
                std::printf("T%s %dx%d:\n%s", e.id.c_str(), w, h, faults.c_str());
            }
            index << "</figcaption></figure>\n";
        }
    }
    std::printf("%d imagens em %s/index.html, %d com falhas\n", shown, out.c_str(), failed);
    return failed ? 1 : 0;
}
