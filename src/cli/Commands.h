#pragma once

#include "Cli.h"

// The commands. Each returns its exit code.
namespace kartavel::cli {

int runList(Cli& cli, const Arguments& args);
int runBrowse(Cli& cli, const Arguments& args);

} // namespace kartavel::cli
