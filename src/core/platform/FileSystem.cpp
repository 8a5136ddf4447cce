#include "FileSystem.h"

#include <mutex>

namespace kartavel::platform {

WriteError::WriteError(const fs::path& path)
    : std::runtime_error("Unable to write to " + utf8FromPath(path)), path_(path) {}

namespace {

std::string readErrorText(const fs::path& path, std::string_view reason) {
    std::string s = utf8FromPath(path) + " okunamadı";
    if (!reason.empty())
        s.append(": ").append(reason);
    return s;
}

std::mutex gFaultMutex;
WriteFault gFault;
ReadFault gReadFault;

} // namespace

ReadError::ReadError(const fs::path& path, std::string_view reason)
    : std::runtime_error(readErrorText(path, reason)) {}

ReadError::ReadError(const fs::path& path, ReadStatus status)
    : ReadError(path, status == ReadStatus::NotAFile ? kNotAFile : std::string_view()) {}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::string data;
    if (readRegularFile(path, data) != ReadStatus::Read)
        return std::nullopt;
    return data;
}

std::optional<std::string> readFileIfPresent(const fs::path& path) {
    std::string data;
    const ReadStatus status = readRegularFile(path, data);
    if (status == ReadStatus::Read)
        return data;
    if (status == ReadStatus::Missing)
        return std::nullopt;
    throw ReadError(path, status);
}

void setWriteFault(WriteFault fault) {
    std::lock_guard lock(gFaultMutex);
    gFault = std::move(fault);
}

bool writeFaultAt(WriteStep step, const fs::path& path) {
    std::lock_guard lock(gFaultMutex);
    return gFault && gFault(step, path);
}

void setReadFault(ReadFault fault) {
    std::lock_guard lock(gFaultMutex);
    gReadFault = std::move(fault);
}

bool readFaultAt(const fs::path& path) {
    std::lock_guard lock(gFaultMutex);
    return gReadFault && gReadFault(path);
}

} // namespace kartavel::platform
