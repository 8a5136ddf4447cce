#include "TDateEdit.h"

#include "KeyEvents.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace kartavel::gui {

TDateEdit::TDateEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_, 1);
    row->addWidget(button_);
    setFocusProxy(edit_);

    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,2}(\\.\\d{0,2}(\\.\\d{0,4})?)?")), edit_));
    edit_->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &TDateEdit::dateChanged);

    button_->setObjectName(QStringLiteral("CalendarButton"));
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setToolTip(QStringLiteral("Takvim"));
    connect(button_, &QToolButton::clicked, this, &TDateEdit::showCalendar);
}

std::optional<QDate> TDateEdit::date() const {
    const QDate d = QDate::fromString(edit_->text(), format());
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

bool TDateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && isDropDownKey(event)) {
        showCalendar();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kartavel::gui
