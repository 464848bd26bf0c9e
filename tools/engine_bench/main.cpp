// korvanel-bench: plays seeded batches of matches between two teams, through the result model
// and through the whole engine, and prints the observed statistics with their 95 % confidence
// intervals beside what the result model implies. Used to tune and check the match engine.

#include <cctype>
#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/random.h"
#include "game/headless_game.h"
#include "match/computer_lineups.h"
#include "match/engine_bench.h"
#include "match/lineup_strength.h"

namespace {

constexpr std::string_view kHelp =
    R"(korvanel-bench: joga lotes de partidas entre dois times e mostra as estatísticas.

Uso: korvanel-bench [opções]
  --help                   mostra esta ajuda
  --strengths A B          dois times de jogadores de força A e B, 1 a 100 (padrão 70 70)
  --clubs NOME1 NOME2      dois clubes de um jogo novo da base de times (o primeiro é o mandante)
  --teams DIR              pasta dos times para --clubs (padrão: a base de exemplo do build)
  --matches N              jogos pelo modelo de resultado, 1 a 100000 (padrão 10000)
  --engine-matches N       jogos pelo motor completo, 0 a 100000 (padrão 1000)
  --zone                   acrescenta o experimento do motor de zonas (100 jogos)
  --seed N                 semente dos números aleatórios (padrão 1)
)";

std::optional<long long> ParseNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Options {
    int strengths[2] = {70, 70};
    std::string clubs[2];
    std::string teams_folder = KORVANEL_SAMPLE_TEAMS;
    int matches = 10000;
    int engine_matches = 1000;
    bool zone = false;
    std::uint64_t seed = 1;
};

// Empty on success, else the message.
std::string ParseOptions(int argc, char** argv, Options& o, bool& help) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto number = [&](long long low, long long high, long long& out) -> std::string {
            if (i + 1 >= argc) return "falta o valor de " + std::string(arg);
            const std::string_view text = argv[++i];
            const auto n = ParseNumber(text);
            if (!n || *n < low || *n > high)
                return "valor inválido para " + std::string(arg) + ": " + std::string(text);
            out = *n;
            return {};
        };
        long long n = 0;
        std::string error;
        if (arg == "--help") {
            help = true;
        } else if (arg == "--strengths") {
            for (int& s : o.strengths) {
                if (!(error = number(1, 100, n)).empty()) return error;
                s = static_cast<int>(n);
            }
        } else if (arg == "--clubs") {
            if (i + 2 >= argc) return "--clubs pede dois nomes";
            o.clubs[0] = argv[++i];
            o.clubs[1] = argv[++i];
        } else if (arg == "--teams") {
            if (i + 1 >= argc) return "falta a pasta de --teams";
            o.teams_folder = argv[++i];
        } else if (arg == "--matches") {
            if (!(error = number(1, kv::kMaxBenchMatches, n)).empty()) return error;
            o.matches = static_cast<int>(n);
        } else if (arg == "--engine-matches") {
            if (!(error = number(0, kv::kMaxBenchMatches, n)).empty()) return error;
            o.engine_matches = static_cast<int>(n);
        } else if (arg == "--zone") {
            o.zone = true;
        } else if (arg == "--seed") {
            if (!(error = number(0, 1LL << 62, n)).empty()) return error;
            o.seed = static_cast<std::uint64_t>(n);
        } else {
            return "opção desconhecida: " + std::string(arg);
        }
    }
    return {};
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The club of that name (without regard to case), else the first whose name holds it; -1 none.
int FindClub(std::string_view name) {
    const kv::GameData& gd = kv::Game();
    const std::string wanted = Lower(name);
    int partial = -1;
    for (int t = 0; t < kv::ClubCount(gd) && t < static_cast<int>(gd.teams.size()); ++t) {
        const std::string have = Lower(gd.teams[t].name.str());
        if (have == wanted) return t;
        if (partial < 0 && have.find(wanted) != std::string::npos) partial = t;
    }
    return partial;
}

// Empty on success, else the message.
std::string PrepareTeams(const Options& o, kv::BenchPair& pair) {
    if (o.clubs[0].empty()) {
        kv::SeedRandom(o.seed);
        pair = kv::MakeBenchClubs(o.strengths[0], o.strengths[1]);
        return {};
    }
    kv::HeadlessGame game;
    kv::HeadlessSetup setup;
    setup.teams_folder = o.teams_folder;
    setup.seed = o.seed;
    if (const std::string error = game.StartNewGame(setup); !error.empty()) return error;
    int sides[2];
    for (int i = 0; i < 2; ++i) {
        sides[i] = FindClub(o.clubs[i]);
        if (sides[i] < 0) return "clube não encontrado: " + o.clubs[i];
        if (kv::OwnMatchStrength(sides[i]) < 0) kv::ChooseComputerLineup(sides[i]);
    }
    pair = {kv::OwnMatchStrength(sides[0]), kv::OwnMatchStrength(sides[1])};
    return kv::CheckBenchPair(pair);
}

// Pads to `width` characters (not bytes: the names carry accents).
std::string Pad(const std::string& s, std::size_t width) {
    std::size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    return chars >= width ? s + " " : s + std::string(width - chars, ' ');
}

int Run(int argc, char** argv) {
    Options o;
    bool help = false;
    if (const std::string error = ParseOptions(argc, argv, o, help); !error.empty()) {
        std::cerr << "korvanel-bench: " << error << "\n(veja --help)\n";
        return 2;
    }
    if (help) {
        std::cout << kHelp;
        return 0;
    }
    kv::BenchPair pair;
    if (const std::string error = PrepareTeams(o, pair); !error.empty()) {
        std::cerr << "korvanel-bench: " << error << "\n";
        return 1;
    }
    const kv::BenchResult model =
        RunBenchBatch(kv::BenchMode::kResultModel, pair, o.matches, o.seed);
    const int d = model.rating_difference;
    const kv::ResultModelExpectation expected = kv::ExpectResultModel(d, false, false);
    std::cout << kv::BenchStrengthLabel(pair.first) << " x " << kv::BenchStrengthLabel(pair.second)
              << ": diferença de rating " << d << ", semente " << o.seed << "\n\n";

    struct Column {
        std::string heading;
        std::vector<kv::BenchTableRow> rows;
    };
    std::vector<Column> columns;
    columns.push_back({"modelo de resultado (" + std::to_string(o.matches) + ")",
                       kv::BenchTable(kv::BenchMode::kResultModel, model.tally, expected)});
    if (o.engine_matches > 0) {
        const kv::BenchResult engine =
            RunBenchBatch(kv::BenchMode::kFullEngine, pair, o.engine_matches, o.seed);
        columns.push_back({"motor completo (" + std::to_string(o.engine_matches) + ")",
                           kv::BenchTable(kv::BenchMode::kFullEngine, engine.tally, expected)});
    }
    if (o.zone) {
        const kv::BenchResult zone =
            RunBenchBatch(kv::BenchMode::kZoneEngine, pair, kv::kZoneBenchMatches, o.seed);
        columns.push_back({"motor de zonas (" + std::to_string(kv::kZoneBenchMatches) + ")",
                           kv::BenchTable(kv::BenchMode::kZoneEngine, zone.tally, expected)});
    }
    constexpr std::size_t kName = 31, kExpected = 11, kColumn = 30;
    std::cout << Pad("", kName) << Pad("modelo", kExpected);
    for (const Column& c : columns) std::cout << Pad(c.heading, kColumn);
    std::cout << "\n";
    const std::vector<kv::BenchTableRow>& first = columns.front().rows;
    for (std::size_t r = 0; r < first.size(); ++r) {
        std::cout << Pad(first[r].name, kName)
                  << Pad(kv::FormatExpected(first[r].expected, first[r].share), kExpected);
        for (const Column& c : columns)
            std::cout << Pad(kv::FormatEstimate(c.rows[r].observed, c.rows[r].share), kColumn);
        std::cout << "\n";
    }
    std::cout << "\n(entre colchetes: intervalo de confiança de 95 %)\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "korvanel-bench: erro: " << e.what() << "\n";
        return 1;
    }
}
