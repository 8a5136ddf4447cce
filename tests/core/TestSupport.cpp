#include "TestSupport.h"

#include "platform/DataFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

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

std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto l : lines)
        out.append(l).append("\r\n");
    return out;
}

} // namespace kartavel::test
