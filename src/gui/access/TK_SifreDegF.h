#pragma once

#include <QDialog>

class QAction;
class QLabel;
class QLineEdit;

namespace kartavel::gui {

class TBanner;
class TIloWinButton;

// The password-change window: sets the first password, and changes it later. The
// old password is asked for only while the stored-values file exists.
class TK_SifreDegF : public QDialog {
    Q_OBJECT
public:
    explicit TK_SifreDegF(QWidget* parent = nullptr);

    TBanner* Panel1() const { return banner_; }
    QLineEdit* Edit3() const { return edit3_; }         // "Eski Şifre "
    QLineEdit* Edit1() const { return edit1_; }         // "Yeni Şifre "
    QLineEdit* Edit2() const { return edit2_; }         // "Şifre Tekrarı "
    TIloWinButton* BitBtn1() const { return bitBtn1_; } // "Tamam"
    TIloWinButton* BitBtn2() const { return bitBtn2_; } // "İptal"
    QAction* Kapat() const { return kapat_; }           // Escape

    void BitBtn1Click(); // the change
    void BitBtn2Click(); // closes; nothing is changed
    void KapatExecute(); // the same, by Escape

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    TBanner* banner_;
    QLineEdit* edit3_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    TIloWinButton* bitBtn1_;
    TIloWinButton* bitBtn2_;
    QAction* kapat_;
};

// The password-change window's instance reference: set exactly while ShowModalForm
// has it open.
extern TK_SifreDegF* K_SifreDegF;

} // namespace kartavel::gui
