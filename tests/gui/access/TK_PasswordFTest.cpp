#include "AccessFixture.h"
#include "widgets/TBanner.h"

#include <QLabel>

using namespace kartavel;
using gui::TK_PasswordF;
using gui::TK_SifreDegF;

using test::L;

// The login window, and the start of the program that leads to it.
class TK_PasswordFTest : public QObject {
    Q_OBJECT

    test::AccessFixture f;

private Q_SLOTS:
    void init() { f.setUp(); }
    void cleanup() {
        const QStringList left = f.tearDown();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'|')));
    }

    void firstStartSetsThePasswordThenLogsIn() {
        bool oldFieldEnabled = true;
        bool loginWhileChangeOpen = true;
        f.script->then<TK_SifreDegF>([&](TK_SifreDegF* w) {
            oldFieldEnabled = w->Edit3()->isEnabled();
            loginWhileChangeOpen = gui::K_PasswordF != nullptr;
            test::setsPassword(QStringLiteral("abc"))(w);
        });
        bool mainVisibleBehind = false;
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            mainVisibleBehind = f.window->isVisible() && !f.window->Timer1()->isActive();
            test::logsIn(QStringLiteral("abc"))(w);
        });
        QVERIFY(!std::filesystem::exists(f.data));
        f.start();
        QCOMPARE(f.script->seen, L({"K_SifreDegF", "K_PasswordF"}));
        QVERIFY2(!oldFieldEnabled, "no stored-values file: no old password to ask");
        QVERIFY(!loginWhileChangeOpen);
        QVERIFY(mainVisibleBehind);
        QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre değiştirilmiştir..."}));
        QCOMPARE(f.dosyaIni(), std::string("[IloStored]\r\nSIFRE=\x9E\x9D\x9C\r\n"));
        // The program is usable: logged in, the gate done and its timer at rest.
        QVERIFY(f.window->loggedIn);
        QVERIFY(!f.window->loginDue);
        QVERIFY(!f.window->Timer1()->isActive());
        QVERIFY(f.window->isVisible());
        QVERIFY(f.window->button(11)->isVisible());
    }

    void cancellingTheFirstPasswordLeavesOnlyTheWayOut() {
        // Without a password no entry matches: the login can only end the program,
        // and the next start asks for a password first again.
        f.script->then<TK_SifreDegF>([](TK_SifreDegF* w) { w->BitBtn2()->click(); });
        f.script->then<TK_PasswordF>([](TK_PasswordF* w) {
            test::logsIn(QStringLiteral("x"))(w);
            QVERIFY(w->isVisible());
            w->IQGrap2()->click();
        });
        f.start();
        QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre Dogrulanamadı..."}));
        QVERIFY(!f.window->isVisible());
        QVERIFY(!platform::fileExists(f.data / "dosya.ini"));
    }

    void aWrongPasswordThenTheRightOne() {
        f.storePassword("Gizli");
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            // Nothing entered: "Tamam" and Enter do nothing at all.
            w->IQGrap1()->click();
            QTest::keyClick(w->EditPass(), Qt::Key_Return);
            QVERIFY(w->isVisible());
            QVERIFY(f.prompter->messages.isEmpty());

            f.window->loggedIn = true; // a refused password clears it
            QTest::keyClicks(w->EditPass(), QStringLiteral("gizli"));
            w->IQGrap1()->click();
            QVERIFY(w->isVisible());
            QVERIFY(!f.window->loggedIn);
            QVERIFY(!w->succeeded());
            QCOMPARE(w->EditPass()->text(), QStringLiteral("gizli")); // the field keeps it
            QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre Dogrulanamadı..."}));

            w->EditPass()->clear();
            QTest::keyClicks(w->EditPass(), QStringLiteral("Gizli"));
            QTest::keyClick(w->EditPass(), Qt::Key_Enter);
        });
        f.start();
        QVERIFY(f.window->loggedIn);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.prompter->messages.isEmpty());
        QCOMPARE(f.script->seen, L({"K_PasswordF"})); // the file exists: no password change
    }

    void everyCloseWithoutSuccessEndsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Vazgeç") << QStringLiteral("Vazgeç");
        QTest::newRow("close box") << QStringLiteral("close box");
        QTest::newRow("after a refusal") << QStringLiteral("after a refusal");
    }
    void everyCloseWithoutSuccessEndsTheProgram() {
        QFETCH(QString, how);
        f.storePassword("gizli");
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            QTest::keyClick(w->EditPass(), Qt::Key_Escape);
            QVERIFY2(w->isVisible(), "Escape does not leave the login");
            if (how == QStringLiteral("Vazgeç")) {
                w->IQGrap2()->click();
                return;
            }
            if (how == QStringLiteral("after a refusal"))
                test::logsIn(QStringLiteral("yanlis"))(w);
            w->close(); // the title bar's close box
        });
        f.start();
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.window->loggedIn);
        // No exit question: the prompter would have recorded it.
        for (const QString& m : f.prompter->take())
            QVERIFY2(!m.startsWith(QStringLiteral("Soru")), qPrintable(m));
    }

    void enterRunsTheCheckOnceAndGoesNoFurther() {
        f.storePassword("gizli");
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            // On "Tamam", Enter checks once: one refusal, not two.
            QTest::keyClicks(w->EditPass(), QStringLiteral("yanlis"));
            w->IQGrap1()->setFocus();
            QTest::keyClick(w->IQGrap1(), Qt::Key_Return);
            QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre Dogrulanamadı..."}));
            // On "Vazgeç", Enter logs in and does not press "Vazgeç" after it.
            w->EditPass()->clear();
            QTest::keyClicks(w->EditPass(), QStringLiteral("gizli"));
            w->IQGrap2()->setFocus();
            QTest::keyClick(w->IQGrap2(), Qt::Key_Return);
        });
        f.start();
        QVERIFY(f.window->loggedIn);
        QVERIFY2(f.window->isVisible(), "the program must go on after a correct password");
    }

    void theFieldTakesSixteenCharactersWithoutBlanks() {
        f.storePassword("abcdefghijklmnop");
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            QTest::keyClicks(w->EditPass(), QStringLiteral("a b"));
            QCOMPARE(w->EditPass()->text(), QStringLiteral("ab"));
            QCOMPARE(w->EditPass()->displayText(), QStringLiteral("**"));
            w->EditPass()->clear();
            QTest::keyClicks(w->EditPass(), QStringLiteral("abcdefghijklmnopqrst"));
            QCOMPARE(w->EditPass()->text(), QStringLiteral("abcdefghijklmnop"));
            w->IQGrap1()->click();
        });
        f.start();
        QVERIFY(f.window->loggedIn);
    }

    void looksAsTheProgramDraws() {
        f.storePassword("gizli");
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Kullanıcı giriş"));
            const auto flags = w->windowFlags();
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            QCOMPARE(w->Image1()->height(), 49);
            QCOMPARE(w->Image1()->width(), w->width());
            for (QLabel* l : {w->Label2(), w->Label1()})
                QCOMPARE(l->text(), QStringLiteral("Kullanıcı Girişi"));
            QCOMPARE(w->Label2()->font().pixelSize(), 32);
            QCOMPARE(w->Label2()->palette().color(QPalette::WindowText), QColor(0x9C, 0x97, 0xF9));
            QCOMPARE(w->Label1()->font().pixelSize(), 19);
            QCOMPARE(w->Label1()->palette().color(QPalette::WindowText), QColor(Qt::white));
            QVERIFY(w->Label1()->x() > w->Label2()->x() && w->Label1()->y() > w->Label2()->y());
            QCOMPARE(w->findChild<QLabel*>(QStringLiteral("RxLabel2"))->text(),
                     QStringLiteral("Parola : "));
            QCOMPARE(w->IQGrap1()->caption(), QStringLiteral("Tamam"));
            QCOMPARE(w->IQGrap2()->caption(), QStringLiteral("Vazgeç"));
            QCOMPARE(w->focusWidget(), w->EditPass());

            // See-through: the button-face parts are cut out of the window's shape;
            // the banner, the field and the button frames stay.
            QCOMPARE(w->palette().color(QPalette::Window), w->colourKey());
            const QRegion shape = w->mask();
            QVERIFY(!shape.isEmpty());
            QVERIFY(!shape.contains(QPoint(5, 60)));
            QVERIFY(!shape.contains(w->IQGrap1()->geometry().topLeft() + QPoint(8, 14)));
            QVERIFY(shape.contains(QPoint(5, 5)));
            QVERIFY(shape.contains(w->EditPass()->geometry().center()));
            QVERIFY(shape.contains(w->IQGrap1()->geometry().bottomRight()));
            w->IQGrap2()->click();
        });
        f.start();
    }
};

QTEST_MAIN(TK_PasswordFTest)
#include "TK_PasswordFTest.moc"
