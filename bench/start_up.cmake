korvanel_benchmark(start_up ${CMAKE_CURRENT_LIST_DIR}/start_up.cpp DEPS kv_start kv_window_routes)
target_compile_definitions(start_up PRIVATE KORVANEL_GAME_FOLDER="${CMAKE_BINARY_DIR}/app")
add_dependencies(start_up sampledb)
