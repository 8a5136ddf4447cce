#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::cli {

// A command line split into the command, its plain arguments, options with values
// and flags. Global options (--data, --help, --version, --password-stdin) may stand
// anywhere.
struct Arguments {
    std::string command;
    std::vector<std::string> positionals;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
    std::optional<std::string> dataFolder;
    bool help = false;
    bool version = false;
    bool passwordStdin = false; // passwords come as lines of standard input
    bool listCommands = false; // --commands, for the shell's completion

    bool has(std::string_view flag) const { return flags.contains(std::string(flag)); }
    const std::string* option(std::string_view name) const;
};

// What a command accepts.
struct CommandSyntax {
    std::string_view name;
    int minPositionals = 0;
    int maxPositionals = 0;
    std::vector<std::string_view> valueOptions; // "--name"
    std::vector<std::string_view> flagOptions;  // "--yes"
};

struct ParseResult {
    Arguments args;
    std::string error; // empty when the line is well formed
};

ParseResult parseArguments(const std::vector<std::string>& argv,
                           const std::vector<CommandSyntax>& commands);

// The commands and their options, one command a line: its name, then its options,
// those that take a value ending in "=" ("search --archive= --whole"). The shell's
// completion reads this, so a new command completes without editing it.
std::string commandList(const std::vector<CommandSyntax>& commands);

} // namespace kartavel::cli
