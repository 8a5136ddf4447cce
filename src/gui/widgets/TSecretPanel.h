#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

class QTimer;

namespace kartavel::gui {

// A credits panel: lines of text, centred, in one colour on another. While active
// it scrolls them upwards by one pixel every 25 milliseconds; once the last line
// has left the top edge, the first one comes in again at the bottom.
class TSecretPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(bool Active READ active WRITE setActive)

public:
    static constexpr int kStepInterval = 25;

    explicit TSecretPanel(QWidget* parent = nullptr);

    QStringList lines() const { return lines_; }
    void setLines(const QStringList& lines);
    void setColors(const QColor& back, const QColor& text);

    // Starting shows the lines in the middle of the panel, or from the top edge when
    // they are taller than the panel.
    bool active() const;
    void setActive(bool on);

    // One scrolling step; the timer calls it.
    void step();
    // Where the first line's top stands, in pixels from the panel's top edge.
    int offset() const { return offset_; }
    // The height of all lines together.
    int textHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines_;
    QColor back_ = Qt::black;
    QColor text_ = Qt::white;
    QTimer* timer_;
    int offset_ = 0;
};

} // namespace kartavel::gui
