#pragma once

#include "register/RegisterList.h"

#include <QAbstractTableModel>

#include <vector>

namespace kartavel::gui {

// The register window's list: one row per archive of the latest filter result, with
// the columns "Arşiv/Grup Adı", "Özel Kodu", "Tarihi", "Grubu" and "Alt Grubu", and
// the archive's icon. Every view mode shows this one model.
class RegisterListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<reg::RegisterRow> rows);
    const reg::RegisterRow* row(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    std::vector<reg::RegisterRow> rows_;
};

} // namespace kartavel::gui
