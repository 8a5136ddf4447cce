#include "TGauge.h"

#include <QPainter>

namespace kartavel::gui {

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::setRange(int minValue, int maxValue) {
    min_ = minValue;
    max_ = qMax(minValue, maxValue);
    setProgress(progress_);
}

void TGauge::setProgress(int value) {
    value = qBound(min_, value, max_);
    if (value == progress_)
        return;
    progress_ = value;
    repaint(); // start-up shows each step at once, before the event loop runs
}

void TGauge::setColors(QColor back, QColor fore) {
    back_ = back;
    fore_ = fore;
    update();
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    const int span = max_ - min_;
    const int filled = span > 0 ? width() * (progress_ - min_) / span : 0;
    if (filled > 0)
        p.fillRect(0, 0, filled, height(), fore_);
}

} // namespace kartavel::gui
