#include "ContentFile.h"

#include "OutlineScan.h"

#include "platform/FileSystem.h"
#include "platform/PathForm.h"
#include "text/Cp1254.h"
#include "text/Utf8.h"

#include <algorithm>

namespace kartavel::capture {

namespace {

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Leading and trailing characters of code 32 or less go: leading blanks would
// read back as depth.
std::string_view trimmed(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32)
        name.remove_prefix(1);
    while (!name.empty() && static_cast<unsigned char>(name.back()) <= 32)
        name.remove_suffix(1);
    return name;
}

// Makes the lines in one of the two file forms.
class LineWriter {
public:
    LineWriter(bool codePage, std::vector<std::uint32_t>* owners)
        : codePage_(codePage), owners_(owners) {}

    // False when the name does not fit the code page. `owner`: the path whose file
    // the line is, or kNoFile.
    bool append(std::size_t depth, std::string_view name, std::uint32_t owner) {
        if (owners_)
            owners_->push_back(owner);
        name = trimmed(name);
        out.append(depth, '\t');
        const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80 && c != '\r' && c != '\n';
        });
        if (plain)
            out.append(name);
        else if (!appendUnusual(name))
            return false;
        out.append("\r\n");
        return true;
    }

    std::string out;

private:
    bool appendUnusual(std::string_view name) {
        const std::size_t start = out.size();
        out.append(name);
        // A line end inside a name would split the line and break the outline.
        std::replace_if(
            out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
            [](char c) { return c == '\r' || c == '\n'; }, ' ');
        if (!codePage_)
            return true;
        // Encoded in place: a character's code page byte is never longer than its UTF-8.
        std::size_t to = start;
        for (std::size_t from = start; from < out.size();) {
            const char32_t cp = text::nextCodePoint(out, from);
            const auto byte =
                cp == text::kInvalidCodePoint ? std::nullopt : text::unicodeToCp1254(cp);
            if (!byte)
                return false;
            out[to++] = static_cast<char>(*byte);
        }
        out.resize(to);
        return true;
    }

    bool codePage_;
    std::vector<std::uint32_t>* owners_;
};

// The lines of the paths, in code page 1254 or (when `codePage` is false) UTF-8.
// False when a name does not fit the code page.
bool writeLines(const std::vector<std::string>& paths, LineWriter& lines, Progress& progress) {
    std::size_t total = 0;
    for (const auto& p : paths)
        total += p.size();
    lines.out.reserve(total);

    platform::PathParts parts;
    std::vector<std::string_view> names, previous; // the root counts as the first name
    std::string_view previousFolder;               // the previous path up to its last separator
    progress.begin(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string_view path = paths[i];
        const std::size_t cut = platform::lastSeparator(path);
        const std::string_view folder = cut == std::string_view::npos || cut + 1 == path.size()
                                            ? std::string_view{}
                                            : path.substr(0, cut + 1);
        if (!folder.empty() && folder == previousFolder && previous.size() >= 2) {
            // Most paths are a file of the folder before: only its name is new.
            previous.back() = path.substr(cut + 1);
            if (!lines.append(previous.size() - 1, previous.back(), static_cast<std::uint32_t>(i)))
                return false;
        } else {
            platform::splitPath(path, parts);
            names.clear();
            if (!parts.root.empty())
                names.push_back(parts.root);
            names.insert(names.end(), parts.components.begin(), parts.components.end());
            if (!names.empty()) {
                // The file's own name is always written, even after an equal path.
                const auto common =
                    std::mismatch(names.begin(), names.end() - 1, previous.begin(), previous.end());
                for (auto n = common.first; n != names.end(); ++n) {
                    const auto owner =
                        n + 1 == names.end() ? static_cast<std::uint32_t>(i) : kNoFile;
                    if (!lines.append(static_cast<std::size_t>(n - names.begin()), *n, owner))
                        return false;
                }
                std::swap(names, previous);
            }
        }
        previousFolder = folder;
        progress.step(i + 1);
    }
    return true;
}

} // namespace

namespace {

std::string linesOf(const std::vector<std::string>& sortedPaths, Progress& progress,
                    std::vector<std::uint32_t>* owners) {
    LineWriter codePage(true, owners);
    if (writeLines(sortedPaths, codePage, progress))
        return std::move(codePage.out);
    // A name the code page cannot hold: the whole file becomes UTF-8.
    if (owners)
        owners->clear();
    LineWriter utf8(false, owners);
    utf8.out = kContentFileBom;
    writeLines(sortedPaths, utf8, noProgress());
    return std::move(utf8.out);
}

} // namespace

std::string contentFileText(const std::vector<std::string>& sortedPaths, Progress& progress) {
    return linesOf(sortedPaths, progress, nullptr);
}

ContentText contentFileLines(const std::vector<std::string>& sortedPaths, Progress& progress) {
    ContentText text;
    text.bytes = linesOf(sortedPaths, progress, &text.fileOfNode);
    return text;
}

void writeContentFile(const std::filesystem::path& file,
                      const std::vector<std::string>& sortedPaths, Progress& progress) {
    platform::replaceFileAtomically(file, contentFileText(sortedPaths, progress));
}

std::size_t ArchiveTree::level(std::size_t node) const {
    std::size_t n = 0;
    for (auto p = parent(node); p != kNone; p = parent(static_cast<std::size_t>(p)))
        ++n;
    return n;
}

NodeKind ArchiveTree::kind(std::size_t node) const {
    if (node == 0)
        return NodeKind::Root;
    return hasChildren(node) ? NodeKind::Folder : NodeKind::File;
}

std::vector<std::size_t> ArchiveTree::children(std::int32_t node) const {
    std::vector<std::size_t> out;
    std::size_t c = node == kNone ? 0 : static_cast<std::size_t>(node) + 1;
    const std::size_t end = node == kNone ? size() : subtreeEnd(static_cast<std::size_t>(node));
    for (; c < end; c = subtreeEnd(c))
        out.push_back(c);
    return out;
}

std::string ArchiveTree::TracePath(std::size_t node) const {
    std::vector<std::string_view> names{name(node)};
    for (auto p = parent(node); p != kNone; p = parent(static_cast<std::size_t>(p)))
        names.push_back(name(static_cast<std::size_t>(p)));
    std::reverse(names.begin(), names.end());
    return nodePath(names);
}

std::string nodePath(std::span<const std::string_view> names) {
    if (names.empty())
        return {};
    const char separator = platform::separatorOf(platform::rootForm(names.front()));
    std::string path(names.front());
    for (const auto name : names.subspan(1))
        platform::appendName(path, name, separator);
    return path;
}

// Builds the flat array from the outline's lines in one pass.
class TreeBuilder {
public:
    TreeBuilder(ArchiveTree& tree, bool utf8) : tree_(tree), utf8_(utf8) {}

    void add(std::size_t level, std::string_view text) {
        const auto index = static_cast<std::uint32_t>(tree_.nodes_.size());
        closeFrom(level, index);
        rows_.resize(level + 1, 0);
        ArchiveTree::Node node{};
        node.nameOffset = tree_.names_.size();
        appendName(text);
        node.nameLength = static_cast<std::uint32_t>(tree_.names_.size() - node.nameOffset);
        node.parent = level == 0 ? ArchiveTree::kNone : static_cast<std::int32_t>(open_[level - 1]);
        node.row = rows_[level]++;
        tree_.nodes_.push_back(node);
        open_.push_back(index);
    }

    void finish() {
        closeFrom(0, static_cast<std::uint32_t>(tree_.nodes_.size()));
        tree_.nodes_.shrink_to_fit();
        tree_.names_.shrink_to_fit();
    }

    std::string decoded(std::string_view text) const {
        return utf8_ ? std::string(text) : text::decodeCp1254(text);
    }

private:
    // The open nodes at `level` and deeper end before node `index`.
    void closeFrom(std::size_t level, std::uint32_t index) {
        for (std::size_t l = level; l < open_.size(); ++l)
            tree_.nodes_[open_[l]].end = index;
        open_.resize(std::min(level, open_.size()));
    }

    void appendName(std::string_view text) {
        auto& names = tree_.names_;
        if (utf8_ || isAscii(text)) {
            names.append(text);
            return;
        }
        for (char c : text) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x80)
                names.push_back(c);
            else
                text::appendUtf8(names, text::cp1254ToUnicode(b));
        }
    }

    ArchiveTree& tree_;
    bool utf8_;
    std::vector<std::uint32_t> open_; // the latest node of each level on the way down
    std::vector<std::uint32_t> rows_; // children seen so far below each open node
};

TreeLoad parseContentFile(std::string_view bytes, Progress& progress, std::size_t maxNodes) {
    // The tree numbers its nodes and measures its names in 32 bits.
    maxNodes = std::min<std::size_t>(maxNodes, kMaxArchiveNodes);
    TreeLoad result;
    const bool utf8 = bytes.starts_with(kContentFileBom);
    if (utf8)
        bytes.remove_prefix(kContentFileBom.size());
    TreeBuilder builder(result.tree, utf8);
    progress.begin(0);
    OutlineScanner lines(bytes);
    while (lines.next()) {
        if (result.tree.size() >= maxNodes || lines.name().size() > kMaxArchiveNodes) {
            result.error = std::string(kArchiveTooLarge);
            break;
        }
        builder.add(lines.level(), lines.name());
        progress.step(lines.node() + 1);
    }
    if (result.ok() && lines.failed())
        result.error =
            invalidLevelMessage(lines.failedDepth(), builder.decoded(lines.failedName()));
    builder.finish();
    return result;
}

TreeLoad loadContentFile(const std::filesystem::path& file, Progress& progress) {
    std::string bytes;
    const auto status = platform::readRegularFile(file, bytes);
    if (status == platform::ReadStatus::Read)
        return parseContentFile(bytes, progress);
    TreeLoad failed;
    failed.error = platform::ReadError(file, status).what();
    return failed;
}

} // namespace kartavel::capture
