#pragma once

#include "store/SerialDate.h"
#include "widgets/TDateEdit.h"

#include <cstdint>
#include <optional>

namespace kartavel::gui {

// A date field's day as the catalogue stores it; nothing while the field is empty.
inline std::optional<std::int32_t> serialDay(const TDateEdit* field) {
    const auto d = field->date();
    if (!d)
        return std::nullopt;
    return store::serialFromCivil({d->year(), d->month(), d->day()});
}

// Shows a stored day in a date field; nothing leaves it empty.
inline void setSerialDay(TDateEdit* field, std::optional<std::int32_t> day) {
    if (!day) {
        field->clear();
        return;
    }
    const auto c = store::civilFromSerial(*day);
    field->setDate(QDate(c.year, c.month, c.day));
}

} // namespace kartavel::gui
