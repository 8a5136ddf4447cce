#pragma once

#include <QValidator>

namespace kartavel::gui {

// The key filter of a text field whose text goes into a table file: characters the
// table files' code page cannot hold, and the field's own `discarded` characters,
// are dropped as they are typed or pasted; everything else passes.
class CodePageValidator : public QValidator {
    Q_OBJECT
public:
    explicit CodePageValidator(QString discarded = {}, QObject* parent = nullptr);

    // The text without the characters the filter drops.
    QString filtered(const QString& text) const;

    State validate(QString& input, int& pos) const override;

private:
    QString discarded_;
};

} // namespace kartavel::gui
