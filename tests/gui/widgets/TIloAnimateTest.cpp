#include "widgets/TIloAnimate.h"

#include <QCloseEvent>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <vector>

using kartavel::gui::TIloAnimate;
using kartavel::gui::TWindowAlpha;

namespace {

// Writes every alpha the component gives into the shared log, as a number.
class RecordingAlpha : public TWindowAlpha {
public:
    RecordingAlpha(QStringList& log, bool supported) : log_(log), supported_(supported) {}
    bool supported() const override { return supported_; }
    void setAlpha(QWidget&, int alpha) override { log_.append(QString::number(alpha)); }

private:
    QStringList& log_;
    bool supported_;
};

// A window with handlers of its own for its creation, activation and close, which
// write into the same log; it refuses to close while `refuse` is set.
class Window : public QWidget {
public:
    explicit Window(QStringList& log) : log_(log) { resize(200, 100); }
    bool refuse = false;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowActivate)
            log_.append(QStringLiteral("activate"));
        return QWidget::event(e);
    }
    void showEvent(QShowEvent* e) override {
        if (!created_)
            log_.append(QStringLiteral("create"));
        created_ = true;
        QWidget::showEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        log_.append(QStringLiteral("close"));
        e->setAccepted(!refuse);
    }

private:
    QStringList& log_;
    bool created_ = false;
};

// A window with an active fade whose alpha goes to the log, as do its events.
struct Rig {
    QStringList log;
    Window window{log};
    TIloAnimate* animate = new TIloAnimate(&window);

    explicit Rig(bool supported = true) {
        animate->setActive(true);
        animate->setWindowAlpha(std::make_unique<RecordingAlpha>(log, supported));
        QObject::connect(animate, &TIloAnimate::afterStartAnim,
                         [this] { log.append(QStringLiteral("afterStart")); });
        QObject::connect(animate, &TIloAnimate::afterEndAnim,
                         [this] { log.append(QStringLiteral("afterEnd")); });
    }
    // Shows the window and returns what the log gained by its creation and first
    // activation.
    QStringList open() {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return {QStringLiteral("not activated")};
        QTest::qWait(20);
        return take();
    }
    QStringList closeWindow() {
        window.close();
        return take();
    }
    QStringList take() {
        QStringList out = log;
        log.clear();
        return out;
    }
};

QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items)
        out << QString::fromLatin1(i);
    return out;
}

// The alphas of a fade by `step` between 0 and `max`, as the window gets them.
QStringList fadeIn(int step, int max) {
    QStringList out;
    for (int a = step; a < max; a += step)
        out << QString::number(a);
    return out << QString::number(max);
}
QStringList fadeOut(int step, int max) {
    QStringList out;
    for (int a = max - step; a > 0; a -= step)
        out << QString::number(a);
    return out << QStringLiteral("0");
}

} // namespace

class TIloAnimateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void declaredDefaults() {
        QWidget w;
        TIloAnimate a(&w);
        QCOMPARE(a.active(), false);
        QCOMPARE(a.startInt(), 5u);
        QCOMPARE(a.startStep(), 10u);
        QCOMPARE(a.stopInt(), 5u);
        QCOMPARE(a.stopStep(), 10u);
        QCOMPARE(a.maxValue(), 255u);
        QVERIFY(!a.Animated());
        a.setMaxValue(300);
        QCOMPARE(a.maxValue(), 255u);
    }

    // Create: alpha 0 before the window's own handler; activation: the whole
    // fade-in, then its event, then the window's handler; close: the window's
    // handler, then the fade-out.
    void fadesInOnFirstActivationAndOutOnClose() {
        Rig rig;
        QCOMPARE(fadeIn(10, 255).size(), 26);
        QCOMPARE(rig.open(), L({"0", "create"}) + fadeIn(10, 255) + L({"afterStart", "activate"}));
        QVERIFY(!rig.animate->Animated());

        // Only the first activation fades.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QVERIFY(!rig.take().contains(QStringLiteral("afterStart")));

        QCOMPARE(rig.closeWindow(), L({"close"}) + fadeOut(10, 255) + L({"afterEnd"}));
        QVERIFY(!rig.window.isVisible());

        // Shown again, the window is whole at once instead of staying transparent.
        rig.window.show();
        QCOMPARE(rig.take().mid(0, 1), L({"255"}));
    }

    void stepsUpToAnotherMaximum() {
        Rig rig;
        rig.animate->setMaxValue(100);
        rig.animate->setStartStep(30);
        rig.animate->setStopStep(45);
        QCOMPARE(rig.open(), L({"0", "create", "30", "60", "90", "100", "afterStart", "activate"}));
        QCOMPARE(rig.closeWindow(), L({"close", "55", "10", "0", "afterEnd"}));

        // Without waiting, the fade runs on its timer after the call returns.
        rig.animate->StartAnimasyon(false, TIloAnimate::kTimeLimit);
        QVERIFY(rig.animate->Animated());
        QTRY_VERIFY(!rig.animate->Animated());
        QCOMPARE(rig.take(), L({"30", "60", "90", "100", "afterStart"}));
    }

    // Not active, or a desktop without per-window opacity: the window's own
    // handlers run and nothing fades.
    void onlyPassesEventsOnWhenItCannotFade_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("supported");
        QTest::newRow("inactive") << false << true;
        QTest::newRow("no window opacity") << true << false;
    }
    void onlyPassesEventsOnWhenItCannotFade() {
        QFETCH(bool, active);
        QFETCH(bool, supported);
        Rig rig(supported);
        rig.animate->setActive(active);
        QCOMPARE(rig.open(), L({"create", "activate"}));
        QCOMPARE(rig.closeWindow(), L({"close"}));
        QVERIFY(!rig.window.isVisible());
    }

    void theOffscreenDesktopHasNoWindowOpacity() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QVERIFY(!TWindowAlpha().supported());
        QStringList log;
        Window window(log);
        auto* a = new TIloAnimate(&window);
        a->setActive(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!a->canFade());
        window.close();
        QCOMPARE(log, L({"create", "activate", "close"}));
        QCOMPARE(window.windowOpacity(), 1.0);
    }

    void zeroStepsShowAndCloseWithoutFading() {
        Rig rig;
        rig.animate->setStartStep(0);
        rig.animate->setStopStep(0);
        QCOMPARE(rig.open(), L({"0", "create", "255", "activate"}));
        QCOMPARE(rig.closeWindow(), L({"close"}));
        QVERIFY(!rig.window.isVisible());
    }

    void aRefusedCloseStartsNoFade() {
        Rig rig;
        rig.open();
        rig.window.refuse = true;
        QCOMPARE(rig.closeWindow(), L({"close"}));
        QVERIFY(rig.window.isVisible());
        rig.window.refuse = false;
        QCOMPARE(rig.closeWindow(), L({"close"}) + fadeOut(10, 255) + L({"afterEnd"}));
        QVERIFY(!rig.window.isVisible());
    }

    // Closed while it fades in: the fade-out takes over, and the window stays closed.
    void aCloseDuringTheFadeInFadesOut() {
        Rig rig;
        rig.animate->setStartInt(20);
        QTimer::singleShot(100, &rig.window, [&] { rig.window.close(); });
        rig.window.show();
        QTRY_VERIFY(rig.log.contains(QStringLiteral("activate")));
        const QStringList log = rig.take();
        const auto at = log.indexOf(QStringLiteral("close"));
        QVERIFY2(at > 2, qPrintable(log.join(u' ')));
        QCOMPARE(log.mid(at), L({"close"}) + fadeOut(10, 255) + L({"afterEnd", "activate"}));
        QVERIFY(!log.contains(QStringLiteral("afterStart")));
        QTest::qWait(50);
        QVERIFY(rig.log.isEmpty());
        QVERIFY(!rig.window.isVisible());
    }

    // A fade whose ticks do not come in time jumps to its end once the clock says
    // ten seconds have passed.
    void aFadeEndsAtTheTimeLimit() {
        Rig rig;
        // A clock that moves a second each time it is read.
        std::vector<qint64> readings;
        rig.animate->setClock([&] {
            readings.push_back(static_cast<qint64>(readings.size() + 1) * 1000);
            return readings.back();
        });
        qint64 endedAt = 0;
        QObject::connect(rig.animate, &TIloAnimate::afterStartAnim,
                         [&] { endedAt = readings.back(); });
        QObject::connect(rig.animate, &TIloAnimate::afterEndAnim,
                         [&] { endedAt = readings.back(); });
        rig.animate->setStartInt(600000);
        rig.animate->setStopInt(600000);
        QCOMPARE(rig.open(), L({"0", "create", "255", "afterStart", "activate"}));
        QCOMPARE(endedAt - readings.front(), 10000);
        QVERIFY(!rig.animate->Animated());

        const std::size_t closing = readings.size();
        QCOMPARE(rig.closeWindow(), L({"close", "0", "afterEnd"}));
        QCOMPARE(endedAt - readings.at(closing), 10000);
        QVERIFY(!rig.animate->Animated());
    }

    void destroyingItStopsAFade() {
        QStringList log;
        Window window(log);
        auto* a = new TIloAnimate(&window);
        a->setWindowAlpha(std::make_unique<RecordingAlpha>(log, true));
        a->StartAnimasyon(false, TIloAnimate::kTimeLimit);
        QVERIFY(a->timer()->isActive());
        delete a;
        log.clear();
        QTest::qWait(30);
        QVERIFY(log.isEmpty());
    }
};

QTEST_MAIN(TIloAnimateTest)
#include "TIloAnimateTest.moc"
