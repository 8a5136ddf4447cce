#include "register/TK_ArsivDuzenleF.h"
#include "ListSteps.h"
#include "ModalScript.h"
#include "RegisterWindowEnv.h"
#include "app/TListView.h"
#include "platform/FileSystem.h"
#include "text/Cp1254.h"
#include "widgets/TDBEdit.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

using namespace kartavel;
using gui::TK_ArsivDuzenleF;
using test::L;
using namespace Qt::StringLiterals;

// The archive edit window, opened by the main window's "Düzenle" on the selected
// archive.
class TK_ArsivDuzenleFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RegisterWindowEnv> env;

    std::string registerFile() const { return test::readFile(env->data / "ARSIV_Y.DB"); }
    // Opens the edit window on the main list's row and lets `drive` work it.
    void edit(int row, std::function<void(TK_ArsivDuzenleF*)> drive) {
        test::ModalScript script;
        script.then<TK_ArsivDuzenleF>([drive = std::move(drive)](TK_ArsivDuzenleF* w) {
            // Shortcuts and focus need the window active.
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            drive(w);
        });
        env->main->ListView1()->selectRow(row);
        env->main->button(8)->click();
        QVERIFY2(script.done() && script.errors.isEmpty(), qPrintable(script.errors.join(u'|')));
    }
    // "Kaydet" and "İptal" together: "11", "00", or a mismatch.
    static QString commands(TK_ArsivDuzenleF* w) {
        return QString::number(w->IloWinButton1()->isEnabled()) +
               QString::number(w->IloWinButton2()->isEnabled());
    }

private Q_SLOTS:
    void init() {
        env = std::make_unique<test::RegisterWindowEnv>(
            std::vector<test::Archive>{{"Yedek", "", "", "1", "K-1"}, {"Son", "", "", "0", ""}},
            std::vector<std::string>{"Yedek"});
        test::writeFile(env->data / "Yedek.ADS", "D:\r\n");
        QCOMPARE(test::mainListShown(*env->main), L({"28:Yedek", "27:Son"}));
    }
    void cleanup() {
        const QString left = env ? env->leftovers() : QString();
        env.reset();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    void aRenameIsSavedAndTakesTheContentFileAlong() {
        edit(0, [&](TK_ArsivDuzenleF* w) {
            QVERIFY(gui::K_ArsivDuzenleF == w);
            QCOMPARE(w->DBEdit2()->text(), QStringLiteral("Yedek"));
            QCOMPARE(w->DBEdit1()->text(), QStringLiteral("K-1"));
            QCOMPARE(w->DBDateEdit1()->lineEdit()->text(), QStringLiteral("10.12.2026"));
            QCOMPARE(w->DBRadioGroup1()->checkedId(), 1);
            QCOMPARE(commands(w), QStringLiteral("00"));
            w->DBEdit2()->selectAll();
            test::type(w->DBEdit2(), QStringLiteral("Arsiv 1"));
            QCOMPARE(commands(w), QStringLiteral("11"));
            QTest::keyClick(w, Qt::Key_F2, Qt::AltModifier); // "Kaydet"
            QCOMPARE(commands(w), QStringLiteral("00"));
            QVERIFY(!std::filesystem::exists(env->data / "Yedek.ADS"));
            QCOMPARE(test::readFile(env->data / "Arsiv 1.ADS"), std::string("D:\r\n"));
            QVERIFY(registerFile().find("ARSIV_ADI=Arsiv 1\r\n") != std::string::npos);
            w->closeButton()->click();
        });
        QVERIFY(!gui::K_ArsivDuzenleF);
        // The lending record keeps the old name: the archive shows as not lent.
        QCOMPARE(test::mainListShown(*env->main), L({"29:Arsiv 1", "27:Son"}));
    }

    // A refused save leaves the register as it is stored and the window in editing
    // with the user's values, the focus on the field that was refused, so the
    // value can be corrected and saved, or cancelled.
    void aRefusedSaveKeepsTheEditsForCorrection() {
        const std::string before = registerFile();
        env->prompter.take();
        enum Field { Name, Code, Date };
        enum Typing { AtStart, AtEnd, Over };
        const struct {
            Field field;
            Typing typing;
            QString text;
            QString message;
        } cases[] = {
            {Name, AtStart, u" "_s, u"Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."_s},
            {Name, AtEnd, u" "_s, u"Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."_s},
            {Name, Over, u"SON"_s, u"SON adında arşiv daha önceden kaydedilmiş..."_s},
            {Name, Over, u"CON"_s, u"CON adı dosya adı olarak kullanılamaz..."_s},
            {Name, Over, {}, u"Arşiv Adını Giriniz..."_s},
            {Code, Over, u"'K-1'"_s, u"Özel Kodu tırnak işaretleri arasında olamaz..."_s},
            {Date, Over, u"0101"_s,
             u"Tarih eksik ya da hatalı girilmiş. Tarihi gg.aa.yyyy biçiminde giriniz..."_s},
        };
        for (const auto& c : cases) {
            edit(0, [&](TK_ArsivDuzenleF* w) {
                // Other fields changed too: none of them is lost.
                w->DBEdit1()->selectAll();
                test::type(w->DBEdit1(), QStringLiteral("Yeni kod"));
                w->DBRadioGroup1()->button(2)->click();
                QLineEdit* const fields[] = {w->DBEdit2(), w->DBEdit1(),
                                             w->DBDateEdit1()->lineEdit()};
                QLineEdit* field = fields[c.field];
                if (c.typing == Over)
                    field->selectAll();
                else
                    field->setCursorPosition(c.typing == AtStart ? 0 : field->text().size());
                if (c.text.isEmpty())
                    QTest::keyClick(field, Qt::Key_Backspace);
                test::type(field, c.text);
                const QString name = w->DBEdit2()->text(), code = w->DBEdit1()->text();
                w->IloWinButton1()->click(); // "Kaydet"
                QCOMPARE(env->prompter.take(), QStringList{u"Bilgi: "_s + c.message});
                QCOMPARE(w->DBEdit2()->text(), name);
                QCOMPARE(w->DBEdit1()->text(), code);
                QCOMPARE(w->DBRadioGroup1()->checkedId(), 2);
                QCOMPARE(commands(w), QStringLiteral("11"));
                QCOMPARE(QApplication::focusWidget(), field);
                QCOMPARE(registerFile(), before);
                // "İptal" brings back what is stored.
                QTest::keyClick(w, Qt::Key_F3);
                QCOMPARE(w->DBEdit2()->text(), QStringLiteral("Yedek"));
                QCOMPARE(w->DBEdit1()->text(), QStringLiteral("K-1"));
                QCOMPARE(commands(w), QStringLiteral("00"));
                w->closeButton()->click();
            });
            QCOMPARE(registerFile(), before);
            QCOMPARE(test::readFile(env->data / "Yedek.ADS"), std::string("D:\r\n"));
            QCOMPARE(test::mainListShown(*env->main), L({"28:Yedek", "27:Son"}));
        }
        QVERIFY(!std::filesystem::exists(env->data / " Yedek.ADS"));
        QVERIFY(!std::filesystem::exists(env->data / "Yedek .ADS"));
    }

    // A register that cannot be written: the error is told, nothing moves, and the
    // edits stay to be saved again.
    void aFailedSaveKeepsTheEditsToSaveAgain() {
        const std::string before = registerFile();
        edit(0, [&](TK_ArsivDuzenleF* w) {
            w->DBEdit2()->selectAll();
            test::type(w->DBEdit2(), QStringLiteral("Arsiv 1"));
            platform::setWriteFault([](platform::WriteStep, const auto&) { return true; });
            w->IloWinButton1()->click();
            platform::setWriteFault({});
            const QStringList shown = env->prompter.take();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].startsWith(u"Hata: Unable to write to "_s), qPrintable(shown[0]));
            QCOMPARE(w->DBEdit2()->text(), QStringLiteral("Arsiv 1"));
            QCOMPARE(commands(w), QStringLiteral("11"));
            QCOMPARE(registerFile(), before);
            QCOMPARE(test::readFile(env->data / "Yedek.ADS"), std::string("D:\r\n"));
            w->IloWinButton1()->click();
            QCOMPARE(commands(w), QStringLiteral("00"));
            QVERIFY(registerFile().find("ARSIV_ADI=Arsiv 1\r\n") != std::string::npos);
            QCOMPARE(test::readFile(env->data / "Arsiv 1.ADS"), std::string("D:\r\n"));
            w->closeButton()->click();
        });
    }

    void closingWithUnsavedChangesCancelsThem() {
        const std::string before = registerFile();
        edit(1, [&](TK_ArsivDuzenleF* w) {
            test::type(w->DBEdit1(), QStringLiteral("X"));
            w->DBRadioGroup1()->button(2)->click();
            QCOMPARE(commands(w), QStringLiteral("11"));
            QTest::keyClick(w, Qt::Key_Escape);
        });
        auto& t = env->main->catalogue.KayitOrj_T;
        QVERIFY(!t.editing());
        QCOMPARE(registerFile(), before);
        QVERIFY(t.locate("ARSIV_ADI", "Son", false));
        QCOMPARE(t.asString("OZEL_KODU"), std::string());
        QCOMPARE(t.asString("CDDVD"), std::string("0"));
        // A later post elsewhere carries nothing of it.
        t.edit();
        t.post();
        QCOMPARE(t.asString("CDDVD"), std::string("0"));
    }

    void theListsArePickedFromAndOnlyShortened() {
        writeLists();
        edit(1, [&](TK_ArsivDuzenleF* w) {
            w->DBComboBox2()->setFocus();
            QCOMPARE(w->DBComboBox2()->count(), 0); // no group, no sub-groups
            w->DBComboBox1()->setFocus();
            QCOMPARE(w->DBComboBox1()->count(), 2);
            test::type(w->DBComboBox1(), QStringLiteral("xyz"));
            QCOMPARE(w->DBComboBox1()->currentText(), QString());
            // Pasted text is refused as typed text is, by keys or by the menu.
            QGuiApplication::clipboard()->setText(QStringLiteral("Film"));
            QTest::keyClick(w->DBComboBox1()->lineEdit(), Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(w->DBComboBox1()->lineEdit(), Qt::Key_Insert, Qt::ShiftModifier);
            w->DBComboBox1()->lineEdit()->paste();
            QCOMPARE(w->DBComboBox1()->currentText(), QString());
            QCOMPARE(commands(w), QStringLiteral("00"));

            // A click on an item of the open list takes it.
            test::openListWithMouse(w->DBComboBox1());
            QCOMPARE(commands(w), QStringLiteral("00")); // opening it changes nothing
            test::clickListRow(w->DBComboBox1(), 1);
            QCOMPARE(w->DBComboBox1()->currentText(), QStringLiteral("Film"));
            QCOMPARE(QString::fromStdString(env->main->catalogue.KayitOrj_T.asString("GRUBU")),
                     QStringLiteral("Film"));
            QCOMPARE(commands(w), QStringLiteral("11"));
            w->DBComboBox2()->setFocus();
            QCOMPARE(w->DBComboBox2()->count(), 1);
            QCOMPARE(w->DBComboBox2()->itemText(0), QStringLiteral("Yerli"));

            // So does Enter inside it.
            test::openListWithMouse(w->DBComboBox1());
            QTest::keyClick(w->DBComboBox1()->view(), Qt::Key_Up);
            QTest::keyClick(w->DBComboBox1()->view(), Qt::Key_Return);
            QTRY_VERIFY(!w->DBComboBox1()->view()->isVisible());
            QCOMPARE(w->DBComboBox1()->currentText(), QStringLiteral("Müzik"));

            // Backspace shortens the picked value; pasting onto it adds nothing.
            w->DBComboBox1()->setFocus();
            w->DBComboBox1()->lineEdit()->end(false);
            QTest::keyClick(w->DBComboBox1(), Qt::Key_Backspace);
            QCOMPARE(QString::fromStdString(env->main->catalogue.KayitOrj_T.asString("GRUBU")),
                     QStringLiteral("Müzi"));
            w->DBComboBox1()->lineEdit()->paste();
            QCOMPARE(w->DBComboBox1()->currentText(), QStringLiteral("Müzi"));
            QTest::keyClick(w, Qt::Key_F3); // "İptal"
            QCOMPARE(commands(w), QStringLiteral("00"));
            QCOMPARE(w->DBComboBox1()->currentText(), QString());

            // Saving what was picked with the mouse stores it.
            test::openListWithMouse(w->DBComboBox1());
            test::clickListRow(w->DBComboBox1(), 0);
            w->IloWinButton1()->click();
            QVERIFY(registerFile().find("ARSIV_ADI=Son\r\nKODU=2\r\nCDDVD=0\r\n"
                                        "GRUBU=M\xFCzik\r\n") != std::string::npos);
            w->closeButton()->click();
        });
    }

    // The sub-group shown is the one saved: it stays while the group stays, and goes,
    // on screen and in the record, when the group changes to one without it.
    void theSubGroupShownIsTheOneSaved() {
        writeLists();
        auto& t = env->main->catalogue.KayitOrj_T;
        QVERIFY(t.locate("ARSIV_ADI", "Son", false));
        t.edit();
        t.setString("GRUBU", "Film");
        t.setString("ALTGRUB", "Yerli");
        t.post();
        env->main->catalogue.saveRegister();
        edit(1, [&](TK_ArsivDuzenleF* w) {
            QCOMPARE(w->DBComboBox2()->currentText(), QStringLiteral("Yerli"));
            w->DBComboBox1()->setFocus();
            QCOMPARE(w->DBComboBox2()->currentText(), QStringLiteral("Yerli"));
            // Leaving the list, which then names its value again, changes nothing.
            w->DBEdit1()->setFocus();
            QCOMPARE(commands(w), QStringLiteral("00"));
            test::openListWithMouse(w->DBComboBox1());
            test::clickListRow(w->DBComboBox1(), 1); // "Film" again: nothing changes
            QCOMPARE(w->DBComboBox2()->currentText(), QStringLiteral("Yerli"));
            test::openListWithMouse(w->DBComboBox1());
            test::clickListRow(w->DBComboBox1(), 0); // "Müzik" has no "Yerli"
            QCOMPARE(w->DBComboBox2()->currentText(), QString());
            QCOMPARE(t.asString("ALTGRUB"), std::string());
            w->IloWinButton1()->click();
            w->closeButton()->click();
        });
        QVERIFY(registerFile().find("GRUBU=M\xFCzik\r\nALTGRUB=\r\n") != std::string::npos);
    }

    // Esc on an open list closes the list; the next Esc closes the window.
    void escClosesAnOpenListFirst() {
        writeLists();
        edit(1, [&](TK_ArsivDuzenleF* w) {
            test::type(w->DBEdit1(), QStringLiteral("X"));
            test::openListWithMouse(w->DBComboBox1());
            QTest::keyClick(w->DBComboBox1()->view(), Qt::Key_Escape);
            QTRY_VERIFY(!w->DBComboBox1()->view()->isVisible());
            QVERIFY(w->isVisible());
            QCOMPARE(w->DBEdit1()->text(), QStringLiteral("X"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!w->isVisible());
        });
    }

private:
    void writeLists() {
        test::writeFile(env->data / "GRUB.DB", *text::encodeCp1254("[RecNo1]\r\nGRUBU=Müzik\r\n"
                                                                   "[RecNo2]\r\nGRUBU=Film\r\n"));
        test::writeFile(env->data / "ALTGRUB.DB",
                        *text::encodeCp1254("[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\n"
                                            "[RecNo2]\r\nANAGRUP=film\r\nALTGRUP=Kisa\r\n"
                                            "[RecNo3]\r\nANAGRUP=Müzik\r\nALTGRUP=Pop\r\n"));
    }
};

QTEST_MAIN(TK_ArsivDuzenleFTest)
#include "TK_ArsivDuzenleFTest.moc"
