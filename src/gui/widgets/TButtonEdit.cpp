#include "TButtonEdit.h"

#include "KeyEvents.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kartavel::gui {

TButtonEdit::TButtonEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_, 1);
    row->addWidget(button_);
    setFocusProxy(edit_);
    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->installEventFilter(this);
    // The keyboard opens the drop-down part from the field; the button is for the
    // mouse.
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, [this] { dropDown(); });
}

bool TButtonEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && isDropDownKey(event)) {
        dropDown();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kartavel::gui
