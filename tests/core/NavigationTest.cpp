#include "browse/Navigation.h"

#include "BrowseFixture.h"

#include <gtest/gtest.h>

using namespace kartavel::browse;
using kartavel::store::Catalogue;
using kartavel::test::fillCatalogue;
using kartavel::test::shown;
using V = std::vector<std::string>;

namespace {

class Navigation : public ::testing::Test {
protected:
    void SetUp() override {
        fillCatalogue(c,
                      {{"p1", "Muzik", "Pop"},
                       {"m0", "Muzik", ""},
                       {"c1", "Muzik", "Caz"},
                       {"f1", "Film", "", "2"},
                       {"f2", "Film", "", "1"},
                       {"n1", "", ""},
                       {"n2", "", "Yetim"}},
                      {"f2"});
        top = firstPage(c, s);
    }

    Listing open(const Listing& from, const std::string& caption) {
        for (const auto& item : from.items)
            if (item.caption == caption)
                return *doubleClick(c, s, item).listing;
        ADD_FAILURE() << "no item " << caption;
        return {};
    }

    Catalogue c;
    BrowseState s;
    Listing top;
};

} // namespace

TEST_F(Navigation, EveryLevelTransitionWithItsLocationText) {
    EXPECT_EQ(shown(top), (V{"24:Muzik", "24:Film", "24:Diger"}));
    EXPECT_EQ(s.locationText, "...");

    // 0 -> 1 -> 2 -> 1 -> 0
    Listing l = open(top, "Muzik");
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.locationText, "Muzik");
    EXPECT_EQ(shown(l), (V{"14:Pop", "14:Diger", "14:Caz"}));
    l = open(l, "Diger");
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.currentSubGroup, "");
    EXPECT_EQ(s.locationText, "Muzik\\Diger");
    EXPECT_EQ(shown(l), (V{"27:m0"}));
    l = *up(c, s);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.locationText, "Muzik");
    EXPECT_EQ(shown(l), (V{"14:Pop", "14:Diger", "14:Caz"}));
    l = *up(c, s);
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.locationText, "");
    EXPECT_EQ(s.currentGroup, "");
    EXPECT_EQ(shown(l), shown(top));
    EXPECT_FALSE(up(c, s)) << "Yukarı does nothing at level 0";

    // 0 -> 4 -> 0
    l = open(top, "Film");
    EXPECT_EQ(s.level, 4);
    EXPECT_EQ(s.locationText, "Film");
    EXPECT_EQ(shown(l), (V{"26:f1", "28:f2"}));
    EXPECT_EQ(l.upEnabled, true);
    l = *up(c, s);
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.locationText, "");

    // 0 -> 3 -> 0
    l = open(top, "Diger");
    EXPECT_EQ(s.level, 3);
    EXPECT_EQ(s.locationText, "Diger");
    EXPECT_EQ(s.currentGroup, "");
    EXPECT_EQ(shown(l), (V{"27:n1"})) << "only archives with neither group nor sub-group";
    l = *up(c, s);
    EXPECT_EQ(s.level, 0);

    // any -> first page
    open(open(top, "Muzik"), "Pop");
    l = firstPage(c, s);
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.locationText, "...");
    EXPECT_EQ(s.currentGroup, "Muzik") << "kept until the next double-click";
    EXPECT_EQ(shown(l), shown(top));
}

TEST_F(Navigation, UpFromAnEmptiedSubGroupLevelReturnsToTheTop) {
    Listing l = open(open(top, "Muzik"), "Pop");
    // The group's archives lose their sub-groups meanwhile.
    fillCatalogue(c, {{"m0", "Muzik", ""}, {"n1", "", ""}});
    l = *up(c, s);
    EXPECT_EQ(s.level, 0);
    EXPECT_EQ(s.locationText, "");
    EXPECT_EQ(shown(l), (V{"24:Muzik", "24:Diger"}));
}

TEST_F(Navigation, DoubleClickingAnArchiveMakesItCurrentAndViewsIt) {
    Listing l = open(top, "Film");
    const auto r = doubleClick(c, s, l.items[1]);
    EXPECT_TRUE(r.view);
    EXPECT_FALSE(r.listing);
    EXPECT_EQ(c.KayitOrj_T.asString("ARSIV_ADI"), "f2");
    EXPECT_EQ(s.level, 4) << "viewing does not change the level";
}

TEST_F(Navigation, AClickLocatesIgnoringCaseAndStaysWhenNothingMatches) {
    selectItem(c, {"F1", 26, {}, {}});
    EXPECT_EQ(c.KayitOrj_T.asString("ARSIV_ADI"), "f1");
    selectItem(c, {"Muzik", 24, {}, {}});
    EXPECT_EQ(c.KayitOrj_T.asString("ARSIV_ADI"), "f1");
}

TEST_F(Navigation, DeleteRelistsTheCurrentLevel) {
    Listing l = open(open(top, "Muzik"), "Pop");
    EXPECT_EQ(shown(relistAfterDelete(c, s)), (V{"27:p1"}));
    open(top, "Film");
    EXPECT_EQ(shown(relistAfterDelete(c, s)), (V{"26:f1", "28:f2"}));
    open(top, "Diger");
    EXPECT_EQ(shown(relistAfterDelete(c, s)), (V{"27:n1"}));
}

TEST_F(Navigation, RelistingTheCurrentLevelShowsTheLendingAsItIsNow) {
    c.Emenet_Rx.append();
    c.Emenet_Rx.setString("ARSIV", "p1");
    c.Emenet_Rx.post();
    EXPECT_EQ(shown(relistCurrentLevel(c, s)), shown(top)) << "level 0";
    const Listing subGroups = open(top, "Muzik");
    EXPECT_EQ(shown(relistCurrentLevel(c, s)), shown(subGroups)) << "level 1";
    open(subGroups, "Pop");
    EXPECT_EQ(shown(relistCurrentLevel(c, s)), (V{"30:p1"}));
    open(top, "Film");
    EXPECT_EQ(shown(relistCurrentLevel(c, s)), (V{"26:f1", "28:f2"}));
    open(top, "Diger");
    EXPECT_EQ(shown(relistCurrentLevel(c, s)), (V{"27:n1"}));

    Catalogue flat;
    fillCatalogue(flat, {{"a", "", ""}, {"b", "", "", "1"}}, {"b"});
    BrowseState top0;
    EXPECT_EQ(shown(relistCurrentLevel(flat, top0)), (V{"27:a", "28:b"})) << "no groups";
}

TEST_F(Navigation, EnabledCommandsAndMenuItems) {
    const ListItem group{"Muzik", 24, {}, {}}, dvd{"a", 27, {}, {}}, cd{"b", 29, {}, {}},
        folder{"c", 26, {}, {}}, lentDvd{"d", 30, {}, {}}, lentCd{"e", 28, {}, {}};
    EXPECT_FALSE(archiveCommandsEnabled(nullptr));
    EXPECT_FALSE(archiveCommandsEnabled(&group));
    for (const auto* a : {&dvd, &cd, &folder, &lentDvd, &lentCd})
        EXPECT_TRUE(archiveCommandsEnabled(a));

    struct Case {
        const ListItem* item;
        bool lend, takeBack;
    };
    for (const auto& k :
         {Case{nullptr, false, false}, Case{&group, false, false}, Case{&dvd, true, false},
          Case{&cd, true, false}, Case{&folder, false, false}, Case{&lentDvd, false, true},
          Case{&lentCd, false, true}}) {
        const MenuState m = popupMenuState(s, k.item);
        EXPECT_EQ(m.lend, k.lend);
        EXPECT_EQ(m.takeBack, k.takeBack);
    }
    for (int level = 0; level <= 4; ++level) {
        s.level = level;
        EXPECT_EQ(popupMenuState(s, nullptr).firstPage, level > 0) << level;
    }
}

TEST_F(Navigation, OpeningAPlaceByName) {
    auto r = openPlace(c, s, "Muzik", "Caz");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(shown(r.listing), (V{"27:c1"}));
    EXPECT_EQ(s.level, 2);
    r = openPlace(c, s, "Film", "");
    EXPECT_EQ(shown(r.listing), (V{"26:f1", "28:f2"}));
    EXPECT_EQ(s.level, 4);
    r = openPlace(c, s, "Yok", "");
    EXPECT_EQ(r.error, "Yok adında grup bulunamadı...");
    r = openPlace(c, s, "Muzik", "Yok");
    EXPECT_EQ(r.error, "Muzik\\Yok adında alt grup bulunamadı...");
}
