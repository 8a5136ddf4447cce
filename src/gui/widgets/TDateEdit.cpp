#include "TDateEdit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>

namespace kartavel::gui {

namespace {

// Takes what is typed as day, month and year: a digit past a full day or month
// starts the next part with a dot put in before it, a dot typed ends a part (one
// typed where a dot already stands is dropped), and anything else is refused.
class DateDigits : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        static constexpr int kWidth[] = {2, 2, 4};
        QString out;
        int outPos = -1;
        int part = 0, digits = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (i == pos)
                outPos = static_cast<int>(out.size());
            const QChar c = input[i];
            if (c >= u'0' && c <= u'9') {
                if (digits == kWidth[part]) {
                    if (part == 2)
                        return Invalid;
                    out += u'.';
                    ++part;
                    digits = 0;
                }
                out += c;
                ++digits;
            } else if (c == u'.') {
                if (digits == 0) {
                    if (part == 0)
                        return Invalid;
                    continue;
                }
                if (part == 2)
                    return Invalid;
                out += u'.';
                ++part;
                digits = 0;
            } else {
                return Invalid;
            }
        }
        input = out;
        pos = outPos < 0 ? static_cast<int>(out.size()) : outPos;
        return out.isEmpty() || dayOf(out) ? Acceptable : Intermediate;
    }

    // Days and months may be typed without their leading zero.
    static std::optional<QDate> dayOf(const QString& text) {
        const QDate d = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
        return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
    }
};

} // namespace

TDateEdit::TDateEdit(QWidget* parent) : TButtonEdit(parent) {
    edit_->setValidator(new DateDigits(edit_));
    edit_->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    connect(edit_, &QLineEdit::textChanged, this, &TDateEdit::dateChanged);
    connect(edit_, &QLineEdit::textChanged, this, &TDateEdit::showWhetherFinished);

    button_->setObjectName(QStringLiteral("CalendarButton"));
    button_->setArrowType(Qt::DownArrow);
    button_->setToolTip(QStringLiteral("Takvim"));
}

std::optional<QDate> TDateEdit::date() const {
    return DateDigits::dayOf(edit_->text());
}

bool TDateEdit::unfinished() const {
    return !edit_->text().isEmpty() && !date();
}

void TDateEdit::showWhetherFinished() {
    edit_->setStyleSheet(unfinished() ? QStringLiteral("QLineEdit { border: 2px solid red; }")
                                      : QString());
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
