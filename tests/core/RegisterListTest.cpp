#include "register/RegisterList.h"

#include "BrowseFixture.h"
#include "register/RegisterFilter.h"

#include <gtest/gtest.h>

using namespace kartavel;
using reg::RegisterRow;
using test::fillCatalogue;
using test::shown;
using V = std::vector<std::string>;

namespace {

// The register window's rows for a register and its lent names, unfiltered.
std::vector<RegisterRow> rowsOf(const std::vector<test::ArchiveRow>& archives,
                                const std::vector<std::string>& lent = {}) {
    store::Catalogue c;
    fillCatalogue(c, archives, lent);
    store::RecordTable Kayit_T(store::schemas::Kayit_T());
    reg::Filtreleme(c.KayitOrj_T, c.Emenet_Rx, {}, Kayit_T);
    return reg::registerRows(Kayit_T, c.Emenet_Rx);
}

} // namespace

TEST(RegisterList, RowTextsAndTheViewersPlace) {
    // Listed by date: the one without a date first.
    const auto rows = rowsOf({{"a", "Muzik", "Pop", "0", "K1", 46366},
                              {"b", "Muzik", "", "0", "", 46367},
                              {"c", "", "", "0", "", 46368},
                              {"d", "", "Yetim"}});
    struct Expected {
        const char* grubu;
        const char* altGrubu;
        const char* place;
    };
    const Expected expected[] = {{"Diger", "Yetim", "Diger\\Yetim"},
                                 {"Muzik", "Pop", "Muzik\\Pop"},
                                 {"Muzik", "Diger", "Muzik\\Diger"},
                                 {"Diger", "", "Diger\\"}};
    ASSERT_EQ(rows.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].grubu, expected[i].grubu) << i;
        EXPECT_EQ(rows[i].altGrubu, expected[i].altGrubu) << i;
        EXPECT_EQ(reg::viewerLocation(rows[i]), expected[i].place) << i;
    }
    EXPECT_EQ(rows[0].tarihi, std::nullopt);
    EXPECT_EQ(rows[1].caption, "a");
    EXPECT_EQ(rows[1].ozelKodu, "K1");
    EXPECT_EQ(rows[1].tarihi, 46366);
}

TEST(RegisterList, IconsByMediumAndExactLending) {
    const auto rows = rowsOf({{"dvd", "", "", "0"},
                              {"folder", "", "", "2"},
                              {"cd", "", "", "1"},
                              {"legacy", "", "", ""},
                              {"lent dvd", "", "", "0"},
                              {"lent cd", "", "", "1"},
                              {"lent folder", "", "", "2"},
                              {"Lent Dvd", "", "", "0"}},
                             {"lent dvd", "lent cd", "lent folder"});
    std::vector<int> icons;
    for (const auto& r : rows)
        icons.push_back(r.icon);
    EXPECT_EQ(icons, (std::vector<int>{27, 26, 29, 29, 30, 28, 28, 27}));

    std::vector<std::pair<bool, bool>> menus;
    for (const auto& r : rows)
        menus.push_back({reg::registerMenuState(&r).lend, reg::registerMenuState(&r).takeBack});
    using P = std::pair<bool, bool>;
    EXPECT_EQ(menus, (std::vector<P>{{true, false},
                                     {false, false},
                                     {true, false},
                                     {true, false},
                                     {false, true},
                                     {false, true},
                                     {false, true},
                                     {true, false}}));
    EXPECT_FALSE(reg::registerMenuState(nullptr).lend || reg::registerMenuState(nullptr).takeBack);
}

namespace {

class Locate : public ::testing::Test {
protected:
    // The main window and the register window read the same register.
    void load(const std::vector<test::ArchiveRow>& archives) {
        fillCatalogue(main, archives);
        fillCatalogue(copy, archives);
        store::RecordTable Kayit_T(store::schemas::Kayit_T());
        reg::Filtreleme(copy.KayitOrj_T, copy.Emenet_Rx, {}, Kayit_T);
        rows = reg::registerRows(Kayit_T, copy.Emenet_Rx);
        state = {};
        state.currentSubGroup = "eski"; // what an earlier walk left
    }
    reg::LocateResult locate(const std::string& name) {
        for (const auto& r : rows)
            if (r.caption == name)
                return reg::locateArchive(copy.KayitOrj_T, r, main, state);
        ADD_FAILURE() << "no row " << name;
        return {};
    }

    store::Catalogue main, copy;
    browse::BrowseState state;
    std::vector<RegisterRow> rows;
};

} // namespace

TEST_F(Locate, LeadsToEachLevelAndSelectsTheArchive) {
    const std::vector<test::ArchiveRow> grouped = {{"p1", "Muzik", "Pop"}, {"m0", "Muzik", ""},
                                                   {"m1", "Muzik", ""},    {"f1", "Film", "", "2"},
                                                   {"n1", "", ""},         {"n2", "", "Yetim"}};
    struct Case {
        const char* name;
        int level;
        const char* location;
        const char* group;
        const char* subGroup;
        V listing;
        int selected;
    };
    const Case cases[] = {
        {"p1", 2, "Muzik\\Pop", "Muzik", "Pop", {"27:p1"}, 0},
        {"m1", 2, "Muzik\\Diger", "Muzik", "", {"27:m0", "27:m1"}, 1},
        {"f1", 4, "Film", "Film", "", {"26:f1"}, 0},
        {"n1", 3, "Diger", "", "", {"27:n1"}, 0},
        // An archive with a sub-group but no group is not listed under "Diger": the
        // last entry stays selected.
        {"n2", 3, "Diger", "", "", {"27:n1"}, 0},
    };
    for (const auto& k : cases) {
        load(grouped);
        const auto r = locate(k.name);
        EXPECT_EQ(state.level, k.level) << k.name;
        EXPECT_EQ(state.locationText, k.location) << k.name;
        EXPECT_EQ(state.currentGroup, k.group) << k.name;
        EXPECT_EQ(state.currentSubGroup, k.subGroup) << k.name;
        EXPECT_EQ(shown(r.listing), k.listing) << k.name;
        EXPECT_EQ(r.selectedRow, k.selected) << k.name;
    }
}

TEST_F(Locate, WithoutGroupsTheTopLevelListsEveryArchive) {
    load({{"a", "", ""}, {"b", "", "Alt", "1"}, {"c", "", ""}});
    const auto r = locate("b");
    EXPECT_EQ(state.level, 0);
    EXPECT_EQ(state.locationText, "...");
    EXPECT_EQ(shown(r.listing), (V{"27:a", "29:b", "27:c"}));
    EXPECT_EQ(r.listing.upEnabled, false);
    EXPECT_EQ(r.selectedRow, 1);
}

TEST_F(Locate, AStoredGroupNamedDigerLeadsToTheArchivesWithoutGroup) {
    load({{"kayit", "Diger", ""}, {"x", "X", ""}});
    auto r = locate("kayit");
    EXPECT_EQ(state.level, 3);
    EXPECT_TRUE(r.listing.items.empty());
    EXPECT_EQ(r.selectedRow, -1) << "nothing to select";

    load({{"kayit", "Diger", ""}, {"n1", "", ""}, {"n2", "", ""}});
    r = locate("kayit");
    EXPECT_EQ(shown(r.listing), (V{"27:n1", "27:n2"}));
    EXPECT_EQ(r.selectedRow, 1) << "the last entry is left selected";
}
