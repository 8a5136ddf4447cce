#include "TestPrompter.h"
#include "TestSupport.h"
#include "app/FormAyar.h"
#include "app/ImageLists.h"
#include "app/ModalForms.h"
#include "app/TAnaF.h"
#include "app/TK_YardimF.h"
#include "app/TSplashF.h"
#include "platform/DataFolder.h"
#include "widgets/TGauge.h"
#include "widgets/TIloWinButton.h"

#include <QLabel>
#include <QtTest>

using namespace kartavel;

namespace {

// A window the way the program's dialogs are built: a banner with its pictures.
class Probe : public QDialog {
public:
    explicit Probe(int* openCount = nullptr) : openCount_(openCount) {
        for (const char* name : {"ImageB1", "ImageB2", "ImageTOP"}) {
            auto* l = new QLabel(this);
            l->setObjectName(QString::fromLatin1(name));
        }
        if (openCount_)
            ++*openCount_;
    }
    ~Probe() override {
        if (openCount_)
            --*openCount_;
    }
    QPixmap pictureOf(const char* name) const {
        return findChild<QLabel*>(QString::fromLatin1(name))->pixmap();
    }

private:
    int* openCount_;
};

Probe* gProbe = nullptr;

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return !a.isNull() && a.toImage() == b.toImage();
}

} // namespace

class SharedRoutinesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;

private Q_SLOTS:
    void init() {
        dir = std::make_unique<test::TempDir>();
        platform::setDataFolder(dir->path());
    }
    void cleanup() {
        gui::setModalDriver({});
        platform::setDataFolder({});
        dir.reset();
    }

    void showModalFormSetsTheReferenceExactlyWhileOpen() {
        int open = 0;
        bool sawReference = false;
        gui::setModalDriver([&](QDialog* d) {
            sawReference = gProbe == d && d->isVisible();
            d->done(5);
        });
        const int result = gui::ShowModalForm(gProbe, &open);
        QCOMPARE(result, 5);
        QVERIFY(sawReference);
        QCOMPARE(gProbe, nullptr);
        QCOMPARE(open, 0); // destroyed when it closed
    }

    void formAyarCopiesTheMainWindowsTitleAndPictures() {
        gui::TAnaF main;
        main.show();
        Probe p;
        gui::FormAyar(&p, nullptr, 13);
        QCOMPARE(p.windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
        QVERIFY(samePicture(p.pictureOf("ImageB1"), main.bannerPicture()));
        QVERIFY(samePicture(p.pictureOf("ImageB2"), main.bannerEndPicture()));
        QVERIFY(samePicture(p.pictureOf("ImageTOP"), main.ImageList1->pixmap(13)));
        gui::FormAyar(&p, main.ImageList2, 3);
        QVERIFY(samePicture(p.pictureOf("ImageTOP"), main.ImageList2->pixmap(3)));
        gui::FormAyar(&p, nullptr, -1);
        QVERIFY(samePicture(p.pictureOf("ImageTOP"), main.programPicture()));
        QWidget bare; // a window without those pictures is left alone
        gui::FormAyar(&bare, nullptr, 2);
        QCOMPARE(bare.windowTitle(), QStringLiteral("TAVRIS Kartavel s1.06.01f"));
    }

    void theHelpWindowSaysItsEightLinesAndClosesOnEscape() {
        const QStringList lines = gui::TK_YardimF::helpText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1],
                 QStringLiteral("     Aradığınız dosyanın belirli bir kısmını biliyorsanız; "
                                "Örneğin (.txt)  .txt yazmanız "));
        QCOMPARE(lines[2], QStringLiteral("  yeterlidir (*.txt ile aynı işlevi yapar)."));
        QCOMPARE(lines[4], QStringLiteral("    Büyük küçük harfe duyarlı arama yapmak istiyorsanız "
                                          "\"Büyük Küçük Harf Ayır\""));
        QCOMPARE(lines[5], QStringLiteral("  seçeneğini işaretleyiniz."));
        QCOMPARE(lines[7], QStringLiteral("    Tam kelime arama istiyorsanız \"Tam Kelime Ara\" "
                                          "seçeneğini işaretleyiniz."));

        for (const bool byEscape : {true, false}) {
            gui::TK_YardimF* help = nullptr;
            QString heading;
            gui::setModalDriver([&](QDialog* d) {
                heading = d->windowTitle();
                if (byEscape)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    static_cast<gui::TK_YardimF*>(d)->IloWinButton1()->click();
            });
            gui::ShowModalForm(help);
            QCOMPARE(heading, QStringLiteral("TAVRIS Kartavel s1.06.01f"));
        }
    }

    void theSplashGaugeIsFullAfterItsTwoSteps() {
        gui::TSplashF splash(QStringLiteral("Kartavel"), QStringLiteral("s1.06.01"));
        QCOMPARE(splash.size(), QSize(450, 200));
        QCOMPARE(splash.LabelPrg()->text(), QStringLiteral("Kartavel"));
        QCOMPARE(splash.LabelSrm()->text(), QStringLiteral("s1.06.01"));
        QCOMPARE(splash.Gauge1()->geometry(), QRect(257, 166, 152, 7));
        splash.show();
        QCOMPARE(splash.Gauge1()->progress(), 0);
        splash.step();
        splash.step();
        QCOMPARE(splash.Gauge1()->progress(), splash.Gauge1()->maxValue());
        const QImage bar = splash.Gauge1()->grab().toImage();
        QCOMPARE(bar.pixelColor(150, 3), QColor(Qt::yellow));
        // The splash picture's outside is see-through.
        QVERIFY(!splash.mask().contains(QPoint(0, 0)));
        QVERIFY(splash.mask().contains(QPoint(330, 120)));
    }
};

QTEST_MAIN(SharedRoutinesTest)
#include "SharedRoutinesTest.moc"
