#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kartavel::gui {

// A text field with a button at its right end that opens the field's drop-down
// part (a calendar, a folder browser); F4 and Alt with the down arrow open it too.
class TButtonEdit : public QWidget {
    Q_OBJECT
public:
    explicit TButtonEdit(QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* button() const { return button_; }

protected:
    // Opens the drop-down part.
    virtual void dropDown() = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLineEdit* edit_;
    QToolButton* button_;
};

} // namespace kartavel::gui
