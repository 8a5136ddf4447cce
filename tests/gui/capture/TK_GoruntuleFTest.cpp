#include "capture/TK_GoruntuleF.h"

#include "AccessSteps.h"
#include "CaptureFixture.h"
#include "WindowTestEnv.h"
#include "app/MainListModel.h"
#include "app/TAnaF.h"
#include "app/TListView.h"
#include "capture/ArchiveTreeModel.h"
#include "capture/ArsivAktar.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace kartavel;
using gui::TK_GoruntuleF;

class TK_GoruntuleFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::WindowTestEnv> env;
    std::unique_ptr<test::TempDir> src;
    std::unique_ptr<TK_GoruntuleF> viewer;
    std::string top; // the scanned folder

    // The archive of the scanned folder, as the new-archive window writes it.
    void registerSource(const char* name) {
        QVERIFY(
            capture::ArsivAktar(top, name, capture::noProgress(), capture::noProgress()).written);
    }
    void open(const char* name = "Arsiv") {
        auto load = capture::loadContentFile(env->data / (std::string(name) + ".ADS"));
        QVERIFY(load.ok());
        viewer = std::make_unique<TK_GoruntuleF>(std::move(load.tree), QStringLiteral("G\\S"));
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
    }
    std::size_t node(const std::string& path) const {
        const auto& t = viewer->tree();
        for (std::size_t i = 0; i < t.size(); ++i)
            if (t.TracePath(i) == path)
                return i;
        qFatal("no node %s", path.c_str());
    }
    // A click (and with `twice` a double-click) on a tree node, its folders opened
    // first as the user would.
    void clickTree(const std::string& path, bool twice = false) {
        QTreeView* tree = viewer->TreeView1();
        const QModelIndex index = viewer->treeModel()->indexOf(node(path));
        for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
            tree->expand(p);
        tree->scrollTo(index);
        const QPoint at = tree->visualRect(index).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList entries() const {
        QStringList out;
        auto* m = viewer->ListViewDISK()->currentView()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString() + QLatin1Char(':') +
                       QString::number(gui::ArchiveTreeModel::nodeImage(
                           viewer->tree(), viewer->ListNodes()[static_cast<std::size_t>(r)]));
        return out;
    }
    void dblClickEntry(const QString& caption) {
        const int row = static_cast<int>(entries().indexOf(
            QRegularExpression(QRegularExpression::escape(caption) + QStringLiteral(":\\d"))));
        QVERIFY2(row >= 0, qPrintable(caption));
        QAbstractItemView* view = viewer->ListViewDISK()->currentView();
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    void keyInList(Qt::Key key) { QTest::keyClick(viewer->ListViewDISK()->currentView(), key); }
    QString konum() const { return viewer->LabelKONUM()->text(); }
    QString sayi() const { return viewer->LabelSAYI()->text(); }
    bool geri() const { return viewer->IloWinButton12()->isEnabled(); }
    QString path(const std::string& below) const {
        return QString::fromStdString(below.empty() ? top : top + "/" + below);
    }

private Q_SLOTS:
    void init() {
        env = std::make_unique<test::WindowTestEnv>();
        src = std::make_unique<test::TempDir>();
        top = test::scanRoot(*src);
        test::makeTree(src->path(), {"a/f1.txt", "a/b/g.txt", "h.txt"});
        registerSource("Arsiv");
    }
    void cleanup() {
        viewer.reset();
        src.reset();
        QVERIFY2(env->leftovers().isEmpty(), qPrintable(env->leftovers()));
        QCOMPARE(env->prompter.messages, QStringList());
        QCOMPARE(env->shell.calls, QStringList());
        env.reset();
    }

    void opensWithTheTreeAndNothingListed() {
        open();
        QVERIFY(viewer->windowState() & Qt::WindowMaximized);
        QCOMPARE(viewer->Label2()->text(), QStringLiteral("G\\S"));
        QCOMPARE(konum(), QStringLiteral("..."));
        QCOMPARE(sayi(), QStringLiteral(".."));
        QVERIFY(!geri());
        QCOMPARE(entries(), QStringList());
        const auto& t = viewer->tree();
        QCOMPARE(gui::ArchiveTreeModel::nodeImage(t, 0), 0);
        QCOMPARE(gui::ArchiveTreeModel::nodeImage(t, node(top + "/a")), 1);
        QCOMPARE(gui::ArchiveTreeModel::nodeImage(t, node(top + "/h.txt")), 2);
        // The model shows every node under its parent, with its picture.
        QTreeView* tree = viewer->TreeView1();
        QVERIFY(tree->isExpanded(viewer->treeModel()->indexOf(0)));
        const QModelIndex b = viewer->treeModel()->indexOf(node(top + "/a/b"));
        QCOMPARE(b.data().toString(), QStringLiteral("b"));
        QCOMPARE(b.parent().data().toString(), QStringLiteral("a"));
        QCOMPARE(viewer->treeModel()->rowCount(b.parent()), 2);
        QVERIFY(!b.data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    void listsFromTheTreeAndFromTheList() {
        open();
        clickTree(top);
        QCOMPARE(entries(), (QStringList{QStringLiteral("a:1"), QStringLiteral("h.txt:2")}));
        QCOMPARE(konum(), path(""));
        QCOMPARE(sayi(), QString::fromUtf8("Liste Sayısı :  2"));
        QVERIFY(geri());
        QVERIFY(!viewer->ILOProgress1()->isVisible());

        clickTree(top + "/h.txt"); // a file node: nothing changes
        QCOMPARE(konum(), path(""));
        QCOMPARE(entries().size(), 2);

        dblClickEntry(QStringLiteral("a"));
        QCOMPARE(viewer->selectedNode(), std::optional<std::size_t>(node(top + "/a")));
        QCOMPARE(entries(), (QStringList{QStringLiteral("b:1"), QStringLiteral("f1.txt:2")}));
        QCOMPARE(konum(), path("a"));

        viewer->ListViewDISK()->selectRow(0);
        keyInList(Qt::Key_Return);
        QCOMPARE(entries(), QStringList{QStringLiteral("g.txt:2")});
        QCOMPARE(konum(), path("a/b"));

        dblClickEntry(QStringLiteral("g.txt"));
        QCOMPARE(env->shell.take(), QStringList{QStringLiteral("OPEN ") + path("a/b/g.txt")});

        keyInList(Qt::Key_Backspace); // "Geri"
        QCOMPARE(konum(), path("a"));
        QCOMPARE(viewer->selectedNode(), std::optional<std::size_t>(node(top + "/a")));
    }

    void geriClimbsToTheArchiveItself() {
        open();
        const std::string level1 = "/" + (++src->path().begin())->string();
        clickTree(level1);
        QCOMPARE(konum(), QString::fromStdString(level1));
        viewer->IloWinButton12()->click();
        QCOMPARE(viewer->selectedNode(), std::optional<std::size_t>(0));
        QCOMPARE(entries(), QStringList{QString::fromStdString(level1.substr(1) + ":1")});
        QCOMPARE(konum(), QStringLiteral("/"));
        QVERIFY(geri());

        viewer->IloWinButton12()->click();
        QCOMPARE(entries(), QStringList{QStringLiteral("/:0")});
        QCOMPARE(konum(), QStringLiteral("/"));
        QCOMPARE(sayi(), QString::fromUtf8("Liste Sayısı :  1"));
        QVERIFY(!geri());
        keyInList(Qt::Key_Backspace); // "Geri" is disabled: nothing
        QCOMPARE(entries(), QStringList{QStringLiteral("/:0")});

        dblClickEntry(QStringLiteral("/"));
        QCOMPARE(entries().size(), 1);
        QCOMPARE(entries()[0], QString::fromStdString(level1.substr(1) + ":1"));
        QVERIFY(geri());
    }

    void opensNodesOnTheMediumOrSaysWhy() {
        open();
        // "Arşivden Aç" opens a file node's folder, and a folder or the root itself.
        clickTree(top + "/a/b/g.txt");
        viewer->IloWinButton2()->click();
        clickTree(top + "/a");
        viewer->IloWinButton2()->click();
        clickTree("/");
        viewer->IloWinButton2()->click();
        QCOMPARE(env->shell.take(),
                 (QStringList{QStringLiteral("OPEN ") + path("a/b/"),
                              QStringLiteral("OPEN ") + path("a"), QStringLiteral("OPEN /")}));

        // A file double-clicked in the tree opens at its own place, whatever folder
        // was listed last.
        clickTree(top + "/a/b");
        clickTree(top + "/h.txt", true);
        QCOMPARE(env->shell.take(), QStringList{QStringLiteral("OPEN ") + path("h.txt")});
        QCOMPARE(konum(), path("a/b"));

        // The medium no longer holds them.
        std::filesystem::remove_all(src->path() / "a");
        std::filesystem::remove(src->path() / "h.txt");
        clickTree(top + "/h.txt", true);
        clickTree(top);
        dblClickEntry(QStringLiteral("h.txt"));
        clickTree(top + "/a");
        viewer->IloWinButton2()->click();
        QCOMPARE(env->prompter.take(),
                 (QStringList{QString::fromUtf8("Bilgi: Program Çalıştırılamadı..."),
                              QString::fromUtf8("Bilgi: Program Çalıştırılamadı..."),
                              QString::fromUtf8("Bilgi: Seçili Klasör açılamadı...")}));
        QCOMPARE(konum(), path("a"));
        QCOMPARE(env->shell.take(), QStringList());
    }

    void anEmptyArchiveOffersNothingToDo() {
        test::TempDir empty;
        top = test::scanRoot(empty);
        registerSource("Bos");
        open("Bos");
        QCOMPARE(viewer->tree().size(), 0u);
        QCOMPARE(viewer->treeModel()->rowCount(), 0);
        viewer->IloWinButton12()->click();
        viewer->IloWinButton2()->click();
        keyInList(Qt::Key_Return);
        QCOMPARE(konum(), QStringLiteral("..."));
        QVERIFY(!geri());
    }

    // With details the report view shows each entry's size (bytes on hover), time and
    // type; a click on a header sorts by it and a second reverses, the entries still
    // standing for their nodes; the status line tells the listed folder's counts and
    // size. Without details it says so.
    void theReportViewShowsAndSortsTheDetails() {
        test::writeFile(src->path() / "a/f1.txt", std::string(3000, 'x'));
        test::writeFile(src->path() / "a/b/g.txt", std::string(10, 'y'));
        test::writeFile(src->path() / "h.txt", std::string(1572864, 'z'));
        test::setLastWriteTime(src->path() / "h.txt", 1781049600);
        registerSource("Ayrinti");
        auto load = capture::loadArchive(env->data / "Ayrinti.ADS");
        QVERIFY(load.details);
        viewer = std::make_unique<TK_GoruntuleF>(std::move(load.load.tree), QStringLiteral("G\\S"),
                                                 nullptr, std::move(load.details), "Ayrinti");
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QCOMPARE(viewer->LabelAYRINTI()->text(), QString());
        clickTree(top);
        QCOMPARE(viewer->LabelAYRINTI()->text(), QStringLiteral("1 dosya, 1 klasör, 1,5 MB"));

        QAction* report = viewer->findChild<QAction*>(QStringLiteral("Ayrntlar1"));
        QVERIFY(report);
        report->trigger();
        QCOMPARE(viewer->ListViewDISK()->viewStyle(), gui::TListView::ViewStyle::Report);
        QTableView* table = viewer->ListViewDISK()->reportView();
        auto* m = table->model();
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Boyut"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Değiştirilme Tarihi"));
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Tür"));
        const auto row = [&](int r) {
            QStringList cells;
            for (int c = 0; c < 4; ++c)
                cells << m->index(r, c).data().toString();
            return cells.join(QLatin1Char('|'));
        };
        const QString when = QString::fromStdString(capture::localTimeText(1781049600));
        QCOMPARE(row(0), QStringLiteral("a|2,9 KB||Klasör"));
        QCOMPARE(row(1), QStringLiteral("h.txt|1,5 MB|") + when + QStringLiteral("|TXT"));
        QCOMPARE(m->index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("1.572.864 bayt"));
        QCOMPARE(m->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("3.010 bayt"));

        // Clicks on the "Boyut" header: smallest first, then largest first.
        QHeaderView* header = table->horizontalHeader();
        const auto clickHeader = [&](int section) {
            const QPoint at(header->sectionViewportPosition(section) +
                                header->sectionSize(section) / 2,
                            header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        };
        clickHeader(1);
        QCOMPARE(entries(), (QStringList{QStringLiteral("a:1"), QStringLiteral("h.txt:2")}));
        clickHeader(1);
        QCOMPARE(entries(), (QStringList{QStringLiteral("h.txt:2"), QStringLiteral("a:1")}));
        // The folder opened from the sorted list is the one clicked, listed in the same order.
        dblClickEntry(QStringLiteral("a"));
        QCOMPARE(konum(), path("a"));
        QCOMPARE(entries(), (QStringList{QStringLiteral("f1.txt:2"), QStringLiteral("b:1")}));
        QCOMPARE(viewer->LabelAYRINTI()->text(), QStringLiteral("1 dosya, 1 klasör, 2,9 KB"));
        clickHeader(0);
        QCOMPARE(entries(), (QStringList{QStringLiteral("b:1"), QStringLiteral("f1.txt:2")}));
        clickHeader(3); // type: folders first
        QCOMPARE(entries(), (QStringList{QStringLiteral("b:1"), QStringLiteral("f1.txt:2")}));
        clickHeader(3);
        QCOMPARE(entries(), (QStringList{QStringLiteral("f1.txt:2"), QStringLiteral("b:1")}));

        // The same archive without its details file: empty columns, and the status says so.
        std::filesystem::remove(env->data / "Ayrinti.ADT");
        viewer.reset();
        open("Ayrinti");
        QCOMPARE(viewer->LabelAYRINTI()->text(), QStringLiteral("Ayrıntı bilgisi yok"));
        clickTree(top);
        QCOMPARE(viewer->LabelAYRINTI()->text(),
                 QStringLiteral("1 dosya, 1 klasör - Ayrıntı bilgisi yok"));
        viewer->findChild<QAction*>(QStringLiteral("Ayrntlar1"))->trigger();
        auto* bare = viewer->ListViewDISK()->reportView()->model();
        QCOMPARE(bare->index(1, 1).data().toString(), QString());
        QCOMPARE(bare->index(1, 2).data().toString(), QString());
        QCOMPARE(bare->index(1, 3).data().toString(), QStringLiteral("TXT"));
    }

    void theMainWindowOpensTheSelectedArchive() {
        test::writeFile(env->data / "Hasar.ADS", "D:\r\n\t\tx\r\n");
        test::writeFile(
            env->data / "ARSIV_Y.DB",
            test::registerFileText({{"Arsiv", "G", "S", "0", ""}, {"Hasar", "G", "S", "0", ""}}));
        const auto mainWindow = test::startMainWindow(env->prompter);
        QVERIFY(mainWindow);
        gui::TAnaF& main = *mainWindow;
        QVERIFY(main.button(2)->isVisible());
        auto dbl = [&](int row) {
            main.ListView1()->selectRow(row);
            QTest::keyClick(main.ListView1()->currentView(), Qt::Key_Return);
        };
        dbl(0); // G
        dbl(0); // S
        int shown = 0;
        gui::setModalDriver([&](QDialog* d) {
            auto* v = qobject_cast<TK_GoruntuleF*>(d);
            QVERIFY(v);
            QCOMPARE(gui::K_GoruntuleF, v);
            QCOMPARE(v->Label2()->text(), QStringLiteral("G\\S"));
            QVERIFY(v->tree().size() > 3);
            QTest::keyClick(v, Qt::Key_Escape);
            ++shown;
        });
        main.ListView1()->selectRow(0);
        main.button(2)->click(); // "Görüntüle"
        dbl(0);                  // a double-click on the archive
        QCOMPARE(shown, 2);
        QVERIFY(!gui::K_GoruntuleF);

        dbl(1);
        QCOMPARE(env->prompter.take(),
                 QStringList{QStringLiteral("Hata: Invalid level (2) for item \"x\"")});
        QCOMPARE(shown, 2);
        env->prompter.answers.push_back(true);
        main.close();
        QCOMPARE(env->prompter.take(),
                 QStringList{QStringLiteral("Soru: Programdan çıkmak istiyormusunuz ?")});
    }
};

QTEST_MAIN(TK_GoruntuleFTest)
#include "TK_GoruntuleFTest.moc"
