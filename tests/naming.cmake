yav_add_test(NAME naming_lookups SOURCES core/test_lookups.cpp)
yav_add_test(NAME ui_mainwindow SOURCES ui/test_mainwindow.cpp QT)
