#include "access/Password.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <optional>

using namespace kartavel::access;
using kartavel::test::readFile;
using kartavel::test::ScopedDataFolder;
using kartavel::test::storedPasswordFile;
using kartavel::test::writeFile;

namespace {

TIloStorage opened() {
    TIloStorage s = makeIloStorage1();
    openStoredValues(s);
    return s;
}

} // namespace

TEST(ProgramPassword, IloStorage1IsDeclaredInactiveWithOneScrambledValue) {
    ScopedDataFolder data;
    writeFile(storedValuesFile(), storedPasswordFile("Gizli"));
    TIloStorage s = makeIloStorage1();
    EXPECT_FALSE(s.Active());
    EXPECT_EQ(s.FileName(), "");
    EXPECT_FALSE(s.isOpen());
    ASSERT_EQ(s.StoredValues().Count(), 1u);
    EXPECT_EQ(s.StoredValues()[0].Name, "SIFRE");
    EXPECT_TRUE(s.StoredValues()[0].Encode);
    EXPECT_EQ(s.ReadValue("SIFRE"), "");

    // Each window that opens it reads the file afresh.
    openStoredValues(s);
    EXPECT_EQ(s.ReadValue("SIFRE"), "Gizli");
    writeFile(storedValuesFile(), storedPasswordFile("Yeni"));
    openStoredValues(s);
    EXPECT_EQ(s.ReadValue("SIFRE"), "Yeni");
    EXPECT_EQ(storedValuesFile(), data / "dosya.ini");
}

TEST(ProgramPassword, LoginCheckIsExact) {
    ScopedDataFolder data;
    writeFile(storedValuesFile(), storedPasswordFile("Gizli"));
    const TIloStorage s = opened();
    const struct {
        const char* entered;
        LoginOutcome outcome;
    } cases[] = {{"", LoginOutcome::Nothing},       {"Gizli", LoginOutcome::LoggedIn},
                 {"gizli", LoginOutcome::Refused},  {"GIZLI", LoginOutcome::Refused},
                 {"Gizli ", LoginOutcome::Refused}, {"Gizl", LoginOutcome::Refused}};
    for (const auto& c : cases)
        EXPECT_EQ(checkPassword(s, c.entered), c.outcome) << c.entered;

    // An empty or missing stored password is matched by no entry.
    writeFile(storedValuesFile(), "[IloStored]\r\nSIFRE=\r\n");
    EXPECT_EQ(checkPassword(opened(), "x"), LoginOutcome::Refused);
    kartavel::platform::removeFile(storedValuesFile());
    EXPECT_EQ(checkPassword(opened(), "x"), LoginOutcome::Refused);
    EXPECT_EQ(checkPassword(opened(), ""), LoginOutcome::Nothing);
}

TEST(ProgramPassword, RefusesPasswordsTheLoginCouldNeverTake) {
    const struct {
        const char* password;
        std::optional<std::string_view> message;
    } cases[] = {
        {"1234567890123456", std::nullopt},
        {"ÇĞİÖŞÜçğıöşüâîûé", std::nullopt}, // 16 letters of the code page
        {"İßØ€", std::nullopt},             // they scramble to a quote, a blank, ' and DEL
        {"12345678901234567", kNewPasswordTooLong},
        {"iki kelime", kNewPasswordHasBlank},
        {" ", kNewPasswordHasBlank},
        {"aÿ", kNewPasswordBadCharacter},
        {"òa", kNewPasswordBadCharacter},
        {"aõ", kNewPasswordBadCharacter},
        {"a\tb", kNewPasswordBadCharacter},
        {"a\u4E2D", kNewPasswordBadCharacter},
        {"\xFF\xFE", kNewPasswordBadCharacter}, // not UTF-8 at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(unusableNewPassword(c.password), c.message) << c.password;
}

TEST(ProgramPassword, ChangeStepsRunInOrder) {
    const struct {
        const char* name;
        bool filePresent;
        const char *oldPassword, *newPassword, *repetition;
        std::string_view message;
    } cases[] = {
        {"first password", false, "", "abc", "abc", kPasswordChanged},
        {"first password ignores the old field", false, "x", "abc", "abc", kPasswordChanged},
        {"change", true, "eski", "abc", "abc", kPasswordChanged},
        {"new missing comes first", true, "yanlis", "", "x", kNewPasswordMissing},
        {"old wrong", true, "yanlis", "abc", "abd", kOldPasswordWrong},
        {"old differs in case", true, "ESKI", "abc", "abc", kOldPasswordWrong},
        {"mismatch", true, "eski", "abc", "abd", kNewPasswordMismatch},
        {"mismatch before the usability check", false, "", "a b", "a  b", kNewPasswordMismatch},
        {"too long", true, "eski", "12345678901234567", "12345678901234567", kNewPasswordTooLong},
        {"blank", false, "", "a b", "a b", kNewPasswordHasBlank},
        {"cannot be stored", true, "eski", "õ", "õ", kNewPasswordBadCharacter},
    };
    for (const auto& c : cases) {
        ScopedDataFolder data;
        const std::string before = storedPasswordFile("eski");
        if (c.filePresent)
            writeFile(storedValuesFile(), before);
        TIloStorage s = opened();
        const auto r = changePassword(s, c.oldPassword, c.newPassword, c.repetition);
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(r.changed, c.message == kPasswordChanged) << c.name;
        if (r.changed) {
            EXPECT_EQ(readFile(storedValuesFile()), storedPasswordFile("abc")) << c.name;
            EXPECT_EQ(checkPassword(opened(), "abc"), LoginOutcome::LoggedIn) << c.name;
        } else if (c.filePresent) {
            EXPECT_EQ(readFile(storedValuesFile()), before) << c.name;
        } else {
            EXPECT_FALSE(storedValuesFileExists()) << c.name;
        }
    }
}

TEST(ProgramPassword, AChangeThatCannotBeWrittenChangesNothing) {
    ScopedDataFolder data;
    const std::string before = storedPasswordFile("eski");
    writeFile(storedValuesFile(), before);
    TIloStorage s = opened();
    {
        kartavel::test::WriteBlocked fullDisk(storedValuesFile());
        EXPECT_THROW(changePassword(s, "eski", "yeni", "yeni"), kartavel::platform::WriteError);
    }
    EXPECT_EQ(readFile(storedValuesFile()), before);
    EXPECT_EQ(s.ReadValue("SIFRE"), "eski") << "the next attempt is still checked against it";
    EXPECT_EQ(changePassword(s, "eski", "yeni", "yeni").message, kPasswordChanged);
    EXPECT_EQ(readFile(storedValuesFile()), storedPasswordFile("yeni"));
}
