#pragma once

#include <initializer_list>
#include <string_view>

// The program's name and version, as its titles show them. kVersion and
// kVersionSuffix are also where the build takes the package's version from.
namespace kartavel::identity {

inline constexpr std::string_view kMaker = "TAVRIS";
inline constexpr std::string_view kProduct = "Kartavel";
inline constexpr std::string_view kVersion = "s1.06.01";
inline constexpr std::string_view kVersionSuffix = "f";
// The application title.
inline constexpr std::string_view kApplicationTitle = "TAVRIS Kartavel";
// The main window's title: maker, product, version and suffix.
inline constexpr std::string_view kMainTitle = "TAVRIS Kartavel s1.06.01f";
// The about box's program name: product and version.
inline constexpr std::string_view kAboutName = "Kartavel s1.06.01";

// Whether `whole` is exactly the parts, one after another.
constexpr bool joins(std::string_view whole, std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) {
        if (!whole.starts_with(part))
            return false;
        whole.remove_prefix(part.size());
    }
    return whole.empty();
}

// A new version is written once, above: the titles must follow it.
static_assert(joins(kApplicationTitle, {kMaker, " ", kProduct}));
static_assert(joins(kMainTitle, {kMaker, " ", kProduct, " ", kVersion, kVersionSuffix}));
static_assert(joins(kAboutName, {kProduct, " ", kVersion}));

} // namespace kartavel::identity
