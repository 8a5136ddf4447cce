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
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

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

// Simulates a full disk while it lives: files this process writes cannot grow past
// `bytes`.
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
