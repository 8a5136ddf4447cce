#include "ArchiveTreeModel.h"
#include "app/QtText.h"

namespace kartavel::gui {

ArchiveTreeModel::ArchiveTreeModel(const capture::ArchiveTree& tree, QList<QIcon> images,
                                   QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), images_(std::move(images)) {
    // One pass to count each node's children, one to place them: each child's row
    // among its siblings is known, so the order needs no sort.
    const std::size_t n = tree.size();
    first_.assign(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (const auto p = tree.parent(i); p != capture::ArchiveTree::kNone)
            ++first_[static_cast<std::size_t>(p) + 1];
        else
            top_.push_back(static_cast<std::uint32_t>(i));
    }
    for (std::size_t i = 0; i < n; ++i)
        first_[i + 1] += first_[i];
    children_.resize(n - top_.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (const auto p = tree.parent(i); p != capture::ArchiveTree::kNone)
            children_[first_[static_cast<std::size_t>(p)] + tree.row(i)] =
                static_cast<std::uint32_t>(i);
    }
}

int ArchiveTreeModel::nodeImage(const capture::ArchiveTree& tree, std::size_t node) {
    switch (tree.kind(node)) {
    case capture::NodeKind::Root:
        return kRootImage;
    case capture::NodeKind::Folder:
        return kFolderImage;
    case capture::NodeKind::File:
        break;
    }
    return kFileImage;
}

QModelIndex ArchiveTreeModel::indexOf(std::size_t node) const {
    if (node >= tree_.size())
        return {};
    return createIndex(static_cast<int>(tree_.row(node)), 0, static_cast<quintptr>(node));
}

QModelIndex ArchiveTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || row >= rowCount(parent))
        return {};
    const std::size_t r = static_cast<std::size_t>(row);
    const std::uint32_t node = parent.isValid() ? children_[first_[nodeOf(parent)] + r] : top_[r];
    return createIndex(row, 0, static_cast<quintptr>(node));
}

QModelIndex ArchiveTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    const auto p = tree_.parent(nodeOf(child));
    return p == capture::ArchiveTree::kNone ? QModelIndex() : indexOf(static_cast<std::size_t>(p));
}

int ArchiveTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(top_.size());
    if (parent.column() != 0)
        return 0;
    const std::size_t node = nodeOf(parent);
    return static_cast<int>(first_[node + 1] - first_[node]);
}

int ArchiveTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool ArchiveTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant ArchiveTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const std::size_t node = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return qs(tree_.name(node));
    case Qt::DecorationRole:
        return images_.value(nodeImage(tree_, node));
    default:
        return {};
    }
}

} // namespace kartavel::gui
