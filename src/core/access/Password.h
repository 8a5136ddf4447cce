#pragma once

#include "IloStorage.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

// The program password: one password, no user names, kept scrambled under SIFRE in
// "dosya.ini" of the data folder. The login window, the password-change window and
// the CLI's password gate and passwd command all go by these rules.
namespace kartavel::access {

inline constexpr std::string_view kStoredValuesFileName = "dosya.ini";
inline constexpr std::string_view kPasswordKey = "SIFRE";
// The login field holds at most this many characters.
inline constexpr std::size_t kLoginFieldLength = 16;

inline constexpr std::string_view kPasswordNotVerified = "Şifre Dogrulanamadı...";
inline constexpr std::string_view kNewPasswordMissing = "Yeni şifreyi girmelisiniz.";
inline constexpr std::string_view kOldPasswordWrong = "Eski şifre hatalı...";
inline constexpr std::string_view kNewPasswordMismatch = "Yeni şifre uyumsuz...";
inline constexpr std::string_view kPasswordChanged = "Şifre değiştirilmiştir...";
// A new password the login could never accept, or the file could never hold.
inline constexpr std::string_view kNewPasswordTooLong =
    "Yeni şifre en fazla 16 karakter olabilir...";
inline constexpr std::string_view kNewPasswordHasBlank = "Yeni şifre boşluk içeremez...";
inline constexpr std::string_view kNewPasswordBadCharacter =
    "Yeni şifrede kullanılamayan bir karakter var...";

// The main window's stored-values component as it is declared: inactive, no file
// name, and one scrambled item SIFRE with an empty value. It opens nothing.
TIloStorage makeIloStorage1();

// "dosya.ini" in the data folder.
std::filesystem::path storedValuesFile();
bool storedValuesFileExists();

// What the login and the password-change window do when they are created: Active
// false, FileName the stored-values file, Active true. So the file is opened again
// and SIFRE is read from disk each time.
void openStoredValues(TIloStorage& IloStorage1);

enum class LoginOutcome {
    Nothing,  // nothing was entered: no message, the window stays open
    LoggedIn, // the entry equals the stored password
    Refused,  // kPasswordNotVerified
};

// The login window's check: the entry against the stored password, byte for byte
// (letter case counts, nothing trimmed). A stored password that is empty or missing
// is matched by no entry.
LoginOutcome checkPassword(const TIloStorage& IloStorage1, std::string_view entered);

// Why a new password could never be typed at the login or never be stored, or
// nothing when it can: longer than the login field, holding a blank (the login field
// discards typed blanks), or holding a character that cannot stand in the file (one
// code page 1254 lacks; ÿ, ò and õ, which scramble to NUL, CR and LF) or cannot be
// typed (a control character).
std::optional<std::string_view> unusableNewPassword(std::string_view password);

struct PasswordChangeResult {
    bool changed = false;
    std::string_view message; // for the information box
};

// The password-change window's steps, in order: a new password is needed; while
// the stored-values file exists, the old password must equal the stored one; the
// repetition must equal the new password; the new password must be usable (above);
// then it is scrambled into SIFRE and the file is written. Throws
// platform::WriteError when the file cannot be written; the file and the stored
// value in memory are then as they were.
PasswordChangeResult changePassword(TIloStorage& IloStorage1, std::string_view oldPassword,
                                    std::string_view newPassword, std::string_view repetition);

} // namespace kartavel::access
