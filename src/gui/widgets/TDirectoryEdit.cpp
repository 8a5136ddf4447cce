#include "TDirectoryEdit.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QToolButton>

namespace kartavel::gui {

TDirectoryEdit::TDirectoryEdit(QWidget* parent) : TButtonEdit(parent) {
    button_->setObjectName(QStringLiteral("BrowseButton"));
    button_->setText(QStringLiteral("..."));
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

} // namespace kartavel::gui
