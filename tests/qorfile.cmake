# The reading tables of QorFile: their rules, their agreement with the grades, and that the
# generator still writes them byte for byte.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME qorfile_texts
  COMMAND ${Python3_EXECUTABLE} -m unittest -v tests/data/test_qorfile_texts.py
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
