#pragma once

#include "platform/MemoryStatus.h"

#include <QDialog>
#include <QLocale>

#include <optional>
#include <utility>

class QAction;
class QLabel;
class QStatusBar;
class QToolButton;

namespace kartavel::gui {

class TIloAnimate;
class TSecretPanel;

// The about window: a tall picture along the left edge, over whose lower part a
// click brings the staff panel; the program's picture and name in a header strip;
// a scrolling credits panel; the machine's memory; "Tamam". The about-box
// component fills it and shows it.
class TAboutF : public QDialog {
    Q_OBJECT
public:
    explicit TAboutF(QWidget* parent = nullptr);

    static constexpr int kWidth = 465;
    static constexpr int kHeight = 460;

    // The staff panel's own lines: role headings, before the component's team.
    static QStringList staffLines();
    // The credits panel's own lines; the first becomes the program name.
    static QStringList creditLines();

    // The memory figures as the window shows them: the total in kilobytes with the
    // locale's digit grouping and " KB", and the load as "45 %"; "Bilinmiyor" for
    // both when the figures could not be read.
    static std::pair<QString, QString> memoryTexts(const std::optional<platform::MemoryStatus>& m,
                                                   const QLocale& locale = QLocale());

    QLabel* Image1() const { return image1_; }
    TSecretPanel* SecretPanel1() const { return secretPanel1_; }
    TSecretPanel* SecretPanel2() const { return secretPanel2_; }
    QLabel* Image3() const { return image3_; }
    QLabel* RxLabel4() const { return rxLabel4_; }
    QLabel* Fizmem() const { return fizmem_; }
    QLabel* kulmem() const { return kulmem_; }
    QToolButton* SpeedButton1() const { return speedButton1_; }
    QStatusBar* StatusBar1() const { return statusBar1_; }
    QLabel* statusPanel() const { return statusPanel_; }
    QAction* kapat() const { return kapat_; }
    TIloAnimate* IloAnimate1() const { return iloAnimate1_; }

    // Shows or hides the staff panel, scrolling while it is shown.
    void Image1Click();
    // Escape, by any route, closes the window as "Tamam" does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* image1_;
    TSecretPanel* secretPanel2_;
    QLabel* image3_;
    QLabel* rxLabel4_;
    TSecretPanel* secretPanel1_;
    QLabel* fizmem_;
    QLabel* kulmem_;
    QToolButton* speedButton1_;
    QStatusBar* statusBar1_;
    QLabel* statusPanel_;
    QAction* kapat_;
    TIloAnimate* iloAnimate1_;
};

} // namespace kartavel::gui
