#include "capture/TK_ArsivBilgiF.h"

#include "AccessSteps.h"
#include "CaptureFixture.h"
#include "WindowTestEnv.h"
#include "app/ModalForms.h"
#include "app/TAnaF.h"
#include "app/TListView.h"
#include "capture/ArsivAktar.h"
#include "capture/TK_GoruntuleF.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace kartavel;
using gui::TK_ArsivBilgiF;

// "Arşiv Bilgileri", opened from the main list's pop-up menu and from the viewer's.
class TK_ArsivBilgiFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestEnv> env;
    std::unique_ptr<test::TempDir> src;

    // What the window shows, read when it opens; then it is closed with Esc.
    struct Seen {
        QMap<QString, QString> values;
        QStringList largest;
        bool noDetails = false;
    };
    void capture(Seen& seen, int& opened) {
        gui::setModalDriver([&seen, &opened](QDialog* d) {
            auto* w = qobject_cast<TK_ArsivBilgiF*>(d);
            QVERIFY(w);
            QCOMPARE(gui::K_ArsivBilgiF, w);
            for (const auto* lines : {&w->information().record, &w->information().scan})
                for (const auto& line : *lines)
                    seen.values[QString::fromStdString(line.label)] =
                        w->valueOf(QString::fromStdString(line.label));
            auto* m = w->largestFiles()->model();
            for (int r = 0; r < m->rowCount(); ++r)
                seen.largest << m->index(r, 0).data().toString() + QLatin1Char(' ') +
                                    m->index(r, 1).data().toString();
            seen.noDetails = !w->noDetails()->isHidden();
            ++opened;
            QTest::keyClick(w, Qt::Key_Escape);
        });
    }

private Q_SLOTS:
    void init() {
        env = std::make_unique<test::WindowTestEnv>();
        src = std::make_unique<test::TempDir>();
        test::makeTree(src->path(), {"a/küçük.txt", "a/b/orta.txt", "büyük.iso", "boş.txt"});
        test::writeFile(src->path() / "a/küçük.txt", std::string(100, 'k'));
        test::writeFile(src->path() / "a/b/orta.txt", std::string(2048, 'o'));
        test::writeFile(src->path() / "büyük.iso", std::string(1572864, 'b'));
        QVERIFY(capture::ArsivAktar(test::scanRoot(*src), "Arsiv", capture::noProgress(),
                                    capture::noProgress())
                    .written);
        test::writeFile(env->data / "ARSIV_Y.DB",
                        test::registerFileText({{"Arsiv", "G", "S", "1", "K-7"}}));
    }
    void cleanup() {
        gui::setModalDriver({});
        src.reset();
        QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        QCOMPARE(env->prompter.messages, QStringList());
        env.reset();
    }

    void theMainListsMenuShowsTheSelectedArchive() {
        const auto mainWindow = test::startMainWindow(env->prompter);
        QVERIFY(mainWindow);
        gui::TAnaF& main = *mainWindow;
        auto dbl = [&](int row) {
            main.ListView1()->selectRow(row);
            QTest::keyClick(main.ListView1()->currentView(), Qt::Key_Return);
        };
        QAction* item = main.menuItem(QStringLiteral("ArsivBilgileri1"));
        QVERIFY(item);
        main.PopupMenu1Popup();
        QVERIFY(!item->isEnabled()); // a group is no archive
        dbl(0);                      // G
        dbl(0);                      // S
        main.ListView1()->selectRow(0);
        main.ListView1Click(0);
        main.PopupMenu1Popup();
        QVERIFY(item->isEnabled());
        Seen seen;
        int opened = 0;
        capture(seen, opened);
        item->trigger();
        QCOMPARE(opened, 1);
        QVERIFY(!gui::K_ArsivBilgiF);
        QCOMPARE(seen.values.value(QStringLiteral("Arşiv Adı")), QStringLiteral("Arsiv"));
        QCOMPARE(seen.values.value(QStringLiteral("Özel Kodu")), QStringLiteral("K-7"));
        QCOMPARE(seen.values.value(QStringLiteral("Kayıt Tarihi")), QStringLiteral("2026-12-10"));
        QCOMPARE(seen.values.value(QStringLiteral("Grubu")), QStringLiteral("G"));
        QCOMPARE(seen.values.value(QStringLiteral("Ortam")), QStringLiteral("Cd"));
        QCOMPARE(seen.values.value(QStringLiteral("Taranan Klasör")),
                 QString::fromStdString(test::scanRoot(*src)));
        QCOMPARE(seen.values.value(QStringLiteral("Dosya Sayısı")), QStringLiteral("4"));
        QCOMPARE(seen.values.value(QStringLiteral("Klasör Sayısı")), QStringLiteral("2"));
        QCOMPARE(seen.values.value(QStringLiteral("Toplam Boyut")),
                 QStringLiteral("1,5 MB (1.575.012 bayt)"));
        QCOMPARE(seen.values.value(QStringLiteral("Tarama Zamanı")).size(), 19);
        QVERIFY(!seen.values.value(QStringLiteral("Dosya Sistemi")).isEmpty());
        const QString root = QString::fromStdString(test::scanRoot(*src));
        QCOMPARE(seen.largest,
                 (QStringList{QStringLiteral("1,5 MB ") + root + QStringLiteral("/büyük.iso"),
                              QStringLiteral("2,0 KB ") + root + QStringLiteral("/a/b/orta.txt"),
                              QStringLiteral("100 bayt ") + root + QStringLiteral("/a/küçük.txt"),
                              QStringLiteral("0 bayt ") + root + QStringLiteral("/boş.txt")}));
        QVERIFY(!seen.noDetails);

        // Its content file gone: the view rule's message, and no window.
        std::filesystem::remove(env->data / "Arsiv.ADS");
        item->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(env->prompter.take(), QStringList{QStringLiteral(
                                           "Bilgi: Arşiv Dosyası bulunamıyor. Silinmiş olabilir")});
        env->prompter.answers.push_back(true);
        main.close();
        env->prompter.take();
    }

    void theViewersMenuShowsItsArchiveWithoutDetailsToo() {
        std::filesystem::remove(env->data / "Arsiv.ADT");
        auto load = capture::loadArchive(env->data / "Arsiv.ADS");
        QVERIFY(!load.details);
        gui::TK_GoruntuleF viewer(std::move(load.load.tree), QStringLiteral("G\\S"), nullptr,
                                  std::nullopt, "Arsiv");
        Seen seen;
        int opened = 0;
        capture(seen, opened);
        QAction* item = viewer.PopupMenu1()->findChild<QAction*>(QStringLiteral("ArsivBilgileri1"));
        QVERIFY(item);
        item->trigger();
        QCOMPARE(opened, 1);
        QVERIFY(seen.noDetails);
        QCOMPARE(seen.values.value(QStringLiteral("Arşiv Adı")), QStringLiteral("Arsiv"));
        QCOMPARE(seen.values.value(QStringLiteral("Dosya Sayısı")), QStringLiteral("4"));
        QCOMPARE(seen.values.value(QStringLiteral("Toplam Boyut")), QString());
        QCOMPARE(seen.values.value(QStringLiteral("Taranan Klasör")), QString());
        QCOMPARE(seen.largest, QStringList());
    }
};

QTEST_MAIN(TK_ArsivBilgiFTest)
#include "TK_ArsivBilgiFTest.moc"
