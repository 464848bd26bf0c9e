#pragma once
// The invented world of the sample teams database: which countries have clubs and national
// teams, the towns their clubs are named after, the words of club names and the common first
// and last names of each language. Every club, player and coach of the database is made up
// from these; nothing comes from any real database.

#include <span>
#include <string_view>
#include <vector>

namespace kv::sampledb {

enum class Lang {
    kBrazilian,
    kPortuguese,
    kSpanish,
    kEnglish,
    kItalian,
    kGerman,
    kFrench,
    kDutch,
    kJapanese,
    kKorean,
    kChinese,
    kArabic,
    kRussian,
    kTurkish,
    kGreek,
    kSlavicSouth,
    kCzech,
    kPolish,
    kRomanian,
    kHungarian,
    kNordic,
    kPersian,
    kAfrican,
    kThai,
    kGeorgian,
};

// '|'-separated lists.
struct NamePool {
    std::string_view first;
    std::string_view last;
};
const NamePool& NamesOf(Lang lang);

// "{c}" stands for the town. The short name is the club's name in the game; the full name is
// used when it fits in 25 characters.
struct ClubStyle {
    std::string_view short_pattern;
    std::string_view full_pattern;
};
std::span<const ClubStyle> ClubStylesOf(Lang lang);

// The language whose names a country's people carry.
Lang LanguageOf(int country);

// A country with clubs: `clubs` clubs named after `towns` (reused with other club words when
// there are fewer towns than clubs), levels spread from `top_level` down to `low_level`.
struct CountryPlan {
    int country;
    int clubs;
    int top_level;
    int low_level;
    std::string_view towns;
};
std::span<const CountryPlan> CountryPlans();

// Brasil's clubs by state: one club per town, strongest towns first.
struct StatePlan {
    int state;
    int strength;  // 0..4: how strong the state's football is
    std::string_view towns;
};
std::span<const StatePlan> BrazilStatePlans();

// Countries with a national-team file and the level of the team.
struct NationalPlan {
    int country;
    int level;
};
std::span<const NationalPlan> NationalPlans();

std::vector<std::string_view> SplitList(std::string_view list);

}  // namespace kv::sampledb
