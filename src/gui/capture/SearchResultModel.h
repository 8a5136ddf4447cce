#pragma once

#include "capture/ArchiveDetails.h"
#include "capture/ContentSearch.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace kartavel::gui {

// A result list of the content search. The active archive's list has the columns
// "Dosya Adı" and "Konum"; the all-archives list "Arşiv", "Dosya" and "Konum". Both
// end with "Boyut" and "Değiştirilme Tarihi" from the archives' details (empty for
// an archive without them).
// Rows found during a search wait until the window shows them (publish), so a
// search with many matches does not redraw the list for each one.
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SearchResultModel(bool withArchive, QObject* parent = nullptr);

    void clear();
    // A found row; it shows after the next publish().
    void add(const capture::SearchRow& row) { pending_.push_back(row); }
    void publish();

    // The active archive's details (none: empty columns); they must outlive the model.
    void setActiveDetails(const capture::ArchiveDetails* details) { active_ = details; }
    // In the all-archives list: reads the details of each archive the shown rows
    // come from, once, and shows their columns.
    void loadDetails();

    // The node path of a shown row.
    const std::string& path(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    const capture::ArchiveDetails* detailsOf(const capture::SearchRow& row) const;

    bool withArchive_;
    const capture::ArchiveDetails* active_ = nullptr;
    std::map<std::string, std::optional<capture::ArchiveDetails>> archives_;
    QStringList headers_;
    std::vector<capture::SearchRow> rows_;
    std::vector<capture::SearchRow> pending_;
};

} // namespace kartavel::gui
