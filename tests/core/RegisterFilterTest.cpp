#include "register/RegisterFilter.h"

#include "BrowseFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kartavel;
using reg::FilterCriteria;
using reg::LendChoice;
using reg::MediaChoice;
using reg::SortKey;
using test::fillCatalogue;
using V = std::vector<std::string>;

namespace {

class RegisterFilter : public ::testing::Test {
protected:
    void SetUp() override {
        fillCatalogue(c,
                      {{"DVDARŞİV", "Muzik", "Pop", "0", "K-01", 100},
                       {"Arşiv", "Muzik", "", "1", "k-02", 200},
                       {"Işık", "", "", "2", "", 150},
                       {"ikinci", "Film", "Yerli", "0", "X", std::nullopt},
                       {"Diger kayit", "Diger", "", "1", "", 300},
                       {"odunc", "Film", "Yabanci", "1", "", 200},
                       {"Eski", "", "", "", "", 100}},
                      {"odunc", "ESKI"});
    }

    // The names Filtreleme leaves in Kayit_T, in its order.
    V filter(const FilterCriteria& criteria, const text::Collation& collation = rootCollation()) {
        reg::Filtreleme(c.KayitOrj_T, c.Emenet_Rx, criteria, Kayit_T, collation);
        V names;
        for (Kayit_T.first(); !Kayit_T.eof(); Kayit_T.next())
            names.push_back(Kayit_T.asString("ARSIV_ADI"));
        return names;
    }
    static const text::Collation& rootCollation() {
        static const text::Collation root("");
        return root;
    }

    store::Catalogue c;
    store::RecordTable Kayit_T{store::schemas::Kayit_T()};
};

FilterCriteria with(auto&& change) {
    FilterCriteria f;
    change(f);
    return f;
}

} // namespace

TEST_F(RegisterFilter, EachCriterionAlone) {
    struct Case {
        const char* what;
        FilterCriteria criteria;
        V names;
    };
    const Case cases[] = {
        {"none: every archive, by date, an empty date first",
         {},
         {"ikinci", "DVDARŞİV", "Eski", "Işık", "Arşiv", "odunc", "Diger kayit"}},
        {"name ar: both sides Turkish-folded",
         with([](auto& f) { f.name = "ar"; }),
         {"DVDARŞİV", "Arşiv"}},
        {"dotless ı matches I only", with([](auto& f) { f.name = "ı"; }), {"Işık"}},
        {"dotted i matches İ only",
         with([](auto& f) { f.name = "i"; }),
         {"ikinci", "DVDARŞİV", "Eski", "Arşiv", "Diger kayit"}},
        {"code, anywhere", with([](auto& f) { f.code = "-0"; }), {"DVDARŞİV", "Arşiv"}},
        {"a start date keeps its own day",
         with([](auto& f) { f.from = 200; }),
         {"Arşiv", "odunc", "Diger kayit"}},
        {"an end date keeps its own day and the empty dates",
         with([](auto& f) { f.to = 100; }),
         {"ikinci", "DVDARŞİV", "Eski"}},
        {"both bounds",
         with([](auto& f) { f.from = 100, f.to = 150; }),
         {"DVDARŞİV", "Eski", "Işık"}},
        {"a date of 0 is no bound",
         with([](auto& f) { f.from = 0, f.to = -5; }),
         {"ikinci", "DVDARŞİV", "Eski", "Işık", "Arşiv", "odunc", "Diger kayit"}},
        {"the group Diger is the stored text",
         with([](auto& f) { f.group = "Diger"; }),
         {"Diger kayit"}},
        {"group and sub-group, exactly",
         with([](auto& f) { f.group = "Film", f.subGroup = "Yerli"; }),
         {"ikinci"}},
        {"a sub-group of another group",
         with([](auto& f) { f.group = "Muzik", f.subGroup = "Yerli"; }),
         {}},
        {"letter case counts for groups", with([](auto& f) { f.group = "muzik"; }), {}},
        {"Dvd", with([](auto& f) { f.media = MediaChoice::Dvd; }), {"ikinci", "DVDARŞİV"}},
        {"Cd: not the records without a kind",
         with([](auto& f) { f.media = MediaChoice::Cd; }),
         {"Arşiv", "odunc", "Diger kayit"}},
        {"Klasör", with([](auto& f) { f.media = MediaChoice::Klasor; }), {"Işık"}},
        {"lent: the exact name only",
         with([](auto& f) { f.lending = LendChoice::Lent; }),
         {"odunc"}},
        {"not lent: folders too",
         with([](auto& f) { f.lending = LendChoice::NotLent; }),
         {"ikinci", "DVDARŞİV", "Eski", "Işık", "Arşiv", "Diger kayit"}},
        {"every criterion must hold",
         with([](auto& f) { f.name = "i", f.media = MediaChoice::Cd, f.from = 250; }),
         {"Diger kayit"}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(filter(k.criteria), k.names) << k.what;
}

TEST_F(RegisterFilter, ThePassingRecordsAreCopiedWhole) {
    filter(with([](auto& f) { f.name = "odunc"; }));
    ASSERT_EQ(Kayit_T.recordCount(), 1);
    Kayit_T.first();
    for (const auto& [column, value] :
         std::vector<std::pair<const char*, const char*>>{{"TARIHI", "200"},
                                                          {"OZEL_KODU", ""},
                                                          {"ARSIV_ADI", "odunc"},
                                                          {"KODU", "6"},
                                                          {"GRUBU", "Film"},
                                                          {"ALTGRUB", "Yabanci"},
                                                          {"CDDVD", "1"}})
        EXPECT_EQ(Kayit_T.asString(column), value) << column;
    // A second filter starts from an empty result.
    EXPECT_EQ(filter(with([](auto& f) { f.name = "yok"; })), V{});
}

TEST_F(RegisterFilter, SortsByTheChosenKeyStablyAndReversesExactly) {
    fillCatalogue(c, {{"b", "", "", "0", "b", 5},
                      {"A", "", "", "0", "", 5},
                      {"a", "", "", "0", "A", std::nullopt},
                      {"c", "", "", "0", "a", 1},
                      {"B", "", "", "0", std::string(50, 'z'), 5}});
    struct Case {
        SortKey key;
        bool reverse;
        V names;
    };
    const Case cases[] = {
        {SortKey::Date, false, {"a", "c", "b", "A", "B"}},
        {SortKey::Date, true, {"B", "A", "b", "c", "a"}},
        {SortKey::Name, false, {"A", "a", "b", "B", "c"}},
        {SortKey::Name, true, {"c", "B", "b", "a", "A"}},
        {SortKey::Code, false, {"A", "a", "c", "b", "B"}},
        {SortKey::Code, true, {"B", "b", "c", "a", "A"}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(filter(with([&](auto& f) { f.sort = k.key, f.reverse = k.reverse; })), k.names)
            << static_cast<int>(k.key) << k.reverse;
    // The 50-character code is kept whole.
    Kayit_T.first();
    EXPECT_EQ(Kayit_T.asString("OZEL_KODU"), std::string(50, 'z'));
}

TEST_F(RegisterFilter, TextsSortByTheLocalesCollation) {
    const auto byName = with([](auto& f) { f.sort = SortKey::Name; });
    EXPECT_EQ(filter(byName),
              (V{"Arşiv", "Diger kayit", "DVDARŞİV", "Eski", "ikinci", "Işık", "odunc"}));
    if (test::runningUnderWine())
        GTEST_SKIP() << "Wine's collation has no Turkish letters of its own";
    EXPECT_EQ(filter(byName, text::Collation("tr_TR")),
              (V{"Arşiv", "Diger kayit", "DVDARŞİV", "Eski", "Işık", "ikinci", "odunc"}));
}

TEST_F(RegisterFilter, ClearingKeepsTheLendingChoiceAndTheSort) {
    auto f = with([](auto& f) {
        f.name = "x", f.code = "y", f.from = 1, f.to = 2, f.group = "g", f.subGroup = "s";
        f.media = MediaChoice::Cd, f.lending = LendChoice::Lent, f.sort = SortKey::Code;
        f.reverse = true;
    });
    reg::clearCriteria(f);
    FilterCriteria expected;
    expected.lending = LendChoice::Lent, expected.sort = SortKey::Code, expected.reverse = true;
    EXPECT_EQ(std::tie(f.name, f.code, f.from, f.to, f.group, f.subGroup, f.media, f.lending,
                       f.sort, f.reverse),
              std::tie(expected.name, expected.code, expected.from, expected.to, expected.group,
                       expected.subGroup, expected.media, expected.lending, expected.sort,
                       expected.reverse));
    EXPECT_EQ(filter(f), V{"odunc"}) << "\"Hepsi\" with \"Emanete Verilen\" lists the lent ones";
}
