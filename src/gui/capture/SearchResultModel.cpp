#include "SearchResultModel.h"

#include "app/QtText.h"
#include "capture/ArchiveName.h"

namespace kartavel::gui {

SearchResultModel::SearchResultModel(bool withArchive, QObject* parent)
    : QAbstractTableModel(parent), withArchive_(withArchive),
      headers_(withArchive ? QStringList{QStringLiteral("Arşiv"), QStringLiteral("Dosya"),
                                         QStringLiteral("Konum")}
                           : QStringList{QStringLiteral("Dosya Adı"), QStringLiteral("Konum")}) {
    headers_ << QStringLiteral("Boyut") << QStringLiteral("Değiştirilme Tarihi");
}

void SearchResultModel::loadDetails() {
    if (!withArchive_ || rows_.empty())
        return;
    for (const auto& row : rows_) {
        if (archives_.contains(row.archive))
            continue;
        auto& details = archives_[row.archive];
        if (const auto file = capture::existingContentFile(row.archive))
            details = capture::loadArchive(*file).details;
    }
    Q_EMIT dataChanged(index(0, columnCount() - 2), index(rowCount() - 1, columnCount() - 1));
}

const capture::ArchiveDetails* SearchResultModel::detailsOf(const capture::SearchRow& row) const {
    const capture::ArchiveDetails* d = active_;
    if (withArchive_) {
        const auto it = archives_.find(row.archive);
        d = it != archives_.end() && it->second ? &*it->second : nullptr;
    }
    return d && row.node < d->size() ? d : nullptr;
}

void SearchResultModel::clear() {
    beginResetModel();
    rows_.clear();
    pending_.clear();
    archives_.clear(); // an archive may have been registered again meanwhile
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
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto& r = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column() + (withArchive_ ? 0 : 1);
    if (column == 3 && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (column >= 3) {
        const capture::ArchiveDetails* d = detailsOf(r);
        if (!d || (!d->folder(r.node) && !d->known(r.node)))
            return {};
        const bool folder = d->folder(r.node);
        if (column == 3)
            return role == Qt::ToolTipRole ? qs(capture::groupedBytes(d->bytes(r.node)) + " bayt")
                                           : qs(capture::sizeText(d->bytes(r.node)));
        return folder ? QVariant() : qs(capture::localTimeText(d->lastWrite(r.node)));
    }
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
