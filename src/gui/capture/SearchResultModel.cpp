#include "SearchResultModel.h"

#include "app/QtText.h"

namespace kartavel::gui {

SearchResultModel::SearchResultModel(bool withArchive, QObject* parent)
    : QAbstractTableModel(parent), withArchive_(withArchive),
      headers_(withArchive ? QStringList{QStringLiteral("Arşiv"), QStringLiteral("Dosya"),
                                         QStringLiteral("Konum")}
                           : QStringList{QStringLiteral("Dosya Adı"), QStringLiteral("Konum")}) {}

void SearchResultModel::clear() {
    beginResetModel();
    rows_.clear();
    pending_.clear();
    endResetModel();
}

void SearchResultModel::publish() {
    if (pending_.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(pending_.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(pending_.begin()),
                 std::make_move_iterator(pending_.end()));
    pending_.clear();
    endInsertRows();
}

const std::string& SearchResultModel::path(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).path;
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const auto& r = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column() + (withArchive_ ? 0 : 1);
    switch (column) {
    case 0:
        return qs(r.archive);
    case 1:
        return qs(r.name);
    case 2:
        return qs(r.path);
    default:
        return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return headers_.value(section);
}

} // namespace kartavel::gui
