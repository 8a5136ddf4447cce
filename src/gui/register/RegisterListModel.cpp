#include "RegisterListModel.h"

#include "app/ImageLists.h"
#include "app/MainListModel.h"

namespace kartavel::gui {

void RegisterListModel::setRows(std::vector<reg::RegisterRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

const reg::RegisterRow* RegisterListModel::row(int index) const {
    if (index < 0 || index >= rowCount())
        return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

int RegisterListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RegisterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant RegisterListModel::data(const QModelIndex& index, int role) const {
    const reg::RegisterRow* r = row(index.row());
    if (!r)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return QString::fromStdString(r->caption);
        case 1:
            return QString::fromStdString(r->ozelKodu);
        case 2:
            return r->tarihi ? MainListModel::dateText(*r->tarihi) : QString();
        case 3:
            return QString::fromStdString(r->grubu);
        case 4:
            return QString::fromStdString(r->altGrubu);
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0)
        return numberedIcon(r->icon);
    if (role == Qt::ToolTipRole && index.column() == 0)
        return QString::fromStdString(r->caption);
    return {};
}

QVariant RegisterListModel::headerData(int section, Qt::Orientation o, int role) const {
    static const char* const kColumns[] = {"Arşiv/Grup Adı", "Özel Kodu", "Tarihi", "Grubu",
                                           "Alt Grubu"};
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 5)
        return {};
    return QString::fromUtf8(kColumns[section]);
}

} // namespace kartavel::gui
