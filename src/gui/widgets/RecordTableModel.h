#pragma once

#include "store/RecordTable.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace kartavel::gui {

// A column of a data grid: the field it shows, its title and width in pixels, and
// its tag (the check box companion serves fields tagged 123).
struct TColumn {
    std::string field;
    QString title;
    int width = 64;
    int tag = 0;
};

// The rows a record table shows (those that pass its filter, in sequence order, and
// a record being inserted at the end) as a table model. Cells edited in place write
// the table's edit buffer, starting an edit first.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RecordTableModel(store::RecordTable& table, std::vector<TColumn> columns,
                     QObject* parent = nullptr);
    ~RecordTableModel() override;

    store::RecordTable& table() const { return table_; }
    const TColumn& column(int c) const { return columns_.at(static_cast<std::size_t>(c)); }
    int fieldOf(int column) const { return fields_.at(static_cast<std::size_t>(column)); }

    // The row of the table's current record (the inserted one while inserting), -1
    // when there is none; the bookmark of a row's record (0 for the inserted one).
    int currentRow() const;
    store::RecordTable::Bookmark bookmarkOf(int row) const;
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // Columns whose cells another editor takes (a companion over the grid).
    void setColumnEditable(int column, bool editable);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // The table moved or changed; the rows have been read again.
    void tableChanged();

private:
    void reread();

    store::RecordTable& table_;
    std::vector<TColumn> columns_;
    std::vector<int> fields_;
    std::vector<std::size_t> rows_; // indexes into table_.records()
    std::vector<bool> readOnlyColumns_;
    bool inserting_ = false;
    bool readOnly_ = false;
    bool writing_ = false;
    int observer_ = 0;
};

} // namespace kartavel::gui
