#include "register/TK_GrupF.h"
#include "ModalScript.h"
#include "RegisterWindowEnv.h"
#include "capture/TK_YeniArsivF.h"
#include "register/TK_AltGrupF.h"
#include "text/Cp1254.h"
#include "widgets/TDBEdit.h"
#include "widgets/TDBNavigator.h"
#include "widgets/TILORXDBGrid.h"
#include "widgets/TIloWinButton.h"

#include <QLabel>
#include <QToolButton>

using namespace kartavel;
using gui::TDBNavigator;
using gui::TK_AltGrupF;
using gui::TK_GrupF;
using test::L;
using namespace Qt::StringLiterals;

// The group and sub-group windows, opened from the main window and from the
// new-archive window, driven through their fields, navigator and grid.
class TK_GrupFTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::RegisterWindowEnv> env;

    std::string file(const char* name) const {
        const auto p = env->data / name;
        return std::filesystem::exists(p) ? text::decodeCp1254(test::readFile(p)) : "-";
    }
    static QStringList gridRows(gui::TILORXDBGrid* grid) {
        QStringList rows;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            rows << grid->model()->index(r, 0).data().toString() + u'|' +
                        grid->model()->index(r, 1).data().toString();
        return rows;
    }
    // A new row typed into the two fields and posted with the navigator.
    static void addRow(gui::GroupWindowBase* w, const QString& name, const QString& note = {}) {
        w->BiDiDBNavigator1()->button(TDBNavigator::nbInsert)->click();
        test::type(w->DBEdit1(), name);
        test::type(w->DBEdit2(), note);
        w->BiDiDBNavigator1()->button(TDBNavigator::nbPost)->click();
    }

private Q_SLOTS:
    void cleanup() {
        const QString left = env ? env->leftovers() : QString();
        env.reset();
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    void groupsArePostedCheckedAndDeletedWithTheirSubGroups() {
        env = std::make_unique<test::RegisterWindowEnv>(std::vector<test::Archive>{},
                                                        std::vector<std::string>{});
        test::writeFile(env->data / "GRUB.DB",
                        *text::encodeCp1254("[RecNo1]\r\nGRUBU=Müzik\r\nACIKLAMA=Şarkılar\r\n"));
        test::writeFile(env->data / "ALTGRUB.DB",
                        "[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Eski\r\nACIKLAMA=\r\n");
        QVERIFY(env->main->button(10)->isVisible());
        test::ModalScript script;
        script.then<TK_GrupF>([&](TK_GrupF* w) {
            QCOMPARE(w->windowTitle(), env->main->windowTitle());
            QCOMPARE(gridRows(w->DBGrid1()), L({"Müzik|Şarkılar"}));
            QCOMPARE(w->DBEdit1()->text(), QStringLiteral("Müzik"));
            QCOMPARE(w->DBEdit1()->maxLength(), 20);
            addRow(w, QStringLiteral("Film"), QStringLiteral("Sinema"));
            addRow(w, QStringLiteral("Diger"));
            addRow(w, QStringLiteral("Müzik"));
            QCOMPARE(gridRows(w->DBGrid1()), L({"Müzik|Şarkılar", "Film|Sinema"}));
            // An empty name stays in editing; "Alt Grup Ekle" waits for it.
            addRow(w, QString());
            w->ToolButton1()->click();
            w->BiDiDBNavigator1()->button(TDBNavigator::nbCancel)->click();
            QCOMPARE(env->prompter.take(),
                     L({"Bilgi: ( Diger ) Grup adı varsayılan olarak tanımlıdır...",
                        "Bilgi: Bu grup adı kaydedilmiştir !", "Bilgi: Grup adını girmediniz...",
                        "Bilgi: Lütfen kaydı tamamlayınız..."}));
            QCOMPARE(file("GRUB.DB"), std::string("[RecNo1]\r\nGRUBU=Müzik\r\nACIKLAMA=Şarkılar\r\n"
                                                  "[RecNo2]\r\nGRUBU=Film\r\nACIKLAMA=Sinema\r\n"));
            // The sub-groups of "Film".
            w->DBGrid1()->setCurrentIndex(w->DBGrid1()->model()->index(1, 0));
            w->ToolButton1()->click();
            // Deleting "Film" asks, then takes its sub-groups along.
            env->prompter.answers = {true};
            w->BiDiDBNavigator1()->button(TDBNavigator::nbDelete)->click();
            QCOMPARE(gridRows(w->DBGrid1()), L({"Müzik|Şarkılar"}));
            QCOMPARE(file("GRUB.DB"),
                     std::string("[RecNo1]\r\nGRUBU=Müzik\r\nACIKLAMA=Şarkılar\r\n"));
            QCOMPARE(file("ALTGRUB.DB"), std::string("-"));
            w->ToolButtonKapat()->click();
        });
        script.then<TK_AltGrupF>([&](TK_AltGrupF* w) {
            QCOMPARE(w->Label5()->text(), QStringLiteral("Film"));
            QCOMPARE(gridRows(w->DBGrid1()), L({"Eski|"}));
            addRow(w, QStringLiteral("Yerli"));
            addRow(w, QStringLiteral("Eski"));
            QCOMPARE(env->prompter.take(), L({"Bilgi: Bu grup adı kaydedilmiştir !"}));
            QCOMPARE(file("ALTGRUB.DB"),
                     std::string("[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Eski\r\nACIKLAMA=\r\n"
                                 "[RecNo2]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n"));
            // An edit in the grid replaces the entry; moving to another row posts it.
            auto* m = w->DBGrid1()->model();
            w->DBGrid1()->setCurrentIndex(m->index(0, 0));
            QVERIFY(m->setData(m->index(0, 0), QStringLiteral("Klasik")));
            w->DBGrid1()->setCurrentIndex(m->index(1, 0));
            QCOMPARE(file("ALTGRUB.DB"),
                     std::string("[RecNo1]\r\nANAGRUP=Film\r\nALTGRUP=Klasik\r\nACIKLAMA=\r\n"
                                 "[RecNo2]\r\nANAGRUP=Film\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n"));
            // A row left unposted goes with the window.
            w->BiDiDBNavigator1()->button(TDBNavigator::nbInsert)->click();
            test::type(w->DBEdit1(), QStringLiteral("Yarim"));
            w->ToolButton1()->click();
        });
        env->main->button(10)->click();
        QVERIFY2(script.done() && script.errors.isEmpty(), qPrintable(script.errors.join(u'|')));
        QCOMPARE(script.seen, L({"K_GrupF", "K_AltGrupF"}));
        QCOMPARE(env->prompter.take(), L({"Soru: Grubu Silmek istediğinizden eminmisiniz?"}));
        QVERIFY(!gui::K_GrupF);
    }

    // "GRUB.DB" and "ALTGRUB.DB" would give these names back as others, the
    // group's own among them: refused in the fields and in the grid, the row kept
    // in editing to be corrected, nothing written.
    void namesTheFilesWouldGiveBackAsOthersAreRefused() {
        env = std::make_unique<test::RegisterWindowEnv>(std::vector<test::Archive>{},
                                                        std::vector<std::string>{});
        const std::string groups = "[RecNo1]\r\nGRUBU=Pop\r\nACIKLAMA=\r\n";
        const std::string subGroups = "[RecNo1]\r\nANAGRUP=Pop\r\nALTGRUP=Yerli\r\nACIKLAMA=\r\n";
        test::writeFile(env->data / "GRUB.DB", groups);
        test::writeFile(env->data / "ALTGRUB.DB", subGroups);
        const QString blank = QStringLiteral(" alanının başında ya da sonunda boşluk olamaz...");
        const QString quotes = QStringLiteral(" tırnak işaretleri arasında olamaz...");
        auto cancel = [](gui::GroupWindowBase* w) {
            QVERIFY(w->DBEdit1()->link()->table().editing());
            w->BiDiDBNavigator1()->button(TDBNavigator::nbCancel)->click();
        };
        test::ModalScript script;
        script.then<TK_GrupF>([&](TK_GrupF* w) {
            for (const QString& name : {QStringLiteral("Pop "), QStringLiteral("'Pop'"),
                                        QStringLiteral("\"Pop\""), QStringLiteral(" Pop")}) {
                addRow(w, name);
                cancel(w);
            }
            addRow(w, QStringLiteral("Caz"), QStringLiteral("'eski'"));
            cancel(w);
            // The grid's edit goes through the same post.
            auto* m = w->DBGrid1()->model();
            w->DBGrid1()->setCurrentIndex(m->index(0, 0));
            QVERIFY(m->setData(m->index(0, 0), QStringLiteral("'Pop'")));
            w->BiDiDBNavigator1()->button(TDBNavigator::nbPost)->click();
            cancel(w);
            QCOMPARE(env->prompter.take(),
                     QStringList({u"Bilgi: Grup Adı"_s + blank, u"Bilgi: Grup Adı"_s + quotes,
                                  u"Bilgi: Grup Adı"_s + quotes, u"Bilgi: Grup Adı"_s + blank,
                                  u"Bilgi: Açıklama"_s + quotes, u"Bilgi: Grup Adı"_s + quotes}));
            QCOMPARE(gridRows(w->DBGrid1()), L({"Pop|"}));
            w->ToolButton1()->click(); // the sub-groups of "Pop"
            w->ToolButtonKapat()->click();
        });
        script.then<TK_AltGrupF>([&](TK_AltGrupF* w) {
            addRow(w, QStringLiteral("Yerli "));
            cancel(w);
            auto* m = w->DBGrid1()->model();
            w->DBGrid1()->setCurrentIndex(m->index(0, 0));
            QVERIFY(m->setData(m->index(0, 0), QStringLiteral("\"Yerli\"")));
            w->BiDiDBNavigator1()->button(TDBNavigator::nbPost)->click();
            cancel(w);
            QCOMPARE(env->prompter.take(), QStringList({u"Bilgi: Alt Grup Adı"_s + blank,
                                                        u"Bilgi: Alt Grup Adı"_s + quotes}));
            QCOMPARE(gridRows(w->DBGrid1()), L({"Yerli|"}));
            w->close();
        });
        env->main->button(10)->click();
        QVERIFY2(script.done() && script.errors.isEmpty(), qPrintable(script.errors.join(u'|')));
        QCOMPARE(file("GRUB.DB"), groups);
        QCOMPARE(file("ALTGRUB.DB"), subGroups);
    }

    void theNewArchiveWindowsStarOpensTheGroupWindow() {
        env = std::make_unique<test::RegisterWindowEnv>(std::vector<test::Archive>{},
                                                        std::vector<std::string>{});
        test::ModalScript script;
        script.then<gui::TK_YeniArsivF>([](gui::TK_YeniArsivF* w) {
            QVERIFY(w->IloWinButton4()->isVisible());
            w->IloWinButton4()->click();
            w->IloWinButton2()->click();
        });
        script.then<TK_GrupF>([](TK_GrupF* w) {
            addRow(w, QStringLiteral("Belge"));
            w->close();
        });
        env->main->button(1)->click();
        QVERIFY2(script.done() && script.errors.isEmpty(), qPrintable(script.errors.join(u'|')));
        QCOMPARE(file("GRUB.DB"), std::string("[RecNo1]\r\nGRUBU=Belge\r\nACIKLAMA=\r\n"));
    }
};

QTEST_MAIN(TK_GrupFTest)
#include "TK_GrupFTest.moc"
