#pragma once

#include "TButtonEdit.h"

namespace kartavel::gui {

// A folder field: the path typed, or chosen with the platform's folder browser
// behind the button (also Alt+Down or F4).
class TDirectoryEdit : public TButtonEdit {
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

protected:
    void dropDown() override { browse(); }

private:
    QString initialFolder_;
};

} // namespace kartavel::gui
