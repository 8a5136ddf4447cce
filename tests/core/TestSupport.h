#pragma once

#include <filesystem>
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

// "TARIHI=1\r\nX=2\r\n" from {"TARIHI=1", "X=2"}.
std::string crlfLines(std::initializer_list<std::string_view> lines);

} // namespace kartavel::test
