# yav_add_test(NAME name SOURCES files... [QT] [ARGS args...])
#   GoogleTest against yav_core by default; QT builds a Qt Test against yav_ui that runs offscreen.
#   Every test finds the database files of the build in YAV_DATA_DIR and runs from the build's bin/.
function(yav_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;ARGS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(T_QT)
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${T_NAME} PRIVATE yav_ui Qt6::Test yav_common_cfg)
  else()
    target_link_libraries(${T_NAME} PRIVATE yav_core GTest::gtest GTest::gtest_main yav_common_cfg)
  endif()
  add_dependencies(${T_NAME} yav_databases yav_fixtures)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} ${T_ARGS} WORKING_DIRECTORY ${YAV_BIN_DIR})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;YAV_DATA_DIR=${YAV_BIN_DIR};YAV_FIXTURE_DIR=${CMAKE_BINARY_DIR}/fixtures;YAV_SOURCE_DIR=${PROJECT_SOURCE_DIR};LANG=C.UTF-8")
endfunction()
