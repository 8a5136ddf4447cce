#pragma once

#include <QString>

class QWidget;

namespace kartavel::gui {

// Every message box of the program goes through one prompter, so that a test can
// read each message and answer each question.
class Prompter {
public:
    virtual ~Prompter() = default;
    // The information box: caption "Bilgi", information icon, one OK button.
    virtual void showInfo(QWidget* parent, const QString& text);
    // The question box: caption "Soru", question icon, Yes and No. True for Yes.
    virtual bool askQuestion(QWidget* parent, const QString& text);
    // The general error box, for failures the program does not foresee (a table
    // file that cannot be written).
    virtual void showError(QWidget* parent, const QString& text);
};

Prompter& prompter();
// Replaces the prompter (tests); nullptr returns to the message boxes.
void setPrompter(Prompter* p);

void ShowInfo(const QString& text);
bool AskQuestion(const QString& text);
void ShowError(const QString& text);

} // namespace kartavel::gui
