#include "app/TAnaF.h"
#include "AccessSteps.h"
#include "TestPrompter.h"
#include "TestSupport.h"
#include "app/MainListModel.h"
#include "app/TListView.h"
#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "platform/FileSystem.h"
#include "widgets/TAboutF.h"
#include "widgets/TIloWinButton.h"
#include "widgets/TSecretPanel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace kartavel;
using gui::TAnaF;
using gui::TListView;

namespace {

QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items)
        out << QString::fromUtf8(i);
    return out;
}

std::string registerFile(const std::vector<std::array<const char*, 5>>& rows) {
    // name, group, sub-group, CDDVD, special code
    std::string out;
    int n = 0;
    for (const auto& r : rows) {
        ++n;
        out += "[RecNo" + std::to_string(n) + "]\r\nTARIHI=46366\r\nOZEL_KODU=" + r[4] +
               "\r\nARSIV_ADI=" + r[0] + "\r\nKODU=" + std::to_string(n) + "\r\nCDDVD=" + r[3] +
               "\r\nGRUBU=" + r[1] + "\r\nALTGRUB=" + r[2] + "\r\n";
    }
    return out;
}

} // namespace

class TAnaFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;
    std::filesystem::path data;
    std::unique_ptr<test::TestPrompter> prompter;
    std::unique_ptr<TAnaF> window;

    // Starts the program and passes its login, as a user does: on a first start
    // (no "dosya.ini") the password-change window sets the password first.
    void start() {
        window = test::startMainWindow(*prompter);
        QVERIFY(window);
    }
    QStringList captions() const {
        QStringList out;
        auto* m = window->listModel();
        for (int r = 0; r < m->rowCount(); ++r)
            out << QString::number(m->item(r)->icon) + QLatin1Char(':') +
                       QString::fromStdString(m->item(r)->caption);
        return out;
    }
    int rowOf(const QString& caption) const {
        auto* m = window->listModel();
        for (int r = 0; r < m->rowCount(); ++r)
            if (QString::fromStdString(m->item(r)->caption) == caption)
                return r;
        return -1;
    }
    // A mouse click on the row in the current view.
    void click(const QString& caption) {
        const int row = rowOf(caption);
        QVERIFY2(row >= 0, qPrintable(caption));
        auto* view = window->ListView1()->currentView();
        const QRect r = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    void doubleClick(const QString& caption) {
        const int row = rowOf(caption);
        QVERIFY2(row >= 0, qPrintable(caption));
        auto* view = window->ListView1()->currentView();
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    void key(Qt::Key k) { QTest::keyClick(window->ListView1()->currentView(), k); }
    QString location() const { return window->Label8()->text(); }
    QString count() const { return window->countPanel()->text(); }
    bool enabled(int button) const { return window->button(button)->isEnabled(); }
    bool archiveButtonsEnabled() const { return enabled(2) && enabled(4) && enabled(8); }
    bool archiveButtonsDisabled() const { return !enabled(2) && !enabled(4) && !enabled(8); }

private Q_SLOTS:
    void init() {
        dir = std::make_unique<test::TempDir>();
        data = dir->path() / "Data";
        platform::setDataFolder(data);
        prompter = std::make_unique<test::TestPrompter>();
    }
    void cleanup() {
        if (window) {
            window->loggedIn = false;
            window->close();
        }
        window.reset();
        QVERIFY2(prompter->answers.empty(), "an answer was left unused");
        QVERIFY2(prompter->unexpected.isEmpty(), qPrintable(prompter->unexpected.join(u'|')));
        prompter.reset();
        platform::setDataFolder({});
        dir.reset();
    }

    void startsOnAnEmptyFolder() {
        QVERIFY(!std::filesystem::exists(data));
        start();
        QVERIFY(std::filesystem::is_directory(data));
        QCOMPARE(window->windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
        QCOMPARE(window->folderPanel()->text(),
                 QStringLiteral("Veri klasörü: ") + QString::fromStdString(data.string()));
        QCOMPARE(count(), QStringLiteral("0"));
        QCOMPARE(location(), QStringLiteral("..."));
        QVERIFY(!enabled(9));
        QVERIFY(archiveButtonsDisabled());
        // The first tick stops the timer for the password windows and clears the
        // login-due flag.
        QTRY_VERIFY(!window->Timer1()->isActive());
        QVERIFY(!window->loginDue);
        for (const auto& e : std::filesystem::directory_iterator(data))
            QVERIFY2(e.path().extension() != ".DB", e.path().c_str());
        QVERIFY(prompter->messages.isEmpty());
    }

    // "Hakkında" shows the about box with the main window's title and banner and the
    // program's name; Escape closes it.
    void aboutShowsTheProgramsNameAndPictures() {
        start();
        QVERIFY(window->button(7)->isVisible());
        QCOMPARE(window->button(7)->caption(), QStringLiteral("Hakkında"));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<gui::TAboutF*>(QApplication::activeModalWidget());
            QVERIFY(about);
            seen = true;
            QCOMPARE(about->windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
            QCOMPARE(about->RxLabel4()->text(), QStringLiteral("Kartavel s1.06.01"));
            QCOMPARE(about->SecretPanel1()->lines().value(0), QStringLiteral("Kartavel s1.06.01"));
            QCOMPARE(about->statusPanel()->text(), QStringLiteral("TAVRIS Kartavel s1.06.01"));
            QCOMPARE(about->Image3()->pixmap().toImage(), window->bannerPicture().toImage());
            QCOMPARE(about->Image1()->pixmap().size(), QSize(146, 441));
            QCOMPARE(about->SecretPanel2()->lines().constLast(), QStringLiteral("TAVRIS Kartavel"));
            QTest::keyClick(about, Qt::Key_Escape);
        });
        // Should the box stay open, the test fails instead of hanging.
        bool stuck = false;
        QTimer::singleShot(5000, window.get(), [&stuck] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                stuck = true;
                w->hide();
            }
        });
        QTest::mouseClick(window->button(7), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!stuck);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(prompter->messages.isEmpty());
    }

    void walksTheLevels() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB", registerFile({{"p1", "Muzik", "Pop", "0", "K1"},
                                                           {"m0", "Muzik", "", "1", ""},
                                                           {"f1", "Film", "", "2", ""},
                                                           {"n1", "", "", "0", ""}}));
        start();
        QCOMPARE(captions(), L({"24:Muzik", "24:Film", "24:Diger"}));
        QCOMPARE(count(), QStringLiteral("3"));
        QVERIFY(!enabled(9));

        doubleClick(QStringLiteral("Muzik"));
        QCOMPARE(location(), QStringLiteral("Muzik"));
        QCOMPARE(window->browsing.level, 1);
        QCOMPARE(captions(), L({"14:Pop", "14:Diger"}));
        QVERIFY(enabled(9));
        QVERIFY(archiveButtonsDisabled());

        // Enter acts as a double-click.
        click(QStringLiteral("Diger"));
        QVERIFY2(archiveButtonsDisabled(), "a sub-group is no archive");
        key(Qt::Key_Return);
        QCOMPARE(location(), QStringLiteral("Muzik\\Diger"));
        QCOMPARE(window->browsing.level, 2);
        QCOMPARE(captions(), L({"29:m0"}));
        QCOMPARE(count(), QStringLiteral("1"));
        QVERIFY2(archiveButtonsDisabled(), "nothing is selected after a listing");
        click(QStringLiteral("m0"));
        QVERIFY(archiveButtonsEnabled());

        // Backspace acts as "Yukarı".
        key(Qt::Key_Backspace);
        QCOMPARE(window->browsing.level, 1);
        QCOMPARE(location(), QStringLiteral("Muzik"));
        QVERIFY(archiveButtonsDisabled());
        window->button(9)->click();
        QCOMPARE(window->browsing.level, 0);
        QCOMPARE(location(), QString());
        QVERIFY(!enabled(9));
        key(Qt::Key_Backspace); // nothing at level 0
        QCOMPARE(window->browsing.level, 0);
        QCOMPARE(captions().size(), 3);

        doubleClick(QStringLiteral("Film"));
        QCOMPARE(window->browsing.level, 4);
        QCOMPARE(location(), QStringLiteral("Film"));
        QCOMPARE(captions(), L({"26:f1"}));
        window->button(9)->click();
        QCOMPARE(window->browsing.level, 0);

        doubleClick(QStringLiteral("Diger"));
        QCOMPARE(window->browsing.level, 3);
        QCOMPARE(location(), QStringLiteral("Diger"));
        QCOMPARE(captions(), L({"27:n1"}));

        // "İlk Sayfaya Git" from the menu.
        window->PopupMenu1Popup();
        QAction* first = window->menuItem(QStringLiteral("IlkSayfayaGit1"));
        QVERIFY(first->isEnabled());
        first->trigger();
        QCOMPARE(window->browsing.level, 0);
        QCOMPARE(location(), QStringLiteral("..."));
        window->PopupMenu1Popup();
        QVERIFY(!first->isEnabled());
    }

    void enterWithoutSelectionDoesNothing() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB", registerFile({{"a", "G", "", "0", ""}}));
        start();
        key(Qt::Key_Return);
        QCOMPARE(window->browsing.level, 0);
        QCOMPARE(captions(), L({"24:G"}));
    }

    void archiveIconsShowMediumAndLending() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB", registerFile({{"dvd", "", "", "0", ""},
                                                           {"cd", "", "", "1", ""},
                                                           {"klasor", "", "", "2", ""},
                                                           {"eski", "", "", "", ""},
                                                           {"odunc dvd", "", "", "0", ""},
                                                           {"odunc cd", "", "", "1", ""}}));
        test::writeFile(data / "EMANET.DB",
                        "[RecNo1]\r\nARSIV=odunc dvd\r\n[RecNo2]\r\nARSIV=odunc cd\r\n");
        start();
        QCOMPARE(captions(),
                 L({"27:dvd", "29:cd", "26:klasor", "29:eski", "30:odunc dvd", "28:odunc cd"}));
        QVERIFY2(!enabled(9), "archives without groups are the top level");
        const auto index = window->listModel()->index(0, 2);
        QVERIFY(!window->listModel()->data(index, Qt::DisplayRole).toString().isEmpty());
    }

    void deletesOnlyAfterYes() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB",
                        registerFile({{"Yedek", "G", "S", "0", ""}, {"Kalan", "G", "S", "0", ""}}));
        test::writeFile(data / "Yedek.ADS", "D:\r\n");
        const std::string before = test::readFile(data / "ARSIV_Y.DB");
        start();
        doubleClick(QStringLiteral("G"));
        doubleClick(QStringLiteral("S"));
        click(QStringLiteral("Yedek"));

        prompter->answers = {false};
        window->button(4)->click();
        QCOMPARE(prompter->take(),
                 QStringList{QStringLiteral("Soru: Bu Arşivi Silmek istediğinizden eminmisiniz?")});
        QCOMPARE(test::readFile(data / "ARSIV_Y.DB"), before);
        QVERIFY(platform::fileExists(data / "Yedek.ADS"));
        QCOMPARE(captions(), L({"27:Yedek", "27:Kalan"}));

        prompter->answers = {true};
        window->button(4)->click();
        prompter->take();
        QVERIFY(!platform::fileExists(data / "Yedek.ADS"));
        QVERIFY(test::readFile(data / "ARSIV_Y.DB").find("Yedek") == std::string::npos);
        QCOMPARE(captions(), L({"27:Kalan"}));
        QCOMPARE(location(), QStringLiteral("G\\S"));
        QCOMPARE(count(), QStringLiteral("1"));
        QVERIFY(archiveButtonsDisabled());

        // The last archive: the register file goes, and the level lists empty.
        click(QStringLiteral("Kalan"));
        prompter->answers = {true};
        window->button(4)->click();
        prompter->take();
        QVERIFY(!platform::fileExists(data / "ARSIV_Y.DB"));
        QCOMPARE(count(), QStringLiteral("0"));
        window->button(9)->click();
        QCOMPARE(window->browsing.level, 0);
    }

    void viewReportsAMissingContentFile() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB", registerFile({{"Yok", "", "", "0", ""}}));
        start();
        doubleClick(QStringLiteral("Yok"));
        QCOMPARE(prompter->take(), QStringList{QStringLiteral(
                                       "Bilgi: Arşiv Dosyası bulunamıyor. Silinmiş olabilir")});
    }

    void viewModesAreStoredInAnaFIni() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "AnaF.ini", "[TAnaF]\r\nListe1_Checked=True\r\n");
        start();
        QCOMPARE(window->ListView1()->viewStyle(), TListView::ViewStyle::List);
        QVERIFY(window->menuItem(QStringLiteral("Liste1"))->isChecked());

        window->menuItem(QStringLiteral("BuyukSimge1"))->trigger();
        QCOMPARE(window->ListView1()->viewStyle(), TListView::ViewStyle::Icon);
        prompter->answers = {true}; // "Programdan çıkmak istiyormusunuz ?"
        window->close();
        QCOMPARE(test::readFile(data / "AnaF.ini"),
                 std::string("[TAnaF]\r\nListe1_Checked=False\r\nBuyukSimge1_Checked=True\r\n"
                             "KucukSimge1_Checked=False\r\nAyrntlar1_Checked=False\r\n"));
    }

    void withoutAnaFIniTheDetailsViewStays() {
        start();
        QCOMPARE(window->ListView1()->viewStyle(), TListView::ViewStyle::Report);
        for (const char* name : {"BuyukSimge1", "KucukSimge1", "Liste1", "Ayrntlar1"})
            QVERIFY(!window->menuItem(QString::fromLatin1(name))->isChecked());
    }

    void closingAfterLoginAsksFirst() {
        start();
        window->loggedIn = true;
        prompter->answers = {false};
        QVERIFY(!window->close());
        QCOMPARE(prompter->take(),
                 QStringList{QStringLiteral("Soru: Programdan çıkmak istiyormusunuz ?")});
        QVERIFY(window->isVisible());
        prompter->answers = {true};
        QVERIFY(window->close());
        prompter->take();
        window->loggedIn = false;
    }

    void postsSaveAndRenameOnlyWhileTheEditWindowIsOpen() {
        std::filesystem::create_directories(data);
        test::writeFile(data / "ARSIV_Y.DB", registerFile({{"Yedek", "", "", "0", ""}}));
        test::writeFile(data / "Yedek.ADS", "D:\r\n");
        start();
        auto& t = window->catalogue.KayitOrj_T;
        const std::string before = test::readFile(data / "ARSIV_Y.DB");
        t.first();
        t.edit();
        t.setString("OZEL_KODU", "K");
        t.post();
        QCOMPARE(test::readFile(data / "ARSIV_Y.DB"), before); // no edit window: no save

        QDialog editWindow;
        gui::K_ArsivDuzenleF = &editWindow;
        t.edit();
        t.setString("ARSIV_ADI", "Yedek 2");
        t.post();
        gui::K_ArsivDuzenleF = nullptr;
        QVERIFY(!platform::fileExists(data / "Yedek.ADS"));
        QVERIFY(platform::fileExists(data / "Yedek 2.ADS"));
        const std::string after = test::readFile(data / "ARSIV_Y.DB");
        QVERIFY(after.find("ARSIV_ADI=Yedek 2") != std::string::npos);
        QVERIFY(after.find("OZEL_KODU=K") != std::string::npos);
        QCOMPARE(QString::fromStdString(t.asString("ARSIV_ADI")), QStringLiteral("Yedek 2"));
    }

    void aSecondProgramOnTheFolderIsRefused() {
        platform::DataFolderLock first, second;
        QVERIFY(gui::takeDataFolderLock(first));
        QVERIFY(!gui::takeDataFolderLock(second));
        QCOMPARE(prompter->take(),
                 L({"Bilgi: Kartavel bu veri klasörüyle zaten çalışıyor. Açık olan pencereyi "
                    "kullanınız..."}));
        first.unlock();
        QVERIFY(gui::takeDataFolderLock(second));
    }

    void aChosenDataFolderIsNamedInTheTitle() {
        window = std::make_unique<TAnaF>();
        window->titleShowsDataFolder = true;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f - ") +
                                            QString::fromStdString(data.string()));
    }

    void aFolderThatCannotBeUsedIsNotReportedAsBusy() {
        // The lock file's name is taken by a folder: nobody holds the lock, it cannot
        // be made.
        std::filesystem::create_directories(data / platform::DataFolderLock::kFileName);
        platform::DataFolderLock lock;
        QVERIFY(!gui::takeDataFolderLock(lock));
        QCOMPARE(prompter->take(), QStringList{QStringLiteral("Bilgi: Veri klasörü açılamıyor: ") +
                                               QString::fromStdString(data.string()) +
                                               QStringLiteral("\nKlasöre yazılabildiğini "
                                                              "denetleyiniz...")});
    }

    // No login can be offered when the stored values cannot be read: the program
    // shows the read error and ends, and its main window is never used.
    void storedValuesThatCannotBeReadEndTheProgram() {
        const std::filesystem::path file = data / "dosya.ini";
        const std::vector<std::function<void()>> unreadable = {
            [&] { std::filesystem::create_directories(file); },
#ifndef _WIN32
            [&] { QCOMPARE(::mkfifo(file.c_str(), 0600), 0); },
#endif
        };
        for (const auto& make : unreadable) {
            std::filesystem::create_directories(data);
            make();
            test::ModalScript script; // no window may open
            window = std::make_unique<TAnaF>();
            window->show();
            QVERIFY(archiveButtonsDisabled());
            QTRY_VERIFY(window->loginFailed());
            QVERIFY(!window->isVisible());
            QVERIFY(!window->loggedIn);
            QVERIFY2(script.seen.isEmpty(), qPrintable(script.seen.join(u'|')));
            const QStringList shown = prompter->take();
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].startsWith(QStringLiteral("Hata: ")) &&
                         shown[0].contains(QStringLiteral("dosya.ini")),
                     qPrintable(shown[0]));
            window.reset();
            std::filesystem::remove_all(file);
        }
    }

    // The archive commands follow the selection from the start, also when the
    // first listing cannot be made.
    void theArchiveCommandsStartDisabled() {
        std::filesystem::create_directories(data / "ARSIV_Y.DB"); // a register nobody reads
        window = std::make_unique<TAnaF>();
        window->Timer1()->stop(); // no login: only the listing is looked at
        QVERIFY(archiveButtonsDisabled());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(archiveButtonsDisabled());
        const QStringList shown = prompter->take();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QStringLiteral("ARSIV_Y.DB")), qPrintable(shown[0]));
    }

    void closingWithoutLoginAsksNothing() {
        start();
        window->loggedIn = false; // as after a refused password
        QVERIFY(window->close());
        QVERIFY(prompter->messages.isEmpty());
    }
};

QTEST_MAIN(TAnaFTest)
#include "TAnaFTest.moc"
