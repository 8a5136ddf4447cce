#pragma once

#include "Arguments.h"
#include "platform/DataFolderLock.h"
#include "store/Catalogue.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::cli {

enum ExitCode : int {
    kDone = 0,      // done
    kRefused = 1,   // the catalogue refused, with its message
    kUsage = 2,     // the command line is wrong
    kFileError = 3, // a file could not be read or written
};

// Where a command reads and writes, and whether a person is at the terminal.
struct Console {
    std::ostream& out; // data
    std::ostream& err; // the catalogue's messages
    std::istream& in;
    bool errIsTerminal = false;
    bool inIsTerminal = false;
};

// kartavel-cli: the catalogue from a terminal, over the same core functions as the
// program's windows.
class Cli {
public:
    explicit Cli(Console console);
    int run(const std::vector<std::string>& argv);

    Console& console() { return console_; }
    store::Catalogue& catalogue() { return *catalogue_; }

    // Opens the catalogue as the main window does when shown. A writing command
    // first takes the data folder's lock and is refused while another program holds
    // it. Returns kDone, or the exit code after its message has been written.
    int openCatalogue(bool writing);
    // Takes the data folder's lock for a command that writes without the catalogue.
    int lockDataFolder();
    // When "dosya.ini" holds a password, asks for it as the login window does.
    // Returns kDone, or the exit code after its message has been written.
    int passwordGate(const Arguments& args);

    // Writes the message to the message stream and returns the exit code.
    int fail(ExitCode code, std::string_view message);

    static std::string usage();

private:
    Console console_;
    std::unique_ptr<store::Catalogue> catalogue_;
    platform::DataFolderLock lock_;
};

// A value as one field of a TAB-separated line: TABs and line breaks become blanks.
std::string fieldText(std::string_view value);

} // namespace kartavel::cli
