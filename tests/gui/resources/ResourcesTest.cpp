#include "resources/ResourceInit.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// Pixels that the picture covers at all.
int coveredPixels(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                ++covered;
            }
        }
    }
    return covered;
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kartavel::gui::initResources(); }

    void rendersAtItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (int n = 0; n <= 30; ++n) {
            const QString name = QStringLiteral("%1.svg").arg(n, 2, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable(name)) << QStringLiteral(":/icons/") + name << QSize(32, 32);
            QTest::newRow(qPrintable(QStringLiteral("16/") + name))
                << QStringLiteral(":/icons16/") + name << QSize(16, 16);
        }
        for (const char* node : {"node_root", "node_folder", "node_file", "node_back"}) {
            const QString name = QLatin1String(node) + QStringLiteral(".svg");
            QTest::newRow(node) << QStringLiteral(":/pictures/") + name << QSize(32, 32);
            QTest::newRow(qPrintable(QStringLiteral("16/") + name))
                << QStringLiteral(":/pictures16/") + name << QSize(16, 16);
        }
        QTest::newRow("banner") << QStringLiteral(":/pictures/banner.svg") << QSize(800, 37);
        QTest::newRow("banner_end")
            << QStringLiteral(":/pictures/banner_end.svg") << QSize(200, 37);
        QTest::newRow("login_banner")
            << QStringLiteral(":/pictures/login_banner.svg") << QSize(400, 49);
        QTest::newRow("splash") << QStringLiteral(":/pictures/splash.svg") << QSize(450, 200);
        QTest::newRow("about") << QStringLiteral(":/pictures/about.svg") << QSize(146, 441);
        QTest::newRow("program") << QStringLiteral(":/pictures/program.svg") << QSize(256, 256);
        QTest::newRow("16/program") << QStringLiteral(":/pictures16/program.svg") << QSize(16, 16);
    }

    void rendersAtItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);

        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QVERIFY(coveredPixels(image) > size.width() * size.height() / 8);
    }

    // The splash window keeps only its non-white pixels: the corners are white, the middle
    // of the plate (where the name and the version are written) is not.
    void splashIsShapedByWhite() {
        QSvgRenderer renderer(QStringLiteral(":/pictures/splash.svg"));
        QImage image(450, 200, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(448, 198), qRgb(255, 255, 255));
        for (const QPoint p : {QPoint(337, 111), QPoint(400, 138), QPoint(330, 169)}) {
            QVERIFY(image.pixel(p) != qRgb(255, 255, 255));
        }
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
