#include "MainListModel.h"

#include "store/SerialDate.h"

#include <QDate>
#include <QLocale>

namespace kartavel::gui {

MainListModel::MainListModel(IconSource icons, QObject* parent)
    : QAbstractTableModel(parent), icons_(std::move(icons)) {}

void MainListModel::setListing(browse::Listing listing) {
    beginResetModel();
    listing_ = std::move(listing);
    endResetModel();
}

const browse::ListItem* MainListModel::item(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &listing_.items[static_cast<std::size_t>(row)];
}

int MainListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(listing_.items.size());
}

int MainListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QString MainListModel::dateText(std::int32_t serialDay) {
    const auto c = store::civilFromSerial(serialDay);
    return QLocale::system().toString(QDate(c.year, c.month, c.day), QLocale::ShortFormat);
}

QVariant MainListModel::data(const QModelIndex& index, int role) const {
    const browse::ListItem* it = item(index.row());
    if (!it)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return QString::fromStdString(it->caption);
        case 1:
            return QString::fromStdString(it->ozelKodu);
        case 2:
            return it->tarihi ? dateText(*it->tarihi) : QString();
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0 && icons_)
        return icons_(it->icon);
    if (role == Qt::ToolTipRole && index.column() == 0)
        return QString::fromStdString(it->caption);
    return {};
}

QVariant MainListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return QStringLiteral("Arşiv/Grup Adı");
    case 1:
        return QStringLiteral("Özel Kodu");
    case 2:
        return QStringLiteral("Tarihi");
    default:
        return {};
    }
}

} // namespace kartavel::gui
