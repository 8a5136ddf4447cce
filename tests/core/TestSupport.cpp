#include "TestSupport.h"

#include "platform/DataFolder.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>

namespace kartavel::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "kartavel-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
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
