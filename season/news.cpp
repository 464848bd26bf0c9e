#include "season/news.h"

#include <algorithm>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "core/random.h"
#include "core/text_tables.h"

namespace kv {
namespace {

enum class Stored { kNothing, kPlayer, kPlayerAndParty, kAll };

struct NewsKind {
    int first_body = 0;  // 0: no message of this kind
    int last_body = 0;
    TNewsSender sender = nsBoard;
    TNewsSubject subject = sjWelcome;
    Stored stored = Stored::kNothing;
    bool answer_wanted = false;
};

NewsKind SentOffKind(int games) {
    NewsKind k{0, 0, nsBoard, sjSentOff, Stored::kPlayer, true};
    switch (games) {
        case 2: k.first_body = 12, k.last_body = 17; break;
        case 3: k.first_body = 7, k.last_body = 11; break;
        case 5: k.first_body = 4, k.last_body = 6; break;
        case 10: k.first_body = k.last_body = 2; break;
        default: break;
    }
    return k;
}

NewsKind PlayerMessageKind(int variant) {
    switch (variant) {
        case 0: return {18, 21, nsPlayer, sjFineProtest, Stored::kPlayer};
        case 1: return {67, 67, nsPlayer, sjThanks, Stored::kPlayer};
        case 2: return {53, 54, nsPlayer, sjComplaint, Stored::kPlayer};
        case 3: return {55, 56, nsPlayer, sjNoContract, Stored::kPlayer};
        case 4: return {57, 58, nsPlayer, sjPlayersFight, Stored::kPlayerAndParty};
        case 5: return {59, 60, nsPlayer, sjFansFight, Stored::kPlayer};
        case 6: return {62, 63, nsPlayer, sjComplaint, Stored::kPlayer};
        default: return {};
    }
}

// Injuries of 11 to 14 weeks and beyond 20 take the texts of the nearest band below.
NewsKind InjuryKind(int weeks) {
    NewsKind k{0, 0, nsMedical, sjInjured, Stored::kPlayer};
    if (weeks >= 15) k.first_body = 42, k.last_body = 45;
    else if (weeks >= 8) k.first_body = 38, k.last_body = 41;
    else if (weeks == 7) k.first_body = 36, k.last_body = 37;
    else if (weeks >= 5) k.first_body = 32, k.last_body = 35;
    else if (weeks == 4) k.first_body = 30, k.last_body = 31;
    else if (weeks == 3) k.first_body = 28, k.last_body = 29;
    else if (weeks == 2) k.first_body = 25, k.last_body = 27;
    return k;
}

NewsKind KindOf(TNewsEvent event, int variant) {
    switch (event) {
        case neWelcome:
            if (variant == 0) return {73, 73, nsBoard, sjWelcome};
            if (variant == 1) return {1, 1, nsBoard, sjWelcome};
            return {};
        case neSentOff:
            return SentOffKind(variant);
        case nePlayerMessage:
            return PlayerMessageKind(variant);
        case neInjury:
            return InjuryKind(variant);
        case neFansProtest:
            if (variant == 0) return {46, 48, nsFans, sjFansAngry};
            return {};
        case neRumour:
            if (variant == 0) return {22, 24, nsPress, sjTransferRumour, Stored::kPlayerAndParty};
            if (variant == 1) return {70, 70, nsBoard, sjNationalTeamInvitation};
            return {};
        case neSquadSplit:
            if (variant == 0) return {51, 52, nsBoard, sjSquadSplit, Stored::kPlayer};
            return {};
        case nePlayerSold:
            if (variant == 0) return {69, 69, nsBoard, sjPlayerSold, Stored::kAll};
            return {};
        case neContract:
            if (variant == 0) return {71, 71, nsBoard, sjContractEnding, Stored::kAll};
            if (variant == 1) return {72, 72, nsBoard, sjContractEnded, Stored::kAll};
            return {};
        case neLoanEnded:
            if (variant == 0) return {74, 74, nsBoard, sjLoanCannotReturn, Stored::kAll};
            return {};
    }
    return {};
}

// The calendar's day of today, kept inside the calendar even when the counter has run
// past its end.
TDateTime NewsDate(const GameData& data) {
    const int day = std::clamp(data.game_state.calendar_day, 1, kCalendarDays);
    return data.calendar[day - 1].date;
}

std::string PlayerName(const GameData& data, int player) {
    return InTable(data.players, player) ? data.players[player].name.str() : std::string();
}

std::string TeamName(const GameData& data, int team) {
    return InTable(data.teams, team) ? data.teams[team].name.str() : std::string();
}

}  // namespace

int AddNewsItem(GameData& data, int club, TNewsEvent event, int variant, int player,
                int second_party, int amount) {
    if (event == nePlayerSold && player < 1) return -1;
    const NewsKind kind = KindOf(event, variant);
    if (kind.first_body == 0) return -1;
    t_news_item& item = AppendRecord(data.inbox);
    item.club = club;
    item.date = NewsDate(data);
    item.body = kind.first_body + Random(kind.last_body - kind.first_body + 1);
    item.sender = kind.sender;
    item.subject = kind.subject;
    if (event == neFansProtest) item.subject = sjFansAngry + Random(3);
    if (kind.stored != Stored::kNothing) item.player = player;
    if (kind.stored == Stored::kPlayerAndParty || kind.stored == Stored::kAll)
        item.second_party = second_party;
    if (kind.stored == Stored::kAll) item.amount = amount;
    item.answer_wanted = kind.answer_wanted ? 1 : 0;
    return static_cast<int>(data.inbox.size()) - 1;
}

std::string NewsTitle(const GameData& data, const t_news_item& item) {
    const std::string piece(NewsTitlePiece(item.subject));
    const std::string player = PlayerName(data, item.player);
    switch (item.subject) {
        case sjWelcome:
            return piece + TeamName(data, data.game_state.user_club);
        case sjSentOff:
        case sjInjured:
        case sjLoanCannotReturn:
            return player + piece;
        case sjTransferRumour:
        case sjPlayerSold:
            return player + piece + TeamName(data, item.second_party);
        case sjSquadSplit:
        case sjFansFight:
        case sjNationalTeamInvitation:
        case sjContractEnding:
        case sjContractEnded:
            return piece + player;
        case sjPlayersFight:
            return piece + player + " e " + PlayerName(data, item.second_party);
        default:
            return piece;
    }
}

std::string NewsSenderName(const GameData& data, const t_news_item& item) {
    switch (item.sender) {
        case nsBoard: return "Diretoria";
        case nsFans: return "Torcida";
        case nsPlayer: return "Jogador: " + PlayerName(data, item.player);
        case nsPress: return "Imprensa";
        case nsMedical: return "Dep. Médico";
        default: return {};
    }
}

std::string NewsText(const t_news_item& item) {
    std::string text(NewsBody(item.body));
    if (item.body == 69) text += FormatMoneyInWords(item.amount);
    return text;
}

int CountUnreadNews(GameData& data, int club) {
    const double today = TodayDate(data);
    int unread = 0;
    for (t_news_item& item : data.inbox) {
        if (item.club != club || item.read) continue;
        if (today - item.date > 14)
            item.read = 1;
        else
            ++unread;
    }
    return unread;
}

}  // namespace kv
