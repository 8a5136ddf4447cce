// The details file reader, against two content files: the input as it comes, and
// (when its first byte is odd) with its fingerprint and hashes made to fit, so that
// the facts block and the entries are read too.
#include "FuzzSupport.h"

#include "capture/ArchiveDetails.h"

#include <vector>

using namespace kartavel;

namespace {

struct Content {
    explicit Content(std::string b)
        : bytes(std::move(b)), tree(capture::parseContentFile(bytes).tree) {}
    std::string bytes;
    capture::ArchiveTree tree;
};

const Content& contentFile(bool empty) {
    static const Content files("D:\r\n\ta\r\n\t\tb.txt\r\n\t\tc\r\n\t\t\td.txt\r\n\te.txt\r\n");
    static const Content none("");
    return empty ? none : files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto mode = data[0];
    const Content& content = contentFile(mode & 2);
    std::string bytes(fuzz::bytesOf(data + 1, size - 1));
    const auto fingerprint = capture::fingerprintOf(content.bytes);
    if (mode & 1)
        bytes = capture::resealedDetailsFile(std::move(bytes), fingerprint);
    const auto& tree = content.tree;
    const auto d = capture::parseDetailsFile(bytes, content.bytes, tree);
    if (!d)
        return 0;

    fuzz::check(d->size() == tree.size(), "one entry per node");
    std::vector<capture::FileFacts> files;
    std::vector<std::uint32_t> owners;
    for (std::size_t n = 0; n < tree.size(); ++n) {
        if (!tree.hasChildren(n)) {
            fuzz::check(!d->folder(n), "a file is no folder");
            owners.push_back(static_cast<std::uint32_t>(files.size()));
            files.push_back({d->bytes(n), d->lastWrite(n), d->attributes(n)});
            continue;
        }
        owners.push_back(capture::kNoFile);
        fuzz::check(d->folder(n) && d->attributes(n) == capture::facts::Folder,
                    "a folder has no facts of its own");
        std::uint64_t below = 0;
        for (std::size_t m = n + 1; m < tree.subtreeEnd(n); ++m)
            if (!tree.hasChildren(m))
                below += d->bytes(m);
        fuzz::check(d->bytes(n) == below, "a folder's size is the sum below it");
    }
    // What was read writes back to a file that reads the same.
    const auto again = capture::parseDetailsFile(
        capture::detailsFileBytes(fingerprint, d->facts(), files, owners), content.bytes, tree);
    fuzz::check(again.has_value() && again->facts() == d->facts(), "the facts read back");
    for (std::size_t n = 0; n < tree.size(); ++n)
        fuzz::check(again->bytes(n) == d->bytes(n) && again->lastWrite(n) == d->lastWrite(n) &&
                        again->attributes(n) == d->attributes(n),
                    "the entries read back");
    return 0;
}
