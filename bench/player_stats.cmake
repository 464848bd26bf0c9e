korvanel_benchmark(player_stats ${CMAKE_CURRENT_LIST_DIR}/player_stats.cpp DEPS kv_season)
