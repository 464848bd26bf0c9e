korvanel_benchmark(match_day ${CMAKE_CURRENT_LIST_DIR}/match_day.cpp DEPS kv_match)
