#include "tests/playthrough/play_through.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/saved_game_files.h"
#include "core/screen_size.h"
#include "game/headless_game.h"
#include "match/human_lineup.h"
#include "match/injury_choice.h"
#include "match/penalty_kick.h"
#include "match/scripted_decisions.h"
#include "match/substitutions.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/list_view.h"
#include "platform/window/radio_button.h"
#include "screens/club/lineup_window.h"
#include "screens/club/national_callup_window.h"
#include "screens/club/sale_windows.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/national_board_window.h"
#include "screens/main/national_hub_window.h"
#include "screens/main/national_invitation_window.h"
#include "screens/main/round_results_window.h"
#include "screens/main/season_review_window.h"
#include "screens/match/injury_window.h"
#include "screens/match/match_lineup_window.h"
#include "screens/match/match_day_window.h"
#include "screens/match/penalty_faced_window.h"
#include "screens/match/penalty_window.h"
#include "screens/match/shootout_order_window.h"
#include "screens/match/shootout_window.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/country_grid.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/newgame/new_game_setup_window.h"
#include "screens/routes/window_routes.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "season/auction.h"
#include "season/new_game_setup.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

// A loop of windows that makes no progress for this many steps is stuck.
constexpr int kStuckSteps = 2000;

Form* Shown(Screen& screen, std::string_view name) {
    for (Form* form : screen.Forms())
        if (form->Name() == name && form->Visible() && !form->Freed()) return form;
    return nullptr;
}

// The game as the game without windows saves it, read back.
std::string SavedNow(const fs::path& folder) {
    const fs::path file = folder / "kept.s14";
    HeadlessGame saver;
    if (!saver.SaveGame(file.string()).empty()) return {};
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

PlayThrough::PlayThrough(const fs::path& game_folder) {
    char tmpl[] = "/tmp/kv_playthrough_XXXXXX";
    if (!mkdtemp(tmpl)) throw std::runtime_error("no temporary folder");
    folder_ = tmpl;
    fs::create_directory_symlink(game_folder / "img", folder_ / "img");
    fs::create_directory_symlink(game_folder / "teams", folder_ / "teams");
    SetGameFolder(folder_.string());
    SetScreenSize({1024, 768});
    Game().Reset();
    TitleMenu() = {};
    driver_ = std::make_unique<TestDriver>(1024, 768);
    // Nobody looks at these windows: they are laid out and answered, never drawn.
    driver_->screen().SetPainting(false);
    // A person answers a window within seconds; the windows that move on by themselves (the
    // penalty kick told in steps) are done well before. The 10 ms animations of the windows
    // below a modal one would otherwise tick for ten minutes of virtual time each.
    driver_->backend().max_idle_ms = 10'000;
    driver_->backend().on_idle = [this] { return AnswerModal(); };
    ConnectGameWindows();
    ConnectChecks();
}

PlayThrough::~PlayThrough() {
    driver_.reset();
    DiscardNewGameSetup();
    TitleMenu() = {};
    ConnectGameWindows();
    SetGameFolder("");
    SetScreenSize({800, 600});
    Game().Reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void PlayThrough::Check(const std::string& broken) {
    if (broken.empty() || !broken_.empty()) return;
    broken_ = "rodada " + std::to_string(rounds_ + 1) + ": " + broken;
}

// The checks run where the game without windows runs them: the starters once the match day is
// over, the round once it has closed, the season's end before the review turns it over, and the
// season change once the review's "Continuar >>" has made it.
void PlayThrough::ConnectChecks() {
    auto& hand_over = MatchDayHandOver();
    hand_over = [this, results = hand_over] {
        Check(CheckArchivedStarters(Game(), archived_));
        // A match day may follow the round results with no main window between (a day the
        // coach's club does not play), so the next one's matches start here.
        archived_ = Game().match_archive.size();
        if (results) results();
    };
    auto& closed = RoundResultsNextScreen();
    closed = [this, next_screen = closed](NextScreen next) {
        Check(CheckRoundInvariants(Game()));
        if (next == NextScreen::kSeasonReview) {
            Check(CheckSeasonEndInvariants(Game()));
            before_rollover_ = TakeRolloverSnapshot(Game());
        }
        ++rounds_;
        if (rounds_ == keep_round_) kept_save_ = SavedNow(folder_);
        if (next_screen) next_screen(next);
    };
    auto& turned = SeasonReviewNextScreen();
    turned = [this, next_screen = turned](NextScreen next) {
        Check(CheckRolloverInvariants(Game(), before_rollover_));
        ++reviews_;
        if (next_screen) next_screen(next);
    };
}

bool PlayThrough::AnswerModal() {
    Form* top = driver_->screen().TopForm();
    if (!top || !top->Modal()) return false;
    if (auto* lineup = dynamic_cast<TForm87*>(top)) {
        // The coach fields the line-up the computer would field for his club.
        GameData& data = Game();
        lineup->lineup().TakeFrom(ComputerLineupChoice(data, lineup->lineup().team()));
        lineup->RefreshLineup();
        driver_->Click(driver_->Get(*lineup, "bt_irprojogo"));
        return true;
    }
    if (dynamic_cast<TForm76*>(top)) {
        ++invitations_;
        if (!accept_invitations_) {
            driver_->Click(driver_->Get(*top, "btrecusar"));
            return true;
        }
        for (const char* choice : {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8"}) {
            Control& radio = driver_->Get(*top, choice);
            if (!radio.Visible() || !radio.Enabled()) continue;
            driver_->Click(radio);
            driver_->Click(driver_->Get(*top, "btfechar"));
            return true;
        }
    }
    if (dynamic_cast<TForm77*>(top)) {
        // Its clicks wait on the window's own loop: that loop must not answer it again.
        if (in_callup_) return false;
        in_callup_ = true;
        CallUpSquad(*top);
        in_callup_ = false;
        return true;
    }
    // The row of a match window's list that holds player `id` (its column 4), clicked; false
    // when no row does.
    auto click_player = [this](Form& form, int id) {
        auto& list = static_cast<ListView&>(driver_->Get(form, "ListView1"));
        for (int row = 0; row < list.Count(); ++row)
            if (list.CellText(row, 4) == std::to_string(id)) {
                driver_->ClickAt(list, {30, list.HeaderHeight() + list.RowHeight() * row +
                                                list.RowHeight() / 2});
                return true;
            }
        return false;
    };
    if (auto* auction = dynamic_cast<TForm23*>(top)) {
        // Each auction passed ("Ofertar" with no bid), or bid in thousands by the rule of the
        // game without windows; between bids the window's clock runs.
        if (auction->auction().phase() != AuctionPhase::kHumanBids) return true;
        const std::int32_t bid = auction_bids_ ? RuleBid(Game(), auction->auction()) : 0;
        if (bid > 0) {
            driver_->Click(driver_->Get(*auction, "Edit1"));
            driver_->Type(std::to_string(bid / 1000));
            ++answered_["auction bid"];
        }
        auction->OfferClick();
        return true;
    }
    if (dynamic_cast<TForm54*>(top)) {
        // The computer's penalty against the coach is told on the window's own clock and the
        // window closes itself; closing it early would leave the kick untaken.
        if (top != counted_) ++answered_["penalty faced"];
        counted_ = top;
        return true;
    }
    if (dynamic_cast<TForm38*>(top)) {
        // The shoot-out plays itself on its timers and closes a second after the winner.
        if (top != counted_) ++answered_["shoot-out"];
        counted_ = top;
        return true;
    }
    if (auto* penalty = dynamic_cast<TForm34*>(top)) {
        // The taker the window's rule proposes (the computer's), or the script's; the window
        // then tells the kick.
        const int strength = penalty->taking_strength();
        click_player(*penalty, coach_choices_ ? ScriptedPenaltyTaker(strength)
                                              : ComputerPenaltyTaker(strength));
        driver_->Click(driver_->Get(*penalty, "bt1"));
        ++answered_["penalty taken"];
        return true;
    }
    if (auto* injury = dynamic_cast<TForm53*>(top)) {
        // The bench player the window's rule proposes, or the script's; with nobody to offer
        // only "Fechar" is left.
        Control& replace = driver_->Get(*injury, "bt1");
        if (replace.Caption() == "Fechar") {
            ++answered_["injury nobody"];
            driver_->Click(replace);
            return true;
        }
        const InjuryChoice choice = InjuryReplacementChoice(injury->strength(), injury->injured());
        const int chosen =
            coach_choices_ ? ScriptedInjuryReplacement(choice)
                           : ProposedInjuryReplacement(choice, injury->strength(), injury->injured());
        if (!click_player(*injury, chosen))
            throw std::runtime_error("a janela de contusão não oferece o jogador " +
                                     std::to_string(chosen));
        ++answered_["injury replaced"];
        driver_->Click(replace);
        return true;
    }
    if (auto* order = dynamic_cast<TForm37*>(top)) {
        // "Automático", or the script's order: the players as listed, the top one first.
        auto& available = static_cast<ListView&>(driver_->Get(*order, "ListView1"));
        if (coach_choices_) {
            while (available.Count() > 0) {
                driver_->ClickAt(available, {30, available.HeaderHeight() + available.RowHeight() / 2});
                driver_->Click(driver_->Get(*order, "SchemeButton2"));
            }
        } else {
            driver_->Click(driver_->Get(*order, "bt1"));
        }
        ++answered_["shoot-out order"];
        // With two human teams the second press asks the other coach; the last opens the
        // shoot-out, which this window waits on.
        driver_->Click(driver_->Get(*order, "btp"));
        return true;
    }
    if (auto* lineup88 = dynamic_cast<TForm88*>(top)) {
        // At half time the script brings on a substitute; otherwise, and after a sending-off,
        // the coach goes back to the match as the line-up stands.
        const GameData& data = Game();
        if (coach_choices_ && data.half_time)
            if (const auto change =
                    ScriptedHalfTimeSubstitution(data.current_match, lineup88->shown_side());
                change && lineup88->Substitute(change->slot, change->bench_place))
                ++answered_["half-time substitution"];
        driver_->Click(driver_->Get(*lineup88, "bt_irprojogo"));
        return true;
    }
    if (dynamic_cast<TForm78*>(top)) {
        ++answered_["board"];
        driver_->Click(driver_->Get(*top, "bt3"));
        return true;
    }
    // A window that stays open however it is answered would keep the play in its loop forever.
    if (top == last_answered_ && ++same_answers_ > kStuckSteps)
        throw std::runtime_error("a janela " + top->Name() + " não fecha");
    if (top != last_answered_) same_answers_ = 0;
    last_answered_ = top;
    unknown_.push_back(top->Name());
    for (const char* caption :
         {"Cancelar", "Recusar", "Fechar", "Não", "OK", "Ok", "Continuar >>"}) {
        try {
            Control& button = driver_->WithCaption(caption);
            if (button.ParentForm() != top || !button.Enabled()) continue;
            driver_->Click(button);
            return true;
        } catch (const std::runtime_error&) {
        }
    }
    top->Close();
    return true;
}

std::string PlayThrough::StartNewGame(const PlayThroughSetup& setup) {
    TestDriver& d = *driver_;
    TForm1& title = d.screen().Create<TForm1>();
    title.Show();
    d.Pump();
    SeedRandom(setup.seed);
    d.Click("botoes1");
    d.Pump();
    auto* choices = dynamic_cast<TForm9*>(Shown(d.screen(), "Form9"));
    if (!choices) return "\"Novo jogo\" não abriu a janela de novo jogo";

    auto& leagues = d.Get<TReportGrid>("list1");
    for (int country : setup.countries)
        for (int row = 0; row < leagues.GetRowCount(); ++row)
            if (leagues.GetCellTextByVariant(kCountryIndex, row) == std::to_string(country) &&
                leagues.GetCellTextByVariant(kCountryTick, row) != "1")
                choices->list1CellClick(kCountryTickColumn, row);
    // The boxes as the game without windows sets them; the others keep their defaults.
    auto tick = [&](const char* name, bool on) {
        auto& box = d.Get<TMarkupCheckBox>(name);
        if (box.Checked() != on) d.Click(box);
    };
    tick("ckestadual", setup.state_championships);
    tick("ckcopa", setup.cups);
    tick("ckinter1", setup.cups);
    for (const char* name : {"ckcopamundo", "ckeurocopa", "ckcopaamerica"})
        tick(name, setup.tournaments);
    d.Get<ComboBox>("ComboBox2").SetItemIndex(setup.humans - 1);
    d.Click("SchemeButton2");
    d.Pump();

    auto* clubs = dynamic_cast<TForm11*>(Shown(d.screen(), "Form11"));
    if (!clubs) return "a escolha de times (divisões de 10) não abriu";
    auto& league_list = d.Get<ComboBox>("Combo1");
    const int first = clubs->ShownLeague();
    const int configs = league_list.Count() > 0 ? league_list.Count() : 1;
    for (int coach = 0; coach < setup.humans; ++coach) {
        // Each coach in turn takes the first free club of the next league, as the game without
        // windows chooses.
        int league = (first + coach) % configs;
        if (coach < static_cast<int>(setup.coach_countries.size())) {
            const GameData& world = *NewGameInProgress()->world;
            league = -1;
            for (int config = 0; config < static_cast<int>(world.league_configs.size()); ++config)
                if (world.league_configs[config].country == setup.coach_countries[coach]) {
                    league = config;
                    break;
                }
            if (league < 0)
                return "nenhuma liga do país " + std::to_string(setup.coach_countries[coach]);
        }
        for (int item = 0; item < league_list.Count() && clubs->ShownLeague() != league; ++item) {
            league_list.SetItemIndex(item);
            clubs->Combo1Change();
        }
        d.Click("Edit1");
        d.Type("Treinador " + std::to_string(coach + 1));
        RadioButton* chosen = nullptr;
        for (int division = 1; !chosen && clubs->ClubButton(division, 0); ++division)
            for (int slot = 0; !chosen && clubs->ClubButton(division, slot); ++slot)
                if (clubs->ClubButton(division, slot)->Enabled())
                    chosen = clubs->ClubButton(division, slot);
        if (!chosen) return "nenhum time livre para o treinador " + std::to_string(coach + 1);
        d.Click(*chosen);
        clubs_.push_back(chosen->tag);
        d.Click("Button1");
        d.Pump();
    }
    if (NewGameInProgress()) return "o jogo novo não foi montado";
    return {};
}

std::string PlayThrough::SaveThroughWindow(const std::string& name) {
    TestDriver& d = *driver_;
    TForm13* main = MainWindow();
    if (!main || !main->Visible()) return "o jogo só se salva da janela principal";
    // The first save of a game asks for its name in a window of its own.
    d.Then([&d, name] {
        d.Type(name);
        d.Click("bt1");
    });
    d.Press(VK_F2);
    d.Pump();
    if (!fs::exists(SavedGamePath(name + ".s14")))
        return "a janela de salvar não gravou " + name + ".s14";
    return {};
}

std::string PlayThrough::LoadThroughWindow(const std::string& file_name,
                                           std::optional<std::uint64_t> seed) {
    TestDriver& d = *driver_;
    TForm1& title = d.screen().Create<TForm1>();
    title.Show();
    d.Pump();
    // The title window seeds the source from the clock; the seed given takes its place before
    // the load, since the loaded game's first window draws as soon as it opens.
    if (seed) SeedRandom(*seed);
    std::string problem;
    d.Then([&] {
        auto* load = dynamic_cast<TForm21*>(Shown(d.screen(), "Form21"));
        if (!load) {
            problem = "\"Carregar jogo\" não abriu a janela de carregar";
            return;
        }
        for (int row = 0; row < load->Grid().GetRowCount(); ++row)
            if (load->Grid().GetCellTextByVariant("gcarquivo", row) == file_name) {
                load->Grid().SelectCell(1, row);
                d.Click("BitBtn1");
                return;
            }
        problem = file_name + " não está na janela de carregar";
    });
    d.Click("botoes2");
    d.Pump();
    if (!problem.empty()) return problem;
    if (title.Visible()) return "o jogo carregado não saiu da tela de título";
    archived_ = Game().match_archive.size();
    return {};
}

std::string PlayThrough::LoadSavedGame(const std::string& saved, std::uint64_t seed) {
    fs::create_directories(folder_ / "sav");
    std::ofstream(folder_ / "sav" / "continuar.s14", std::ios::binary) << saved;
    return LoadThroughWindow("continuar.s14", seed);
}

std::string HeadlessSave(const PlayThroughSetup& choices, int rounds) {
    HeadlessSetup setup;
    setup.teams_folder = std::string(KORVANEL_SAMPLE_GAME) + "/teams";
    setup.seed = choices.seed;
    setup.countries = {kHomeCountry};
    setup.countries.insert(setup.countries.end(), choices.countries.begin(),
                           choices.countries.end());
    // The setup window lists the countries' leagues in the order of its grid.
    std::sort(setup.countries.begin(), setup.countries.end());
    setup.state_championships = choices.state_championships;
    setup.cups = choices.cups;
    setup.tournaments = choices.tournaments;
    setup.humans = choices.humans;
    setup.coach_countries = choices.coach_countries;
    setup.national_team_coach = choices.national_team;
    HeadlessGame game;
    if (!game.StartNewGame(setup).empty()) return {};
    game.set_checking(true);
    game.set_auction_bids(choices.auction_bids);
    game.set_coach_choices(choices.coach_choices);
    for (int round = 0; round < rounds; ++round) game.PlayRound();
    if (!game.broken_invariant().empty()) return {};
    const std::string file =
        "/tmp/kv_playthrough_headless_" + std::to_string(getpid()) + ".s14";
    if (!game.SaveGame(file).empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string saved{std::istreambuf_iterator<char>(in), {}};
    std::remove(file.c_str());
    Game().Reset();
    return saved;
}

std::string HeadlessContinuation(const Continuation& from) {
    // Under the name the play-through's load window reads, which the loaded game keeps.
    char tmpl[] = "/tmp/kv_continuation_XXXXXX";
    if (!mkdtemp(tmpl)) return {};
    const fs::path folder = tmpl;
    const fs::path file = folder / "continuar.s14";
    std::ofstream(file, std::ios::binary) << from.saved;
    std::string saved;
    HeadlessGame game;
    SeedRandom(from.seed);
    if (game.LoadGame(file.string()).empty()) {
        game.set_checking(true);
        game.set_national_team_coach(from.national_team);
        game.set_auction_bids(from.auction_bids);
        game.set_coach_choices(from.coach_choices);
        for (int round = 0; round < from.rounds; ++round) game.PlayRound();
        const fs::path out = folder / "depois.s14";
        if (game.broken_invariant().empty() && game.SaveGame(out.string()).empty()) {
            std::ifstream in(out, std::ios::binary);
            saved.assign(std::istreambuf_iterator<char>(in), {});
        }
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    Game().Reset();
    return saved;
}

std::string SavedWithoutWindows(HeadlessGame& game) {
    const std::string file = "/tmp/kv_playthrough_prepared_" + std::to_string(getpid()) + ".s14";
    if (!game.SaveGame(file).empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string saved{std::istreambuf_iterator<char>(in), {}};
    std::remove(file.c_str());
    return saved;
}

std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
           ", first difference at byte " + std::to_string(i);
}

// Lists every player of the country, then calls up the strongest the list takes.
void PlayThrough::CallUpSquad(Form& callup) {
    TestDriver& d = *driver_;
    d.Click(d.Get(callup, "SchemeButton3"));
    auto& found = static_cast<TReportGrid&>(d.Get(callup, "gfind"));
    std::vector<int> rows(static_cast<std::size_t>(found.GetRowCount()));
    for (int r = 0; r < found.GetRowCount(); ++r) rows[static_cast<std::size_t>(r)] = r;
    auto strength = [&found](int row) {
        return std::stoi(found.GetCellTextByVariant("gcforca", row));
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return strength(a) > strength(b); });
    Control& add = d.Get(callup, "SchemeButton1");
    for (const int row : rows) {
        found.SelectCell(1, row);
        if (add.Enabled()) d.Click(add);
    }
    Control& confirm = d.Get(callup, "bt2");
    if (confirm.Enabled()) {
        ++callups_;
        d.Click(confirm);
    } else {
        callup.Close();  // a country that cannot field the smallest squad keeps the one it has
    }
}

void PlayThrough::ContinueGame() {
    if (auto& next = MainWindowNextScreen()) next(NextScreen::kMainWindow);
    driver_->Pump();
}

// One move on whatever window is on screen; empty when it moved on.
std::string PlayThrough::Step() {
    TestDriver& d = *driver_;
    Screen& screen = d.screen();
    if (TForm13* main = MainWindow(); main && main->Visible()) {
        if (main->RoundEventsPending()) {
            d.Advance(100);
            return {};
        }
        archived_ = Game().match_archive.size();
        d.Click("btjogar");
        d.Pump();
        return {};
    }
    if (TForm75* hub = NationalHub(); hub && hub->Visible()) {
        const GameData& data = Game();
        const int team = data.game_state.national_team;
        ++hub_turns_;
        if (!InTable(data.teams, team) || data.game_state.current_coach != data.teams[team].coach)
            ++hub_coach_mismatches_;
        archived_ = data.match_archive.size();
        // The coach looks at the tournament's board ("Tabela jogos") before his line-up.
        d.Click(d.Get(*hub, "Label4"));
        d.Pump();
        d.Click(d.Get(*hub, "btjogar"));
        d.Pump();
        return {};
    }
    if (Shown(screen, "Form46")) {
        // Twenty ticks a step at the speed the options set: F6 would be quicker to type but
        // would keep its 50 ms in the game, which the game without windows never changes.
        const t_game_state& state = Game().game_state;
        d.Advance(20 * std::max(state.match_delay, state.match_delay_no_humans));
        return {};
    }
    if (Shown(screen, "Form67") || Shown(screen, "Form26")) {
        d.Click("bt3");
        d.Pump();
        return {};
    }
    return "nenhuma janela do jogo na tela";
}

std::string PlayThrough::PlayRounds(int rounds, int season) {
    const int target = rounds_ + rounds;
    TestDriver& d = *driver_;
    int steps = 0;
    int last_round = rounds_;
    while (true) {
        const bool reached = season >= 0 ? Game().game_state.season >= season : rounds_ >= target;
        const bool at_turn =
            (MainWindow() && MainWindow()->Visible() && !MainWindow()->RoundEventsPending()) ||
            (NationalHub() && NationalHub()->Visible());
        if (reached && at_turn) return {};
        if (!broken_.empty()) return broken_;
        if (season >= 0 && rounds_ > target)
            return "a temporada " + std::to_string(season) + " não chegou à janela principal em " +
                   std::to_string(rounds) + " rodadas";
        std::string problem;
        if (std::getenv("KV_PLAYTHROUGH_TRACE")) {
            std::string shown;
            for (Form* f : d.screen().Forms())
                if (f->Visible() && !f->Freed()) shown += " " + f->Name();
            const auto& state = Game().game_state;
            std::fprintf(stderr, "round %d step %d:%s (season %d, day %d, kind %d)\n", rounds_,
                         steps, shown.c_str(), state.season, state.calendar_day, state.match_kind);
        }
        try {
            problem = Step();
        } catch (const std::exception& e) {
            problem = e.what();
        }
        if (!problem.empty()) {
            std::string shown;
            for (Form* f : d.screen().Forms())
                if (f->Visible() && !f->Freed()) shown += " " + f->Name();
            return "rodada " + std::to_string(rounds_ + 1) + ": " + problem + " (na tela:" + shown +
                   ")";
        }
        if (rounds_ != last_round) {
            last_round = rounds_;
            steps = 0;
        } else if (++steps > kStuckSteps) {
            return "rodada " + std::to_string(rounds_ + 1) + ": as janelas não avançam";
        }
    }
}

}  // namespace kv
