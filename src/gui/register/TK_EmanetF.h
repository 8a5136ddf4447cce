#pragma once

#include "store/RecordTable.h"

#include <QDialog>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace kartavel::gui {

class TAnaF;
class TBanner;
class TDateEdit;
class TIloWinButton;

// The lending window: to whom an archive's medium is given, when, until when and
// why ("Emanet Ver"), or the lending record shown once more before it is deleted
// ("Teslim Al"). The main window's LendMode, set by the command, chooses which.
class TK_EmanetF : public QDialog {
    Q_OBJECT
public:
    TK_EmanetF(TAnaF& main, std::string archiveName, QWidget* parent = nullptr);
    ~TK_EmanetF() override;

    // The lending commands of both lists' pop-up menus: "Emanet Ver" (mode 1) and
    // "Teslim Al" (mode 0) on the selected row's archive, told by its caption and
    // icon. A row the command does not take is refused with its message and opens
    // nothing (false). Otherwise the window opens; when it has closed, confirmed or
    // not, the main window's lending table is read again and its list shows the
    // icons as they are now (true: the opening list refreshes itself too).
    static bool runCommand(TAnaF& main, int mode, std::string archiveName, int icon,
                           QWidget* parent);

    store::RecordTable Emenet_Rx; // the window's own copy of "EMANET.DB"

    // --- handlers -------------------------------------------------------------------
    void FormShow();
    void IloWinButton1Click(); // "Emanet Ver" or "Teslim Al"
    void IloWinButton2Click(); // "Kapat", Esc

    // Controls, by the names the program gives them.
    QLabel* Label7() const { return Label7_; }
    QLineEdit* EditEmanetAdi() const { return EditEmanetAdi_; }
    TDateEdit* VerilmeTarihi() const { return VerilmeTarihi_; }
    TDateEdit* TeslimTarihi() const { return TeslimTarihi_; }
    QLineEdit* EditAciklama() const { return EditAciklama_; }
    TIloWinButton* IloWinButton1() const { return IloWinButton1_; }
    TIloWinButton* IloWinButton2() const { return IloWinButton2_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TAnaF& main_;
    std::string archiveName_;
    int mode_ = 1;
    bool shown_ = false;
    TBanner* banner_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    QLabel* Label7_ = nullptr;
    QLineEdit* EditEmanetAdi_ = nullptr;
    TDateEdit* VerilmeTarihi_ = nullptr;
    TDateEdit* TeslimTarihi_ = nullptr;
    QLineEdit* EditAciklama_ = nullptr;
    TIloWinButton* IloWinButton1_ = nullptr;
    TIloWinButton* IloWinButton2_ = nullptr;
};

// The lending window's instance reference: set exactly while it is open.
extern TK_EmanetF* K_EmanetF;

} // namespace kartavel::gui
