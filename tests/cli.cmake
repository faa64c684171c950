# The tool end to end: each case runs the built yavname-cli.
yav_add_test(NAME cli_tool SOURCES cli/test_cli.cpp CLI)
