#pragma once

#include <string_view>

// The program's name and version, as its titles show them.
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

} // namespace kartavel::identity
