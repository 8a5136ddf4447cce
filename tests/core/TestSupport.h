#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kartavel::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A path below it; `name` is UTF-8, with "/" or the system's separators.
    std::filesystem::path operator/(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// Points the data folder at a fresh temporary folder for one test, and back after.
class ScopedDataFolder {
public:
    ScopedDataFolder();
    ~ScopedDataFolder();
    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path operator/(std::string_view name) const { return dir_ / name; }

private:
    TempDir dir_;
};

void writeFile(const std::filesystem::path& path, std::string_view bytes);
std::string readFile(const std::filesystem::path& path);

#ifndef _WIN32
// Simulates a full disk while it lives: files this process writes cannot grow past
// `bytes`. POSIX only (a file size limit of the process).
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long savedCurrent_ = 0;
    void (*savedHandler_)(int) = nullptr;
};
#else
// Another program's hold on a file while it lives: open, and nobody may delete,
// rename or replace it.
class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

private:
    void* handle_;
};
#endif

// While it lives, replacing the file at `path` fails: the disk is full past
// `bytes` on POSIX; on Windows another program holds the file open.
class WriteBlocked {
public:
    explicit WriteBlocked([[maybe_unused]] const std::filesystem::path& path,
                          [[maybe_unused]] unsigned long bytes = 8)
#ifdef _WIN32
        : hold_(path){}
#else
        : limit_(bytes) {
    }
#endif

          private :
#ifdef _WIN32
        HeldOpen hold_;
#else
    FileSizeLimit limit_;
#endif
};

// Sets an environment variable while it lives (nullptr removes it), then puts back
// what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

// Clears the write permission (on Windows: sets the read-only attribute).
void makeReadOnly(const std::filesystem::path& path);

// Gives a dot-named entry the hidden bit it has on POSIX by its name alone: on
// Windows the bit is set on the entry.
void markHidden(const std::filesystem::path& path);

// Sets a file's last-write time, in seconds since 1970-01-01 UTC.
void setLastWriteTime(const std::filesystem::path& path, std::int64_t unixSeconds);

// The path as core takes it: UTF-8.
std::string utf8(const std::filesystem::path& path);

// True when the tests run under Wine rather than on Windows itself (or on POSIX).
bool runningUnderWine();

// One 74-byte record of a legacy register. A missing text still has bytes after its
// presence byte 0, so the reader must go by that byte.
struct LegacyRecord {
    std::optional<std::int32_t> serialDay;
    std::optional<std::string> code; // code page 1254 bytes
    std::optional<std::string> name; // code page 1254 bytes
    std::optional<std::int32_t> kodu;
};
std::string legacyRecordBytes(const LegacyRecord& r);
void putLE32(std::string& out, std::size_t at, std::int32_t v);

// The stored-values file "dosya.ini" holding `plain` (ASCII) as the program password,
// scrambled: "[IloStored]" and SIFRE with each byte complemented.
std::string storedPasswordFile(std::string_view plain);

// "TARIHI=1\r\nX=2\r\n" from {"TARIHI=1", "X=2"}.
std::string crlfLines(std::initializer_list<std::string_view> lines);

} // namespace kartavel::test
