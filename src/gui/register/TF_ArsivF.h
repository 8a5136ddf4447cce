#pragma once

#include "app/FormStorage.h"
#include "register/RegisterFilter.h"
#include "register/RegisterList.h"
#include "store/RecordTable.h"

#include <QDialog>

#include <filesystem>
#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace kartavel::gui {

class RegisterListModel;
class TAnaF;
class TBanner;
class TDateEdit;
class TIloWinButton;
class TListView;

// The register window, "Arşiv Arama": the archives that meet a set of criteria
// (name, special code, date range, group, sub-group, medium, lent or not), sorted,
// and on a chosen archive the viewer, its place in the main window ("Konumunu
// Aç"), lending and taking back. It works on its own copy of the register.
class TF_ArsivF : public QDialog {
    Q_OBJECT
public:
    TF_ArsivF(TAnaF& main, QWidget* parent = nullptr);
    ~TF_ArsivF() override;

    store::RecordTable KayitOrj_T; // the register, read when the window opens
    store::RecordTable Kayit_T;    // the filter result the list shows

    // The settings file: the program file's name with ".INI", in the data folder.
    static std::filesystem::path settingsFile();

    // --- handlers -------------------------------------------------------------------
    void FormShow();
    void IQGrap1Click(); // "Filtrele", F2
    void IQGrap2Click(); // "Hepsi", F3
    void IQGrap3Click(); // clear, Alt+T
    void DBComboBox2Enter();
    void ToolButton1Click();  // "Arşivi Ac", F8
    void ListView1DblClick(); // a double-click on a row, and "Konumunu Aç"
    void ToolButtonKapatClick();
    void BuyukSimge1Click(QAction* sender);
    void PopupMenu1Popup();
    void EmanetVer1Click();
    void TeslimAl1Click();
    // Fills Kayit_T by the criteria, sorted; then the list from it.
    void Filtreleme();
    void ListViewAyarla();

    // The filter panel as criteria, and back.
    reg::FilterCriteria criteria() const;
    void setCriteria(const reg::FilterCriteria& criteria);

    // Controls, by the names the program gives them.
    QLineEdit* EditARADI() const { return EditARADI_; }
    QLineEdit* EditOKOD() const { return EditOKOD_; }
    QComboBox* DBComboBox1() const { return DBComboBox1_; }
    QComboBox* DBComboBox2() const { return DBComboBox2_; }
    TDateEdit* DateEdit1() const { return DateEdit1_; }
    TDateEdit* DateEdit2() const { return DateEdit2_; }
    QButtonGroup* RadioGroup1() const { return RadioGroup1_; } // medium
    QButtonGroup* RadioGroup2() const { return RadioGroup2_; } // lending
    QButtonGroup* RadioSIRA() const { return RadioSIRA_; }
    QCheckBox* CheckSIRA() const { return CheckSIRA_; }
    TIloWinButton* IQGrap1() const { return IQGrap1_; }
    TIloWinButton* IQGrap2() const { return IQGrap2_; }
    TIloWinButton* IQGrap3() const { return IQGrap3_; }
    QToolButton* ToolButtonKartAc() const { return ToolButtonKartAc_; }
    QToolButton* ToolButton1() const { return ToolButton1_; }
    QToolButton* ToolButtonKapat() const { return ToolButtonKapat_; }
    TListView* ListView1() const { return ListView1_; }
    RegisterListModel* listModel() const { return model_; }
    QLabel* countPanel() const { return countPanel_; }
    QMenu* PopupMenu1() const { return PopupMenu1_; }
    QAction* menuItem(const QString& name) const;
    FormStorage& FormStorage1() { return *storage_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void buildFilterPanel();
    void buildList();
    void buildStatusBar();
    void buildActions();
    void keepSettings();
    const reg::RegisterRow* selectedRow() const;

    TAnaF& main_;
    TBanner* banner_ = nullptr;
    QToolButton* ToolButtonKartAc_ = nullptr;
    QToolButton* ToolButton1_ = nullptr;
    QToolButton* ToolButtonKapat_ = nullptr;
    QLineEdit* EditARADI_ = nullptr;
    QLineEdit* EditOKOD_ = nullptr;
    QComboBox* DBComboBox1_ = nullptr;
    QComboBox* DBComboBox2_ = nullptr;
    TDateEdit* DateEdit1_ = nullptr;
    TDateEdit* DateEdit2_ = nullptr;
    QButtonGroup* RadioGroup1_ = nullptr;
    QButtonGroup* RadioGroup2_ = nullptr;
    QButtonGroup* RadioSIRA_ = nullptr;
    QCheckBox* CheckSIRA_ = nullptr;
    TIloWinButton* IQGrap1_ = nullptr;
    TIloWinButton* IQGrap2_ = nullptr;
    TIloWinButton* IQGrap3_ = nullptr;
    TListView* ListView1_ = nullptr;
    RegisterListModel* model_ = nullptr;
    QLabel* countPanel_ = nullptr;
    QMenu* PopupMenu1_ = nullptr;
    QActionGroup* viewGroup_ = nullptr;
    std::unique_ptr<FormStorage> storage_;
    bool shown_ = false;
    bool settingsKept_ = false;
};

// The register window's instance reference: set exactly while it is open.
extern TF_ArsivF* F_ArsivF;

} // namespace kartavel::gui
