korvanel_benchmark(season ${CMAKE_CURRENT_LIST_DIR}/season.cpp DEPS kv_game)
target_compile_definitions(season PRIVATE KORVANEL_SAMPLE_TEAMS="${CMAKE_BINARY_DIR}/app/teams")
add_dependencies(season sampledb)
