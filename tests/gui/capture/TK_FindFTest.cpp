#include "capture/TK_FindF.h"

#include "AccessSteps.h"
#include "WindowTestEnv.h"
#include "app/TAnaF.h"
#include "app/TK_YardimF.h"
#include "app/TListView.h"
#include "capture/ArchiveDetails.h"
#include "capture/SearchResultModel.h"
#include "capture/TK_GoruntuleF.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <memory>
#include <vector>

using namespace kartavel;
using gui::TK_FindF;

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// An archive of drive D: as the catalogue stores it.
constexpr const char* kDisk = "D:\r\n"
                              "\tBelgeler\r\n"
                              "\t\trapor.txt\r\n"
                              "\t\tİNDEX.HTM\r\n"
                              "\tındex.htm\r\n"
                              "\tINDEX.HTM\r\n"
                              "\tResimler\r\n"
                              "\t\tIŞIK.jpg\r\n";

} // namespace

class TK_FindFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestEnv> env;
    capture::ArchiveTree disk;
    std::unique_ptr<TK_FindF> owned;
    TK_FindF* window = nullptr; // the window the helpers work on

    void open(int scope) {
        owned = std::make_unique<TK_FindF>(scope, &disk);
        window = owned.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    QTreeView* shownList() const {
        return window->SearchScope() == 1 ? window->ListView2() : window->ListView1();
    }
    // The rows, their columns joined by "|".
    QStringList rows() const {
        QStringList out;
        auto* m = shownList()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            // The name and path columns; the size and date at the end are read apart.
            for (int c = 0; c < m->columnCount() - 2; ++c)
                cells << m->index(r, c).data().toString();
            out << cells.join(u'|');
        }
        return out;
    }
    void search(const QString& text, bool whole = false, bool cases = false) {
        window->EditKLM()->setText(text);
        window->CheckTAM()->setChecked(whole);
        window->CheckBY()->setChecked(cases);
        window->IloWinButton1()->click();
    }
    QString count() const { return window->countPanel()->text(); }

private Q_SLOTS:
    void init() {
        env = std::make_unique<test::WindowTestEnv>();
        auto load = capture::parseContentFile(*text::encodeCp1254(kDisk));
        QVERIFY(load.ok());
        disk = std::move(load.tree);
    }
    void cleanup() {
        owned.reset();
        window = nullptr;
        QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        QCOMPARE(env->prompter.messages, QStringList());
        QCOMPARE(env->shell.calls, QStringList());
        env.reset();
    }

    void theActiveArchiveScopeShowsItsOwnList() {
        open(2);
        QCOMPARE(window->Label1()->text(), u("Aktif Arşivde Ara"));
        QVERIFY(window->ListView1()->isVisible() && !window->ListView2()->isVisible());
        QCOMPARE(window->ListView1()->model()->headerData(0, Qt::Horizontal).toString(),
                 u("Dosya Adı"));
        QCOMPARE(window->ListView1()->columnWidth(0), 137);
        QVERIFY(window->ListView1()->columnWidth(1) >= 350); // "Konum" takes the rest
        QVERIFY(window->EditKLM()->hasFocus());
        QVERIFY(!window->ILOProgressDT()->isVisible() && !window->ILOProgressMAS()->isVisible());
    }

    void findsNamesByTheTwoOptions() {
        const struct {
            const char* text;
            bool whole, cases;
            QStringList found;
        } cases[] = {
            {".htm",
             false,
             false,
             {u("İNDEX.HTM|D:\\Belgeler\\İNDEX.HTM"), u("ındex.htm|D:\\ındex.htm"),
              u("INDEX.HTM|D:\\INDEX.HTM")}},
            {".htm",
             false,
             true,
             {u("İNDEX.HTM|D:\\Belgeler\\İNDEX.HTM"), u("ındex.htm|D:\\ındex.htm"),
              u("INDEX.HTM|D:\\INDEX.HTM")}},
            {"index", false, false, {u("İNDEX.HTM|D:\\Belgeler\\İNDEX.HTM")}},
            {"ındex.htm",
             true,
             false,
             {u("ındex.htm|D:\\ındex.htm"), u("INDEX.HTM|D:\\INDEX.HTM")}},
            {"INDEX.HTM", true, true, {u("INDEX.HTM|D:\\INDEX.HTM")}},
            {"ışık.JPG", true, false, {u("IŞIK.jpg|D:\\Resimler\\IŞIK.jpg")}},
            {"D:", true, true, {u("D:|D:")}},
        };
        open(2);
        for (const auto& c : cases) {
            search(u(c.text), c.whole, c.cases);
            QCOMPARE(rows(), c.found);
            QCOMPARE(count(), QString::number(c.found.size()));
            QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Arama tamamlandı.")});
            QVERIFY(!window->ILOProgressDT()->isVisible());
        }
        search(QStringLiteral("yok"));
        QCOMPARE(rows(), QStringList());
        QCOMPARE(count(), QStringLiteral("0"));
        QCOMPARE(env->prompter.take(),
                 QStringList{u("Bilgi: Arama tamamlandı.\r\nAranan kelime bulunamadı...")});
    }

    void enterSearchesFromTheFieldAndTheCheckBoxes() {
        open(2);
        QTest::keyClick(window->EditKLM(), Qt::Key_Return);
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Aranacak Kelimeyi girin.")});
        QVERIFY(window->EditKLM()->hasFocus());
        window->EditKLM()->setText(QStringLiteral("rapor"));
        for (QWidget* w :
             {static_cast<QWidget*>(window->EditKLM()), static_cast<QWidget*>(window->CheckBY()),
              static_cast<QWidget*>(window->CheckTAM())}) {
            QTest::keyClick(w, Qt::Key_Enter);
            QCOMPARE(rows(), QStringList{u("rapor.txt|D:\\Belgeler\\rapor.txt")});
            QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Arama tamamlandı.")});
        }
    }

    void durdurStopsAfterTheCurrentNodeAndKeepsItsRows() {
        open(2);
        // Runs at the search's first pass of pending events, after the root.
        QTimer::singleShot(0, window, [&] {
            QVERIFY(window->searching());
            QVERIFY(window->ILOProgressDT()->isVisible());
            // A second search cannot start while this one runs.
            QVERIFY(!window->IloWinButton1()->isEnabled());
            QTest::keyClick(window->EditKLM(), Qt::Key_Return);
            window->IloWinButton3()->click();
        });
        search(QStringLiteral("D"));
        QCOMPARE(rows(), QStringList{u("D:|D:")});
        QCOMPARE(count(), QStringLiteral("1"));
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Arama Durduruldu.")});
        QVERIFY(window->IloWinButton1()->isEnabled());

        QTimer::singleShot(0, window, [&] { window->IloWinButton3()->click(); });
        search(QStringLiteral("rapor"));
        QCOMPARE(rows(), QStringList());
        QCOMPARE(env->prompter.take(),
                 QStringList{u("Bilgi: Arama Durduruldu.\r\nAranan kelime bulunamadı...")});
    }

    void closingDuringASearchSaysSoThenCloses_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Kapat") << false;
        QTest::newRow("Esc") << true;
    }
    void closingDuringASearchSaysSoThenCloses() {
        QFETCH(bool, escape);
        open(2);
        QTimer::singleShot(0, window, [&] {
            if (escape)
                QTest::keyClick(window->EditKLM(), Qt::Key_Escape);
            else
                window->IloWinButton2()->click();
            QVERIFY(window->isVisible());
        });
        search(QStringLiteral("rapor"));
        QCOMPARE(window->StopRequest, 2);
        QCOMPARE(env->prompter.take(),
                 QStringList{u("Bilgi: Arama Durduruldu.\r\nAranan kelime bulunamadı...")});
        QVERIFY(!window->isVisible());
    }

    void aResultOpensItsFolderInTheFileManager() {
        test::TempDir medium;
        const std::string root = medium.path().string();
        std::filesystem::create_directories(medium.path() / "Belgeler");
        auto load = capture::parseContentFile("/\r\n\t" + root.substr(1) + "\r\n\t\tBelgeler\r\n" +
                                              "\t\t\trapor.txt\r\n\t\tyok\r\n\t\t\trapor.doc\r\n");
        QVERIFY(load.ok());
        disk = std::move(load.tree);
        open(2);
        search(QStringLiteral("rapor"));
        env->prompter.take();
        QTreeView* list = window->ListView1();
        auto dbl = [&](int row) {
            const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        };
        dbl(0);
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(env->shell.take(),
                 QStringList(2, QStringLiteral("EXPLORE ") + QString::fromStdString(root) +
                                    QStringLiteral("/Belgeler/")));
        dbl(1); // its folder is not on the medium
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Seçili klasör açılamadı...")});
    }

    void questionMarkOpensTheSearchHelp() {
        open(2);
        bool helped = false;
        gui::setModalDriver([&](QDialog* d) {
            QVERIFY(qobject_cast<gui::TK_YardimF*>(d));
            QTest::keyClick(d, Qt::Key_Escape);
            helped = true;
        });
        window->IloWinButton4()->click();
        QVERIFY(helped);
        QVERIFY(window->isVisible());
    }

    void allArchivesOfTheMainWindowsPlace() {
        test::writeFile(env->data / "A.ADS", *text::encodeCp1254(kDisk));
        test::writeFile(env->data / "B.ADS", "E:\r\n\trapor.doc\r\n");
        // B has details: its row ends with the file's size and time.
        test::writeFile(env->data / "B.ADT",
                        capture::detailsFileBytes(capture::fingerprintOf("E:\r\n\trapor.doc\r\n"),
                                                  {}, {{5120, 1781049600, capture::facts::Known}},
                                                  {capture::kNoFile, 0}));
        test::writeFile(env->data / "C.ADS", "F:\r\n\trapor.pdf\r\n");
        test::writeFile(env->data / "ARSIV_Y.DB",
                        test::registerFileText({{"A", "G", "S", "0", ""},
                                                {"Yok", "G", "S", "0", ""},
                                                {"B", "G", "S", "1", ""},
                                                {"C", "H", "", "0", ""}}));
        const auto mainWindow = test::startMainWindow(env->prompter);
        QVERIFY(mainWindow);
        gui::TAnaF& main = *mainWindow;
        QVERIFY(main.button(5)->isVisible());
        struct Run {
            QString heading, location;
            QStringList rows;
            QString count;
            int scope;
            QStringList details;
        } seen;
        gui::setModalDriver([&](QDialog* d) {
            auto* f = qobject_cast<TK_FindF*>(d);
            QVERIFY(f);
            QCOMPARE(gui::K_FindF, f);
            window = f;
            search(QStringLiteral("rapor"));
            seen = {
                f->Label1()->text(), f->Label4()->text(), rows(), count(), main.SearchScope, {}};
            auto* m = f->ListView2()->model();
            QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), u("Boyut"));
            QCOMPARE(m->headerData(4, Qt::Horizontal).toString(), u("Değiştirilme Tarihi"));
            for (int r = 0; r < m->rowCount(); ++r)
                seen.details << m->index(r, 3).data().toString() + u("|") +
                                    m->index(r, 4).data().toString();
            QVERIFY(f->ListView2()->isVisible() && !f->ListView1()->isVisible());
            QVERIFY(!f->ILOProgressMAS()->isVisible());
            QTest::keyClick(f, Qt::Key_Escape);
        });
        auto dbl = [&](int row) {
            main.ListView1()->selectRow(row);
            QTest::keyClick(main.ListView1()->currentView(), Qt::Key_Return);
        };

        main.button(5)->click(); // at the top level: every archive
        QCOMPARE(seen.heading, u("Tüm Arşivlerde Ara"));
        QCOMPARE(seen.location, QStringLiteral("..."));
        QCOMPARE(seen.scope, 1);
        QCOMPARE(seen.rows,
                 (QStringList{u("A|rapor.txt|D:\\Belgeler\\rapor.txt"),
                              u("B|rapor.doc|E:\\rapor.doc"), u("C|rapor.pdf|F:\\rapor.pdf")}));
        QCOMPARE(seen.count, QStringLiteral("3"));
        QCOMPARE(
            seen.details,
            (QStringList{u("|"),
                         u("5,0 KB|") + QString::fromStdString(capture::localTimeText(1781049600)),
                         u("|")}));

        dbl(0); // G
        dbl(0); // S
        main.button(5)->click();
        QCOMPARE(seen.location, QStringLiteral("G\\S"));
        QCOMPARE(seen.rows, (QStringList{u("A|rapor.txt|D:\\Belgeler\\rapor.txt"),
                                         u("B|rapor.doc|E:\\rapor.doc")}));
        QCOMPARE(env->prompter.take(), QStringList(2, u("Bilgi: Arama tamamlandı.")));
        QVERIFY(!gui::K_FindF);
        env->prompter.answers.push_back(true);
        main.close();
        QCOMPARE(env->prompter.take(),
                 QStringList{QStringLiteral("Soru: Programdan çıkmak istiyormusunuz ?")});
    }

    void theActiveArchiveListEndsWithTheDetails() {
        const std::string bytes = *text::encodeCp1254(kDisk);
        std::vector<capture::FileFacts> files = {{2048, 0, capture::facts::Known},
                                                 {7, 0, capture::facts::Known}};
        std::vector<std::uint32_t> owners(disk.size(), capture::kNoFile);
        owners[2] = 0; // rapor.txt
        owners[3] = 1; // İNDEX.HTM
        const auto details = capture::parseDetailsFile(
            capture::detailsFileBytes(capture::fingerprintOf(bytes), {}, files, owners), bytes,
            disk);
        QVERIFY(details);
        owned = std::make_unique<TK_FindF>(2, &disk, nullptr, &*details);
        window = owned.get();
        window->show();
        search(QStringLiteral("e"));
        env->prompter.take();
        auto* m = window->ListView1()->model();
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), u("Boyut"));
        QStringList sizes;
        for (int r = 0; r < m->rowCount(); ++r)
            sizes << m->index(r, 0).data().toString() + u("=") + m->index(r, 2).data().toString();
        // A folder shows the sum of its files, a file without facts nothing.
        QCOMPARE(sizes, (QStringList{u("Belgeler=2,0 KB"), u("İNDEX.HTM=7 bayt"), u("ındex.htm="),
                                     u("INDEX.HTM="), u("Resimler=0 bayt")}));
        QCOMPARE(m->index(0, 2).data(Qt::ToolTipRole).toString(), u("2.055 bayt"));
    }

    void theViewerSearchesItsOwnArchive() {
        auto load = capture::parseContentFile(*text::encodeCp1254(kDisk));
        test::StartGate gate(env->prompter);
        gui::TAnaF main;
        gate.passed(main);
        if (QTest::currentTestFailed())
            return;
        gui::TK_GoruntuleF viewer(std::move(load.tree), QString());
        viewer.show();
        QStringList found;
        gui::setModalDriver([&](QDialog* d) {
            auto* f = qobject_cast<TK_FindF*>(d);
            QVERIFY(f);
            QCOMPARE(f->SearchScope(), 2);
            QCOMPARE(main.SearchScope, 2);
            f->EditKLM()->setText(QStringLiteral("ışık"));
            f->IloWinButton1()->click();
            for (int r = 0; r < f->results()->rowCount(); ++r)
                found << f->results()->index(r, 1).data().toString();
            f->close();
        });
        viewer.IloWinButton5()->click();
        QCOMPARE(found, QStringList{u("D:\\Resimler\\IŞIK.jpg")});
        QCOMPARE(env->prompter.take(), QStringList{u("Bilgi: Arama tamamlandı.")});
    }
};

QTEST_MAIN(TK_FindFTest)
#include "TK_FindFTest.moc"
