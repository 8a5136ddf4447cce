#include "Prompter.h"

#include "store/ProgramIdentity.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace kartavel::gui {

namespace {

Prompter gDefault;
Prompter* gCurrent = &gDefault;

QWidget* activeParent() {
    return QApplication::activeWindow();
}

} // namespace

void Prompter::showInfo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bilgi"), text, QMessageBox::Ok,
                    parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
}

bool Prompter::askQuestion(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Soru"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Evet"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Hayır"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void Prompter::showError(QWidget* parent, const QString& text) {
    // The general error box carries the application's title.
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(identity::kApplicationTitle.data()),
                    text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
}

Prompter& prompter() {
    return *gCurrent;
}

void setPrompter(Prompter* p) {
    gCurrent = p ? p : &gDefault;
}

void ShowInfo(const QString& text) {
    prompter().showInfo(activeParent(), text);
}
bool AskQuestion(const QString& text) {
    return prompter().askQuestion(activeParent(), text);
}
void ShowError(const QString& text) {
    prompter().showError(activeParent(), text);
}

} // namespace kartavel::gui
