#pragma once

#include "browse/MainList.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <functional>

namespace kartavel::gui {

// The main window's list: one row per item of the latest listing, with the columns
// "Arşiv/Grup Adı", "Özel Kodu" and "Tarihi". Every view mode shows this one model.
class MainListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using IconSource = std::function<QIcon(int)>;
    explicit MainListModel(IconSource icons, QObject* parent = nullptr);

    void setListing(browse::Listing listing);
    const browse::ListItem* item(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // A registration date in the user's short date format.
    static QString dateText(std::int32_t serialDay);

private:
    IconSource icons_;
    browse::Listing listing_;
};

} // namespace kartavel::gui
