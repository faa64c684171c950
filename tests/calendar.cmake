yav_add_test(NAME calendar_dates SOURCES core/test_dates.cpp)
yav_add_test(NAME calendar_hxcalendar SOURCES core/test_hxcalendar.cpp)
yav_add_test(NAME calendar_datecn SOURCES core/test_datecn.cpp)
yav_add_test(NAME calendar_datewin SOURCES ui/test_datewin.cpp QT)
