#include "widgets/TImageList.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using kartavel::gui::TImageList;

namespace {

// A 16 x 16 picture, transparent but for an opaque green 4 x 4 square at (6, 6).
QImage squarePicture() {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(6, 6, 4, 4, QColor(0, 160, 0));
    return picture;
}

QImage canvas() {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    return image;
}

} // namespace

class TImageListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addNumbersPicturesAndScalesThem() {
        TImageList list(QSize(16, 16));
        QSignalSpy changed(&list, &TImageList::changed);
        QCOMPARE(list.add(QImage()), -1);
        QCOMPARE(list.add(squarePicture()), 0);
        QImage large(32, 32, QImage::Format_ARGB32);
        large.fill(Qt::red);
        QCOMPARE(list.add(QPixmap::fromImage(large)), 1);
        QCOMPARE(list.count(), 2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(list.pixmap(1).size(), QSize(16, 16));
        QVERIFY(list.pixmap(2).isNull());
        QVERIFY(list.pixmap(-1).isNull());

        list.clear();
        QCOMPARE(list.count(), 0);
        QCOMPARE(changed.count(), 3);
    }

    void drawsPictureWithItsMask() {
        TImageList list;
        list.add(squarePicture());
        QImage image = canvas();
        QPainter painter(&image);
        list.draw(painter, QPoint(2, 2), 0);
        painter.end();
        QCOMPARE(image.pixelColor(8, 8), QColor(0, 160, 0));
        QCOMPARE(image.pixelColor(7, 7), QColor(200, 200, 200));
    }

    void disabledPictureIsTwoToneSilhouette() {
        TImageList list;
        QImage picture = squarePicture();
        // Half transparency is outside the mask.
        picture.setPixelColor(0, 0, QColor(0, 160, 0, 100));
        list.add(picture);
        QImage image = canvas();
        QPainter painter(&image);
        list.drawDisabled(painter, QPoint(2, 2), 0, Qt::white, QColor(128, 128, 128));
        painter.end();
        const QColor shadow(128, 128, 128);
        QCOMPARE(image.pixelColor(8, 8), shadow);   // the square's first pixel
        QCOMPARE(image.pixelColor(11, 11), shadow); // its last
        QCOMPARE(image.pixelColor(12, 12), QColor(Qt::white));
        QCOMPARE(image.pixelColor(12, 9), QColor(Qt::white));
        QCOMPARE(image.pixelColor(7, 8), QColor(200, 200, 200));
        QCOMPARE(image.pixelColor(2, 2), QColor(200, 200, 200));
    }
};

QTEST_MAIN(TImageListTest)
#include "TImageListTest.moc"
