korvanel_benchmark(match_engine ${CMAKE_CURRENT_LIST_DIR}/match_engine.cpp DEPS kv_match)
