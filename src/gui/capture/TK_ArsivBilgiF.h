#pragma once

#include "register/ArchiveCommands.h"
#include "register/ArchiveInfo.h"

#include <QDialog>

class QLabel;
class QTableView;

namespace kartavel::store {
class RecordTable;
}

namespace kartavel::gui {

class TBanner;
class TIloWinButton;

// "Arşiv Bilgileri": an archive's register record, the facts of its scan and of its
// medium, and its ten largest files, read only.
class TK_ArsivBilgiF : public QDialog {
    Q_OBJECT
public:
    explicit TK_ArsivBilgiF(reg::ArchiveInformation info, QWidget* parent = nullptr);

    // The main window's command: loads the archive the view rule found, under the
    // hourglass, and shows its information; with no content file the rule's message
    // is shown instead, and a damaged one is reported in the error box.
    static void open(const store::RecordTable& KayitOrj_T, const reg::ViewTarget& target,
                     QWidget* parent);

    const reg::ArchiveInformation& information() const { return info_; }
    // The value shown beside a label, for the tests.
    QString valueOf(const QString& label) const;
    QTableView* largestFiles() const { return largest_; }
    QLabel* noDetails() const { return noDetails_; }
    TIloWinButton* IloWinButton1() const { return kapat_; } // "Kapat"

protected:
    void showEvent(QShowEvent* event) override;

private:
    reg::ArchiveInformation info_;
    TBanner* banner_ = nullptr;
    QTableView* largest_ = nullptr;
    QLabel* noDetails_ = nullptr;
    TIloWinButton* kapat_ = nullptr;
    bool shown_ = false;
};

// The window's instance reference: set exactly while it is open.
extern TK_ArsivBilgiF* K_ArsivBilgiF;

} // namespace kartavel::gui
