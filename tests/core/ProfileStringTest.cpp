// The catalogue's profile-string files against Windows' own reader and writer
// (GetPrivateProfileStringA, WritePrivateProfileStringA): the table files, the
// window settings of AnaF.ini and the stored-values file must mean the same to
// both, so a data folder moves between the program and Windows tools unchanged.
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "text/Cp1254.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace kartavel;
using kartavel::test::TempDir;

namespace {

// The A functions take the path in the ANSI code page; temporary folders are ASCII.
std::string ansiPath(const std::filesystem::path& file) {
    return file.string();
}

// What Windows reads for a key; "(none)" when it finds no such key.
std::string windowsValue(const std::filesystem::path& file, const std::string& section,
                         const std::string& key) {
    char buf[4096];
    const DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "(none)", buf,
                                               sizeof buf, ansiPath(file).c_str());
    return std::string(buf, n);
}

std::vector<std::string> windowsSections(const std::filesystem::path& file) {
    char buf[4096];
    const DWORD n = ::GetPrivateProfileSectionNamesA(buf, sizeof buf, ansiPath(file).c_str());
    std::vector<std::string> out;
    for (std::size_t i = 0; i < n; i += out.back().size() + 1)
        out.emplace_back(buf + i);
    return out;
}

void windowsWrite(const std::filesystem::path& file, const char* section, const char* key,
                  const std::string& value) {
    ASSERT_TRUE(::WritePrivateProfileStringA(section, key, value.c_str(), ansiPath(file).c_str()));
}

// A register table whose texts take the forms the line rules treat specially.
store::RecordTable registerWithOddTexts() {
    store::RecordTable t(store::schemas::KayitOrj_T());
    t.open();
    const struct {
        std::optional<std::int32_t> date;
        const char* code;
        const char* name;
        std::int32_t kodu;
        const char* group;
    } rows[] = {
        {38353, "A-12", "Yedek 2005", 1, "Belgeler"},
        {std::nullopt, "", "Arşiv Çığ", -2, "Müzik"},
        {1, "\"tırnaklı\"", "sonu boşluk   ", 3, "'tek'"},
        {46366, "a=b", "  önü boşluk", 4, "x = y"},
    };
    for (const auto& r : rows) {
        t.append();
        t.setDate(0, r.date);
        t.setString(1, r.code);
        t.setString(2, r.name);
        t.setInteger(3, r.kodu);
        t.setString(4, "0");
        t.setString(5, r.group);
        t.post(); // ALTGRUB stays null
    }
    return t;
}

std::string bytes1254(std::string_view utf8) {
    return text::encodeCp1254(utf8).value();
}

} // namespace

TEST(ProfileStrings, WindowsReadsOurTableFilesAsWeDo) {
    TempDir dir;
    const auto file = dir / "ARSIV_Y.DB";
    auto written = registerWithOddTexts();
    store::RxMemorySaveToFile(written, file);

    store::RecordTable ours(store::schemas::KayitOrj_T());
    store::RxMemoryLoadFromFile(ours, file);
    ASSERT_EQ(ours.recordCount(), 4);
    EXPECT_EQ(windowsSections(file),
              (std::vector<std::string>{"RecNo1", "RecNo2", "RecNo3", "RecNo4"}));
    int n = 1;
    for (ours.first(); !ours.eof(); ours.next(), ++n) {
        for (std::size_t c = 0; c < ours.fields().size(); ++c) {
            const std::string& column = ours.fields()[c].name;
            EXPECT_EQ(windowsValue(file, "RecNo" + std::to_string(n), column),
                      bytes1254(ours.asString(static_cast<int>(c))))
                << "RecNo" << n << " " << column;
        }
    }
    // Names are found without regard to letter case by both.
    EXPECT_EQ(windowsValue(file, "recno2", "arsiv_adi"), bytes1254("Arşiv Çığ"));
}

TEST(ProfileStrings, WindowsReadsOurSettingsAndStoredValues) {
    TempDir dir;
    const auto file = dir / "AnaF.ini";
    platform::IniDocument settings;
    settings.setValue("TAnaF", "BuyukSimgeler1_Checked", "True");
    settings.setValue("TAnaF", "Liste1_Checked", "False");
    platform::replaceFileAtomically(file, settings.serialize());
    EXPECT_EQ(windowsValue(file, "TAnaF", "BuyukSimgeler1_Checked"), "True");
    EXPECT_EQ(windowsValue(file, "tanaf", "LISTE1_CHECKED"), "False");
    EXPECT_EQ(windowsValue(file, "TAnaF", "Rapor1_Checked"), "(none)");

    // The stored-values file: scrambled bytes (each byte complemented) stand as
    // they are, and a second write keeps the other sections of the file.
    const auto stored = dir / "dosya.ini";
    platform::replaceFileAtomically(stored, "[Baska]\r\nA=1\r\n");
    auto doc = platform::IniDocument::parse(*platform::readWholeFile(stored));
    for (const std::string& plain : {std::string("abc"), bytes1254("şifre Ğİ"), std::string()}) {
        std::string scrambled = plain;
        for (char& c : scrambled)
            c = static_cast<char>(~c);
        doc.setValue("IloStored", "SIFRE", scrambled);
        platform::replaceFileAtomically(stored, doc.serialize());
        EXPECT_EQ(windowsValue(stored, "IloStored", "SIFRE"), scrambled) << plain;
        EXPECT_EQ(windowsValue(stored, "Baska", "A"), "1");
    }
}

TEST(ProfileStrings, WeReadWhatWindowsWrites) {
    TempDir dir;
    const auto file = dir / "ARSIV_Y.DB";
    windowsWrite(file, "RecNo1", "TARIHI", "38353");
    windowsWrite(file, "RecNo1", "OZEL_KODU", "A-12");
    windowsWrite(file, "RecNo1", "ARSIV_ADI", bytes1254("Arşiv Çığ"));
    windowsWrite(file, "RecNo1", "KODU", "-7");
    windowsWrite(file, "RecNo1", "ALTGRUB", "");
    windowsWrite(file, "RecNo2", "ARSIV_ADI", bytes1254("İkinci"));
    windowsWrite(file, "RecNo2", "GRUBU", bytes1254("Müzik"));
    windowsWrite(file, "RecNo1", "GRUBU", "Belgeler"); // a later key of an earlier section

    store::RecordTable t(store::schemas::KayitOrj_T());
    store::RxMemoryLoadFromFile(t, file);
    ASSERT_EQ(t.recordCount(), 2);
    t.first();
    EXPECT_EQ(t.asDate(0), 38353);
    EXPECT_EQ(t.asString("OZEL_KODU"), "A-12");
    EXPECT_EQ(t.asString("ARSIV_ADI"), "Arşiv Çığ");
    EXPECT_EQ(t.asString("KODU"), "-7");
    EXPECT_EQ(t.asString("GRUBU"), "Belgeler");
    EXPECT_TRUE(t.isNull(t.requireField("ALTGRUB")));
    t.next();
    EXPECT_EQ(t.asString("ARSIV_ADI"), "İkinci");
    EXPECT_EQ(t.asString("GRUBU"), "Müzik");

    // Settings and stored values written by Windows.
    const auto ini = dir / "dosya.ini";
    const std::string scrambled = "\x9E\x9D\x9C"; // "abc"
    windowsWrite(ini, "IloStored", "SIFRE", scrambled);
    windowsWrite(ini, "TAnaF", "Liste1_Checked", "True");
    const auto doc = platform::IniDocument::parse(*platform::readWholeFile(ini));
    ASSERT_NE(doc.value("ilostored", "sifre"), nullptr);
    EXPECT_EQ(*doc.value("ilostored", "sifre"), scrambled);
    ASSERT_NE(doc.value("TAnaF", "Liste1_Checked"), nullptr);
    EXPECT_EQ(*doc.value("TAnaF", "Liste1_Checked"), "True");
}
