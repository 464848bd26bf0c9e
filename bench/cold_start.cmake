korvanel_benchmark(cold_start ${CMAKE_CURRENT_LIST_DIR}/cold_start.cpp DEPS kv_game)
target_compile_definitions(cold_start PRIVATE KORVANEL_SAMPLE_TEAMS="${CMAKE_BINARY_DIR}/app/teams")
add_dependencies(cold_start sampledb)
