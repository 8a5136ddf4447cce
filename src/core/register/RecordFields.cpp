#include "RecordFields.h"

#include "text/Utf8.h"

namespace kartavel::reg {

std::optional<std::string> checkRecordTexts(std::string_view name, std::string_view code) {
    if (text::characterCount(name) > kNameLength)
        return "Arşiv Adı en fazla 40 karakter olabilir...";
    // The table file keeps no blank at either end of a value: the name read back
    // would no longer be the content file's.
    if (!name.empty() && (name.front() == ' ' || name.back() == ' '))
        return "Arşiv Adının başında ya da sonunda boşluk olamaz...";
    if (text::characterCount(code) > kCodeLength)
        return "Özel Kodu en fazla 50 karakter olabilir...";
    return std::nullopt;
}

std::string groupText(std::string_view group) {
    return std::string(text::leftCharacters(group, kGroupLength));
}

} // namespace kartavel::reg
