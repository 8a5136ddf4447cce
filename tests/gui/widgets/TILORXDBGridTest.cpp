#include "widgets/TILORXDBGrid.h"

#include <QLineEdit>
#include <QTest>

using namespace kartavel;
using gui::TIloDGCheckBox;
using gui::TIloDGDateEdit;
using gui::TILORXDBGrid;
using store::FieldDef;

// The data grid with both companions attached, over a table of a name, a date and a
// flag column.
class TILORXDBGridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<store::RecordTable> table;
    std::unique_ptr<QWidget> parent;
    TILORXDBGrid* grid = nullptr;
    TIloDGDateEdit* dateEdit = nullptr;
    TIloDGCheckBox* checkBox = nullptr;

    QString cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    void focusCell(int row, int column) {
        grid->setCurrentIndex(grid->model()->index(row, column));
    }
    QRect cellOnParent(int row, int column) const {
        const QRect r = grid->visualRect(grid->model()->index(row, column));
        return QRect(grid->viewport()->mapTo(parent.get(), r.topLeft()), r.size());
    }

private Q_SLOTS:
    void init() {
        table = std::make_unique<store::RecordTable>(store::TableSchema{
            "T", {FieldDef::text("AD", 20), FieldDef::date("TARIH"), FieldDef::text("VAR", 1)}});
        table->open();
        for (auto [name, day, flag] :
             {std::tuple{"Bir", 46366, "1"}, {"Iki", 46000, "0"}, {"Uc", 45000, "0"}}) {
            table->append();
            table->setString(0, name);
            table->setDate(1, day);
            table->setString(2, flag);
            table->post();
        }
        table->first();
        parent = std::make_unique<QWidget>();
        parent->resize(500, 300);
        grid = new TILORXDBGrid(*table,
                                {{"AD", QStringLiteral("Ad"), 120},
                                 {"TARIH", QStringLiteral("Tarih"), 120},
                                 {"VAR", QStringLiteral("Var"), 80, 123}},
                                parent.get());
        grid->setGeometry(10, 10, 400, 200);
        dateEdit = new TIloDGDateEdit(parent.get());
        checkBox = new TIloDGCheckBox(parent.get());
        grid->setCont_DateEdit(dateEdit);
        grid->setCont_CheckBox(checkBox);
        parent->show();
        parent->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(parent.get()));
    }
    void cleanup() {
        parent.reset();
        table.reset();
    }

    void theGridShowsTheTableAndFollowsItsCurrentRecord() {
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(cell(1, 0), QStringLiteral("Iki"));
        table->last();
        QCOMPARE(grid->currentIndex().row(), 2);
        focusCell(1, 0);
        QCOMPARE(QString::fromStdString(table->asString(0)), QStringLiteral("Iki"));
    }

    void eachCompanionFloatsOverItsFocusedCellOnly() {
        focusCell(1, 0);
        QVERIFY(!dateEdit->isVisible());
        QVERIFY(!checkBox->isVisible());
        focusCell(1, 1);
        QVERIFY(dateEdit->isVisible());
        QVERIFY(!checkBox->isVisible());
        QCOMPARE(dateEdit->geometry(), cellOnParent(1, 1));
        QCOMPARE(dateEdit->lineEdit()->text(), QStringLiteral("09.12.2025"));
        focusCell(2, 2);
        QVERIFY(!dateEdit->isVisible()); // leaving the date column hides it
        QVERIFY(checkBox->isVisible());
        QCOMPARE(checkBox->geometry(), cellOnParent(2, 2));
        QVERIFY(!checkBox->isChecked());
        focusCell(0, 2);
        QVERIFY(checkBox->isChecked());
    }

    void aBlankOnTheFlagCellTicksTheBoxAndStoresOne() {
        checkBox->setCaption2(QStringLiteral("Evet;Hayır"));
        grid->setFocus();
        focusCell(1, 2);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(checkBox->hasFocus());
        QVERIFY(checkBox->isChecked());
        QCOMPARE(checkBox->text(), QStringLiteral("Evet"));
        QCOMPARE(QString::fromStdString(table->asString(2)), QStringLiteral("1"));
        QTest::keyClick(checkBox, Qt::Key_Space);
        QCOMPARE(checkBox->text(), QStringLiteral("Hayır"));
        QCOMPARE(QString::fromStdString(table->asString(2)), QStringLiteral("0"));
        // Enter gives the focus back to the grid, which moves to the next cell.
        QTest::keyClick(checkBox, Qt::Key_Return);
        QVERIFY(grid->hasFocus());

        checkBox->setCaption2(QStringLiteral("Tek"));
        checkBox->setText(QStringLiteral("Aynı"));
        checkBox->click();
        QCOMPARE(checkBox->text(), QStringLiteral("Aynı")); // no ";": no change
    }

    void keysPassBetweenTheGridAndTheDateEditor() {
        grid->setFocus();
        focusCell(1, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(dateEdit->lineEdit()->hasFocus());
        // Up goes back to the grid, which moves up a row.
        QTest::keyClick(dateEdit->lineEdit(), Qt::Key_Up);
        QVERIFY(grid->hasFocus());
        QCOMPARE(grid->currentIndex().row(), 0);
        // A typed character goes on to the editor.
        dateEdit->lineEdit()->clear();
        QTest::keyClicks(grid, QStringLiteral("0"));
        QVERIFY(dateEdit->lineEdit()->hasFocus());
        QCOMPARE(dateEdit->lineEdit()->text(), QStringLiteral("0"));
        QTest::keyClicks(dateEdit->lineEdit(), QStringLiteral("2.01.2026"));
        QCOMPARE(table->asDate(1), std::optional<std::int32_t>(46024));
        // Enter with the calendar closed: back to the grid, on to the next cell.
        QTest::keyClick(dateEdit->lineEdit(), Qt::Key_Return);
        QVERIFY(grid->hasFocus());
        QCOMPARE(grid->currentIndex().column(), 2);
    }

    void ctrlEndFollowsKeyVkEnd() {
        grid->setFocus();
        focusCell(0, 0);
        grid->setKeyVK_END(false);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(grid->currentIndex().row(), 0);
        grid->setKeyVK_END(true);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(grid->currentIndex().row(), 2);
    }

    void aDestroyedCompanionIsForgotten() {
        delete checkBox;
        checkBox = nullptr;
        QCOMPARE(grid->Cont_CheckBox(), nullptr);
        focusCell(1, 2); // no companion to place
        QVERIFY(!dateEdit->isVisible());
        delete grid;
        QCOMPARE(dateEdit->DBGrid(), nullptr);
    }

    void aCellEditedInPlaceIsPostedWhenTheRowChanges() {
        focusCell(0, 0);
        QVERIFY(grid->model()->setData(grid->model()->index(0, 0), QStringLiteral("Yeni")));
        QVERIFY(table->editing());
        focusCell(1, 0);
        QVERIFY(!table->editing());
        QCOMPARE(std::string(store::cellText(table->records()[0], 0)), std::string("Yeni"));
        QCOMPARE(std::string(store::cellText(table->records()[1], 0)), std::string("Iki"));
    }
};

QTEST_MAIN(TILORXDBGridTest)
#include "TILORXDBGridTest.moc"
