korvanel_benchmark(player_search ${CMAKE_CURRENT_LIST_DIR}/player_search.cpp DEPS kv_match kv_sampledb)
