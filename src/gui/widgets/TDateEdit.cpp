#include "TDateEdit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace kartavel::gui {

TDateEdit::TDateEdit(QWidget* parent) : TButtonEdit(parent) {
    edit_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,2}(\\.\\d{0,2}(\\.\\d{0,4})?)?")), edit_));
    edit_->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    connect(edit_, &QLineEdit::textChanged, this, &TDateEdit::dateChanged);

    button_->setObjectName(QStringLiteral("CalendarButton"));
    button_->setArrowType(Qt::DownArrow);
    button_->setToolTip(QStringLiteral("Takvim"));
}

std::optional<QDate> TDateEdit::date() const {
    // Days and months may be typed without their leading zero.
    const QDate d = QDate::fromString(edit_->text(), QStringLiteral("d.M.yyyy"));
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

void TDateEdit::setDate(std::optional<QDate> date) {
    edit_->setText(date && date->isValid() ? date->toString(format()) : QString());
}

void TDateEdit::showCalendar() {
    if (calendar_)
        return;
    calendar_ = new QCalendarWidget(this);
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setAttribute(Qt::WA_DeleteOnClose);
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setGridVisible(true);
    calendar_->setSelectedDate(date().value_or(QDate::currentDate()));
    connect(calendar_, &QCalendarWidget::activated, this, &TDateEdit::pick);
    connect(calendar_, &QCalendarWidget::clicked, this, &TDateEdit::pick);
    connect(calendar_, &QObject::destroyed, this, [this, shown = calendar_] {
        if (calendar_ == shown)
            calendar_ = nullptr;
    });
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

void TDateEdit::pick(QDate date) {
    setDate(date);
    if (calendar_) {
        calendar_->close();
        calendar_ = nullptr;
    }
    edit_->setFocus();
}

} // namespace kartavel::gui
