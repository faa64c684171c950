add_executable(bench_naming ${CMAKE_CURRENT_SOURCE_DIR}/bench_naming.cpp)
target_link_libraries(bench_naming PRIVATE yav_core yav_common_cfg)
# The same runs through the main window, for the time until names show.
add_executable(bench_naming_window ${CMAKE_CURRENT_SOURCE_DIR}/bench_naming_window.cpp)
target_link_libraries(bench_naming_window PRIVATE yav_ui yav_common_cfg)
