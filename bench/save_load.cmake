korvanel_benchmark(save_load ${CMAKE_CURRENT_LIST_DIR}/save_load.cpp DEPS kv_season)
