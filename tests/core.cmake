yav_add_test(NAME core_gbk SOURCES core/test_gbk.cpp)
yav_add_test(NAME core_database SOURCES core/test_database.cpp)
