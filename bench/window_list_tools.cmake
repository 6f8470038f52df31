# The window's list tools on a large list, end to end through the buttons.
if(TARGET vantorix_app)
    add_executable(bench_window_list_tools window_list_tools.cpp)
    target_link_libraries(bench_window_list_tools PRIVATE vantorix_app)
endif()
