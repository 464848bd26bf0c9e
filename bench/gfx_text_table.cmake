korvanel_benchmark(gfx_text_table ${CMAKE_CURRENT_LIST_DIR}/gfx_text_table.cpp DEPS kv_gfx)
