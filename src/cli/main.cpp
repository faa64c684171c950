#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = yav::cli::runTool(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
