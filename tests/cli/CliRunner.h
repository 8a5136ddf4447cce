#pragma once

#include <string>
#include <vector>

namespace kartavel::test {

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the built kartavel-cli with the arguments, feeding `input` to its standard
// input (which is then a pipe, not a terminal).
CliResult runCli(const std::vector<std::string>& args, const std::string& input = {});

} // namespace kartavel::test
