#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// The machine's physical memory, as the about box shows it.
namespace kartavel::platform {

struct MemoryStatus {
    std::uint64_t totalKb = 0; // physical memory, in kilobytes
    unsigned load = 0;         // percent in use, 0 to 100
    bool operator==(const MemoryStatus&) const = default;
};

// This machine's memory: on Linux from the kernel's memory information
// (/proc/meminfo), with load = 100 × (total − available) / total. Nothing when it
// cannot be read or makes no sense; the caller shows no figures then.
std::optional<MemoryStatus> memoryStatus();

// The same from a file of that form.
std::optional<MemoryStatus> memoryStatusFrom(const std::filesystem::path& meminfo);

// The figures of a text in the form of /proc/meminfo ("MemTotal:  16314952 kB"
// lines). Without MemAvailable (kernels before 3.14) the available memory is
// MemFree + Buffers + Cached. Nothing when MemTotal is missing or 0, or a figure
// it needs is not a number.
std::optional<MemoryStatus> parseMemInfo(std::string_view text);

} // namespace kartavel::platform
