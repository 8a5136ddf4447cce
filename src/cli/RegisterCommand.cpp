#include "Commands.h"
#include "TerminalProgress.h"

#include "capture/NewArchive.h"
#include "platform/FileSystem.h"
#include "platform/PathForm.h"
#include "store/SerialDate.h"

#include <ostream>

namespace kartavel::cli {

namespace {

// The folder as the window's folder field gives it: absolute, without "." and ".."
// steps, and without a trailing separator (but for the root itself). A drive with
// no folder after it ("E:") means the drive's root, never its current folder.
std::string absoluteFolder(const std::string& path) {
    if (path.empty())
        return path;
    auto p = platform::pathFromUtf8(path);
    if (p.has_root_name() && !p.has_root_directory()) {
        std::filesystem::path rooted = p.root_name();
        rooted += std::filesystem::path::preferred_separator;
        p = rooted / p.relative_path();
    }
    p = std::filesystem::absolute(p).lexically_normal();
    std::string s = platform::utf8FromPath(p);
    while (s.size() > 1 && s.back() == platform::kNativeSeparator)
        s.pop_back();
    return s;
}

} // namespace

int runRegister(Cli& cli, const Arguments& args) {
    capture::NewArchiveInput in;
    in.path = absoluteFolder(args.positionals.at(0));
    in.name = args.option("--name") ? *args.option("--name") : std::string();
    in.code = args.option("--code") ? *args.option("--code") : std::string();
    in.group = args.option("--group") ? *args.option("--group") : std::string();
    in.subGroup = args.option("--sub") ? *args.option("--sub") : std::string();
    in.date = store::todaySerial();
    if (const std::string* d = args.option("--date")) {
        if (d->empty()) {
            in.date.reset();
        } else if (auto parsed = store::parseIsoDate(*d)) {
            in.date = *parsed;
        } else {
            return cli.fail(kUsage, "--date YYYY-AA-GG biçiminde bir gün olmalı: " + *d);
        }
    }
    if (const std::string* m = args.option("--media")) {
        if (*m == "dvd")
            in.mediaKind = 0;
        else if (*m == "cd")
            in.mediaKind = 1;
        else if (*m == "folder")
            in.mediaKind = 2;
        else
            return cli.fail(kUsage, "--media dvd, cd ya da folder olmalı: " + *m);
    }
    // The window's name field never takes these characters; a command line cannot
    // drop them as they are typed, so it refuses them.
    for (char c : in.name)
        if (capture::isFilteredNameCharacter(c))
            return cli.fail(kRefused, "Arşiv Adında \" * / : < > ? \\ | karakterleri "
                                      "kullanılamaz...");

    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (const auto refusal = capture::checkNewArchive(cli.catalogue().KayitOrj_T, in))
        return cli.fail(kRefused, *refusal);

    auto& con = cli.console();
    TerminalProgress scan(con.err, con.errIsTerminal, "Taranıyor: klasör");
    TerminalProgress write(con.err, con.errIsTerminal, "Lütfen Bekleyiniz.");
    const auto result = capture::registerNewArchive(cli.catalogue(), in, scan, write);
    scan.finish();
    write.finish();
    if (!result.registered)
        return cli.fail(kRefused, result.message);
    con.err << result.message << '\n';
    return kDone;
}

} // namespace kartavel::cli
