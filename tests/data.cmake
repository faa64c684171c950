# Reference data of characters and scores (word, zh, sancai, the pinyin table): the committed
# files must be what the generators make from the committed sources, and they must hold what the
# numerology tables publish.
if(NOT Python3_EXECUTABLE)
  find_package(Python3 COMPONENTS Interpreter REQUIRED)
endif()
add_test(NAME data_regenerate
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/data/check_regenerate.py)
add_test(NAME data_tables
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/data/test_chardata.py)
