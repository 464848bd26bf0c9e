korvanel_benchmark(play_through ${CMAKE_CURRENT_LIST_DIR}/play_through.cpp DEPS kv_window_routes
  kv_newgame_screens kv_main_screens kv_match_screens kv_club_screens kv_game kv_sampledb)
target_sources(play_through PRIVATE ${CMAKE_SOURCE_DIR}/tests/playthrough/play_through.cpp)
target_compile_definitions(play_through PRIVATE
  KORVANEL_SAMPLE_GAME="${CMAKE_BINARY_DIR}/app")
add_dependencies(play_through sampledb)
