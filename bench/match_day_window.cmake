korvanel_benchmark(match_day_window ${CMAKE_CURRENT_LIST_DIR}/match_day_window.cpp DEPS kv_match_screens)
