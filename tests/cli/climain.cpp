// Entry of the tests that run the tool: the first argument is the path of yavname-cli.
#include "cli/clirunner.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        yav::test::cliPath() = argv[1];
    return RUN_ALL_TESTS();
}
