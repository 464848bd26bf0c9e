#include "tools/sampledb/sample_database.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/club_file.h"
#include "core/display_names.h"
#include "core/lookups.h"
#include "core/text_tables.h"
#include "platform/base/cp1252.h"
#include "tools/sampledb/output_files.h"
#include "tools/sampledb/sample_pictures.h"
#include "tools/sampledb/sample_random.h"
#include "tools/sampledb/sample_sounds.h"
#include "tools/sampledb/world_data.h"

namespace kv::sampledb {
namespace {

constexpr int kBrazil = 29;
constexpr std::size_t kMaxNameChars = 25;
constexpr std::size_t kMaxPlayerNameChars = 20;  // what the game keeps of a player's name

// Colours as the files keep them (0x00BBGGRR) with the kit colour class the match screens use
// to tell two kits apart: 0 white, 1 black, 2 red, 3 blue, 4 green, 5 yellow, 6 other.
struct KitColour {
    std::int32_t colour;
    int kit_class;
    bool light;
};

constexpr std::int32_t Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

constexpr std::array<KitColour, 13> kKitColours = {{
    {Rgb(255, 255, 255), 0, true},
    {Rgb(20, 20, 20), 1, false},
    {Rgb(204, 0, 0), 2, false},
    {Rgb(128, 0, 32), 2, false},
    {Rgb(0, 51, 204), 3, false},
    {Rgb(0, 0, 102), 3, false},
    {Rgb(102, 170, 238), 3, true},
    {Rgb(0, 128, 51), 4, false},
    {Rgb(0, 170, 0), 4, false},
    {Rgb(255, 204, 0), 5, true},
    {Rgb(255, 128, 0), 6, true},
    {Rgb(102, 0, 153), 6, false},
    {Rgb(128, 128, 128), 6, false},
}};

// {country, how many of its best clubs}: the seeds, then the others, of each first-season cup.
struct Entrants {
    int country;
    int count;
};
constexpr Entrants kSouthAmericanSeeds[] = {{29, 4}, {11, 4}};
constexpr Entrants kSouthAmericanOthers[] = {{195, 3}, {150, 3}, {42, 3}, {46, 3}, {131, 3},
                                             {60, 3},  {151, 2}, {26, 2}, {198, 2}};
constexpr Entrants kEuropeanSeeds[] = {{97, 2}, {65, 2}, {3, 2}, {104, 2}};
constexpr Entrants kEuropeanOthers[] = {{97, 2},  {65, 2},  {3, 2},   {104, 1}, {72, 3},  {85, 2},
                                        {154, 2}, {162, 1}, {193, 1}, {78, 1},  {160, 1}, {62, 1},
                                        {21, 1},  {192, 1}, {159, 1}, {54, 1},  {88, 1}};

// Characteristics that suit each outfield position (goalkeepers take 0..3).
constexpr std::array<std::array<std::uint8_t, 5>, 5> kCharacteristicsByPosition = {{
    {0, 1, 2, 3, 0},
    {6, 10, 13, 7, 12},
    {7, 5, 10, 12, 11},
    {4, 11, 8, 7, 9},
    {9, 5, 8, 13, 4},
}};

// Positions of a squad after its goalkeepers: the first ten make the eleven with the first
// goalkeeper, the rest are the bench in a sensible order.
constexpr std::array<std::uint8_t, 23> kOutfieldOrder = {1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 2, 1,
                                                         3, 4, 3, 2, 4, 1, 3, 2, 4, 3, 1};

std::string Fill(std::string_view pattern, std::string_view value) {
    std::string out(pattern);
    const std::size_t at = out.find("{c}");
    if (at != std::string::npos) out.replace(at, 3, value);
    return out;
}

bool Fits(const std::string& text, std::size_t chars) {
    return Utf8Length(text) <= chars;
}

struct PlayerRef {
    int club;
    int slot;
    int quality;
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    SampleDatabase Build() {
        BuildBrazil();
        for (const CountryPlan& plan : CountryPlans()) BuildCountry(plan);
        AssignFirstSeasonIds();
        for (const NationalPlan& plan : NationalPlans()) BuildNationalTeam(plan);
        return std::move(db_);
    }

  private:
    struct Planned {
        std::string town;
        int state;
        double score;
    };

    std::string PersonName(Lang lang, std::size_t max_chars) {
        const NamePool& pool = NamesOf(lang);
        const auto firsts = SplitList(pool.first);
        const auto lasts = SplitList(pool.last);
        const std::string first(rng_.Pick<std::string_view>(firsts));
        const std::string last(rng_.Pick<std::string_view>(lasts));
        std::string name = first + " " + last;
        if (!Fits(name, max_chars)) name = first.substr(0, 1) + ". " + last;
        if (!Fits(name, max_chars)) name = last;
        return name;
    }

    std::string UniqueSlug(const std::string& name) {
        std::string base = FileSlug(name).substr(0, 22);
        std::string slug = base;
        for (int n = 2; !used_slugs_.insert(slug).second; ++n) slug = base + std::to_string(n);
        return slug;
    }

    std::string StadiumName(Lang lang, const std::string& town) {
        const std::string person = PersonName(lang, 20);
        const std::string last = person.substr(person.rfind(' ') + 1);
        std::array<std::string, 2> options;
        switch (lang) {
            case Lang::kBrazilian:
            case Lang::kPortuguese:
                options = {"Estádio " + person, "Estádio Municipal " + town};
                break;
            case Lang::kSpanish:
                options = {"Estadio " + person, "Estadio Municipal " + town};
                break;
            case Lang::kEnglish:
                options = {last + " Park", last + " Road"};
                break;
            case Lang::kItalian:
                options = {"Stadio " + person, "Stadio Comunale " + town};
                break;
            case Lang::kGerman:
                options = {"Stadion " + town, person + " Stadion"};
                break;
            case Lang::kFrench:
                options = {"Stade " + person, "Stade Municipal " + town};
                break;
            default:
                options = {town + " Stadium", person + " Stadium"};
                break;
        }
        const std::string& pick = options[static_cast<std::size_t>(rng_.Below(2))];
        return Fits(pick, 30) ? pick : options[0].substr(0, 30);
    }

    // Club names are unique in the whole database: two countries may share a town's name.
    void AddClub(int country, int state, const std::string& town, int level) {
        const Lang lang = LanguageOf(country);
        const auto styles = ClubStylesOf(lang);
        std::string short_name;
        std::string full_name;
        for (int attempt = 0; attempt < 40; ++attempt) {
            const ClubStyle& style = styles[static_cast<std::size_t>(
                (attempt == 0 ? rng_.Below(static_cast<int>(styles.size())) : attempt) %
                static_cast<int>(styles.size()))];
            short_name = Fill(style.short_pattern, town);
            full_name = Fill(style.full_pattern, town);
            if (Fits(short_name, kMaxNameChars) && !club_names_.count(short_name)) break;
        }
        if (!Fits(short_name, kMaxNameChars)) short_name = town;
        if (!Fits(full_name, kMaxNameChars)) full_name = short_name;
        // Every style taken: the town and a number (towns are short enough for it).
        for (int n = 2; club_names_.count(short_name); ++n)
            short_name = town + " " + std::to_string(n);
        club_names_.insert(short_name);

        SampleClub c;
        const std::string slug = UniqueSlug(short_name);
        c.file_name = slug + ".b14";
        t_club_file_record& r = c.club;
        r.country = static_cast<std::uint8_t>(country);
        r.version = kClubFileVersion;
        r.level = static_cast<std::uint8_t>(std::clamp(level, 1, 25));
        r.short_name.set(short_name);
        r.full_name.set(full_name);
        r.stadium.set(StadiumName(lang, town));
        r.file_name.set(slug);
        r.picture_name.set(slug);
        r.coach_name.set(PersonName(lang, kMaxNameChars));
        const KitColour& first =
            kKitColours[static_cast<std::size_t>(rng_.Below(kKitColours.size()))];
        const KitColour* second = &first;
        while (second->kit_class == first.kit_class || second->light == first.light) {
            second = &kKitColours[static_cast<std::size_t>(rng_.Below(kKitColours.size()))];
        }
        r.back_colour = first.colour;
        r.text_colour = second->colour;
        r.kit_colour = first.kit_class;
        r.state = country == kBrazil ? static_cast<std::uint8_t>(state) : kNoState;
        r.reputation = r.level >= 20   ? 5
                       : r.level >= 17 ? 4
                       : r.level >= 14 ? 3
                       : r.level >= 10 ? 2
                       : r.level >= 6  ? 1
                                       : 0;
        r.club_id = next_club_id_++;
        r.sort_key = r.level * 10 + rng_.Below(10);
        r.capacity = 3000 + r.level * r.level * 130 + rng_.Below(40) * 100;
        MakeSquad(c, country);
        r.squad_complete = IsClubSquadComplete(c.squad) ? 1 : 0;
        clubs_by_country_[country].push_back(static_cast<int>(db_.clubs.size()));
        db_.clubs.push_back(std::move(c));
    }

    int ForeignNationality(int country) {
        const auto plans = NationalPlans();
        for (;;) {
            const int n = rng_.Pick<NationalPlan>(plans).country;
            if (n != country) return n;
        }
    }

    void MakeSquad(SampleClub& c, int country) {
        t_squad_file_record& s = c.squad;
        const int level = c.club.level;
        const int size = level >= 12 ? rng_.Between(20, 25) : rng_.Between(18, 23);
        const int goalkeepers = size >= 22 ? 3 : 2;
        const int stars = level >= 18 ? rng_.Between(1, 2) : level >= 14 ? rng_.Below(2) : 0;
        std::set<std::string> names;
        const int club_index = static_cast<int>(db_.clubs.size());
        for (int i = 0; i < size; ++i) {
            const bool keeper = i < goalkeepers;
            const std::uint8_t position =
                keeper ? 0 : kOutfieldOrder[static_cast<std::size_t>(i - goalkeepers)];
            const bool starter = i == 0 || (!keeper && i - goalkeepers < 10);
            const int nationality = rng_.Chance(85) ? country : ForeignNationality(country);
            std::string name;
            do {
                name = PersonName(LanguageOf(nationality), kMaxPlayerNameChars);
            } while (!names.insert(name).second);
            s.player_names[i].set(name);
            s.position[i] = position;
            s.nationality[i] = static_cast<std::uint8_t>(nationality);
            s.age[i] = static_cast<std::uint8_t>(starter ? rng_.Between(21, 32)
                                                         : rng_.Between(17, 34) + (keeper ? 2 : 0));
            s.starter[i] = starter ? 1 : 0;
            s.star[i] = starter && i >= goalkeepers && (i - goalkeepers) % 5 == 4 &&
                        (i - goalkeepers) / 5 < stars;
            const auto& suits = kCharacteristicsByPosition[position];
            const int limit = keeper ? 4 : 5;
            const int a = rng_.Below(limit);
            const int b = (a + 1 + rng_.Below(limit - 1)) % limit;
            s.characteristic1[i] = suits[static_cast<std::size_t>(a)];
            s.characteristic2[i] = suits[static_cast<std::size_t>(b)];
            s.side[i] = position == 1 ? static_cast<std::uint8_t>(i % 2) : rng_.Chance(25) ? 1 : 0;
            players_.push_back(
                {club_index, i,
                 level * 10 + (s.star[i] ? 30 : 0) + (starter ? 8 : 0) + rng_.Below(8)});
        }
        for (int i = size; i < kClubSquadSlots; ++i) s.player_names[i].set_raw(kEmptySlotName);
    }

    void PlaceClubs(int country, std::vector<Planned>& planned, int top, int low) {
        std::stable_sort(planned.begin(), planned.end(),
                         [](const Planned& a, const Planned& b) { return a.score > b.score; });
        const int n = static_cast<int>(planned.size());
        for (int r = 0; r < n; ++r) {
            const double spread = n > 1 ? static_cast<double>(top - low) * r / (n - 1) : 0;
            const int jitter = rng_.Between(-1, 1) * (rng_.Chance(50) ? 1 : 0);
            AddClub(country, planned[r].state, planned[r].town,
                    static_cast<int>(std::lround(top - spread)) + jitter);
        }
    }

    void BuildBrazil() {
        std::vector<Planned> planned;
        for (const StatePlan& state : BrazilStatePlans()) {
            const auto towns = SplitList(state.towns);
            for (std::size_t t = 0; t < towns.size(); ++t) {
                const double town_weight = t == 0 ? 4 : t == 1 ? 2 : 0;
                planned.push_back({std::string(towns[t]), state.state,
                                   state.strength * 3 + town_weight + rng_.Below(40) / 10.0});
            }
        }
        PlaceClubs(kBrazil, planned, 21, 3);
    }

    void BuildCountry(const CountryPlan& plan) {
        const auto towns = SplitList(plan.towns);
        std::vector<Planned> planned;
        for (int i = 0; i < plan.clubs; ++i) {
            planned.push_back({std::string(towns[static_cast<std::size_t>(i) % towns.size()]), 0,
                               rng_.Below(1000) / 10.0});
        }
        PlaceClubs(plan.country, planned, plan.top_level, plan.low_level);
    }

    // The clubs a country sends first: the builder ranks background clubs by sort key.
    std::vector<int> BestClubs(int country) {
        std::vector<int> clubs = clubs_by_country_[country];
        std::stable_sort(clubs.begin(), clubs.end(), [&](int a, int b) {
            const auto& ca = db_.clubs[a].club;
            const auto& cb = db_.clubs[b].club;
            return ca.sort_key != cb.sort_key ? ca.sort_key > cb.sort_key : ca.level > cb.level;
        });
        return clubs;
    }

    // A country that sends seeds and other entrants gives its best clubs to the seeds.
    void GiveGroupIds(std::span<const Entrants> seeds, std::span<const Entrants> others,
                      const FirstSeasonGroupIds& ids) {
        std::map<int, int> used;
        const auto next_best = [&](int country) { return BestClubs(country)[used[country]++]; };
        int seed = 0;
        for (const Entrants& e : seeds) {
            for (int k = 0; k < e.count; ++k, ++seed) {
                db_.clubs[next_best(e.country)].club.club_id = ids[seed][0];
            }
        }
        int other = 0;
        for (const Entrants& e : others) {
            for (int k = 0; k < e.count; ++k, ++other) {
                db_.clubs[next_best(e.country)].club.club_id = ids[other % 8][1 + other / 8];
            }
        }
    }

    void AssignFirstSeasonIds() {
        GiveGroupIds(kSouthAmericanSeeds, kSouthAmericanOthers, kFirstSeasonSouthAmericanGroupIds);
        GiveGroupIds(kEuropeanSeeds, kEuropeanOthers, kFirstSeasonEuropeanGroupIds);
    }

    void BuildNationalTeam(const NationalPlan& plan) {
        const Lang lang = LanguageOf(plan.country);
        SampleNationalTeam team;
        team.file_name = NationalTeamFileName(plan.country);
        t_national_team_file_record& n = team.record;
        n.country = plan.country;
        n.continent = ContinentOfCountry(plan.country);
        n.picture_name.set(FileSlug(CountryName(plan.country)));
        n.coach_name.set(PersonName(lang, 30));
        n.level = plan.level;
        n.version = kNationalTeamFileVersion;
        n.reputation = static_cast<std::uint8_t>(plan.level >= 20   ? 5
                                                 : plan.level >= 16 ? 4
                                                 : plan.level >= 12 ? 3
                                                                    : 2);
        const FlagDesign flag = DesignFlag(plan.country);
        n.back_colour = flag.colours[0];
        n.text_colour = flag.colours[1];

        std::vector<PlayerRef> candidates;
        for (const PlayerRef& p : players_) {
            if (db_.clubs[p.club].squad.nationality[p.slot] == plan.country)
                candidates.push_back(p);
        }
        std::stable_sort(
            candidates.begin(), candidates.end(),
            [](const PlayerRef& a, const PlayerRef& b) { return a.quality > b.quality; });
        // Three goalkeepers, then the outfield places; the first of each kind start.
        constexpr std::array<int, 5> kWanted = {3, 4, 5, 6, 5};
        constexpr std::array<int, 5> kStarting = {1, 2, 2, 4, 2};
        std::set<std::string> names;
        int slot = 0;
        for (int position = 0; position < 5; ++position) {
            int taken = 0;
            for (const PlayerRef& p : candidates) {
                if (taken == kWanted[position]) break;
                const t_squad_file_record& s = db_.clubs[p.club].squad;
                if (s.position[p.slot] != position) continue;
                n.player_names[slot] = s.player_names[p.slot];
                names.insert(s.player_names[p.slot].str());
                n.age[slot] = s.age[p.slot];
                n.characteristic1[slot] = s.characteristic1[p.slot];
                n.characteristic2[slot] = s.characteristic2[p.slot];
                n.star[slot] = s.star[p.slot];
                n.side[slot] = s.side[p.slot];
                n.position[slot] = position;
                n.starter[slot] = taken < kStarting[position];
                ++slot;
                ++taken;
            }
            for (; taken < kWanted[position]; ++taken, ++slot) {
                std::string name;
                do {
                    name = PersonName(lang, kMaxPlayerNameChars);
                } while (!names.insert(name).second);
                n.player_names[slot].set(name);
                n.age[slot] = rng_.Between(20, 33);
                const auto& suits = kCharacteristicsByPosition[static_cast<std::size_t>(position)];
                n.characteristic1[slot] = suits[0];
                n.characteristic2[slot] = suits[1 + static_cast<std::size_t>(rng_.Below(3))];
                n.side[slot] = rng_.Chance(25) ? 1 : 0;
                n.position[slot] = position;
                n.starter[slot] = taken < kStarting[position];
            }
        }
        for (int i = slot; i < kNationalSquadSlots; ++i) n.player_names[i].set_raw(kEmptySlotName);
        n.squad_complete = IsNationalSquadComplete(n) ? 1 : 0;
        db_.national_teams.push_back(std::move(team));
    }

    SampleRandom rng_;
    SampleDatabase db_;
    std::set<std::string> used_slugs_;
    std::set<std::string> club_names_;
    std::map<int, std::vector<int>> clubs_by_country_;
    std::vector<PlayerRef> players_;
    int next_club_id_ = 1000;
};

}  // namespace

std::string FileSlug(std::string_view utf8_name) {
    const std::string folded = RemoveAccents(utf8_name);
    std::string slug;
    for (char ch : folded) {
        const unsigned char u = static_cast<unsigned char>(ch);
        if (std::isalnum(u) && u < 0x80) {
            slug.push_back(static_cast<char>(std::tolower(u)));
        } else if ((ch == ' ' || ch == '-' || ch == '.') && !slug.empty() && slug.back() != '_') {
            slug.push_back('_');
        }
    }
    while (!slug.empty() && slug.back() == '_') slug.pop_back();
    return slug.empty() ? "clube" : slug;
}

SampleDatabase BuildSampleDatabase(std::uint64_t seed) {
    return Generator(seed).Build();
}

bool WriteSampleDatabase(const SampleDatabase& db, const std::string& folder,
                         const WriteChoices& choices, std::string* error) {
    namespace fs = std::filesystem;
    const fs::path root = folder;
    std::error_code ec;
    // The database is the generator's own output: stale clubs of an older run must not linger.
    fs::remove_all(root / "teams", ec);
    fs::remove_all(root / "img" / "flags", ec);
    const fs::path teams = root / "teams";
    const fs::path national = teams / "selecoes";
    if (!MakeOutputFolder(national, error)) return false;
    for (const SampleClub& c : db.clubs) {
        if (!WriteOutputFile(teams / c.file_name, EncodeClubFile(c.club, c.squad), error))
            return false;
    }
    for (const SampleNationalTeam& n : db.national_teams) {
        if (!WriteOutputFile(national / n.file_name, EncodeNationalTeamFile(n.record), error))
            return false;
    }
    if (choices.pictures && !WriteSamplePictures(db, folder, error)) return false;
    if (choices.sounds && !WriteSoundEffects((root / "sons").string(), error)) return false;
    return true;
}

}  // namespace kv::sampledb
