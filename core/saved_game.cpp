#include "core/saved_game.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "core/game_data.h"
#include "core/record_io.h"
#include "platform/base/fresh_memory.h"

namespace kv {
namespace {

// The blocks after the players and the teams, in file order. One list serves the writer and
// the reader, so the two cannot drift apart. A fixed block writes the count given here but
// always holds the table's own number of records (the ticket prices say 4 and carry 5 rows).
template <class Data, class Blocks>
void VisitLaterBlocks(Data& g, Blocks& b) {
    b.Table(g.national_team_list);
    b.Table(g.coaches);
    b.Fixed(4, g.ticket_prices);
    b.Table(g.finances);
    b.Table(g.result_history);
    b.Fixed(16, g.national_tournament_bracket);
    b.Fixed(6, g.club_world_cup_bracket);
    b.Fixed(27, g.state_leagues);
    b.Table(g.match_archive);
    b.Table(g.callups);
    b.Table(g.inbox);
    b.Table(g.friendlies);
    b.Table(g.league_configs);
    b.Table(g.fixtures);
    b.Table(g.match_event_archive);
    b.Table(g.honours);
    b.Table(g.placing_records);
    b.Table(g.top_scorers);
    b.Table(g.club_competition_history);
    b.Table(g.transfer_log);
    b.Table(g.coach_appointment_log);
    b.Table(g.stadium_works);
    b.Table(g.loans);
    b.Table(g.regional_division_candidates);
    b.Table(g.player_ratings);
    b.Table(g.substitute_ratings);
    b.Table(g.player_seasons);
    b.Table(g.season_goals);
    b.Table(g.season_appearances);
    b.Table(g.competitions);
    b.Table(g.coach_seasons);
    b.Table(g.default_lineups);
    b.Table(g.state_dismissals);
    b.Table(g.round_best_elevens);
    b.Table(g.rating_totals);
    b.Table(g.season_best_elevens);
    b.Table(g.saved_tactics);
}

using TicketRow = std::array<std::int32_t, kStadiumSectors>;

class BlockWriter {
  public:
    BlockWriter() = default;
    BlockWriter(std::size_t buffer_size, ByteWriter::Sink sink) : w(buffer_size, std::move(sink)) {}

    template <class T>
    void Table(const std::vector<T>& t) {
        WriteTable(w, t);
    }
    template <class T, std::size_t N>
    void Fixed(std::int32_t written_count, const std::array<T, N>& t) {
        w.I32(written_count);
        for (const T& r : t) Record(r);
    }

    ByteWriter w;

  private:
    template <class T>
    void Record(const T& r) {
        WriteRecord(w, r);
    }
    void Record(const TicketRow& row) {
        for (std::int32_t v : row) w.I32(v);
    }
};

// What the blocks will take, so that the saved game's buffer is allocated once.
class BlockSizer {
  public:
    template <class T>
    void Table(const std::vector<T>& t) {
        size += 4 + t.size() * FileRecordSize<T>();
    }
    template <class T, std::size_t N>
    void Fixed(std::int32_t, const std::array<T, N>&) {
        if constexpr (std::is_same_v<T, TicketRow>)
            size += 4 + N * sizeof(TicketRow);
        else
            size += 4 + N * FileRecordSize<T>();
    }

    std::size_t size = 0;
};

// Appends `count` records lying as in memory at `bytes`: in one copy where `bytes` is aligned
// for T (a piece of a read buffer is), record by record elsewhere.
template <class T>
void AppendRecords(std::vector<T>& t, const char* bytes, std::size_t count) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (reinterpret_cast<std::uintptr_t>(bytes) % alignof(T) == 0) {
        const T* first = reinterpret_cast<const T*>(bytes);
        t.insert(t.end(), first, first + count);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        T r;
        std::memcpy(&r, bytes + i * sizeof(T), sizeof(T));
        t.push_back(r);
    }
}

// Day counts run from 1 Jan 0001 (-693593) to the end of 31 Dec 9999; a date outside
// them, or any number that is not one, can only come from a damaged file.
constexpr double kFirstDate = -693593;
constexpr double kLastDate = 2958466;

// Reads the blocks through a ByteReader over the whole file image or a StreamByteReader over
// the file read in pieces: the same checks either way.
template <class Reader>
class BlockReader {
  public:
    template <class... Args>
    explicit BlockReader(Args&&... args) : rd(std::forward<Args>(args)...) {}

    // Called by FieldVisitor for every field.
    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(T& v) {
        rd(v);
        Check(v);
    }
    template <std::size_t N>
    void operator()(PString<N>& s) {
        s.length = rd.U8();
        rd.Bytes(s.bytes, N);
        Check(s);
    }
    void Gap(std::size_t n) { rd.Gap(n); }

    // The checks of a field read, whether it came alone or in a block.
    template <class T>
    requires std::is_arithmetic_v<T>
    void Check(const T& v) {
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(v)) rd.Fail();
            if constexpr (std::is_same_v<T, double>) {
                if (v < kFirstDate || v > kLastDate) rd.Fail();
            }
        }
    }
    // A name longer than its capacity is damage, not something to cut.
    template <std::size_t N>
    void Check(const PString<N>& s) {
        if (s.length > N) rd.Fail();
    }

    template <class T>
    bool Record(T& r) {
        FieldVisitor<BlockReader> v{*this};
        RecordFields(r, v);
        return rd.ok();
    }

    template <class T>
    void Table(std::vector<T>& t) {
        const std::int32_t n = rd.Count(FileRecordSize<T>());
        if (n < 0) return;
        // The large tables are allocated afresh here, with the room the game will reserve for
        // them after the load: growing them then would copy them whole into fresh memory.
        // Their pages are mapped in bulk before the records are written into them.
        t.clear();
        t.reserve(Room(t, static_cast<std::size_t>(n)));
        PrepareForFilling(t.data(), static_cast<std::size_t>(n) * sizeof(T));
        if (!IsFlatRecord<T>()) {
            t.assign(static_cast<std::size_t>(n), T{});
            for (T& r : t)
                if (!Record(r)) return;
            return;
        }
        // The records lie in the file as in memory: each piece is copied once into the table,
        // never zero-filled first, and checked field by field while it is still in the cache.
        Checker checker{*this};
        FieldVisitor<Checker> v{checker};
        rd.Records(static_cast<std::size_t>(n), sizeof(T), alignof(T),
                   [&](const char* bytes, std::size_t count) {
                       const std::size_t from = t.size();
                       AppendRecords(t, bytes, count);
                       for (std::size_t i = from; i < t.size(); ++i) {
                           RecordFields(t[i], v);
                           if (!rd.ok()) return;
                       }
                   });
    }
    template <class T, std::size_t N>
    void Fixed(std::int32_t, std::array<T, N>& t) {
        rd.I32();  // the count written is not the number of records
        if (rd.remaining() < N * sizeof(T)) {
            rd.Fail();
            return;
        }
        for (T& r : t) Element(r);
    }

    Reader rd;
    // The players at clubs, once the players are read.
    std::size_t active_players = 0;

  private:
    template <class T>
    std::size_t Room(const std::vector<T>&, std::size_t n) const {
        return n;
    }
    // Every player counted as at a club: the most room the reserve after the load can ask.
    std::size_t Room(const std::vector<t_player>&, std::size_t n) const {
        return PlayersRoom(n, n);
    }
    std::size_t Room(const std::vector<t_player_season>&, std::size_t n) const {
        return PlayerSeasonsRoom(n, active_players);
    }

    struct Checker {
        BlockReader& b;
        template <class T>
        void operator()(const T& field) {
            b.Check(field);
        }
    };

    template <class T>
    void Element(T& r) {
        Record(r);
    }
    void Element(TicketRow& row) {
        for (std::int32_t& v : row) v = rd.I32();
    }
};

void WriteBlocks(const GameData& game, BlockWriter& b) {
    b.w.I32(kSavedGameLeadWord);
    WriteRecord(b.w, game.game_state);
    b.Table(game.players);
    b.Table(game.teams);
    VisitLaterBlocks(game, b);
}

}  // namespace

std::string WriteSavedGame(const GameData& game) {
    BlockSizer sizer;
    sizer.Table(game.players);
    sizer.Table(game.teams);
    VisitLaterBlocks(game, sizer);
    BlockWriter b;
    b.w.Reserve(4 + FileRecordSize<t_game_state>() + sizer.size);
    WriteBlocks(game, b);
    return b.w.Take();
}

bool StreamSavedGame(const GameData& game, const std::function<bool(std::string_view)>& sink,
                     std::size_t buffer_size) {
    BlockWriter b(buffer_size, sink);
    WriteBlocks(game, b);
    return b.w.Flush();
}

namespace {

template <class Reader>
bool ReadBlocks(BlockReader<Reader>& b, GameData& into, std::string& message) {
    const std::size_t size = b.rd.size();
    if (size > kMaxSavedGameSize) {
        message = kCorruptSaveMessage;
        return false;
    }
    b.rd.I32();  // the lead word is written but never meant to be checked
    const bool state_read = b.Record(into.game_state);
    if (size < kSavedGameHeadSize || into.game_state.version != kSavedGameVersion) {
        message = kCorruptSaveMessage;
        return false;
    }
    if (!state_read) {
        message = kInvalidSaveMessage;
        return false;
    }
    b.Table(into.players);
    b.active_players = ActivePlayers(into.players);
    b.Table(into.teams);
    if (!b.rd.ok()) {
        message = kInvalidSaveMessage;
        return false;
    }
    if (into.teams.size() < static_cast<std::size_t>(kMinSavedTeams) ||
        into.players.size() < static_cast<std::size_t>(kMinSavedPlayers)) {
        message = kCorruptSaveMessage;
        return false;
    }
    VisitLaterBlocks(into, b);
    // Nothing follows the last block in a saved game.
    if (!b.rd.ok() || !b.rd.AtEnd() || !SavedGameIndexesInRange(into) ||
        !SavedGameCountersInRange(into)) {
        message = kInvalidSaveMessage;
        return false;
    }
    return true;
}

}  // namespace

bool ReadSavedGame(std::string_view bytes, GameData& into, std::string& message) {
    BlockReader<ByteReader> b(bytes);
    return ReadBlocks(b, into, message);
}

bool ReadSavedGame(std::size_t size, const StreamByteReader::Source& source, GameData& into,
                   std::string& message, std::size_t buffer_size) {
    BlockReader<StreamByteReader> b(size, source, buffer_size);
    return ReadBlocks(b, into, message);
}

}  // namespace kv
