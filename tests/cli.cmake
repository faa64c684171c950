# The tool end to end: each case runs the built yavname-cli.
yav_add_test(NAME cli_tool SOURCES cli/test_cli.cpp ARGS $<TARGET_FILE:yavname-cli>)
add_dependencies(cli_tool yavname-cli)
