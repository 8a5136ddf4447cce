#pragma once

#include "store/RecordTable.h"

#include <QWidget>

#include <array>
#include <functional>

class QToolButton;

namespace kartavel::gui {

// A record navigator: buttons that add a record, delete, edit, post and cancel the
// current record of a table, and refresh it. A button is enabled only when its
// command applies to the table's state. It asks no confirmation of its own; a
// before-hook that abandons the change (store::Abort) leaves the table as it is.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };

    TDBNavigator(store::RecordTable& table, QWidget* parent = nullptr);
    ~TDBNavigator() override;

    QToolButton* button(Button b) const { return buttons_.at(static_cast<std::size_t>(b)); }
    // Runs a command on the table, as a click on its button does.
    void BtnClick(Button b);

    // What "refresh" does: the window reads the table's file again.
    std::function<void()> onRefresh;
    // Runs every command; the window wraps it to report failures (a table file that
    // cannot be written). By default the command just runs.
    std::function<void(const std::function<void()>&)> guard;

private:
    void updateButtons();

    store::RecordTable& table_;
    std::array<QToolButton*, 6> buttons_{};
    int observer_ = 0;
};

} // namespace kartavel::gui
