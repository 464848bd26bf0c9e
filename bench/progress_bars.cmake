korvanel_benchmark(progress_bars ${CMAKE_CURRENT_LIST_DIR}/progress_bars.cpp DEPS kv_controls)
