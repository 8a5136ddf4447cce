#include "widgets/TILOProgress.h"

#include <QPainter>
#include <QTest>

using kartavel::gui::TILOProgress;
using namespace Qt::StringLiterals;

namespace {

const QColor white(Qt::white);
const QColor blue(0, 0, 255);
const QColor black(Qt::black);
const QColor yellow(255, 255, 0);

QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage solid(QColor color, QSize size = QSize(10, 10)) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

// Counts the paintings a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
};

// A gauge shown in a window, painted once, without a caption unless asked.
struct Host {
    QWidget window;
    TILOProgress* gauge = new TILOProgress(&window);
    explicit Host(bool caption = false) {
        gauge->setShowText(caption);
        gauge->move(10, 10);
        window.resize(200, 100);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            qFatal("window not exposed");
        }
        QCoreApplication::processEvents();
    }
};

} // namespace

class TILOProgressTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newGaugeHasItsDefaults() {
        TILOProgress gauge;
        QCOMPARE(gauge.size(), QSize(100, 35));
        QCOMPARE(gauge.backColor(), white);
        QCOMPARE(gauge.foreColor(), blue);
        QCOMPARE(gauge.borderStyle(), TILOProgress::bsSingle);
        QVERIFY(gauge.ctl3D() && gauge.showText() && !gauge.showPosition());
        QCOMPARE(gauge.position(), 0.0);
        QCOMPARE(gauge.maximum(), 100.0);
        QCOMPARE(gauge.oriention(), TILOProgress::iloVertical);
        QCOMPARE(gauge.captionText(), u" %0"_s);
    }

    void framesAndWhereTheBarBegins_data() {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("ctl3D");
        QTest::addColumn<int>("frame");
        QTest::addRow("sunken") << int(TILOProgress::bsSingle) << true << 2;
        QTest::addRow("flat") << int(TILOProgress::bsSingle) << false << 1;
        QTest::addRow("none") << int(TILOProgress::bsNone) << true << 0;
    }

    void framesAndWhereTheBarBegins() {
        QFETCH(int, border);
        QFETCH(bool, ctl3D);
        QFETCH(int, frame);
        Host host;
        TILOProgress& gauge = *host.gauge;
        gauge.setBorderStyle(static_cast<TILOProgress::TBorderStyle>(border));
        gauge.setCtl3D(ctl3D);
        gauge.setBackColor(QColor(0, 200, 0));
        const QImage image = shot(gauge);
        const QColor shadow = gauge.palette().color(QPalette::Active, QPalette::Dark).rgb();
        const QColor highlight = gauge.palette().color(QPalette::Active, QPalette::Light).rgb();
        // The bar fills exactly the rectangle inside the frame.
        QCOMPARE(image.pixelColor(frame, frame), QColor(0, 200, 0));
        QCOMPARE(image.pixelColor(99 - frame, 34 - frame), QColor(0, 200, 0));
        if (frame == 2) {
            QCOMPARE(image.pixelColor(0, 0), shadow);
            QCOMPARE(image.pixelColor(50, 0), shadow);
            QCOMPARE(image.pixelColor(0, 17), shadow);
            QCOMPARE(image.pixelColor(1, 1), black);
            QCOMPARE(image.pixelColor(50, 1), black);
            QCOMPARE(image.pixelColor(99, 17), highlight);
            QCOMPARE(image.pixelColor(50, 34), highlight);
            QCOMPARE(image.pixelColor(98, 17), highlight);
            QCOMPARE(image.pixelColor(50, 33), highlight);
        } else if (frame == 1) {
            for (const QPoint at : {QPoint(0, 0), QPoint(99, 17), QPoint(50, 34), QPoint(0, 34)}) {
                QCOMPARE(image.pixelColor(at), black);
            }
        }
    }

    // Default 100 x 35 gauge with the sunken frame: the bar is (2, 2) to
    // (97, 32), 96 pixels wide and 31 high.
    void barGrowsFromTheLeftOrFromTheBottom_data() {
        QTest::addColumn<int>("oriention");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("position");
        QTest::addColumn<QPoint>("lastFilled");
        QTest::addColumn<QPoint>("firstEmpty");
        const int vertical = TILOProgress::iloVertical;
        const int horizontal = TILOProgress::iloHorizontal;
        // 96 / 100 x 50 = 48 pixels from the left edge.
        QTest::addRow("vertical half")
            << vertical << QSize(100, 35) << 50.0 << QPoint(49, 17) << QPoint(50, 17);
        // 31 / 100 x 50 = 15.5, to the even 16 pixels up from the bottom.
        QTest::addRow("horizontal half")
            << horizontal << QSize(100, 35) << 50.0 << QPoint(50, 17) << QPoint(50, 16);
        // 54 / 100 x 25 = 13.5 goes up to 14; 50 / 100 x 25 = 12.5 goes down to 12.
        QTest::addRow("vertical half up")
            << vertical << QSize(58, 35) << 25.0 << QPoint(15, 17) << QPoint(16, 17);
        QTest::addRow("vertical half down")
            << vertical << QSize(54, 35) << 25.0 << QPoint(13, 17) << QPoint(14, 17);
        // 25 / 100 x 58 = 14.5 goes down to 14: rows 13 to 26 of a bar ending at 26.
        QTest::addRow("horizontal half down")
            << horizontal << QSize(100, 29) << 58.0 << QPoint(50, 13) << QPoint(50, 12);
        QTest::addRow("full") << vertical << QSize(100, 35) << 100.0 << QPoint(97, 17)
                              << QPoint(98, 17);
    }

    void barGrowsFromTheLeftOrFromTheBottom() {
        QFETCH(int, oriention);
        QFETCH(QSize, size);
        QFETCH(double, position);
        QFETCH(QPoint, lastFilled);
        QFETCH(QPoint, firstEmpty);
        Host host;
        TILOProgress& gauge = *host.gauge;
        gauge.resize(size);
        gauge.setOriention(static_cast<TILOProgress::TOreiention>(oriention));
        gauge.setPosition(position);
        const QImage image = shot(gauge);
        QCOMPARE(image.pixelColor(lastFilled), blue);
        if (firstEmpty.x() < size.width() - 2) {
            QCOMPARE(image.pixelColor(firstEmpty), white);
        } else {
            QVERIFY(image.pixelColor(firstEmpty) != blue);
        }
    }

    void captionLettersInvertTheBar() {
        Host host(true);
        TILOProgress& gauge = *host.gauge;
        gauge.setStatement(u"Aranıyor"_s);
        gauge.setPosition(50);
        QCOMPARE(gauge.captionText(), u"Aranıyor %50"_s);
        const QImage image = shot(gauge);
        bool yellowSeen = false;
        bool blackSeen = false;
        for (int y = 2; y <= 32; ++y) {
            for (int x = 2; x <= 97; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (x <= 49) {
                    QVERIFY2(c == blue || c == yellow, qPrintable(c.name()));
                    yellowSeen = yellowSeen || c == yellow;
                } else {
                    QVERIFY2(c == white || c == black, qPrintable(c.name()));
                    blackSeen = blackSeen || c == black;
                }
            }
        }
        QVERIFY(yellowSeen && blackSeen);
        // Centred: the letters' ink is balanced about the middle within a few pixels.
        QRect ink;
        for (int y = 2; y <= 32; ++y) {
            for (int x = 2; x <= 97; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c == yellow || c == black) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(std::abs(ink.center().x() - 50) <= 3);
        QVERIFY(std::abs(ink.center().y() - 17) <= 3);
    }

    void captionText_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("showPosition");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("position");
        QTest::addColumn<QString>("expected");
        QTest::addRow("with position")
            << u"Aranıyor"_s << true << 10.0 << 3.0 << u"Aranıyor (3/10) %30"_s;
        QTest::addRow("empty statement") << QString() << false << 100.0 << 45.0 << u" %45"_s;
        QTest::addRow("position rounds to even")
            << u"Oluşturuluyor..."_s << true << 100.0 << 2.5 << u"Oluşturuluyor... (2/100) %2"_s;
    }

    void captionText() {
        QFETCH(QString, statement);
        QFETCH(bool, showPosition);
        QFETCH(double, max);
        QFETCH(double, position);
        QFETCH(QString, expected);
        TILOProgress gauge;
        gauge.setStatement(statement);
        gauge.setShowPosition(showPosition);
        gauge.setMaximum(max);
        gauge.setPosition(position);
        QCOMPARE(gauge.captionText(), expected);
    }

    void zeroOrNegativeMaxShowsAnEmptyBar() {
        for (const double max : {0.0, -5.0}) {
            Host host(true);
            TILOProgress& gauge = *host.gauge;
            gauge.setPosition(50);
            gauge.setMaximum(max);
            QCOMPARE(gauge.maximum(), max);
            QCOMPARE(gauge.position(), 50.0);
            QCOMPARE(gauge.getPosition(), 0);
            QVERIFY(gauge.captionText().endsWith(u"%0"_s));
            QCoreApplication::processEvents();
            const QImage image = shot(gauge);
            for (int x = 2; x <= 97; x += 5) {
                QVERIFY(image.pixelColor(x, 3) != blue);
            }
        }
    }

    void positionIgnoresNegativeEqualAndTooLargeValues() {
        Host host;
        TILOProgress& gauge = *host.gauge;
        gauge.setMaximum(10);
        QCoreApplication::processEvents();
        gauge.setPosition(5);
        PaintCounter paints(&gauge);
        gauge.setPosition(-1);
        gauge.setPosition(5);
        QCOMPARE(paints.count, 0);
        gauge.setPosition(20);
        QCOMPARE(gauge.position(), 5.0);
        QCOMPARE(shot(gauge).pixelColor(49, 17), blue);
        QCOMPARE(shot(gauge).pixelColor(50, 17), white);
    }

    void lowerMaxKeepsTheBarInsideTheFrame() {
        Host host;
        TILOProgress& gauge = *host.gauge;
        gauge.setPosition(80);
        gauge.setMaximum(40);
        QCOMPARE(gauge.getPosition(), 200);
        QCoreApplication::processEvents();
        const QImage image = shot(gauge);
        QCOMPARE(image.pixelColor(97, 17), blue);
        QVERIFY(image.pixelColor(98, 17) != blue);
        QVERIFY(image.pixelColor(99, 17) != blue);
    }

    void changingOrientionStartsAgainFromZero() {
        TILOProgress gauge;
        gauge.setPosition(40);
        gauge.setOriention(TILOProgress::iloVertical);
        QCOMPARE(gauge.position(), 40.0);
        gauge.setOriention(TILOProgress::iloHorizontal);
        QCOMPARE(gauge.position(), 0.0);
    }

    void getPositionRoundsHalfToEven_data() {
        QTest::addColumn<double>("position");
        QTest::addColumn<qint64>("expected");
        // Max 200: the percentage is half the position.
        QTest::addRow("0.5") << 1.0 << qint64(0);
        QTest::addRow("1.5") << 3.0 << qint64(2);
        QTest::addRow("2.5") << 5.0 << qint64(2);
        QTest::addRow("3.5") << 7.0 << qint64(4);
        QTest::addRow("above half") << 5.2 << qint64(3);
    }

    void getPositionRoundsHalfToEven() {
        QFETCH(double, position);
        QFETCH(qint64, expected);
        TILOProgress gauge;
        gauge.setMaximum(200);
        gauge.setPosition(position);
        QCOMPARE(gauge.getPosition(), expected);
    }

    void picturesNeedBothOrFallBackToColours() {
        Host host;
        TILOProgress& gauge = *host.gauge;
        gauge.setPosition(50);
        gauge.setBackImage(solid(Qt::red));
        QCoreApplication::processEvents();
        QCOMPARE(shot(gauge).pixelColor(20, 17), blue);
        QCOMPARE(shot(gauge).pixelColor(80, 17), white);

        gauge.setForeImage(solid(Qt::green));
        QCoreApplication::processEvents();
        QImage image = shot(gauge);
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::green));
        QCOMPARE(image.pixelColor(49, 32), QColor(Qt::green));
        QCOMPARE(image.pixelColor(50, 2), QColor(Qt::red));
        QCOMPARE(image.pixelColor(97, 32), QColor(Qt::red));

        gauge.setOriention(TILOProgress::iloHorizontal);
        gauge.setPosition(50);
        QCoreApplication::processEvents();
        image = shot(gauge);
        QCOMPARE(image.pixelColor(2, 32), QColor(Qt::green));
        QCOMPARE(image.pixelColor(97, 17), QColor(Qt::green));
        QCOMPARE(image.pixelColor(97, 16), QColor(Qt::red));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::red));
    }

    void equalSteppedPositionsDoNotPaint() {
        Host host(true);
        TILOProgress& gauge = *host.gauge;
        gauge.setStatement(u"Aranıyor"_s);
        gauge.setMaximum(1e12);
        QCoreApplication::processEvents();
        PaintCounter paints(&gauge);
        // A million steps that move neither the bar by a pixel nor the caption.
        for (int step = 1; step <= 1'000'000; ++step) {
            gauge.setPosition(step);
        }
        QCOMPARE(paints.count, 0);
    }

    void positionPaintsAtOnceWhenTheGaugeChanges() {
        Host host(true);
        TILOProgress& gauge = *host.gauge;
        gauge.setMaximum(1000);
        QCoreApplication::processEvents();
        PaintCounter paints(&gauge);
        gauge.setPosition(500); // no event loop in between
        QCOMPARE(paints.count, 1);
        for (int step = 501; step <= 1000; ++step) {
            gauge.setPosition(step);
        }
        // 50 more percent and 48 more pixels, each shown once at the most.
        QVERIFY(paints.count > 1);
        QVERIFY(paints.count <= 1 + 50 + 48);
        QCOMPARE(shot(gauge).pixelColor(97, 3), blue);
    }

    void hiddenGaugeDoesNotPaint() {
        TILOProgress gauge;
        PaintCounter paints(&gauge);
        gauge.setPosition(50);
        QCOMPARE(gauge.position(), 50.0);
        QCOMPARE(paints.count, 0);
    }
};

QTEST_MAIN(TILOProgressTest)
#include "TILOProgressTest.moc"
