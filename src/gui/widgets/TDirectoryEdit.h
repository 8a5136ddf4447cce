#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kartavel::gui {

// A folder field: the path typed, or chosen with the platform's folder browser
// behind the button (also Alt+Down or F4).
class TDirectoryEdit : public QWidget {
    Q_OBJECT
public:
    explicit TDirectoryEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // Where the folder browser starts while the field names no folder.
    void setInitialFolder(const QString& folder) { initialFolder_ = folder; }

    // Opens the folder browser on the field's folder; a chosen folder replaces the
    // text.
    void browse();

    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* button() const { return button_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QToolButton* button_;
    QString initialFolder_;
};

} // namespace kartavel::gui
