#include "Password.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "text/Cp1254.h"
#include "text/Utf8.h"

namespace kartavel::access {

TIloStorage makeIloStorage1() {
    TIloStorage storage;
    storage.setActive(false);
    TStoredValue& sifre = storage.StoredValues().Add();
    sifre.Name = kPasswordKey;
    sifre.Encode = true;
    storage.Loaded();
    return storage;
}

std::filesystem::path storedValuesFile() {
    return platform::dataFile(kStoredValuesFileName);
}

bool storedValuesFileExists() {
    return platform::fileExists(storedValuesFile());
}

void openStoredValues(TIloStorage& IloStorage1) {
    IloStorage1.setActive(false);
    IloStorage1.setFileName(platform::utf8FromPath(storedValuesFile()));
    IloStorage1.setActive(true);
}

LoginOutcome checkPassword(const TIloStorage& IloStorage1, std::string_view entered) {
    if (entered.empty())
        return LoginOutcome::Nothing;
    return entered == IloStorage1.ReadValue(kPasswordKey) ? LoginOutcome::LoggedIn
                                                          : LoginOutcome::Refused;
}

namespace {

// A character the file cannot hold once scrambled, or the login field cannot take.
bool unusableCharacter(char32_t cp) {
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
        return true; // control characters
    if (cp == U'ÿ' || cp == U'ò' || cp == U'õ')
        return true; // they scramble to NUL, CR and LF
    return !text::unicodeToCp1254(cp).has_value();
}

} // namespace

std::optional<std::string_view> unusableNewPassword(std::string_view password) {
    if (text::characterCount(password) > kLoginFieldLength)
        return kNewPasswordTooLong;
    std::size_t pos = 0;
    bool blank = false;
    while (pos < password.size()) {
        const char32_t cp = text::nextCodePoint(password, pos);
        if (cp == text::kInvalidCodePoint || unusableCharacter(cp))
            return kNewPasswordBadCharacter;
        blank = blank || cp == U' ';
    }
    if (blank)
        return kNewPasswordHasBlank;
    return std::nullopt;
}

PasswordChangeResult changePassword(TIloStorage& IloStorage1, std::string_view oldPassword,
                                    std::string_view newPassword, std::string_view repetition) {
    if (newPassword.empty())
        return {false, kNewPasswordMissing};
    if (platform::fileExists(platform::pathFromUtf8(IloStorage1.FileName())) &&
        oldPassword != IloStorage1.ReadValue(kPasswordKey))
        return {false, kOldPasswordWrong};
    if (newPassword != repetition)
        return {false, kNewPasswordMismatch};
    if (const auto why = unusableNewPassword(newPassword))
        return {false, *why};

    TStoredValue* sifre = IloStorage1.StoredValues().FindValue(kPasswordKey);
    if (!sifre) {
        sifre = &IloStorage1.StoredValues().Add();
        sifre->Name = kPasswordKey;
        sifre->Encode = true; // the password never stands in the file in plain text
    }
    const std::string before = sifre->Value;
    IloStorage1.WriteValue(kPasswordKey, newPassword);
    try {
        IloStorage1.SaveValues();
    } catch (...) {
        // A change that did not reach the file is no change: the old password stays
        // the one the next attempt is checked against.
        sifre->Value = before;
        throw;
    }
    return {true, kPasswordChanged};
}

} // namespace kartavel::access
