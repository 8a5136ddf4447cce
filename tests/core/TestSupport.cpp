#include "TestSupport.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace kartavel::test {

TempDir::TempDir() {
    static std::mt19937_64 random{std::random_device{}()};
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const auto candidate = base / ("kartavel-test-" + std::to_string(random() % 1000000000));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec))
            path_ = candidate;
    }
    if (path_.empty())
        throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    // Tests leave read-only files and folders behind; give them back their rights.
    std::error_code ec;
    const auto all = std::filesystem::perms::owner_all;
    const auto add = std::filesystem::perm_options::add;
    std::filesystem::permissions(path_, all, add, ec);
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink())
            std::filesystem::permissions(it->path(), all, add, ec);
    }
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::operator/(std::string_view name) const {
    return path_ / platform::pathFromUtf8(name);
}

ScopedDataFolder::ScopedDataFolder() {
    platform::setDataFolder(dir_.path());
}
ScopedDataFolder::~ScopedDataFolder() {
    platform::setDataFolder({});
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

#ifndef _WIN32
FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    savedCurrent_ = l.rlim_cur;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    l.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &l);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    l.rlim_cur = savedCurrent_;
    setrlimit(RLIMIT_FSIZE, &l);
    std::signal(SIGXFSZ, savedHandler_);
}
#else
HeldOpen::HeldOpen(const std::filesystem::path& path)
    : handle_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open " + utf8(path));
}

HeldOpen::~HeldOpen() {
    ::CloseHandle(handle_);
}
#endif

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name))
        saved_ = old;
#ifdef _WIN32
    ::_putenv_s(name, value ? value : ""); // the empty value removes it
#else
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
#endif
}

ScopedEnv::~ScopedEnv() {
#ifdef _WIN32
    ::_putenv_s(name_.c_str(), saved_ ? saved_->c_str() : "");
#else
    if (saved_)
        ::setenv(name_.c_str(), saved_->c_str(), 1);
    else
        ::unsetenv(name_.c_str());
#endif
}

void makeReadOnly(const std::filesystem::path& path) {
    using std::filesystem::perms;
    std::filesystem::permissions(path,
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

void markHidden(const std::filesystem::path& path) {
#ifdef _WIN32
    const DWORD a = ::GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES ||
        !::SetFileAttributesW(path.c_str(), a | FILE_ATTRIBUTE_HIDDEN))
        throw std::runtime_error("cannot hide " + utf8(path));
#else
    (void)path;
#endif
}

void setLastWriteTime(const std::filesystem::path& path, std::int64_t unixSeconds) {
    const auto t = std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds));
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(t));
}

std::string utf8(const std::filesystem::path& path) {
    return platform::utf8FromPath(path);
}

bool runningUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

void putLE32(std::string& out, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::string legacyRecordBytes(const LegacyRecord& r) {
    std::string b(74, '\0');
    b[0] = r.serialDay ? 1 : 0;
    putLE32(b, 1, r.serialDay.value_or(0) + 693594); // days from 1 January of year 1
    b[5] = r.code ? 1 : 0;
    const std::string code = r.code.value_or("GIZLI");
    b.replace(6, code.size(), code);
    b[27] = r.name ? 1 : 0;
    const std::string name = r.name.value_or("GIZLI");
    b.replace(28, name.size(), name);
    b[69] = r.kodu ? 1 : 0;
    putLE32(b, 70, r.kodu.value_or(99));
    return b;
}

std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto l : lines)
        out.append(l).append("\r\n");
    return out;
}

std::string storedPasswordFile(std::string_view plain) {
    std::string out = "[IloStored]\r\nSIFRE=";
    for (char c : plain)
        out.push_back(static_cast<char>(~static_cast<unsigned char>(c)));
    return out + "\r\n";
}

} // namespace kartavel::test
