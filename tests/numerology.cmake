yav_add_test(NAME numerology_core SOURCES core/test_numerology.cpp)
# The analysis adds up the same score as the generator of table zh, on the program's own data.
yav_add_test(NAME numerology_samples SOURCES core/test_score_samples.cpp)
yav_add_test(NAME ui_nameanalysis SOURCES ui/test_nameanalysis.cpp QT)
yav_add_test(NAME cli_numerology SOURCES cli/test_cli_numerology.cpp CLI)
