#pragma once
// The saved game `sav/<name>.s14`: a lead word 1, the game state, then every saved table in a
// fixed order, each growable table as an int32 count and its records, each record in its exact
// little-endian layout. Nothing else is in the file: no header, checksum or compression; the
// format's version is the game state's `version`.
//
// The reader trusts nothing: counts are checked against the bytes left, names against their
// capacity, dates and ratings must be numbers, and every index later code follows must name an
// entry of its table. It fills a scratch GameData, so a refused file never touches the
// running game.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/byte_io.h"

namespace kv {

class GameData;

inline constexpr std::int32_t kSavedGameVersion = 14;
inline constexpr std::int32_t kSavedGameLeadWord = 1;
inline constexpr int kMinSavedTeams = 20;
inline constexpr int kMinSavedPlayers = 200;
// Lead word and game state: what the load preview reads.
inline constexpr std::size_t kSavedGameHeadSize = 4 + 5616;
// A larger file is not a saved game and is refused before its body is read. The largest game
// the setup allows (thirteen leagues of divisions of 20, state championships, six human coaches
// with national teams) saves 20 MB after its first season and 52 MB after its thirtieth, growing
// by about 1.1 MB a season as the histories fill: 256 MiB is five times that thirty-season game,
// some two hundred seasons of it.
inline constexpr std::size_t kMaxSavedGameSize = std::size_t{256} << 20;

inline constexpr std::string_view kLoadOpenErrorMessage = "Erro ao carregar o arquivo";
// A file of another version, or one too small to be a game.
inline constexpr std::string_view kCorruptSaveMessage =
    "Este arquivo não é válido ou está corrompido";
// A file damaged anywhere else.
inline constexpr std::string_view kInvalidSaveMessage = "Arquivo de jogo salvo inválido";

// The whole game as the bytes of a saved game.
std::string WriteSavedGame(const GameData& game);

// What a streamed save holds in memory at most, beside blocks handed on without a copy.
inline constexpr std::size_t kSaveStreamBuffer = std::size_t{1} << 20;

// The same bytes as WriteSavedGame, handed to `sink` in pieces through one buffer of
// `buffer_size` bytes, so that saving never holds a second copy of the game. False when
// the sink refused a piece (nothing is handed on after that).
bool StreamSavedGame(const GameData& game, const std::function<bool(std::string_view)>& sink,
                     std::size_t buffer_size = kSaveStreamBuffer);

// Reads a saved game into `into`, which should be a fresh GameData: what is not saved keeps
// the values it has there. False, with `message` set to the player's message, when the file is
// refused; `into` may then be half filled and must be thrown away.
bool ReadSavedGame(std::string_view bytes, GameData& into, std::string& message);
// The same for a saved game of `size` bytes read in pieces from `source` (a file read as it is
// parsed, never held whole): the same checks and messages; a source with fewer or more bytes
// than `size` is refused.
bool ReadSavedGame(std::size_t size, const StreamByteReader::Source& source, GameData& into,
                   std::string& message, std::size_t buffer_size = std::size_t{1} << 20);

// True when every index the rest of the game follows from the saved tables names an entry of
// its table (or is -1, "none"), and the codes used to index fixed arrays are within them.
bool SavedGameIndexesInRange(const GameData& game);

// True when every counter and setting of the game state lies in the range play can give it
// (rounds, legs, phases, seasons, tournament editions, options), and so do the tallies play adds
// to in the teams, players and coaches, so that playing on from the file never runs a counter
// past its type or an index past its table.
bool SavedGameCountersInRange(const GameData& game);

}  // namespace kv
