// korvanel-sim: plays the game with no display, the human coaches' turns taken automatically,
// and prints one line per season. Used to test, benchmark and soak the whole game.

#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/random.h"
#include "game/headless_game.h"

namespace {

constexpr std::string_view kHelp =
    R"(korvanel-sim: joga o jogo sem tela, com as decisões dos técnicos humanos automáticas.

Uso: korvanel-sim [opções]
  --help                   mostra esta ajuda
  --teams DIR              pasta dos times (padrão: a base de exemplo do build)
  --seed N                 semente dos números aleatórios (padrão 1)
  --countries LISTA        países das ligas, índices separados por vírgula (padrão: Brasil)
  --division-size 10|20    clubes por divisão (padrão 10)
  --state-championships    joga os campeonatos estaduais
  --no-cups                sem copa nacional nem copas continentais
  --no-tournaments         sem torneios de seleções
  --humans N               técnicos humanos, 1 a 6 (padrão 1)
  --coach-countries LISTA  país da liga de cada técnico humano, na ordem dos técnicos
                           (padrão: cada um na liga seguinte)
  --national-team          os técnicos humanos aceitam os convites de seleções e as dirigem
                           nos torneios
  --seasons N              para depois da última rodada da N-ésima temporada (padrão 1)
  --rounds N               para depois de N rodadas
  --load ARQUIVO           começa de um jogo salvo
  --save ARQUIVO           salva o jogo ao parar
  --auction-bids           os técnicos humanos dão lances nos leilões entre as rodadas
  --coach-choices          nas partidas, os técnicos humanos decidem por um roteiro fixo
                           (substituição no intervalo, batedor de pênalti, reposição de
                           contundido, ordem dos batedores) em vez das propostas das janelas
  --check                  confere as invariantes do jogo depois de cada rodada; para na
                           primeira quebrada, com a rodada e a invariante (código de saída 3)
)";

std::optional<long long> ParseNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Options {
    kv::HeadlessSetup setup;
    int seasons = 0;
    int rounds = 0;
    std::string load;
    std::string save;
    bool check = false;
    bool auction_bids = false;
    bool coach_choices = false;
};

// Empty on success, else the message.
std::string ParseOptions(int argc, char** argv, Options& options, bool& help) {
    options.setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        auto number = [&](long long low, long long high, long long& out) -> std::string {
            std::string_view text;
            if (!value(text)) return "falta o valor de " + std::string(arg);
            const auto n = ParseNumber(text);
            if (!n || *n < low || *n > high)
                return "valor inválido para " + std::string(arg) + ": " + std::string(text);
            out = *n;
            return {};
        };
        long long n = 0;
        std::string_view text;
        std::string error;
        if (arg == "--help") {
            help = true;
        } else if (arg == "--teams") {
            if (!value(text)) return "falta a pasta de --teams";
            options.setup.teams_folder = std::string(text);
        } else if (arg == "--seed") {
            if (!(error = number(0, 1LL << 62, n)).empty()) return error;
            options.setup.seed = static_cast<std::uint64_t>(n);
        } else if (arg == "--countries" || arg == "--coach-countries") {
            if (!value(text)) return "falta a lista de " + std::string(arg);
            std::vector<int>& countries =
                arg == "--countries" ? options.setup.countries : options.setup.coach_countries;
            std::stringstream list{std::string(text)};
            std::string item;
            while (std::getline(list, item, ',')) {
                const auto country = ParseNumber(item);
                if (!country || *country < 0 || *country > 201)
                    return "país inválido em " + std::string(arg) + ": " + item;
                countries.push_back(static_cast<int>(*country));
            }
        } else if (arg == "--division-size") {
            if (!(error = number(10, 20, n)).empty()) return error;
            if (n != 10 && n != 20) return "--division-size deve ser 10 ou 20";
            options.setup.league_format = n == 20 ? kv::kDivisionsOf20 : kv::kDivisionsOf10;
        } else if (arg == "--state-championships") {
            options.setup.state_championships = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "--auction-bids") {
            options.auction_bids = true;
        } else if (arg == "--coach-choices") {
            options.coach_choices = true;
        } else if (arg == "--no-cups") {
            options.setup.cups = false;
        } else if (arg == "--no-tournaments") {
            options.setup.tournaments = false;
        } else if (arg == "--national-team") {
            options.setup.national_team_coach = true;
        } else if (arg == "--humans") {
            if (!(error = number(1, 6, n)).empty()) return error;
            options.setup.humans = static_cast<int>(n);
        } else if (arg == "--seasons") {
            if (!(error = number(1, 1000, n)).empty()) return error;
            options.seasons = static_cast<int>(n);
        } else if (arg == "--rounds") {
            if (!(error = number(1, 1'000'000, n)).empty()) return error;
            options.rounds = static_cast<int>(n);
        } else if (arg == "--load") {
            if (!value(text)) return "falta o arquivo de --load";
            if (text.empty()) return "o nome do arquivo de --load está vazio";
            options.load = std::string(text);
        } else if (arg == "--save") {
            if (!value(text)) return "falta o arquivo de --save";
            if (text.empty()) return "o nome do arquivo de --save está vazio";
            options.save = std::string(text);
        } else {
            return "opção desconhecida: " + std::string(arg);
        }
    }
    if (options.seasons == 0 && options.rounds == 0) options.seasons = 1;
    return {};
}

int Run(int argc, char** argv) {
    Options options;
    bool help = false;
    if (const std::string error = ParseOptions(argc, argv, options, help); !error.empty()) {
        std::cerr << "korvanel-sim: " << error << "\n(veja --help)\n";
        return 2;
    }
    if (help) {
        std::cout << kHelp;
        return 0;
    }
    kv::HeadlessGame game;
    // A saved game does not hold the random source: a loaded one plays on from the seed, as the
    // game with windows plays on from the source it seeded when it started.
    if (!options.load.empty()) kv::SeedRandom(options.setup.seed);
    const std::string started =
        options.load.empty() ? game.StartNewGame(options.setup) : game.LoadGame(options.load);
    if (!game.setup_notice().empty()) std::cerr << "korvanel-sim: " << game.setup_notice() << "\n";
    if (!started.empty()) {
        std::cerr << "korvanel-sim: " << started << "\n";
        return 1;
    }
    game.set_checking(options.check);
    game.set_auction_bids(options.auction_bids);
    game.set_coach_choices(options.coach_choices);
    game.set_national_team_coach(options.setup.national_team_coach);
    int seasons = 0;
    while (true) {
        game.PlayRound();
        if (!game.broken_invariant().empty()) {
            std::cerr << "korvanel-sim: invariante quebrada na " << game.broken_invariant() << "\n";
            return 3;
        }
        if (game.season_finished()) {
            std::cout << game.last_season().Line() << std::endl;
            ++seasons;
            if (options.seasons > 0 && seasons >= options.seasons) break;
        }
        if (options.rounds > 0 && game.rounds_played() >= options.rounds) break;
    }
    std::cout << game.rounds_played() << " rodadas, " << game.matches_played() << " jogos"
              << std::endl;
    if (options.auction_bids) std::cout << game.auctions_held() << " leilões" << std::endl;
    if (!options.save.empty())
        if (const std::string error = game.SaveGame(options.save); !error.empty()) {
            std::cerr << "korvanel-sim: " << error << "\n";
            return 1;
        }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "korvanel-sim: erro: " << e.what() << "\n";
        return 1;
    }
}
