korvanel_benchmark(save_load ${CMAKE_CURRENT_LIST_DIR}/save_load.cpp DEPS kv_season kv_game)
target_compile_definitions(save_load PRIVATE KORVANEL_SAMPLE_TEAMS="${CMAKE_BINARY_DIR}/app/teams")
add_dependencies(save_load sampledb)
