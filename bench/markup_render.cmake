korvanel_benchmark(markup_render ${CMAKE_CURRENT_LIST_DIR}/markup_render.cpp DEPS kv_markup)
