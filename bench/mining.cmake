# Mining: CPU time per query as the seen-list grows (bench/mining.sh runs it).
add_executable(bench_mining_query_cpu mining_query_cpu.cpp)
target_link_libraries(bench_mining_query_cpu PRIVATE vantorix_mining)

# Mining in the real window: paste-back cost as the list grows, peak RSS.
if(TARGET vantorix_app)
    add_executable(bench_mining_window mining_window.cpp)
    target_link_libraries(bench_mining_window PRIVATE vantorix_app)
endif()
