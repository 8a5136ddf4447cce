#pragma once

#include <QString>

#include <string_view>

namespace kartavel::gui {

// Core's UTF-8 text as the windows show it.
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace kartavel::gui
