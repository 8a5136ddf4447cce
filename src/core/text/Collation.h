#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kartavel::text {

// Locale collation with letter case ignored, as the scan sort and the register
// lists use it. The Linux build rests on ICU, the Windows build on CompareStringEx
// and LCMapStringEx.
class Collation {
public:
    // The user's collation: on Windows the user's locale; elsewhere the locale
    // named by LC_ALL, LC_COLLATE or LANG (the first that is set and not empty),
    // else the root collation.
    static const Collation& user();

    // A collation for a named locale such as "tr_TR" or "en_US.UTF-8";
    // unknown names, "C" and "POSIX" give the root collation.
    explicit Collation(std::string_view localeName);
    ~Collation();
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;

    // Negative, zero or positive, as a sorts before, with or after b.
    int compare(std::string_view a, std::string_view b) const;

    // A key whose byte order (std::string's operator<) is the collation order,
    // for sorting many texts without comparing them pairwise through the locale.
    std::string sortKey(std::string_view text) const;

    // The locale the collation was made for, as in "tr_TR" ("" for root).
    const std::string& localeName() const { return locale_; }

    // The name that the environment gives, before any fallback.
    static std::string environmentLocale();

private:
    // A locale name without its code set and variant, "" for "C" and "POSIX".
    static std::string baseName(std::string_view name);

    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string locale_;
};

} // namespace kartavel::text
