#pragma once

#include "capture/ContentFile.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QList>

#include <vector>

namespace kartavel::gui {

// The viewer's folder list: entry i stands for the tree node ListNodes()[i] and
// shows its name and its node image (ArchiveTreeModel::nodeImage).
class NodeListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The tree must outlive the model.
    NodeListModel(const capture::ArchiveTree& tree, QList<QIcon> images, QObject* parent = nullptr);

    void setNodes(std::vector<std::size_t> nodes);
    const std::vector<std::size_t>& nodes() const { return nodes_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const capture::ArchiveTree& tree_;
    QList<QIcon> images_;
    std::vector<std::size_t> nodes_;
};

} // namespace kartavel::gui
