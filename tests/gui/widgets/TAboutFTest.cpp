#include "widgets/TAboutF.h"
#include "platform/MemoryStatus.h"
#include "widgets/TILOAbout.h"
#include "widgets/TIloAnimate.h"
#include "widgets/TSecretPanel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace kartavel;
using gui::TAboutF;
using gui::TILOAbout;
using gui::TSecretPanel;

namespace {

QPixmap filled(QSize size, const QColor& color) {
    QPixmap p(size);
    p.fill(color);
    return p;
}

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return !a.isNull() && a.toImage() == b.toImage();
}

// Runs `drive` with the about window once the component's Execute shows it; true
// when Execute returned, that is, the window closed.
bool execute(TILOAbout& about, const std::function<void(TAboutF&)>& drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
        if (auto* w = qobject_cast<TAboutF*>(QApplication::activeModalWidget())) {
            driven = true;
            drive(*w);
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    // Should the window stay open, the test fails instead of hanging.
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->hide();
    });
    guard.start(5000);
    about.Execute();
    return driven && guard.isActive();
}

} // namespace

class TAboutFTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void executeFillsTheWindow_data() {
        QTest::addColumn<QStringList>("team");
        QTest::newRow("team") << QStringList{QStringLiteral("Ekip"), QString(),
                                             QStringLiteral("Destek")};
        QTest::newRow("no team") << QStringList{};
    }
    void executeFillsTheWindow() {
        QFETCH(QStringList, team);
        QWidget owner;
        TILOAbout about(&owner);
        QPixmap top = filled({40, 10}, Qt::red);
        const QPixmap side = filled({146, 441}, Qt::green);
        about.setCaption(QStringLiteral("TAVRIS Kartavel s1.06.01f"));
        about.setTopPicture(top);
        about.setPicture(side);
        about.setProgramName(QStringLiteral("Kartavel s1.06.01"));
        about.setTeam(team);
        // The component keeps its own copy.
        top.fill(Qt::blue);

        const bool closed = execute(about, [&](TAboutF& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
            QVERIFY(samePicture(w.Image1()->pixmap(), side));
            QVERIFY(samePicture(w.Image3()->pixmap(), filled({40, 10}, Qt::red)));
            QCOMPARE(w.RxLabel4()->text(), QStringLiteral("Kartavel s1.06.01"));
            QCOMPARE(w.SecretPanel1()->lines(), QStringList{QStringLiteral("Kartavel s1.06.01")} +
                                                    TAboutF::creditLines().mid(1));
            QCOMPARE(w.statusPanel()->text(), QStringLiteral("TAVRIS Kartavel s1.06.01"));
            QCOMPARE(w.SecretPanel2()->lines(),
                     TAboutF::staffLines() + QStringList{QString()} + team);
            QCOMPARE(w.parentWidget(), &owner);
            w.SpeedButton1()->click();
        });
        QVERIFY(closed);
    }

    void partsStandWhereTheyBelong() {
        TAboutF w;
        QCOMPARE(w.size(), QSize(465, 460));
        QCOMPARE(w.Image1()->geometry(), QRect(0, 0, 146, 441));
        QCOMPARE(w.SecretPanel2()->size(), QSize(144, 224));
        QCOMPARE(w.SecretPanel2()->geometry().bottom(), w.Image1()->geometry().bottom() - 1);
        QCOMPARE(w.SecretPanel1()->size(), QSize(296, 214));
        QVERIFY(w.SecretPanel1()->geometry().left() >= 146);
        QCOMPARE(w.StatusBar1()->geometry(), QRect(0, 441, 465, 19));
        QCOMPARE(w.Image1()->toolTip(), QStringLiteral("TAVRIS Team"));
        QCOMPARE(w.Image1()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w.SpeedButton1()->text(), QStringLiteral("Tamam"));
        QCOMPARE(w.kapat()->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!w.IloAnimate1()->active());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Fiziksel Hafıza :"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Kullanımdaki Hafıza :"));
    }

    void escapeAndTamamClose() {
        for (const bool byEscape : {true, false}) {
            TAboutF w;
            QTimer::singleShot(0, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&w));
                QVERIFY(w.SecretPanel1()->active());
                w.Image1Click();
                QVERIFY(w.SecretPanel2()->active());
                if (byEscape)
                    QTest::keyClick(&w, Qt::Key_Escape);
                else
                    QTest::mouseClick(w.SpeedButton1(), Qt::LeftButton);
            });
            bool stuck = false;
            QTimer::singleShot(5000, &w, [&] {
                stuck = true;
                w.hide();
            });
            w.exec();
            QVERIFY2(!stuck, byEscape ? "Escape" : "Tamam");
            QVERIFY(!w.isVisible());
            // Closing stops both panels.
            QVERIFY(!w.SecretPanel1()->active());
            QVERIFY(!w.SecretPanel2()->active());
        }
    }

    // A click on the picture or Ctrl+Alt+T shows the staff panel scrolling, or hides it
    // and stops it; each show of the window starts with it hidden.
    void theStaffPanelTogglesAndIsHiddenAtEveryShow() {
        TAboutF w;
        auto* staff = w.SecretPanel2();
        for (int round = 0; round < 2; ++round) {
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QVERIFY(!staff->isVisible());
            QVERIFY(!staff->active());
            QVERIFY(w.SecretPanel1()->active());
            QVERIFY(w.Image1()->isVisible());

            QTest::mouseClick(w.Image1(), Qt::LeftButton, {}, QPoint(20, 20));
            QVERIFY(staff->isVisible());
            QVERIFY(staff->active());
            QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(!staff->isVisible());
            QVERIFY(!staff->active());
            QTest::keyClick(&w, Qt::Key_T,
                            Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
            QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
            QVERIFY(!staff->isVisible());
            QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
            QVERIFY(staff->isVisible());
            // Left shown as the window closes.
            w.close();
            QVERIFY(!w.isVisible());
        }
    }

    void memoryTexts() {
        const platform::MemoryStatus m{16314952, 45};
        const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(TAboutF::memoryTexts(m, turkish).first, QStringLiteral("16.314.952 KB"));
        QCOMPARE(TAboutF::memoryTexts(m, turkish).second, QStringLiteral("45 %"));
        // The C locale groups too.
        QCOMPARE(TAboutF::memoryTexts(m, QLocale::c()).first, QStringLiteral("16,314,952 KB"));
        QCOMPARE(TAboutF::memoryTexts(platform::MemoryStatus{512, 0}, QLocale::c()),
                 std::pair(QStringLiteral("512 KB"), QStringLiteral("0 %")));
        QCOMPARE(TAboutF::memoryTexts(std::nullopt),
                 std::pair(QStringLiteral("Bilinmiyor"), QStringLiteral("Bilinmiyor")));
    }

    void memoryTextsOfThisMachine() {
        TAboutF w;
        const auto m = platform::memoryStatus();
        QVERIFY(m.has_value());
        const QString sep = QRegularExpression::escape(QLocale().groupSeparator());
        const QRegularExpression total(QStringLiteral("^\\d{1,3}(%1\\d{3})* KB$").arg(sep));
        QVERIFY2(total.match(w.Fizmem()->text()).hasMatch(), qPrintable(w.Fizmem()->text()));
        QString digits = w.Fizmem()->text();
        digits.remove(QLocale().groupSeparator()).chop(3);
        QCOMPARE(digits.toULongLong(), m->totalKb);
        QVERIFY2(QRegularExpression(QStringLiteral("^(100|[1-9]?\\d) %$"))
                     .match(w.kulmem()->text())
                     .hasMatch(),
                 qPrintable(w.kulmem()->text()));
    }

    void creditsScrollUpAndWrap() {
        TSecretPanel panel;
        panel.resize(100, 40);
        panel.setLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QVERIFY(panel.textHeight() > 0);
        panel.setActive(true);
        const int start = panel.offset();
        panel.step();
        QCOMPARE(panel.offset(), start - 1);
        // Once the last line has left the top edge the first comes in at the bottom.
        int steps = 1;
        while (panel.offset() + panel.textHeight() > 1 && steps < 1000) {
            panel.step();
            ++steps;
        }
        QCOMPARE(panel.offset(), -panel.textHeight() + 1);
        panel.step();
        QCOMPARE(panel.offset(), 40);
        // Its own timer drives it, a step every 25 ms.
        QCOMPARE(panel.findChild<QTimer*>()->interval(), 25);
        const int before = panel.offset();
        QTRY_VERIFY(panel.offset() < before);
        panel.setActive(false);
        const int stopped = panel.offset();
        QTest::qWait(60);
        QCOMPARE(panel.offset(), stopped);
    }
};

QTEST_MAIN(TAboutFTest)
#include "TAboutFTest.moc"
