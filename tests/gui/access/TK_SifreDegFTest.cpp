#include "AccessFixture.h"
#include "widgets/TBanner.h"

#include <QAction>
#include <QLabel>

using namespace kartavel;
using gui::TK_PasswordF;
using gui::TK_SifreDegF;

using test::L;

// The password-change window, opened by "Şifre Değiştir" once the user is logged in.
class TK_SifreDegFTest : public QObject {
    Q_OBJECT

    test::AccessFixture f;

    // Starts the program on the stored password "eski" and logs in.
    void startLoggedIn() {
        f.storePassword("eski");
        f.script->then<TK_PasswordF>(test::logsIn(QStringLiteral("eski")));
        f.start();
        QVERIFY(f.window->loggedIn);
        QVERIFY(f.window->button(11)->isVisible());
        QCOMPARE(f.window->button(11)->caption(), QStringLiteral("Şifre Değiştir"));
    }

private Q_SLOTS:
    void init() { f.setUp(); }
    void cleanup() {
        const QStringList left = f.tearDown();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'|')));
    }

    void changesThePasswordStepByStepThenAsksForALogin() {
        startLoggedIn();
        bool loginOpenRightAfter = true;
        bool timerRunningRightAfter = false;
        f.script->then<TK_SifreDegF>([&](TK_SifreDegF* w) {
            QVERIFY(w->Edit3()->isEnabled());
            const struct {
                const char *oldPassword, *newPassword, *repetition, *message;
            } refusals[] = {
                {"eski", "", "", "Bilgi: Yeni şifreyi girmelisiniz."},
                {"yanlis", "yeni", "yeni", "Bilgi: Eski şifre hatalı..."},
                {"ESKI", "yeni", "yeni", "Bilgi: Eski şifre hatalı..."},
                {"eski", "yeni", "yenı", "Bilgi: Yeni şifre uyumsuz..."},
            };
            for (const auto& r : refusals) {
                test::fillPasswordChange(w, QString::fromUtf8(r.oldPassword),
                                         QString::fromUtf8(r.newPassword),
                                         QString::fromUtf8(r.repetition));
                w->BitBtn1()->click();
                QVERIFY(w->isVisible());
                QCOMPARE(f.prompter->take(), L({r.message}));
                // The fields keep their text.
                QCOMPARE(w->Edit2()->text(), QString::fromUtf8(r.repetition));
                QCOMPARE(f.dosyaIni(), test::storedPasswordFile("eski"));
                QVERIFY(!f.window->loginDue);
            }
            test::fillPasswordChange(w, QStringLiteral("eski"), QStringLiteral("yeni"),
                                     QStringLiteral("yeni"));
            QTest::keyClick(w->Edit2(), Qt::Key_Return); // Enter in a field is "Tamam"
        });
        f.script->then<TK_PasswordF>([&](TK_PasswordF* w) {
            test::logsIn(QStringLiteral("eski"))(w);
            QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre Dogrulanamadı..."}));
            w->EditPass()->clear();
            test::logsIn(QStringLiteral("yeni"))(w);
        });
        f.window->button(11)->click();
        // The window has closed; the login comes with the next tick, not at once.
        loginOpenRightAfter = f.script->seen.size() > 2;
        timerRunningRightAfter = f.window->Timer1()->isActive();
        QVERIFY(!loginOpenRightAfter);
        QVERIFY(timerRunningRightAfter);
        QCOMPARE(f.window->Timer1()->interval(), 100);
        QVERIFY(f.window->loginDue);
        QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre değiştirilmiştir..."}));
        QCOMPARE(f.dosyaIni(), test::storedPasswordFile("yeni"));

        QTRY_VERIFY(f.script->done());
        QCOMPARE(f.script->seen, L({"K_PasswordF", "K_SifreDegF", "K_PasswordF"}));
        QVERIFY(f.window->loggedIn);
        QVERIFY(f.window->isVisible());
        QVERIFY(!f.window->loginDue);
        QVERIFY(!f.window->Timer1()->isActive());
    }

    void refusesPasswordsTheLoginCouldNeverTake() {
        startLoggedIn();
        f.script->then<TK_SifreDegF>([&](TK_SifreDegF* w) {
            const struct {
                const char *password, *message;
            } refusals[] = {
                {"12345678901234567", "Bilgi: Yeni şifre en fazla 16 karakter olabilir..."},
                {"iki kelime", "Bilgi: Yeni şifre boşluk içeremez..."},
                {"ÿes", "Bilgi: Yeni şifrede kullanılamayan bir karakter var..."},
                {"sòz", "Bilgi: Yeni şifrede kullanılamayan bir karakter var..."},
                {"sõz", "Bilgi: Yeni şifrede kullanılamayan bir karakter var..."},
            };
            for (const auto& r : refusals) {
                const QString p = QString::fromUtf8(r.password);
                test::fillPasswordChange(w, QStringLiteral("eski"), p, p);
                QCOMPARE(w->Edit1()->text(), p); // the change fields take blanks
                w->BitBtn1()->click();
                QVERIFY(w->isVisible());
                QCOMPARE(f.prompter->take(), L({r.message}));
                QCOMPARE(f.dosyaIni(), test::storedPasswordFile("eski"));
            }
            // Sixteen letters of the code page, some of them scrambling to a quote,
            // a blank and an apostrophe at the ends of the stored line, are fine.
            test::fillPasswordChange(w, QStringLiteral("eski"), QStringLiteral("İçerikßüğşöÇ€İ"),
                                     QStringLiteral("İçerikßüğşöÇ€İ"));
            w->BitBtn1()->click();
        });
        f.script->then<TK_PasswordF>(test::logsIn(QStringLiteral("İçerikßüğşöÇ€İ")));
        f.window->button(11)->click();
        QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre değiştirilmiştir..."}));
        QTRY_VERIFY(f.script->done());
        QVERIFY(f.window->loggedIn);
        QVERIFY(f.prompter->messages.isEmpty());
    }

    void cancelAndEscapeChangeNothing() {
        startLoggedIn();
        for (bool byEscape : {false, true}) {
            f.script->then<TK_SifreDegF>([byEscape](TK_SifreDegF* w) {
                test::fillPasswordChange(w, QStringLiteral("eski"), QStringLiteral("yeni"),
                                         QStringLiteral("yeni"));
                if (byEscape)
                    QTest::keyClick(w->Edit1(), Qt::Key_Escape);
                else
                    w->BitBtn2()->click();
            });
            f.window->button(11)->click();
            QVERIFY(f.script->done());
        }
        QCOMPARE(f.dosyaIni(), test::storedPasswordFile("eski"));
        QVERIFY(f.prompter->messages.isEmpty());
        QVERIFY(!f.window->loginDue);
        // The timer ticks on; nothing opens while "dosya.ini" is there...
        QVERIFY(f.window->Timer1()->isActive());
        QTest::qWait(300);
        QCOMPARE(f.script->seen.size(), 3);
        // ... and the password-change window comes back once it is gone.
        f.script->then<TK_SifreDegF>([](TK_SifreDegF* w) {
            QVERIFY(!w->Edit3()->isEnabled());
            w->BitBtn2()->click();
        });
        platform::removeFile(f.data / "dosya.ini");
        QTRY_VERIFY(f.script->done());
        QVERIFY(f.window->loggedIn);
    }

    void aFileThatCannotBeWrittenKeepsTheWindowOpen() {
        startLoggedIn();
        f.script->then<TK_SifreDegF>([&](TK_SifreDegF* w) {
            test::fillPasswordChange(w, QStringLiteral("eski"), QStringLiteral("yeni"),
                                     QStringLiteral("yeni"));
            {
                test::FileSizeLimit fullDisk(8);
                w->BitBtn1()->click();
            }
            QVERIFY(w->isVisible());
            const std::string path = (f.data / "dosya.ini").string();
            QCOMPARE(f.prompter->take(), QStringList{QStringLiteral("Hata: Unable to write to ") +
                                                     QString::fromStdString(path)});
            QVERIFY(!f.window->loginDue);
            // The old password is still the one the window checks against.
            w->BitBtn1()->click();
            QCOMPARE(f.prompter->take(), L({"Bilgi: Şifre değiştirilmiştir..."}));
        });
        f.script->then<TK_PasswordF>(test::logsIn(QStringLiteral("yeni")));
        f.window->button(11)->click();
        QTRY_VERIFY(f.script->done());
        QCOMPARE(f.dosyaIni(), test::storedPasswordFile("yeni"));
    }

    void aLoginAfterAChangeStillEndsTheProgramWithoutAsking() {
        startLoggedIn();
        f.script->then<TK_SifreDegF>(
            test::setsPasswordFrom(QStringLiteral("eski"), QStringLiteral("yeni")));
        f.script->then<TK_PasswordF>([](TK_PasswordF* w) { w->IQGrap2()->click(); });
        f.window->button(11)->click();
        QTRY_VERIFY(f.script->done());
        QVERIFY(!f.window->isVisible());
        for (const QString& m : f.prompter->take())
            QVERIFY2(!m.startsWith(QStringLiteral("Soru")), qPrintable(m));
    }

    void looksAsTheProgramDraws() {
        startLoggedIn();
        f.script->then<TK_SifreDegF>([&](TK_SifreDegF* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
            const auto flags = w->windowFlags();
            QVERIFY(flags & Qt::WindowMinimizeButtonHint);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(w->minimumSize(), w->maximumSize());
            QCOMPARE(w->Panel1()->height(), 37);
            QCOMPARE(w->Panel1()->heading()->text(), QStringLiteral("Şifre Değiştir"));
            QCOMPARE(w->Panel1()->imageTop()->pixmap().toImage(),
                     f.window->ImageList1->pixmap(13).toImage());
            const struct {
                QLineEdit* field;
                const char* label;
                QColor colour;
            } rows[] = {{w->Edit3(), "Eski Şifre ", QColor(0xFD, 0xBD, 0xD3)},
                        {w->Edit1(), "Yeni Şifre ", QColor(0xCB, 0xFC, 0xFE)},
                        {w->Edit2(), "Şifre Tekrarı ", QColor(0xCB, 0xFC, 0xFE)}};
            for (const auto& r : rows) {
                QCOMPARE(r.field->palette().color(QPalette::Base), r.colour);
                QCOMPARE(r.field->maxLength(), 32767); // no limit of its own
                QTest::keyClicks(r.field, QStringLiteral("ab c"));
                QCOMPARE(r.field->displayText(), QStringLiteral("****"));
                bool labelled = false;
                for (QLabel* l : w->findChildren<QLabel*>())
                    labelled = labelled ||
                               (l->buddy() == r.field && l->text() == QString::fromUtf8(r.label));
                QVERIFY2(labelled, r.label);
            }
            QCOMPARE(w->BitBtn1()->caption(), QStringLiteral("Tamam"));
            QCOMPARE(w->BitBtn2()->caption(), QStringLiteral("İptal"));
            QCOMPARE(w->Kapat()->shortcut(), QKeySequence(Qt::Key_Escape));
            // Tab order: the three fields, "Tamam", "İptal".
            QWidget* order[] = {w->Edit3(), w->Edit1(), w->Edit2(), w->BitBtn1(), w->BitBtn2()};
            for (int i = 0; i + 1 < 5; ++i)
                QCOMPARE(order[i]->nextInFocusChain(), order[i + 1]);
            w->BitBtn2()->click();
        });
        f.window->button(11)->click();
    }
};

QTEST_MAIN(TK_SifreDegFTest)
#include "TK_SifreDegFTest.moc"
