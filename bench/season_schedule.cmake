korvanel_benchmark(season_schedule ${CMAKE_CURRENT_LIST_DIR}/season_schedule.cpp DEPS kv_season)
