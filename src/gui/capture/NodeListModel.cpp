#include "NodeListModel.h"

#include "ArchiveTreeModel.h"
#include "app/QtText.h"
#include "text/Collation.h"

#include <algorithm>

namespace kartavel::gui {

NodeListModel::NodeListModel(const capture::ArchiveTree& tree, QList<QIcon> images,
                             const capture::ArchiveDetails* details, QObject* parent)
    : QAbstractTableModel(parent), tree_(tree), images_(std::move(images)), details_(details) {}

void NodeListModel::setNodes(std::vector<std::size_t> nodes) {
    beginResetModel();
    nodes_ = std::move(nodes);
    arrange();
    endResetModel();
}

int NodeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(nodes_.size());
}

int NodeListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

bool NodeListModel::isFolder(std::size_t node) const {
    return ArchiveTreeModel::nodeImage(tree_, node) != ArchiveTreeModel::kFileImage;
}

QVariant NodeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::size_t node = nodes_[static_cast<std::size_t>(index.row())];
    const bool folder = isFolder(node);
    const bool known = details_ && (folder || details_->known(node));
    switch (index.column()) {
    case kName:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return qs(tree_.name(node));
        if (role == Qt::DecorationRole)
            return images_.value(ArchiveTreeModel::nodeImage(tree_, node));
        return {};
    case kSize:
        if (!known)
            return {};
        if (role == Qt::DisplayRole)
            return qs(capture::sizeText(details_->bytes(node)));
        if (role == Qt::ToolTipRole)
            return qs(capture::groupedBytes(details_->bytes(node)) + " bayt");
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case kModified:
        if (role == Qt::DisplayRole && known && !folder)
            return qs(capture::localTimeText(details_->lastWrite(node)));
        return {};
    case kType:
        if (role == Qt::DisplayRole)
            return folder ? QStringLiteral("Klasör") : qs(capture::typeText(tree_.name(node)));
        return {};
    default:
        return {};
    }
}

QVariant NodeListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kName:
        return QStringLiteral("Ad");
    case kSize:
        return QStringLiteral("Boyut");
    case kModified:
        return QStringLiteral("Değiştirilme Tarihi");
    case kType:
        return QStringLiteral("Tür");
    default:
        return {};
    }
}

void NodeListModel::sort(int column, Qt::SortOrder order) {
    Q_EMIT layoutAboutToBeChanged();
    sortColumn_ = column;
    sortOrder_ = order;
    arrange();
    Q_EMIT layoutChanged();
}

void NodeListModel::arrange() {
    if (sortColumn_ < 0 || sortColumn_ >= kColumns) {
        std::sort(nodes_.begin(), nodes_.end()); // the tree's order
        return;
    }
    // One collation key per entry, so a folder of many entries sorts quickly.
    const auto& collation = text::Collation::user();
    const std::size_t n = nodes_.size();
    std::vector<std::string> names(n), types;
    for (std::size_t i = 0; i < n; ++i)
        names[i] = collation.sortKey(tree_.name(nodes_[i]));
    if (sortColumn_ == kType) {
        types.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            if (!isFolder(nodes_[i]))
                types[i] = collation.sortKey(capture::typeText(tree_.name(nodes_[i])));
    }
    // Unknown sizes and times sort before every known one; folders before files by type.
    const auto bytes = [this](std::size_t node) -> std::int64_t {
        if (!details_ || (!isFolder(node) && !details_->known(node)))
            return -1;
        return static_cast<std::int64_t>(std::min<std::uint64_t>(details_->bytes(node), INT64_MAX));
    };
    const auto time = [this](std::size_t node) -> std::pair<bool, std::int64_t> {
        if (!details_ || isFolder(node) || !details_->known(node))
            return {false, 0};
        return {true, details_->lastWrite(node)};
    };
    const auto less = [&](std::size_t i, std::size_t j) {
        const std::size_t a = nodes_[i], b = nodes_[j];
        if (sortColumn_ == kSize && bytes(a) != bytes(b))
            return bytes(a) < bytes(b);
        if (sortColumn_ == kModified && time(a) != time(b))
            return time(a) < time(b);
        if (sortColumn_ == kType) {
            if (isFolder(a) != isFolder(b))
                return isFolder(a);
            if (const int c = types[i].compare(types[j]))
                return c < 0;
        }
        if (const int c = names[i].compare(names[j]))
            return c < 0;
        return a < b;
    };
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    if (sortOrder_ == Qt::AscendingOrder)
        std::sort(order.begin(), order.end(), less);
    else
        std::sort(order.begin(), order.end(),
                  [&](std::size_t i, std::size_t j) { return less(j, i); });
    std::vector<std::size_t> sorted(n);
    for (std::size_t i = 0; i < n; ++i)
        sorted[i] = nodes_[order[i]];
    nodes_ = std::move(sorted);
}

} // namespace kartavel::gui
