#include "FileSystem.h"

namespace kartavel::platform {

WriteError::WriteError(const fs::path& path)
    : std::runtime_error("Unable to write to " + utf8FromPath(path)), path_(path) {}

ReadError::ReadError(const fs::path& path)
    : std::runtime_error("Unable to read " + utf8FromPath(path)) {}

} // namespace kartavel::platform
