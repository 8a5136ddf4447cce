#pragma once

#include "TButtonEdit.h"

#include <QDate>

#include <optional>

class QCalendarWidget;

namespace kartavel::gui {

// A date field with a drop-down calendar: the day typed as dd.MM.yyyy or picked
// from the calendar (the button, Alt+Down or F4). Digits alone fill the day, the
// month and the year in turn, as a masked field does: the dots come by themselves.
// The field may be cleared; an empty field holds no date, and one that names no
// real day is unfinished and shown in a red frame.
class TDateEdit : public TButtonEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget* parent = nullptr);

    static QString format() { return QStringLiteral("dd.MM.yyyy"); }

    std::optional<QDate> date() const;
    // True while the field holds text that names no day: it is neither empty nor a
    // date, and a window must not take it for either.
    bool unfinished() const;
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
    void showWhetherFinished();

    QCalendarWidget* calendar_ = nullptr;
};

} // namespace kartavel::gui
