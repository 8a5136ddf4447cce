#include "AccessControls.h"

#include "widgets/TIloWinButton.h"

#include <QLineEdit>

namespace kartavel::gui {

QFont boldArial(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

TIloWinButton* makeCaptionButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new TIloWinButton(parent);
    b->setObjectName(name);
    b->setCaption(caption);
    b->setFont(boldArial(13));
    b->setFixedSize(85, 28);
    return b;
}

QLineEdit* makePasswordField(QWidget* parent, const QString& name, const QColor& colour) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setEchoMode(QLineEdit::Password);
    // "*" for each character, whatever the style would show.
    e->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    if (colour.isValid()) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, colour);
        e->setPalette(p);
    }
    return e;
}

} // namespace kartavel::gui
