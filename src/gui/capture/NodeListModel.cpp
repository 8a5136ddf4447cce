#include "NodeListModel.h"

#include "ArchiveTreeModel.h"
#include "app/QtText.h"

namespace kartavel::gui {

NodeListModel::NodeListModel(const capture::ArchiveTree& tree, QList<QIcon> images, QObject* parent)
    : QAbstractListModel(parent), tree_(tree), images_(std::move(images)) {}

void NodeListModel::setNodes(std::vector<std::size_t> nodes) {
    beginResetModel();
    nodes_ = std::move(nodes);
    endResetModel();
}

int NodeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(nodes_.size());
}

QVariant NodeListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::size_t node = nodes_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return qs(tree_.name(node));
    case Qt::DecorationRole:
        return images_.value(ArchiveTreeModel::nodeImage(tree_, node));
    default:
        return {};
    }
}

} // namespace kartavel::gui
