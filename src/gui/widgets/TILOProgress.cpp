#include "TILOProgress.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kartavel::gui {

namespace {

// Halves go to the even neighbour; values beyond 64 bits stop at its ends.
qint64 roundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double limit = 9.2e18;
    if (value >= limit) {
        return std::numeric_limits<qint64>::max();
    }
    if (value <= -limit) {
        return std::numeric_limits<qint64>::min();
    }
    return static_cast<qint64>(std::nearbyint(value));
}

} // namespace

TILOProgress::TILOProgress(QWidget* parent) : QWidget(parent) {
    resize(100, 35);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// --- properties ---------------------------------------------------------------

void TILOProgress::requestRepaint() {
    m_painted.reset();
    update();
}

void TILOProgress::setBackColor(const QColor& color) {
    m_backColor = color;
    requestRepaint();
}

void TILOProgress::setForeColor(const QColor& color) {
    m_foreColor = color;
    requestRepaint();
}

void TILOProgress::setBorderStyle(TBorderStyle style) {
    if (style != m_borderStyle) {
        m_borderStyle = style;
        requestRepaint();
    }
}

void TILOProgress::setCtl3D(bool on) {
    if (on != m_ctl3D) {
        m_ctl3D = on;
        requestRepaint();
    }
}

void TILOProgress::setPosition(double position) {
    if (position == m_position || position < 0) {
        return;
    }
    if (position <= m_max) {
        m_position = position;
    }
    // Painting at once keeps the gauge moving inside a loop that does not
    // return to the event loop; painting only when the picture changes keeps
    // a million small steps cheap.
    if (isVisible() && (!m_painted || *m_painted != shown())) {
        repaint();
    }
}

void TILOProgress::setMaximum(double max) {
    if (max != m_max) {
        m_max = max;
        requestRepaint();
    }
}

void TILOProgress::setShowText(bool on) {
    if (on != m_showText) {
        m_showText = on;
        requestRepaint();
    }
}

void TILOProgress::setBackImage(const QImage& picture) {
    m_backImage = picture;
    requestRepaint();
}

void TILOProgress::setForeImage(const QImage& picture) {
    m_foreImage = picture;
    requestRepaint();
}

void TILOProgress::setOriention(TOreiention oriention) {
    if (oriention != m_oriention) {
        m_oriention = oriention;
        m_position = 0;
        requestRepaint();
    }
}

void TILOProgress::setStatement(const QString& statement) {
    if (statement != m_statement) {
        m_statement = statement;
        requestRepaint();
    }
}

void TILOProgress::setShowPosition(bool on) {
    if (on != m_showPosition) {
        m_showPosition = on;
        requestRepaint();
    }
}

// --- measures -------------------------------------------------------------------

double TILOProgress::percent() const {
    return m_max > 0 ? m_position / (m_max / 100) : 0;
}

qint64 TILOProgress::getPosition() const {
    return roundHalfEven(percent());
}

QString TILOProgress::captionText() const {
    QString text = m_statement;
    if (m_showPosition) {
        text += QStringLiteral(" (%1/%2)").arg(roundHalfEven(m_position)).arg(roundHalfEven(m_max));
    }
    text += QStringLiteral(" %") + QString::number(getPosition());
    return text;
}

QRect TILOProgress::barRect() const {
    int frame = 0;
    if (m_borderStyle == bsSingle) {
        frame = m_ctl3D ? 2 : 1;
    }
    return rect().adjusted(frame, frame, -frame, -frame);
}

int TILOProgress::fillLength(const QRect& bar) const {
    const int extent = m_oriention == iloVertical ? bar.width() : bar.height();
    if (extent <= 0) {
        return 0;
    }
    const double length = static_cast<double>(extent) / 100 * percent();
    // A Max lowered below the position would otherwise run the bar over the
    // frame.
    return static_cast<int>(std::clamp<qint64>(roundHalfEven(length), 0, extent));
}

TILOProgress::Shown TILOProgress::shown() const {
    Shown result;
    result.fill = fillLength(barRect());
    if (m_showText) {
        result.percent = getPosition();
        result.position = m_showPosition ? roundHalfEven(m_position) : 0;
    }
    return result;
}

// --- painting -------------------------------------------------------------------

void TILOProgress::drawFrame(QPainter& painter) const {
    const int w = width();
    const int h = height();
    if (!m_ctl3D) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
        return;
    }
    const QColor shadow = palette().color(QPalette::Active, QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
    // A sunken edge: dark above and to the left, light below and to the right,
    // the lower-right colour owning the two far corners.
    const auto edge = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    };
    edge(rect(), shadow, highlight);
    edge(rect().adjusted(1, 1, -1, -1), Qt::black, highlight);
}

void TILOProgress::drawFill(QPainter& painter, const QRect& bar, int fill) const {
    const bool positive = m_position > 0;
    const bool vertical = m_oriention == iloVertical;
    if (m_backImage.isNull() || m_foreImage.isNull()) {
        if (vertical) {
            painter.fillRect(bar.adjusted(fill, 0, 0, 0), m_backColor);
            if (positive) {
                painter.fillRect(QRect(bar.left(), bar.top(), fill, bar.height()), m_foreColor);
            }
        } else {
            painter.fillRect(bar, m_backColor);
            if (positive) {
                painter.fillRect(QRect(bar.left(), bar.bottom() + 1 - fill, bar.width(), fill),
                                 m_foreColor);
            }
        }
        return;
    }
    // Each picture is stretched over the whole bar; the filled part shows the
    // fore picture and the rest the back picture.
    const double filled = static_cast<double>(fill) / (vertical ? bar.width() : bar.height());
    if (vertical) {
        painter.drawImage(bar, m_backImage);
        if (positive && fill > 0) {
            painter.drawImage(QRectF(bar.left(), bar.top(), fill, bar.height()), m_foreImage,
                              QRectF(0, 0, m_foreImage.width() * filled, m_foreImage.height()));
        }
    } else if (!positive) {
        painter.drawImage(bar, m_backImage);
    } else {
        painter.drawImage(bar, m_foreImage);
        const int empty = bar.height() - fill;
        if (empty > 0) {
            painter.drawImage(
                QRectF(bar.left(), bar.top(), bar.width(), empty), m_backImage,
                QRectF(0, 0, m_backImage.width(), m_backImage.height() * (1 - filled)));
        }
    }
}

void TILOProgress::drawCaption() {
    if (m_caption.size() != size()) {
        m_caption = QImage(size(), QImage::Format_RGB32);
    }
    m_caption.fill(Qt::black);
    const QString text = captionText();
    QFont captionFont = font();
    // Grey edge pixels would come out in odd colours under the exclusive-or.
    captionFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(captionFont);
    {
        QPainter painter(&m_caption);
        painter.setFont(captionFont);
        painter.setPen(Qt::white);
        const int x = width() / 2 - metrics.horizontalAdvance(text) / 2;
        const int y = height() / 2 - metrics.height() / 2;
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    }
    // White letters invert what lies beneath; black leaves it.
    for (int y = 0; y < m_bar.height(); ++y) {
        auto* bar = reinterpret_cast<QRgb*>(m_bar.scanLine(y));
        const auto* caption = reinterpret_cast<const QRgb*>(m_caption.constScanLine(y));
        for (int x = 0; x < m_bar.width(); ++x) {
            bar[x] ^= caption[x] & 0x00FFFFFFu;
        }
    }
}

void TILOProgress::paintEvent(QPaintEvent*) {
    if (m_bar.size() != size()) {
        m_bar = QImage(size(), QImage::Format_RGB32);
    }
    const QRect bar = barRect();
    const Shown now = shown();
    {
        QPainter painter(&m_bar);
        if (m_borderStyle == bsSingle) {
            drawFrame(painter);
        }
        if (!bar.isEmpty()) {
            drawFill(painter, bar, now.fill);
        }
    }
    if (m_showText) {
        drawCaption();
    }
    QPainter(this).drawImage(0, 0, m_bar);
    m_painted = now;
}

void TILOProgress::resizeEvent(QResizeEvent* event) {
    m_painted.reset();
    QWidget::resizeEvent(event);
}

void TILOProgress::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_painted.reset();
    }
    QWidget::changeEvent(event);
}

} // namespace kartavel::gui
