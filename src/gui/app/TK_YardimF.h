#pragma once

#include <QDialog>

class QLabel;

namespace kartavel::gui {

class TBanner;
class TIloWinButton;

// The search help: what the search text and the two options of the content search
// do.
class TK_YardimF : public QDialog {
    Q_OBJECT
public:
    explicit TK_YardimF(QWidget* parent = nullptr);

    // The help text, line by line.
    static QString helpText();

    TIloWinButton* IloWinButton1() const { return close_; }
    QLabel* Label2() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TBanner* banner_;
    QLabel* text_;
    TIloWinButton* close_;
};

} // namespace kartavel::gui
