korvanel_benchmark(main_window ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp DEPS kv_main_screens kv_sampledb)
target_compile_definitions(main_window PRIVATE KORVANEL_SAMPLE_TEAMS="${CMAKE_BINARY_DIR}/app/teams")
add_dependencies(main_window sampledb)
