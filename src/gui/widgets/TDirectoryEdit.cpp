#include "TDirectoryEdit.h"

#include "KeyEvents.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kartavel::gui {

TDirectoryEdit::TDirectoryEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_, 1);
    row->addWidget(button_);
    setFocusProxy(edit_);
    edit_->setObjectName(QStringLiteral("Edit"));
    edit_->installEventFilter(this);
    button_->setObjectName(QStringLiteral("BrowseButton"));
    button_->setText(QStringLiteral("..."));
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, &TDirectoryEdit::browse);
}

QString TDirectoryEdit::text() const {
    return edit_->text();
}

void TDirectoryEdit::setText(const QString& text) {
    edit_->setText(text);
}

void TDirectoryEdit::browse() {
    const QString start = !text().isEmpty() && QDir(text()).exists() ? text()
                          : initialFolder_.isEmpty()                 ? QDir::homePath()
                                                                     : initialFolder_;
    QFileDialog dialog(this, QString(), start);
    dialog.setObjectName(QStringLiteral("FolderBrowser"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
    edit_->setFocus();
}

bool TDirectoryEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && isDropDownKey(event)) {
        browse();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kartavel::gui
