#include "TImageList.h"

#include <QPainter>

namespace kartavel::gui {

TImageList::TImageList(QSize size, QObject* parent) : QObject(parent), m_size(size) {}

int TImageList::add(const QImage& picture) {
    if (picture.isNull()) {
        return -1;
    }
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != m_size) {
        image = image.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // One bit a pixel, set where the picture is at least half opaque: the
    // silhouette of a disabled picture has hard edges.
    const QBitmap mask = QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither));
    m_entries.push_back({QPixmap::fromImage(image), mask});
    Q_EMIT changed();
    return count() - 1;
}

int TImageList::add(const QPixmap& picture) {
    return add(picture.toImage());
}

void TImageList::clear() {
    if (m_entries.empty()) {
        return;
    }
    m_entries.clear();
    Q_EMIT changed();
}

QPixmap TImageList::pixmap(int index) const {
    return valid(index) ? m_entries[static_cast<std::size_t>(index)].picture : QPixmap();
}

QBitmap TImageList::mask(int index) const {
    return valid(index) ? m_entries[static_cast<std::size_t>(index)].mask : QBitmap();
}

void TImageList::draw(QPainter& painter, QPoint at, int index) const {
    if (valid(index)) {
        painter.drawPixmap(at, m_entries[static_cast<std::size_t>(index)].picture);
    }
}

void TImageList::drawDisabled(QPainter& painter, QPoint at, int index, const QColor& highlight,
                              const QColor& shadow) const {
    if (!valid(index)) {
        return;
    }
    const QBitmap& mask = m_entries[static_cast<std::size_t>(index)].mask;
    painter.save();
    // A bitmap is drawn in the pen's colour where its bits are set and left
    // alone elsewhere.
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(highlight);
    painter.drawPixmap(at + QPoint(1, 1), mask);
    painter.setPen(shadow);
    painter.drawPixmap(at, mask);
    painter.restore();
}

} // namespace kartavel::gui
