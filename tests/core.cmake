yav_add_test(NAME core_gbk SOURCES core/test_gbk.cpp)
yav_add_test(NAME core_database SOURCES core/test_database.cpp)
yav_add_test(NAME core_savefile SOURCES core/test_savefile.cpp)
