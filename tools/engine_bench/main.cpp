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
    std::cout << kv::BenchStrengthLabel(pair.first) << " x " << kv::BenchStrengthLabel(pair.second)
              << ": diferença de rating " << model.rating_difference << ", semente " << o.seed
              << "\n\n";

    // A column of what the result model implies for the batch beside it, or of what a batch
    // observed.
    struct Column {
        std::string heading;
        std::vector<kv::BenchTableRow> rows;
        bool expected;
    };
    std::vector<Column> columns;
    auto add = [&](kv::BenchMode mode, const kv::BenchResult& r, const std::string& heading,
                   int matches) {
        const std::vector<kv::BenchTableRow> rows = kv::BenchTable(mode, r.tally, r.expected);
        if (r.expected) columns.push_back({"modelo", rows, true});
        columns.push_back({heading + " (" + std::to_string(matches) + ")", rows, false});
    };
    add(kv::BenchMode::kResultModel, model, "modelo de resultado", o.matches);
    if (o.engine_matches > 0)
        add(kv::BenchMode::kFullEngine,
            RunBenchBatch(kv::BenchMode::kFullEngine, pair, o.engine_matches, o.seed),
            "motor completo", o.engine_matches);
    if (o.zone)
        add(kv::BenchMode::kZoneEngine,
            RunBenchBatch(kv::BenchMode::kZoneEngine, pair, kv::kZoneBenchMatches, o.seed),
            "motor de zonas", kv::kZoneBenchMatches);
    constexpr std::size_t kName = 31, kExpected = 9, kColumn = 30;
    std::cout << Pad("", kName);
    for (const Column& c : columns) std::cout << Pad(c.heading, c.expected ? kExpected : kColumn);
    std::cout << "\n";
    for (std::size_t r = 0; r < columns.front().rows.size(); ++r) {
        std::cout << Pad(columns.front().rows[r].name, kName);
        for (const Column& c : columns) {
            const kv::BenchTableRow& row = c.rows[r];
            if (c.expected)
                std::cout << Pad(kv::FormatExpected(row.expected, row.share), kExpected);
            else
                std::cout << Pad(kv::FormatEstimate(row.observed, row.share), kColumn);
        }
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
