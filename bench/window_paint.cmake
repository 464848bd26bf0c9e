korvanel_benchmark(window_paint ${CMAKE_CURRENT_LIST_DIR}/window_paint.cpp DEPS kv_window)
