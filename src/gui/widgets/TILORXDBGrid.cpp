#include "TILORXDBGrid.h"

#include "KeyEvents.h"
#include "store/SerialDate.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>

namespace kartavel::gui {

namespace {

constexpr int kFlagTag = 123; // the tag of the fields the check box serves

bool isUpOrDown(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

// Gives the focus back to the grid and lets it have the key.
void backToGrid(TILORXDBGrid* grid, int key) {
    if (!grid)
        return;
    grid->setFocus();
    grid->sendKey(key);
}

// True when the companion's link already serves that field of that table.
bool boundTo(const TFieldLink* link, const store::RecordTable& table, std::string_view field) {
    return link && &link->table() == &table && link->field() == table.requireField(field);
}

// Colours the companion like the cell it covers.
void takeColours(QWidget* companion, const QWidget* grid) {
    QPalette p = companion->palette();
    p.setColor(QPalette::Base, grid->palette().color(QPalette::Base));
    p.setColor(QPalette::Window, grid->palette().color(QPalette::Base));
    p.setColor(QPalette::Text, grid->palette().color(QPalette::Text));
    p.setColor(QPalette::WindowText, grid->palette().color(QPalette::Text));
    companion->setPalette(p);
}

} // namespace

// ---- the date editor ----------------------------------------------------------------

TIloDGDateEdit::TIloDGDateEdit(QWidget* parent) : TDateEdit(parent) {
    setVisible(false);
    connect(this, &TDateEdit::dateChanged, this, [this] {
        if (showing_ || !link_)
            return;
        std::optional<std::int32_t> day;
        if (const auto d = date())
            day = store::serialFromCivil({d->year(), d->month(), d->day()});
        link_->setDate(day);
    });
}

void TIloDGDateEdit::setDBGrid(TILORXDBGrid* grid) {
    grid_ = grid;
}

void TIloDGDateEdit::bind(store::RecordTable& table, std::string_view field) {
    if (boundTo(link_, table, field))
        return;
    delete link_;
    link_ = new TFieldLink(table, field, this, [this] {
        showing_ = true;
        if (const auto day = link_->date()) {
            const auto c = store::civilFromSerial(*day);
            setDate(QDate(c.year, c.month, c.day));
        } else {
            clear();
        }
        showing_ = false;
    });
    link_->refresh();
}

bool TIloDGDateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab;
        if (isUpOrDown(key->key()) && !(key->modifiers() & Qt::AltModifier)) {
            backToGrid(grid_, key->key());
            return true;
        }
        if ((tab || isEnterKey(event)) && !calendar()) {
            backToGrid(grid_, Qt::Key_Tab);
            return tab; // Enter goes on to the field's own handling
        }
    }
    return TDateEdit::eventFilter(watched, event);
}

// ---- the check box --------------------------------------------------------------------

TIloDGCheckBox::TIloDGCheckBox(QWidget* parent) : QCheckBox(parent) {
    setVisible(false);
}

void TIloDGCheckBox::setDBGrid(TILORXDBGrid* grid) {
    grid_ = grid;
}

void TIloDGCheckBox::bind(store::RecordTable& table, std::string_view field) {
    if (boundTo(link_, table, field))
        return;
    delete link_;
    link_ = new TFieldLink(table, field, this, [this] {
        showing_ = true;
        const std::string v = link_->text();
        setChecked(v == "1" || v == "True" || v == "-1");
        showing_ = false;
    });
    link_->refresh();
}

void TIloDGCheckBox::nextCheckState() {
    QCheckBox::nextCheckState();
    const auto sep = caption2_.indexOf(u';');
    if (sep >= 0)
        setText(isChecked() ? caption2_.left(sep) : caption2_.mid(sep + 1));
    if (link_ && !showing_)
        link_->setText(isChecked() ? "1" : "0");
}

void TIloDGCheckBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isUpOrDown(key)) {
        backToGrid(grid_, key);
        return;
    }
    if (key == Qt::Key_Tab || isEnterKey(event)) {
        backToGrid(grid_, Qt::Key_Tab);
        return;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        event->accept(); // the arrows stay with the box
        return;
    }
    QCheckBox::keyPressEvent(event);
}

bool TIloDGCheckBox::event(QEvent* event) {
    // Tab acts as Enter: it does not move the focus along the window.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QCheckBox::event(event);
}

// ---- the grid ---------------------------------------------------------------------------

TILORXDBGrid::TILORXDBGrid(store::RecordTable& table, std::vector<TColumn> columns, QWidget* parent)
    : QTableView(parent) {
    model_ = new RecordTableModel(table, std::move(columns), this);
    setModel(model_);
    for (int c = 0; c < model_->columnCount(); ++c)
        setColumnWidth(c, model_->column(c).width);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setFixedWidth(12);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    connect(model_, &RecordTableModel::tableChanged, this, &TILORXDBGrid::followTable);
    followTable();
}

TILORXDBGrid::~TILORXDBGrid() = default;

int TILORXDBGrid::fieldOfColumn(int column) const {
    if (column < 0 || column >= model_->columnCount())
        return -1;
    return model_->fieldOf(column);
}

void TILORXDBGrid::setCont_DateEdit(TIloDGDateEdit* editor) {
    dateEdit_ = editor;
    if (editor)
        editor->setDBGrid(this);
    updateCompanionColumns();
    placeCompanions();
}

void TILORXDBGrid::setCont_CheckBox(TIloDGCheckBox* box) {
    checkBox_ = box;
    if (box)
        box->setDBGrid(this);
    updateCompanionColumns();
    placeCompanions();
}

void TILORXDBGrid::updateCompanionColumns() {
    // A column a companion serves is edited in the companion, not in the cell.
    for (int c = 0; c < model_->columnCount(); ++c) {
        const bool date =
            dateEdit_ && table().fieldType(model_->fieldOf(c)) == store::FieldType::Date;
        const bool flag = checkBox_ && model_->column(c).tag == kFlagTag;
        model_->setColumnEditable(c, !date && !flag);
    }
}

void TILORXDBGrid::followTable() {
    following_ = true;
    const int row = model_->currentRow();
    const int column = currentIndex().isValid() ? currentIndex().column() : lastColumn_;
    if (row >= 0)
        setCurrentIndex(model_->index(row, column));
    following_ = false;
    placeCompanions();
}

void TILORXDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        lastColumn_ = current.column();
    if (previous.isValid() && current.column() != previous.column()) {
        const int left = fieldOfColumn(previous.column());
        if (dateEdit_ && dateEdit_->link() && left == dateEdit_->link()->field())
            dateEdit_->hide();
        else if (checkBox_ && checkBox_->link() && left == checkBox_->link()->field())
            checkBox_->hide();
    }
    if (!following_ && current.isValid() && current.row() != previous.row()) {
        const auto mark = model_->bookmarkOf(current.row());
        if (mark != 0 && mark != table().bookmark()) {
            auto move = [this, mark] {
                try {
                    table().gotoBookmark(mark);
                } catch (const store::Abort&) {
                    // The open edit was refused: the grid goes back to its row.
                }
            };
            if (guard)
                guard(move);
            else
                move();
            QTimer::singleShot(0, this, &TILORXDBGrid::followTable);
        }
    }
    placeCompanions();
}

void TILORXDBGrid::placeCompanions() {
    const QModelIndex cell = currentIndex();
    const bool focusedCell = cell.isValid() && isVisible();
    const QRect r = focusedCell ? visualRect(cell) : QRect();
    auto lay = [&](QWidget* companion) {
        if (!companion->parentWidget())
            return;
        takeColours(companion, this);
        const QPoint at = viewport()->mapTo(companion->parentWidget(), r.topLeft());
        companion->setGeometry(QRect(at, r.size()));
        companion->show();
        companion->raise();
    };
    const int field = focusedCell ? model_->fieldOf(cell.column()) : -1;
    const bool onDate =
        dateEdit_ && field >= 0 && table().fieldType(field) == store::FieldType::Date;
    if (dateEdit_) {
        if (onDate) {
            dateEdit_->bind(table(), table().fields().at(static_cast<std::size_t>(field)).name);
            lay(dateEdit_);
        } else {
            dateEdit_->hide();
        }
    }
    if (checkBox_) {
        if (!onDate && field >= 0 && model_->column(cell.column()).tag == kFlagTag) {
            checkBox_->bind(table(), table().fields().at(static_cast<std::size_t>(field)).name);
            lay(checkBox_);
        } else {
            checkBox_->hide();
        }
    }
}

bool TILORXDBGrid::canFocus(QWidget* w) const {
    return w && w->isVisible() && w->isEnabled();
}

void TILORXDBGrid::sendKey(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(this, &press);
}

void TILORXDBGrid::keyPressEvent(QKeyEvent* event) {
    if (!keyVkEnd_ && event->key() == Qt::Key_End && (event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        return;
    }
    const int field = focusedField();
    const bool onDate = dateEdit_ && dateEdit_->link() && dateEdit_->link()->field() == field &&
                        canFocus(dateEdit_);
    const bool onCheck = checkBox_ && checkBox_->link() && checkBox_->link()->field() == field &&
                         canFocus(checkBox_);
    if (event->key() == Qt::Key_F2 && (onDate || onCheck)) {
        if (onDate)
            dateEdit_->lineEdit()->setFocus();
        else
            checkBox_->setFocus();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !isEnterKey(event)) {
        if (onDate) {
            dateEdit_->lineEdit()->setFocus();
            QKeyEvent copy(QEvent::KeyPress, event->key(), event->modifiers(), typed);
            QApplication::sendEvent(dateEdit_->lineEdit(), &copy);
        } else if (onCheck) {
            checkBox_->setFocus();
            if (typed == QStringLiteral(" "))
                checkBox_->click();
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void TILORXDBGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    placeCompanions();
}

void TILORXDBGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeCompanions();
}

} // namespace kartavel::gui
