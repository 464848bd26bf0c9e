#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace kv {
namespace {

namespace fs = std::filesystem;

// A folder laid out the way a teams database copied from a case-insensitive disk looks.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "kvfilesXXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        root_ = templ;
        fs::create_directories(root_ / "Teams" / "Escudos");
        fs::create_directories(root_ / "Teams" / "selecoes");
        Put("Teams/Escudos/Flamengo.PNG", "png");
        Put("Teams/CLUBE1.B14", "one");
        Put("Teams/clube2.b14", "two");
        Put("Teams/readme.txt", "txt");
        Put("Teams/São.b14", "sao");
        Put("Teams/abc.b14", "abc");
    }
    void TearDown() override { fs::remove_all(root_); }

    void Put(const std::string& rel, const std::string& bytes) {
        std::ofstream(root_ / rel, std::ios::binary) << bytes;
    }
    std::string At(const std::string& rel) const { return (root_ / rel).string(); }

    fs::path root_;
};

TEST(Paths, WindowsSeparatorsAndParts) {
    EXPECT_EQ(NativePath("teams\\escudos\\x.png"), "teams/escudos/x.png");
    EXPECT_EQ(JoinPath("sav", "jogo.sav"), "sav/jogo.sav");
    EXPECT_EQ(JoinPath("sav/", "\\jogo.sav"), "sav/jogo.sav");
    EXPECT_EQ(JoinPath("", "x"), "x");
    EXPECT_EQ(FileNameOf("teams\\escudos\\x.png"), "x.png");
    EXPECT_EQ(FolderOf("sav/jogo1.sav"), "sav");
    EXPECT_EQ(FolderOf("jogo1.sav"), "");
    EXPECT_EQ(FolderOf("/x"), "/");
    EXPECT_EQ(ExtensionOf("a/x.B14"), ".B14");
    EXPECT_EQ(ExtensionOf("a.b/x"), "");
}

TEST(Paths, WildcardsIgnoreCase) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    };
    const Case cases[] = {
        {"*.b14", "CLUBE.B14", true},  {"*.b14", "clube.b14x", false}, {"*.b14", ".b14", true},
        {"*", "", true},               {"?x*", "ax", true},            {"?x*", "x", false},
        {"*.*", "semponto", false},    {"a*b*c", "aXbYbZc", true},     {"a*b*c", "aXbYbZ", false},
        {"SÃO*", "são.b14", true},     {"é", "É", true},               {"×", "÷", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " ~ " << c.name;
}

TEST_F(FilesTest, FindsEveryComponentWhateverItsCase) {
    EXPECT_EQ(ResolvePath(At("teams\\escudos\\flamengo.png")), At("Teams/Escudos/Flamengo.PNG"));
    EXPECT_EQ(ResolvePath(At("TEAMS/SÃO.B14")), At("Teams/São.b14"));
    EXPECT_TRUE(FileExists(At("teams\\clube1.b14")));
    EXPECT_TRUE(DirectoryExists(At("teams/SELECOES")));
    EXPECT_FALSE(FileExists(At("teams/selecoes")));
    EXPECT_FALSE(DirectoryExists(At("teams/clube1.b14")));
    EXPECT_FALSE(FileExists(At("teams/nada.b14")));
    // A missing part and what follows it come back as written.
    EXPECT_EQ(ResolvePath(At("teams/Novo/X.b14")), At("Teams/Novo/X.b14"));
}

TEST_F(FilesTest, ListingsAreSortedAndFiltered) {
    EXPECT_EQ(ListFiles(At("teams"), "*.B14"),
              (std::vector<std::string>{"abc.b14", "CLUBE1.B14", "clube2.b14", "São.b14"}));
    EXPECT_EQ(ListFiles(At("TEAMS")).size(), 5u);
    EXPECT_EQ(ListFolders(At("teams")), (std::vector<std::string>{"Escudos", "selecoes"}));
    EXPECT_TRUE(ListFiles(At("ausente"), "*").empty());
}

TEST_F(FilesTest, ReadsWholeFiles) {
    EXPECT_EQ(ReadFile(At("teams/escudos/FLAMENGO.png")), "png");
    EXPECT_EQ(ReadFile(At("teams/nada")), std::nullopt);
    const std::string big(200000, 'x');
    Put("big", big);
    EXPECT_EQ(ReadFile(At("big")), big);
}

TEST_F(FilesTest, AtomicWriteReplacesUnderTheExistingNameAndLeavesNoTemporary) {
    ASSERT_TRUE(WriteFileAtomic(At("teams/clube1.b14"), "new"));
    EXPECT_EQ(ReadFile(At("Teams/CLUBE1.B14")), "new");
    EXPECT_FALSE(fs::exists(At("Teams/clube1.b14")));  // no second file under another case

    ASSERT_TRUE(WriteFileAtomic(At("teams\\novo.sav"), std::string("a\0b", 3)));
    EXPECT_EQ(ReadFile(At("Teams/novo.sav")), std::string("a\0b", 3));
    EXPECT_EQ(ListFiles(At("teams"), ".*").size(), 0u);
}

TEST_F(FilesTest, FailedAtomicWriteKeepsTheOldFileAndReportsWhy) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(At("semPasta/x.sav"), "x", &error));
    EXPECT_FALSE(error.empty());

    // The rename fails when a folder holds the name: the folder stays, no temporary is left.
    error.clear();
    EXPECT_FALSE(WriteFileAtomic(At("teams/escudos"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(FileExists(At("teams/escudos/flamengo.png")));
    EXPECT_TRUE(ListFiles(At("teams"), ".*").empty());
}

TEST_F(FilesTest, MakeFoldersCreatesMissingParents) {
    EXPECT_TRUE(MakeFolders(At("teams/escudos/a/b")));
    EXPECT_TRUE(fs::is_directory(At("Teams/Escudos/a/b")));
    EXPECT_TRUE(MakeFolders(At("teams")));
    EXPECT_FALSE(MakeFolders(At("teams/clube1.b14/x")));
}

}  // namespace
}  // namespace kv
