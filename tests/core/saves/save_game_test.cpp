#include "core/save_game.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "platform/base/files.h"
#include "season/load_game.h"
#include "tests/core/saves/saves_world.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Answers the save questions from a script and records every question and message.
class ScriptedDialogs : public SaveGameDialogs {
  public:
    std::deque<std::string> names;
    std::deque<bool> overwrite_answers;
    std::vector<std::string> log;

    std::string AskSaveName() override {
        log.push_back("name?");
        if (names.empty()) return {};
        std::string n = names.front();
        names.pop_front();
        return n;
    }
    bool ConfirmOverwrite(std::string_view question) override {
        log.push_back(std::string(question));
        const bool yes = !overwrite_answers.empty() && overwrite_answers.front();
        if (!overwrite_answers.empty()) overwrite_answers.pop_front();
        return yes;
    }
    void ShowError(std::string_view message) override { log.push_back(std::string(message)); }
};

std::string FileBytes(const std::string& path) {
    return ReadFile(path).value_or("<missing>");
}

class SaveGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::FillWorld(Game(), true);
        Game().game_state.save_name.clear();
    }
    void TearDown() override { Game().Reset(); }
    test::SavesFolder folder_;
    ScriptedDialogs dialogs_;
};

TEST_F(SaveGameTest, TheFirstSaveAsksForANameAndLaterSavesReuseIt) {
    dialogs_.names = {"campanha"};
    ASSERT_TRUE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log, std::vector<std::string>{"name?"});
    EXPECT_EQ(Game().game_state.save_name.str(), "campanha.s14");
    const std::string first = FileBytes(folder_.sav("campanha.s14"));
    EXPECT_TRUE(first == WriteSavedGame(Game()));

    Game().game_state.calendar_day = 200;
    ASSERT_TRUE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log.size(), 1u) << "no second question";
    EXPECT_FALSE(FileBytes(folder_.sav("campanha.s14")) == first);
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"campanha.s14"}) << "no temporary left";
}

TEST_F(SaveGameTest, AnExistingNameAsksBeforeOverwriting) {
    std::ofstream(folder_.sav("velho.s14")) << "old";
    std::ofstream(folder_.sav("velho2.s14")) << "old";
    struct Case {
        std::deque<std::string> names;
        std::deque<bool> answers;
        std::vector<std::string> log;
        std::string saved_as;
    };
    const std::string q(kOverwriteQuestion);
    const Case cases[] = {
        {{"velho"}, {true}, {"name?", q}, "velho.s14"},
        {{"velho", "novo"}, {false}, {"name?", q, "name?"}, "novo.s14"},
        {{"VELHO2"}, {true}, {"name?", q}, "VELHO2.s14"},  // names ignore case, as on Windows
        {{"velh"}, {}, {"name?"}, "velh.s14"},             // the beginning of a name is not it
    };
    for (const Case& c : cases) {
        Game().game_state.save_name.clear();
        dialogs_.log.clear();
        dialogs_.names = c.names;
        dialogs_.overwrite_answers = c.answers;
        EXPECT_TRUE(SaveGame(dialogs_)) << c.saved_as;
        EXPECT_EQ(dialogs_.log, c.log) << c.saved_as;
        EXPECT_EQ(Game().game_state.save_name.str(), c.saved_as);
    }
    EXPECT_EQ(ListSavedGames(),
              (std::vector<std::string>{"novo.s14", "velh.s14", "velho.s14", "velho2.s14"}))
        << "VELHO2 replaced velho2.s14 under its own name";
}

TEST_F(SaveGameTest, NamesTheFileSystemCannotHoldAreRefused) {
    const std::string refused[] = {"a/b",  "a\\b", "..",  "x..y",    "c:d",       "a*",
                                   "que?", "<a>",  "a|b", "aspas\"", "tab\there", "日本"};
    for (const std::string& name : refused) {
        Game().game_state.save_name.clear();
        dialogs_.log.clear();
        fs::remove(folder_.sav("ok.s14"));
        dialogs_.names = {name, "ok"};
        EXPECT_TRUE(SaveGame(dialogs_)) << name;
        EXPECT_EQ(dialogs_.log,
                  (std::vector<std::string>{"name?", std::string(kBadSaveNameMessage), "name?"}))
            << name;
    }
    for (const std::string name : {"Campeão de 2015", "a.b", "  espaço"})
        EXPECT_TRUE(IsAcceptableSaveName(name)) << name;
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"ok.s14"});
}

// A name longer than the field is refused, never saved cut under another name; one of 30
// characters (30 bytes in the files' code page) is kept whole.
TEST_F(SaveGameTest, ANameLongerThanItsFieldIsRefusedNotCut) {
    const std::string accented = "çã" + std::string(28, 'x');
    dialogs_.names = {std::string(31, 'x'), accented};
    ASSERT_TRUE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log[1], kLongSaveNameMessage);
    EXPECT_EQ(Game().game_state.save_name.str(), accented + ".s14");
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{accented + ".s14"});
}

TEST_F(SaveGameTest, NoNameSavesNothing) {
    EXPECT_FALSE(SaveGame(dialogs_));
    EXPECT_TRUE(ListSavedGames().empty());
    EXPECT_TRUE(Game().game_state.save_name.empty());
}

TEST_F(SaveGameTest, AFailedSaveKeepsTheOldFileAndTheGame) {
    dialogs_.names = {"carreira"};
    ASSERT_TRUE(SaveGame(dialogs_));
    const std::string good = FileBytes(folder_.sav("carreira.s14"));
    Game().game_state.calendar_day = 300;
    const std::string game_before = WriteSavedGame(Game());
    {
        const test::FileSizeLimit full_disk(4096);
        EXPECT_FALSE(SaveGame(dialogs_));
    }
    EXPECT_EQ(dialogs_.log.back(), kSaveErrorMessage);
    EXPECT_TRUE(FileBytes(folder_.sav("carreira.s14")) == good);
    EXPECT_TRUE(WriteSavedGame(Game()) == game_before);
    EXPECT_EQ(Game().game_state.save_name.str(), "carreira.s14") << "a kept name stays";
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"carreira.s14"});
}

TEST_F(SaveGameTest, AFailedFirstSaveAsksForTheNameAgain) {
    fs::remove_all(folder_.root() + "/sav");
    std::ofstream(folder_.root() + "/sav") << "a file where the folder should be";
    dialogs_.names = {"primeiro"};
    EXPECT_FALSE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log, (std::vector<std::string>{"name?", std::string(kSaveErrorMessage)}));
    EXPECT_TRUE(Game().game_state.save_name.empty());

    fs::remove(folder_.root() + "/sav");
    fs::create_directory(folder_.root() + "/sav");
    dialogs_.log.clear();
    dialogs_.names = {"segundo"};
    EXPECT_TRUE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log, std::vector<std::string>{"name?"});
}

TEST_F(SaveGameTest, AReadOnlySaveIsRefusedAndALinkIsSavedThrough) {
    dialogs_.names = {"guardado"};
    ASSERT_TRUE(SaveGame(dialogs_));
    const std::string path = folder_.sav("guardado.s14");
    const std::string good = FileBytes(path);
    fs::permissions(path, fs::perms(0444));
    Game().game_state.calendar_day = 300;
    EXPECT_FALSE(SaveGame(dialogs_));
    EXPECT_EQ(dialogs_.log.back(), kSaveErrorMessage);
    EXPECT_TRUE(FileBytes(path) == good);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));

    fs::permissions(path, fs::perms(0640));
    fs::create_symlink("guardado.s14", folder_.sav("atalho.s14"));
    ASSERT_TRUE(SaveGameToFile(folder_.sav("atalho.s14")));
    EXPECT_TRUE(fs::is_symlink(folder_.sav("atalho.s14")));
    EXPECT_TRUE(FileBytes(path) == WriteSavedGame(Game()));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));

    std::string error;
    EXPECT_FALSE(SaveGameToFile("", &error));
    EXPECT_FALSE(error.empty());
}

// Whatever stands in a saved game's place in the folder, the preview and the load answer at
// once, and nothing is read past what a saved game can hold.
TEST_F(SaveGameTest, APipeOrADeviceNamedLikeASaveIsNotRead) {
    ASSERT_EQ(::mkfifo(folder_.sav("cano.s14").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", folder_.sav("zeros.s14"));
    for (const char* name : {"cano.s14", "zeros.s14"}) {
        EXPECT_FALSE(ReadSavedGamePreview(name).readable) << name;
        const LoadOutcome out = LoadSelectedGame(name);
        EXPECT_FALSE(out.loaded) << name;
        EXPECT_EQ(out.message, kLoadOpenErrorMessage) << name;
    }
}

// Bytes this process has read from files so far.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

// A file with a good head but larger than any saved game is refused from its size alone: its
// body is never read (a sparse file, so the test writes nothing of it either).
TEST_F(SaveGameTest, AFileLargerThanAnySaveIsRefusedUnread) {
    dialogs_.names = {"enorme"};
    ASSERT_TRUE(SaveGame(dialogs_));
    const std::string path = folder_.sav("enorme.s14");
    fs::resize_file(path, kMaxSavedGameSize + 1);
    const std::string running = WriteSavedGame(Game());
    const long long before = BytesReadSoFar();
    const LoadOutcome out = LoadSelectedGame("enorme.s14");
    const long long read = BytesReadSoFar() - before;
    EXPECT_FALSE(out.loaded);
    EXPECT_EQ(out.message, kCorruptSaveMessage);
    ASSERT_GE(before, 0) << "/proc/self/io";
    EXPECT_LT(read, 1 << 20) << "bytes read";
    EXPECT_TRUE(WriteSavedGame(Game()) == running);
}

TEST_F(SaveGameTest, SavedGamesLoadBackFromTheFolder) {
    dialogs_.names = {"ida"};
    ASSERT_TRUE(SaveGame(dialogs_));
    const std::string saved = FileBytes(folder_.sav("ida.s14"));
    Game().Reset();

    EXPECT_EQ(LoadSelectedGame("").message, "") << "nothing selected, nothing happens";
    EXPECT_EQ(LoadSelectedGame("nenhum.s14").message, kLoadOpenErrorMessage);
    const LoadOutcome out = LoadSelectedGame("ida.s14");
    ASSERT_TRUE(out.loaded) << out.message;
    ASSERT_TRUE(SaveGameToFile(folder_.sav("volta.s14")));
    EXPECT_TRUE(FileBytes(folder_.sav("volta.s14")) == saved);

    std::ofstream(folder_.sav("de fora..s14")) << "a name the game would not give";
    EXPECT_TRUE(DeleteSavedGame("de fora..s14"));
    EXPECT_TRUE(DeleteSavedGame("ida.s14"));
    EXPECT_FALSE(DeleteSavedGame("ida.s14"));
    EXPECT_FALSE(DeleteSavedGame("../sav/volta.s14"));
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"volta.s14"});
}

TEST_F(SaveGameTest, ThePreviewNamesTheCoachAndTheClub) {
    GameData& g = Game();
    g.teams[3].name.set("Sociedade Esportiva X");
    g.coaches[3].name.set("Técnico Três");
    g.teams[26].name.set("Seleção do Brasil");
    struct Case {
        int match_kind;
        const char* club;
    };
    const Case cases[] = {
        {1, "Sociedade Esportiva X"},
        {10, "Sociedade Esportiva X"},
        {7, "Seleção do Brasil (Socied"},  // cut to 25 characters
        {9, "Seleção do Brasil (Socied"},
    };
    for (const Case& c : cases) {
        g.game_state.match_kind = c.match_kind;
        RefreshPreviewNames(g);
        EXPECT_EQ(g.game_state.preview_club_name.str(), c.club) << c.match_kind;
        EXPECT_EQ(g.game_state.preview_coach_name.str(), "Técnico Três");
    }
    g.game_state.preview_club_name.set("antes");
    g.game_state.user_club = -1;
    RefreshPreviewNames(g);
    EXPECT_EQ(g.game_state.preview_club_name.str(), "antes") << "no club: the field stays";
}

TEST_F(SaveGameTest, ThePreviewShowsTheNextMatch) {
    t_game_state s;
    s.league_round = 12;
    s.league_turn = 2;
    const std::pair<int, const char*> texts[] = {
        {0, "Amistoso"},
        {1, "Campeonato Nacional12ª rodada -2º turno"},
        {2, "Copa Nacional"},
        {3, "Campeonato estadual"},
        {4, "Libertadores/Liga Campeões"},
        {5, "Mundial Interclubes"},
        {6, "Sul-Americana/Liga Europa"},
        {7, "Copa do Mundo"},
        {8, "Copa América"},
        {9, "Eurocopa"},
        {10, "Recopa"},
        {11, ""},
        {-1, ""},
    };
    for (const auto& [kind, text] : texts) {
        s.match_kind = kind;
        EXPECT_EQ(NextMatchText(s), text) << kind;
    }
}

TEST_F(SaveGameTest, ThePreviewReadsOnlyTheHead) {
    Game().game_state.match_kind = 7;
    Game().game_state.season = 3;
    dialogs_.names = {"copa"};
    ASSERT_TRUE(SaveGame(dialogs_));
    const std::string saved = FileBytes(folder_.sav("copa.s14"));

    SavedGamePreview p = ReadSavedGamePreview("copa.s14");
    EXPECT_TRUE(p.readable && p.valid);
    EXPECT_EQ(p.coach, Game().coaches[3].name.str());
    EXPECT_EQ(p.club, Game().game_state.preview_club_name.str());
    EXPECT_EQ(p.year, "2016");
    EXPECT_EQ(p.next_match, "Copa do Mundo");

    p = PreviewSavedGameHead(saved.substr(0, kSavedGameHeadSize));
    EXPECT_TRUE(p.valid) << "the tables are not needed";
    std::string v13 = saved;
    v13[8] = 13;
    p = PreviewSavedGameHead(v13);
    EXPECT_TRUE(p.readable && !p.valid);
    EXPECT_EQ(p.next_match, "arquivo inválido");
    EXPECT_EQ(p.coach, "");
    EXPECT_FALSE(PreviewSavedGameHead(saved.substr(0, 100)).readable);
    EXPECT_FALSE(ReadSavedGamePreview("sumiu.s14").readable);
}

}  // namespace
}  // namespace kv
