#include "editor/editor_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "game/headless_game.h"
#include "platform/base/files.h"
#include "season/new_game_setup.h"
#include "tests/editor/editor_folder.h"

namespace kv {
namespace {

using test::EditorFolder;

PlayerFields Player(std::string name, int position = 1, int nationality = 29) {
    PlayerFields f;
    f.name = std::move(name);
    f.position = position;
    f.nationality = nationality;
    f.characteristic1 = position == 0 ? 2 : 9;
    f.characteristic2 = position == 0 ? 3 : 12;
    f.age = 23;
    f.side = 1;
    f.star = true;
    return f;
}

int SlotNamed(const EditorDatabase& db, int club, std::string_view name) {
    for (int s = 1; s <= kClubSquadSlots; ++s)
        if (db.clubs()[club].squad.player_names[s - 1].str() == name) return s;
    return 0;
}

int ClubNamed(const EditorDatabase& db, std::string_view short_name) {
    for (int i = 0; i < static_cast<int>(db.clubs().size()); ++i)
        if (db.clubs()[i].club.short_name.str() == short_name) return i;
    return -1;
}

TEST(EditorSample, EditsOfClubsNationalTeamsAndPlayersSurviveAReloadAndTheGameTakesThem) {
    EditorFolder folder;
    folder.CopySample();
    EditorDatabase db;
    EXPECT_TRUE(db.Load(folder.teams()).empty());
    const std::vector<int> clubs = db.ListedClubs();
    ASSERT_GE(clubs.size(), 100u);
    ASSERT_FALSE(db.ListedNationalTeams().empty());
    const std::size_t files_before = ListClubFiles(folder.teams()).size();

    // A club of the home country: new names, stadium and capacity; one of its players edited.
    int home = -1;
    int other = -1;
    for (int c : clubs) {
        if (db.clubs()[c].club.country == kHomeCountry && home < 0)
            home = c;
        else if (db.clubs()[c].club.country == kHomeCountry && other < 0)
            other = c;
    }
    ASSERT_GE(other, 0);
    ClubChanges changes;
    changes.short_name = "Ipê Verde";
    changes.full_name = "Esporte Clube Ipê Verde";
    changes.stadium = "Estádio do Ipê";
    changes.capacity = "45000";
    changes.reputation = 4;
    ASSERT_EQ(db.EditClub(home, changes), "");
    ASSERT_EQ(db.EditClubPlayer(home, 2, Player("Zé Ipê", 3)), "");

    // A player moves to another club; another one is copied into his national team.
    const int country = db.ListedNationalTeams().front();
    const std::string moved = db.clubs()[home].squad.player_names[4].str();
    const int room = kClubSquadSlots - db.ClubPlayerCount(other);
    ASSERT_GT(room, 0);
    ASSERT_EQ(db.MovePlayer(5, home, other), "");
    PlayerFields called = db.ClubPlayer(home, 6);
    called.nationality = country;
    ASSERT_EQ(db.EditClubPlayer(home, 6, called), "");
    db.DeleteNationalPlayer(country, 27);  // make room whatever the sample holds
    db.DeleteNationalPlayer(country, 28);
    const std::string copied = db.clubs()[home].squad.player_names[5].str();
    ASSERT_EQ(db.CopyPlayerToNationalTeam(home, 6), "");

    // A national team's coach and a new player of it.
    NationalTeamFields national;
    national.coach_name = "Seu Ipê";
    national.level = 20;
    national.back_colour = 0x00FF00;
    national.text_colour = 0xFFFFFF;
    ASSERT_EQ(db.EditNationalTeam(country, national), "");
    ASSERT_EQ(db.AddNationalPlayer(country, Player("Novato", 2)), "");

    EditorDatabase reloaded;
    EXPECT_TRUE(reloaded.Load(folder.teams()).empty());
    ASSERT_EQ(reloaded.clubs().size(), db.clubs().size());
    for (std::size_t i = 0; i < db.clubs().size(); ++i) {
        EXPECT_TRUE(EncodeClubFile(reloaded.clubs()[i].club, reloaded.clubs()[i].squad) ==
                    EncodeClubFile(db.clubs()[i].club, db.clubs()[i].squad))
            << db.clubs()[i].path;
        EXPECT_EQ(reloaded.clubs()[i].path, db.clubs()[i].path);
    }
    for (int c = 0; c < kEditorNationalTeams; ++c)
        EXPECT_TRUE(EncodeNationalTeamFile(reloaded.national_team(c)) ==
                    EncodeNationalTeamFile(db.national_team(c)))
            << c;
    const EditorClub& edited = reloaded.clubs()[home];
    EXPECT_EQ(edited.club.short_name.str(), "Ipê Verde");
    EXPECT_EQ(edited.club.capacity, 45000);
    EXPECT_EQ(edited.club.reputation, 4);
    EXPECT_EQ(reloaded.ClubPlayer(home, 2).name, "Zé Ipê");
    EXPECT_EQ(reloaded.ClubPlayer(home, 2).position, 3);
    EXPECT_EQ(SlotNamed(reloaded, home, moved), 0);
    EXPECT_NE(SlotNamed(reloaded, other, moved), 0);
    EXPECT_EQ(reloaded.national_team(country).coach_name.str(), "Seu Ipê");
    EXPECT_EQ(reloaded.national_team(country).level, 20);
    bool found = false;
    for (const auto& name : reloaded.national_team(country).player_names)
        found = found || name.str() == copied;
    EXPECT_TRUE(found);
    EXPECT_EQ(ListClubFiles(folder.teams()).size(), files_before);

    // The game's setup lists the edited club and builds a game from the edited files.
    const ClubFileScan scan = ScanClubFiles(folder.teams());
    EXPECT_EQ(SkippedFilesNotice(scan), "");
    EXPECT_TRUE(std::any_of(scan.files.begin(), scan.files.end(), [](const ClubFile& f) {
        return f.club.short_name.str() == "Ipê Verde";
    }));
    HeadlessSetup setup;
    setup.teams_folder = folder.teams();
    HeadlessGame game;
    EXPECT_EQ(game.StartNewGame(setup), "");
}

TEST(EditorSample, ANewClubWithAFullSquadIsOfferedByTheGamesSetup) {
    EditorFolder folder;
    folder.CopySample();
    EditorDatabase db;
    db.Load(folder.teams());
    NewClubFields f;
    f.full_name = "Sociedade Esportiva Jacarandá";
    f.short_name = "Jacarandá";
    f.coach_name = "Dona Flor";
    f.stadium = "Arena Jacarandá";
    f.file_name = "jacaranda";
    f.capacity = "12000";
    f.state = 24;
    f.picture_name = db.clubs()[0].club.picture_name.str();
    int club = -1;
    ASSERT_EQ(db.AddClub(f, &club), "");
    ASSERT_EQ(db.AddClubPlayer(club, Player("Goleirão", 0)), "");
    for (int i = 0; i < 11; ++i)
        ASSERT_EQ(db.AddClubPlayer(club, Player("Jogador " + std::to_string(i), 1 + i % 4)), "");
    EXPECT_EQ(db.clubs()[club].club.squad_complete, 1);
    EXPECT_GT(db.clubs()[club].club.club_id, 1000);

    const ClubFileScan scan = ScanClubFiles(folder.teams());
    EXPECT_EQ(SkippedFilesNotice(scan), "");
    EXPECT_TRUE(std::any_of(scan.files.begin(), scan.files.end(), [](const ClubFile& file) {
        return file.club.short_name.str() == "Jacarandá" && file.real_name == "jacaranda.b14";
    }));
}

TEST(EditorLoad, EachClubIsWrittenBackToTheFileItCameFromAndNoOtherFile) {
    EditorFolder folder;
    folder.WriteClub("CAPITAL.B14", "Capital");
    folder.WriteClub("um_nome_de_arquivo_bem_mais_longo_que_25.b14", "Longo");
    folder.WriteClub("outro.b14", "Outro");
    EditorDatabase db;
    ASSERT_TRUE(db.Load(folder.teams()).empty());
    ASSERT_EQ(db.clubs().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        ClubChanges changes;
        changes.coach_name = "Novo técnico";
        ASSERT_EQ(db.EditClub(i, changes), "");
    }
    const std::vector<std::string> files = ListClubFiles(folder.teams());
    EXPECT_EQ(files.size(), 3u);
    EXPECT_TRUE(std::find(files.begin(), files.end(), "CAPITAL.B14") != files.end());
    EXPECT_EQ(db.clubs()[ClubNamed(db, "Capital")].club.file_name.str(), "CAPITAL");
    EditorDatabase reloaded;
    reloaded.Load(folder.teams());
    for (const EditorClub& c : reloaded.clubs()) EXPECT_EQ(c.club.coach_name.str(), "Novo técnico");
}

TEST(EditorLoad, AShortFileIsReportedAndReadIntoAZeroedEntry) {
    EditorFolder folder;
    folder.WriteClub("cheio.b14", "Cheio");
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Curto");
    folder.WriteBytes("curto.b14", EncodeClubFile(club, squad).substr(0, 200));
    auto national = EditorFolder::MakeNationalTeam(10, 20);
    folder.WriteNationalTeam("10.s11", national);
    folder.WriteBytes(
        "selecoes/11.s11",
        EncodeNationalTeamFile(EditorFolder::MakeNationalTeam(11, 20)).substr(0, 100));
    national.country = 500;
    folder.WriteNationalTeam("500.s11", national);

    EditorDatabase db;
    const std::vector<std::string> problems = db.Load(folder.teams());
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0], "teams\\curto.b14: arquivo incompleto (200 de 1333 bytes)");
    EXPECT_EQ(problems[1], "teams\\selecoes\\11.s11: arquivo incompleto (100 de 1752 bytes)");
    EXPECT_EQ(problems[2], "teams\\selecoes\\500.s11: país desconhecido (500)");
    const int shorter = ClubNamed(db, "Curto");
    ASSERT_GE(shorter, 0);
    // The squad lies past the bytes read: nothing of the neighbour's squad leaks into it.
    EXPECT_EQ(db.ClubPlayerCount(shorter), 0);
    EXPECT_TRUE(db.IsListedNationalTeam(10));

    // A second loading starts from empty tables: a file removed meanwhile leaves nothing behind.
    std::filesystem::remove(folder.Path("selecoes/10.s11"));
    db.Load(folder.teams());
    EXPECT_FALSE(db.IsListedNationalTeam(10));
    EXPECT_EQ(db.national_team(10).coach_name.str(), "");
}

TEST(EditorLoad, IndexesOutsideTheirTablesShowAsQuestionMarks) {
    EXPECT_EQ(CountryText(29), "Brasil");
    EXPECT_EQ(CountryText(250), "?");
    EXPECT_EQ(CountryText(-1), "?");
    EXPECT_EQ(PositionText(9), "?");
    EXPECT_EQ(ReputationText(6), "?");
    EXPECT_EQ(StateText(kNoState), "");
    EXPECT_EQ(StateText(0), "AC");
    EXPECT_EQ(CharacteristicsText(40, 40), "?");
    EXPECT_EQ(CharacteristicsText(4, 99), "Arm/?");
}

TEST(EditorWriters, DerivedFieldsAreFixedOnEveryWrite) {
    EditorFolder folder;
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Nivel", 1, 10);
    club.level = 30;
    club.club_id = 0;
    club.version = 14;
    club.squad_complete = 1;             // the file says so; its squad does not
    squad.player_names[20].set_raw("");  // an unnamed slot is no player
    squad.position[20] = 1;
    folder.WriteClub("nivel.b14", club, squad);
    EditorDatabase db;
    db.Load(folder.teams());
    ASSERT_EQ(db.WriteClub(0), "");
    EXPECT_EQ(db.clubs()[0].club.level, 10);
    EXPECT_EQ(db.clubs()[0].club.squad_complete, 0);
    const std::int32_t id = db.clubs()[0].club.club_id;
    EXPECT_EQ(id, 1000);
    ASSERT_EQ(db.AddClubPlayer(0, Player("Décimo primeiro")), "");
    EXPECT_EQ(db.clubs()[0].club.squad_complete, 1);
    EXPECT_EQ(db.clubs()[0].club.club_id, id);

    // The national team's stored count follows its named slots, whatever it held.
    auto national = EditorFolder::MakeNationalTeam(7, 16);
    national.reserved1 = 27;
    folder.WriteNationalTeam("7.s11", national);
    db.Load(folder.teams());
    ASSERT_EQ(db.WriteNationalTeam(7), "");
    EXPECT_EQ(db.national_team(7).reserved1, 16);
    EXPECT_EQ(db.national_team(7).squad_complete, 1);
    ASSERT_EQ(db.DeleteNationalPlayer(7, 2), "");
    EXPECT_EQ(db.national_team(7).reserved1, 15);
    EXPECT_EQ(db.national_team(7).squad_complete, 0);
}

TEST(EditorWriters, NewClubIdsFollowTheTableOrder) {
    struct Case {
        std::vector<int> ids;
        int expected;
    };
    for (const Case& c : std::vector<Case>{
             {{}, 1000}, {{0, 0}, 1000}, {{1000, 1001}, 2001}, {{1001, 1000}, 2002}}) {
        EditorFolder folder;
        for (std::size_t i = 0; i < c.ids.size(); ++i) {
            t_club_file_record club;
            t_squad_file_record squad;
            EditorFolder::MakeClub(club, squad, "Id" + std::to_string(i));
            club.club_id = c.ids[i];
            folder.WriteClub("id" + std::to_string(i) + ".b14", club, squad);
        }
        EditorDatabase db;
        db.Load(folder.teams());
        EXPECT_EQ(db.NewClubId(), c.expected);
    }
}

NewClubFields ValidNewClub() {
    NewClubFields f;
    f.full_name = "Clube Novo";
    f.short_name = "Novo";
    f.coach_name = "Técnico";
    f.stadium = "Estádio";
    f.file_name = "novo";
    f.capacity = "1000";
    f.state = 3;
    return f;
}

TEST(EditorClubs, ANewClubIsCheckedFieldByField) {
    EditorFolder folder;
    folder.WriteClub("existe.b14", "Existe");
    const std::string range = "Capacidade mínima: 1000, máxima: 119999;";
    struct Case {
        std::function<void(NewClubFields&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](NewClubFields& f) { f.full_name = ""; }, "Nome completo não informado"},
        {[](NewClubFields& f) { f.coach_name = " "; }, "Técnico não informado"},
        {[](NewClubFields& f) { f.file_name = ""; }, "Nome arquivo não informado"},
        {[](NewClubFields& f) { f.file_name = "../fora"; }, ""},
        {[](NewClubFields& f) { f.file_name = "pasta/time"; }, ""},
        {[](NewClubFields& f) { f.file_name = "c:\\time"; }, ""},
        {[](NewClubFields& f) { f.capacity = "12a00"; }, "Coloque apenas números na capacidade"},
        {[](NewClubFields& f) { f.capacity = "-5000"; }, "Coloque apenas números na capacidade"},
        {[](NewClubFields& f) { f.capacity = "999"; }, range},
        {[](NewClubFields& f) { f.capacity = "120000"; }, range},
        {[](NewClubFields& f) { f.capacity = "99999999999999"; }, range},
        {[](NewClubFields& f) { f.state = kNoState; }, "Estado não informado"},
        {[](NewClubFields& f) { f.file_name = "EXISTE"; }, "Arquivo já existe, escolha outro nome"},
    };
    for (const Case& c : cases) {
        EditorDatabase db;
        db.Load(folder.teams());
        NewClubFields f = ValidNewClub();
        c.change(f);
        const std::string message = db.AddClub(f);
        if (c.message.empty())
            EXPECT_TRUE(message.starts_with("Nome do arquivo: use apenas")) << f.file_name;
        else
            EXPECT_EQ(message, c.message) << f.file_name << " " << f.capacity;
        EXPECT_EQ(db.clubs().size(), 1u);
    }
    EXPECT_EQ(ListClubFiles(folder.teams()).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.teams() + "/../fora.b14"));

    // Both ends of the range are taken; a club abroad needs no state and is stored with none.
    for (const char* capacity : {"1000", "119999"}) {
        EditorDatabase db;
        db.Load(folder.teams());
        NewClubFields f = ValidNewClub();
        f.capacity = capacity;
        f.file_name = std::string("cap") + capacity;
        EXPECT_EQ(db.AddClub(f), "") << capacity;
    }
    EditorDatabase db;
    db.Load(folder.teams());
    NewClubFields abroad = ValidNewClub();
    abroad.country = 10;
    abroad.state = kNoState;
    int club = -1;
    ASSERT_EQ(db.AddClub(abroad, &club), "");
    EXPECT_EQ(db.clubs()[club].club.state, kNoState);
    EXPECT_EQ(db.ClubPlayerCount(club), 0);
    EXPECT_EQ(db.clubs()[club].squad.player_names[24].raw(), kEmptySlotName);
}

// A tab, a line break or any other control byte in a name would reach the game's lists and the
// files: every command that takes a name refuses it, and nothing is written.
TEST(EditorFields, NamesWithControlCharactersAreRefused) {
    EditorFolder folder;
    folder.WriteClub("a.b14", "Alfa");
    folder.WriteNationalTeam("3.s11", EditorFolder::MakeNationalTeam(3, 16));
    const std::string refused =
        "Os nomes não podem ter caracteres de controle (tabulação, quebra de linha...)";
    using Command = std::function<std::string(EditorDatabase&, const std::string&)>;
    const std::vector<std::pair<const char*, Command>> commands = {
        {"new club's name",
         [](EditorDatabase& db, const std::string& bad) {
             NewClubFields f = ValidNewClub();
             f.full_name = bad;
             return db.AddClub(f);
         }},
        {"new club's stadium",
         [](EditorDatabase& db, const std::string& bad) {
             NewClubFields f = ValidNewClub();
             f.stadium = bad;
             return db.AddClub(f);
         }},
        {"club's short name",
         [](EditorDatabase& db, const std::string& bad) {
             ClubChanges c;
             c.short_name = bad;
             return db.EditClub(0, c);
         }},
        {"club's coach",
         [](EditorDatabase& db, const std::string& bad) {
             ClubChanges c;
             c.coach_name = bad;
             return db.EditClub(0, c);
         }},
        {"new national team's coach",
         [](EditorDatabase& db, const std::string& bad) {
             NationalTeamFields f;
             f.country = 8;
             f.coach_name = bad;
             return db.AddNationalTeam(f);
         }},
        {"national team's coach",
         [](EditorDatabase& db, const std::string& bad) {
             NationalTeamFields f;
             f.coach_name = bad;
             return db.EditNationalTeam(3, f);
         }},
        {"new club player",
         [](EditorDatabase& db, const std::string& bad) {
             return db.AddClubPlayer(0, Player(bad));
         }},
        {"club player",
         [](EditorDatabase& db, const std::string& bad) {
             return db.EditClubPlayer(0, 2, Player(bad));
         }},
        {"new national player",
         [](EditorDatabase& db, const std::string& bad) {
             return db.AddNationalPlayer(3, Player(bad));
         }},
        {"national player",
         [](EditorDatabase& db, const std::string& bad) {
             return db.EditNationalPlayer(3, 2, Player(bad));
         }},
    };
    const std::string club_file = ReadFile(folder.Path("a.b14")).value_or("");
    const std::string national_file = ReadFile(folder.Path("selecoes/3.s11")).value_or("");
    const std::vector<std::string> bad_names = {
        "Nome\tcom tab", "Nome\ncom linha", std::string("Nu\0l", 4), "Apagar\x7F", "\x1B[31mCor"};
    for (const std::string& bad : bad_names) {
        for (const auto& [what, command] : commands) {
            EditorDatabase db;
            db.Load(folder.teams());
            EXPECT_EQ(command(db, bad), refused) << what;
        }
    }
    EXPECT_EQ(ReadFile(folder.Path("a.b14")).value_or(""), club_file);
    EXPECT_EQ(ReadFile(folder.Path("selecoes/3.s11")).value_or(""), national_file);
    EXPECT_EQ(ListClubFiles(folder.teams()).size(), 1u);
    EXPECT_FALSE(FileExists(folder.Path("selecoes/8.s11")));
    // Accented letters are no control characters.
    EditorDatabase db;
    db.Load(folder.teams());
    EXPECT_EQ(db.AddClubPlayer(0, Player("João Müller")), "");
}

TEST(EditorClubs, EditingKeepsEmptiedFieldsAndChecksCapacityAndState) {
    EditorFolder folder;
    folder.WriteClub("a.b14", "Alfa");
    EditorDatabase db;
    db.Load(folder.teams());
    const std::string range = "Capacidade mínima: 1000, máxima: 119999;";
    ClubChanges c;
    c.capacity = "1000";
    EXPECT_EQ(db.EditClub(0, c), "");
    EXPECT_EQ(db.clubs()[0].club.capacity, 1000);
    for (const char* bad : {"999", "120000"}) {
        c.capacity = bad;
        EXPECT_EQ(db.EditClub(0, c), range);
    }
    EXPECT_EQ(db.clubs()[0].club.capacity, 1000);

    ClubChanges none;  // emptied boxes leave the club as it was
    const std::string before = EncodeClubFile(db.clubs()[0].club, db.clubs()[0].squad);
    EXPECT_EQ(db.EditClub(0, none), "");
    EXPECT_EQ(EncodeClubFile(db.clubs()[0].club, db.clubs()[0].squad), before);

    ClubChanges no_state;  // a Brazilian club cannot lose its state
    no_state.state = kNoState;
    no_state.coach_name = "Outro";
    EXPECT_EQ(db.EditClub(0, no_state), "Estado não informado");
    EXPECT_EQ(db.clubs()[0].club.coach_name.str(), "Técnico Alfa");
    ClubChanges abroad;  // a club moved abroad leaves its state behind
    abroad.country = 10;
    EXPECT_EQ(db.EditClub(0, abroad), "");
    EXPECT_EQ(db.clubs()[0].club.state, kNoState);
    ClubChanges home;  // coming home without a state is refused too
    home.country = kHomeCountry;
    EXPECT_EQ(db.EditClub(0, home), "Estado não informado");
    EXPECT_EQ(db.clubs()[0].club.country, 10);
}

TEST(EditorClubs, ADeletedClubIsNeverWrittenAndNoClubMeansNoCommand) {
    EditorFolder folder;
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Some");
    club.club_id = 1500;
    folder.WriteClub("some.b14", club, squad);
    const std::string path = folder.Path("some.b14");
    folder.WriteClub("fica.b14", "Fica");
    EditorDatabase db;
    db.Load(folder.teams());
    const int gone = ClubNamed(db, "Some");
    ASSERT_EQ(db.DeleteClub(gone), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(db.WriteClub(gone), "");
    EXPECT_EQ(db.AddClubPlayer(gone, Player("Fantasma")), "");
    EXPECT_EQ(db.SetClubKit(gone, 3), "");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(db.IsListedClub(gone));
    EXPECT_EQ(db.NewClubId(), 2501);  // the deleted club's id still counts
    ClubChanges changes;
    changes.coach_name = "x";
    for (int none : {-1, 99}) {
        EXPECT_EQ(db.EditClub(none, changes), "");
        EXPECT_EQ(db.DeleteClub(none), "");
        EXPECT_FALSE(db.ToggleClubStarter(none, 1));
        EXPECT_EQ(db.MovePlayer(1, none, 0), "");
    }
    EXPECT_EQ(ListClubFiles(folder.teams()), std::vector<std::string>{"fica.b14"});
}

TEST(EditorClubs, ACrestThatFailsToLoadKeepsThePreviousName) {
    EditorFolder folder;
    folder.WriteClub("a.b14", "Alfa");
    folder.WriteBytes("escudos/quebrado.png", "not a picture");
    folder.WriteBytes("escudos/bom.png", "fine");
    EditorDatabase db;
    db.Load(folder.teams());
    const auto loads = [](const std::string& path) { return !path.ends_with("quebrado.png"); };
    EXPECT_EQ(db.SetClubPicture(0, "quebrado", loads),
              "Não foi possível carregar o escudo quebrado.png");
    EXPECT_EQ(db.clubs()[0].club.picture_name.str(), "Alfa");
    EXPECT_EQ(db.SetClubPicture(0, "bom", loads), "");
    EXPECT_EQ(db.SetClubPicture(0, "so_gif", loads), "");  // no .png to load: the name is taken
    EditorDatabase reloaded;
    reloaded.Load(folder.teams());
    EXPECT_EQ(reloaded.clubs()[0].club.picture_name.str(), "so_gif");
}

std::string FileBytes(const std::string& path) {
    return ReadRegularFile(path, 1 << 20).bytes;
}

// A write the system refuses (here a file marked read-only, which the writer refuses whoever
// runs it) leaves the tables as the file on disk, so the next good write of that team cannot
// carry the refused change with it.
TEST(EditorWriters, ARefusedWriteLeavesTablesAndFileAsTheyWere) {
    EditorFolder folder;
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Travado", 1, 15);
    club.level = 30;  // the writer's own fixes must not stay behind either
    club.club_id = 0;
    squad.starter[1] = 1;
    folder.WriteClub("travado.b14", club, squad);
    EditorFolder::MakeClub(club, squad, "Livre", 1, 10);
    club.club_id = 1200;  // written back byte for byte when a move is undone
    club.file_name.set("livre");
    folder.WriteClub("livre.b14", club, squad);
    folder.WriteNationalTeam("29.s11", EditorFolder::MakeNationalTeam(29, 18));
    const std::string club_path = folder.Path("travado.b14");
    const std::string national_path = folder.Path("selecoes/29.s11");
    namespace fs = std::filesystem;
    for (const std::string& path : {club_path, national_path})
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ClubChanges changes;
    changes.coach_name = "Outro";
    changes.country = 5;
    NationalTeamFields national;
    national.coach_name = "Outro";
    national.level = 3;

    struct Case {
        const char* edit;
        std::function<std::string(EditorDatabase&, int club, int free_club)> run;
    };
    const auto flag = [](bool changed, const std::string& error) {
        EXPECT_FALSE(changed);
        return error;
    };
    const std::vector<Case> cases = {
        {"write", [](EditorDatabase& db, int c, int) { return db.WriteClub(c); }},
        {"edit club", [&](EditorDatabase& db, int c, int) { return db.EditClub(c, changes); }},
        {"kit", [](EditorDatabase& db, int c, int) { return db.SetClubKit(c, 4); }},
        {"picture",
         [](EditorDatabase& db, int c, int) { return db.SetClubPicture(c, "novo", {}); }},
        {"add player",
         [](EditorDatabase& db, int c, int) { return db.AddClubPlayer(c, Player("Novo")); }},
        {"edit player",
         [](EditorDatabase& db, int c, int) { return db.EditClubPlayer(c, 3, Player("Outro")); }},
        {"delete player", [](EditorDatabase& db, int c, int) { return db.DeleteClubPlayer(c, 3); }},
        {"starter",
         [&](EditorDatabase& db, int c, int) {
             std::string error;
             return flag(db.ToggleClubStarter(c, 2, &error), error);
         }},
        {"age (F5)",
         [&](EditorDatabase& db, int c, int) {
             std::string error;
             return flag(db.AgeClubPlayer(c, 3, &error), error);
         }},
        {"side (F8)",
         [&](EditorDatabase& db, int c, int) {
             std::string error;
             return flag(db.SetClubPlayerSide(c, 3, 1, &error), error);
         }},
        {"move out", [](EditorDatabase& db, int c, int f) { return db.MovePlayer(3, c, f); }},
        {"move in", [](EditorDatabase& db, int c, int f) { return db.MovePlayer(3, f, c); }},
        {"edit national team",
         [&](EditorDatabase& db, int, int) { return db.EditNationalTeam(29, national); }},
        {"national picture",
         [](EditorDatabase& db, int, int) { return db.SetNationalTeamPicture(29, "nova"); }},
        {"add national player",
         [](EditorDatabase& db, int, int) { return db.AddNationalPlayer(29, Player("Novo")); }},
        {"edit national player", [](EditorDatabase& db, int,
                                    int) { return db.EditNationalPlayer(29, 2, Player("Outro")); }},
        {"delete national player",
         [](EditorDatabase& db, int, int) { return db.DeleteNationalPlayer(29, 2); }},
        {"national starter",
         [&](EditorDatabase& db, int, int) {
             std::string error;
             return flag(db.ToggleNationalStarter(29, 2, &error), error);
         }},
        {"call up",
         [](EditorDatabase& db, int c, int) { return db.CopyPlayerToNationalTeam(c, 3); }},
    };
    const std::string club_file = FileBytes(club_path);
    const std::string national_file = FileBytes(national_path);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        EditorDatabase db;
        db.Load(folder.teams());
        const int locked = ClubNamed(db, "Travado");
        const int free_club = ClubNamed(db, "Livre");
        const std::string tables =
            EncodeClubFile(db.clubs()[locked].club, db.clubs()[locked].squad);
        const std::string free_tables =
            EncodeClubFile(db.clubs()[free_club].club, db.clubs()[free_club].squad);
        const std::string free_file = FileBytes(folder.Path("livre.b14"));
        const std::string national_tables = EncodeNationalTeamFile(db.national_team(29));
        const std::string error = c.run(db, locked, free_club);
        EXPECT_TRUE(error.starts_with("Não foi possível gravar o arquivo ")) << error;
        EXPECT_NE(error.find("somente leitura"), std::string::npos) << error;
        EXPECT_EQ(EncodeClubFile(db.clubs()[locked].club, db.clubs()[locked].squad), tables);
        EXPECT_EQ(EncodeClubFile(db.clubs()[free_club].club, db.clubs()[free_club].squad),
                  free_tables);
        EXPECT_EQ(EncodeNationalTeamFile(db.national_team(29)), national_tables);
        EXPECT_EQ(FileBytes(club_path), club_file);
        EXPECT_EQ(FileBytes(national_path), national_file);
        EXPECT_EQ(FileBytes(folder.Path("livre.b14")), free_file);
    }
}

TEST(EditorPlayers, AddingDeletingAndStartersFollowTheSquadRules) {
    EditorFolder folder;
    folder.WriteClub("cheio.b14", "Cheio", 1, 23);
    EditorDatabase db;
    db.Load(folder.teams());
    EXPECT_EQ(db.AddClubPlayer(0, Player("")), "Nome do jogador em Branco");
    int slot = 0;
    ASSERT_EQ(db.AddClubPlayer(0, Player("Vigésimo quinto", 1, 12), &slot), "");
    EXPECT_EQ(slot, 25);
    EXPECT_EQ(db.last_nationality(), 12);
    EXPECT_EQ(db.AddClubPlayer(0, Player("Sobra")), "Você já tem 25 jogadores no time");

    // Eleven starters at most; a deleted starter frees his place and never returns as one.
    for (int s = 1; s <= 11; ++s) EXPECT_TRUE(db.ToggleClubStarter(0, s));
    EXPECT_FALSE(db.ToggleClubStarter(0, 12));
    EXPECT_EQ(db.ClubStarterCount(0), 11);
    ASSERT_EQ(db.DeleteClubPlayer(0, 3), "");
    EXPECT_EQ(db.clubs()[0].squad.starter[2], 0);
    EXPECT_EQ(db.ClubStarterCount(0), 10);
    ASSERT_EQ(db.AddClubPlayer(0, Player("Reposição"), &slot), "");
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(db.clubs()[0].squad.starter[2], 0);

    // A goalkeeper edited into a forward takes outfield characteristics.
    PlayerFields forward = db.ClubPlayer(0, 1);
    forward.position = 4;
    forward.characteristic1 = 2;  // a goalkeeper's, not offered to a forward
    forward.characteristic2 = 13;
    forward.name = "";
    ASSERT_EQ(db.EditClubPlayer(0, 1, forward), "");
    EXPECT_EQ(db.clubs()[0].squad.characteristic1[0], 4);
    EXPECT_EQ(db.clubs()[0].squad.characteristic2[0], 13);
    EXPECT_EQ(db.ClubPlayer(0, 1).name, "Cheio 1");

    db.clubs()[0].squad.age[4] = 41;
    EXPECT_TRUE(db.AgeClubPlayer(0, 5));
    EXPECT_FALSE(db.AgeClubPlayer(0, 5));
    EXPECT_EQ(db.clubs()[0].squad.age[4], 42);
}

TEST(EditorPlayers, FreeSlotsWithEmptyNamesTakePlayers) {
    EditorFolder folder;
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Vazio", 1, 11);
    for (int i = 12; i < kClubSquadSlots; ++i) squad.player_names[i].set_raw("");
    folder.WriteClub("vazio.b14", club, squad);
    folder.WriteClub("origem.b14", "Origem");
    EditorDatabase db;
    db.Load(folder.teams());
    const int vazio = ClubNamed(db, "Vazio");
    const int origem = ClubNamed(db, "Origem");
    int slot = 0;
    ASSERT_EQ(db.AddClubPlayer(vazio, Player("Chegou"), &slot), "");
    EXPECT_EQ(slot, 13);
    EXPECT_TRUE(db.CanMovePlayerTo(vazio));
    ASSERT_EQ(db.MovePlayer(2, origem, vazio), "");
    EXPECT_EQ(db.ClubPlayer(vazio, 14).name, "Origem 2");
}

TEST(EditorPlayers, NationalTeamsTakeTwentyEightPlayers) {
    EditorFolder folder;
    folder.WriteNationalTeam("5.s11", EditorFolder::MakeNationalTeam(5, 27));
    EditorDatabase db;
    db.Load(folder.teams());
    ASSERT_EQ(db.AddNationalPlayer(5, Player("Último", 2)), "");
    EXPECT_EQ(db.AddNationalPlayer(5, Player("Sobra", 2)), "A seleção já tem 28 jogadores");
    EXPECT_EQ(db.national_team(5).reserved1, 28);
    EXPECT_EQ(db.AddNationalPlayer(6, Player("Sem seleção")), "");  // no such team: nothing
    EXPECT_FALSE(db.IsListedNationalTeam(6));
}

TEST(EditorMoves, MovesArriveAsReservesAndFullSquadsAreRefused) {
    EditorFolder folder;
    folder.WriteClub("a.b14", "Alfa", 1, 15);
    folder.WriteClub("b.b14", "Beta", 1, 23);
    folder.WriteClub("c.b14", "Cheio", 1, 24);
    EditorDatabase db;
    db.Load(folder.teams());
    const int a = ClubNamed(db, "Alfa");
    const int b = ClubNamed(db, "Beta");
    const int full = ClubNamed(db, "Cheio");
    db.clubs()[a].squad.starter[1] = 1;
    EXPECT_FALSE(db.CanMovePlayerTo(full));
    EXPECT_EQ(db.MovePlayer(2, a, full), "O time de destino já tem 25 jogadores");
    EXPECT_EQ(db.ClubPlayer(a, 2).name, "Alfa 2");

    ASSERT_EQ(db.MovePlayer(2, a, b), "");
    EXPECT_EQ(db.ClubPlayer(b, 25).name, "Alfa 2");
    EXPECT_EQ(db.clubs()[b].squad.starter[24], 0);
    EXPECT_EQ(db.clubs()[a].squad.player_names[1].raw(), kEmptySlotName);
    EXPECT_EQ(db.clubs()[a].squad.starter[1], 0);
    EXPECT_FALSE(db.CanMovePlayerTo(b));

    // To his own club: the first free slot, and the old one freed.
    ASSERT_EQ(db.MovePlayer(5, a, a), "");
    EXPECT_EQ(db.ClubPlayer(a, 2).name, "Alfa 5");
    EXPECT_EQ(db.clubs()[a].squad.player_names[4].raw(), kEmptySlotName);

    EditorDatabase reloaded;
    reloaded.Load(folder.teams());
    EXPECT_EQ(reloaded.ClubPlayer(b, 25).name, "Alfa 2");
    EXPECT_EQ(reloaded.ClubPlayerCount(a), 15);
}

TEST(EditorMoves, ACopiedPlayerJoinsHisNationalTeamAsAReserve) {
    EditorFolder folder;
    folder.WriteClub("a.b14", "Alfa");
    auto national = EditorFolder::MakeNationalTeam(29, 20);
    for (auto& s : national.starter) s = 1;  // free slots that once held starters
    folder.WriteNationalTeam("29.s11", national);
    folder.WriteNationalTeam("30.s11", EditorFolder::MakeNationalTeam(30, 28));
    EditorDatabase db;
    db.Load(folder.teams());
    ASSERT_EQ(db.CopyPlayerToNationalTeam(0, 3), "");
    EXPECT_EQ(db.NationalPlayer(29, 21).name, "Alfa 3");
    EXPECT_EQ(db.national_team(29).starter[20], 0);
    EXPECT_EQ(db.ClubPlayer(0, 3).name, "Alfa 3");  // the club keeps him

    db.clubs()[0].squad.nationality[3] = 30;
    EXPECT_EQ(db.CopyPlayerToNationalTeam(0, 4), "A seleção já tem 28 jogadores");
    db.clubs()[0].squad.nationality[3] = 31;
    EXPECT_EQ(db.CopyPlayerToNationalTeam(0, 4), "O país do jogador não tem seleção");
    db.clubs()[0].squad.nationality[3] = 240;
    EXPECT_EQ(db.CopyPlayerToNationalTeam(0, 4), "O país do jogador não tem seleção");
}

TEST(EditorNationalTeams, AddingAndEditingANationalTeam) {
    EditorFolder folder;
    folder.WriteNationalTeam("3.s11", EditorFolder::MakeNationalTeam(3, 16));
    auto old = EditorFolder::MakeNationalTeam(4, 16);
    old.version = 10;  // of another version: not listed, and may be added
    folder.WriteNationalTeam("quatro.s11", old);
    EditorDatabase db;
    db.Load(folder.teams());
    NationalTeamFields f;
    f.coach_name = "Treinador";
    EXPECT_EQ(db.AddNationalTeam(f), "Escolha o país da seleção");
    f.country = 3;
    EXPECT_EQ(db.AddNationalTeam(f),
              "Esta seleção já existe, você pode edita-la clicando em editar");
    f.country = 8;
    f.coach_name = "";
    EXPECT_EQ(db.AddNationalTeam(f), "Nome do técnico não inserido");
    f.coach_name = "Treinador";
    f.picture_name = "simbolo";
    ASSERT_EQ(db.AddNationalTeam(f), "");
    EXPECT_TRUE(db.IsListedNationalTeam(8));
    EXPECT_EQ(db.national_team(8).squad_complete, 0);
    EXPECT_TRUE(FileExists(folder.Path("selecoes/8.s11")));

    f.country = 4;  // written back to the file it came from, with its old players
    ASSERT_EQ(db.AddNationalTeam(f), "");
    EXPECT_EQ(db.national_team(4).squad_complete, 1);
    EXPECT_FALSE(FileExists(folder.Path("selecoes/4.s11")));

    f.coach_name = "";
    EXPECT_EQ(db.EditNationalTeam(3, f), "Nome do técnico não inserido");
    f.coach_name = "Outro";
    f.level = 22;
    ASSERT_EQ(db.EditNationalTeam(3, f), "");
    EditorDatabase reloaded;
    reloaded.Load(folder.teams());
    EXPECT_EQ(reloaded.national_team(3).coach_name.str(), "Outro");
    EXPECT_EQ(reloaded.national_team(3).level, 22);
    EXPECT_EQ(reloaded.national_team(4).version, kNationalTeamFileVersion);
    EXPECT_EQ(reloaded.national_team(8).picture_name.str(), "simbolo");
}

TEST(EditorClubs, ALetterInACountryListGoesToTheFirstCountryWithIt) {
    struct Case {
        char32_t key;
        int current;
        int expected;
    };
    for (const Case& c : std::vector<Case>{
             {'A', 29, 0},
             {'b', 0, 17},   // either case
             {'E', 29, 57},  // the first with the letter, not the next after the current
             {'M', 0, 121},  // "Ma...", not the first "M..." (Montenegro)
             {'m', 0, 121},
             {'W', 29, 29},  // no country: the choice stays
             {'7', 29, 29},  // no letter
             {U'Á', 29, 29}}) {
        EXPECT_EQ(CountryForKey(c.key, c.current), c.expected) << static_cast<int>(c.key);
    }
}

TEST(EditorClubs, SafeFileNames) {
    for (const char* ok : {"clube", "Clube_Novo-2", "sao paulo", "a"})
        EXPECT_TRUE(IsSafeClubFileName(ok)) << ok;
    for (const char* bad :
         {"", "a/b", "a\\b", "..", "a.b", " lead", "trail ", "é", "a:b", "abcdefghijklmnopqrstuv"})
        EXPECT_FALSE(IsSafeClubFileName(bad)) << bad;
}

}  // namespace
}  // namespace kv
