korvanel_benchmark(smooth_panel ${CMAKE_CURRENT_LIST_DIR}/smooth_panel.cpp DEPS kv_controls)
