#pragma once

#include "TButtonEdit.h"

#include <QDate>

#include <optional>

class QCalendarWidget;

namespace kartavel::gui {

// A date field with a drop-down calendar: the day typed as dd.MM.yyyy or picked
// from the calendar (the button, Alt+Down or F4). The field may be cleared; an
// empty field, or one that names no real day, holds no date.
class TDateEdit : public TButtonEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget* parent = nullptr);

    static QString format() { return QStringLiteral("dd.MM.yyyy"); }

    std::optional<QDate> date() const;
    void setDate(std::optional<QDate> date);
    void clear() { setDate(std::nullopt); }

    // Opens the calendar under the field, on the field's date (today when empty).
    void showCalendar();

    // The calendar while it is open, else nullptr.
    QCalendarWidget* calendar() const { return calendar_; }

Q_SIGNALS:
    void dateChanged();

protected:
    void dropDown() override { showCalendar(); }

private:
    void pick(QDate date);

    QCalendarWidget* calendar_ = nullptr;
};

} // namespace kartavel::gui
