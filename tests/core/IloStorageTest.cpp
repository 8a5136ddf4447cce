#include "access/IloStorage.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "text/Cp1254.h"

#include <gtest/gtest.h>

using namespace kartavel::access;
using kartavel::platform::WriteError;
using kartavel::test::readFile;
using kartavel::test::TempDir;
using kartavel::test::writeFile;
using kartavel::text::decodeCp1254;

namespace {

// A storage with one scrambled item SIFRE, opened on `file`.
TIloStorage openOn(const std::filesystem::path& file) {
    TIloStorage s;
    TStoredValue& v = s.StoredValues().Add();
    v.Name = "SIFRE";
    v.Encode = true;
    s.setFileName(file.string());
    return s;
}

} // namespace

TEST(EnDeCrypt, ComplementsEachCodePageByte) {
    EXPECT_EQ(TStoredValue::EnDeCrypt("abc"), decodeCp1254("\x9E\x9D\x9C"));
    EXPECT_EQ(TStoredValue::EnDeCrypt(decodeCp1254("\x9E\x9D\x9C")), "abc");
    EXPECT_EQ(TStoredValue::EnDeCrypt(""), "");
    // Turkish letters are one byte each: ş is FE, so it becomes 01.
    EXPECT_EQ(TStoredValue::EnDeCrypt("ş"), std::string("\x01"));

    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto once = TStoredValue::EnDeCrypt(decodeCp1254(all));
    ASSERT_TRUE(once);
    const auto bytes = kartavel::text::encodeCp1254(*once);
    ASSERT_TRUE(bytes);
    for (int b = 0; b < 256; ++b)
        ASSERT_EQ(static_cast<unsigned char>((*bytes)[b]), 255 - b) << b;
    EXPECT_EQ(TStoredValue::EnDeCrypt(*once), decodeCp1254(all));

    EXPECT_FALSE(TStoredValue::EnDeCrypt("a\u4E2D")) << "no byte for a CJK character";
}

TEST(StoredValues, LookUpNamesWithoutRegardToCase) {
    TIloStorage s;
    for (const char* name : {"SIFRE", "Ayar", "ŞEHİR", "sifre"})
        s.StoredValues().Add().Name = name;
    const struct {
        const char* name;
        int index;
    } cases[] = {{"SIFRE", 0}, {"Sıfre", 0}, {"ayar", 1}, {"AYAR", 1},
                 {"şehir", 2}, {"sifre", 3}, {"YOK", -1}, {"", -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(s.StoredValues().IndexOf(c.name), c.index) << c.name;
        const TStoredValue* v = s.StoredValues().FindValue(c.name);
        EXPECT_EQ(v, c.index < 0 ? nullptr : &s.StoredValues()[c.index]) << c.name;
    }
}

TEST(IloStorage, ReadsAndWritesPlainValues) {
    TempDir dir;
    TIloStorage s = openOn(dir / "dosya.ini");
    EXPECT_EQ(s.ReadValue("SIFRE"), "");
    EXPECT_EQ(s.ReadValue("YOK"), "") << "an unknown name reads empty";

    ASSERT_TRUE(s.WriteValue("sıfre", "abc")); // Turkish letter case: I and ı
    EXPECT_EQ(s.StoredValues()[0].Value, decodeCp1254("\x9E\x9D\x9C")) << "the file form";
    EXPECT_EQ(s.ReadValue("SIFRE"), "abc");

    // An unknown name becomes a new item, unscrambled, under the name as given.
    ASSERT_TRUE(s.WriteValue("Renk", "mavi ş"));
    ASSERT_EQ(s.StoredValues().Count(), 2u);
    EXPECT_EQ(s.StoredValues()[1].Name, "Renk");
    EXPECT_FALSE(s.StoredValues()[1].Encode);
    EXPECT_EQ(s.StoredValues()[1].Value, "mavi ş");

    EXPECT_FALSE(s.WriteValue("SIFRE", "a\u4E2D")) << "the code page cannot hold it";
    EXPECT_EQ(s.ReadValue("SIFRE"), "abc");
    EXPECT_FALSE(kartavel::platform::fileExists(dir / "dosya.ini")) << "only SaveValues writes";

    s.SaveValues();
    EXPECT_EQ(readFile(dir / "dosya.ini"),
              "[IloStored]\r\nSIFRE=\x9E\x9D\x9C\r\nRenk=mavi \xFE\r\n");
}

TEST(IloStorage, AMissingFileKeepsTheDeclaredValueAndSavingCreatesIt) {
    TempDir dir;
    TIloStorage s = openOn(dir / "dosya.ini");
    EXPECT_TRUE(s.isOpen());
    EXPECT_EQ(s.StoredValues()[0].Value, "");
    s.SaveValues();
    EXPECT_EQ(readFile(dir / "dosya.ini"), "[IloStored]\r\nSIFRE=\r\n");
}

TEST(IloStorage, OpensOnlyWhenActiveOrTheNameChanges) {
    TempDir dir;
    const auto file = dir / "dosya.ini";
    writeFile(file, "[IloStored]\r\nSIFRE=\x9E\r\n"); // "a"

    TIloStorage s;
    TStoredValue& v = s.StoredValues().Add();
    v.Name = "SIFRE";
    v.Encode = true;
    s.setActive(false);
    s.setFileName(file.string());
    EXPECT_FALSE(s.isOpen()) << "an inactive storage opens nothing";
    s.Loaded();
    EXPECT_EQ(s.ReadValue("SIFRE"), "");
    s.setActive(true);
    EXPECT_EQ(s.ReadValue("SIFRE"), "a");

    writeFile(file, "[IloStored]\r\nSIFRE=\x9D\r\n"); // "b"
    s.setFileName(file.string());
    EXPECT_EQ(s.ReadValue("SIFRE"), "a") << "the same name does not read the file again";
    s.setActive(true);
    EXPECT_EQ(s.ReadValue("SIFRE"), "a") << "no change, no reading";
    s.setActive(false);
    s.setActive(true);
    EXPECT_EQ(s.ReadValue("SIFRE"), "b");
    s.Loaded();
    s.StoredValues()[0].Value.clear();
    s.RestoreValues();
    EXPECT_EQ(s.ReadValue("SIFRE"), "b");

    // Inactive, it still works on the file opened last, whatever FileName says now.
    s.setActive(false);
    s.setFileName((dir / "other.ini").string());
    ASSERT_TRUE(s.WriteValue("SIFRE", "c"));
    s.SaveValues();
    EXPECT_EQ(readFile(file), "[IloStored]\r\nSIFRE=\x9C\r\n");
    EXPECT_FALSE(kartavel::platform::fileExists(dir / "other.ini"));
}

TEST(IloStorage, WritingKeepsEveryOtherLine) {
    TempDir dir;
    const auto file = dir / "dosya.ini";
    const std::string others = "; not\r\n[Diger]\r\n  a = \"b\" \r\n\r\n";
    writeFile(file, others + "[ilostored]\r\nX=1\r\nsifre=old\r\n[Son]\r\nk=v\r\n");
    TIloStorage s = openOn(file);
    ASSERT_TRUE(s.WriteValue("SIFRE", "a"));
    s.SaveValues();
    EXPECT_EQ(readFile(file), others + "[ilostored]\r\nX=1\r\nsifre=\x9E\r\n[Son]\r\nk=v\r\n");

    // A missing section goes to the end of the file.
    writeFile(file, "[Diger]\r\nk=v");
    s.setActive(false);
    s.setActive(true);
    s.SaveValues();
    EXPECT_EQ(readFile(file), "[Diger]\r\nk=v\r\n[IloStored]\r\nSIFRE=\x9E\r\n");
}

TEST(IloStorage, EveryStorableValueReadsBackByteForByte) {
    // Scrambled, these begin or end with a quote (İ), a blank (ß), an apostrophe (Ø),
    // a TAB (ö), a form feed (ó) or an end-of-file mark (å): a reader that trims or
    // unquotes would change them.
    // Others scramble to "=", "[" or ";", which must not make a line look like
    // something else.
    const char* passwords[] = {"İgizli", "gizliİ", "İgizliİ", "ßara", "araß", "Øtek",
                               "tekØ",   "Ølüß",   "sözö",    "ösöz", "óyó",  "yaå",
                               "ÂÂ",     "¤x¤",    "Äyorum",  "€",    ""};
    TempDir dir;
    for (const char* p : passwords) {
        TIloStorage w = openOn(dir / "dosya.ini");
        ASSERT_TRUE(w.WriteValue("SIFRE", p));
        w.SaveValues();
        TIloStorage r = openOn(dir / "dosya.ini");
        EXPECT_EQ(r.ReadValue("SIFRE"), p) << p;
    }
}

TEST(IloStorage, AFailedSaveLeavesTheFileAsItWas) {
    TempDir dir;
    const auto file = dir / "dosya.ini";
    const std::string old = "[IloStored]\r\nSIFRE=\x9E\r\n";
    writeFile(file, old);
    TIloStorage s = openOn(file);

    // NUL, CR and LF would cut the line: scrambled, these are ÿ, ò and õ.
    for (const char* p : {"aÿ", "òa", "aõb"}) {
        ASSERT_TRUE(s.WriteValue("SIFRE", p));
        try {
            s.SaveValues();
            ADD_FAILURE() << p << " was written";
        } catch (const WriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file.string());
        }
        EXPECT_EQ(readFile(file), old);
    }

    ASSERT_TRUE(s.WriteValue("SIFRE", "yeni"));
    {
        kartavel::test::WriteBlocked fullDisk(file);
        EXPECT_THROW(s.SaveValues(), WriteError);
    }
    EXPECT_EQ(readFile(file), old);

    TIloStorage never;
    never.setActive(false);
    never.setFileName(file.string());
    EXPECT_THROW(never.SaveValues(), WriteError) << "no file has been opened";
    EXPECT_EQ(readFile(file), old);
}
