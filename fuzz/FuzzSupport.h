#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

// What every fuzz target shares: the input as bytes, a property check that stops the
// run so the fuzzer keeps the input, and a scratch file for readers that take a path.
namespace kartavel::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A property failed: abort, which the fuzzer reports as a crash with this input.
inline void check(bool ok, const char* property) {
    if (ok)
        return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

// One file per process, rewritten with each input and removed at exit.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name)
        : path_(folder() /
                ("kartavel-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name))) {}
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(std::string_view bytes) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        check(out.good(), "the scratch file takes the input");
    }

private:
    // Memory-backed where there is such a folder: a disk file rewritten for every
    // input is flushed on each close and slows the run a hundredfold.
    static std::filesystem::path folder() {
        std::error_code ec;
        if (std::filesystem::is_directory("/dev/shm", ec))
            return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

} // namespace kartavel::fuzz
