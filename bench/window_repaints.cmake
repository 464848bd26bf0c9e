korvanel_benchmark(window_repaints ${CMAKE_CURRENT_LIST_DIR}/window_repaints.cpp DEPS kv_gallery_windows)
