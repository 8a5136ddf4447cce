#pragma once

#include <QColor>
#include <QWidget>

namespace kartavel::gui {

// A plain horizontal gauge without border or text, as the splash window shows
// start-up progress with: the empty part in one colour, the filled part in another.
class TGauge : public QWidget {
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);

    void setRange(int minValue, int maxValue);
    void setProgress(int value);
    void addProgress(int step) { setProgress(progress_ + step); }
    int progress() const { return progress_; }
    int maxValue() const { return max_; }
    void setColors(QColor back, QColor fore);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    int progress_ = 0;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
};

} // namespace kartavel::gui
