#pragma once

#include "capture/ContentFile.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QList>

#include <cstdint>
#include <vector>

namespace kartavel::gui {

// The viewer's tree over an archive's flat node array: a node's index in the
// model is its node number, so no item is made per node and a view asks only for
// the rows it shows. Each node shows its name and its image: 0 the archive root,
// 1 a folder, 2 a file.
class ArchiveTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Image { kRootImage = 0, kFolderImage = 1, kFileImage = 2 };

    // `images` holds the three node pictures in image order. The tree must outlive
    // the model.
    ArchiveTreeModel(const capture::ArchiveTree& tree, QList<QIcon> images,
                     QObject* parent = nullptr);

    // A node's image number.
    static int nodeImage(const capture::ArchiveTree& tree, std::size_t node);

    QModelIndex indexOf(std::size_t node) const;
    std::size_t nodeOf(const QModelIndex& index) const { return index.internalId(); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    // The children of every node, one after another in node order: the children of
    // node n are children_[first_[n]] .. children_[first_[n + 1] - 1]. The
    // top-level nodes are kept apart in top_.
    const capture::ArchiveTree& tree_;
    QList<QIcon> images_;
    std::vector<std::uint32_t> first_;
    std::vector<std::uint32_t> children_;
    std::vector<std::uint32_t> top_;
};

} // namespace kartavel::gui
