#pragma once

#include "capture/ArchiveDetails.h"
#include "capture/ContentFile.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

#include <vector>

namespace kartavel::gui {

// The viewer's folder list: entry i stands for the tree node ListNodes()[i] and
// shows its name and its node image (ArchiveTreeModel::nodeImage); the report view
// adds its size, last-write time and type from the archive's details. Sorting by a
// column reorders the nodes themselves, so entry i still stands for nodes()[i], and
// each later listing keeps that order.
class NodeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kSize, kModified, kType, kColumns };

    // The tree and the details (none: the columns stay empty) must outlive the model.
    NodeListModel(const capture::ArchiveTree& tree, QList<QIcon> images,
                  const capture::ArchiveDetails* details = nullptr, QObject* parent = nullptr);

    void setNodes(std::vector<std::size_t> nodes);
    const std::vector<std::size_t>& nodes() const { return nodes_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 puts the tree's order back.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    bool isFolder(std::size_t node) const;
    void arrange();

    const capture::ArchiveTree& tree_;
    QList<QIcon> images_;
    const capture::ArchiveDetails* details_;
    std::vector<std::size_t> nodes_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace kartavel::gui
