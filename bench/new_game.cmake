korvanel_benchmark(new_game ${CMAKE_CURRENT_LIST_DIR}/new_game.cpp DEPS kv_match kv_sampledb)
