#include "capture/TK_YeniArsivF.h"

#include "AccessSteps.h"
#include "CaptureFixture.h"
#include "ListSteps.h"
#include "WindowTestEnv.h"
#include "app/MainListModel.h"
#include "app/TAnaF.h"
#include "platform/FileSystem.h"
#include "store/Catalogue.h"
#include "widgets/TDateEdit.h"
#include "widgets/TDirectoryEdit.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace kartavel;
using gui::TK_YeniArsivF;

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// Types the text key by key, with letters beyond Latin-1 too.
void type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

} // namespace

class TK_YeniArsivFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestEnv> env;
    std::unique_ptr<test::TempDir> src;
    std::unique_ptr<store::Catalogue> catalogue;
    std::unique_ptr<TK_YeniArsivF> window;

    void open() {
        window = std::make_unique<TK_YeniArsivF>(*catalogue);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // The fields of a registration that passes every check.
    void fill(const QString& name) {
        window->DirectoryEdit1()->setText(QString::fromStdString(src->path().string()));
        window->EditADI()->setText(name);
    }
    bool noContentFiles() const {
        for (const auto& e : std::filesystem::directory_iterator(env->data))
            if (e.path().extension() == ".ADS")
                return false;
        return true;
    }
    // Nothing but the folder itself: no content file, no register, no leftover
    // temporary file.
    bool dataFolderEmpty() const { return std::filesystem::is_empty(env->data); }
    void focus(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
    }

private Q_SLOTS:
    void init() {
        env = std::make_unique<test::WindowTestEnv>();
        src = std::make_unique<test::TempDir>();
        test::makeTree(src->path(), {"a/f1.txt", "a/b/g.txt", "Ağaç.txt", "boş/"});
        catalogue = std::make_unique<store::Catalogue>();
        catalogue->open();
    }
    void cleanup() {
        window.reset();
        catalogue.reset();
        src.reset();
        QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        env.reset();
    }

    // The opening steps run once: showing the window again (as restoring it from
    // the task bar does) keeps the typed date and the focus.
    void theOpeningRunsOnce() {
        open();
        window->RxDateEdit1()->setDate(QDate(2020, 1, 1));
        focus(window->EditADI());
        window->hide();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->RxDateEdit1()->date(), std::optional<QDate>(QDate(2020, 1, 1)));
        QCOMPARE(window->focusWidget(), window->EditADI());
    }

    // A group picked with the mouse; Esc on the open list closes the list only, and
    // the next Esc the window.
    void aGroupIsPickedWithTheMouseAndEscClosesTheListFirst() {
        test::writeFile(env->data / "GRUB.DB",
                        "[RecNo1]\r\nGRUBU=Muzik\r\n[RecNo2]\r\nGRUBU=Film\r\n");
        open();
        fill(u("Yedek"));
        focus(window->ComboGRUP());
        test::openListWithMouse(window->ComboGRUP());
        test::clickListRow(window->ComboGRUP(), 1);
        QCOMPARE(window->ComboGRUP()->currentText(), QStringLiteral("Film"));
        test::openListWithMouse(window->ComboGRUP());
        QTest::keyClick(window->ComboGRUP()->view(), Qt::Key_Escape);
        QTRY_VERIFY(!window->ComboGRUP()->view()->isVisible());
        QVERIFY(window->isVisible());
        QCOMPARE(window->EditADI()->text(), u("Yedek"));
        QCOMPARE(window->ComboGRUP()->currentText(), QStringLiteral("Film"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
    }

    // Digits alone fill the day, the month and the year, as a masked date field does.
    void aDateIsTypedAsDigits() {
        open();
        QLineEdit* date = window->RxDateEdit1()->lineEdit();
        const struct {
            QString typed, shown;
            bool finished;
        } cases[] = {
            {QStringLiteral("01012010"), QStringLiteral("01.01.2010"), true},
            {QStringLiteral("01.01.2010"), QStringLiteral("01.01.2010"), true},
            {QStringLiteral("1.2.2024"), QStringLiteral("1.2.2024"), true},
            {QStringLiteral("0101201099"), QStringLiteral("01.01.2010"), true}, // no more room
            {QStringLiteral("0101"), QStringLiteral("01.01"), false},
            {QStringLiteral("31022024"), QStringLiteral("31.02.2024"), false}, // no such day
            {QStringLiteral("ab"), QString(), true},
        };
        for (const auto& c : cases) {
            window->RxDateEdit1()->clear();
            QTest::keyClicks(date, c.typed);
            QCOMPARE(date->text(), c.shown);
            QCOMPARE(window->RxDateEdit1()->unfinished(), !c.finished);
        }
        // Backspace takes digits away one by one, the dots with them.
        window->RxDateEdit1()->clear();
        QTest::keyClicks(date, QStringLiteral("010"));
        QTest::keyClick(date, Qt::Key_Backspace);
        QTest::keyClick(date, Qt::Key_Backspace);
        QCOMPARE(date->text(), QStringLiteral("01"));
    }

    void opensOnTodayAsADvdWithTheGroupButtonShown() {
        open();
        QCOMPARE(window->RxDateEdit1()->date(), std::optional<QDate>(QDate::currentDate()));
        QCOMPARE(window->RadioGroup1()->checkedId(), 0);
        QVERIFY(window->IloWinButton4()->isVisible());
        QVERIFY(!window->ILOProgress1()->isVisible());
        QCOMPARE(window->ILOProgress1()->statement(), u("Lütfen Bekleyiniz."));
        QVERIFY(window->DirectoryEdit1()->lineEdit()->hasFocus());

        // The date can be typed, cleared and picked again from the calendar.
        window->RxDateEdit1()->clear();
        QTest::keyClicks(window->RxDateEdit1()->lineEdit(), QStringLiteral("1.2.2024x"));
        QCOMPARE(window->RxDateEdit1()->date(), std::optional<QDate>(QDate(2024, 2, 1)));
        window->RxDateEdit1()->clear();
        QCOMPARE(window->RxDateEdit1()->date(), std::nullopt);
        QTest::keyClick(window->RxDateEdit1()->lineEdit(), Qt::Key_F4);
        QCalendarWidget* calendar = window->RxDateEdit1()->calendar();
        QVERIFY(calendar);
        calendar->setSelectedDate(QDate(2024, 2, 1));
        QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_Return);
        QCOMPARE(window->RxDateEdit1()->date(), std::optional<QDate>(QDate(2024, 2, 1)));
        QVERIFY(!window->RxDateEdit1()->calendar());
    }

    void theChecksRunInOrderAndWriteNothing() {
        catalogue->KayitOrj_T.append();
        catalogue->KayitOrj_T.setString("ARSIV_ADI", "Işık");
        catalogue->KayitOrj_T.post();
        const QString missing = QString::fromStdString((src->path() / "yok").string());
        const struct {
            std::function<void(TK_YeniArsivF&)> change;
            QString message;
        } cases[] = {
            {[](auto& w) { w.DirectoryEdit1()->setText({}), w.EditADI()->clear(); },
             u("Arşive Alınacak Yolu belirleyiniz...")},
            {[](auto& w) { w.RxDateEdit1()->clear(), w.EditADI()->clear(); },
             u("Kayıt Tarihini giriniz...")},
            {[](auto& w) { w.RxDateEdit1()->lineEdit()->setText(QStringLiteral("31.02.2024")); },
             u("Kayıt Tarihini giriniz...")},
            {[](auto& w) { w.EditADI()->clear(); }, u("Arşiv Adını Giriniz...")},
            {[&](auto& w) { w.DirectoryEdit1()->setText(missing); },
             missing + u("\r\n Arşiv yolu bulunamadı...")},
            {[](auto& w) { w.EditADI()->setText(u("IŞIK")); },
             u("IŞIK adında arşiv daha önceden kaydedilmiş...")},
            {[](auto& w) { w.EditADI()->setText(u("ışık")); },
             u("ışık adında arşiv daha önceden kaydedilmiş...")},
        };
        open();
        for (const auto& c : cases) {
            fill(u("Yeni"));
            window->RxDateEdit1()->setDate(QDate::currentDate());
            c.change(*window);
            window->IloWinButton1()->click();
            QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: ") + c.message});
        }
        QVERIFY(dataFolderEmpty());
        QCOMPARE(catalogue->KayitOrj_T.recordCount(), 1);
    }

    void registersAFolderByteForByte() {
        open();
        window->DirectoryEdit1()->setText(QString::fromStdString(src->path().string()) +
                                          QStringLiteral("/"));
        QTest::keyClicks(window->EditOKOD(), QStringLiteral("K-1"));
        window->RxDateEdit1()->clear();
        QTest::keyClicks(window->RxDateEdit1()->lineEdit(), QStringLiteral("01.02.2024"));
        type(window->EditADI(), u("Yedek Ağaç"));
        window->ComboGRUP()->setEditText(QString(35, QLatin1Char('G')));
        window->ComboALT_GRUP()->setEditText(QStringLiteral("Vergi"));
        window->RadioGroup1()->button(2)->click();
        focus(window->IloWinButton1());
        QTest::keyClick(window->IloWinButton1(), Qt::Key_Return);
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Kayıt İşlem Tamamlandı...")});

        // The outline from the root down to the folder, then what lies in it, in
        // code page 1254.
        std::string expected;
        int depth = 0;
        auto line = [&](int d, const std::string& name) {
            expected.append(static_cast<std::size_t>(d), '\t').append(name).append("\r\n");
        };
        line(0, "/");
        for (const auto& part : src->path().relative_path())
            line(++depth, part.string());
        line(depth + 1, "a");
        line(depth + 2, "b");
        line(depth + 3, "g.txt");
        line(depth + 2, "f1.txt");
        line(depth + 1, "A\xF0"
                        "a\xE7.txt");
        QCOMPARE(test::readFile(env->data / "Yedek Ağaç.ADS"), expected);
        QCOMPARE(test::readFile(env->data / "ARSIV_Y.DB"),
                 test::registerFileText({}) +
                     *text::encodeCp1254(test::crlfLines(
                         {"[RecNo1]", "TARIHI=45323", "OZEL_KODU=K-1", "ARSIV_ADI=Yedek Ağaç",
                          "KODU=1", "CDDVD=2", "GRUBU=" + std::string(30, 'G'), "ALTGRUB=Vergi"})));

        // The window is back to editing with its fields as they were, and the same
        // name is now refused.
        QVERIFY(!window->ILOProgress1()->isVisible());
        QVERIFY(window->GroupBox1()->isEnabled() && window->IloWinButton1()->isEnabled());
        QVERIFY(window->Kapat()->isEnabled());
        QVERIFY2(window->IloWinButton1()->hasFocus(), "Enter must not fall on \"Kapat\"");
        QCOMPARE(window->EditADI()->text(), u("Yedek Ağaç"));
        window->IloWinButton1()->click();
        QCOMPARE(env->prompter.take(),
                 QStringList{u("Bilgi: Yedek Ağaç adında arşiv daha önceden kaydedilmiş...")});
    }

    void theNameFieldDropsWhatAFileNameCannotHold() {
        open();
        type(window->EditADI(), u("a\"b*c/d:e<f>g?h\\i|jāk"));
        QCOMPARE(window->EditADI()->text(), QStringLiteral("abcdefghijk"));
        window->EditADI()->clear();
        QTest::keyClicks(window->EditADI(), QString(45, QLatin1Char('x')));
        QCOMPARE(window->EditADI()->text().size(), 40);
        // The other fields keep only what the register's code page holds.
        type(window->EditOKOD(), u("*Ğā"));
        QCOMPARE(window->EditOKOD()->text(), u("*Ğ"));
    }

    // A name the field can hold (it drops separators) that would name no file of the
    // data folder, a device, or lose its blank in the register is refused by the
    // catalogue's own checks, and nothing is written.
    void namesThatNameNoFileOfTheDataFolderAreRefused() {
        const QString noFile = u(" adı dosya adı olarak kullanılamaz...");
        const QString blank = u("Arşiv Adı alanının başında ya da sonunda boşluk olamaz...");
        const struct {
            QString name;
            QString message;
        } cases[] = {
            {QStringLiteral(".."), QStringLiteral("..") + noFile},
            {QStringLiteral("."), QStringLiteral(".") + noFile},
            {QStringLiteral("CON"), QStringLiteral("CON") + noFile},
            {QStringLiteral("com1"), QStringLiteral("com1") + noFile},
            {QStringLiteral("Yedek "), blank},
            {u("'Tek Tırnak'"), u("Arşiv Adı tırnak işaretleri arasında olamaz...")},
        };
        open();
        for (const auto& c : cases) {
            fill(c.name);
            window->IloWinButton1()->click();
            QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: ") + c.message});
        }
        QVERIFY(dataFolderEmpty());
        QCOMPARE(catalogue->KayitOrj_T.recordCount(), 0);
    }

    void theGroupListsAreReadAgainOnEachFocus() {
        const auto table = [](std::initializer_list<std::string_view> lines) {
            return *text::encodeCp1254(test::crlfLines(lines));
        };
        test::writeFile(env->data / "GRUB.DB",
                        table({"[RecNo1]", "GRUBU=Müzik", "[RecNo2]", "GRUBU=Film"}));
        test::writeFile(
            env->data / "ALTGRUB.DB",
            table({"[RecNo1]", "ANAGRUP=Müzik", "ALTGRUP=Rock", "[RecNo2]", "ANAGRUP=Film",
                   "ALTGRUP=Dram", "[RecNo3]", "ANAGRUP=Müzik", "ALTGRUP=Pop"}));
        open();
        auto items = [](QComboBox* c) {
            QStringList out;
            for (int i = 0; i < c->count(); ++i)
                out << c->itemText(i);
            return out;
        };
        QComboBox* group = window->ComboGRUP();
        QComboBox* sub = window->ComboALT_GRUP();
        QCOMPARE(items(group), (QStringList{u("Müzik"), u("Film")}));

        // A group added meanwhile appears; what was typed stays.
        focus(window->EditOKOD());
        group->setEditText(QStringLiteral("Yeni"));
        test::writeFile(env->data / "GRUB.DB", table({"[RecNo1]", "GRUBU=Müzik", "[RecNo2]",
                                                      "GRUBU=Film", "[RecNo3]", "GRUBU=Oyun"}));
        focus(group);
        QCOMPARE(items(group), (QStringList{u("Müzik"), u("Film"), u("Oyun")}));
        QCOMPARE(group->currentText(), QStringLiteral("Yeni"));

        // The sub-groups are those of the group in the field.
        group->setEditText(u("Müzik"));
        focus(sub);
        QCOMPARE(items(sub), (QStringList{QStringLiteral("Rock"), QStringLiteral("Pop")}));
        sub->setEditText(QStringLiteral("Rock"));

        // Typing a group keeps the sub-group; picking one from the list clears it.
        focus(group);
        QTest::keyClicks(group, QStringLiteral("x"));
        QCOMPARE(sub->currentText(), QStringLiteral("Rock"));
        group->setCurrentIndex(1);
        Q_EMIT group->activated(1);
        QCOMPARE(sub->currentText(), QString());
        QCOMPARE(group->currentText(), QStringLiteral("Film"));

        // With no group, the sub-group list is empty and its text is cleared.
        sub->setEditText(QStringLiteral("Dram"));
        group->setEditText(QString());
        focus(sub);
        QCOMPARE(items(sub), QStringList());
        QCOMPARE(sub->currentText(), QString());
    }

    void theVolumeButtonLeavesTheNameWhenNoLabelIsRead() {
        open();
        window->EditADI()->setText(QStringLiteral("Eski"));
        window->IloWinButton3()->click(); // empty path: nothing
        QCOMPARE(window->EditADI()->text(), QStringLiteral("Eski"));
        // A temporary folder's file system carries no label here.
        window->DirectoryEdit1()->setText(QString::fromStdString(src->path().string()));
        window->IloWinButton3()->click();
        QCOMPARE(window->EditADI()->text(), QStringLiteral("Eski"));
    }

    void aFailedWriteShowsTheErrorAndLeavesNothing() {
        open();
        fill(QStringLiteral("Yedek"));
        {
            test::FileSizeLimit full(16); // the content file needs more
            window->IloWinButton1()->click();
        }
        const QStringList messages = env->prompter.take();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(u("Hata: Unable to write to ")), qPrintable(messages[0]));
        QVERIFY(dataFolderEmpty());
        QCOMPARE(catalogue->KayitOrj_T.recordCount(), 0);
        QVERIFY(!window->registering());
        QVERIFY(window->GroupBox1()->isEnabled() && window->IloWinButton1()->isEnabled());
        QVERIFY(window->IloWinButton2()->isEnabled() && window->Kapat()->isEnabled());
        QVERIFY(!window->ILOProgress1()->isVisible());
    }

    void closingDuringTheScanStopsItAndWritesNothing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("Esc") << true;
    }
    void closingDuringTheScanStopsItAndWritesNothing() {
        QFETCH(bool, escape);
        open();
        fill(QStringLiteral("Yedek"));
        bool seen = false;
        // Runs at the scan's first pass of pending events.
        QTimer::singleShot(0, window.get(), [&] {
            seen = true;
            QVERIFY(window->registering());
            QVERIFY(!window->GroupBox1()->isEnabled());
            QVERIFY(!window->IloWinButton1()->isEnabled());
            QVERIFY(!window->IloWinButton2()->isEnabled());
            QVERIFY(!window->Kapat()->isEnabled());
            QStatusBar* bar = window->StatusBar1();
            QVERIFY(window->ILOProgress1()->isVisible());
            QCOMPARE(window->ILOProgress1()->geometry(),
                     QRect(2, 2, bar->width() - 4, bar->height() - 4));
            if (escape)
                QTest::keyClick(window.get(), Qt::Key_Escape);
            else
                window->close();
            QVERIFY2(window->isVisible(), "the window waits for the scan to stop");
        });
        window->IloWinButton1()->click();
        QVERIFY(seen);
        QVERIFY(!window->isVisible());
        QVERIFY(dataFolderEmpty());
        QCOMPARE(catalogue->KayitOrj_T.recordCount(), 0);
        QCOMPARE(env->prompter.take(), QStringList());
    }

    void theMainWindowListsTheNewArchiveAfterwards() {
        catalogue.reset();
        const auto mainWindow = test::startMainWindow(env->prompter);
        QVERIFY(mainWindow);
        gui::TAnaF& main = *mainWindow;
        QVERIFY(main.button(1)->isVisible());
        QCOMPARE(main.listModel()->rowCount(), 0);
        bool driven = false;
        gui::setModalDriver([&](QDialog* d) {
            auto* w = qobject_cast<TK_YeniArsivF*>(d);
            QVERIFY(w);
            QCOMPARE(gui::K_YeniArsivF, w);
            w->DirectoryEdit1()->setText(QString::fromStdString(src->path().string()));
            w->EditADI()->setText(QStringLiteral("Yedek"));
            w->ComboGRUP()->setEditText(QStringLiteral("Belgeler"));
            w->IloWinButton1()->click();
            QCOMPARE(main.catalogue.KayitOrj_T.recordCount(), 1);
            w->IloWinButton2()->click();
            driven = true;
        });
        main.button(1)->click();
        QVERIFY(driven);
        QVERIFY(!gui::K_YeniArsivF);
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Kayıt İşlem Tamamlandı...")});
        QCOMPARE(main.listModel()->rowCount(), 1);
        QCOMPARE(QString::fromStdString(main.listModel()->item(0)->caption), u("Belgeler"));
        env->prompter.answers.push_back(true);
        main.close();
        QCOMPARE(env->prompter.take(),
                 QStringList{QStringLiteral("Soru: Programdan çıkmak istiyormusunuz ?")});
    }
};

QTEST_MAIN(TK_YeniArsivFTest)
#include "TK_YeniArsivFTest.moc"
