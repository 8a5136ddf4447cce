#include "register/TF_ArsivF.h"
#include "RegisterWindowEnv.h"
#include "app/MainListModel.h"
#include "app/TListView.h"
#include "browse/Navigation.h"
#include "capture/TK_GoruntuleF.h"
#include "register/RegisterListModel.h"
#include "register/TK_EmanetF.h"
#include "widgets/TDateEdit.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

using namespace kartavel;
using namespace Qt::StringLiterals;
using gui::TF_ArsivF;
using test::Archive;
using test::L;

namespace {

// Listed by date: Klasor (no date), Tek, Arşiv, Yedek and Odunc (one day, register
// order), DVDARŞİV. Odunc is lent.
const std::vector<Archive> kArchives = {
    {"Yedek", "Muzik", "Pop", "0", "K-2", 46366},  {"Arşiv", "Muzik", "", "1", "k-1", 46300},
    {"DVDARŞİV", "Muzik", "Caz", "0", "A", 46400}, {"Klasor", "Film", "", "2", "", std::nullopt},
    {"Odunc", "Film", "", "1", "B", 46366},        {"Tek", "", "", "0", "C", 46000},
};

// "27:Yedek", ... for the register window's list.
QStringList rows(const TF_ArsivF& w) {
    QStringList out;
    for (int r = 0; r < w.listModel()->rowCount(); ++r)
        out << QString::number(w.listModel()->row(r)->icon) + u':' +
                   QString::fromStdString(w.listModel()->row(r)->caption);
    return out;
}

int rowOf(const TF_ArsivF& w, const QString& caption) {
    for (int r = 0; r < w.listModel()->rowCount(); ++r)
        if (QString::fromStdString(w.listModel()->row(r)->caption) == caption)
            return r;
    return -1;
}

} // namespace

class TF_ArsivFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RegisterWindowEnv> env;
    std::unique_ptr<TF_ArsivF> window;

    void start(const std::vector<Archive>& archives = kArchives,
               const std::vector<std::string>& lent = {"Odunc"}) {
        env = std::make_unique<test::RegisterWindowEnv>(archives, lent);
        test::writeFile(
            env->data / "GRUB.DB",
            "[RecNo1]\r\nGRUBU=Muzik\r\n[RecNo2]\r\nGRUBU=Film\r\n[RecNo3]\r\nGRUBU=Bos\r\n");
        test::writeFile(env->data / "ALTGRUB.DB",
                        "[RecNo1]\r\nANAGRUP=Muzik\r\nALTGRUP=Pop\r\n[RecNo2]\r\nANAGRUP=Film\r\n"
                        "ALTGRUP=Yerli\r\n[RecNo3]\r\nANAGRUP=Muzik\r\nALTGRUP=Caz\r\n");
        open();
    }
    void open() {
        window = std::make_unique<TF_ArsivF>(*env->main);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void key(int k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(k), m);
    }
    void select(const QString& caption) {
        const int r = rowOf(*window, caption);
        QVERIFY2(r >= 0, qPrintable(caption));
        window->ListView1()->selectRow(r);
    }
    void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // Whether the field is drawn in a red frame.
    static bool framedInRed(QWidget* w) {
        const QImage shot = w->grab().toImage();
        const QColor edge = shot.pixelColor(1, shot.height() / 2);
        return edge.red() > 200 && edge.green() < 80 && edge.blue() < 80;
    }
    QString mainSelection() const {
        const auto* item = env->main->listModel()->item(env->main->ListView1()->selectedRow());
        return item ? QString::fromStdString(item->caption) : QString();
    }

private Q_SLOTS:
    void cleanup() {
        window.reset();
        if (env)
            QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        env.reset();
    }

    void theMainWindowOpensItOverTheWholeRegister() {
        start();
        window.reset();
        // What the window showed while it was open; checked once it has closed.
        bool isReference = false, maximised = false, focused = false;
        QString title;
        QStringList shown, columns, groups;
        gui::setModalDriver([&](QDialog* d) {
            auto* w = static_cast<TF_ArsivF*>(d);
            isReference = w == gui::F_ArsivF;
            maximised = w->windowState() & Qt::WindowMaximized;
            focused = w->focusWidget() == w->EditARADI();
            title = w->windowTitle();
            shown = rows(*w);
            shown << w->countPanel()->text();
            for (int r : {0, 1, 2})
                for (int c : {2, 3, 4})
                    columns << w->listModel()
                                   ->data(w->listModel()->index(r, c), Qt::DisplayRole)
                                   .toString();
            for (int i = 0; i < w->DBComboBox1()->count(); ++i)
                groups << w->DBComboBox1()->itemText(i);
            QTest::keyClick(w, Qt::Key_Escape);
        });
        env->main->button(6)->click();
        QVERIFY(isReference);
        QCOMPARE(gui::F_ArsivF, nullptr);
        QVERIFY(maximised);
        QVERIFY(focused);
        QCOMPARE(title, env->main->windowTitle());
        QCOMPARE(shown, L({"26:Klasor", "27:Tek", "29:Arşiv", "27:Yedek", "28:Odunc", "27:DVDARŞİV",
                           "6"}));
        // The date, "Grubu" and "Alt Grubu" of Klasor, Tek and Arşiv.
        QCOMPARE(columns.mid(0, 3), L({"", "Film", "Diger"}));
        QCOMPARE(columns.mid(4, 2), L({"Diger", ""}));
        QCOMPARE(columns.mid(7, 2), L({"Muzik", "Diger"}));
        QVERIFY(!columns[3].isEmpty());
        QCOMPARE(groups, L({"Muzik", "Film", "Bos"}));
    }

    void anEmptyFolderListsNothing() {
        start({}, {});
        QCOMPARE(rows(*window), QStringList());
        QCOMPARE(window->countPanel()->text(), QStringLiteral("0"));
    }

    void filtersByEachCriterionAndTheirCombination() {
        start();
        struct Case {
            const char* what;
            std::function<void()> set;
            QStringList rows;
        };
        auto radio = [](QButtonGroup* g, int id) { return [g, id] { g->button(id)->click(); }; };
        const Case cases[] = {
            {"name, Turkish letters folded",
             [&] { type(window->EditARADI(), QStringLiteral("ar")); },
             L({"29:Arşiv", "27:DVDARŞİV"})},
            {"special code", [&] { type(window->EditOKOD(), QStringLiteral("k-")); },
             L({"29:Arşiv", "27:Yedek"})},
            {"group and sub-group",
             [&] {
                 type(window->DBComboBox1()->lineEdit(), QStringLiteral("Muzik"));
                 type(window->DBComboBox2()->lineEdit(), QStringLiteral("Caz"));
             },
             L({"27:DVDARŞİV"})},
            {"a sub-group of another group",
             [&] {
                 type(window->DBComboBox1()->lineEdit(), QStringLiteral("Film"));
                 type(window->DBComboBox2()->lineEdit(), QStringLiteral("Caz"));
             },
             {}},
            {"the group's stored text, not Diger",
             [&] { type(window->DBComboBox1()->lineEdit(), QStringLiteral("Diger")); },
             {}},
            {"a start date keeps its own day",
             [&] { type(window->DateEdit1()->lineEdit(), QStringLiteral("10.12.2026")); },
             L({"27:Yedek", "28:Odunc", "27:DVDARŞİV"})},
            {"an end date keeps the empty dates",
             [&] { type(window->DateEdit2()->lineEdit(), QStringLiteral("09.10.2026")); },
             L({"26:Klasor", "27:Tek", "29:Arşiv"})},
            {"folders", radio(window->RadioGroup1(), 2), L({"26:Klasor"})},
            {"DVDs, not lent",
             [&] {
                 window->RadioGroup1()->button(0)->click();
                 window->RadioGroup2()->button(1)->click();
             },
             L({"27:Tek", "27:Yedek", "27:DVDARŞİV"})},
            {"lent", radio(window->RadioGroup2(), 0), L({"28:Odunc"})},
            {"by name, reversed",
             [&] {
                 window->RadioSIRA()->button(1)->click();
                 window->CheckSIRA()->setChecked(true);
             },
             L({"27:Yedek", "27:Tek", "28:Odunc", "26:Klasor", "27:DVDARŞİV", "29:Arşiv"})},
            {"by date, reversed: one day's archives in reverse register order",
             [&] { window->CheckSIRA()->setChecked(true); },
             L({"27:DVDARŞİV", "28:Odunc", "27:Yedek", "29:Arşiv", "27:Tek", "26:Klasor"})},
            {"by special code", radio(window->RadioSIRA(), 2),
             L({"26:Klasor", "27:DVDARŞİV", "28:Odunc", "27:Tek", "29:Arşiv", "27:Yedek"})},
        };
        for (const auto& c : cases) {
            // "Hepsi" (F3) clears the texts, dates and medium and lists everything.
            window->RadioGroup2()->button(2)->click();
            window->RadioSIRA()->button(0)->click();
            window->CheckSIRA()->setChecked(false);
            key(Qt::Key_F3);
            QCOMPARE(window->countPanel()->text(), QStringLiteral("6"));
            c.set();
            QCOMPARE(rows(*window).size(), 6); // nothing is filtered while editing
            key(Qt::Key_F2);
            QVERIFY2(rows(*window) == c.rows,
                     qPrintable(QString::fromUtf8(c.what) + QStringLiteral(": ") +
                                rows(*window).join(u' ')));
            QCOMPARE(window->countPanel()->text(), QString::number(c.rows.size()));
        }
    }

    // Digits alone make a date; a date left unfinished is shown as wrong, and the
    // filter refuses it rather than take it for an empty one.
    void anUnfinishedDateIsShownAndRefused() {
        start();
        const QStringList fromTheTenth = L({"27:Yedek", "28:Odunc", "27:DVDARŞİV"});
        QLineEdit* from = window->DateEdit1()->lineEdit();
        type(from, QStringLiteral("10122026"));
        QCOMPARE(from->text(), QStringLiteral("10.12.2026"));
        QVERIFY(!framedInRed(from));
        key(Qt::Key_F2);
        QCOMPARE(rows(*window), fromTheTenth);

        key(Qt::Key_F3);
        type(from, QStringLiteral("1012"));
        QCOMPARE(from->text(), QStringLiteral("10.12"));
        QVERIFY(framedInRed(from));
        window->EditARADI()->setFocus();
        key(Qt::Key_F2);
        QCOMPARE(env->prompter.take(),
                 QStringList{u"Bilgi: Tarih eksik ya da hatalı girilmiş. Tarihi gg.aa.yyyy "
                             u"biçiminde giriniz..."_s});
        QCOMPARE(rows(*window).size(), 6);
        QVERIFY(from->hasFocus());
        from->end(false);
        QTest::keyClicks(from, QStringLiteral("2026"));
        QVERIFY(!framedInRed(from));
        key(Qt::Key_F2);
        QCOMPARE(rows(*window), fromTheTenth);
        QVERIFY(env->prompter.take().isEmpty());
    }

    void clearingKeepsTheLendingChoiceAndTheSort() {
        start();
        type(window->EditARADI(), QStringLiteral("x"));
        type(window->DateEdit1()->lineEdit(), QStringLiteral("01.01.2020"));
        type(window->DBComboBox1()->lineEdit(), QStringLiteral("Film"));
        window->RadioGroup1()->button(1)->click();
        window->RadioGroup2()->button(0)->click();
        window->RadioSIRA()->button(1)->click();
        window->CheckSIRA()->setChecked(true);
        key(Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window->EditARADI()->text(), QString());
        QVERIFY(!window->DateEdit1()->date());
        QCOMPARE(window->DBComboBox1()->currentText(), QString());
        QCOMPARE(window->RadioGroup1()->checkedId(), 3);
        QCOMPARE(window->RadioGroup2()->checkedId(), 0);
        QCOMPARE(window->RadioSIRA()->checkedId(), 1);
        QVERIFY(window->CheckSIRA()->isChecked());
        QCOMPARE(rows(*window).size(), 6); // clearing alone does not filter
        window->IQGrap2()->click();
        QCOMPARE(rows(*window), L({"28:Odunc"}));
    }

    void theSubGroupListFollowsTheGroupAndTheFile() {
        start();
        auto items = [&] {
            QStringList out;
            for (int i = 0; i < window->DBComboBox2()->count(); ++i)
                out << window->DBComboBox2()->itemText(i);
            return out;
        };
        type(window->DBComboBox2()->lineEdit(), QStringLiteral("Eski"));
        window->DBComboBox2Enter();
        QCOMPARE(items(), QStringList());
        QCOMPARE(window->DBComboBox2()->currentText(), QStringLiteral("Eski"));
        window->DBComboBox1()->setEditText(QStringLiteral("Muzik"));
        window->DBComboBox2()->setFocus();
        QTRY_COMPARE(items(), L({"Pop", "Caz"}));
        QCOMPARE(window->DBComboBox2()->currentText(), QStringLiteral("Eski"));
        // A sub-group added meanwhile is offered the next time.
        test::writeFile(env->data / "ALTGRUB.DB", "[RecNo1]\r\nANAGRUP=Muzik\r\nALTGRUP=Rock\r\n");
        window->EditARADI()->setFocus();
        window->DBComboBox2()->setFocus();
        QTRY_COMPARE(items(), L({"Rock"}));
    }

    void locatingLeadsTheMainWindowToEachLevel() {
        struct Case {
            const char* archive;
            int level;
            const char* location;
            QStringList listing;
        };
        const Case cases[] = {
            {"Yedek", 2, "Muzik\\Pop", L({"27:Yedek"})},
            {"Arşiv", 2, "Muzik\\Diger", L({"29:Arşiv"})},
            {"Klasor", 4, "Film", L({"26:Klasor", "28:Odunc"})},
            {"Odunc", 4, "Film", L({"26:Klasor", "28:Odunc"})},
            {"Tek", 3, "Diger", L({"27:Tek"})},
        };
        for (const auto& c : cases) {
            start();
            select(QString::fromUtf8(c.archive));
            window->ToolButton1()->click();
            QVERIFY(!window->isVisible());
            QCOMPARE(env->main->browsing.level, c.level);
            QCOMPARE(env->main->Label8()->text(), QString::fromUtf8(c.location));
            QCOMPARE(test::mainListShown(*env->main), c.listing);
            QCOMPARE(mainSelection(), QString::fromUtf8(c.archive));
            QVERIFY2(env->main->button(2)->isEnabled(), "the archive's commands follow it");
            // "Yukarı" goes on from there.
            QCOMPARE(env->main->button(9)->isEnabled(), true);
            window.reset();
            env.reset();
        }
    }

    void aDoubleClickLocatesTooAndWithoutGroupsTheTopLevelListsAll() {
        start({{"a", "", "", "0"}, {"b", "", "Alt", "1"}}, {});
        const int r = rowOf(*window, QStringLiteral("b"));
        auto* view = window->ListView1()->currentView();
        const QPoint at = view->visualRect(view->model()->index(r, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!window->isVisible());
        QCOMPARE(env->main->browsing.level, 0);
        QCOMPARE(env->main->Label8()->text(), QStringLiteral("..."));
        QCOMPARE(env->main->listModel()->rowCount(), 2);
        QCOMPARE(mainSelection(), QStringLiteral("b"));
    }

    void withoutARowTheCommandsDoNothing() {
        start();
        window->ToolButtonKartAc()->click();
        key(Qt::Key_F8);
        window->ToolButton1()->click();
        QVERIFY(window->isVisible());
        window->PopupMenu1Popup();
        QVERIFY(!window->menuItem(QStringLiteral("EmanetVer1"))->isEnabled());
        QVERIFY(!window->menuItem(QStringLiteral("TeslimAl1"))->isEnabled());
        QVERIFY(env->prompter.messages.isEmpty());
    }

    void openingAnArchiveShowsItsTreeAtItsPlace() {
        start();
        test::writeFile(env->data / "Yedek.ADS", "D:\r\n\tklasor\r\n\t\tdosya.txt\r\n");
        test::writeFile(env->data / "Tek.ADS", "E:\r\n\ta.txt\r\n");
        struct Case {
            const char* archive;
            QString place;
            std::size_t nodes;
        };
        for (const Case& c : {Case{"Yedek", QStringLiteral("Muzik\\Pop"), 3},
                              Case{"Tek", QStringLiteral("Diger\\"), 2}}) {
            select(QString::fromUtf8(c.archive));
            QString place;
            std::size_t nodes = 0;
            gui::setModalDriver([&](QDialog* d) {
                if (auto* v = qobject_cast<gui::TK_GoruntuleF*>(d)) {
                    place = v->Label2()->text();
                    nodes = v->tree().size();
                }
                d->reject();
            });
            window->ToolButtonKartAc()->click();
            QCOMPARE(place, c.place);
            QCOMPARE(nodes, c.nodes);
            QVERIFY(window->isVisible());
        }
        // F8 does the same; a missing content file is reported instead.
        select(QStringLiteral("Arşiv"));
        bool opened = false;
        gui::setModalDriver([&](QDialog* d) {
            opened = true;
            d->reject();
        });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        key(Qt::Key_F8);
        QVERIFY(!opened);
        QCOMPARE(env->prompter.take(), QStringList{QStringLiteral(
                                           "Bilgi: Arşiv Dosyası bulunamıyor. Silinmiş olabilir")});
        QVERIFY(window->isVisible());
    }

    void lendingAndTakingBackChangeTheIconsAtOnce() {
        start();
        // The main window behind shows the archive's sub-group.
        auto& main = *env->main;
        main.showPlace(browse::openPlace(main.catalogue, main.browsing, "Muzik", "Pop").listing,
                       -1);
        QCOMPARE(test::mainListShown(main), L({"27:Yedek"}));
        window->RadioGroup2()->button(1)->click(); // not lent
        key(Qt::Key_F2);
        select(QStringLiteral("Yedek"));
        window->PopupMenu1Popup();
        QVERIFY(window->menuItem(QStringLiteral("EmanetVer1"))->isEnabled());
        QVERIFY(!window->menuItem(QStringLiteral("TeslimAl1"))->isEnabled());

        QStringList seen;
        gui::setModalDriver([&](QDialog* d) {
            auto* e = static_cast<gui::TK_EmanetF*>(d);
            seen << e->Label7()->text() << e->IloWinButton1()->caption();
            QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral("Ali Veli"));
            QTest::keyClicks(e->VerilmeTarihi()->lineEdit(), QStringLiteral("11.12.2026"));
            e->IloWinButton1()->click();
        });
        window->menuItem(QStringLiteral("EmanetVer1"))->trigger();
        QCOMPARE(seen, L({"Yedek", "Emanet Ver"}));
        QVERIFY(env->lendingFile().find("ARSIV=Yedek\r\nVERILENIADI=Ali Veli\r\nVERILMETARIHI="
                                        "46367\r\nTESLIMTARIHI=0\r\n") != std::string::npos);
        // The filter ran again: the lent archive left the "not lent" list.
        QCOMPARE(rows(*window), L({"26:Klasor", "27:Tek", "29:Arşiv", "27:DVDARŞİV"}));
        // The main window lists its place again, so its own menu offers no second
        // lending of the same archive.
        QCOMPARE(test::mainListShown(main), L({"30:Yedek"}));

        window->RadioGroup2()->button(2)->click();
        window->IQGrap1()->click();
        QVERIFY(rows(*window).contains(QStringLiteral("30:Yedek")));
        select(QStringLiteral("Yedek"));
        window->PopupMenu1Popup();
        QVERIFY(!window->menuItem(QStringLiteral("EmanetVer1"))->isEnabled());
        QVERIFY(window->menuItem(QStringLiteral("TeslimAl1"))->isEnabled());
        seen.clear();
        gui::setModalDriver([&](QDialog* d) {
            auto* e = static_cast<gui::TK_EmanetF*>(d);
            seen << e->IloWinButton1()->caption() << e->EditEmanetAdi()->text()
                 << e->VerilmeTarihi()->lineEdit()->text() << e->TeslimTarihi()->lineEdit()->text();
            e->IloWinButton1()->click();
        });
        window->menuItem(QStringLiteral("TeslimAl1"))->trigger();
        QCOMPARE(seen, L({"Teslim Al", "Ali Veli", "11.12.2026", ""}));
        QVERIFY(env->lendingFile().find("Yedek") == std::string::npos);
        QVERIFY(rows(*window).contains(QStringLiteral("27:Yedek")));

        // The commands refuse what they do not take, and open nothing.
        bool opened = false;
        gui::setModalDriver([&](QDialog* d) {
            opened = true;
            d->reject();
        });
        select(QStringLiteral("Odunc"));
        window->EmanetVer1Click();
        select(QStringLiteral("Tek"));
        window->TeslimAl1Click();
        QVERIFY(!opened);
        QCOMPARE(env->prompter.take(), L({"Bilgi: Bu arşiv emanet verilmiştir...",
                                          "Bilgi: Bu arşiv emanet verilmemiştir..."}));
    }

    void closingTheLendingWindowStoresNothingButListsAgain() {
        start();
        const std::string before = env->lendingFile();
        select(QStringLiteral("Tek"));
        gui::setModalDriver([](QDialog* d) {
            auto* e = static_cast<gui::TK_EmanetF*>(d);
            QTest::keyClicks(e->EditEmanetAdi(), QStringLiteral("Ali"));
            QTest::keyClick(e, Qt::Key_Escape);
        });
        window->EmanetVer1Click();
        QCOMPARE(env->lendingFile(), before);
        QCOMPARE(window->ListView1()->selectedRow(), -1); // listed again
    }

    void theSettingsAreKeptInTheDataFolder() {
        start();
        type(window->EditARADI(), QStringLiteral("e"));
        type(window->EditOKOD(), QStringLiteral(" K "));
        type(window->DBComboBox1()->lineEdit(), QStringLiteral("Muzik"));
        type(window->DBComboBox2()->lineEdit(), QStringLiteral("Pop"));
        type(window->DateEdit1()->lineEdit(), QStringLiteral("01.12.2026"));
        window->RadioGroup1()->button(0)->click();
        window->RadioGroup2()->button(1)->click();
        window->RadioSIRA()->button(2)->click();
        window->CheckSIRA()->setChecked(true);
        window->menuItem(QStringLiteral("Liste1"))->trigger();
        QCOMPARE(window->ListView1()->viewStyle(), gui::TListView::ViewStyle::List);
        key(Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        const auto file = env->data / "TF_ArsivFTest.INI";
        QCOMPARE(gui::TF_ArsivF::settingsFile(), file);
        QCOMPARE(test::readFile(file),
                 std::string("[TF_ArsivF]\r\nBuyukSimge1_Checked=False\r\n"
                             "KucukSimge1_Checked=False\r\nListe1_Checked=True\r\n"
                             "Ayrntlar1_Checked=False\r\nEditARADI_Text=e\r\n"
                             "EditOKOD_Text=\" K \"\r\nDBComboBox1_Text=Muzik\r\n"
                             "DBComboBox2_Text=Pop\r\nDateEdit1_Text=01.12.2026\r\n"
                             "DateEdit2_Text=\r\nRadioGroup2_ItemIndex=1\r\n"
                             "RadioGroup1_ItemIndex=0\r\n"));

        // The next window starts with them, and filters by them at once; the sort and
        // the reverse box start afresh.
        open();
        QCOMPARE(window->EditARADI()->text(), QStringLiteral("e"));
        QCOMPARE(window->EditOKOD()->text(), QStringLiteral(" K "));
        QCOMPARE(window->DBComboBox2()->currentText(), QStringLiteral("Pop"));
        QCOMPARE(window->DateEdit1()->lineEdit()->text(), QStringLiteral("01.12.2026"));
        QCOMPARE(window->RadioGroup1()->checkedId(), 0);
        QCOMPARE(window->RadioGroup2()->checkedId(), 1);
        QCOMPARE(window->RadioSIRA()->checkedId(), 0);
        QVERIFY(!window->CheckSIRA()->isChecked());
        QCOMPARE(window->ListView1()->viewStyle(), gui::TListView::ViewStyle::List);
        QCOMPARE(rows(*window), QStringList()); // " K " is in no special code
        type(window->EditOKOD(), QStringLiteral("K"));
        key(Qt::Key_F2);
        QCOMPARE(rows(*window), L({"27:Yedek"}));
    }
};

QTEST_MAIN(TF_ArsivFTest)
#include "TF_ArsivFTest.moc"
