#pragma once

#include "register/NewArchive.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStatusBar;

namespace kartavel::store {
class Catalogue;
}

namespace kartavel::gui {

class CodePageValidator;
class TBanner;
class TDateEdit;
class TDirectoryEdit;
class TILOProgress;
class TIloWinButton;

// The new-archive window: the user names a folder or drive and describes it; on
// "Kaydet" the folder is scanned, its content file written and the archive's
// record appended to the main window's register, which is then saved.
class TK_YeniArsivF : public QDialog {
    Q_OBJECT
public:
    explicit TK_YeniArsivF(store::Catalogue& catalogue, QWidget* parent = nullptr);

    // --- handlers ---------------------------------------------------------------
    void FormShow();
    void ComboGRUPEnter();
    void ComboGRUPSelect();
    void ComboALT_GRUPEnter();
    void IloWinButton1Click(); // "Kaydet"
    void IloWinButton2Click(); // "Kapat", Esc
    void IloWinButton3Click(); // "?": the medium's volume label into the name
    void IloWinButton4Click(); // "*": the group window

    // The root of the last CD-ROM drive that holds a medium, or `current` when
    // there is none.
    static QString GetCDROMDRIVE(const QString& current);

    // The fields as a registration takes them.
    reg::NewArchiveInput input() const;

    // True from the scan's start to the end of the registration.
    bool registering() const { return registering_; }

    // Controls, by the names the program gives them.
    TDirectoryEdit* DirectoryEdit1() const { return DirectoryEdit1_; }
    QLineEdit* EditOKOD() const { return EditOKOD_; }
    TDateEdit* RxDateEdit1() const { return RxDateEdit1_; }
    QLineEdit* EditADI() const { return EditADI_; }
    QComboBox* ComboGRUP() const { return ComboGRUP_; }
    QComboBox* ComboALT_GRUP() const { return ComboALT_GRUP_; }
    QButtonGroup* RadioGroup1() const { return RadioGroup1_; }
    TIloWinButton* IloWinButton1() const { return IloWinButton1_; }
    TIloWinButton* IloWinButton2() const { return IloWinButton2_; }
    TIloWinButton* IloWinButton3() const { return IloWinButton3_; }
    TIloWinButton* IloWinButton4() const { return IloWinButton4_; }
    QGroupBox* GroupBox1() const { return GroupBox1_; }
    QStatusBar* StatusBar1() const { return StatusBar1_; }
    TILOProgress* ILOProgress1() const { return ILOProgress1_; }
    QAction* Kapat() const { return Kapat_; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void setRegistering(bool on);
    // A close asked for while a registration runs: the scan stops at its next
    // folder, nothing is written, and the window closes once it is over.
    bool deferClose();

    store::Catalogue& catalogue_;
    TBanner* banner_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    TDirectoryEdit* DirectoryEdit1_ = nullptr;
    QLineEdit* EditOKOD_ = nullptr;
    TDateEdit* RxDateEdit1_ = nullptr;
    QLineEdit* EditADI_ = nullptr;
    CodePageValidator* nameFilter_ = nullptr;
    QComboBox* ComboGRUP_ = nullptr;
    QComboBox* ComboALT_GRUP_ = nullptr;
    QButtonGroup* RadioGroup1_ = nullptr;
    QGroupBox* radioBox_ = nullptr;
    TIloWinButton* IloWinButton1_ = nullptr;
    TIloWinButton* IloWinButton2_ = nullptr;
    TIloWinButton* IloWinButton3_ = nullptr;
    TIloWinButton* IloWinButton4_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
    TILOProgress* ILOProgress1_ = nullptr;
    QAction* Kapat_ = nullptr;
    QPointer<QWidget> focusBefore_;
    bool shown_ = false;
    bool registering_ = false;
    bool closeRequested_ = false;
};

// The window's instance reference: set exactly while it is open.
extern TK_YeniArsivF* K_YeniArsivF;

} // namespace kartavel::gui
