add_executable(bench_calendar ${CMAKE_CURRENT_SOURCE_DIR}/bench_calendar.cpp)
target_link_libraries(bench_calendar PRIVATE yav_core yav_common_cfg)
