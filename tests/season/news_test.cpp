#include "season/news.h"

#include <gtest/gtest.h>

#include <set>

#include "core/money_text.h"
#include "core/random.h"
#include "core/records_club.h"
#include "core/text_tables.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;

struct NewsCase {
    TNewsEvent event;
    int variant;
    std::set<int> bodies;
    TNewsSender sender;
    std::set<int> subjects;
    bool keeps_player, keeps_party, keeps_amount, answer;
};

TEST(News, EachKindTakesItsBodiesSenderSubjectAndArguments) {
    const NewsCase cases[] = {
        {neWelcome, 0, {73}, nsBoard, {sjWelcome}, false, false, false, false},
        {neWelcome, 1, {1}, nsBoard, {sjWelcome}, false, false, false, false},
        {neSentOff, 2, {12, 13, 14, 15, 16, 17}, nsBoard, {sjSentOff}, true, false, false, true},
        {neSentOff, 3, {7, 8, 9, 10, 11}, nsBoard, {sjSentOff}, true, false, false, true},
        {neSentOff, 5, {4, 5, 6}, nsBoard, {sjSentOff}, true, false, false, true},
        {neSentOff, 10, {2}, nsBoard, {sjSentOff}, true, false, false, true},
        {nePlayerMessage, 0, {18, 19, 20, 21}, nsPlayer, {sjFineProtest}, true, false, false, false},
        {nePlayerMessage, 1, {67}, nsPlayer, {sjThanks}, true, false, false, false},
        {nePlayerMessage, 2, {53, 54}, nsPlayer, {sjComplaint}, true, false, false, false},
        {nePlayerMessage, 3, {55, 56}, nsPlayer, {sjNoContract}, true, false, false, false},
        {nePlayerMessage, 4, {57, 58}, nsPlayer, {sjPlayersFight}, true, true, false, false},
        {nePlayerMessage, 5, {59, 60}, nsPlayer, {sjFansFight}, true, false, false, false},
        {nePlayerMessage, 6, {62, 63}, nsPlayer, {sjComplaint}, true, false, false, false},
        {neInjury, 2, {25, 26, 27}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 3, {28, 29}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 4, {30, 31}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 6, {32, 33, 34, 35}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 7, {36, 37}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 9, {38, 39, 40, 41}, nsMedical, {sjInjured}, true, false, false, false},
        {neInjury, 17, {42, 43, 44, 45}, nsMedical, {sjInjured}, true, false, false, false},
        {neFansProtest, 0, {46, 47, 48}, nsFans, {sjFansAngry, sjNoThrashings, sjRelegationWarning}, false, false, false, false},
        {neRumour, 0, {22, 23, 24}, nsPress, {sjTransferRumour}, true, true, false, false},
        {neRumour, 1, {70}, nsBoard, {sjNationalTeamInvitation}, false, false, false, false},
        {neSquadSplit, 0, {51, 52}, nsBoard, {sjSquadSplit}, true, false, false, false},
        {nePlayerSold, 0, {69}, nsBoard, {sjPlayerSold}, true, true, true, false},
        {neContract, 0, {71}, nsBoard, {sjContractEnding}, true, true, true, false},
        {neContract, 1, {72}, nsBoard, {sjContractEnded}, true, true, true, false},
        {neLoanEnded, 0, {74}, nsBoard, {sjLoanCannotReturn}, true, true, true, false},
    };
    SeedRandom(11);
    for (const NewsCase& c : cases) {
        EconomyWorld w;
        std::set<int> bodies, subjects;
        for (int k = 0; k < 60; ++k) {
            const int index = AddNewsItem(w.data(), 4, c.event, c.variant, 7, 9, 2500);
            ASSERT_GE(index, 0) << c.event << "/" << c.variant;
            const t_news_item& item = w.data().inbox[index];
            bodies.insert(item.body);
            subjects.insert(item.subject);
            EXPECT_EQ(item.club, 4);
            EXPECT_EQ(item.date, w.today());
            EXPECT_EQ(item.sender, c.sender);
            EXPECT_EQ(item.player, c.keeps_player ? 7 : 0);
            EXPECT_EQ(item.second_party, c.keeps_party ? 9 : 0);
            EXPECT_EQ(item.amount, c.keeps_amount ? 2500 : 0);
            EXPECT_EQ(item.answer_wanted, c.answer ? 1 : 0);
            EXPECT_EQ(item.read, 0);
        }
        EXPECT_EQ(bodies, c.bodies) << c.event << "/" << c.variant;
        EXPECT_EQ(subjects, c.subjects) << c.event << "/" << c.variant;
    }
}

TEST(News, NothingForASaleWithoutPlayerOrAnUnknownKind) {
    EconomyWorld w;
    EXPECT_EQ(AddNewsItem(w.data(), 0, nePlayerSold, 0, 0, 3, 100), -1);
    EXPECT_EQ(AddNewsItem(w.data(), 0, neInjury, 1, 5, 0, 0), -1);
    EXPECT_EQ(AddNewsItem(w.data(), 0, neSentOff, 4, 5, 0, 0), -1);
    EXPECT_TRUE(w.data().inbox.empty());
}

TEST(News, DatedByTodaysCalendarEntryKeptInsideTheCalendar) {
    for (int day : {1, 200, 366, 367, 0}) {
        EconomyWorld w;
        w.data().game_state.calendar_day = day;
        const int index = AddNewsItem(w.data(), 0, neWelcome, 0, 0, 0, 0);
        const int entry = day < 1 ? 0 : day > 366 ? 365 : day - 1;
        EXPECT_EQ(w.data().inbox[index].date, w.data().calendar[entry].date) << day;
    }
}

TEST(News, TitlesSendersAndTexts) {
    EconomyWorld w;
    const int user = w.AddClub({.human = true});
    const int buyer = w.AddClub();
    w.data().teams[user].name.set("Vila Nova");
    w.data().teams[buyer].name.set("Ferroviário");
    const int ze = w.AddPlayer(user);
    const int tiao = w.AddPlayer(user);
    w.data().players[ze].name.set("Zé");
    w.data().players[tiao].name.set("Tião");
    struct Case {
        TNewsEvent event;
        int variant;
        int second;
        const char* title;
        const char* sender;
    };
    const Case cases[] = {
        {neWelcome, 1, 0, "Bem vindo ao Vila Nova", "Diretoria"},
        {neSentOff, 3, 0, "Zé expulso", "Diretoria"},
        {neInjury, 3, 0, "Zé contundido", "Dep. Médico"},
        {neRumour, 0, buyer, "Zé vai para o Ferroviário", "Imprensa"},
        {neSquadSplit, 0, 0, "Racha no elenco causado por Zé", "Diretoria"},
        {nePlayerMessage, 4, tiao, "Briga entre Zé e Tião", "Jogador: Zé"},
        {nePlayerMessage, 5, 0, "Torcida briga com Zé", "Jogador: Zé"},
        {nePlayerMessage, 1, 0, "Agradecimento", "Jogador: Zé"},
        {nePlayerSold, 0, buyer, "Zé vendido ao Ferroviário", "Diretoria"},
        {neContract, 0, 0, "Contrato se encerrando: Zé", "Diretoria"},
        {neContract, 1, 0, "Contrato encerrado: Zé", "Diretoria"},
        {neLoanEnded, 0, -1, "Zé não pode voltar.", "Diretoria"},
        {neRumour, 1, 0, "Convites para seleção", "Diretoria"},
    };
    for (const Case& c : cases) {
        const int index = AddNewsItem(w.data(), user, c.event, c.variant, ze, c.second, 2'500'000);
        const t_news_item& item = w.data().inbox[index];
        EXPECT_EQ(NewsTitle(w.data(), item), c.title);
        EXPECT_EQ(NewsSenderName(w.data(), item), c.sender) << c.title;
    }
    const t_news_item& sold = w.data().inbox[8];
    EXPECT_EQ(NewsText(sold), "O jogador que estava à venda foi vendido por " +
                                  FormatMoneyInWords(2'500'000));
    EXPECT_EQ(NewsText(w.data().inbox[11]), NewsBody(74));
}

}  // namespace
}  // namespace kv
