#pragma once

#include <string>
#include <string_view>

namespace kartavel::text {

// Full case folding with the Turkish pairs (I with ı, İ with i), for comparing
// names "without regard to letter case": Yedek and YEDEK are equal, disk and DİSK
// are equal, disk and DISK are not.
std::string foldCase(std::string_view text);

bool equalIgnoringCase(std::string_view a, std::string_view b);

// The folding of texts beyond ASCII letters: ICU's full case folding with the
// Turkish I rules, or on Windows the Turkish lower-casing of LCMapStringEx (which
// leaves the expansions of full folding, such as ß to ss, undone).
std::string foldCaseBySystem(std::string_view text);

} // namespace kartavel::text
