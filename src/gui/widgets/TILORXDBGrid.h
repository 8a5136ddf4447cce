#pragma once

#include "RecordTableModel.h"
#include "TDateEdit.h"
#include "TFieldLink.h"

#include <QCheckBox>
#include <QPointer>
#include <QTableView>

namespace kartavel::gui {

class TILORXDBGrid;

// A date editor that floats over a date cell of its grid while that cell has the
// focus, bound to the cell's field.
class TIloDGDateEdit : public TDateEdit {
    Q_OBJECT
public:
    explicit TIloDGDateEdit(QWidget* parent = nullptr);

    TILORXDBGrid* DBGrid() const { return grid_; }
    void setDBGrid(TILORXDBGrid* grid);
    // The field it edits: the grid points it at the focused date cell's.
    void bind(store::RecordTable& table, std::string_view field);
    const TFieldLink* link() const { return link_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TILORXDBGrid> grid_;
    TFieldLink* link_ = nullptr;
    bool showing_ = false;
};

// A check box that floats over a flag cell (a field tagged 123) of its grid while
// that cell has the focus. Ticked stores "1", unticked "0". `Caption2` holds two
// captions separated by ";", for the ticked and the unticked state.
class TIloDGCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TIloDGCheckBox(QWidget* parent = nullptr);

    TILORXDBGrid* DBGrid() const { return grid_; }
    void setDBGrid(TILORXDBGrid* grid);
    QString Caption2() const { return caption2_; }
    void setCaption2(const QString& captions) { caption2_ = captions; }
    void bind(store::RecordTable& table, std::string_view field);
    const TFieldLink* link() const { return link_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void nextCheckState() override;

private:
    QPointer<TILORXDBGrid> grid_;
    QString caption2_;
    TFieldLink* link_ = nullptr;
    bool showing_ = false;
};

// The data grid: the rows of a record table in columns bound to its fields, the
// current row following the table's current record. It can float a companion date
// editor and check box over the focused cell, routes keys between itself and them,
// and with KeyVK_END false swallows Ctrl+End.
class TILORXDBGrid : public QTableView {
    Q_OBJECT
public:
    TILORXDBGrid(store::RecordTable& table, std::vector<TColumn> columns,
                 QWidget* parent = nullptr);
    ~TILORXDBGrid() override;

    RecordTableModel* dataModel() const { return model_; }
    store::RecordTable& table() const { return model_->table(); }

    bool KeyVK_END() const { return keyVkEnd_; }
    void setKeyVK_END(bool on) { keyVkEnd_ = on; }
    TIloDGDateEdit* Cont_DateEdit() const { return dateEdit_; }
    void setCont_DateEdit(TIloDGDateEdit* editor);
    TIloDGCheckBox* Cont_CheckBox() const { return checkBox_; }
    void setCont_CheckBox(TIloDGCheckBox* box);

    // The field of a column, and of the focused column (-1 when none).
    int fieldOfColumn(int column) const;
    int focusedField() const { return fieldOfColumn(currentIndex().column()); }
    // Lays the companions over the focused cell, or hides them.
    void placeCompanions();
    // Sends a key to the grid as if typed there.
    void sendKey(int key);

    // Runs each move of the table's current record; the window wraps it to report
    // failures (a table file that cannot be written). By default the move just runs.
    std::function<void(const std::function<void()>&)> guard;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void followTable();
    void updateCompanionColumns();
    bool canFocus(QWidget* w) const;

    RecordTableModel* model_;
    bool keyVkEnd_ = true;
    QPointer<TIloDGDateEdit> dateEdit_;
    QPointer<TIloDGCheckBox> checkBox_;
    bool following_ = false;
    int lastColumn_ = 0; // kept across a reset of the rows
};

} // namespace kartavel::gui
