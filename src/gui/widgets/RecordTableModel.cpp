#include "RecordTableModel.h"

#include "store/FieldValue.h"

namespace kartavel::gui {

RecordTableModel::RecordTableModel(store::RecordTable& table, std::vector<TColumn> columns,
                                   QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {
    for (const auto& c : columns_)
        fields_.push_back(table_.requireField(c.field));
    readOnlyColumns_.assign(columns_.size(), false);
    observer_ = table_.addObserver([this] {
        if (!writing_)
            reread();
    });
    reread();
}

RecordTableModel::~RecordTableModel() {
    table_.removeObserver(observer_);
}

void RecordTableModel::reread() {
    std::vector<std::size_t> rows;
    const auto& records = table_.records();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (table_.passesFilter(i))
            rows.push_back(i);
    const bool inserting = table_.state() == store::RecordTable::State::Insert;
    if (rows == rows_ && inserting == inserting_) {
        // The same rows: only values may have changed, and the view keeps its cell.
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    } else {
        beginResetModel();
        rows_ = std::move(rows);
        inserting_ = inserting;
        endResetModel();
    }
    Q_EMIT tableChanged();
}

int RecordTableModel::currentRow() const {
    if (inserting_)
        return static_cast<int>(rows_.size());
    const auto current = table_.bookmark();
    if (current == 0)
        return -1;
    const auto& records = table_.records();
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (records[rows_[r]].id == current)
            return static_cast<int>(r);
    return -1;
}

store::RecordTable::Bookmark RecordTableModel::bookmarkOf(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return 0;
    return table_.records()[rows_[static_cast<std::size_t>(row)]].id;
}

void RecordTableModel::setColumnEditable(int column, bool editable) {
    readOnlyColumns_.at(static_cast<std::size_t>(column)) = !editable;
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(rows_.size()) + (inserting_ ? 1 : 0);
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int field = fieldOf(index.column());
    std::string text;
    if (table_.editing() && index.row() == currentRow()) {
        text = table_.asString(field); // the edit buffer
    } else {
        const auto& r = table_.records()[rows_[static_cast<std::size_t>(index.row())]];
        text = store::valueText(table_.fieldType(field), r.cells[static_cast<std::size_t>(field)]);
    }
    return QString::fromStdString(text);
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return column(section).title;
    return QAbstractTableModel::headerData(section, o, role);
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!readOnly_ && index.isValid() &&
        !readOnlyColumns_[static_cast<std::size_t>(index.column())])
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const int field = fieldOf(index.column());
    const std::string text = value.toString().toStdString();
    if (text == table_.asString(field) && !table_.editing())
        return false;
    writing_ = true; // the rows stay: no reset under the cell's editor
    try {
        if (!table_.editing())
            table_.edit();
        table_.setString(field, text);
    } catch (const std::exception&) {
        writing_ = false;
        return false; // not a value of the column: the cell keeps what it had
    }
    writing_ = false;
    Q_EMIT dataChanged(index, index);
    return true;
}

} // namespace kartavel::gui
