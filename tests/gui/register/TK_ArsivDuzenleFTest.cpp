#include "register/TK_ArsivDuzenleF.h"
#include "ModalScript.h"
#include "RegisterWindowEnv.h"
#include "app/TListView.h"
#include "text/Cp1254.h"
#include "widgets/TDBEdit.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

using namespace kartavel;
using gui::TK_ArsivDuzenleF;
using test::L;

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

    void aRenameThatWouldShareAContentFileIsRefused() {
        const std::string before = registerFile();
        env->prompter.take();
        edit(0, [&](TK_ArsivDuzenleF* w) {
            w->DBEdit2()->selectAll();
            test::type(w->DBEdit2(), QStringLiteral("SON"));
            QTest::keyClick(w, Qt::Key_F2, Qt::AltModifier); // "Kaydet"
            QCOMPARE(
                env->prompter.take(),
                QStringList{QStringLiteral("Bilgi: SON adında arşiv daha önceden kaydedilmiş...")});
            // The fields show the record as it still is.
            QCOMPARE(w->DBEdit2()->text(), QStringLiteral("Yedek"));
            QCOMPARE(commands(w), QStringLiteral("00"));
            w->closeButton()->click();
        });
        QCOMPARE(registerFile(), before);
        QCOMPARE(test::readFile(env->data / "Yedek.ADS"), std::string("D:\r\n"));
        QVERIFY(!std::filesystem::exists(env->data / "SON.ADS"));
        QCOMPARE(test::mainListShown(*env->main), L({"28:Yedek", "27:Son"}));
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
        test::writeFile(env->data / "GRUB.DB", *text::encodeCp1254("[RecNo1]\r\nGRUBU=Müzik\r\n"
                                                                   "[RecNo2]\r\nGRUBU=Film\r\n"));
        test::writeFile(env->data / "ALTGRUB.DB", "[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\n"
                                                  "[RecNo2]\r\nANAGRUP=film\r\nALTGRUP=Kisa\r\n");
        edit(1, [&](TK_ArsivDuzenleF* w) {
            w->DBComboBox2()->setFocus();
            QCOMPARE(w->DBComboBox2()->count(), 0); // no group, no sub-groups
            w->DBComboBox1()->setFocus();
            QCOMPARE(w->DBComboBox1()->count(), 2);
            test::type(w->DBComboBox1(), QStringLiteral("xyz"));
            QCOMPARE(w->DBComboBox1()->currentText(), QString());
            QCOMPARE(commands(w), QStringLiteral("00"));
            w->DBComboBox1()->setCurrentIndex(1);
            Q_EMIT w->DBComboBox1()->textActivated(QStringLiteral("Film"));
            QCOMPARE(commands(w), QStringLiteral("11"));
            w->DBComboBox2()->setFocus();
            QCOMPARE(w->DBComboBox2()->count(), 1);
            QCOMPARE(w->DBComboBox2()->itemText(0), QStringLiteral("Yerli"));
            // Backspace shortens the picked value.
            w->DBComboBox1()->setFocus();
            w->DBComboBox1()->lineEdit()->end(false);
            QTest::keyClick(w->DBComboBox1(), Qt::Key_Backspace);
            QCOMPARE(QString::fromStdString(env->main->catalogue.KayitOrj_T.asString("GRUBU")),
                     QStringLiteral("Fil"));
            QTest::keyClick(w, Qt::Key_F3); // "İptal"
            QCOMPARE(commands(w), QStringLiteral("00"));
            QCOMPARE(w->DBComboBox1()->currentText(), QString());
            w->closeButton()->click();
        });
    }
};

QTEST_MAIN(TK_ArsivDuzenleFTest)
#include "TK_ArsivDuzenleFTest.moc"
