#pragma once

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

namespace kartavel::gui {

// A list of pictures of one size, each with its mask, numbered from 0 in the
// order they were added. Windows pick their button and header pictures from it
// by number. A picture drawn for a disabled control becomes a flat silhouette
// of its mask, the way a greyed toolbar picture looks.
class TImageList : public QObject {
    Q_OBJECT

public:
    explicit TImageList(QSize size = QSize(16, 16), QObject* parent = nullptr);

    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    int count() const { return static_cast<int>(m_entries.size()); }

    // Adds a picture and returns its number, or -1 for an empty picture. The
    // alpha channel is the mask; a picture of another size is scaled to the
    // list's size.
    int add(const QImage& picture);
    int add(const QPixmap& picture);
    void clear();

    // The picture with its alpha; an empty pixmap when index is out of range.
    QPixmap pixmap(int index) const;
    // The mask: set bits where the picture is opaque.
    QBitmap mask(int index) const;

    // Draws picture `index` with its top-left corner at `at`. Disabled: the
    // mask once in `highlight` one pixel right of and below `at`, then in
    // `shadow` at `at`.
    void draw(QPainter& painter, QPoint at, int index) const;
    void drawDisabled(QPainter& painter, QPoint at, int index, const QColor& highlight,
                      const QColor& shadow) const;

Q_SIGNALS:
    // Any picture was added or removed.
    void changed();

private:
    struct Entry {
        QPixmap picture;
        QBitmap mask;
    };

    bool valid(int index) const { return index >= 0 && index < count(); }

    QSize m_size;
    std::vector<Entry> m_entries;
};

} // namespace kartavel::gui
