#include "app/GuardedApplication.h"
#include "TestPrompter.h"
#include "TestSupport.h"
#include "app/FormStorage.h"
#include "platform/FileSystem.h"
#include "widgets/TDirectoryEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <QtTest>

#include <new>
#include <stdexcept>

using namespace kartavel;

namespace {

// A control whose click handler fails the way a fault deep in core would.
class Failing : public QWidget {
public:
    std::function<void()> onClick;
    int clicks = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        ++clicks;
        onClick();
    }
};

} // namespace

class GuardedApplicationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anErrorNoWindowCaughtIsShownAndTheProgramGoesOn() {
        struct Case {
            std::function<void()> fail;
            QString shown;
        };
        const Case cases[] = {
            {[] { throw std::logic_error("beklenmedik durum"); },
             QStringLiteral("Hata: beklenmedik durum")},
            {[] { throw std::bad_alloc(); }, QStringLiteral("Hata: std::bad_alloc")},
            {[] { throw 42; },
             QStringLiteral("Hata: ") + QString::fromUtf8(platform::kUnexpectedError.data())},
        };
        for (const Case& c : cases) {
            test::TestPrompter prompter;
            Failing w;
            w.onClick = c.fail;
            w.show();
            QTest::mouseClick(&w, Qt::LeftButton);
            QCOMPARE(prompter.take(), QStringList{c.shown});
            // Still running: the next event is delivered as usual.
            bool fired = false;
            QTimer::singleShot(0, [&] { fired = true; });
            QTRY_VERIFY(fired);
            w.onClick = [] {};
            QTest::mouseClick(&w, Qt::LeftButton);
            QCOMPARE(w.clicks, 2);
            QVERIFY(prompter.take().isEmpty());
        }
    }

    // Every title is exactly the system's text. Once a display name is set, Qt
    // appends it to every window's title; none is: the display name follows the
    // application's name.
    void noDisplayNameIsAppendedToTheTitles() {
        const QString name = QCoreApplication::applicationName();
        QCOMPARE(name, QStringLiteral("Kartavel"));
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
        QCoreApplication::setApplicationName(name);
    }

    // The dialogs the toolkit draws itself speak Turkish: the folder chooser behind
    // "..." and the standard buttons.
    void theToolkitsOwnDialogsSpeakTurkish() {
        gui::TDirectoryEdit field;
        field.show();
        QString title;
        QStringList texts;
        QTimer::singleShot(0, [&] {
            QWidget* chooser = QApplication::activeModalWidget();
            QVERIFY(chooser);
            title = chooser->windowTitle();
            for (const QLabel* l : chooser->findChildren<QLabel*>())
                texts << l->text();
            for (const QAbstractButton* b : chooser->findChildren<QAbstractButton*>())
                texts << b->text();
            chooser->close();
        });
        field.button()->click();
        QCOMPARE(title, QStringLiteral("Dizin Bul"));
        for (const char* text : {"Arama konumu:", "&Seç", "İptal"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(u'|')));

        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Yes | QDialogButtonBox::No);
        QStringList buttons;
        for (const QAbstractButton* b : box.buttons())
            buttons << b->text();
        buttons.sort();
        QCOMPARE(buttons, QStringList({QStringLiteral("&Evet"), QStringLiteral("&Hayır"),
                                       QStringLiteral("Tamam"), QStringLiteral("İptal")}));
    }

    // The settings file is replaced as the catalogue's tables are: a failure at any
    // step leaves it byte for byte and is told.
    void aSettingsWriteThatFailsLeavesTheFileWhole() {
        test::TempDir dir;
        const auto file = dir / "AnaF.ini";
        const std::string before = "[TAnaF]\r\nBuyukSimge1_Checked=False\r\n";
        test::writeFile(file, before);
        QAction item;
        item.setObjectName(QStringLiteral("BuyukSimge1"));
        item.setCheckable(true);
        item.setChecked(true);
        gui::FormStorage storage(file, QStringLiteral("TAnaF"));
        storage.addCheckedItem(&item);
        using platform::WriteStep;
        for (const WriteStep step :
             {WriteStep::Create, WriteStep::Write, WriteStep::Flush, WriteStep::Rename}) {
            platform::setWriteFault([step](WriteStep s, const auto&) { return s == step; });
            try {
                storage.save();
                QFAIL("no write error");
            } catch (const platform::WriteError& e) {
                QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to ") +
                                                          QString::fromStdString(test::utf8(file)));
            }
            platform::setWriteFault({});
            QCOMPARE(test::readFile(file), before);
            QVERIFY(item.isChecked());
        }
        storage.save();
        QVERIFY(test::readFile(file) != before);
    }
};

int main(int argc, char** argv) {
    gui::GuardedApplication app(argc, argv);
    GuardedApplicationTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "GuardedApplicationTest.moc"
