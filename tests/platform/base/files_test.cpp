#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Written exactly, doubled or ending in a slash: the same file.
    EXPECT_EQ(ResolvePath(At("Teams/Escudos/Flamengo.PNG")), At("Teams/Escudos/Flamengo.PNG"));
    EXPECT_EQ(ResolvePath(At("Teams//Escudos/Flamengo.PNG")), At("Teams/Escudos/Flamengo.PNG"));
    EXPECT_EQ(ResolvePath(At("Teams/Escudos/")), At("Teams/Escudos"));
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

TEST_F(FilesTest, RegularFileReadRefusesWhatIsNoFileWithoutWaitingOnIt) {
    ASSERT_EQ(::mkfifo(At("pipe").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", At("zeros"));
    fs::create_symlink("Teams/clube2.b14", At("link"));
    Put("grande", std::string(101, 'x'));
    Put("justo", std::string(100, 'y'));
    const struct {
        const char* path;
        ReadLimit limit;
        FileReadStatus status;
        std::string bytes;
    } cases[] = {
        {"teams/CLUBE2.B14", ReadLimit::kWholeFile, FileReadStatus::kRead, "two"},
        {"link", ReadLimit::kWholeFile, FileReadStatus::kRead, "two"},
        {"teams/nada", ReadLimit::kWholeFile, FileReadStatus::kMissing, ""},
        {"pipe", ReadLimit::kWholeFile, FileReadStatus::kNotAFile, ""},
        {"zeros", ReadLimit::kHead, FileReadStatus::kNotAFile, ""},
        {"teams", ReadLimit::kWholeFile, FileReadStatus::kNotAFile, ""},
        {"grande", ReadLimit::kWholeFile, FileReadStatus::kTooLarge, ""},
        {"grande", ReadLimit::kHead, FileReadStatus::kRead, std::string(100, 'x')},
        {"justo", ReadLimit::kWholeFile, FileReadStatus::kRead, std::string(100, 'y')},
        {"justo", ReadLimit::kHead, FileReadStatus::kRead, std::string(100, 'y')},
    };
    for (const auto& c : cases) {
        const FileContents got = ReadRegularFile(At(c.path), 100, c.limit);
        EXPECT_EQ(got.status, c.status) << c.path;
        EXPECT_EQ(got.bytes, c.bytes) << c.path;
    }
}

TEST_F(FilesTest, AtomicWriteKeepsPermissionsAndWritesThroughLinks) {
    fs::permissions(At("Teams/clube2.b14"), fs::perms(0600));
    ASSERT_TRUE(WriteFileAtomic(At("teams/clube2.b14"), "novo"));
    EXPECT_EQ(fs::status(At("Teams/clube2.b14")).permissions(), fs::perms(0600));

    fs::create_directories(root_ / "sav");
    fs::create_symlink("../Teams/clube2.b14", root_ / "sav" / "atalho.s14");
    ASSERT_TRUE(WriteFileAtomic(At("sav/atalho.s14"), "pelo link"));
    EXPECT_TRUE(fs::is_symlink(root_ / "sav" / "atalho.s14"));
    EXPECT_EQ(ReadFile(At("Teams/clube2.b14")), "pelo link");
    EXPECT_EQ(fs::status(At("Teams/clube2.b14")).permissions(), fs::perms(0600));
    EXPECT_TRUE(ListFiles(At("sav"), ".*").empty());
}

TEST_F(FilesTest, AtomicWriteRefusesReadOnlyFilesAndWhatIsNoFile) {
    fs::permissions(At("Teams/CLUBE1.B14"), fs::perms(0444));
    ASSERT_EQ(::mkfifo(At("pipe").c_str(), 0644), 0);
    const struct {
        const char* path;
        const char* says;
    } cases[] = {
        {"teams/clube1.b14", "somente leitura"},
        {"pipe", "não é um arquivo comum"},
        {"", "nome de arquivo vazio"},
        {"teams/", "nome de arquivo vazio"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(WriteFileAtomic(c.path[0] ? At(c.path) : "", "x", &error)) << c.path;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.path << ": " << error;
    }
    EXPECT_EQ(ReadFile(At("Teams/CLUBE1.B14")), "one");
    EXPECT_EQ(fs::status(At("pipe")).type(), fs::file_type::fifo);
}

// A write killed half-way leaves a temporary of the target's own naming; the next write of the
// same file removes it, but not one a write in progress still holds, nor anything else.
TEST_F(FilesTest, AtomicWriteRemovesTheTemporariesOfKilledWrites) {
    Put("Teams/.clube2.b14.a1B2c3", std::string(1000, 'x'));
    Put("Teams/.clube2.b14.zz", "not ours");
    Put("Teams/.clube1.b14.a1B2c3", "another file's");
    Put("Teams/.clube2.b14.d4E5f6", "in progress");
    const int held = ::open(At("Teams/.clube2.b14.d4E5f6").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileAtomic(At("teams/clube2.b14"), "novo"));
    ::close(held);
    EXPECT_FALSE(fs::exists(At("Teams/.clube2.b14.a1B2c3")));
    EXPECT_TRUE(fs::exists(At("Teams/.clube2.b14.zz")));
    EXPECT_TRUE(fs::exists(At("Teams/.clube1.b14.a1B2c3")));
    EXPECT_TRUE(fs::exists(At("Teams/.clube2.b14.d4E5f6")));
}

TEST_F(FilesTest, MakeFoldersCreatesMissingParents) {
    EXPECT_TRUE(MakeFolders(At("teams/escudos/a/b")));
    EXPECT_TRUE(fs::is_directory(At("Teams/Escudos/a/b")));
    EXPECT_TRUE(MakeFolders(At("teams")));
    EXPECT_FALSE(MakeFolders(At("teams/clube1.b14/x")));
}

}  // namespace
}  // namespace kv
