#include "MemoryStatus.h"

#include "FileSystem.h"

#include <charconv>
#include <limits>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kartavel::platform {

namespace {

// The figure of one "Name:   1234 kB" line: digits after the blanks, then an
// optional unit. Nothing for anything else.
std::optional<std::uint64_t> figure(std::string_view rest) {
    const std::size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return std::nullopt;
    rest.remove_prefix(start);
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end == rest.data())
        return std::nullopt;
    std::string_view unit(end, static_cast<std::size_t>(rest.data() + rest.size() - end));
    while (!unit.empty() && (unit.back() == ' ' || unit.back() == '\t' || unit.back() == '\r'))
        unit.remove_suffix(1);
    while (!unit.empty() && (unit.front() == ' ' || unit.front() == '\t'))
        unit.remove_prefix(1);
    if (!unit.empty() && unit != "kB")
        return std::nullopt;
    return value;
}

struct Fields {
    std::optional<std::uint64_t> total, available, free, buffers, cached;
    bool broken = false; // a line this reader needs holds no number
};

} // namespace

std::optional<MemoryStatus> parseMemInfo(std::string_view text) {
    Fields f;
    const std::pair<std::string_view, std::optional<std::uint64_t> Fields::*> wanted[] = {
        {"MemTotal", &Fields::total}, {"MemAvailable", &Fields::available},
        {"MemFree", &Fields::free},   {"Buffers", &Fields::buffers},
        {"Cached", &Fields::cached},
    };
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view name = line.substr(0, colon);
        for (const auto& [key, member] : wanted) {
            if (name != key)
                continue;
            f.*member = figure(line.substr(colon + 1));
            if (!(f.*member))
                f.broken = true;
        }
    }
    if (f.broken || !f.total || *f.total == 0)
        return std::nullopt;
    std::uint64_t available = 0;
    if (f.available) {
        available = *f.available;
    } else if (f.free) {
        // Saturating, so that absurd figures cannot wrap round to a small sum.
        const auto add = [](std::uint64_t a, std::uint64_t b) {
            return a > std::numeric_limits<std::uint64_t>::max() - b
                       ? std::numeric_limits<std::uint64_t>::max()
                       : a + b;
        };
        available = add(add(*f.free, f.buffers.value_or(0)), f.cached.value_or(0));
    } else {
        return std::nullopt;
    }
    const std::uint64_t total = *f.total;
    const std::uint64_t used = available >= total ? 0 : total - available;
    // 100 × used / total without overflow for any size a kernel can report.
    const auto load = used <= std::numeric_limits<std::uint64_t>::max() / 100
                          ? used * 100 / total
                          : used / (total / 100);
    return MemoryStatus{total, static_cast<unsigned>(load)};
}

std::optional<MemoryStatus> memoryStatusFrom(const std::filesystem::path& meminfo) {
    const auto text = readWholeFile(meminfo);
    if (!text)
        return std::nullopt;
    return parseMemInfo(*text);
}

std::optional<MemoryStatus> memoryStatus() {
#ifdef _WIN32
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status) || status.ullTotalPhys == 0)
        return std::nullopt;
    return MemoryStatus{status.ullTotalPhys / 1024, static_cast<unsigned>(status.dwMemoryLoad)};
#else
    return memoryStatusFrom("/proc/meminfo");
#endif
}

} // namespace kartavel::platform
