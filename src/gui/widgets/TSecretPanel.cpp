#include "TSecretPanel.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace kartavel::gui {

TSecretPanel::TSecretPanel(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    timer_->setInterval(kStepInterval);
    connect(timer_, &QTimer::timeout, this, &TSecretPanel::step);
}

void TSecretPanel::setLines(const QStringList& lines) {
    lines_ = lines;
    update();
}

void TSecretPanel::setColors(const QColor& back, const QColor& text) {
    back_ = back;
    text_ = text;
    update();
}

bool TSecretPanel::active() const {
    return timer_->isActive();
}

void TSecretPanel::setActive(bool on) {
    if (on == active())
        return;
    if (on) {
        offset_ = std::max(0, (height() - textHeight()) / 2);
        timer_->start();
    } else {
        timer_->stop();
    }
    update();
}

int TSecretPanel::textHeight() const {
    return static_cast<int>(lines_.size()) * fontMetrics().lineSpacing();
}

void TSecretPanel::step() {
    --offset_;
    if (offset_ + textHeight() <= 0)
        offset_ = height();
    update();
}

void TSecretPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    p.setPen(text_);
    p.setFont(font());
    const int lineHeight = fontMetrics().lineSpacing();
    int y = offset_;
    for (const QString& line : lines_) {
        if (y + lineHeight > 0 && y < height())
            p.drawText(QRect(0, y, width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop, line);
        y += lineHeight;
    }
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kartavel::gui
