#include "browse/MainList.h"

#include "BrowseFixture.h"

#include <gtest/gtest.h>

using namespace kartavel::browse;
using kartavel::store::Catalogue;
using kartavel::test::fillCatalogue;
using kartavel::test::shown;
using V = std::vector<std::string>;

TEST(MainList, ArchiveIconsByMediumAndLending) {
    struct Case {
        const char* cddvd;
        bool lent;
        int icon;
    };
    const Case cases[] = {{"0", false, 27}, {"1", false, 29}, {"2", false, 26},
                          {"", false, 29},  {"7", false, 29}, {"0", true, 30},
                          {"1", true, 28},  {"2", true, 28},  {"", true, 28}};
    for (const auto& c : cases)
        EXPECT_EQ(archiveIcon(c.cddvd, c.lent), c.icon) << c.cddvd << c.lent;
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(isArchiveIcon(i), i >= 26 && i <= 30) << i;
}

TEST(MainList, TheTopLevelListsGroupsOnceEachInRegisterOrder) {
    Catalogue c;
    fillCatalogue(c, {{"a", "Muzik", "Pop"},
                      {"b", "", ""},
                      {"c", "Film", ""},
                      {"d", "Muzik", ""},
                      {"e", "MUZIK", ""}});
    BrowseState s;
    const Listing l = ListViewAyarla(c, s, 1, "");
    EXPECT_EQ(shown(l), (V{"24:Muzik", "24:Diger", "24:Film", "24:MUZIK"}));
    EXPECT_EQ(l.upEnabled, false);
    EXPECT_EQ(s.level, 0) << "a listing does not change the level";
    EXPECT_EQ(c.KayitOrj_T.recNo(), 5) << "the walk leaves the register on its last record";
}

TEST(MainList, WithoutGroupsTheTopLevelListsEveryArchive) {
    Catalogue c;
    fillCatalogue(c,
                  {{"Yedek", "", "", "0", "A-1", 100},
                   {"Yedek", "", "", "1"},
                   {"Eski", "", "", ""},
                   {"Belge", "", "", "2"}},
                  {"Yedek"});
    BrowseState s;
    const Listing l = ListViewAyarla(c, s, 1, "");
    EXPECT_EQ(shown(l), (V{"30:Yedek", "28:Yedek", "29:Eski", "26:Belge"}))
        << "archive names are not merged; lending goes by exact name";
    EXPECT_EQ(l.upEnabled, false);
    EXPECT_EQ(l.items[0].ozelKodu, "A-1");
    EXPECT_EQ(l.items[0].tarihi, 100);
    EXPECT_FALSE(l.items[1].tarihi);
}

TEST(MainList, SubGroupsOfTheCurrentGroupWithDigerForArchivesWithoutOne) {
    Catalogue c;
    fillCatalogue(c, {{"a", "Muzik", "Pop"},
                      {"b", "Muzik", ""},
                      {"c", "Muzik", "Caz"},
                      {"d", "Film", "Dram"},
                      {"e", "Muzik", "Pop"}});
    BrowseState s;
    s.currentGroup = "Muzik";
    const Listing l = ListViewAyarla(c, s, 2, "Muzik");
    EXPECT_EQ(shown(l), (V{"14:Pop", "14:Diger", "14:Caz"}));
    EXPECT_EQ(l.upEnabled, true);

    EXPECT_EQ(shown(ListViewAyarla(c, s, 3, "Pop")), (V{"27:a", "27:e"}));
    EXPECT_EQ(shown(ListViewAyarla(c, s, 3, "Diger")), (V{"27:b"}));
    EXPECT_EQ(shown(ListViewAyarla(c, s, 3, "")), (V{"27:b"}));
    EXPECT_EQ(shown(ListViewAyarla(c, s, 4, "Film")), (V{"27:d"}));
    EXPECT_EQ(shown(ListViewAyarla(c, s, 5, "")).size(), 5u);
}

TEST(MainList, AGroupWithoutSubGroupsFallsBackToItsArchivesAtLevelFour) {
    Catalogue c;
    fillCatalogue(c, {{"a", "Film", ""}, {"b", "Muzik", "Pop"}, {"c", "Film", ""}});
    BrowseState s;
    s.level = 1;
    s.currentGroup = "Film";
    const Listing l = ListViewAyarla(c, s, 2, "Film");
    EXPECT_EQ(shown(l), (V{"27:a", "27:c"}));
    EXPECT_EQ(s.level, 4);
}

TEST(MainList, SubGroupDigerMeansArchivesWithoutGroupAndSubGroup) {
    Catalogue c;
    fillCatalogue(c, {{"a", "", ""}, {"b", "", "X"}, {"c", "G", ""}});
    BrowseState s;
    EXPECT_EQ(shown(ListViewAyarla(c, s, 2, "Diger")), (V{"27:a"}));
}

TEST(MainList, AnEmptyRegisterListsNothingAndLeavesUpAlone) {
    Catalogue c;
    fillCatalogue(c, {});
    BrowseState s;
    for (int mode = 1; mode <= 5; ++mode) {
        const Listing l = ListViewAyarla(c, s, mode, "");
        EXPECT_TRUE(l.items.empty()) << mode;
        EXPECT_FALSE(l.upEnabled) << mode;
    }
}
