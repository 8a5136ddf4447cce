#include "CodePageValidator.h"

#include "text/Cp1254.h"

namespace kartavel::gui {

CodePageValidator::CodePageValidator(QString discarded, QObject* parent)
    : QValidator(parent), discarded_(std::move(discarded)) {}

QString CodePageValidator::filtered(const QString& text) const {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        // Every character of the code page lies in the basic plane, so a surrogate
        // half never passes.
        if (!discarded_.contains(c) && !c.isSurrogate() && text::unicodeToCp1254(c.unicode()))
            out.append(c);
    }
    return out;
}

QValidator::State CodePageValidator::validate(QString& input, int& pos) const {
    const QString kept = filtered(input);
    if (kept.size() != input.size()) {
        // The cursor keeps its place among the characters that stay.
        pos -= static_cast<int>(input.left(pos).size() - filtered(input.left(pos)).size());
        input = kept;
    }
    return Acceptable;
}

} // namespace kartavel::gui
