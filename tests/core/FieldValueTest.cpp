#include "store/FieldValue.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kartavel::store;

TEST(FieldValue, TextsOfEachColumnType) {
    struct Case {
        FieldType type;
        Value value;
        const char* text;
    };
    const Case cases[] = {
        {FieldType::String, std::string("Yedek 2005"), "Yedek 2005"},
        {FieldType::String, Value{}, ""},
        {FieldType::Integer, std::int32_t{-42}, "-42"},
        {FieldType::Integer, std::int32_t{0}, "0"},
        {FieldType::Date, std::int32_t{1}, "1"},
        {FieldType::Date, std::int32_t{-3}, "-3"},
        {FieldType::Date, Value{}, ""},
        {FieldType::Boolean, true, "-1"},
        {FieldType::Boolean, false, "0"},
        {FieldType::Float, 0.1, "0.1"},
        {FieldType::Float, -2.5, "-2.5"},
        {FieldType::Float, 1e20, "1E20"},
        {FieldType::Float, 1.5e-6, "1.5E-6"},
        {FieldType::Float, 0.00001, "0.00001"},
        {FieldType::Float, 123456789012345.0, "123456789012345"},
        {FieldType::Float, 1234567890123456.0, "1.23456789012346E15"},
        {FieldType::Float, 1.0 / 3.0, "0.333333333333333"},
        {FieldType::Currency, 12.5, "12.5"},
        {FieldType::DateTime, 46366.5, "46366.5"},
        {FieldType::Time, 0.25, "0.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueText(c.type, c.value), c.text) << c.text;
}

TEST(FieldValue, ConversionsWhenRead) {
    struct Case {
        FieldDef field;
        const char* text;
        std::optional<Value> expected; // nothing: the line is skipped
    };
    const Case cases[] = {
        {FieldDef::date("D"), "0", Value{std::int32_t{0}}},
        {FieldDef::date("D"), "46366", Value{std::int32_t{46366}}},
        {FieldDef::date("D"), "46366.75", Value{std::int32_t{46366}}},
        {FieldDef::date("D"), "-1.5", Value{std::int32_t{-1}}},
        {FieldDef::date("D"), "abc", std::nullopt},
        {FieldDef::date("D"), "1e300", std::nullopt},
        {FieldDef::date("D"), "12,5", std::nullopt},
        {FieldDef::date("D"), "", Value{}},
        {FieldDef::integer("I"), "17", Value{std::int32_t{17}}},
        {FieldDef::integer("I"), "-2147483648", Value{std::int32_t{-2147483647 - 1}}},
        {FieldDef::integer("I"), "2147483648", std::nullopt},
        {FieldDef::integer("I"), "1.5", std::nullopt},
        {FieldDef::integer("I"), "x1", std::nullopt},
        {FieldDef::text("T", 5), "abcdefgh", Value{std::string("abcde")}},
        {FieldDef::text("T", 3), "ŞİŞELER", Value{std::string("ŞİŞ")}},
        {FieldDef{"B", FieldType::Boolean, 0}, "TRUE", Value{true}},
        {FieldDef{"B", FieldType::Boolean, 0}, "-1", Value{true}},
        {FieldDef{"B", FieldType::Boolean, 0}, "2.5", Value{true}},
        {FieldDef{"B", FieldType::Boolean, 0}, "0", Value{false}},
        {FieldDef{"B", FieldType::Boolean, 0}, "False", Value{false}},
        {FieldDef{"B", FieldType::Boolean, 0}, "yes", Value{false}},
        {FieldDef{"F", FieldType::Float, 0}, "1E20", Value{1e20}},
        {FieldDef{"F", FieldType::Float, 0}, "-0.5", Value{-0.5}},
        {FieldDef{"F", FieldType::Float, 0}, "0.5x", std::nullopt},
        {FieldDef{"C", FieldType::Currency, 0}, "1.23456", Value{1.2346}},
        {FieldDef{"DT", FieldType::DateTime, 0}, "46366.5", Value{46366.5}},
    };
    for (const auto& c : cases) {
        const auto got = parseValueText(c.field, c.text);
        EXPECT_EQ(got, c.expected) << c.field.name << " " << c.text;
    }
}

TEST(FieldValue, RealsRoundTripThroughTheirText) {
    for (double v : {0.1, 1.0 / 7.0, -123.456, 98765.4321, 3e-7, 6.02e23}) {
        const auto back =
            parseValueText(FieldDef{"F", FieldType::Float, 0}, valueText(FieldType::Float, v));
        ASSERT_TRUE(back);
        EXPECT_NEAR(std::get<double>(*back), v, std::abs(v) * 1e-14) << v;
    }
}

// A hand-edited file may put any number in a whole-number column: it is held within
// the 32-bit range, never converted out of it.
TEST(FieldValue, WholeNumbersStayInRange) {
    struct Case {
        double v;
        std::int32_t whole;
    };
    const Case cases[] = {
        {0.0, 0},
        {-1.9, -1},
        {46366.75, 46366},
        {2147483647.0, 2147483647},
        {1e300, 2147483647},
        {-1e300, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeNumber(c.v), c.whole) << c.v;

    // Stored into whole-number columns, and read as whole numbers from a real one.
    RecordTable t(TableSchema{
        "T", {FieldDef::integer("N"), FieldDef::date("D"), FieldDef{"R", FieldType::Float, 0}}});
    t.open();
    t.append();
    t.setValue(0, 5e20);
    t.setValue(1, -5e20);
    t.setValue(2, 1e300);
    t.post();
    EXPECT_EQ(t.asInteger(0), 2147483647);
    EXPECT_EQ(t.asDate(1), -2147483647 - 1);
    EXPECT_EQ(t.asInteger(2), 2147483647);
    EXPECT_EQ(t.asDate(2), 2147483647);
}
