#include "register/RecordFields.h"

#include "TestSupport.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/Groups.h"
#include "register/Lending.h"
#include "register/NewArchive.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

using namespace kartavel;
namespace cols = store::columns;

namespace {

// Random texts made to meet the reader's rules: blanks and quotes at the ends and
// inside, Turkish letters, line breaks, and characters the code page lacks.
class TextMaker {
public:
    explicit TextMaker(unsigned seed) : rng_(seed) {}

    // With `hostile` false the text still holds blanks and quotes inside, but it
    // begins and ends with a letter and can be written.
    std::string make(std::size_t maxChars, bool hostile = true) {
        static const char* const kPieces[] = {"a", "Z", "7", "ğ", "Ş",  "ı",    "İ",  "ö",   "Ç",
                                              "é", "€", " ", " ", "\t", "'",    "'",  "\"",  "\"",
                                              "=", "[", "]", ";", "-",  "\x1a", "\f", "\x01"};
        // A line break or a character the code page lacks, somewhere in one text of five.
        static const char* const kUnwritable[] = {"\r", "\n", "\r\n", "日"};
        std::string s;
        const std::size_t n = pick(maxChars + 1);
        for (std::size_t i = 0; i < n; ++i)
            s += kPieces[pick(std::size(kPieces))];
        if (!hostile)
            return "ğ" + s + "a";
        if (pick(5) == 0)
            s.insert(pick(s.size() + 1), kUnwritable[pick(std::size(kUnwritable))]);
        // Enclosed in a pair now and then, as a user who quotes a name does.
        switch (pick(6)) {
        case 0:
            return "'" + s + "'";
        case 1:
            return "\"" + s + "\"";
        case 2:
            return " " + s;
        default:
            return s;
        }
    }

    // Texts for the fields of one entry, only one of them hostile: an entry is taken
    // only when all of its texts may be stored.
    std::vector<std::string> entry(std::initializer_list<std::size_t> maxChars) {
        const std::size_t hostile = pick(maxChars.size());
        std::vector<std::string> out;
        for (std::size_t n : maxChars)
            out.push_back(make(n, out.size() == hostile));
        return out;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

private:
    std::mt19937 rng_;
};

// The rule is exact: a text is refused when, and only when, a table file of any
// of the catalogue's tables would not give it back after a save and a load (the
// save refusing it counts as not giving it back).
TEST(TableTextRule, RefusesExactlyWhatATableFileWouldNotGiveBack) {
    const store::TableSchema* schemas[] = {
        &store::schemas::KayitOrj_T(),        &store::schemas::Emenet_Rx(),
        &store::schemas::Kayit_T(),           &store::schemas::Grubu_Rx(),
        &store::schemas::AltGrubu_Rx(),       &store::schemas::GrupF_Kontrol(),
        &store::schemas::GrupF_AltGrubu_Rx(), &store::schemas::AltGrupF_AltGrubu_Rx1()};
    TextMaker maker(21);
    int accepted = 0, refused = 0;
    for (const store::TableSchema* schema : schemas) {
        for (std::size_t f = 0; f < schema->fields.size(); ++f) {
            const store::FieldDef& def = schema->fields[f];
            if (def.type != store::FieldType::String)
                continue;
            for (int i = 0; i < 400; ++i) {
                // What the column keeps of a longer text is what is written.
                const std::string text(
                    text::leftCharacters(maker.make(static_cast<std::size_t>(def.size) + 4),
                                         static_cast<std::size_t>(def.size)));
                store::RecordTable written(*schema);
                written.open();
                written.append();
                written.setString(static_cast<int>(f), text);
                written.post();
                std::optional<std::string> back;
                try {
                    const std::string bytes = store::tableFileBytes(written, "T.DB");
                    store::RecordTable read(*schema);
                    store::loadTableFromBytes(read, bytes);
                    back = read.asString(static_cast<int>(f));
                } catch (const platform::WriteError&) {
                }
                const bool givenBack = back == text;
                const auto refusal = reg::tableTextRefusal("Alan", text);
                EXPECT_EQ(!refusal, givenBack) << schema->name << "." << def.name << " [" << text
                                               << "] " << refusal.value_or("accepted");
                (refusal ? refused : accepted) += 1;
            }
        }
    }
    // The texts reached both sides of the rule.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(refused, 1000);
}

TEST(TableTextRule, NamesTheFieldAndWhatWouldBeLost) {
    const struct {
        std::string text;
        std::optional<std::string> message;
    } cases[] = {
        {"Tek Tırnak", std::nullopt},
        {"'Tek", std::nullopt},
        {"O'Neil \"X\"", std::nullopt},
        {"'a\"", std::nullopt}, // not a matching pair
        {"", std::nullopt},
        {"'Tek Tırnak'", "Arşiv Adı tırnak işaretleri arasında olamaz..."},
        {"\"\"", "Arşiv Adı tırnak işaretleri arasında olamaz..."},
        {" a", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {"a\t", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {"a\x1a", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {" 'a' ", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {"a\rb", "Arşiv Adı alanında kaydedilemeyen karakter var..."},
        {"a\nb", "Arşiv Adı alanında kaydedilemeyen karakter var..."},
        {"日本", "Arşiv Adı alanında kaydedilemeyen karakter var..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reg::tableTextRefusal(reg::labels::kName, c.text), c.message) << c.text;
}

// Every way a user writes a record: registering, editing, the group and sub-group
// lists and lending. Whatever one of them takes, the table file gives back unchanged.
class EntryPaths : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(src / "a.txt", "a");
        catalogue.open();
    }
    reg::Dialogue quiet() {
        return {[](std::string_view) {}, [](std::string_view) { return true; }};
    }
    // Posts a new row of the list's table; false when the list refused it.
    static bool post(store::RecordTable& t, std::string_view column, const std::string& name,
                     const std::string& note) {
        t.append();
        t.setString(column, name);
        t.setString(cols::ACIKLAMA, note);
        try {
            t.post();
            return true;
        } catch (const store::Abort&) {
            t.cancel();
            return false;
        }
    }

    test::ScopedDataFolder data;
    test::TempDir src;
    store::Catalogue catalogue;
    TextMaker maker{2026};
    // Per path: how many entries it took and how many it refused.
    std::map<std::string, std::pair<int, int>> counts;
    void count(const char* path, bool taken) {
        (taken ? counts[path].first : counts[path].second) += 1;
    }
};

TEST_F(EntryPaths, WhatAnEntryPathAcceptsReadsBackAfterASaveAndALoad) {
    auto& t = catalogue.KayitOrj_T;
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        // A new archive.
        reg::NewArchiveInput in;
        in.path = test::utf8(src.path());
        in.date = 46366;
        auto texts = maker.entry({12, 12, 32, 32});
        in.name = texts[0] + std::to_string(i);
        in.code = texts[1];
        in.group = texts[2];
        in.subGroup = texts[3];
        const bool registered =
            !reg::checkNewArchive(t, in) && reg::registerNewArchive(catalogue, in).registered;
        count("register", registered);
        if (registered) {
            store::Catalogue back;
            back.open();
            ASSERT_TRUE(back.KayitOrj_T.locate(cols::ARSIV_ADI, in.name, false)) << in.name;
            EXPECT_EQ(back.KayitOrj_T.asString(cols::OZEL_KODU), in.code);
            EXPECT_EQ(back.KayitOrj_T.asString(cols::GRUBU), reg::groupText(in.group));
            EXPECT_EQ(back.KayitOrj_T.asString(cols::ALTGRUB), reg::groupText(in.subGroup));
            EXPECT_TRUE(reg::viewArchive(in.name).file) << in.name;
        }

        // An edit of the last archive, as the window and the CLI save it.
        if (t.isEmpty())
            continue;
        t.last();
        reg::ArchiveEdit e;
        texts = maker.entry({12, 12, 32, 32});
        e.name = texts[0] + "e" + std::to_string(i);
        e.code = texts[1];
        e.group = texts[2];
        e.subGroup = texts[3];
        const bool edited = !reg::checkArchiveSave(t, e);
        count("edit", edited);
        if (edited) {
            reg::editCurrentArchive(catalogue, e);
            store::Catalogue back;
            back.open();
            ASSERT_TRUE(back.KayitOrj_T.locate(cols::ARSIV_ADI, *e.name, false)) << *e.name;
            EXPECT_EQ(back.KayitOrj_T.asString(cols::OZEL_KODU), *e.code);
            EXPECT_EQ(back.KayitOrj_T.asString(cols::GRUBU), reg::groupText(*e.group));
            EXPECT_EQ(back.KayitOrj_T.asString(cols::ALTGRUB), reg::groupText(*e.subGroup));
            EXPECT_TRUE(reg::viewArchive(*e.name).file) << *e.name;
        }

        // Lending it.
        const std::string archive = t.asString(cols::ARSIV_ADI);
        texts = maker.entry({62, 102});
        const reg::LendInput lend{texts[0], 46366, std::nullopt, texts[1]};
        const bool lent = !reg::checkLend(lend, archive);
        count("lend", lent);
        if (lent) {
            reg::lendArchive(catalogue.Emenet_Rx, archive, lend);
            store::RecordTable back(store::schemas::Emenet_Rx());
            store::RxMemoryLoadFromFile(back, store::Catalogue::lendingPath());
            back.last();
            EXPECT_EQ(back.asString(cols::ARSIV), archive);
            EXPECT_EQ(back.asString(cols::VERILENIADI), text::leftCharacters(lend.person, 60));
            EXPECT_EQ(back.asString(cols::ACIKLAMA), text::leftCharacters(lend.note, 100));
        }
    }

    // The group and sub-group lists, through their tables as their windows and the
    // CLI post them.
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        reg::GroupList groups(quiet());
        groups.load();
        auto texts = maker.entry({16, 102});
        const std::string group = texts[0] + std::to_string(i);
        const std::string note = texts[1];
        const bool grouped = post(groups.Grubu_Rx, cols::GRUBU, group, note);
        count("group", grouped);
        if (grouped) {
            store::RecordTable back(store::schemas::GrupF_Kontrol());
            store::RxMemoryLoadFromFile(back, platform::dataFile(store::files::kGroups));
            back.last();
            EXPECT_EQ(back.asString(cols::GRUBU), text::leftCharacters(group, 20));
            EXPECT_EQ(back.asString(cols::ACIKLAMA), text::leftCharacters(note, 100));
        }
        texts = maker.entry({16, 32, 102});
        reg::SubGroupList subGroups(texts[0], quiet());
        subGroups.load();
        const std::string sub = texts[1] + std::to_string(i);
        const bool posted = post(subGroups.AltGrubu_Rx, cols::ALTGRUP, sub, texts[2]);
        count("sub-group", posted);
        if (posted) {
            store::RecordTable back(store::schemas::AltGrupF_AltGrubu_Rx1());
            store::RxMemoryLoadFromFile(back, platform::dataFile(store::files::kSubGroups));
            back.last();
            EXPECT_EQ(back.asString(cols::ANAGRUP), subGroups.group());
            EXPECT_EQ(back.asString(cols::ALTGRUP), text::leftCharacters(sub, 30));
            EXPECT_EQ(back.asString(cols::ACIKLAMA), text::leftCharacters(texts[2], 100));
        }
    }
    // Every path met texts it took and texts it refused.
    ASSERT_EQ(counts.size(), 5u);
    for (const auto& [path, n] : counts) {
        EXPECT_GT(n.first, 10) << path;
        EXPECT_GT(n.second, 10) << path;
    }
}

} // namespace
