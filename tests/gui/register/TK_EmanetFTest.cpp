#include "register/TK_EmanetF.h"
#include "RegisterWindowEnv.h"
#include "app/MainListModel.h"
#include "app/TListView.h"
#include "platform/FileSystem.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <functional>

using namespace kartavel;
using gui::TK_EmanetF;
using test::L;

// The lending window, opened from the main window's list: the same commands as in
// the register window, with the main list refreshed afterwards.
class TK_EmanetFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RegisterWindowEnv> env;

    // The main window on the group "Film": a folder, a lent CD and a DVD.
    void start() {
        env = std::make_unique<test::RegisterWindowEnv>(
            std::vector<test::Archive>{
                {"Klasor", "Film", "", "2"}, {"Odunc", "Film", "", "1"}, {"Yeni", "Film", "", "0"}},
            std::vector<std::string>{"Odunc"});
        QVERIFY(QTest::qWaitForWindowExposed(env->main.get()));
        env->main->ListView1()->selectRow(0);
        QTest::keyClick(env->main->ListView1()->currentView(), Qt::Key_Return);
        QCOMPARE(icons(), L({"26:Klasor", "28:Odunc", "27:Yeni"}));
    }
    QStringList icons() const { return test::mainListShown(*env->main); }
    QAction* item(const char* name) const { return env->main->menuItem(QString::fromLatin1(name)); }
    // Selects the entry, runs the menu item with `drive` working the lending window,
    // and returns what that window showed when it opened: its caption, the
    // archive, the four fields.
    QStringList command(int row, const char* menuItem,
                        const std::function<void(TK_EmanetF*)>& drive) {
        env->main->ListView1()->selectRow(row);
        env->main->PopupMenu1Popup();
        QStringList seen;
        gui::setModalDriver([&](QDialog* d) {
            auto* e = static_cast<TK_EmanetF*>(d);
            seen << e->IloWinButton1()->caption() << e->Label7()->text()
                 << e->EditEmanetAdi()->text() << e->VerilmeTarihi()->lineEdit()->text()
                 << e->TeslimTarihi()->lineEdit()->text() << e->EditAciklama()->text();
            drive(e);
            if (e->isVisible())
                e->reject(); // a driver that left it open
        });
        item(menuItem)->trigger();
        return seen;
    }

private Q_SLOTS:
    void cleanup() {
        if (env)
            QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        env.reset();
    }

    void theMenuOffersWhatTheIconAllows() {
        start();
        struct Case {
            int row;
            bool lend, takeBack;
        };
        for (const Case c : {Case{0, false, false}, Case{1, false, true}, Case{2, true, false}}) {
            env->main->ListView1()->selectRow(c.row);
            env->main->PopupMenu1Popup();
            QCOMPARE(item("EmanetVer1")->isEnabled(), c.lend);
            QCOMPARE(item("TeslimAl1")->isEnabled(), c.takeBack);
            QVERIFY(item("EmanetVer1")->isVisible() && item("TeslimAl1")->isVisible());
        }
        env->main->ListView1()->clearSelection();
        env->main->PopupMenu1Popup();
        QVERIFY(!item("EmanetVer1")->isEnabled() && !item("TeslimAl1")->isEnabled());
    }

    void lendingChecksTheFieldsInOrderThenStores() {
        start();
        QStringList messages;
        const QStringList seen = command(2, "EmanetVer1", [&](TK_EmanetF* e) {
            e->IloWinButton1()->click();
            QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral("Ali/Veli?"));
            e->IloWinButton1()->click();
            messages = env->prompter.take();
            QTest::keyClicks(e->VerilmeTarihi()->lineEdit(), QStringLiteral("11.12.2026"));
            // A return date half typed is no empty one.
            QTest::keyClicks(e->TeslimTarihi()->lineEdit(), QStringLiteral("2012"));
            e->IloWinButton1()->click();
            messages += env->prompter.take();
            QCOMPARE(e->focusWidget(), e->TeslimTarihi()->lineEdit());
            e->TeslimTarihi()->clear();
            QTest::keyClicks(e->EditAciklama(), QStringLiteral("iki \"disk\"/kutu?*:<>\\|"));
            e->IloWinButton1()->click();
        });
        QCOMPARE(seen, L({"Emanet Ver", "Yeni", "", "", "", ""}));
        QCOMPARE(messages,
                 L({"Bilgi: Emanet verilenin adını girmediniz...",
                    "Bilgi: Verilme tarihini girmediniz...",
                    "Bilgi: Tarih eksik ya da hatalı girilmiş. Tarihi gg.aa.yyyy biçiminde "
                    "giriniz..."}));
        // The description dropped what it never takes; the name kept it.
        QVERIFY(env->lendingFile().find("ARSIV=Yeni\r\nVERILENIADI=Ali/Veli?\r\n"
                                        "VERILMETARIHI=46367\r\nTESLIMTARIHI=0\r\n"
                                        "ACIKLAMA=iki diskkutu\r\n") != std::string::npos);
        QCOMPARE(icons(), L({"26:Klasor", "28:Odunc", "30:Yeni"}));
        QCOMPARE(env->main->Label8()->text(), QStringLiteral("Film"));
        QCOMPARE(env->main->ListView1()->selectedRow(), -1);
    }

    void theFieldsFollowEachOtherInTabOrder() {
        start();
        QStringList order;
        command(2, "EmanetVer1", [&](TK_EmanetF* e) {
            for (int i = 0; i < 5; ++i) {
                QWidget* w = e->focusWidget();
                if (!w)
                    return;
                order << (w->objectName() == QStringLiteral("Edit")
                              ? w->parentWidget()->objectName()
                              : w->objectName());
                QTest::keyClick(w, Qt::Key_Tab);
            }
        });
        QCOMPARE(order, L({"EditEmanetAdi", "VerilmeTarihi", "TeslimTarihi", "EditAciklama",
                           "IloWinButton1"}));
    }

    void takingBackShowsTheRecordAndDeletesIt() {
        start();
        // The return date typed at lending is shown, and an edited name changes nothing.
        test::writeFile(env->data / "EMANET.DB",
                        "[RecNo1]\r\nARSIV=odunc\r\n[RecNo2]\r\nARSIV=Odunc\r\nVERILENIADI=Can\r\n"
                        "VERILMETARIHI=46000\r\nTESLIMTARIHI=46010\r\nACIKLAMA=kutu\r\n");
        env->main->catalogue.reloadLending();
        const QStringList seen = command(1, "TeslimAl1", [](TK_EmanetF* e) {
            QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral(" Baska"));
            e->IloWinButton1()->click();
        });
        QCOMPARE(seen, L({"Teslim Al", "Odunc", "Can", "09.12.2025", "19.12.2025", "kutu"}));
        QCOMPARE(env->lendingFile(), std::string("[RecNo1]\r\nARSIV=odunc\r\nVERILENIADI=\r\n"
                                                 "VERILMETARIHI=\r\nTESLIMTARIHI=\r\n"
                                                 "ACIKLAMA=\r\n"));
        QCOMPARE(icons(), L({"26:Klasor", "29:Odunc", "27:Yeni"}));
    }

    void closingWritesNothing() {
        start();
        const std::string before = env->lendingFile();
        for (const char* menu : {"EmanetVer1", "TeslimAl1"}) {
            const int row = std::string(menu) == "EmanetVer1" ? 2 : 1;
            command(row, menu, [](TK_EmanetF* e) {
                QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral("Ali"));
                QTest::keyClicks(e->VerilmeTarihi()->lineEdit(), QStringLiteral("11.12.2026"));
                QTest::keyClick(e, Qt::Key_Escape);
            });
            QCOMPARE(env->lendingFile(), before);
            command(row, menu, [](TK_EmanetF* e) { e->IloWinButton2()->click(); });
            QCOMPARE(env->lendingFile(), before);
        }
        QCOMPARE(icons(), L({"26:Klasor", "28:Odunc", "27:Yeni"}));
    }

    void aFailedWriteKeepsTheWindowOpenAndStoresNothing() {
        start();
        // The lending file cannot be replaced: its last step fails.
        platform::setWriteFault([](platform::WriteStep step, const std::filesystem::path& p) {
            return step == platform::WriteStep::Rename && p.filename() == "EMANET.DB";
        });
        const std::string before = test::readFile(env->data / "EMANET.DB");
        const QStringList iconsBefore = icons();
        bool stillOpen = false;
        command(2, "EmanetVer1", [&](TK_EmanetF* e) {
            const int records = e->Emenet_Rx.recordCount();
            QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral("Ali"));
            QTest::keyClicks(e->VerilmeTarihi()->lineEdit(), QStringLiteral("11.12.2026"));
            e->IloWinButton1()->click();
            stillOpen = e->isVisible();
            QCOMPARE(e->Emenet_Rx.recordCount(), records);
        });
        platform::setWriteFault({});
        QVERIFY(stillOpen);
        const QStringList messages = env->prompter.take();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("Hata: Unable to write to ")));
        QCOMPARE(icons(), iconsBefore);
        QCOMPARE(test::readFile(env->data / "EMANET.DB"), before);
    }
};

QTEST_MAIN(TK_EmanetFTest)
#include "TK_EmanetFTest.moc"
