#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QtTest>

namespace kartavel::test {

// Opens a drop-down list with a click on its arrow, as a user does.
inline void openListWithMouse(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    QTRY_VERIFY(combo->view()->isVisible());
}

// Picks a row of the open list with a click on it.
inline void clickListRow(QComboBox* combo, int row) {
    QAbstractItemView* view = combo->view();
    // A list just opened takes no click for a double click's time.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QVERIFY(item.isValid());
    QTest::mouseMove(view->viewport(), item.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

} // namespace kartavel::test
