#include "capture/ContentScan.h"

#include "capture/ContentFile.h"
#include "capture/NameIndex.h"
#include "capture/NameIndexCache.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"
#include "text/Cp1254.h"
#include "text/TurkishUpperCase.h"
#include "text/Utf8.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

using namespace kartavel::capture;
using kartavel::test::ProgressRecorder;
using kartavel::text::TurkishUpperCase;
namespace columns = kartavel::store::columns;

namespace {

using Row = std::tuple<std::string, std::size_t, std::string, std::string>;

std::vector<Row> rowsOf(const std::vector<SearchRow>& rows) {
    std::vector<Row> out;
    for (const auto& r : rows)
        out.emplace_back(r.archive, r.node, r.name, r.path);
    return out;
}

struct Query {
    std::string text;
    bool whole = false, caseSensitive = false;
};

std::string describe(const Query& q) {
    return "\"" + q.text + "\" whole " + std::to_string(q.whole) + " case " +
           std::to_string(q.caseSensitive);
}

// The rule itself, on the tree the reader builds: every node in top-to-bottom
// order, its own UTF-8 name upper-cased the Turkish way.
std::vector<Row> treeRule(const ArchiveTree& tree, const Query& q, const std::string& archive) {
    std::vector<Row> out;
    const std::string folded = TurkishUpperCase(q.text);
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const std::string_view name = tree.name(i);
        const bool match = q.whole && q.caseSensitive ? name == q.text
                           : q.whole                  ? TurkishUpperCase(name) == folded
                                     : TurkishUpperCase(name).find(folded) != std::string::npos;
        if (match)
            out.emplace_back(archive, i, std::string(name), tree.TracePath(i));
    }
    return out;
}

// Random content files in either form: names of Turkish letters and their case
// pairs, other letters of the code page, characters it cannot hold and ill-formed
// bytes (UTF-8 form), blanks; lines at random depths, now and then one too deep;
// every kind of line end.
class RandomCatalogue {
public:
    explicit RandomCatalogue(unsigned seed) : rng_(seed) {}

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::string name(bool utf8) {
        static const std::vector<std::string> inPage = {
            "a", "b", "i", "I", "ı", "İ", "ş", "Ş", "ğ", "Ğ", "ç", "Ç", "ö", "Ö", "ü", "Ü",
            "r", "R", "k", "K", "x", "_", ".", "-", " ", "0", "7", "é", "É", "ß", "\t"};
        static const std::vector<std::string> outside = {"ł", "Ω", "中", "\xFF", "ǅ", "\xC4"};
        std::string n;
        const std::size_t pieces = pick(9);
        for (std::size_t i = 0; i < pieces; ++i)
            n += utf8 && chance(0.15) ? outside[pick(outside.size())] : inPage[pick(inPage.size())];
        return n;
    }

    // The bytes of a content file of about `lines` lines.
    std::string file(bool utf8, std::size_t lines) {
        std::string out = utf8 ? std::string(kContentFileBom) : std::string();
        std::size_t level = 0;
        for (std::size_t i = 0; i < lines; ++i) {
            std::size_t depth = i == 0 ? pick(3) : pick(level + 2);
            if (i > 0 && chance(0.004))
                depth = level + 2; // the reader stops here
            level = i == 0 ? 0 : depth;
            out.append(depth, chance(0.05) ? ' ' : '\t');
            const std::string n = name(utf8);
            out += utf8 ? n : *kartavel::text::encodeCp1254(n);
            const std::size_t end = pick(10);
            out += end < 7 ? "\r\n" : end < 9 ? "\n" : "\r";
        }
        if (chance(0.3) && !out.empty() && out.back() == '\n')
            out.resize(out.size() - (out.ends_with("\r\n") ? 2 : 1));
        return out;
    }

    // A search text: part of a name with some letters turned to their pair (or to
    // the ASCII letter that is not their pair), a short one, or a random one.
    Query query(const ArchiveTree& tree) {
        Query q;
        q.whole = chance(0.3);
        q.caseSensitive = chance(0.5);
        const std::size_t kind = pick(10);
        if (kind < 7 && !tree.empty()) {
            const std::string_view n = tree.name(pick(tree.size()));
            std::vector<std::size_t> starts;
            for (std::size_t pos = 0; pos < n.size();) {
                starts.push_back(pos);
                kartavel::text::nextCodePoint(n, pos);
            }
            starts.push_back(n.size());
            std::size_t from = 0, to = starts.size() - 1;
            if (!q.whole && starts.size() > 2) {
                from = pick(starts.size() - 1);
                to = from + 1 + pick(starts.size() - 1 - from);
            }
            q.text = flipCase(std::string(n.substr(starts[from], starts[to] - starts[from])));
        } else if (kind < 9) {
            q.text = name(true).substr(0, 1 + pick(2));
        } else {
            q.text = name(true);
        }
        return q;
    }

private:
    std::string flipCase(const std::string& s) {
        static const std::vector<std::pair<std::string, std::string>> pairs = {
            {"a", "A"}, {"ı", "I"}, {"i", "İ"}, {"i", "I"}, {"ş", "Ş"}, {"ğ", "Ğ"},
            {"ç", "Ç"}, {"ö", "Ö"}, {"ü", "Ü"}, {"r", "R"}, {"k", "K"}, {"é", "É"}};
        std::string out;
        for (std::size_t pos = 0; pos < s.size();) {
            const std::size_t start = pos;
            kartavel::text::nextCodePoint(s, pos);
            std::string c = s.substr(start, pos - start);
            if (chance(0.3)) {
                for (const auto& [lower, upper] : pairs) {
                    if (c == lower || c == upper) {
                        c = c == lower ? upper : lower;
                        break;
                    }
                }
            }
            out += c;
        }
        return out;
    }

    std::mt19937 rng_;
};

kartavel::platform::FileIdentity identityOf(const std::filesystem::path& file) {
    return *kartavel::platform::ReadOnlyFile(file).identity();
}

} // namespace

// The straight walk over the bytes and the walk through the name index find what
// the rule finds on the reader's tree: the same nodes, names and paths, in the same
// order, the same node count and the same message for a file that breaks off.
TEST(ContentScan, BytesAndIndexAgreeWithTheTreeRule) {
    kartavel::test::TempDir dir;
    std::size_t throughIndex = 0, matched = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        RandomCatalogue random(seed);
        const bool utf8 = seed % 2 == 0;
        const std::string bytes = random.file(utf8, 1 + random.pick(250));
        const TreeLoad load = parseContentFile(bytes);
        const auto content = dir / "c.ADS";
        kartavel::test::writeFile(content, bytes);
        const auto id = identityOf(content);
        std::vector<std::unique_ptr<NameIndexReader>> indexes;
        for (const std::uint32_t blockLines : {1u, 3u, 64u}) {
            const auto file = dir / ("i" + std::to_string(blockLines));
            kartavel::test::writeFile(file, buildNameIndex(bytes, id, blockLines));
            indexes.push_back(std::make_unique<NameIndexReader>(file, id));
            ASSERT_EQ(indexes.back()->state(), NameIndexState::Fresh);
            EXPECT_EQ(indexes.back()->nodes(), load.tree.size());
            EXPECT_EQ(indexes.back()->error(), load.error);
        }
        const kartavel::platform::ReadOnlyFile contentFile(content);
        for (int n = 0; n < 12; ++n) {
            const Query q = random.query(load.tree);
            if (q.text.empty())
                continue;
            const auto expected = treeRule(load.tree, q, "A");
            matched += expected.size();
            const auto hits = scanContentFile(bytes, q.text, q.whole, q.caseSensitive, "A");
            ASSERT_EQ(rowsOf(hits.rows), expected) << seed << " " << describe(q);
            EXPECT_EQ(hits.nodes, load.tree.size());
            EXPECT_EQ(hits.error, load.error);
            for (const auto& index : indexes) {
                const FileNameTest test(q.text, q.whole, q.caseSensitive, index->utf8());
                if (const auto rows = index->search(contentFile, test, "A")) {
                    ++throughIndex;
                    ASSERT_EQ(rowsOf(*rows), expected) << seed << " " << describe(q);
                }
            }
        }
    }
    // The cases did reach both paths and find something.
    EXPECT_GT(throughIndex, 1000u);
    EXPECT_GT(matched, 1000u);
}

// The whole all-archives search, without and with the indexes (first written, then
// read): the rows, the node progress and a stop midway are those of searching
// each archive's tree.
TEST(ContentScan, AllArchivesSearchKeepsTheTreeSearchsRowsProgressAndStop) {
    kartavel::test::ScopedDataFolder data;
    NameIndexUse indexed;
    indexed.minContentBytes = 0;
    indexed.blockLines = 4;
    NameIndexUse linear;
    linear.enabled = false;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        RandomCatalogue random(1000 + seed);
        kartavel::store::RecordTable reg(kartavel::store::schemas::KayitOrj_T());
        reg.open();
        std::vector<std::pair<std::string, ArchiveTree>> trees;
        for (int a = 0; a < 3; ++a) {
            const std::string name = "A" + std::to_string(a);
            const std::string bytes = random.file(a == 1, 1 + random.pick(120));
            kartavel::test::writeFile(data / (name + ".ADS"), bytes);
            trees.emplace_back(name, parseContentFile(bytes).tree);
            reg.append();
            reg.setString(columns::ARSIV_ADI, name);
            reg.post();
        }
        for (int n = 0; n < 6; ++n) {
            const Query q = random.query(trees[random.pick(3)].second);
            if (q.text.empty())
                continue;
            std::vector<Row> expected;
            std::vector<std::size_t> totals, dones;
            for (const auto& [name, tree] : trees) {
                const auto rows = treeRule(tree, q, name);
                expected.insert(expected.end(), rows.begin(), rows.end());
                totals.push_back(tree.size());
                for (std::size_t i = 1; i <= tree.size(); ++i)
                    dones.push_back(i);
            }
            for (const auto* use : {&linear, &indexed, &indexed}) {
                ProgressRecorder nodes;
                std::vector<Row> given;
                const auto r = searchAllArchives(
                    reg, {}, q.text, q.whole, q.caseSensitive, kartavel::capture::noProgress(),
                    nodes, [&](const SearchRow& row) { given.push_back(rowsOf({row})[0]); }, *use);
                ASSERT_EQ(rowsOf(r.rows), expected) << seed << " " << describe(q);
                EXPECT_EQ(given, expected);
                EXPECT_EQ(nodes.totals, totals);
                EXPECT_EQ(nodes.dones, dones);
            }
            // A stop after a random node keeps exactly the rows of the nodes before it.
            const std::size_t stopAt = 1 + random.pick(trees[0].second.size());
            ProgressRecorder stopping(stopAt);
            const auto r =
                searchAllArchives(reg, {}, q.text, q.whole, q.caseSensitive,
                                  kartavel::capture::noProgress(), stopping, {}, indexed);
            std::vector<Row> before;
            for (const auto& row : expected) {
                if (std::get<0>(row) == "A0" && std::get<1>(row) < stopAt)
                    before.push_back(row);
            }
            EXPECT_TRUE(r.stopped);
            EXPECT_EQ(rowsOf(r.rows), before) << seed << " " << describe(q);
            EXPECT_EQ(stopping.steps, stopAt);
        }
    }
}

TEST(ContentScan, TextsTheCodePageCannotHoldAndLineEndsInNames) {
    const std::string cp = "D:\r\n\t\xFE"
                           "ark\xFD.mp3\r\n\t\t\xE9t\xE9\r\n";
    const std::string utf8 = std::string(kContentFileBom) + "/\r\n\tłódź\r\n\t\t\xFFx\r\n";
    const struct {
        const std::string* file;
        Query q;
        std::vector<std::size_t> nodes;
    } cases[] = {
        {&cp, {"ŞARKI", false, false}, {1}},  {&cp, {"şarkı.mp3", true, true}, {1}},
        {&cp, {"ł", false, false}, {}},     // not in the code page: no such name
        {&cp, {"\xA9", false, false}, {2}}, // an ill-formed text matches inside é as the rule does
        {&cp, {"ark\nx", false, false}, {}}, // a line end is never inside a name
        {&utf8, {"ŁÓDŹ", false, false}, {}}, // ł and Ł are no Turkish pair
        {&utf8, {"łódź", true, false}, {1}},  {&utf8, {"\xFFX", true, false}, {2}},
        {&utf8, {"\xFF", false, false}, {2}},
    };
    for (const auto& c : cases) {
        const auto hits = scanContentFile(*c.file, c.q.text, c.q.whole, c.q.caseSensitive, "");
        std::vector<std::size_t> nodes;
        for (const auto& row : hits.rows)
            nodes.push_back(row.node);
        EXPECT_EQ(nodes, c.nodes) << describe(c.q);
        EXPECT_EQ(rowsOf(hits.rows), treeRule(parseContentFile(*c.file).tree, c.q, std::string()))
            << describe(c.q);
    }
}

TEST(ContentScan, EmptyAndUnreadableContentFiles) {
    kartavel::test::ScopedDataFolder data;
    kartavel::store::RecordTable reg(kartavel::store::schemas::KayitOrj_T());
    reg.open();
    for (const char* name : {"Bos", "Klasor", "Dolu"}) {
        reg.append();
        reg.setString(columns::ARSIV_ADI, name);
        reg.post();
    }
    kartavel::test::writeFile(data / "Bos.ADS", "");        // a scan that found no file
    std::filesystem::create_directory(data / "Klasor.ADS"); // not a file: told
    kartavel::test::writeFile(data / "Dolu.ADS", "D:\r\n\tbos.txt\r\n");
    NameIndexUse indexed;
    indexed.minContentBytes = 0;
    for (const auto& use : {indexed, indexed}) {
        ProgressRecorder nodes;
        const auto r =
            searchAllArchives(reg, {}, "bos", false, false, noProgress(), nodes, {}, use);
        ASSERT_EQ(r.loadErrors.size(), 1u);
        EXPECT_EQ(r.loadErrors[0],
                  std::pair(std::string("Klasor"),
                            (data / "Klasor.ADS").string() + " okunamadı: bir dosya değil"));
        EXPECT_EQ(rowsOf(r.rows), (std::vector<Row>{{"Dolu", 1, "bos.txt", "D:\\bos.txt"}}));
        EXPECT_EQ(nodes.totals, (std::vector<std::size_t>{0, 0, 2}));
    }
    const auto gone = searchArchiveFile(data / "Yok.ADS", "bos", false, false);
    ASSERT_EQ(gone.loadErrors.size(), 1u);
    EXPECT_EQ(gone.loadErrors[0].second, (data / "Yok.ADS").string() + " okunamadı");
    EXPECT_EQ(gone.message, "Arama tamamlandı.\r\nAranan kelime bulunamadı...");
}
