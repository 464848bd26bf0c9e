#include "tools/gallery/gallery_windows.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/types.h"
#include "editor/add_player_window.h"
#include "editor/edit_club_window.h"
#include "editor/editor_main_window.h"
#include "editor/editor_session.h"
#include "editor/loading_window.h"
#include "editor/move_player_window.h"
#include "editor/national_team_window.h"
#include "editor/new_club_window.h"
#include "editor/picture_picker_window.h"
#include "game/headless_game.h"
#include "game/state_finals.h"
#include "match/human_lineup.h"
#include "platform/window/combo_box.h"
#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/test_driver.h"
#include "screens/career/best_ratings_window.h"
#include "screens/career/club_fixtures_window.h"
#include "screens/career/club_ranking_window.h"
#include "screens/career/club_record_window.h"
#include "screens/career/coach_changes_window.h"
#include "screens/career/coach_ranking_window.h"
#include "screens/career/head_to_head_window.h"
#include "screens/career/human_coaches_window.h"
#include "screens/career/inbox_window.h"
#include "screens/career/job_offer_window.h"
#include "screens/career/player_history_window.h"
#include "screens/career/roll_of_honour_window.h"
#include "screens/career/state_champions_window.h"
#include "screens/career/top_scorers_window.h"
#include "screens/career/trophy_cabinet_window.h"
#include "screens/club/bank_loan_window.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/contract_windows.h"
#include "screens/club/death_notice_window.h"
#include "screens/club/expansion_window.h"
#include "screens/club/finances_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/lineup_window.h"
#include "screens/club/loan_request_window.h"
#include "screens/club/national_callup_window.h"
#include "screens/club/offer_window.h"
#include "screens/club/player_search_window.h"
#include "screens/club/purchase_windows.h"
#include "screens/club/referee_card_window.h"
#include "screens/club/retirement_window.h"
#include "screens/club/sale_windows.h"
#include "screens/club/saved_tactics_window.h"
#include "screens/club/shirt_number_window.h"
#include "screens/club/stadium_window.h"
#include "screens/club/team_view_window.h"
#include "screens/club/transfer_list_window.h"
#include "screens/layouts/window_layouts.h"
#include "screens/main/about_window.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/colours_window.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/dismissal_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/national_board_window.h"
#include "screens/main/national_hub_window.h"
#include "screens/main/national_invitation_window.h"
#include "screens/main/options_window.h"
#include "screens/main/round_results_window.h"
#include "screens/main/save_game_window.h"
#include "screens/main/season_review_window.h"
#include "screens/main/second_phase_window.h"
#include "screens/main/tables_window.h"
#include "screens/match/engine_test_bench_window.h"
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
#include "screens/start/game_pictures.h"
#include "screens/start/large_fonts_warning.h"
#include "screens/start/program_pictures.h"
#include "screens/start/title_window.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_columns.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/progress_column.h"
#include "season/auction.h"
#include "season/national_tournaments.h"
#include "season/purchase_negotiation.h"
#include "season/transfer_lists.h"

namespace kv::gallery {
namespace {

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

// The row of the human club's match among the prepared day's matches (the first row if none).
int HumanMatchRow() {
    return std::max(1, static_cast<int>(Game().human_match_rows[0]));
}

// Plays the prepared game on to the end of its season (the season review's moment).
void PlayToSeasonEnd() {
    for (int round = 0; round < 200 && !g_game->season_finished(); ++round) g_game->PlayRound();
    if (!g_game->season_finished()) throw std::runtime_error("a temporada não terminou");
}

// Plays the prepared game on past the turn of the season: the histories hold a whole season.
void PlayPastSeason() {
    PlayToSeasonEnd();
    g_game->PlayToResults();
}

// Plays the prepared game up to the next day that `wanted` accepts (its state is the next
// day's once a round is closed).
void PlayUntil(const std::function<bool(const t_game_state&)>& wanted, const char* what) {
    for (int round = 0; round < 400; ++round) {
        if (wanted(Game().game_state)) return;
        g_game->PlayRound();
    }
    throw std::runtime_error(std::string("nenhum dia de ") + what);
}

// A new game whose coach leads a national team, played up to the world cup day `wanted`
// accepts; the national-team windows open on it.
void StartNationalGame(const std::function<bool(const t_game_state&)>& wanted) {
    static HeadlessGame national;
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    setup.national_team_coach = true;
    if (const std::string error = national.StartNewGame(setup); !error.empty())
        throw std::runtime_error(error);
    for (int r = 0; r < 120; ++r) {
        const t_game_state& gs = Game().game_state;
        if (gs.match_kind == ckWorldCup && wanted(gs)) return;
        national.PlayRound();
    }
    throw std::runtime_error("nenhum dia de copa com seleção humana");
}

// Presses a button the way a click does.
void Press(Control& button) {
    ControlEvent click{ControlEvent::Click};
    button.Dispatch(click);
}

// The new-game setup window, its division system chosen and "Iniciar Jogo >>" pressed: the
// club choice comes up on the new game being prepared.
Form& ThroughSetup(Screen& s, int division_system) {
    auto& setup = s.Create<TForm9>();
    setup.Show();
    ControlNamed<ComboBox>(setup, "ComboBox1").SetItemIndex(division_system);
    Press(ControlNamed<Control>(setup, "SchemeButton2"));
    for (const char* name : {"Form11", "Form56"})
        if (Form* choice = s.FindForm(name)) return *choice;
    throw std::runtime_error("a escolha do clube não abriu");
}

}  // namespace

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
        Entry{"Form11", "Escolha do clube",
              [](Screen& s, const Prepared&) -> Form& { return ThroughSetup(s, 0); }},
        Entry{"Form56", "Escolha do clube (divisões de 20)",
              [](Screen& s, const Prepared&) -> Form& { return ThroughSetup(s, 1); }},
        Entry{"Form12", "Montando o jogo novo",
              [](Screen& s, const Prepared&) -> Form& {
                  return s.Create<TForm12>(ThroughSetup(s, 0));
              },
              0},
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
        // The season review comes when a season ends.
        Entry{"Form26", "Resumo da temporada",
              [](Screen& s, const Prepared&) -> Form& {
                  PlayToSeasonEnd();
                  return s.Create<TForm26>();
              }},
        KV_WINDOW(Form70, "Seleção do campeonato", 0),
        KV_WINDOW(Form35, "Chaves da copa", 0),
        KV_WINDOW(Form69, "Segunda fase", 0),
        KV_WINDOW(Form31, "Demissão", p.other_club, 0, 1, DismissalReason::kResults),
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
        KV_WINDOW(Form80, "Ficha do árbitro", 1),
        KV_WINDOW(Form57, "Troca de técnicos", std::vector<t_coach_dismissal>{}),
        KV_WINDOW(Form50, "Técnicos humanos"),
        KV_WINDOW(Form51, "Técnicos humanos (novo)"),
        KV_WINDOW(Form65, "Técnicos humanos (lista)"),
        KV_WINDOW(Form62, "Caixa de entrada"),
        KV_WINDOW(Form30, "Proposta de emprego"),
        KV_WINDOW(Form66, "Campeões estaduais", champions),
        KV_WINDOW(Form77, "Convocação da seleção",
                  FindNationalTeam(Game(), Game().teams[p.club].country)),
        // The board on a knock-out day of the world cup, its groups played.
        Entry{"Form78", "Tabela da copa de seleções",
              [](Screen& s, const Prepared&) -> Form& {
                  StartNationalGame([](const t_game_state& gs) { return gs.tournament_round >= 5; });
                  return s.Create<TForm78>();
              }},
        // The hub comes up only on a world cup day of a game whose coach leads a national team.
        Entry{"Form75", "Seleção (dia de copa)",
              [](Screen&, const Prepared&) -> Form& {
                  StartNationalGame([](const t_game_state& gs) { return gs.tournament_round == 1; });
                  TForm75* hub = ShowNationalHub();
                  if (!hub) throw std::runtime_error("nenhum dia de copa com seleção humana");
                  return *hub;
              }},
        // The match day on a continental group day, every region watched: eight groups live.
        Entry{"Form46", "Dia de jogo",
              [](Screen&, const Prepared&) -> Form& {
                  g_game->PlayRound();
                  PlayUntil(
                      [](const t_game_state& gs) {
                          return gs.match_kind == ckContinentalCup && gs.continental_cup_round < 4;
                      },
                      "fase de grupos continental");
                  for (auto& region : Game().game_state.show_continental_matches) region = 1;
                  TForm46* day = ShowMatchDayWindow();
                  if (!day) throw std::runtime_error("nenhuma rodada preparada");
                  return *day;
              }},
        // The windows of a match in play open on the human club's match of the prepared day.
        KV_WINDOW(Form88, "Escalação na partida", HumanMatchRow(), 1),
        KV_WINDOW(Form52, "Ver partida", 0, 1),
        KV_WINDOW(Form53, "Contusão", HumanMatchRow(), 1, p.player),
        KV_WINDOW(Form34, "Pênalti a favor", HumanMatchRow(), 1),
        KV_WINDOW(Form54, "Pênalti contra", HumanMatchRow(), 2),
        KV_WINDOW(Form37, "Ordem dos pênaltis", p.club, p.other_club),
        KV_WINDOW(Form38, "Disputa de pênaltis", p.club, p.other_club),
        KV_WINDOW(Form8, "Estádio"),
        KV_WINDOW(Form10, "Ampliação do estádio"),
        KV_WINDOW(Form14, "Ver time", p.other_club),
        KV_WINDOW(Form15, "Confrontos", p.club, p.other_club),
        Entry{"Form16", "Histórico do jogador",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm16>(p.player);
              }},
        KV_WINDOW(Form18, "Jogos do clube", p.club),
        KV_WINDOW(Form19, "Ranking de técnicos", Game().game_state.human_coaches[0]),
        Entry{"Form47", "Ranking de técnicos (carreira)",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm47>(Game().game_state.human_coaches[0]);
              }},
        KV_WINDOW(Form20, "Artilheiros"),
        KV_WINDOW(Form22, "Finanças"),
        KV_WINDOW(Form28, "Empréstimo bancário"),
        KV_WINDOW(Form27, "Procurar jogador"),
        // The transfers of a whole season.
        Entry{"Form58", "Transferências",
              [](Screen& s, const Prepared&) -> Form& {
                  PlayToSeasonEnd();
                  return s.Create<TForm58>(TransferListMode::kAllTransfers, -1);
              }},
        Entry{"Form29", "Campeões",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm29>();
              }},
        KV_WINDOW(Form71, "Ranking de clubes"),
        Entry{"Form83", "Melhores médias",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm83>();
              }},
        Entry{"Form55", "Recordes do clube",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm55>(p.club);
              }},
        Entry{"Form74", "Sala de troféus",
              [](Screen& s, [[maybe_unused]] const Prepared& p) -> Form& {
                  PlayPastSeason();
                  return s.Create<TForm74>(p.club);
              }},
        Entry{"Form23", "Leilão",
              [](Screen& s, const Prepared& p) -> Form& {
                  return s.Create<TForm23>(
                      AuctionStart{.player = p.player, .start_price = 1000000});
              },
              1},
        KV_WINDOW(Form44, "Vender jogador", p.player),
        KV_WINDOW(Form24, "Contrato", p.player),
        KV_WINDOW(Form25, "Contraproposta do jogador", p.player, 50000, 12),
        KV_WINDOW(Form48, "Aposentadoria", p.player),
        KV_WINDOW(Form60, "Proposta de compra", p.other_player),
        KV_WINDOW(Form49, "Resposta do vendedor", p.other_player, 1000000),
        KV_WINDOW(Form61, "Resposta à proposta", p.other_player, 1000000, OfferDecision{}),
        KV_WINDOW(Form76, "Convite de seleção", ckWorldCup, 1, Game().game_state.human_coaches[0]),
        Entry{"Form84", "Confirmar amistoso", nullptr, 1500,
              [](const Prepared& p) { ConfirmFriendly(p.other_club, 100000); }},
        Entry{"Form85", "Amistosos de pré-temporada", nullptr, 1500,
              [](const Prepared&) { AskPreseasonFriendlies(); }},
        KV_WINDOW(form89, "Bancada de teste do motor"),
        Entry{"Form2", "Editor: carregando",
              [](Screen& s, const Prepared&) -> Form& { return s.Create<TForm2>(); }, 0},
        KV_WINDOW(Form3, "Editor"),
        KV_WINDOW(Form4, "Editor: clube"),
        KV_WINDOW(Form7, "Editor: novo clube"),
        KV_WINDOW(Form5, "Editor: novo jogador", false),
        KV_WINDOW(Form6, "Editor: jogador", false, 0),
        KV_WINDOW(Form79, "Editor: mover jogador", Editor().db.ListedClubs(), 1),
        KV_WINDOW(Form73, "Editor: seleção", false),
        KV_WINDOW(form43, "Editor: escolha de escudo", false),
    };
}

std::vector<std::string> OpenWindow(const Entry& e, const Prepared& p, int w, int h,
                                    const OnShow& shown) {
    TestDriver driver(w, h);
    SetScreenSize({w, h});
    Screen& screen = driver.screen();
    if (e.ask) {
        // Drawn from inside the call, while its window waits for an answer; then answered no.
        std::vector<std::string> faults = {"a janela não abriu"};
        driver.Then([&] {
            Form* asking = screen.TopForm();
            if (!asking || asking->Name() != e.id) return;
            faults = shown(screen, *asking);
            asking->SetModalResult(mrCancel);
        });
        e.ask(p);
        return faults;
    }
    Form& form = e.open(screen, p);
    const std::string name = form.Name();
    // A window that opens another one modally while it shows gets it closed straight away.
    for (int i = 0; i < 4; ++i)
        driver.Then([&screen] {
            for (Form* f = screen.ActiveForm(); f && f->Modal(); f = nullptr) f->SetModalResult(2);
        });
    form.Show();
    if (e.ticks > 0) {
        driver.Pump();
        // Windows that fill themselves on a timer (the match day's clock) get their first ticks.
        driver.Advance(e.ticks);
    }
    Form* shown_form = screen.FindForm(name);
    if (!shown_form || !shown_form->Visible()) return {"a janela fechou sozinha"};
    return shown(screen, *shown_form);
}


std::string PrepareGame(int rounds, Prepared& p) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    static HeadlessGame game;
    g_game = &game;
    if (std::string error = game.StartNewGame(setup); !error.empty()) return error;
    for (int r = 0; r < rounds; ++r) game.PlayRound();
    game.PlayToResults();
    SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
    ConnectGameWindows();
    // What the title window loads at start for the windows after it: the tiled background and
    // the flags.
    LoadBackgroundBitmap();
    LoadFlagPictures(ProgramPicture("bandeira"));

    const GameData& data = Game();
    p.club = data.game_state.user_club;
    p.player = StrongestPlayerOf(data, p.club);
    for (int t = 0; t < data.game_state.league_club_count && p.other_club < 0; ++t)
        if (t != p.club && data.teams[t].country == data.teams[p.club].country) p.other_club = t;
    p.other_player = StrongestPlayerOf(data, p.other_club);

    // The editor's windows work on the database it loads: the sample teams, their first club and
    // national team chosen.
    EditorSession& editor = Editor();
    editor.db.Load(KORVANEL_SAMPLE_TEAMS);
    if (const auto clubs = editor.db.ListedClubs(); !clubs.empty())
        editor.current_club = clubs.front();
    if (const auto nations = editor.db.ListedNationalTeams(); !nations.empty())
        editor.current_national_team = nations.front();

    return {};
}

}  // namespace kv::gallery
