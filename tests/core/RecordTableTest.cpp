#include "store/RecordTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace kartavel::store;

namespace {

RecordTable makeGroups() {
    RecordTable t(
        {"T",
         {FieldDef::text("GRUBU", 20), FieldDef::text("ACIKLAMA", 100), FieldDef::integer("N")}});
    t.open();
    return t;
}

void add(RecordTable& t, std::string_view name, int n = 0) {
    t.append();
    t.setString(0, name);
    t.setInteger(2, n);
    t.post();
}

std::vector<std::string> names(RecordTable& t) {
    std::vector<std::string> out;
    const auto mark = t.bookmark();
    for (t.first(); !t.eof(); t.next())
        out.push_back(t.asString(0));
    t.gotoBookmark(mark);
    return out;
}

} // namespace

TEST(RecordTable, AppendGoesToTheEndAndInsertBeforeTheCurrentRecord) {
    auto t = makeGroups();
    add(t, "A");
    add(t, "C");
    EXPECT_EQ(t.recNo(), 2);
    t.first();
    t.next(); // on C
    t.insert();
    t.setString(0, "B");
    t.post();
    EXPECT_EQ(names(t), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(t.recNo(), 2);
    EXPECT_EQ(t.asString(0), "B");
    EXPECT_EQ(t.recordCount(), 3);
}

TEST(RecordTable, TextRules) {
    auto t = makeGroups();
    t.append();
    t.setString(0, "123456789012345678901234567890");
    t.setString(1, "");
    t.post();
    EXPECT_EQ(t.asString(0), "12345678901234567890");
    EXPECT_TRUE(t.isNull(1)) << "the empty text counts as null";
    EXPECT_EQ(t.asString(1), "");
    EXPECT_TRUE(t.isNull(2));
    EXPECT_EQ(t.asInteger(2), 0);
}

TEST(RecordTable, HooksRunInOrderAndCanAbandonAPost) {
    auto t = makeGroups();
    std::vector<std::string> events;
    int next = 7;
    t.afterInsert = [&](RecordTable& tb) {
        events.push_back("afterInsert:" + tb.asString(0));
        tb.setInteger(2, next++);
    };
    t.beforePost = [&](RecordTable& tb) {
        events.push_back("beforePost:" + tb.asString(0));
        if (tb.asString(0).empty())
            throw Abort{};
    };
    t.afterPost = [&](RecordTable& tb) {
        const auto& prev = tb.previousValues();
        events.push_back("afterPost:" + tb.asString(0) +
                         (prev ? " was " + std::get<std::string>(prev->cells[0]) : ""));
    };
    t.beforeDelete = [&](RecordTable& tb) { events.push_back("beforeDelete:" + tb.asString(0)); };
    t.afterDelete = [&](RecordTable&) { events.push_back("afterDelete"); };

    t.append();
    EXPECT_EQ(t.asInteger(2), 7) << "the hook sets values before the caller does";
    EXPECT_THROW(t.post(), Abort);
    EXPECT_EQ(t.state(), RecordTable::State::Insert);
    t.setString(0, "Muzik");
    t.post();
    t.edit();
    t.setString(0, "Film");
    t.post();
    t.remove();
    EXPECT_EQ(events, (std::vector<std::string>{"afterInsert:", "beforePost:", "beforePost:Muzik",
                                                "afterPost:Muzik", "beforePost:Film",
                                                "afterPost:Film was Muzik", "beforeDelete:Film",
                                                "afterDelete"}));
    EXPECT_TRUE(t.isEmpty());
}

TEST(RecordTable, ABeforeDeleteHookCanRefuse) {
    auto t = makeGroups();
    add(t, "A");
    t.beforeDelete = [](RecordTable&) { throw Abort{}; };
    EXPECT_THROW(t.remove(), Abort);
    EXPECT_EQ(t.recordCount(), 1);
}

TEST(RecordTable, CancelDiscardsANewRecordOrTheEdits) {
    auto t = makeGroups();
    add(t, "A");
    t.append();
    t.setString(0, "B");
    t.cancel();
    EXPECT_EQ(names(t), std::vector<std::string>{"A"});
    t.edit();
    t.setString(0, "Z");
    t.cancel();
    EXPECT_EQ(t.asString(0), "A");
}

TEST(RecordTable, DeleteLeavesTheNextRecordCurrent) {
    auto t = makeGroups();
    for (auto n : {"A", "B", "C"})
        add(t, n);
    t.first();
    t.next();
    t.remove();
    EXPECT_EQ(t.asString(0), "C");
    t.remove();
    EXPECT_EQ(t.asString(0), "A") << "after the last one, the one before it";
    t.remove();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recNo(), 0);
    EXPECT_THROW(t.remove(), std::logic_error);
}

TEST(RecordTable, LocateExactlyOrIgnoringCase) {
    auto t = makeGroups();
    for (auto n : {"Yedek", "yedek", "DİSK", "Arşiv"})
        add(t, n);
    t.first();
    EXPECT_TRUE(t.locate("grubu", "yedek", false));
    EXPECT_EQ(t.recNo(), 2);
    EXPECT_TRUE(t.locate("GRUBU", "YEDEK", true));
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_TRUE(t.locate("GRUBU", "disk", true));
    EXPECT_EQ(t.recNo(), 3);
    EXPECT_TRUE(t.locate("GRUBU", "ARŞİV", true));
    EXPECT_EQ(t.recNo(), 4);
    EXPECT_FALSE(t.locate("GRUBU", "Yok", true));
    EXPECT_EQ(t.recNo(), 4) << "the current record stays when none matches";
    EXPECT_TRUE(t.locate("N", "0", false)) << "any column type, by its value text";
}

TEST(RecordTable, AFilterShowsOnlyMatchingRecords) {
    RecordTable t({"S", {FieldDef::text("ANAGRUP", 30), FieldDef::text("ALTGRUP", 30)}});
    t.open();
    for (auto [g, s] : {std::pair{"Muzik", "Pop"}, {"Film", "Dram"}, {"Muzik", "Caz"}}) {
        t.append();
        t.setString(0, g);
        t.setString(1, s);
        t.post();
    }
    t.setFilter("ANAGRUP", "Muzik");
    EXPECT_EQ(t.recordCount(), 2);
    std::vector<std::string> seen;
    for (t.first(); !t.eof(); t.next())
        seen.push_back(t.asString(1) + "@" + std::to_string(t.recNo()));
    EXPECT_EQ(seen, (std::vector<std::string>{"Pop@1", "Caz@2"}));
    t.clearFilter();
    EXPECT_EQ(t.recordCount(), 3);
}

TEST(RecordTable, BookmarksFollowTheRecordNotThePosition) {
    auto t = makeGroups();
    for (auto n : {"A", "B", "C"})
        add(t, n);
    t.first();
    t.next();
    const auto mark = t.bookmark();
    t.first();
    t.insert();
    t.setString(0, "0");
    t.post();
    ASSERT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(t.asString(0), "B");
    EXPECT_EQ(t.recNo(), 3);
}

TEST(RecordTable, BoundViewsHearNothingWhileControlsAreDisabled) {
    auto t = makeGroups();
    int calls = 0;
    const int id = t.addObserver([&] { ++calls; });
    t.disableControls();
    add(t, "A");
    add(t, "B");
    EXPECT_EQ(calls, 0);
    t.enableControls();
    EXPECT_EQ(calls, 1);
    t.first();
    EXPECT_EQ(calls, 2);
    t.removeObserver(id);
    t.next();
    EXPECT_EQ(calls, 2);
}

TEST(RecordTable, OpenCloseAndEmpty) {
    RecordTable t({"T", {FieldDef::text("A")}});
    EXPECT_FALSE(t.active());
    EXPECT_THROW(t.append(), std::logic_error);
    t.open();
    t.append();
    t.setString(0, "x");
    t.post();
    t.empty();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_TRUE(t.active());
    t.append();
    t.post();
    t.close();
    EXPECT_FALSE(t.active());
    t.open();
    EXPECT_TRUE(t.isEmpty());
    EXPECT_THROW(t.setString(0, "x"), std::logic_error) << "not editing";
    EXPECT_EQ(t.fieldIndex("a"), 0);
    EXPECT_EQ(t.fieldIndex("B"), -1);
}

TEST(RecordTable, AnOpenEditIsPostedBeforeTheTableMoves) {
    // Each move, with an edit of the second record open: the edit lands in that
    // record, never in the one the table moves to.
    const std::vector<std::pair<const char*, std::function<void(RecordTable&)>>> moves = {
        {"gotoBookmark", [](RecordTable& t) { t.gotoBookmark(t.records().front().id); }},
        {"locate", [](RecordTable& t) { t.locate("GRUBU", "A", false); }},
        {"locate none", [](RecordTable& t) { t.locate("GRUBU", "X", false); }},
        {"setFilter", [](RecordTable& t) { t.setFilter("N", "1"); }},
        {"clearFilter", [](RecordTable& t) { t.clearFilter(); }},
        {"removeRecords",
         [](RecordTable& t) { t.removeRecords([](const Record&) { return false; }); }},
    };
    for (const auto& [what, move] : moves) {
        auto t = makeGroups();
        add(t, "A", 1);
        add(t, "B", 2);
        t.last();
        t.edit();
        t.setString(1, "changed");
        move(t);
        EXPECT_FALSE(t.editing()) << what;
        EXPECT_EQ(std::string(cellText(t.records()[0], 1)), "") << what;
        EXPECT_EQ(std::string(cellText(t.records()[1], 1)), "changed") << what;
    }

    // A refused post stops the move: the table stays on its record, still editing.
    auto t = makeGroups();
    add(t, "A", 1);
    add(t, "B", 2);
    t.beforePost = [](RecordTable&) { throw Abort{}; };
    t.last();
    t.edit();
    EXPECT_THROW(t.gotoBookmark(t.records().front().id), Abort);
    EXPECT_TRUE(t.editing());
    EXPECT_EQ(t.asString(0), "B");

    // A new record posted before a locate: the search sees the rows as they are then.
    t.beforePost = nullptr;
    t.cancel();
    t.first();
    t.insert();
    t.setString(0, "0");
    ASSERT_TRUE(t.locate("GRUBU", "B", false));
    EXPECT_EQ(t.asString(0), "B");
    EXPECT_EQ(names(t), (std::vector<std::string>{"0", "A", "B"}));
}

TEST(RecordTable, RemoveRecordsDropsEveryMatchInOnePass) {
    auto t = makeGroups();
    for (auto n : {"A", "x", "x", "B", "x"})
        add(t, n);
    t.first();
    t.next();
    t.next();
    t.next(); // "B"
    EXPECT_EQ(t.removeRecords([](const Record& r) { return cellText(r, 0) == "x"; }), 3u);
    EXPECT_EQ(names(t), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(t.asString(0), "B") << "the current record stays";
}
