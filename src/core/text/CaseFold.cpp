#include "CaseFold.h"

namespace kartavel::text {

namespace {

bool isAsciiWithoutI(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80 || c == 'i' || c == 'I')
            return false;
    return true;
}

} // namespace

std::string foldCase(std::string_view text) {
    if (!isAsciiWithoutI(text))
        return foldCaseBySystem(text);
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a == b)
        return true;
    return foldCase(a) == foldCase(b);
}

} // namespace kartavel::text
