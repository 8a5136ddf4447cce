#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kartavel::platform;

namespace {

// "S|" for a section S, "k=v|" for a key line.
std::string trace(std::string_view bytes) {
    std::string out;
    parseIni(
        bytes, [&](std::string_view s) { out.append("[").append(s).append("]|"); },
        [&](std::string_view k, std::string_view v) {
            out.append(k).append("=").append(v).append("|");
        });
    return out;
}

} // namespace

TEST(IniParse, FollowsTheLineRules) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"crlf lines", "[A]\r\nx=1\r\ny=2\r\n", "[A]|x=1|y=2|"},
        {"lf lines", "[A]\nx=1\ny=2\n", "[A]|x=1|y=2|"},
        {"cr lines", "[A]\rx=1\ry=2\r", "[A]|x=1|y=2|"},
        {"a CR alone inside a value ends it", "[A]\r\nx=a\rb=c\r\n", "[A]|x=a|b=c|"},
        {"blank CR CR LF line", "[A]\r\r\nx=1\r\n", "[A]|x=1|"},
        {"no final line end", "[A]\r\nx=1", "[A]|x=1|"},
        {"blanks around name and value", "[A]\r\n  x  =  a b  \r\n", "[A]|x=a b|"},
        {"split at the first equals", "[A]\r\nx=a=b\r\n", "[A]|x=a=b|"},
        {"double quotes", "[A]\r\nx=\" q \"\r\n", "[A]|x= q |"},
        {"single quotes", "[A]\r\nx='q'\r\n", "[A]|x=q|"},
        {"quotes that do not pair", "[A]\r\nx=\"q'\r\ny=\"\r\n", "[A]|x=\"q'|y=\"|"},
        {"only one pair stripped", "[A]\r\nx=\"\"q\"\"\r\n", "[A]|x=\"q\"|"},
        {"blank lines", "\r\n[A]\r\n\r\n   \r\nx=1\r\n\r\n[B]\r\n", "[A]|x=1|[B]|"},
        {"sections in file order", "[B]\r\nx=1\r\n[A]\r\nx=2\r\n", "[B]|x=1|[A]|x=2|"},
        {"empty value", "[A]\r\nx=\r\n", "[A]|x=|"},
        {"keys before any section", "x=1\r\n[A]\r\ny=2\r\n", "[A]|y=2|"},
        {"line without equals", "[A]\r\njunk\r\ny=2\r\n", "[A]|y=2|"},
        {"blanks in the header", "  [ A ]  \r\n", "[A]|"},
        {"unclosed header is no section", "[A\r\nx=1\r\n", ""},
        {"empty file", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trace(c.bytes), c.expected) << c.name;
}

TEST(IniParse, SurvivesDamage) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_NO_THROW(trace(binary));

    const std::string longLine = "[A]\r\nx=" + std::string(5'000'000, 'z') + "\r\ny=1\r\n";
    std::string seen;
    parseIni(
        longLine, [](std::string_view) {},
        [&](std::string_view k, std::string_view v) {
            seen.append(k).append(":").append(std::to_string(v.size())).append(" ");
        });
    EXPECT_EQ(seen, "x:5000000 y:1 ");

    EXPECT_EQ(trace(std::string("[A]\r\nx=1\0junk\r\n", 15)), std::string("[A]|x=1\0junk|", 13));
}

TEST(IniNames, CompareWithoutRegardToCase) {
    EXPECT_TRUE(iniNamesEqual("ARSIV_ADI", "arsiv_adi"));
    EXPECT_TRUE(iniNamesEqual("TAnaF", "TANAF"));
    EXPECT_FALSE(iniNamesEqual("KODU", "KOD"));
    EXPECT_FALSE(iniNamesEqual("A_", "A-"));
}

TEST(IniDocument, ChangesKeysInPlaceAndKeepsOtherLines) {
    auto doc = IniDocument::parse("; note\r\n[TAnaF]\r\nListe1_Checked=True\r\n; kept\r\n"
                                  "[Other]\r\nk=v\r\n");
    ASSERT_NE(doc.value("tanaf", "LISTE1_CHECKED"), nullptr);
    EXPECT_EQ(*doc.value("tanaf", "LISTE1_CHECKED"), "True");
    EXPECT_EQ(doc.value("TAnaF", "missing"), nullptr);

    doc.setValue("TAnaF", "liste1_checked", "False");
    doc.setValue("TAnaF", "Ayrntlar1_Checked", "True");
    doc.setValue("IloStored", "SIFRE", "x");
    EXPECT_EQ(doc.serialize(), "; note\r\n[TAnaF]\r\nListe1_Checked=False\r\n; kept\r\n"
                               "Ayrntlar1_Checked=True\r\n[Other]\r\nk=v\r\n"
                               "[IloStored]\r\nSIFRE=x\r\n");
}

TEST(IniDocument, RawValuesKeepBlanksAndQuotes) {
    const std::string bytes = "[S]\r\na= x \r\nb=\"q\"\r\nc='\r\nd=\t\x1a\r\n e =v\r\n";
    const struct {
        const char* key;
        std::string trimmed, raw;
    } cases[] = {{"a", "x", " x "},
                 {"b", "q", "\"q\""},
                 {"c", "'", "'"},
                 {"d", "", "\t\x1a"},
                 {"e", "v", "v"}};
    const auto trimmed = IniDocument::parse(bytes);
    const auto raw = IniDocument::parse(bytes, IniValues::Raw);
    for (const auto& c : cases) {
        ASSERT_NE(trimmed.value("S", c.key), nullptr) << c.key;
        ASSERT_NE(raw.value("S", c.key), nullptr) << c.key;
        EXPECT_EQ(*trimmed.value("S", c.key), c.trimmed) << c.key;
        EXPECT_EQ(*raw.value("S", c.key), c.raw) << c.key;
    }

    // What setValue writes reads back unchanged.
    auto doc = IniDocument::parse("", IniValues::Raw);
    doc.setValue("S", "k", " \"v' ");
    EXPECT_EQ(*IniDocument::parse(doc.serialize(), IniValues::Raw).value("S", "k"), " \"v' ");
}

TEST(IniDocument, WritesUnchangedLinesBackAsTheyWere) {
    const std::string bytes = "x=before any section\r\n\r\n  [ A ]  \r\n  k = \"v\" \r\n\r\n"
                              "; note\r\nchanged = old\r\n[B]\r\nk=v";
    auto doc = IniDocument::parse(bytes);
    doc.setValue("a", "CHANGED", "new");
    EXPECT_EQ(doc.serialize(), "x=before any section\r\n\r\n  [ A ]  \r\n  k = \"v\" \r\n\r\n"
                               "; note\r\nchanged=new\r\n[B]\r\nk=v\r\n");
}
