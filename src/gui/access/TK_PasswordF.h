#pragma once

#include <QColor>
#include <QDialog>

class QLabel;
class QLineEdit;

namespace kartavel::gui {

class TIloWinButton;

// The login window, which must be passed before the main window can be used. Closed
// in any way without a correct password, it ends the program. Its background is
// see-through: every part painted in the button-face colour shows what lies behind.
class TK_PasswordF : public QDialog {
    Q_OBJECT
public:
    explicit TK_PasswordF(QWidget* parent = nullptr);

    QLabel* Image1() const { return image1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label1() const { return label1_; }
    QLineEdit* EditPass() const { return editPass_; }
    TIloWinButton* IQGrap1() const { return iqGrap1_; } // "Tamam"
    TIloWinButton* IQGrap2() const { return iqGrap2_; } // "Vazgeç"

    // Whether the last check succeeded since the window was shown.
    bool succeeded() const { return success_; }
    // The see-through colour: the button face.
    QColor colourKey() const { return colourKey_; }

    void IQGrap1Click(); // the password check, also run by Enter
    void BitBtn2Click(); // "Vazgeç": ends the program

    // FormClose: every way the window closes comes here. Without a successful check
    // the main window closes too, asking nothing, and the program ends.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void endProgram();
    // Cuts the button-face parts out of the window's shape, so what lies behind
    // shows through them. A shaped window needs no compositor.
    void applyColourKey();

    QLabel* image1_;
    QLabel* label2_;
    QLabel* label1_;
    QLabel* rxLabel2_;
    QLineEdit* editPass_;
    TIloWinButton* iqGrap1_;
    TIloWinButton* iqGrap2_;
    QColor colourKey_;
    bool success_ = false;
};

// The login window's instance reference: set exactly while ShowModalForm has it open.
extern TK_PasswordF* K_PasswordF;

} // namespace kartavel::gui
