#pragma once

#include "app/Prompter.h"

#include <QDialog>
#include <QStringList>

#include <deque>

namespace kartavel::test {

// Answers the program's message boxes in tests: every message is recorded, and
// each question takes the next queued answer. A test that leaves answers unused,
// or meets a question with none queued, fails in its check.
class TestPrompter : public gui::Prompter {
public:
    TestPrompter() { gui::setPrompter(this); }
    ~TestPrompter() override { gui::setPrompter(nullptr); }

    void showInfo(QWidget*, const QString& text) override {
        messages.append(QStringLiteral("Bilgi: ") + text);
    }
    bool askQuestion(QWidget*, const QString& text) override {
        messages.append(QStringLiteral("Soru: ") + text);
        if (answers.empty()) {
            unexpected.append(text);
            return false;
        }
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void showError(QWidget*, const QString& text) override {
        messages.append(QStringLiteral("Hata: ") + text);
    }

    // What was shown since the last call.
    QStringList take() {
        QStringList m = messages;
        messages.clear();
        return m;
    }

    QStringList messages;
    QStringList unexpected;
    std::deque<bool> answers;
};

} // namespace kartavel::test
