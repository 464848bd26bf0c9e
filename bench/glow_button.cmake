korvanel_benchmark(glow_button ${CMAKE_CURRENT_LIST_DIR}/glow_button.cpp DEPS kv_controls)
