#pragma once

#include "Cli.h"
#include "capture/ArchiveDetails.h"
#include "capture/ContentFile.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

// The commands. Each returns its exit code.
namespace kartavel::cli {

int runRegister(Cli& cli, const Arguments& args);
int runList(Cli& cli, const Arguments& args);
int runShow(Cli& cli, const Arguments& args);
int runSearch(Cli& cli, const Arguments& args);
int runDelete(Cli& cli, const Arguments& args);
int runBrowse(Cli& cli, const Arguments& args);
int runPasswd(Cli& cli, const Arguments& args);
int runFilter(Cli& cli, const Arguments& args);
int runLend(Cli& cli, const Arguments& args);
int runReturn(Cli& cli, const Arguments& args);
int runGroups(Cli& cli, const Arguments& args);
int runSubgroups(Cli& cli, const Arguments& args);
int runEdit(Cli& cli, const Arguments& args);
int runInfo(Cli& cli, const Arguments& args);

// A deleting command without --yes asks its question on a terminal; with neither
// it is refused at once. Returns kDone, or kRefused once the refusal is written.
int deletionConfirmable(Cli& cli, const Arguments& args);
// The question, answered with E(vet) or Y(es) on the terminal; true at once with
// --yes.
bool confirmDeletion(Cli& cli, const Arguments& args, std::string_view question);

// A date option, YYYY-MM-DD; an option not given, or given empty, is no date. Returns
// kDone, or kUsage once its message has been written.
int dateOption(Cli& cli, const Arguments& args, std::string_view name,
               std::optional<std::int32_t>& date);

// An option that names one of `choices`; `index` becomes its place among them and
// stays as it is when the option is not given. Returns kDone, or kUsage once its
// message has been written.
int choiceOption(Cli& cli, const Arguments& args, std::string_view name,
                 std::initializer_list<std::string_view> choices, int& index);
int runIndex(Cli& cli, const Arguments& args);

// Makes the register's current record the archive named `name`: the first record
// whose name equals it exactly, else the first equal to it without regard to letter
// case, as a click in the main window does. False, with the refusal written, when
// there is none.
bool selectArchive(Cli& cli, const std::string& name);

// Selects the archive as above and finds its content file. Returns kDone, or the
// exit code once the refusal has been written (no such archive, no content file).
int findArchiveFile(Cli& cli, const std::string& name, std::filesystem::path& file);

// Selects the archive as above and loads its content file. Returns kDone, or the exit
// code once the refusal has been written (no such archive, no content file).
int loadArchive(Cli& cli, const std::string& name, capture::TreeLoad& load);

// The same, with the details file beside the content file (none is no error).
int loadArchiveWithDetails(Cli& cli, const std::string& name, capture::ArchiveLoad& load);

} // namespace kartavel::cli
