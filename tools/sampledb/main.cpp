// Writes the sample teams database into the folder given (the folder of the game's program).
#include <cstdio>
#include <string>

#include "tools/sampledb/sample_database.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: korvanel-sampledb <pasta>\n", stderr);
        return 2;
    }
    std::string error;
    const kv::sampledb::SampleDatabase db = kv::sampledb::BuildSampleDatabase();
    if (!kv::sampledb::WriteSampleDatabase(db, argv[1], {}, &error)) {
        std::fprintf(stderr, "korvanel-sampledb: %s\n", error.c_str());
        return 1;
    }
    std::printf("korvanel-sampledb: %zu clubes, %zu seleções em %s\n", db.clubs.size(),
                db.national_teams.size(), argv[1]);
    return 0;
}
