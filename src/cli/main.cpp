#include "Cli.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    kartavel::cli::Cli cli({std::cout, std::cerr, std::cin, ::isatty(STDERR_FILENO) == 1,
                            ::isatty(STDIN_FILENO) == 1});
    const int rc = cli.run(args);
    std::cout.flush();
    return rc;
}
