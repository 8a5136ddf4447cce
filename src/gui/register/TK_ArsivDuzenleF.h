#pragma once

#include "register/ArchiveCommands.h"
#include "store/Catalogue.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;

namespace kartavel::gui {

class TAnaF;
class TBanner;
class TDBEdit;
class TDateEdit;
class TFieldLink;
class TIloWinButton;

// The archive edit window: the fields of the main window's current register record,
// bound to it. A change puts the record into editing; "Kaydet" posts it, and the main
// window's after-post hook then saves the register and takes the content file along
// to a new name. "İptal" cancels, and so does closing the window with changes left.
class TK_ArsivDuzenleF : public QDialog {
    Q_OBJECT
public:
    explicit TK_ArsivDuzenleF(TAnaF& main, QWidget* parent = nullptr);
    ~TK_ArsivDuzenleF() override;

    // --- handlers -------------------------------------------------------------------
    void FormShow();
    void DBComboBox1Enter();
    void DBComboBox2Enter();
    void DataSetPost1Execute();   // "Kaydet", Alt+F2
    void DataSetCancel1Execute(); // "İptal", F3
    void K_ArsivDuzenleFClick();  // "Kapat", Esc

    // Controls, by the names the program gives them.
    TDateEdit* DBDateEdit1() const { return DBDateEdit1_; }
    TDBEdit* DBEdit1() const { return DBEdit1_; }
    TDBEdit* DBEdit2() const { return DBEdit2_; }
    QComboBox* DBComboBox1() const { return DBComboBox1_; }
    QComboBox* DBComboBox2() const { return DBComboBox2_; }
    QButtonGroup* DBRadioGroup1() const { return DBRadioGroup1_; }
    TIloWinButton* IloWinButton1() const { return IloWinButton1_; }
    TIloWinButton* IloWinButton2() const { return IloWinButton2_; }
    TIloWinButton* closeButton() const { return Kapat_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* listField(QWidget* parent, const char* objectName, std::string_view column);
    void updateCommands();
    // A group other than the record's: a sub-group it does not have is cleared.
    void groupChanged();
    QWidget* field(reg::ArchiveField f) const;

    store::Catalogue& catalogue_;
    store::RecordTable& table_;
    bool shown_ = false;
    int observer_ = 0;
    TBanner* banner_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    TDateEdit* DBDateEdit1_ = nullptr;
    TDBEdit* DBEdit1_ = nullptr;
    TDBEdit* DBEdit2_ = nullptr;
    QComboBox* DBComboBox1_ = nullptr;
    QComboBox* DBComboBox2_ = nullptr;
    QButtonGroup* DBRadioGroup1_ = nullptr;
    TIloWinButton* IloWinButton1_ = nullptr;
    TIloWinButton* IloWinButton2_ = nullptr;
    TIloWinButton* Kapat_ = nullptr;
};

} // namespace kartavel::gui
