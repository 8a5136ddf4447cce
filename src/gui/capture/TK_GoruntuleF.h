#pragma once

#include "capture/ArchiveDetails.h"
#include "capture/ContentFile.h"
#include "register/ArchiveCommands.h"

#include <QDialog>

#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTreeView;

namespace kartavel::gui {

class ArchiveTreeModel;
class NodeListModel;
class TBanner;
class TILOProgress;
class TIloWinButton;
class TListView;

// The archive viewer: an archive's stored tree on the left, the entries of one
// folder as large icons on the right, and commands to go up, to open the selected
// node's place on the medium and to search the archive.
class TK_GoruntuleF : public QDialog {
    Q_OBJECT
public:
    // `location` is the archive's place in the register, as the opener shows it;
    // `details` the archive's details, when it has any, and `archiveName` its name
    // for the information window.
    TK_GoruntuleF(capture::ArchiveTree tree, const QString& location, QWidget* parent = nullptr,
                  std::optional<capture::ArchiveDetails> details = std::nullopt,
                  std::string archiveName = {});
    ~TK_GoruntuleF() override;

    // What the openers do with what the view rule found (reg::viewArchive): the
    // content file is loaded under the hourglass and shown in a viewer, modally. With
    // no content file the rule's message is shown instead ("Arşiv Dosyası
    // bulunamıyor. Silinmiş olabilir"), and a damaged file is reported in the error
    // box.
    static void open(const reg::ViewTarget& target, const QString& location, QWidget* parent);
    // The loading step of open, shared with the information window: the archive
    // with its details, or nothing once the message or the error has been shown.
    static std::optional<capture::ArchiveLoad> load(const reg::ViewTarget& target);

    const capture::ArchiveTree& tree() const { return tree_; }
    const capture::ArchiveDetails* details() const { return details_ ? &*details_ : nullptr; }

    // --- handlers ---------------------------------------------------------------
    void FormShow();
    void TreeView1Click();
    void TreeView1DblClick();
    void ListViewDISKDblClick();
    void IloWinButton1Click();   // "Geri"
    void IloWinButton2Click();   // "Arşivden Aç"
    void IloWinButton4Click();   // "İçerik Ara"
    void IloWinButton3Click();   // "Kapat", Esc
    void ArsivBilgileri1Click(); // the list's pop-up menu: "Arşiv Bilgileri"
    void BuyukSimge1Click();     // a view of the pop-up menu's "Görünüm"
    // Lists the chosen folder, or opens the chosen file: 1 from the list, 2 from
    // the tree.
    void Listeleme(int from);

    // The tree node each list entry stands for.
    const std::vector<std::size_t>& ListNodes() const;
    // The tree's selected node.
    std::optional<std::size_t> selectedNode() const;

    // Controls, by the names the program gives them.
    TIloWinButton* IloWinButton12() const { return geri_; } // "Geri"
    TIloWinButton* IloWinButton2() const { return ac_; }    // "Arşivden Aç"
    TIloWinButton* IloWinButton5() const { return ara_; }   // "İçerik Ara"
    TIloWinButton* IloWinButton7() const { return kapat_; } // "Kapat"
    QTreeView* TreeView1() const { return TreeView1_; }
    TListView* ListViewDISK() const { return ListViewDISK_; }
    ArchiveTreeModel* treeModel() const { return treeModel_; }
    QLabel* Label2() const { return Label2_; }
    QLabel* LabelKONUM() const { return LabelKONUM_; }
    QLabel* LabelSAYI() const { return LabelSAYI_; }
    // The listed folder's counts and size, or "Ayrıntı bilgisi yok".
    QLabel* LabelAYRINTI() const { return LabelAYRINTI_; }
    QMenu* PopupMenu1() const { return popupMenu_; }
    TILOProgress* ILOProgress1() const { return ILOProgress1_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommandBar();
    void buildPanes();
    void buildMenu();
    // The steps "Geri" shares with a listing: the folder's path, its children as
    // entries, and their count.
    void listFolder(std::size_t folder);
    void showCount();
    void selectNode(std::size_t node);
    int image(std::size_t node) const;
    // Opens the node's file on the medium with "OPEN".
    void openFile(std::size_t node);

    capture::ArchiveTree tree_;
    std::optional<capture::ArchiveDetails> details_;
    std::string archiveName_;
    TBanner* banner_ = nullptr;
    TIloWinButton* geri_ = nullptr;
    TIloWinButton* ac_ = nullptr;
    TIloWinButton* ara_ = nullptr;
    TIloWinButton* kapat_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* LabelKONUM_ = nullptr;
    QLabel* LabelSAYI_ = nullptr;
    QLabel* LabelAYRINTI_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QActionGroup* viewGroup_ = nullptr;
    TILOProgress* ILOProgress1_ = nullptr;
    QTreeView* TreeView1_ = nullptr;
    ArchiveTreeModel* treeModel_ = nullptr;
    TListView* ListViewDISK_ = nullptr;
    NodeListModel* listModel_ = nullptr;
    bool shown_ = false;
};

// The viewer's instance reference: set exactly while it is open.
extern TK_GoruntuleF* K_GoruntuleF;

} // namespace kartavel::gui
