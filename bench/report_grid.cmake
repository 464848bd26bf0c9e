korvanel_benchmark(report_grid ${CMAKE_CURRENT_LIST_DIR}/report_grid.cpp DEPS kv_grid)
