#pragma once

#include "Prompter.h"
#include "store/SerialDate.h"
#include "widgets/TDateEdit.h"

#include <QLineEdit>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace kartavel::gui {

// A command that reads dates refuses while one of its fields is left unfinished,
// with the focus on that field: such a date is never taken as empty. True when it
// refused.
inline bool refuseUnfinishedDate(std::initializer_list<TDateEdit*> fields) {
    for (TDateEdit* f : fields) {
        if (f->unfinished()) {
            ShowInfo(QStringLiteral("Tarih eksik ya da hatalı girilmiş. Tarihi gg.aa.yyyy "
                                    "biçiminde giriniz..."));
            f->lineEdit()->setFocus();
            return true;
        }
    }
    return false;
}

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
