#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

namespace kartavel::gui {

// The progress gauge of the long operations: a filled bar in a frame with a
// centred caption such as "Aranıyor %45", the letters shown in the inverse
// colour of what lies beneath. A window raises Position after each step of
// its loop; the gauge paints at once, without the event loop, but only when
// what it shows changes.
class TILOProgress : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(double Position READ position WRITE setPosition)
    Q_PROPERTY(double Max READ maximum WRITE setMaximum)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(QImage BackImage READ backImage WRITE setBackImage)
    Q_PROPERTY(QImage ForeImage READ foreImage WRITE setForeImage)
    Q_PROPERTY(TOreiention Oriention READ oriention WRITE setOriention)
    Q_PROPERTY(QString Statement READ statement WRITE setStatement)
    Q_PROPERTY(bool ShowPosition READ showPosition WRITE setShowPosition)

public:
    // iloVertical: the bar grows from the left edge to the right;
    // iloHorizontal: it grows from the bottom edge up.
    enum TOreiention { iloHorizontal = 0, iloVertical = 1 };
    Q_ENUM(TOreiention)
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TILOProgress(QWidget* parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    // Sunken two-pixel frame, or a one-pixel black one.
    bool ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool on);

    // Equal and negative values are ignored; a value above Max leaves the
    // position as it is.
    double position() const { return m_position; }
    void setPosition(double position);
    // Any value; 0 and below show an empty bar and "%0".
    double maximum() const { return m_max; }
    void setMaximum(double max);

    bool showText() const { return m_showText; }
    void setShowText(bool on);
    // Pictures of the empty and the full bar; used only when both are set.
    QImage backImage() const { return m_backImage; }
    void setBackImage(const QImage& picture);
    QImage foreImage() const { return m_foreImage; }
    void setForeImage(const QImage& picture);

    // A change of direction starts the bar again from 0.
    TOreiention oriention() const { return m_oriention; }
    void setOriention(TOreiention oriention);
    QString statement() const { return m_statement; }
    void setStatement(const QString& statement);
    bool showPosition() const { return m_showPosition; }
    void setShowPosition(bool on);

    // The percentage shown, rounded to an integer with halves to even.
    qint64 getPosition() const;
    // The caption as it is drawn: Statement, " (pos/max)" when ShowPosition
    // is set, then " %" and the percentage.
    QString captionText() const;

    QSize sizeHint() const override { return {100, 35}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What a painting shows that a position change can alter.
    struct Shown {
        int fill = 0;
        qint64 percent = 0;
        qint64 position = 0;
        bool operator==(const Shown&) const = default;
    };

    double percent() const;
    QRect barRect() const;
    int fillLength(const QRect& bar) const;
    Shown shown() const;
    void requestRepaint();
    void drawFrame(QPainter& painter) const;
    void drawFill(QPainter& painter, const QRect& bar, int fill) const;
    void drawCaption();

    QColor m_backColor = Qt::white;
    QColor m_foreColor = QColor(0x00, 0x00, 0xFF);
    TBorderStyle m_borderStyle = bsSingle;
    bool m_ctl3D = true;
    double m_position = 0;
    double m_max = 100;
    bool m_showText = true;
    QImage m_backImage;
    QImage m_foreImage;
    TOreiention m_oriention = iloVertical;
    QString m_statement;
    bool m_showPosition = false;

    // Composed off screen and copied in one step, so a gauge raised in a tight
    // loop does not flicker; kept while the size stays the same.
    QImage m_bar;
    QImage m_caption;
    // What the last painting showed; empty once anything else has changed.
    std::optional<Shown> m_painted;
};

} // namespace kartavel::gui
