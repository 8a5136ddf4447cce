#pragma once

#include "FormStorage.h"
#include "access/IloStorage.h"
#include "browse/MainList.h"
#include "platform/DataFolderLock.h"
#include "store/Catalogue.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QDialog;
class QActionGroup;
class QLabel;
class QMenu;
class QTimer;

namespace kartavel::gui {

class MainListModel;
class TBanner;
class TILOAbout;
class TIloWinButton;
class TImageList;
class TListView;

// The main window: the hub of the program. It owns the register and the lending
// table, the image lists every window takes its icons from, and where the user is
// in the register; it opens every other window, guards the start through its timer,
// and deletes archives.
class TAnaF : public QMainWindow {
    Q_OBJECT
public:
    explicit TAnaF(QWidget* parent = nullptr);
    ~TAnaF() override;

    // --- what other windows use -------------------------------------------------
    store::Catalogue catalogue;   // KayitOrj_T, KayitOrj_T_, Emenet_Rx, the KODU counter
    browse::BrowseState browsing; // navigation level, current group and sub-group, location
    int LendMode = 1;             // 1 lend, 0 take back
    int SearchScope = 0;          // 1 all archives, 2 the active archive
    bool loginDue = false;
    bool loggedIn = false;
    // The program password's stored-values component; the login and the
    // password-change window point it at "dosya.ini" when they are created.
    access::TIloStorage IloStorage1;
    // Names the data folder in the title too: set at start when the user chose it.
    bool titleShowsDataFolder = false;
    // True once the login could not be offered (the stored values could not be
    // read): the window has closed, and the program ends with an error.
    bool loginFailed() const { return loginFailed_; }

    TImageList* ImageList1 = nullptr; // 32 × 32
    TImageList* ImageList2 = nullptr; // 16 × 16
    TILOAbout* ILOAbout1 = nullptr;   // the about box

    // Fills the list for a mode and a name, and shows the count and button states.
    void ListViewAyarla(int mode, const QString& name);
    void UpdateArchiveButtons();
    // Lists the current level again, as after a lending command.
    void relistCurrentLevel();
    // Shows a listing that another window led to, with the location text that
    // `browsing` holds and the given entry selected (none for -1).
    void showPlace(browse::Listing listing, int selectedRow);
    // Shows the location text that `browsing` holds in the location bar.
    void showLocation();

    // The banner pictures the common window set-up copies.
    QPixmap bannerPicture() const;
    QPixmap bannerEndPicture() const;
    QPixmap programPicture() const;

    // --- handlers -------------------------------------------------------------------
    void FormShow();
    void Timer1Timer();
    void IloWinButton1Click();  // new archive
    void IloWinButton2Click();  // view
    void IloWinButton5Click();  // content search
    void IloWinButton4Click();  // delete
    void IloWinButton8Click();  // edit
    void IloWinButton10Click(); // groups
    void IloWinButton9Click();  // up
    void IloWinButton7Click();  // about
    void IloWinButton6Click();  // register search
    void EmanetVer1Click();
    void TeslimAl1Click();
    void IlkSayfayaGit1Click();
    void ListView1Click(int row);
    void ListView1DblClick(int row);
    void PopupMenu1Popup();
    void BuyukSimge1Click(QAction* sender);

    // "Şifre Değiştir": the password-change window, then the timer runs again.
    void IloWinButton11Click();

    // Controls, by the names the program gives them.
    TIloWinButton* button(int number) const;
    TListView* ListView1() const { return listView_; }
    QLabel* Label8() const { return label8_; }
    QLabel* countPanel() const { return countPanel_; }
    QLabel* folderPanel() const { return folderPanel_; }
    QMenu* PopupMenu1() const { return popupMenu_; }
    QAction* menuItem(const QString& name) const;
    QTimer* Timer1() const { return timer_; }
    MainListModel* listModel() const { return model_; }
    FormStorage& FormStorage1() { return *storage_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBanner(QWidget* central);
    void buildCommandBar(QWidget* central);
    void buildMenu();
    void buildStatusBar();
    void applyViewMode();
    void showListing(browse::Listing listing);
    const browse::ListItem* selectedItem() const;
    void saveWindowState();
    // Table-file failures the program does not foresee end the command in the
    // general error box.
    template <typename F>
    void guarded(F&& action);

    TBanner* banner_ = nullptr;
    QList<TIloWinButton*> buttons_; // IloWinButton1 .. IloWinButton11
    QLabel* label8_ = nullptr;
    TListView* listView_ = nullptr;
    MainListModel* model_ = nullptr;
    QLabel* countPanel_ = nullptr;
    QLabel* folderPanel_ = nullptr; // the open data folder
    QMenu* popupMenu_ = nullptr;
    QActionGroup* viewGroup_ = nullptr;
    QTimer* timer_ = nullptr;
    std::unique_ptr<FormStorage> storage_;
    bool shown_ = false;
    bool stateSaved_ = false;
    bool loginFailed_ = false;
};

// The main window, for the windows that use it; set while it exists.
extern TAnaF* AnaF;

// The archive edit window's instance reference: set exactly while the window
// exists. The register's after-post hook saves only then.
extern QDialog* K_ArsivDuzenleF;

// Takes the data folder's lock for this program, or says why it cannot run: another
// program already works on the folder.
bool takeDataFolderLock(platform::DataFolderLock& lock);

} // namespace kartavel::gui
