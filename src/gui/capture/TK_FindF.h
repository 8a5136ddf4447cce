#pragma once

#include "capture/ArchiveDetails.h"
#include "capture/ContentSearch.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTabWidget;
class QTreeView;

namespace kartavel::gui {

class SearchResultModel;
class TBanner;
class TILOProgress;
class TIloWinButton;

// The content search: stored file and folder names tested against a search text,
// either in the open viewer's archive or in every archive of the main window's
// current place. Each match is listed with its place on the medium; a double-click
// shows that folder in the file manager.
class TK_FindF : public QDialog {
    Q_OBJECT
public:
    // `searchScope` 1 searches every archive of the main window's place, 2 the
    // active archive `activeArchive` (which must outlive the window).
    TK_FindF(int searchScope, const capture::ArchiveTree* activeArchive, QWidget* parent = nullptr,
             const capture::ArchiveDetails* activeDetails = nullptr);

    // --- handlers ---------------------------------------------------------------
    void FormShow();
    void IloWinButton1Click(); // "Ara", Enter in the search field or a check box
    void IloWinButton3Click(); // "Durdur"
    void IloWinButton2Click(); // "Kapat", Esc
    void IloWinButton4Click(); // "?"
    void ListView1DblClick();
    void ListView2DblClick();

    int SearchScope() const { return scope_; }
    // 0 none, 1 "Durdur" was pressed, 2 the window is being closed.
    int StopRequest = 0;
    // -1 before the first match of a search, then the tree index of the latest.
    std::int64_t LastMatchIndex = -1;
    bool searching() const { return searching_; }

    // Controls, by the names the program gives them.
    QLabel* Label1() const;
    QLabel* Label4() const { return Label4_; }
    QLineEdit* EditKLM() const { return EditKLM_; }
    QCheckBox* CheckBY() const { return CheckBY_; }
    QCheckBox* CheckTAM() const { return CheckTAM_; }
    TIloWinButton* IloWinButton1() const { return IloWinButton1_; }
    TIloWinButton* IloWinButton2() const { return IloWinButton2_; }
    TIloWinButton* IloWinButton3() const { return IloWinButton3_; }
    TIloWinButton* IloWinButton4() const { return IloWinButton4_; }
    TILOProgress* ILOProgressMAS() const { return ILOProgressMAS_; }
    TILOProgress* ILOProgressDT() const { return ILOProgressDT_; }
    QTreeView* ListView1() const { return ListView1_; }
    QTreeView* ListView2() const { return ListView2_; }
    SearchResultModel* results() const { return results_; }
    QLabel* countPanel() const { return countPanel_; }
    QTabWidget* tabs() const { return tabs_; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSearchPanel();
    QTreeView* buildResultList(const char* objectName, const QList<int>& widths);
    void buildStatusBar();
    capture::SearchResult run(const std::string& text, bool wholeName, bool caseSensitive);
    // Shows the rows found so far and their count.
    void publish();
    void explore(QTreeView* list);

    int scope_;
    const capture::ArchiveTree* activeArchive_;
    TBanner* banner_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLineEdit* EditKLM_ = nullptr;
    QCheckBox* CheckBY_ = nullptr;
    QCheckBox* CheckTAM_ = nullptr;
    TIloWinButton* IloWinButton1_ = nullptr;
    TIloWinButton* IloWinButton2_ = nullptr;
    TIloWinButton* IloWinButton3_ = nullptr;
    TIloWinButton* IloWinButton4_ = nullptr;
    TILOProgress* ILOProgressMAS_ = nullptr;
    TILOProgress* ILOProgressDT_ = nullptr;
    SearchResultModel* results_ = nullptr;
    QTreeView* ListView1_ = nullptr;
    QTreeView* ListView2_ = nullptr;
    QStatusBar* StatusSAYI_ = nullptr;
    QLabel* countPanel_ = nullptr;
    bool shown_ = false;
    bool searching_ = false;
};

// The search window's instance reference: set exactly while it is open.
extern TK_FindF* K_FindF;

} // namespace kartavel::gui
